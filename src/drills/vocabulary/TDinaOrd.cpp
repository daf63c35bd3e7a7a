#include "drills/vocabulary/TDinaOrd.h"

#include "drills/vocabulary/dinaordlistor.h"
#include "frame/Ovningsrunda.h"
#include "frame/TAster.h"
#include "frame/answercheck.h"
#include "frame/fields.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/DesignTimer.h"
#include "platform/ShapeWidget.h"
#include "results/TRekord.h"
#include "results/TRekordRad.h"

#include <QAction>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Ovningsrunda;

namespace {

// The list name's font at 100 %, in pixels.
constexpr int FilPanelPixlar = 20;

const QColor kNavy = bgrFarg(0x800000);
const QColor kMaroon = bgrFarg(0x000080);
const QColor kGreen = bgrFarg(0x008000);
const QColor kLime = bgrFarg(0x00FF00);
const QColor kRed = bgrFarg(0x0000FF);
const QColor kYellow = bgrFarg(0x00FFFF);
const QColor kTeal = bgrFarg(0x808000);
const QColor kSilver = bgrFarg(0xC0C0C0);

// Lists and edit fields take the text and background colours too.
void fargOchFalt(QWidget *w, const QColor &text, const QColor &bakgrund = QColor())
{
    fargRoller(w, {QPalette::WindowText, QPalette::Text}, text);
    if (bakgrund.isValid()) {
        fargRoller(w, {QPalette::Window, QPalette::Base}, bakgrund);
        w->setAutoFillBackground(true);
    }
}

bool arEnter(const QKeyEvent *k)
{
    return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
}

qint32 lista()
{
    return DinaOrdLista;
}

qint32 felAntal()
{
    return DinaOrdLista >= 1 && DinaOrdLista <= MaxListor ? DinaOrdFelAntal[DinaOrdLista] : 0;
}

} // namespace

TDinaOrd::TDinaOrd(QWidget *parent)
    : TSKRIV(parent)
{
    setObjectName(QStringLiteral("DinaOrd"));
    m_art = Programtal == SpeciellaGlosor ? SpeciellaGlosor : AllmannaGlosor;
    setFont(skaladArial(16, false));
    fargRoller(this, {QPalette::Window}, kSilver);
    byggKomponenter();
}

TDinaOrd::~TDinaOrd() = default;

