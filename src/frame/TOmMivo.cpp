#include "frame/TOmMivo.h"
#include "frame/scale.h"

#include "frame/vrsku1.h"
#include "platform/ProgramPath.h"

#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QColor kNavy(0, 0, 128);

// A picture of BILD, from the installation or else the CD; a null picture
// when neither has it.
QPixmap bild(const QString &namn)
{
    for (const QString &rot : {PCPath, CDPath}) {
        const QString p = ProgramPath::resolve(rot, QStringLiteral("\\BILD\\") + namn);
        if (!p.isEmpty() && QFileInfo(p).isFile()) {
            QPixmap pm(p);
            if (!pm.isNull())
                return pm;
        }
    }
    return {};
}

// The maker's logo, drawn rather than read, so that it is always there to click.
QPixmap logga()
{
    QPixmap pm(150, 70);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::yellow, 4));
    p.setBrush(kNavy);
    p.drawRoundedRect(QRectF(2, 2, 146, 66), 14, 14);
    p.setPen(Qt::yellow);
    p.setFont(arial(34, true, true));
    p.drawText(pm.rect(), Qt::AlignCenter, QStringLiteral("MIVO"));
    return pm;
}

QLabel *etikett(QWidget *parent, const char *namn, const QString &text, const QFont &font,
                const QColor &farg = kNavy)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(namn));
    l->setFont(font);
    textfarg(l, farg);
    // Clicks go through to the background picture below.
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    l->adjustSize();
    return l;
}

} // namespace

