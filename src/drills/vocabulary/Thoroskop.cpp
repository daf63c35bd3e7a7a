#include "drills/vocabulary/Thoroskop.h"

#include "drills/vocabulary/Zodiakbild.h"
#include "frame/datafiles.h"
#include "frame/scale.h"
#include "platform/MessageBox.h"
#include "platform/Printing.h"
#include "platform/ShapeWidget.h"
#include "platform/TextFile.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString HoroskopFil = QStringLiteral("VRS62000.DAT");
const QString OrdFil = QStringLiteral("VRS62000.ORD");

QPushButton *knapp(const char *namn, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(namn));
    b->setAutoDefault(false);
    b->setFont(arial(15, true));
    b->resize(qMax(110, b->sizeHint().width() + 16), b->sizeHint().height() + 6);
    return b;
}

QPlainTextEdit *memo(const char *namn, QWidget *parent, int px)
{
    auto *m = new QPlainTextEdit(parent);
    m->setObjectName(QLatin1String(namn));
    m->setFont(arial(px, true));
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m->setLineWrapMode(QPlainTextEdit::NoWrap);
    return m;
}

QString felaktig(const QString &namn)
{
    return QStringLiteral("Filen ") + visadDataSokvag(namn) + QStringLiteral(" finns inte eller är felaktig");
}

} // namespace