void TDinaOrd::byggKomponenter()
{
    Timer2->setEnabled(false);

    lampknapp->setToolTip(QStringLiteral("Fehleranzeige."));
    LampShape->setToolTip(QStringLiteral("Hier Fehleranzeige ausschalten."));
    // German letters in the order "ß", "ü", "Ü".
    if (QAction *u = PopupMenu1->findChild<QAction *>(QStringLiteral("Klistrain3"))) {
        const auto actions = PopupMenu1->actions();
        if (actions.size() == 3) {
            PopupMenu1->removeAction(u);
            PopupMenu1->insertAction(actions[1], u);
        }
    }

    for (QLabel *l : {FrageLabel1, FrageLabel2}) {
        l->setFont(skaladArial(20));
        fargOchFalt(l, kNavy);
    }
    Edit1->setFont(skaladArial(20));
    SvarsLabel = Label5;
    SvarsLabel->setObjectName(QStringLiteral("SvarsLabel"));
    SvarsLabel->setFont(skaladArial(20));
    InstruktionsLabel->setText(QStringLiteral("Übersetzen."));

    Button3->setText(QStringLiteral("&Tabelle"));
    Button4 = new QPushButton(QStringLiteral("&Abbrechen"), Panel1);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button4->setAutoDefault(false);
    Button4->setPalette(Button3->palette());
    connect(Button4, &QPushButton::clicked, this, &TDinaOrd::Button4Click);
    Button5 = BitBtn1;
    Button5->setObjectName(QStringLiteral("Button5"));
    Button5->setText(QStringLiteral("Einstellungen"));

    // The result boxes: the item and the score.
    sattText(DiagLabel2, QStringLiteral("Frage"));
    sattText(DiagLabel4, QStringLiteral("Richtig"));
    DiagShape2->setBrushColor(kNavy);
    DiagShape4->setBrushColor(kNavy);
    Panel13 = new QFrame(this);
    Panel13->setObjectName(QStringLiteral("Panel13"));
    auto *noch = new QLabel(QStringLiteral("Noch"), Panel13);
    noch->setObjectName(QStringLiteral("NochLabel"));
    Label17 = new QLabel(Panel13);
    Label17->setObjectName(QStringLiteral("Label17"));
    auto *fehler = new QLabel(QStringLiteral("Fehler"), Panel13);
    fehler->setObjectName(QStringLiteral("FehlerLabel"));
    auto *felRad = new QVBoxLayout(Panel13);
    for (QLabel *l : {noch, Label17, fehler}) {
        l->setFont(skaladArial(l == Label17 ? 22 : 15));
        l->setAlignment(Qt::AlignCenter);
        felRad->addWidget(l);
    }
    fargOchFalt(Label17, kYellow, kNavy);
    Panel13->hide();

    FilPanel = new QLabel(this);
    FilPanel->setObjectName(QStringLiteral("FilPanel"));
    FilPanel->setFont(skaladArial(FilPanelPixlar));
    FilPanel->setMargin(skala(6));
    fargOchFalt(FilPanel, kYellow, kNavy);
    FilPanel->hide();

    // The list choice.
    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel3 = new QFrame(Panel2);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *listRad = new QVBoxLayout(Panel3);
    Panel4 = new QLabel(QStringLiteral("Datei wählen"), Panel3);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setFont(skaladArial(20));
    Panel4->setAlignment(Qt::AlignCenter);
    fargOchFalt(Panel4, kYellow, kNavy);
    ListBox1 = new QListWidget(Panel3);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(skaladArial(20));
    fargOchFalt(ListBox1, kYellow, kTeal);
    ListBox1->installEventFilter(this);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TDinaOrd::ListBox1Val);
    listRad->addWidget(Panel4);
    listRad->addWidget(ListBox1, 1);

    // The name box.
    namnruta = new QFrame(this);
    namnruta->setObjectName(QStringLiteral("namnruta"));
    namnruta->setFrameStyle(QFrame::Panel | QFrame::Raised);
    fargOchFalt(namnruta, Qt::black, kNavy);
    Panel11 = new QFrame(namnruta);
    Panel11->setObjectName(QStringLiteral("Panel11"));
    fargOchFalt(Panel11, kYellow, kTeal);
    auto *namnRad = new QVBoxLayout(Panel11);
    NamnLabel1 = new QLabel(QStringLiteral("Namen eingeben."), Panel11);
    NamnLabel1->setObjectName(QStringLiteral("NamnLabel1"));
    NamnLabel2 = new QLabel(QStringLiteral("Enter drücken"), Panel11);
    NamnLabel2->setObjectName(QStringLiteral("NamnLabel2"));
    Edit2 = new QLineEdit(Panel11);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMaxLength(20);
    Edit2->setFont(skaladArial(20));
    fargOchFalt(Edit2, kNavy, Qt::white);
    Edit2->installEventFilter(this);
    for (QLabel *l : {NamnLabel1, NamnLabel2}) {
        l->setFont(skaladArial(20));
        fargOchFalt(l, kYellow);
        namnRad->addWidget(l);
    }
    namnRad->addWidget(Edit2);
    namnRad->addStretch();
    namnruta->hide();
}