TOmMivo::TOmMivo(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("OmMivo"));
    setWindowTitle(QStringLiteral("Varmiko"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    fyllFarg(this, QColor(192, 192, 192));
    setFont(arial(14));
    resize(skarmStorlek());
    setWindowState(Qt::WindowMaximized);
    FormCreate();
}

void TOmMivo::FormCreate()
{
    const QSize skarm = skarmStorlek();
    const int W = skarm.width();
    const int H = skarm.height();

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setGeometry(0, 0, W, H);
    const QPixmap bakgrund = bild(QStringLiteral("Vrska97.BMP"));
    if (!bakgrund.isNull())
        Image1->setPixmap(bakgrund);
    Image1->installEventFilter(this);

    Label1 = etikett(this, "Label1", QStringLiteral("Varmiko 1.2"), arial(36, true, true));
    Label1->move((W - Label1->width()) / 2, H / 14);

    // The credits: roles right-aligned to the middle, names to the right of it.
    const QList<QPair<QString, QString>> medverkande = {
        {QStringLiteral("Författare:"), QStringLiteral("MIVO:s författarlag")},
        {QStringLiteral("Programmerare:"), QStringLiteral("MIVO:s programmerare")},
        {QStringLiteral("Foto:"), QStringLiteral("MIVO:s bildarkiv")},
        {QStringLiteral("Tyska:"), QStringLiteral("MIVO:s tyskgranskare")},
        {QStringLiteral("Ljud:"), QStringLiteral("MIVO:s ljudstudio")},
    };
    const QFont kreditFont = arial(17, true);
    int y = H / 14 + Label1->height() + H / 16;
    int rad = 1;
    for (const auto &[roll, namn] : medverkande) {
        QLabel *r = etikett(this, qPrintable(QStringLiteral("RollLabel%1").arg(rad)), roll, kreditFont);
        QLabel *n = etikett(this, qPrintable(QStringLiteral("NamnLabel%1").arg(rad)), namn, kreditFont);
        r->move(W / 2 - 10 - r->width(), y);
        n->move(W / 2 + 10, y);
        y += r->height() * 3 / 2;
        ++rad;
    }
    y += H / 20;
    QLabel *fran = etikett(this, "FranLabel", QStringLiteral("Ett program från"), kreditFont);
    fran->move((W - fran->width()) / 2, y);
    y += fran->height() + 4;
    QLabel *makare = etikett(this, "MakareLabel", QStringLiteral("MIVO DATA, Orvinda"), arial(24, true));
    makare->move((W - makare->width()) / 2, y);

    // The maker's pictures at the left, spread evenly down the screen; a
    // picture that is not there takes no room.
    Image4 = new QLabel(this);
    Image5 = new QLabel(this);
    Image6 = new QLabel(this);
    const QStringList filer = {QStringLiteral("Mivo1.BMP"), QStringLiteral("Mivo2.BMP"), QStringLiteral("Mivo3.BMP")};
    const QList<QLabel *> bilder = {Image4, Image5, Image6};
    int summa = 0;
    for (int i = 0; i < 3; ++i) {
        QLabel *b = bilder[i];
        b->setObjectName(QStringLiteral("Image%1").arg(i + 4));
        b->setAttribute(Qt::WA_TransparentForMouseEvents);
        const QPixmap pm = bild(filer[i]);
        if (pm.isNull()) {
            b->resize(0, 0);
            b->hide();
        } else {
            b->setPixmap(pm);
            b->resize(pm.size());
        }
        summa += b->height();
    }
    const int q = (H - summa) / 4;
    Image4->move(10, q);
    Image5->move(10, 2 * q + Image4->height());
    Image6->move(10, 3 * q + Image4->height() + Image5->height());

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(logga());
    Image2->resize(Image2->pixmap().size());
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->setToolTip(QStringLiteral("MIVO:s program"));
    Image2->move(W - Image2->width() - W / 16, makare->y() + makare->height() / 2 - Image2->height() / 2);
    Image2->installEventFilter(this);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    fyllFarg(Panel1, QColor(0, 255, 0));
    auto *lager = new QVBoxLayout(Panel1);
    lager->setContentsMargins(24, 16, 24, 16);
    auto rad2 = [this, lager](const char *namn, const QString &text, bool fet) {
        QLabel *l = etikett(Panel1, namn, text, arial(17, fet), Qt::black);
        l->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        lager->addWidget(l);
    };
    rad2("ProduktLabel", QStringLiteral("MIVO har producerat följande program:"), true);
    rad2("ProgramLabel1", QStringLiteral("    Tyska med MIVO (Varmiko)"), false);
    rad2("ProgramLabel2", QStringLiteral("    Engelska med MIVO"), false);
    rad2("ProgramLabel3", QStringLiteral("    Spanska med MIVO"), false);
    rad2("ProgramLabel4", QStringLiteral("    Matematik med MIVO"), false);
    lager->addSpacing(10);
    rad2("InfoLabel", QStringLiteral("Utförlig information om programmen finns på"), true);
    rad2("KontaktLabel1", QStringLiteral("    www.mivodata.example"), false);
    rad2("KontaktLabel2", QStringLiteral("    MIVO DATA, Box 000, 000 00 Orvinda"), false);
    rad2("KontaktLabel3", QStringLiteral("    E-post: info@mivodata.example"), false);
    Panel1->adjustSize();
    // Centred, but never over the logo that hides it again.
    Panel1->move(std::max(0, std::min((W - Panel1->width()) / 2, Image2->x() - Panel1->width() - 10)),
                 (H - Panel1->height()) / 2);
    Panel1->hide();
    m_panelVisas = 0;

    Button1 = new QPushButton(QStringLiteral("&Avbryt"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button1->resize(Button1->sizeHint().expandedTo(QSize(100, 30)));
    Button1->move((W - Button1->width()) / 2, H - Button1->height() * 2);
    connect(Button1, &QPushButton::clicked, this, &TOmMivo::Button1Click);
    Button1->setFocus();
}

void TOmMivo::Button1Click()
{
    reject();
}

void TOmMivo::Image1Click()
{
    Panel1->hide();
    m_panelVisas = 0;
}

void TOmMivo::Image2Click()
{
    m_panelVisas = m_panelVisas ? 0 : 1;
    Panel1->setVisible(m_panelVisas != 0);
    if (m_panelVisas)
        Panel1->raise();
}

void TOmMivo::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        reject();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool TOmMivo::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonPress) {
        if (o == Image2) {
            Image2Click();
            return true;
        }
        if (o == Image1) {
            Image1Click();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TOmMivo_Visa()
{
    TOmMivo OmMivo(QApplication::activeWindow());
    OmMivo.exec();
}
