#include "frame/TStallin.h"
#include "frame/scale.h"

#include "frame/vrsku1.h"
#include "platform/ArrowButton.h"
#include "platform/ShapeWidget.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace {

// The value the dialog sets: it takes the focus first and shows it with a
// frame round the number; Up and Down change it.
class Varde : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *e) override
    {
        QLabel::paintEvent(e);
        if (!hasFocus())
            return;
        QPainter p(this);
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

} // namespace

TStallin::TStallin(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Stallin"));
    setWindowTitle(QStringLiteral("Varmiko"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    const int W = skaladPixel(610);
    const int H = skaladPixel(356);
    setFixedSize(W, H);
    fyllFarg(this, Qt::blue);
    setFont(skaladArial(18, false));

    const int M = Marginal;
    auto *ytter = new QFrame(this);
    ytter->setObjectName(QStringLiteral("YtterPanel"));
    ytter->setGeometry(M, M, W - 2 * M, H - 2 * M);
    fyllFarg(ytter, bgrFarg(0x00FFFF));
    auto *inner = new QFrame(ytter);
    inner->setObjectName(QStringLiteral("InnerPanel"));
    inner->setGeometry(M, M, ytter->width() - 2 * M, ytter->height() - 2 * M);
    QPalette ip = inner->palette();
    ip.setColor(QPalette::Window, palette().color(QPalette::Button));
    inner->setPalette(ip);
    inner->setAutoFillBackground(true);

    auto label = [inner](const char *name, const QString &text, int px, bool bold, int y) {
        auto *l = new QLabel(text, inner);
        l->setObjectName(QLatin1String(name));
        l->setFont(skaladArial(px, bold));
        l->adjustSize();
        l->move((inner->width() - l->width()) / 2, skaladPixel(y));
        return l;
    };
    label("OverPanel", QStringLiteral("Inställning"), 30, true, 8);
    auto *droej = label("DroejLabel", QStringLiteral("Antal sekunder som rätt svar visas:"), 22, true, 70);
    TidLabel = new Varde(QString::number(PausTid), inner);
    TidLabel->setObjectName(QStringLiteral("TidLabel"));
    TidLabel->setFont(skaladArial(23, true));
    TidLabel->setAlignment(Qt::AlignCenter);
    TidLabel->setFocusPolicy(Qt::StrongFocus);
    TidLabel->setAccessibleName(QStringLiteral("Antal sekunder"));
    {
        // room for the frame round the widest digit
        const QFontMetrics fm(TidLabel->font());
        TidLabel->resize(fm.horizontalAdvance(QStringLiteral("0")) + skaladPixel(12), fm.height() + skaladPixel(4));
    }
    TidLabel->move(droej->x() + skaladPixel(200) - skaladPixel(6), skaladPixel(113));
    SpinUpp = new ArrowButton(Qt::UpArrow, inner);
    SpinUpp->setObjectName(QStringLiteral("SpinButton1Up"));
    SpinUpp->setAccessibleName(QStringLiteral("Fler sekunder"));
    SpinUpp->setGeometry(TidLabel->x() + skaladPixel(60), skaladPixel(108), skaladPixel(30), skaladPixel(20));
    SpinNed = new ArrowButton(Qt::DownArrow, inner);
    SpinNed->setObjectName(QStringLiteral("SpinButton1Down"));
    SpinNed->setAccessibleName(QStringLiteral("Färre sekunder"));
    SpinNed->setGeometry(TidLabel->x() + skaladPixel(60), skaladPixel(130), skaladPixel(30), skaladPixel(20));
    connect(SpinUpp, &QToolButton::clicked, this, &TStallin::SpinButton1UpClick);
    connect(SpinNed, &QToolButton::clicked, this, &TStallin::SpinButton1DownClick);
    label("ExtraLabel", QStringLiteral("(Visningen av rätt svar kan alltid brytas"), 22, false, 170);
    label("Extra2Label", QStringLiteral("med tryck på mellanslagstangenten)"), 22, false, 200);

    SparaButton = new QPushButton(QStringLiteral("&Spara"), inner);
    SparaButton->setObjectName(QStringLiteral("SparaButton"));
    AvbrytButton = new QPushButton(QStringLiteral("&Avbryt"), inner);
    AvbrytButton->setObjectName(QStringLiteral("AvbrytButton"));
    for (QPushButton *b : {SparaButton, AvbrytButton}) {
        b->setFont(skaladArial(23, false));
        b->setAutoDefault(false);
        b->resize(skaladPixel(140), skaladPixel(36));
    }
    SparaButton->move(inner->width() / 2 - SparaButton->width() - M, skaladPixel(250));
    AvbrytButton->move(inner->width() / 2 + M, skaladPixel(250));
    // The pause set with the arrows holds for the rest of the run either way.
    connect(SparaButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(AvbrytButton, &QPushButton::clicked, this, &QDialog::reject);

    // Up and Down change the value wherever the focus stands: the arrow
    // buttons and the push buttons would move the focus with them.
    for (QWidget *w : std::initializer_list<QWidget *>{TidLabel, SpinUpp, SpinNed, SparaButton, AvbrytButton})
        w->installEventFilter(this);
    setTabOrder(TidLabel, SpinUpp);
    setTabOrder(SpinUpp, SpinNed);
    setTabOrder(SpinNed, SparaButton);
    setTabOrder(SparaButton, AvbrytButton);
    TidLabel->setFocus();

    BildInst = 1;
}

void TStallin::SpinButton1UpClick()
{
    if (PausTid < 9)
        ++PausTid;
    TidLabel->setText(QString::number(PausTid));
}

void TStallin::SpinButton1DownClick()
{
    if (PausTid > 0)
        --PausTid;
    TidLabel->setText(QString::number(PausTid));
}

bool TStallin::pil(const QKeyEvent *e)
{
    if (e->key() == Qt::Key_Up)
        SpinButton1UpClick();
    else if (e->key() == Qt::Key_Down)
        SpinButton1DownClick();
    else
        return false;
    return true;
}

void TStallin::keyPressEvent(QKeyEvent *e)
{
    if (!pil(e))
        QDialog::keyPressEvent(e);
}

bool TStallin::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress && pil(static_cast<QKeyEvent *>(e)))
        return true;
    return QDialog::eventFilter(o, e);
}

void TStallin_Visa()
{
    TStallin d;
    d.exec();
}