void TDinaOrd::lagUt()
{
    const QSize s = skarmStorlek();
    const int W = s.width();
    const int H = s.height();
    const int M = Marginal;

    Inled();
    Aster1->hide();
    const int p1h = (H / 48) * 4;
    Panel1->setGeometry(M, H - p1h - M / 5, W - 2 * M, p1h);
    radaUppSlutpanelen({Button1, Button2, Button3, Button4, Button5});

    const int titelBotten = OverskriftYtterShape->y() + OverskriftYtterShape->height();
    Panel13->setGeometry(DiagPanel1->geometry());
    const int resultatBotten = qMax(titelBotten, DiagPanel1->y() + DiagPanel1->height());
    BildPanelen->setGeometry(M, resultatBotten + M / 2, (W / 64) * 58, Panel1->y() - resultatBotten - M);
    Image1->setGeometry(0, 0, (W / 64) * 58, (H / 48) * 35);

    // The text column leaves room for the lamp at the left of the answer box.
    const int vanster = OverskriftYtterShape->x() + lampknapp->width() + M;
    InstruktionsLabel->adjustSize();
    const int ih = InstruktionsLabel->height();
    InstruktionsLabel->move(vanster, titelBotten + ih / 2);
    sattText(FrageLabel1, QStringLiteral(" "));
    FrageLabel1->move(vanster, InstruktionsLabel->y() + 2 * ih);
    sattText(FrageLabel2, QStringLiteral(" "));
    FrageLabel2->move(vanster, FrageLabel1->y() + FrageLabel1->height() * 4 / 3);
    Edit1->setGeometry(vanster, FrageLabel2->y() + FrageLabel2->height() * 3 / 2,
                       qMin(skala(500), W - vanster - 2 * M), Edit1->sizeHint().height());
    sattText(SvarsLabel, QStringLiteral(" "));
    SvarsLabel->move(vanster, Edit1->y() + Edit1->height() * 3 / 2);
    lampknapp->move(qMax(0, vanster - lampknapp->width() - M / 2),
                    Edit1->y() + (Edit1->height() - lampknapp->height()) / 2);
    LampShape->setGeometry(lampknapp->geometry());

    const int p2x = OverskriftYtterShape->x();
    const int p2y = titelBotten + 2 * ih;
    Panel2->setGeometry(p2x, p2y, W - 2 * p2x, Panel1->y() - 2 * M - p2y);
    Panel3->setGeometry(M, M, Panel2->width() - 2 * M, Panel2->height() - 2 * M);
    namnruta->setGeometry(Panel2->x(), Panel2->y(), OverskriftYtterShape->width(), Panel2->height() / 2);
    Panel11->setGeometry(M, M, namnruta->width() - 2 * M, namnruta->height() - 2 * M);
}

void TDinaOrd::lagUtArbetsblad()
{
    // The item with its answer stays in view above the list, and the list
    // above the worksheet panels.
    const int M = Marginal;
    const int y = SvarsLabel->y() + SvarsLabel->height() + M;
    Panel2->setGeometry(Panel2->x(), y, Panel2->width(), qMax(skala(120), SkrivutHelaPanelen->y() - M - y));
    Panel3->setGeometry(M, M, Panel2->width() - 2 * M, Panel2->height() - 2 * M);
}

