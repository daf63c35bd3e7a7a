// The typed-answer window, the template of the exercise windows: building its
// components, placing them on the screen, the title box, the diagnosis strip
// and the score squares, and its creation by run mode. The item cycle is in
// TSKRIV_postcykel.cpp, the round end and the end panel in TSKRIV_slut.cpp,
// the worksheet panels in ArbetsbladsLage.

#include "drills/writing/TSKRIV.h"

#include "frame/Ovningsrunda.h"
#include "frame/TAster.h"
#include "frame/datafiles.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/DesignTimer.h"
#include "platform/ShapeWidget.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

using namespace Ovningsrunda;

namespace {

// Labels, buttons and the edit field share the text colour.
void fargAllText(QWidget *w, const QColor &text, const QColor &bakgrund = QColor())
{
    fargRoller(w, {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}, text);
    if (bakgrund.isValid())
        fyllFarg(w, bakgrund);
}

const QColor kNavy = bgrFarg(0x800000);
const QColor kMaroon = bgrFarg(0x000080);
const QColor kGreen = bgrFarg(0x008000);
const QColor kLime = bgrFarg(0x00FF00);
const QColor kYellow = bgrFarg(0x00FFFF);

} // namespace

TSKRIV::TSKRIV(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SKRIV"));
    setWindowTitle(QStringLiteral("Varmiko"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFont(skaladArial(19));
    setFocusPolicy(Qt::StrongFocus);
    byggKomponenter();
}

TSKRIV::~TSKRIV() = default;
int TSKRIV::skala(int designPixels) const
{
    return designPixels * Skalning / 100;
}

void TSKRIV::sattText(QLabel *label, const QString &text)
{
    label->setText(text);
    label->adjustSize();
}

// --- Building the components -------------------------------------------------

void TSKRIV::byggKomponenter()
{
    auto label = [this](const char *name, int px, const QColor &c, QWidget *parent = nullptr) {
        auto *l = new QLabel(parent ? parent : this);
        l->setObjectName(QLatin1String(name));
        l->setFont(skaladArial(px));
        fargAllText(l, c);
        return l;
    };
    auto button = [this](const char *name, const QString &text, QWidget *parent = nullptr) {
        auto *b = new QPushButton(text, parent ? parent : this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setDefault(false);
        b->setFocusPolicy(Qt::StrongFocus);
        svartKnapptext(b);
        passaTexten(b);
        return b;
    };

    OverskriftYtterShape = new ShapeWidget(ShapeWidget::Form::RoundRect, this);
    OverskriftYtterShape->setObjectName(QStringLiteral("OverskriftYtterShape"));
    OverskriftYtterShape->setBrushColor(kYellow);
    OverskriftYtterShape->setGeometry(skala(26), skala(5), skala(300), skala(80));
    OverskriftInnerShape = new ShapeWidget(ShapeWidget::Form::RoundRect, this);
    OverskriftInnerShape->setObjectName(QStringLiteral("OverskriftInnerShape"));
    OverskriftInnerShape->setBrushColor(kNavy);
    OverskriftInnerShape->setGeometry(skala(32), skala(10), skala(288), skala(70));
    Overs1Label = label("Overs1Label", 15, kYellow);
    Overs2Label = label("Overs2Label", 19, kYellow);
    Overs3Label = label("Overs3Label", 19, kYellow);
    for (QLabel *l : {Overs1Label, Overs2Label, Overs3Label})
        l->setAlignment(Qt::AlignCenter);

    InstruktionsLabel = label("InstruktionsLabel", 19, kGreen);
    InstruktionsLabel->move(skala(33), skala(100));
    FrageLabel1 = label("FrageLabel1", 19, kNavy);
    FrageLabel2 = label("FrageLabel2", 19, kNavy);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFont(skaladArial(19));
    Edit1->setMaxLength(70);
    fargAllText(Edit1, kNavy);
    Edit1->setContextMenuPolicy(Qt::CustomContextMenu);
    Edit1->installEventFilter(this);
    connect(Edit1, &QLineEdit::textChanged, this, &TSKRIV::Edit1Change);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    int n = 1;
    for (const QString &t : {QStringLiteral("Klistra in ß"), QStringLiteral("Klistra in Ü"),
                             QStringLiteral("Klistra in ü")}) {
        QAction *a = PopupMenu1->addAction(t);
        a->setObjectName(QStringLiteral("Klistrain%1").arg(n++));
        connect(a, &QAction::triggered, this, [this, t] { KlistraIn(t.right(1)); });
    }
    connect(Edit1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { PopupMenu1->popup(Edit1->mapToGlobal(p)); });

    Label4 = label("Label4", 19, Qt::black);
    Label5 = label("Label5", 19, kMaroon);
    Label6 = label("Label6", 19, kNavy);
    Label6->move(skala(33), skala(266));
    Label7 = label("Label7", 19, kNavy);
    Label7->move(skala(34), skala(296));
    Label8 = label("Label8", 19, Qt::black);
    Label9 = label("Label9", 19, Qt::black);
    Label10 = label("Label10", 19, Qt::black);
    Label16 = label("Label16", 15, Qt::black);
    Label16->hide();

    lampknapp = new QToolButton(this);
    lampknapp->setObjectName(QStringLiteral("lampknapp"));
    lampknapp->setToolTip(QStringLiteral("Fehleranzeige"));
    lampknapp->setText(QStringLiteral("●"));
    lampknapp->setGeometry(skala(30), skala(334), skala(27), skala(27));
    connect(lampknapp, &QToolButton::clicked, this, &TSKRIV::LampknappClick);
    LampShape = new ShapeWidget(ShapeWidget::Form::Circle, this);
    LampShape->setObjectName(QStringLiteral("LampShape"));
    LampShape->setToolTip(QStringLiteral("Hier Fehleranzeige ausschalten"));
    LampShape->setBrushColor(kLime);
    LampShape->setGeometry(lampknapp->geometry());
    LampShape->hide();
    connect(LampShape, &ShapeWidget::mousePressed, this, &TSKRIV::LampShapeMouseDown);

    Helpknapp1 = button("Helpknapp1", QStringLiteral("&Hilfe "));
    HelpKnapp2 = button("HelpKnapp2", QStringLiteral("&Hilfe "));
    regelknapp = button("regelknapp", QStringLiteral("&Regeln"));
    for (QPushButton *b : {Helpknapp1, HelpKnapp2, regelknapp})
        b->resize(skala(100), skala(27));
    connect(Helpknapp1, &QPushButton::clicked, this, &TSKRIV::Helpknapp1Click);
    connect(HelpKnapp2, &QPushButton::clicked, this, &TSKRIV::HelpKnapp2Click);
    connect(regelknapp, &QPushButton::clicked, this, &TSKRIV::regelknappClick);

    Aster1 = new TAster(this);
    Aster1->setObjectName(QStringLiteral("Aster1"));

    DiagPanel1 = new QFrame(this);
    DiagPanel1->setObjectName(QStringLiteral("DiagPanel1"));
    DiagPanel1->setGeometry(skala(343), skala(3), skala(205), skala(95));
    DiagShape2 = new ShapeWidget(ShapeWidget::Form::RoundRect, DiagPanel1);
    DiagShape2->setObjectName(QStringLiteral("DiagShape2"));
    DiagShape2->setBrushColor(kGreen);
    DiagShape2->setGeometry(skala(5), skala(35), skala(95), skala(55));
    DiagShape4 = new ShapeWidget(ShapeWidget::Form::RoundRect, DiagPanel1);
    DiagShape4->setObjectName(QStringLiteral("DiagShape4"));
    DiagShape4->setBrushColor(kGreen);
    DiagShape4->setGeometry(skala(105), skala(35), skala(95), skala(55));
    DiagLabel2 = label("DiagLabel2", 15, Qt::black, DiagPanel1);
    sattText(DiagLabel2, QStringLiteral("Aufgabe"));
    DiagLabel2->move(skala(20), skala(12));
    DiagLabel4 = label("DiagLabel4", 15, Qt::black, DiagPanel1);
    sattText(DiagLabel4, QStringLiteral("Richtigen"));
    DiagLabel4->move(skala(112), skala(12));
    DiagLabel3 = label("DiagLabel3", 22, kYellow, DiagPanel1);
    DiagLabel5 = label("DiagLabel5", 22, kYellow, DiagPanel1);
    DiagLabel3->setAlignment(Qt::AlignCenter);
    DiagLabel5->setAlignment(Qt::AlignCenter);
    DiagPanel1->hide();
    DiagPanel2 = new QFrame(this);
    DiagPanel2->setObjectName(QStringLiteral("DiagPanel2"));
    fargAllText(DiagPanel2, kYellow, kGreen);
    DiagPanel2->setGeometry(skala(560), skala(3), skala(230), skala(30));
    DiagLabel1 = label("DiagLabel1", 17, kYellow, DiagPanel2);
    DiagLabel1->move(skala(6), skala(4));
    DiagPanel2->hide();

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    fargAllText(Panel1, Qt::white, kNavy);
    Button1 = button("Button1", QStringLiteral("Fehler &berichtigen"), Panel1);
    Button2 = button("Button2", QStringLiteral("&Fortsetzen"), Panel1);
    Button3 = button("Button3", QStringLiteral("&Abbrechen"), Panel1);
    BitBtn1 = button("BitBtn1", QStringLiteral("&Einstellungen"), Panel1);
    connect(Button1, &QPushButton::clicked, this, &TSKRIV::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TSKRIV::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TSKRIV::slutpanelensTredjeKnapp);
    connect(BitBtn1, &QPushButton::clicked, this, &TSKRIV::BitBtn1Click);
    Panel1->hide();

    BildPanelen = new QFrame(this);
    BildPanelen->setObjectName(QStringLiteral("BildPanelen"));
    Image1 = new QLabel(BildPanelen);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    BildTextPanel = new QLabel(BildPanelen);
    BildTextPanel->setObjectName(QStringLiteral("BildTextPanel"));
    BildTextPanel->setFont(skaladArial(15, false));
    fargAllText(BildTextPanel, Qt::black, QColor(Qt::white));
    BildPanelen->hide();

    LovordPanel = new QFrame(this);
    LovordPanel->setObjectName(QStringLiteral("LovordPanel"));
    LovordYttershape = new ShapeWidget(ShapeWidget::Form::RoundRect, LovordPanel);
    LovordYttershape->setObjectName(QStringLiteral("LovordYttershape"));
    LovordYttershape->setBrushColor(QColor(Qt::blue));
    lovordinnershape = new ShapeWidget(ShapeWidget::Form::RoundRect, LovordPanel);
    lovordinnershape->setObjectName(QStringLiteral("lovordinnershape"));
    lovordinnershape->setBrushColor(kYellow);
    LovordLabel1 = new QLabel(lovordinnershape);
    LovordLabel1->setObjectName(QStringLiteral("LovordLabel1"));
    fargAllText(LovordLabel1, kNavy);
    LovordPanel->hide();

    SkrivutOverskriftShape1 = new ShapeWidget(ShapeWidget::Form::RoundRect, this);
    SkrivutOverskriftShape1->setObjectName(QStringLiteral("SkrivutOverskriftShape1"));
    SkrivutOverskriftShape1->setBrushColor(kYellow);
    SkrivutOverskriftShape2 = new ShapeWidget(ShapeWidget::Form::RoundRect, this);
    SkrivutOverskriftShape2->setObjectName(QStringLiteral("SkrivutOverskriftShape2"));
    SkrivutOverskriftShape2->setBrushColor(kMaroon);
    SkrivutOverskriftLabel = label("SkrivutOverskriftLabel", 32, kYellow);
    sattText(SkrivutOverskriftLabel, QStringLiteral("Utskrifter"));
    SkrivutOverskriftShape1->setGeometry(skala(560), skala(5), skala(300), skala(80));
    SkrivutOverskriftShape2->setGeometry(skala(566), skala(10), skala(288), skala(70));
    SkrivutOverskriftLabel->move(skala(566) + (skala(288) - SkrivutOverskriftLabel->width()) / 2,
                                 skala(10) + (skala(70) - SkrivutOverskriftLabel->height()) / 2);
    SkrivutHelaPanelen = new QFrame(this);
    SkrivutHelaPanelen->setObjectName(QStringLiteral("SkrivutHelaPanelen"));
    fargAllText(SkrivutHelaPanelen, Qt::white, kMaroon);
    SkrivutHelaPanelen->hide();

    Timer1 = new DesignTimer(this, 0, true);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer2 = new DesignTimer(this, 1000, true);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer3 = new DesignTimer(this, 100, false);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    connect(Timer1, &DesignTimer::timeout, this, &TSKRIV::Timer1Timer);
    connect(Timer3, &DesignTimer::timeout, this, &TSKRIV::Timer3Timer);
}

// --- Creation by run mode ----------------------------------------------------

void TSKRIV::FormCreate()
{
    Programtal = GeProgramtal(DataFilNamn);
    BildTextPanel->hide();
    BitBtn1->setEnabled(true);
    Inled();

    FelRunda = 0;
    LampaPa = 0;
    ForstaPost = 1;
    PostNummer = 1;
    AntalRatt = 0;
    AntalFel = 0;
    DiagPanel1->hide();
    Edit1->move(FrageLabel2->x(), Edit1->y());
    Edit1->clear();
    SkrivutOverskriftShape1->hide();
    SkrivutOverskriftShape2->hide();
    SkrivutOverskriftLabel->hide();

    if (OvningsLage == Arbetsblad)
        arbetsbladStart();
    else
        InstruktionsLabel->show();
    sattText(InstruktionsLabel, InstruktionsText);
    // A long instruction shrinks to the room left of the score squares.
    QFont instruktion = InstruktionsLabel->font();
    while (InstruktionsLabel->x() + InstruktionsLabel->width() > Aster1->x() - Marginal / 2
           && instruktion.pixelSize() > 10) {
        instruktion.setPixelSize(instruktion.pixelSize() - 1);
        InstruktionsLabel->setFont(instruktion);
        InstruktionsLabel->adjustSize();
    }

    InstruktionsLabel->move(InstruktionsLabel->x(),
                            OverskriftYtterShape->y() + OverskriftYtterShape->height()
                                + InstruktionsLabel->height() / 2);
    FrageLabel1->move(InstruktionsLabel->x(), InstruktionsLabel->y() + 2 * InstruktionsLabel->height());
    sattText(FrageLabel1, QStringLiteral(" "));
    FrageLabel2->move(InstruktionsLabel->x(), FrageLabel1->y() + FrageLabel1->height() * 4 / 3);
    sattText(FrageLabel2, QStringLiteral(" "));
    Edit1->setGeometry(FrageLabel2->x(), FrageLabel2->y() + FrageLabel2->height() * 3 / 2, skala(300),
                       Edit1->sizeHint().height());
    sattText(Label5, QStringLiteral(" "));
    Label5->move(Edit1->x(), Edit1->y() + Edit1->height() + Label5->height() / 3);

    RitaOverskriften(OvningsRubrik[1], OvningsRubrik[2], OvningsRubrik[3]);

    switch (OvningsLage) {
    case Ovning:
        borja(PosterPerOmgangInst);
        OverskriftInnerShape->setBrushColor(kNavy);
        NyStartaAster(true);
        visaLampan();
        break;
    case Arbetsblad:
        borja(PosterPerOmgangInst);
        OverskriftInnerShape->setBrushColor(kMaroon);
        break;
    default:
        borja(DiagnosAntal);
        OverskriftInnerShape->setBrushColor(kGreen);
        NyStartaAster(false);
        visaLampan();
        TestOverSkrift();
        UppDateraDiagnosResultatet();
        break;
    }
    if (OvningsLage != Arbetsblad)
        SkrivutHelaPanelen->hide();

    visaForstaPosten();

    SvenskaKnappar = harSvenskaKnappar() ? 1 : 0;
    if (SvenskaKnappar) {
        Button1->setText(QStringLiteral("&Rätta felen"));
        Button2->setText(QStringLiteral("&Fortsätta"));
        Button3->setText(QStringLiteral("&Avbryt"));
        BitBtn1->setText(QStringLiteral("&Inställningar"));
    }

    regelknapp->hide();
    for (QPushButton *b : {regelknapp, Helpknapp1, HelpKnapp2})
        b->setGeometry(b->x(), lampknapp->y(), Helpknapp1->width(), lampknapp->height());
    Helpknapp1->move(lampknapp->x() + lampknapp->width() + Marginal, lampknapp->y());
    HelpKnapp2->move(Helpknapp1->pos());
    if (visarRegelknapp()) {
        regelknapp->setText(regelknappText());
        regelknapp->show();
        regelknapp->setEnabled(true);
    }
    regelknapp->move(harLedtradsknapp() ? Helpknapp1->x() + Helpknapp1->width() + Marginal : Helpknapp1->x(),
                     lampknapp->y());
    efterSkapandet();
}

// --- Placing: the grid, the title box, the diagnosis strip, the squares ------

void TSKRIV::Inled()
{
    const QSize s = skarmStorlek();
    const int W = s.width();
    const int H = s.height();
    const int M = Marginal;
    resize(W, H);
    const int asterHojd = (H / 48) * 43;
    const int asterBredd = qMax(10, asterHojd / 10 - M / 5);
    Aster1->setGeometry(W - asterBredd - M / 2, M, asterBredd, asterHojd);
    const int p1h = (H / 48) * 4;
    Panel1->setGeometry(M, H - p1h - M / 5, (W / 64) * 62, p1h);
    Panel1->raise();
    radaUppSlutpanelen({Button1, Button2, Button3, BitBtn1});
    BildPanelen->setGeometry(M, (H / 48) * 10 - M / 2, (W / 64) * 58, (H / 48) * 35 + M / 2);
    const int lh = (H / 48) * 5;
    LovordPanel->setGeometry(M, H - p1h - lh - M / 5, BildPanelen->width(), lh);
    LovordPanel->hide();
    Image1->setGeometry(0, 0, (W / 64) * 58, (H / 48) * 35);
    BildPanelen->hide();
    SkrivutHelaPanelen->setGeometry(M, H - p1h - M / 5 - M, (W / 64) * 62, p1h + M);

    // The boxes right of the title box (the diagnosis strip with its
    // heading, the worksheet heading) keep their own place where the
    // screen has room for them; else they move left and shrink together
    // into the room between the title box and the window's edge.
    const QRect rum = hogerOmRubriken();
    klampaIn({DiagPanel1, DiagPanel2}, rum);
    klampaIn({SkrivutOverskriftShape1, SkrivutOverskriftShape2, SkrivutOverskriftLabel}, rum);
}

void TSKRIV::radaUppSlutpanelen(const QList<QPushButton *> &knappar, int bredd)
{
    const int M = Marginal;
    const int rad = bredd < 0 ? Panel1->width() - M : bredd;
    knappRad(knappar, QRect(M / 2, M / 4, rad, Panel1->height() - M / 2), M, skaladArial(19));
}

QRect TSKRIV::hogerOmRubriken(int nederkant) const
{
    const QRect ruta = OverskriftYtterShape->geometry();
    // By default the row ends where the instruction line under the title
    // box begins.
    if (nederkant < 0)
        nederkant = ruta.bottom() + 1 + QFontMetrics(InstruktionsLabel->font()).height() / 2;
    const int vanster = ruta.right() + 1 + Marginal / 2;
    return QRect(vanster, 0, std::max(1, width() - Marginal / 2 - vanster), std::max(1, nederkant));
}

void TSKRIV::RitaOverskriften(const QString &line1, const QString &line2, const QString &line3)
{
    const QRect I = OverskriftInnerShape->geometry();
    const int M = Marginal;
    int n = 0;
    for (const QString *l : {&line1, &line2, &line3})
        if (!l->isEmpty())
            ++n;
    auto punkt = [](QLabel *l, int size) {
        QFont f = l->font();
        f.setBold(true);
        f.setPointSize(qMax(1, size));
        l->setFont(f);
        l->adjustSize();
    };
    sattText(Overs1Label, line1);
    Overs1Label->move(I.left() + M / 2, Overs1Label->y());
    if (n <= 1) {
        punkt(Overs1Label, 30);
        if (line1.isEmpty()) {
            // a lone title in the second or third line keeps that line's label
            sattText(Overs1Label, line2.isEmpty() ? line3 : line2);
        }
        krympTillBredd(Overs1Label, I.width() - 2 * M, 10);
        Overs1Label->setGeometry(I.left() + M / 2, I.top() + (I.height() - Overs1Label->height()) / 2,
                                 I.width() - M, Overs1Label->height());
        Overs2Label->hide();
        Overs3Label->hide();
        Overs1Label->show();
        Overs1Label->raise();
        return;
    }
    punkt(Overs1Label, 20);
    punkt(Overs2Label, 20);
    sattText(Overs2Label, line2);
    Overs2Label->show();
    if (n == 3)
        sattText(Overs3Label, line3);
    Overs3Label->setVisible(n == 3);
    krympTillBredd(Overs1Label, I.width() - 2 * M, 10);
    krympTillBredd(Overs2Label, I.width() - 2 * M, 10);
    const int minst = qMin(Overs1Label->font().pointSize(), Overs2Label->font().pointSize());
    punkt(Overs1Label, minst);
    punkt(Overs2Label, minst);
    while (I.top() + (I.height() - 2 * Overs1Label->height()) / 3 < M * 3 / 2
           && Overs1Label->font().pointSize() > 1)
        punkt(Overs1Label, Overs1Label->font().pointSize() - 1);
    punkt(Overs2Label, Overs1Label->font().pointSize());
    if (n == 3) {
        punkt(Overs3Label, Overs1Label->font().pointSize() - 2);
        krympTillBredd(Overs3Label, I.width() - 2 * M, 8);
        while (I.height() - 2 * Overs1Label->height() < Overs3Label->height()
               && Overs3Label->font().pointSize() > 8)
            punkt(Overs3Label, Overs3Label->font().pointSize() - 1);
    }
    // Three lines in a low box (a small screen): the first two lines shrink
    // together, the third two points below them, until the second line no
    // longer runs into the first.
    while (n == 3 && 5 * (I.height() - 2 * Overs1Label->height() - Overs3Label->height()) < 3 * Overs1Label->height()
           && Overs1Label->font().pointSize() > 8) {
        punkt(Overs1Label, Overs1Label->font().pointSize() - 1);
        punkt(Overs2Label, Overs1Label->font().pointSize());
        punkt(Overs3Label, qMax(8, qMin(Overs3Label->font().pointSize(), Overs1Label->font().pointSize() - 2)));
    }
    const int h1 = Overs1Label->height();
    if (n == 2) {
        const int g = I.height() - 2 * h1;
        Overs1Label->setGeometry(I.left() + M / 2, I.top() + g / 3, I.width() - M, h1);
        Overs2Label->setGeometry(I.left() + M / 2, I.top() + 2 * g / 3 + h1, I.width() - M,
                                 Overs2Label->height());
    } else {
        const int g = I.height() - 2 * h1 - Overs3Label->height();
        Overs1Label->setGeometry(I.left() + M / 2, I.top() + g / 4, I.width() - M, h1);
        Overs2Label->setGeometry(I.left() + M / 2, I.top() + 2 * g / 4 + h1 * 3 / 4, I.width() - M,
                                 Overs2Label->height());
        Overs3Label->setGeometry(I.left() + M / 2, Overs2Label->y() + Overs2Label->height(), I.width() - M,
                                 Overs3Label->height());
    }
    for (QLabel *l : {Overs1Label, Overs2Label, Overs3Label})
        l->raise();
}

void TSKRIV::krympTillBredd(QLabel *label, int bredd, int golv)
{
    QFont f = label->font();
    while (bredd < label->width() && f.pointSize() > golv) {
        f.setPointSize(f.pointSize() - 1);
        label->setFont(f);
        label->adjustSize();
    }
}

void TSKRIV::TestOverSkrift()
{
    if (OvningsLage == DiagnosTest) {
        sattText(DiagLabel1, QStringLiteral("Diagnos: Testning"));
        DiagPanel2->show();
    } else if (arDiagnosOvning()) {
        sattText(DiagLabel1, QStringLiteral("Övning ") + QString::number(DiagOvningNr + 1));
        DiagPanel2->show();
    } else {
        DiagPanel2->hide();
    }
}

void TSKRIV::UppDateraDiagnosResultatet()
{
    DiagPanel1->show();
    DiagLabel3->setText(QString::number(PostNummer) + QLatin1Char('/') + QString::number(DiagnosAntal));
    DiagLabel3->setGeometry(DiagShape2->x() + 8, DiagShape2->y() + skala(12), DiagShape2->width() - 16,
                            DiagLabel3->sizeHint().height());
    DiagLabel5->setText(QString::number(AntalRatt));
    DiagLabel5->setGeometry(DiagShape4->x() + 8, DiagShape4->y() + skala(12), DiagShape4->width() - 16,
                            DiagLabel5->sizeHint().height());
    DiagLabel3->raise();
    DiagLabel5->raise();
}

void TSKRIV::NyStartaAster(bool visa)
{
    if (visa) {
        DiagPanel1->hide();
        Aster1->setRutNummer(0);
        Aster1->setMaxAntalRutor(AntalPoster);
        Aster1->setStarta(true);
        Aster1->setVisa(true);
        Aster1->show();
        Aster1->update();
    } else {
        Aster1->setVisa(false);
        Aster1->hide();
    }
}

// --- Worksheet mode ----------------------------------------------------------

void TSKRIV::RitaUtskriftOverskriften(const QRect &yta, bool visa)
{
    SkrivutOverskriftShape1->setGeometry(yta);
    SkrivutOverskriftShape2->setGeometry(yta.adjusted(6, 6, -6, -6));
    const QRect i = SkrivutOverskriftShape2->geometry();
    SkrivutOverskriftLabel->setFont(
        krympFont(SkrivutOverskriftLabel->font(), SkrivutOverskriftLabel->text(), i.width() - 4, i.height()));
    SkrivutOverskriftLabel->adjustSize();
    SkrivutOverskriftLabel->setGeometry(i.left(), i.top() + (i.height() - SkrivutOverskriftLabel->height()) / 2,
                                        i.width(), SkrivutOverskriftLabel->height());
    SkrivutOverskriftLabel->setAlignment(Qt::AlignCenter);
    for (QWidget *w : std::initializer_list<QWidget *>{SkrivutOverskriftShape1, SkrivutOverskriftShape2,
                                                       SkrivutOverskriftLabel}) {
        w->setVisible(visa);
        w->raise();
    }
}

void TSKRIV::arbetsbladStart()
{
    Edit1->setEnabled(false);
    Edit1->hide();
    SkrivutOverskriftShape1->show();
    SkrivutOverskriftShape2->show();
    SkrivutOverskriftLabel->show();
    SkrivutOverskriftShape1->raise();
    SkrivutOverskriftShape2->raise();
    SkrivutOverskriftLabel->raise();
    if (!m_arbetsblad)
        m_arbetsblad = std::make_unique<ArbetsbladsLage>(this, SkrivutHelaPanelen, *this, ValjaUtLage);
    m_arbetsblad->start();
    Panel1->hide();
    lampknapp->hide();
    NyStartaAster(false);
    InstruktionsLabel->hide();
}

QList<TUtskrift::Rad> TSKRIV::arbetsbladUppgift(const QString &prefix, bool)
{
    const QString uppgift = prefix + fragaFalt();
    return {{TUtskrift::RadKlass::Uppgift, uppgift, uppgift},
            {TUtskrift::RadKlass::Fortsattning, ArbetsbladsLage::skrivLinje(),
             QString(7, QLatin1Char(' ')) + TUtskrift::UtSkriftSvar(svarFalt())}};
}

void TSKRIV::arbetsbladNastaPost()
{
    NyPost();
}

void TSKRIV::arbetsbladStang()
{
    stangFonstret();
}

void TSKRIV_Visa()
{
    TSKRIV w;
    w.FormCreate();
    w.exec();
}
