#include "frame/TForm1.h"

#include "frame/huvudmeny.h"
#include "frame/pictures.h"
#include "frame/scale.h"
#include "frame/startbilder.h"
#include "frame/startup.h"
#include "frame/vrsku1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace {

const QColor Bla(0, 0, 255);
const QColor Marinbla(0, 0, 128);
const QColor Rodbrun(128, 0, 0);

// Sizes in pixels at 100 %, before scaling.
constexpr int Panel1Bredd = 293;
constexpr int Panel1Hojd = 402;
constexpr int Panel9Hojd = 20;
constexpr int Shape1Bredd = 161;
constexpr int Shape1Hojd = 33;
constexpr int KnappVanster = 18;
constexpr int KnappOverst = 44;
constexpr int KnappSteg = 32;
constexpr int KnappBredd = 257;
constexpr int KnappHojd = 30;
constexpr int BildtextPixlar = 12;
constexpr int BildtextGolv = 7;

// The background when the start pictures are off: the German colours.
QPixmap bakgrundsbild()
{
    QPixmap pix(640, 480);
    QPainter p(&pix);
    p.fillRect(0, 0, 640, 160, QColor(0, 0, 0));
    p.fillRect(0, 160, 640, 160, QColor(221, 0, 0));
    p.fillRect(0, 320, 640, 160, QColor(255, 206, 0));
    return pix;
}

} // namespace

TForm1 *Form1 = nullptr;