void TDinaOrd::FormCreate()
{
    DinaOrdLage = ValjerLista;
    LampaPa = 0;
    LampTillstand = 0;
    BildTextPanel->hide();

    m_filer.clear();
    ListBox1->clear();
    for (const OrdLista &l : ordListor(m_art)) {
        m_filer << l.fil;
        ListBox1->addItem(l.namn);
    }

    for (QWidget *w : std::initializer_list<QWidget *>{Label4, Label6, Label7, Label8, Label9, Label10, Label16,
                                                       Helpknapp1, HelpKnapp2, regelknapp, DiagPanel2, LovordPanel})
        w->hide();
    SkrivutOverskriftShape1->hide();
    SkrivutOverskriftShape2->hide();
    SkrivutOverskriftLabel->hide();
    lagUt();
    if (OvningsLage == Arbetsblad) {
        arbetsbladStart(); // the worksheet panels, shown once a list is chosen
        for (QPushButton *b : SkrivutHelaPanelen->findChildren<QPushButton *>())
            b->installEventFilter(this);
        lagUtArbetsblad();
    }
    RitaOverskriften(QStringLiteral("Wortschatz"),
                     m_art == SpeciellaGlosor ? QStringLiteral("Speziell") : QStringLiteral("Alltäglich"), QString());
    Button3->setEnabled(false);

    borja(PosterPerOmgangInst);
    if (OvningsLage == Arbetsblad) {
        OverskriftInnerShape->setBrushColor(kMaroon);
        DiagPanel1->hide();
        fargOchFalt(FilPanel, kYellow, kMaroon);
        FilPanel->move(DiagPanel1->x(), OverskriftYtterShape->y());
        Edit1->setEnabled(false);
        Edit1->hide();
        Panel1->hide();
        namnruta->hide();
    } else {
        OverskriftInnerShape->setBrushColor(kNavy);
        fargOchFalt(FilPanel, kYellow, kNavy);
        FilPanel->move(DiagPanel1->x() + DiagPanel1->width() + Marginal, OverskriftYtterShape->y());
        DiagPanel1->hide();
        Edit1->hide(); // until the name is given
        ListaKlar = 0;
        DinaOrdFil.clear();
    }
    Panel2->show();
    Panel2->raise();
    FilPanel->hide();
    InstruktionsLabel->hide();
    lampknapp->hide();
    LampShape->hide();
    ForstaPost = 1;
    DinaOrdPoang = 0;
    SkrivutHelaPanelen->hide();
    Panel13->hide();
    NyPost();

    if (ListBox1->count() > 0)
        ListBox1->setCurrentRow(0);
    ListBox1->setFocus();
}

// --- The list and the name ----------------------------------------------------

void TDinaOrd::ListBox1Val()
{
    const int i = ListBox1->currentRow();
    if (i < 0 || i >= m_filer.size())
        return;
    Programtal = DinaOrdValdLista;
    DinaOrdListNamn = kortad(ListBox1->item(i)->text(), ListNamnLangd);
    Filvald();
}

void TDinaOrd::Filvald()
{
    const int i = ListBox1->currentRow();
    if (i < 0 || i >= m_filer.size())
        return;
    // A list that cannot be drilled leaves the choice open with its message,
    // whatever was chosen before.
    ListaKlar = 0;
    const qint32 forra = m_senasteLista;
    if (!::Filvald(m_filer[i], ListBox1->item(i)->text()))
        return;
    ListaKlar = 1;
    m_senasteLista = DinaOrdLista;
    sattText(FilPanel, DinaOrdListNamn);
    placeraFilPanel();
    FilPanel->show();
    FilPanel->raise();
    if (!InstruktionsText.isEmpty())
        sattText(InstruktionsLabel, InstruktionsText);

    if (OvningsLage == Arbetsblad) {
        PosterPerOmgang = AntalPoster = DinaOrdAntal[DinaOrdLista];
        lampknapp->hide();
        const quint8 nyRubrik = UtskriftNyRubrik;
        if (ArbetsbladsLage *a = arbetsblad()) {
            a->start();
            a->SkrivutValPanel->hide();
        }
        // Words of another list begin a section of their own on the sheet.
        if (forra == DinaOrdLista)
            UtskriftNyRubrik = nyRubrik;
        namnruta->hide();
        Edit2->setEnabled(false);
        Edit2->clear();
        NyPost();
        return;
    }
    Panel2->hide();
    Edit2->setEnabled(true);
    Edit2->setText(SpelarNamn[1]);
    namnruta->show();
    namnruta->raise();
    fokusera(Edit2);
    DinaOrdLage = SkriverNamn;
}

void TDinaOrd::Edit2Enter()
{
    SpelarNamn[1] = kortad(Edit2->text(), 20);
    Edit1->show();
    Edit1->setEnabled(true);
    fokusera(Edit1);
    namnruta->hide();
    NyPost();
    lampknapp->show();
    DinaOrdLage = Ovar;
    InstruktionsLabel->show();
}