Thoroskop::Thoroskop(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("horoskop"));
    setWindowTitle(QStringLiteral("Horoskop"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    fyllFarg(this, Qt::black);
    fargRoller(this, {QPalette::WindowText}, Qt::white);
    setFont(arial(15, true));

    Label1 = new QLabel(QStringLiteral("HOROSKOP"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(arial(20, true));
    fargRoller(Label1, {QPalette::WindowText}, Qt::yellow);
    Label1->adjustSize();
    for (QLabel **l : {&Label2, &Label3}) {
        *l = new QLabel(this);
        (*l)->setFont(teckensnitt(QStringLiteral("DejaVu Sans"), 23, false));
        farg(*l, QPalette::WindowText, QColor(0, 255, 255));
        (*l)->setAlignment(Qt::AlignCenter);
        (*l)->resize(QFontMetrics((*l)->font()).height() + 8, QFontMetrics((*l)->font()).height() + 4);
    }
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3->setObjectName(QStringLiteral("Label3"));

    Bildyta = new QWidget(this);
    Bildyta->setObjectName(QStringLiteral("Bildyta"));
    Bildyta->resize(Zodiakbild::Bredd, Zodiakbild::Hojd);
    Image1 = new Zodiakbild(Bildyta);
    Image1->setObjectName(QStringLiteral("Image1"));
    hrut = new ShapeWidget(ShapeWidget::Form::RoundRect, Bildyta);
    hrut->setObjectName(QStringLiteral("hrut"));
    hrut->setBrushStyle(Qt::NoBrush);
    hrut->setPenColor(QColor(0, 255, 255));
    hrut->setPenStyle(Qt::DotLine, 2);
    hrut->resize(Zodiakbild::RutBredd, Zodiakbild::RutHojd);
    // Clicks inside the marker reach the picture beneath it.
    hrut->setAttribute(Qt::WA_TransparentForMouseEvents);
    ListBox3 = new QListWidget(Bildyta);
    ListBox3->setObjectName(QStringLiteral("ListBox3"));
    ListBox3->setGeometry(148, 43, 361, 300);
    ListBox3->setFrameShape(QFrame::NoFrame);
    ListBox3->setFont(arial(20, true));
    QPalette lp = ListBox3->palette();
    lp.setColor(QPalette::Base, Qt::black);
    lp.setColor(QPalette::Text, Qt::yellow);
    ListBox3->setPalette(lp);
    ListBox3->installEventFilter(this);

    Button4 = knapp("Button4", QStringLiteral("&Abbrechen"), this);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    fyllFarg(Panel1, QColor(0, 0, 64));
    Memo1 = memo("Memo1", Panel1, 22);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setGeometry(10, 10, 745, 548);
    Button3 = knapp("Button3", QStringLiteral("&Vokabeln"), Panel1);
    BitBtn1 = knapp("BitBtn1", QStringLiteral("&Drucken"), Panel1);
    Button1 = knapp("Button1", QStringLiteral("&Abbrechen"), Panel1);
    int x = 10;
    for (QPushButton *b : {Button3, BitBtn1, Button1}) {
        b->move(x, 568);
        x += b->width() + 20;
    }
    Panel1->resize(765, 568 + Button1->height() + 10);
    Panel1->hide();

    ordlista = new QFrame(this);
    ordlista->setObjectName(QStringLiteral("ordlista"));
    ordlista->setFrameShape(QFrame::Panel);
    fyllFarg(ordlista, QColor(0, 0, 64));
    Memo2 = memo("Memo2", ordlista, 13);
    Memo2->setReadOnly(true);
    Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Button2 = knapp("Button2", QStringLiteral("&Abbrechen"), ordlista);
    ordlista->hide();

    Testlabel = new QLabel(this);
    Testlabel->setObjectName(QStringLiteral("Testlabel"));
    Testlabel->setFont(arial(13, true));
    Testlabel->hide();
    TestLabel2 = new QLabel(this);
    TestLabel2->setObjectName(QStringLiteral("TestLabel2"));
    TestLabel2->setFont(teckensnitt(QStringLiteral("Times New Roman"), 13, true));
    TestLabel2->hide();

    connect(ListBox3, &QListWidget::currentRowChanged, this, &Thoroskop::ListBox3Click);
    connect(ListBox3, &QListWidget::itemDoubleClicked, this, &Thoroskop::ListBox3DblClick);
    connect(Image1, &Zodiakbild::MouseDown, this, &Thoroskop::Image1MouseDown);
    connect(Button1, &QPushButton::clicked, this, &Thoroskop::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Thoroskop::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &Thoroskop::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &Thoroskop::Button4Click);
    connect(BitBtn1, &QPushButton::clicked, this, &Thoroskop::BitBtn1Click);

    FormCreate();
}

double Thoroskop::bredd(const QLabel *l, const QString &text) const
{
    return QFontMetricsF(l->font()).horizontalAdvance(text);
}

void Thoroskop::FormCreate()
{
    const QSize skarm = skarmStorlek();
    const int W = skarm.width();
    const int H = skarm.height();
    resize(W, H);
    setWindowState(Qt::WindowMaximized);

    Label1->move((W - Label1->width()) / 2, 8);
    Panel1->move((W - Panel1->width()) / 8, Label1->y() + (Label1->height() * 3) / 2);
    // On a screen too low for the text panel, its text box gives up height,
    // so that the buttons under it stay on the screen.
    if (const int over = Panel1->y() + Panel1->height() + 4 - H; over > 0) {
        Memo1->resize(Memo1->width(), Memo1->height() - over);
        for (QPushButton *b : {Button3, BitBtn1, Button1})
            b->move(b->x(), b->y() - over);
        Panel1->resize(Panel1->width(), Panel1->height() - over);
    }
    ordlista->move(ordlista->x(), Panel1->y());
    ordlista->resize(ordlista->width(), Panel1->height());
    Button2->move(Button2->width() / 2, ordlista->height() - (Button2->height() * 5) / 4);
    Memo2->resize(Memo2->width(), ordlista->height() - (Button2->height() * 6) / 4 - 10);

    // The picture stands where the text will, the list over its middle, at
    // its own size; on a screen too low for it, it moves up under the
    // heading, which stays in front.
    Bildyta->move((W - Bildyta->width()) / 8, qMax(0, qMin(Panel1->y(), H - Bildyta->height())));
    for (QLabel *l : {Label1, Label2, Label3})
        l->raise();
    Image1->setEnabled(true);
    ListBox3->setEnabled(true);
    ListBox3->show();
    Label2->move(Label1->x() - 2 * Label2->width(), Label1->y() + (Label1->height() - Label2->height()) / 2);
    Label3->move(Label1->x() + Label1->width() + Label2->width(), Label2->y());
    // "Abbrechen" right of the picture, level with the foot of its lowest
    // signs; where there is no room beside it, in the picture's empty corner
    // at the bottom right, never across its edge.
    const QRect bild = Bildyta->geometry();
    const int hoger = bild.right() + 1 + 20;
    if (hoger + Button4->width() <= W - 10)
        Button4->move(hoger, qMin(bild.y() + 471 - Button4->height(), H - Button4->height() - 10));
    else
        Button4->move(bild.right() + 1 - Button4->width() - 10,
                      qMin(bild.bottom() + 1, H) - Button4->height() - 10);
    Button4->raise();

    m_MellanslagBredd = qMax(1.0, bredd(Testlabel, QStringLiteral(" ")));
    StjLista();
}

void Thoroskop::paintEvent(QPaintEvent *)
{
    // The night sky of the picture fills the whole window.
    QPainter p(this);
    Zodiakbild::ritaHimmel(p, rect(), QRectF(Bildyta->geometry()).center());
}

void Thoroskop::StjLista()
{
    ListBox3->clear();
    ListBox3->addItems(::StjLista([this](const QString &t) { return bredd(TestLabel2, t); }));
}

void Thoroskop::FormShow()
{
    Panel1->hide();
    ListBox3->setEnabled(true);
    ListBox3->setCurrentRow(0);
    ListBox3Click();
    ListBox3->setFocus();
}

void Thoroskop::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        FormShow();
}

void Thoroskop::ListBox3Click()
{
    const int i = ListBox3->currentRow();
    if (i < 0 || i >= AntalTecken) {
        hrut->hide();
        Label2->hide();
        Label3->hide();
        return;
    }
    // The sign's place in picture pixels, on the picture as it is drawn.
    const qreal k = qreal(Image1->width()) / Zodiakbild::Bredd;
    hrut->move(QPoint(qRound(hrutPlats(i).x() * k), qRound(hrutPlats(i).y() * k)));
    Label2->setText(teckenSymbol(i));
    Label3->setText(teckenSymbol(i));
    hrut->show();
    hrut->raise();
    ListBox3->raise();
    Label2->show();
    Label3->show();
}

void Thoroskop::Image1MouseDown(int x, int y)
{
    const int i = teckenVidKlick(x, y);
    if (i >= 0)
        ListBox3->setCurrentRow(i);
    ListBox3Click();
}

void Thoroskop::ListBox3DblClick()
{
    ListBox3Click();
    Horoscoptext();
}

void Thoroskop::ListBox3KeyPress()
{
    Horoscoptext();
}

void Thoroskop::Horoscoptext()
{
    const int i = ListBox3->currentRow();
    if (i < 0 || i >= AntalTecken)
        return;
    const TeckenRader r = teckenRader(i);
    m_HoroSlump = SlumpOrdning(r.forsta, r.sista);
    const QList<qint32> valda = valdaRader(m_HoroSlump);

    Memo1->clear();
    QStringList rader;
    if (!lasHoroskopfil(hittaDataFil(HoroskopFil), rader)) {
        MessageBox::showMessage(felaktig(HoroskopFil));
        return;
    }
    QStringList text;
    if (!::Horoscoptext(rader, i, valda, text)) {
        // A file that ends before the sign's lines is no horoscope.
        MessageBox::showMessage(felaktig(HoroskopFil));
        return;
    }
    Memo1->setPlainText(text.join(QLatin1Char('\n')));
    ListBox3->hide();
    ListBox3->setEnabled(false);
    Image1->setEnabled(false);
    Memo1->show();
    Panel1->show();
    Panel1->raise();
    Button1->setFocus();
}

void Thoroskop::Button1Click()
{
    Panel1->hide();
    Image1->setEnabled(true);
    ListBox3->show();
    ListBox3->setEnabled(true);
    ListBox3->setFocus();
}

void Thoroskop::Button3Click()
{
    if (!MemoOrdLista())
        return;
    Panel1->setEnabled(false);
    ordlista->show();
    ordlista->raise();
    Button2->setFocus();
}

void Thoroskop::Button2Click()
{
    Panel1->setEnabled(true);
    ordlista->hide();
    Button1->setFocus();
}

bool Thoroskop::MemoOrdLista()
{
    QStringList rader;
    const QString fil = hittaDataFil(OrdFil);
    if (fil.isEmpty() || !TextFile::readLines(fil, rader)) {
        MessageBox::showMessage(felaktig(OrdFil));
        return false;
    }
    Memo2->clear();
    const QStringList lista =
        ::MemoOrdLista(rader, [this](const QString &t) { return bredd(Testlabel, t); }, m_MellanslagBredd);
    int bredast = 0;
    for (const QString &s : lista)
        bredast = qMax(bredast, qCeil(bredd(Testlabel, s)));
    Memo2->setPlainText(lista.join(QLatin1Char('\n')));
    const int W = skarmStorlek().width();
    ordlista->resize(bredast + 55, ordlista->height());
    ordlista->move(W - ordlista->width() - 20, ordlista->y());
    Memo2->setGeometry(10, 10, ordlista->width() - 20, Memo2->height());
    return true;
}

void Thoroskop::BitBtn1Click()
{
    const QStringList rader = Memo1->toPlainText().split(QLatin1Char('\n'));
    Printing::print(
        QStringLiteral("Varmiko - Horoskopet"),
        [&rader](Printing::Sheet &s) {
            s.setFont(QStringLiteral("Arial"), 20);
            s.text(20, 20, QStringLiteral("Varmiko - Horoskopet"));
            s.setFont(QStringLiteral("Arial"), 14);
            int y = 40;
            for (const QString &rad : rader) {
                s.text(20, y, rad);
                y += 7;
            }
        },
        this);
}

void Thoroskop::Button4Click()
{
    reject();
}

void Thoroskop::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        Button4Click();
        return;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool Thoroskop::eventFilter(QObject *o, QEvent *e)
{
    if (o == ListBox3 && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            ListBox3KeyPress();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void Thoroskop_Visa()
{
    Thoroskop horoskop(QApplication::activeWindow());
    horoskop.exec();
}