TForm1::TForm1(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Varmiko"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    // Not set maximised here: the program entry shows the window full
    // screen, which replaces that state; set here as well, it only sent the
    // X server a second round of state changes, waited for one by one,
    // before the window could appear.
    // The start pictures the layout will draw are read meanwhile, on a
    // thread of their own.
    const QScreen *skarm = QGuiApplication::primaryScreen();
    m_startbilder = std::make_unique<StartbildLasare>(
        kommandeStartbilder(skarm ? skarm->geometry().width() : 792));
    skapaKomponenter();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::skapaKomponenter()
{
    setFont(arial(13));
    fyllFarg(this, Bla);
    resize(792, 545);

    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setScaledContents(true);
    m_image1->setGeometry(0, Panel9Hojd, 640, 480);

    static const char *const bildNamn[] = {"", "BildImage11", "BildImage12", "BildImage13",
                                           "BildImage21", "BildImage22", "BildImage23"};
    for (int s = 1; s <= 6; ++s) {
        auto *bild = new QLabel(this);
        bild->setObjectName(QLatin1String(bildNamn[s]));
        bild->setScaledContents(true);
        bild->setMouseTracking(true);
        bild->installEventFilter(this);
        bild->hide();
        m_bildImage[s] = bild;
    }

    m_panel9 = new QLabel(QStringLiteral("  Varmiko  –  tyska för svenska elever"), this);
    m_panel9->setObjectName(QStringLiteral("Panel9"));
    m_panel9->setFont(arial(13, true));
    fyllFarg(m_panel9, Marinbla);
    fargRoller(m_panel9, {QPalette::WindowText}, Qt::white);
    m_panel9->setGeometry(0, 0, 792, Panel9Hojd);

    m_panel1 = new QFrame(this);
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    m_panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_panel1->setLineWidth(3);
    fyllFarg(m_panel1, Marinbla);
    m_panel1->setGeometry(249, 60, Panel1Bredd, Panel1Hojd);

    m_label1 = new QLabel(QStringLiteral("VARMIKO"), m_panel1);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setFont(arial(28, true));
    m_label1->setAlignment(Qt::AlignCenter);
    fargRoller(m_label1, {QPalette::WindowText}, Qt::yellow);

    static const char *const texter[] = {"",       "Tyskland", "Dina ord",         "Tala",   "Skriva",
                                         "Grammatik", "Läsa",  "Diagnos",          "Göra  arbetsblad",
                                         "Manual",  "Om Varmiko", "Avsluta"};
    void (TForm1::*const klick[])() = {nullptr,
                                       &TForm1::Button1Click,  &TForm1::Button2Click, &TForm1::Button3Click,
                                       &TForm1::Button4Click,  &TForm1::Button5Click, &TForm1::Button6Click,
                                       &TForm1::Button7Click,  &TForm1::Button8Click, &TForm1::Button9Click,
                                       &TForm1::Button10Click, &TForm1::Button11Click};
    for (int i = 1; i <= 11; ++i) {
        auto *knapp = new QPushButton(QString::fromUtf8(texter[i]), m_panel1);
        knapp->setObjectName(QStringLiteral("Button%1").arg(i));
        knapp->setFont(arial(17, true));
        fargRoller(knapp, {QPalette::ButtonText}, Qt::black);
        knapp->setGeometry(KnappVanster, KnappOverst + (i - 1) * KnappSteg, KnappBredd, KnappHojd);
        connect(knapp, &QPushButton::clicked, this, klick[i]);
        m_button[i] = knapp;
    }

    m_shape1 = new QFrame(this);
    m_shape1->setObjectName(QStringLiteral("Shape1"));
    m_shape1->setStyleSheet(QStringLiteral(
        "QFrame#Shape1 { background-color: yellow; border: 1px solid black; border-radius: 8px; }"));
    m_shape1->setGeometry(315, 480, Shape1Bredd, Shape1Hojd);
    m_shape1->hide();

    m_label2 = new QLabel(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setFont(arial(13, true));
    m_label2->setAlignment(Qt::AlignCenter);
    fargRoller(m_label2, {QPalette::WindowText}, Qt::black);
    m_label2->setText(QStringLiteral("Arbetsblad aktiverat"));
    m_label2->hide();

    for (QLabel **rad : {&m_label3, &m_label4}) {
        *rad = new QLabel(this);
        fargRoller(*rad, {QPalette::WindowText}, Qt::white);
        (*rad)->setFont(arial(BildtextPixlar));
        // The caption follows the mouse over the pictures; it must not take
        // the pointer away from them.
        (*rad)->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label4->setObjectName(QStringLiteral("Label4"));
}

void TForm1::FormCreate()
{
    MusOverBild = 0;
    m_label3->hide();
    m_label4->hide();
    BildListaNy = 1;

    // The settings file's values take effect for the run.
    HaemtaVrskaINI();

    Skaltest(this);
    // Labels take the size of their text in their scaled fonts (measured
    // only now: a font measured at its unscaled size would be loaded for
    // nothing).
    m_label1->adjustSize();
    m_label2->resize(m_label2->width(), m_label2->sizeHint().height());

    DiktamVisning = 0;
    DiagnosPathKlar = 0;
    TestaScoreDirectory();

    // The screen the scale was measured on.
    const QScreen *skarm = QGuiApplication::primaryScreen();
    placeraKomponenter(skarm ? skarm->geometry().size() : QSize(792, 545));
    m_button[10]->setFocus();
}

int TForm1::skala(int designPixlar) const
{
    return int((qint64(designPixlar) * Skalning * 2 + 100) / 200);
}

void TForm1::placeraKomponenter(QSize skarm)
{
    m_skarm = skarm;
    const int W = skarm.width();
    const int H = skarm.height();
    resize(W, H);

    m_panel9->setGeometry(0, 0, W, m_panel9->height());
    const int panel9Hojd = m_panel9->height();

    m_panel1->move((W - m_panel1->width()) / 2,
                   (H - panel9Hojd - m_panel1->height() - m_shape1->height()) / 2 + panel9Hojd);
    const int panel1Botten = m_panel1->y() + m_panel1->height();
    m_shape1->move((W - m_shape1->width()) / 2, (H - panel1Botten - m_shape1->height()) / 2 + panel1Botten);
    m_label2->setGeometry(m_shape1->x(), (m_shape1->height() - m_label2->height()) / 2 + m_shape1->y(),
                          m_shape1->width(), m_label2->height());

    m_label1->move(5, m_label1->y());
    m_label1->resize(m_panel1->width() - 10, m_label1->height());

    m_image1->setGeometry(0, panel9Hojd, W, std::max(0, H - panel9Hojd));
    if (BildInst == 1 || BildInst == 3) {
        startbilder();
        m_image1->hide();
    } else {
        m_startbilder.reset();
        for (int s = 1; s <= 6; ++s)
            m_bildImage[s]->hide();
        // Drawn only when it is shown: with start pictures on it never is.
        if (m_image1->pixmap().isNull())
            m_image1->setPixmap(bakgrundsbild());
        m_image1->show();
    }

    m_label1->move((m_panel1->width() - m_label1->width()) / 2,
                   (m_button[1]->y() - m_label1->height()) / 2);

    m_image1->lower();
    m_panel1->raise();
    m_shape1->raise();
    m_label2->raise();
    m_label3->raise();
    m_label4->raise();
}

void TForm1::startbilder()
{
    const int W = m_skarm.width();
    const int panel9Hojd = m_panel9->height();
    const int h = (m_skarm.height() - panel9Hojd) / 3;
    const int x2 = m_panel1->x() + m_panel1->width();
    const QString prefix = startBildPrefix(W);

    // A caption belongs to the picture it was made for; the pictures show
    // once they are read.
    m_label3->hide();
    m_label4->hide();
    for (int s = 1; s <= 6; ++s)
        m_bildImage[s]->hide();

    // Room under each picture for the two caption lines, so that even the
    // captions of the bottom pictures stay on the screen.
    const int textrum = std::min(h / 3, 2 * QFontMetrics(m_label3->font()).height());

    QStringList filer;
    QList<Startbild> bilder(6);
    for (int s = 1; s <= 6; ++s) {
        BildNummer = haemta_Bildslumptal(BildIndex);
        StartBildNummer[s] = BildNummer;
        BildFilNamn = bildFilNamn(prefix, BildNummer);
        filer << BildFilNamn;

        const bool vanster = s <= 3;
        const int top = ((s - 1) % 3) * h + panel9Hojd;
        m_bildRuta[s] = vanster ? QRect(0, top, m_panel1->x(), h) : QRect(x2, top, W - x2, h);
        // As large as the slot allows with the picture's proportions, room
        // left below it for the caption.
        Startbild &b = bilder[s - 1];
        b.ruta = QRect(m_bildRuta[s].topLeft(), QSize(m_bildRuta[s].width(), h - textrum));
        b.motHogerKant = vanster;
    }
    // The files read at creation, unless the draw has gone another way.
    if (!m_startbilder || m_startbilder->placerad() || m_startbilder->filer() != filer)
        m_startbilder = std::make_unique<StartbildLasare>(filer);
    // Into their slots as soon as they are ready, once the window is shown.
    m_startbilder->placera(std::move(bilder), [this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_startbilder && m_startbilder->klar())
                    visaStartbilder();
            },
            Qt::QueuedConnection);
    });
    if (isVisible())
        visaStartbilder();
}