// --- The item cycle -------------------------------------------------------------

void TDinaOrd::NyPost()
{
    if (ListaKlar != 1)
        return;
    m_cykel.nyPost();
    visaCykeln();

    bool ok = false;
    if (FelRunda == 0) {
        const qint32 post = NastaSlumpPost(DinaOrdPosition[lista()], lista());
        SlumpPost = quint16(post);
        ok = post > 0 && haemtaOrdPost(post);
    } else {
        ok = HaemtaPost(DinaOrdKoTa);
        if (ok)
            SlumpPost = quint16(DinaOrdFelPost);
    }
    if (!ok)
        PostRad.clear();
    lampknapp->setEnabled(true);
    str_postarray(PostRad);
    if (OvningsLage == Ovning) {
        if (FelRunda != 0)
            UppDateraFelKvarRutan();
        else
            UppDateraResultatet();
    }

    FrageLabel1->clear();
    FrageLabel2->clear();
    SvarsLabel->clear();
    Edit1->clear();
    FrageLabel1->hide();
    sattText(SvarsLabel, postFalt(2));
    SvarsLabel->setVisible(OvningsLage == Arbetsblad);
    const QString fraga = postFalt(1);
    dela_mening(FrageLabel1->x(), skarmStorlek().width() - 3 * FrageLabel1->x(), fraga, 2, FrageLabel2->font());
    if (MeningsRader[2].isEmpty()) {
        sattText(FrageLabel2, fraga);
    } else {
        sattText(FrageLabel1, MeningsRader[1]);
        sattText(FrageLabel2, MeningsRader[2]);
        FrageLabel1->show();
    }
    FrageLabel2->show();
    if (!ok) {
        hamtningMisslyckades();
        return;
    }

    if (OvningsLage == Ovning) {
        Tidtagning(0, 2);
        Edit1->setEnabled(true);
        if (ForstaPost == 1) {
            ForstaPost = 0;
            lampknapp->setVisible(LampaPa != 1);
        } else {
            fokusera(Edit1);
        }
        InstruktionsLabel->show();
    }
}

void TDinaOrd::hamtningMisslyckades()
{
    // The item cannot be read (the list has gone): the round ends here
    // instead of asking an empty question.
    if (OvningsLage == Arbetsblad)
        return;
    Edit1->setEnabled(false);
    lampknapp->setEnabled(false);
    PostNummer = quint16(qMin<qint32>(AntalPoster + 1, 0xFFFF));
    visaRundansSlut();
}

qint32 TDinaOrd::Tidtagning(int lage, int enhet)
{
    const double avlasning = double(stoppurMs()) / 1000.0;
    if (lage == 0) {
        StartTid = avlasning;
        return 0;
    }
    StoppTid = avlasning;
    static const double faktor[] = {1000, 100, 10, 1};
    return qint32(qRound64((StoppTid - StartTid) * faktor[qBound(0, enhet, 3)]));
}

quint16 TDinaOrd::kontrollera(const QString &svar) const
{
    return svarstest(postFalt(2), svar, 1);
}

const Ovningsrunda::Felko &TDinaOrd::felko() const
{
    // The trainer's own queue of wrong words, numbered as the file's.
    struct DinaOrdKo : Ovningsrunda::Felko
    {
        void steg(qint32 lage) const override { HaemtaPost(lage); }
        qint32 antal() const override { return felAntal(); }
    };
    static const DinaOrdKo ko;
    return ko;
}

void TDinaOrd::efterRakningen(bool ratt)
{
    // A right word outside an error round earns points by its time.
    if (!ratt || FelRunda != 0)
        return;
    const qint32 t = Tidtagning(1, 1);
    DinaOrdPoang += ordPoang(int(postFalt(2).size()), t, LampTillstand != 0);
}

void TDinaOrd::visaResultatet()
{
    if (FelRunda != 0)
        UppDateraFelKvarRutan();
    else
        UppDateraResultatet();
}