QStringList TForm1::kommandeStartbilder(int skarmBredd)
{
    QStringList filer;
    const QString prefix = startBildPrefix(skarmBredd);
    for (int s = 0; s < 6; ++s)
        filer << bildFilNamn(prefix, kommandeBildnummer(s));
    return filer;
}

void TForm1::visaStartbilder()
{
    if (!m_startbilder)
        return;
    QList<Startbild> &bilder = m_startbilder->bilder();
    for (int s = 1; s <= 6; ++s) {
        QLabel *bild = m_bildImage[s];
        Startbild &b = bilder[s - 1];
        if (b.bild.isNull()) {
            bild->clear();
            bild->hide();
            continue;
        }
        bild->setPixmap(QPixmap::fromImage(std::move(b.bild)));
        bild->setGeometry(b.plats);
        bild->show();
    }
    m_startbilder.reset();
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Pictures that are ready by the time the window is first drawn are
    // drawn with it.
    if (m_startbilder && windowHandle())
        windowHandle()->installEventFilter(this);
}

void TForm1::BildImageMouseMove(int slot)
{
    if (slot < 1 || slot > 6)
        return;
    QLabel *bild = m_bildImage[slot];
    const bool vanster = slot <= 3;
    const int panel1Left = m_panel1->x();
    const int x2 = panel1Left + m_panel1->width();

    MusOverBild = 1;
    GeBildText(StartBildNummer[slot], BildText);
    dela_mening(2, panel1Left, BildText, 2);

    m_label4->hide();
    m_label3->setText(MeningsRader[1]);
    m_label4->setText(MeningsRader[2]);

    // Both lines in one size that fits beside the menu with a margin on
    // either side, worked out afresh for this caption.
    const int sida = vanster ? panel1Left : m_skarm.width() - x2;
    const int bredd = std::max(1, sida - 2 * Marginal);
    QStringList rader{MeningsRader[1]};
    if (!MeningsRader[2].isEmpty())
        rader << MeningsRader[2];
    QFont font = m_label3->font();
    font.setPixelSize(bildtextStorlek(rader, font, skala(BildtextPixlar), skala(BildtextGolv), bredd));
    m_label3->setFont(font);
    m_label4->setFont(font);
    m_label3->adjustSize();
    m_label4->adjustSize();

    const int textBredd = MeningsRader[2].isEmpty() ? m_label3->width()
                                                    : std::max(m_label3->width(), m_label4->width());
    const QRect g = bild->geometry();
    int left;
    if (vanster)
        left = textBredd >= g.width() ? (panel1Left - textBredd) / 2 + Marginal
                                      : g.x() + (g.width() - textBredd) / 2;
    else
        left = textBredd >= g.width() ? x2 + Marginal : x2 + (g.width() - textBredd) / 2;
    m_label3->move(left, g.y() + g.height());

    m_label4->move(m_label3->x(), m_label3->y() + m_label3->height());
    if (!MeningsRader[2].isEmpty())
        m_label4->show();
    else
        m_label4->clear();
    m_label3->show();
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose) {
        // The window is drawn now, with the pictures that are ready; the
        // others follow as soon as they are.
        windowHandle()->removeEventFilter(this);
        if (m_startbilder && m_startbilder->klar())
            visaStartbilder();
        return false;
    }
    if (event->type() == QEvent::MouseMove) {
        for (int s = 1; s <= 6; ++s)
            if (watched == m_bildImage[s])
                BildImageMouseMove(s);
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_button[11]->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // The main window is the program: closing it, however it is closed,
    // ends the run.
    event->accept();
    QCoreApplication::quit();
}