void TDinaOrd::Edit1Escape()
{
    lampknapp->setEnabled(false);
    Edit1->setEnabled(false);
    Panel2->hide();
    visaSlutpanelen();
}

// --- Result boxes -----------------------------------------------------------------

void TDinaOrd::UppDateraResultatet()
{
    Panel13->hide();
    DiagPanel1->show();
    DiagPanel1->raise();
    sattText(DiagLabel4, QStringLiteral("Richtig"));
    DiagLabel5->setText(QString::number(qRound64(DinaOrdPoang)));
    DiagLabel3->setText(QString::number(PostNummer) + QLatin1Char('/') + QString::number(PosterPerOmgang));
    DiagLabel3->setGeometry(DiagShape2->x() + 8, DiagShape2->y() + skala(12), DiagShape2->width() - 16,
                            DiagLabel3->sizeHint().height());
    DiagLabel5->setGeometry(DiagShape4->x() + 8, DiagShape4->y() + skala(12), DiagShape4->width() - 16,
                            DiagLabel5->sizeHint().height());
    DiagLabel3->raise();
    DiagLabel5->raise();
    TestOverSkrift();
}

void TDinaOrd::UppDateraFelKvarRutan()
{
    DiagPanel1->hide();
    Panel13->show();
    Panel13->raise();
    Label17->setText(QString::number(felAntal()));
}

void TDinaOrd::TestOverSkrift()
{
    sattText(FilPanel, DinaOrdListNamn);
    placeraFilPanel();
}

void TDinaOrd::placeraFilPanel()
{
    const int M = Marginal;
    const QRect rubrik = OverskriftYtterShape->geometry();
    if (OvningsLage == Arbetsblad) {
        // Beside the title box, before the worksheet heading; where the row
        // has no room for the name, under the title box, in the place of
        // the instruction line, which the worksheet does not show.
        const int vanster = rubrik.right() + 1 + M / 2;
        const QRect rad(vanster, rubrik.top(), SkrivutOverskriftShape1->x() - M / 2 - vanster, rubrik.height());
        const int behov = QFontMetrics(skaladArial(FilPanelPixlar)).horizontalAdvance(FilPanel->text())
                          + 2 * FilPanel->margin();
        const QRect under(rubrik.left(), rubrik.bottom() + 1 + M / 2, width() - M - rubrik.left(),
                          FilPanel->sizeHint().height());
        const QRect ram = behov > rad.width() ? under : rad;
        FilPanel->move(ram.topLeft());
        passaEtikett(FilPanel, ram);
        return;
    }
    // Beside the result boxes, before the score squares.
    const int vanster = DiagPanel1->x() + DiagPanel1->width() + M;
    FilPanel->move(vanster, rubrik.top());
    passaEtikett(FilPanel, QRect(vanster, rubrik.top(), Aster1->x() - M / 2 - vanster, rubrik.height()));
}

// --- The round end and the end panel ----------------------------------------------

void TDinaOrd::Avslutning()
{
    InstruktionsLabel->hide();
    if (OvningsLage == Ovning)
        Button3->setEnabled(true);
    BildPanelen->show();
    BildPanelen->raise();
    BildTextPanel->hide();
    visaBeloningsbild();
    visaRundansSlut();
}

void TDinaOrd::visaRundansSlut()
{
    Edit1->setEnabled(false);
    lampknapp->setEnabled(false);
    if (OvningsLage != Ovning) {
        m_cykel.oppnaSlutpanelen();
        visaCykeln();
        return;
    }
    visaSlutpanelen();
}

bool TDinaOrd::kanRattaFel() const
{
    return felAntal() > 0; // the trainer's own error queue
}

void TDinaOrd::lampanAterstalld(bool doljKnappen)
{
    lampknapp->show();
    lampknapp->setEnabled(true);
    if (LampaPa == 1) {
        LampTillstand = 1;
        LampShape->show();
        LampShape->raise();
        // the lamp stands in the button's place
        if (doljKnappen || LampShape->geometry() == lampknapp->geometry())
            lampknapp->hide();
    } else {
        LampTillstand = 0;
        LampShape->hide();
    }
}