namespace {

// "Tyskland", "Dina ord", "Tala", "Skriva", "Grammatik" and "Läsa" start in
// practice, except while worksheets are being made; a diagnosis mode left
// over from the register never carries into an exercise opened from a menu.
void ovningsLageFranMeny()
{
    if (OvningsLage != 1)
        OvningsLage = 0;
}

} // namespace

void TForm1::Button1Click()
{
    ovningsLageFranMeny();
    runHook(mainMenuHooks().TF1_Visa);
}

void TForm1::Button2Click()
{
    ovningsLageFranMeny();
    runHook(mainMenuHooks().TF2_Visa);
}

void TForm1::Button3Click()
{
    ovningsLageFranMeny();
    runHook(mainMenuHooks().TF3_Visa);
}

void TForm1::Button4Click()
{
    ovningsLageFranMeny();
    runHook(mainMenuHooks().TF4_Visa);
}

void TForm1::Button5Click()
{
    ovningsLageFranMeny();
    runHook(mainMenuHooks().TF5_Visa);
}

void TForm1::Button6Click()
{
    ovningsLageFranMeny();
    runHook(mainMenuHooks().TF6_Visa);
}

void TForm1::Button7Click()
{
    DiagAvbruten = 0;
    OvningsLage = 2;
    runHook(mainMenuHooks().TDiag_Visa);
}

void TForm1::Button8Click()
{
    OvningsLage = OvningsLage == 1 ? 0 : 1;
    const bool arbetsblad = OvningsLage == 1;
    if (arbetsblad) {
        m_label2->setGeometry(m_shape1->x(), m_label2->y(), m_shape1->width(), m_label2->height());
        m_label2->setText(QStringLiteral("Arbetsblad aktiverat"));
        m_label2->show();
        m_shape1->show();
        m_label2->raise();
        m_label2->repaint();
        m_button[8]->setText(QStringLiteral("Avaktivera arbetsblad"));
        for (int i : {1, 3, 6, 7})
            m_button[i]->setEnabled(false);
        fargRoller(m_panel1, {QPalette::Window}, Rodbrun);
    } else {
        m_button[8]->setText(QStringLiteral("Göra arbetsblad"));
        for (int i : {1, 2, 3, 6, 7})
            m_button[i]->setEnabled(true);
        m_shape1->hide();
        m_label2->hide();
        fargRoller(m_panel1, {QPalette::Window}, Marinbla);
    }

    // A new sheet, or none: nothing collected before is printed with it, and
    // its items are numbered from 1 again.
    runHook(mainMenuHooks().TomArbetsbladet);
    SkrivRubrik = 1;
    SidNummer = 1;
    UtskriftAvsnitt = 0;
    UtskriftPostNr = 0;
}

void TForm1::Button9Click()
{
    runHook(mainMenuHooks().TManual_Visa);
}

void TForm1::Button10Click()
{
    runHook(mainMenuHooks().TOmMivo_Visa);
}

void TForm1::Button11Click()
{
    close();
}