void TDinaOrd::Button1Click()
{
    BildPanelen->hide();
    // The error round of the exercises, over the trainer's own queue.
    if (!startaFelRunda(felko()))
        return;
    lampanAterstalld(true);
    DinaOrdPoang = 0;
    Button3->setEnabled(false); // the table takes the score of a finished round only
    Edit1->show();
    UppDateraFelKvarRutan();
    NyPost();
}

void TDinaOrd::Button2Click()
{
    BildPanelen->hide();
    if (!rundanSlut() && m_cykel.postBesvarad()) {
        // Esc came in the pause of a word: the round, an error round too,
        // goes on with the next word.
        NyPost();
    } else if (qint32(PostNummer) < AntalPoster) {
        // Esc in mid-round: the round goes on with the word on screen.
        m_cykel.fortsatt();
        visaCykeln();
        Edit1->setEnabled(true);
        fokusera(Edit1);
    } else {
        // Over, or Esc on its last word: a new round.
        m_cykel.fortsatt();
        visaCykeln();
        startaNyRunda();
        Edit1->setEnabled(true);
        DinaOrdPoang = 0;
        Button3->setEnabled(false);
        UppDateraResultatet();
        NyPost();
    }
    lampanAterstalld(false);
}

void TDinaOrd::TabelleClick()
{
    Button3->setEnabled(false);
    RekordPost.Namn = SpelarNamn[1];
    RekordPost.Resultat = rekordResultat(DinaOrdPoang);
    TRekord_Visa();
    BildPanelen->show();
    setEnabled(true);
    if (Button1->isEnabled())
        Button1->setFocus();
    else
        Button2->setFocus();
}

void TDinaOrd::Button4Click()
{
    stangFonstret();
}

// --- Lamp -----------------------------------------------------------------------

void TDinaOrd::LampShapeMouseDown()
{
    TSKRIV::LampShapeMouseDown();
    LampTillstand = 0;
}

void TDinaOrd::Edit1Change()
{
    farglaggLampan();
}

void TDinaOrd::LampknappClick()
{
    TSKRIV::LampknappClick();
    if (LampaPa == 1) {
        LampTillstand = 1;
        farglaggLampan();
    } else {
        LampTillstand = 0;
        LampShape->hide();
        fokusera(Edit1);
    }
}

void TDinaOrd::farglaggLampan()
{
    if (LampTillstand == 0)
        return;
    const bool gron = GreenRedTest(Edit1->text(), postFalt(2)) == LampaGron;
    LampShape->setBrushColor(gron ? kLime : kRed);
    LampTillstand = gron ? 1 : 2;
}

// --- Keys -------------------------------------------------------------------------

void TDinaOrd::fokusera(QWidget *w)
{
    // The answer box is enabled only while it stands on screen for a word,
    // the name box while the name is asked.
    if (w->isEnabled())
        w->setFocus();
}

bool TDinaOrd::fonstretsEscape()
{
    switch (DinaOrdLage) {
    case ValjerLista:
        close();
        return true;
    case SkriverNamn:
        namnruta->hide();
        Panel2->show();
        Panel2->raise();
        ListBox1->setFocus();
        DinaOrdLage = ValjerLista;
        return true;
    default:
        // Esc is the end panel's "Abbrechen" while the panel shows; in
        // mid-round it shows the panel.
        if (m_cykel.slutpanelen())
            Button4Click();
        else if (OvningsLage == Ovning)
            avbrytRundan();
        return true;
    }
}

void TDinaOrd::flyttaListval(int steg)
{
    const int n = ListBox1->count();
    if (n == 0)
        return;
    ListBox1->setCurrentRow(qBound(0, ListBox1->currentRow() + steg, n - 1));
}

bool TDinaOrd::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() != QEvent::KeyPress)
        return TSKRIV::eventFilter(o, e);
    auto *k = static_cast<QKeyEvent *>(e);
    if (o == Edit1) {
        if (rundanSlut()) {
            // The round is over: the box takes no more answers.
            lampknapp->setEnabled(false);
            Edit1->setEnabled(false);
            Timer1->setInterval(0);
            return true;
        }
        if (arEnter(k)) {
            Edit1Enter();
            return true;
        }
        if (k->key() == Qt::Key_Escape) {
            Edit1Escape();
            return true;
        }
        return TSKRIV::eventFilter(o, e); // German letters
    }
    if (o == ListBox1 && arEnter(k)) {
        if (ListBox1->currentItem())
            ListBox1Val();
        return true;
    }
    if (o == Edit2 && arEnter(k)) {
        Edit2Enter();
        return true;
    }
    if (k->key() == Qt::Key_Escape && (o == ListBox1 || o == Edit2))
        return fonstretsEscape();
    // Worksheet mode: Up and Down choose the list, except on the count panel.
    if (OvningsLage == Arbetsblad && (k->key() == Qt::Key_Up || k->key() == Qt::Key_Down) && arbetsblad()
        && !arbetsblad()->visar(arbetsblad()->SkrivutAntalPanel) && o != ListBox1) {
        flyttaListval(k->key() == Qt::Key_Up ? -1 : 1);
        return true;
    }
    return TSKRIV::eventFilter(o, e);
}

void TDinaOrd::keyPressEvent(QKeyEvent *e)
{
    e->accept();
    if (e->key() == Qt::Key_Space && m_cykel.pausPagar()) {
        m_cykel.mellanslag();
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        fonstretsEscape();
        return;
    }
    if (OvningsLage == Arbetsblad && arbetsblad()) {
        if ((e->key() == Qt::Key_Up || e->key() == Qt::Key_Down) && !arbetsblad()->visar(arbetsblad()->SkrivutAntalPanel))
            flyttaListval(e->key() == Qt::Key_Up ? -1 : 1);
        else
            arbetsblad()->tangent(e);
    }
}

// --- Worksheet ----------------------------------------------------------------------

QList<TUtskrift::Rad> TDinaOrd::arbetsbladAvsnitt()
{
    ++UtskriftAvsnitt;
    const QString rubrik = QString::number(UtskriftAvsnitt) + QStringLiteral(".  Ordförrådet ---") + DinaOrdListNamn;
    const QString instruktion = QStringLiteral("     Översätt följande ord:");
    return {{TUtskrift::RadKlass::Rubrik, rubrik, rubrik + QStringLiteral(". Facit.")},
            {TUtskrift::RadKlass::Fortsattning, instruktion, instruktion}};
}

QList<TUtskrift::Rad> TDinaOrd::arbetsbladUppgift(const QString &prefix, bool franKlart)
{
    dela_mening(20, 700, postFalt(1), 2);
    QList<TUtskrift::Rad> rader{{TUtskrift::RadKlass::Uppgift, prefix + MeningsRader[1], prefix + MeningsRader[1]}};
    if (!MeningsRader[2].isEmpty()) {
        const QString andra = QStringLiteral("      ") + MeningsRader[2];
        rader.append({TUtskrift::RadKlass::Fortsattning, andra, andra});
    }
    rader.append({TUtskrift::RadKlass::Fortsattning, ArbetsbladsLage::skrivLinje(franKlart ? 36 : 37),
                  QString(7, QLatin1Char(' ')) + TUtskrift::UtSkriftSvar(postFalt(2))});
    return rader;
}

qint32 TDinaOrd::arbetsbladPostAntal() const
{
    return lista() >= 1 && lista() <= MaxListor ? DinaOrdAntal[lista()] : 0;
}

void TDinaOrd::arbetsbladNastaPost()
{
    NyPost();
}

void TDinaOrd_Visa()
{
    TDinaOrd w;
    w.FormCreate();
    w.exec();
}
