#include "drills/grammar/TSEIN.h"

#include "drills/grammar/Bilbild.h"
#include "drills/grammar/panelmus.h"
#include "frame/answercheck.h"
#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/randomorder.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/DesignTimer.h"
#include "platform/MessageBox.h"
#include "platform/ShapeWidget.h"
#include "results/TRekord.h"
#include "results/TRekordRad.h"
#include "results/rekordtabell.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

const QColor kPanelFarg = bgrFarg(0x00FF80);
const QColor kGul = bgrFarg(0x00FFFF);
const QColor kNavy = bgrFarg(0x800000);
const QColor kBla = bgrFarg(0xFF0000);
const QColor kRod = bgrFarg(0x0000FF);
const QColor kGra = bgrFarg(0x808080);
const QString TomLucka = QStringLiteral("___");

QColor knappYta()
{
    return QGuiApplication::palette().color(QPalette::Button);
}

int hogerKant(const QLabel *l)
{
    return l->x() + l->fontMetrics().horizontalAdvance(l->text());
}

void text(QLabel *l, const QString &t)
{
    l->setText(t);
    l->adjustSize();
}

// The largest point size from start down that lets text fit w x h.
int passandeStorlek(const QFont &bas, const QStringList &texter, int start, int w, int h)
{
    QFont f = bas;
    int pt = start;
    for (; pt > 1; --pt) {
        f.setPointSize(pt);
        const QFontMetrics fm(f);
        bool ryms = fm.height() <= h;
        for (const QString &t : texter)
            ryms = ryms && fm.horizontalAdvance(t) <= w;
        if (ryms)
            break;
    }
    return pt;
}

// A name box takes the focus with its name selected: the name of the last
// race is typed over, not added to.
void valjNamn(QLineEdit *namn)
{
    namn->setFocus();
    namn->selectAll();
}

} // namespace

TSEIN::TSEIN(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SEIN"));
    setWindowTitle(QStringLiteral("Varmiko"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFont(skaladArial(19));
    setFocusPolicy(Qt::StrongFocus);
    byggKomponenter();
}

TSEIN::~TSEIN() = default;

void TSEIN::byggKomponenter()
{
    auto label = [](QWidget *parent, const char *name, int px, const QColor &c) {
        auto *l = new QLabel(parent);
        l->setObjectName(QLatin1String(name));
        l->setFont(skaladArial(px));
        farg(l, c);
        return l;
    };
    auto knapp = [](QWidget *parent, const char *name, const QString &t) {
        auto *b = new QPushButton(t, parent);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::StrongFocus);
        passaTexten(b);
        return b;
    };

    Shape1 = new ShapeWidget(ShapeWidget::Form::RoundRect, this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setBrushColor(kGul);
    Shape2 = new ShapeWidget(ShapeWidget::Form::RoundRect, this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setBrushColor(Qt::blue);
    Label1 = label(this, "Label1", 24, Qt::white);
    r1 = label(this, "r1", 16, Qt::white);
    Label1->setAlignment(Qt::AlignCenter);
    r1->setAlignment(Qt::AlignCenter);
    InstruktionsLabel = label(this, "InstruktionsLabel", 19, kNavy);
    text(InstruktionsLabel, QStringLiteral("Mit der Maus anklicken. "));

    Label3 = label(this, "Label3", 19, kNavy);
    Label4 = label(this, "Label4", 19, kNavy);
    Label5 = label(this, "Label5", 19, kBla);
    Label5->setAutoFillBackground(true);
    Label6 = label(this, "Label6", 19, kNavy);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    for (int k = 1; k <= SeinPaneler; ++k) {
        auto *p = new QLabel(Panel1);
        p->setObjectName(QStringLiteral("Panel%1").arg(k + 1));
        p->setFont(skaladArial(19));
        p->setAlignment(Qt::AlignCenter);
        p->setAutoFillBackground(true);
        p->setMouseTracking(true);
        p->installEventFilter(this);
        p->hide();
        OrdPanel[k] = p;
    }
    markera(0);
    Templabel2 = label(this, "Templabel2", 19, Qt::black);
    Templabel2->hide();

    Panel14 = upphojdPanel(this, QStringLiteral("Panel14"), kGra);
    Panel13 = upphojdPanel(Panel14, QStringLiteral("Panel13"), kGul);
    Panel16 = label(Panel14, "Panel16", 21, Qt::black);
    Panel16->setText(QStringLiteral("ZIEL"));
    Panel16->setAlignment(Qt::AlignCenter);
    fyllFarg(Panel16, kGul);
    const QColor kaross[] = {Qt::red, QColor(30, 80, 220), QColor(20, 150, 60)};
    const char *bilNamn[] = {"bil1", "bil2", "Bil3"};
    const char *namnPanel[] = {"NamnPanel1", "Namnpanel2", "Namnpanel3"};
    for (int p = 1; p <= MaxSpelare; ++p) {
        Bil[p] = new Bilbild(kaross[p - 1], Panel14);
        Bil[p]->setObjectName(QLatin1String(bilNamn[p - 1]));
        NamnPanel[p] = upphojdPanel(Panel14, QLatin1String(namnPanel[p - 1]), knappYta());
        NamnLabel[p] = label(NamnPanel[p], "", 19, Qt::black);
        NamnLabel[p]->setObjectName(QStringLiteral("NamnLabel%1").arg(p));
        NamnLabel[p]->setAlignment(Qt::AlignCenter);
        SlutSekundPanel[p] = upphojdPanel(Panel14, QStringLiteral("SlutSekundPanel%1").arg(p), knappYta());
        SlutSekundLabel[p] = label(SlutSekundPanel[p], "", 16, Qt::black);
        SlutSekundLabel[p]->setObjectName(QStringLiteral("SlutSekundLabel%1").arg(p));
    }

    SlutPanel = upphojdPanel(this, QStringLiteral("SlutPanel"), kGul);
    Slutlabel = label(SlutPanel, "Slutlabel", 19, kNavy);
    SlutButton = knapp(SlutPanel, "SlutButton", QStringLiteral("OK"));
    SlutButton->setAutoDefault(true);
    connect(SlutButton, &QPushButton::clicked, this, &TSEIN::SlutButtonClick);
    SlutPanel->hide();

    Panel11 = upphojdPanel(this, QStringLiteral("Panel11"), knappYta());
    Panel12 = upphojdPanel(Panel11, QStringLiteral("Panel12"), knappYta());
    Label9 = label(Panel12, "Label9", 19, kNavy);
    text(Label9, QStringLiteral("Anzahl Spieler?"));
    Button3 = knapp(Panel12, "Button3", QStringLiteral("1"));
    Button4 = knapp(Panel12, "Button4", QStringLiteral("2"));
    Button5 = knapp(Panel12, "Button5", QStringLiteral("3"));
    connect(Button3, &QPushButton::clicked, this, [this] { AntalSpelareClick(1); });
    connect(Button4, &QPushButton::clicked, this, [this] { AntalSpelareClick(2); });
    connect(Button5, &QPushButton::clicked, this, [this] { AntalSpelareClick(3); });
    Panel15 = upphojdPanel(Panel11, QStringLiteral("Panel15"), knappYta());
    Label13 = label(Panel15, "Label13", 19, kNavy);
    text(Label13, QStringLiteral("Namen eingeben"));
    for (int p = 1; p <= MaxSpelare; ++p) {
        SpelarLabel[p] = label(Panel15, "", 19, Qt::black);
        SpelarLabel[p]->setObjectName(QStringLiteral("Label%1").arg(13 + p));
        text(SpelarLabel[p], QStringLiteral("Spieler %1").arg(p));
        NamnEdit[p] = new QLineEdit(Panel15);
        NamnEdit[p]->setObjectName(QStringLiteral("Edit%1").arg(p));
        NamnEdit[p]->setMaxLength(12);
        NamnEdit[p]->installEventFilter(this);
    }
    Button6 = knapp(Panel15, "Button6", QStringLiteral("&Start"));
    Button6->setAutoDefault(true);
    connect(Button6, &QPushButton::clicked, this, &TSEIN::Button6Click);

    Panel10 = upphojdPanel(this, QStringLiteral("Panel10"), kNavy);
    Button1 = knapp(Panel10, "Button1", QStringLiteral("&Fortsetzen"));
    Button2 = knapp(Panel10, "Button2", QStringLiteral("&Abbrechen"));
    connect(Button1, &QPushButton::clicked, this, [this] {
        m_menyrad = false;
        Panel10->hide();
    });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    Panel10->hide();

    Timer1 = new DesignTimer(this, 0, true);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &DesignTimer::timeout, this, &TSEIN::Timer1Timer);
}

void TSEIN::FormCreate()
{
    const QSize s = skarmStorlek();
    const int W = s.width();
    const int H = s.height();
    const int M = Marginal;
    resize(W, H);

    Programtal = GeProgramtal(DataFilNamn);
    const SeinRubrik rubrik = seinRubrik(Programtal);
    const QString katalog = ScoreDirectory.isEmpty() ? PCPath + QStringLiteral("\\RESULTAT\\") : ScoreDirectory;
    RekordFilNamn = katalog + DataFilNamn.section(QLatin1Char('.'), 0, 0) + QStringLiteral(".TNR");

    // Title box; a long subheading shrinks to fit it.
    Shape1->setGeometry(skaladPixel(26), skaladPixel(5), skaladPixel(420), skaladPixel(80));
    Shape2->setGeometry(skaladPixel(32), skaladPixel(10), skaladPixel(408), skaladPixel(70));
    const QRect I = Shape2->geometry();
    text(Label1, rubrik.titel);
    text(r1, rubrik.underrubrik);
    QFont f = r1->font();
    while (r1->width() > I.width() - M && f.pixelSize() > 8) {
        f.setPixelSize(f.pixelSize() - 1);
        r1->setFont(f);
        r1->adjustSize();
    }
    const int luft = (I.height() - Label1->height() - r1->height()) / 3;
    Label1->setGeometry(I.left(), I.top() + luft, I.width(), Label1->height());
    r1->setGeometry(I.left(), Label1->y() + Label1->height() + luft, I.width(), r1->height());

    const int h = Label4->fontMetrics().height();
    InstruktionsLabel->move(Shape1->x(), Shape1->y() + Shape1->height() + h / 2);
    const int rad1 = InstruktionsLabel->y() + 2 * h;
    Label3->move(3 * M, rad1);
    Label4->move(3 * M, rad1);

    Hittapreppar();
    const int panelHojd = Templabel2->fontMetrics().height() + M;
    Panel1->setGeometry(3 * M, rad1 + 3 * h + M, W - 6 * M, panelHojd);
    for (int k = 1; k <= SeinPaneler; ++k)
        OrdPanel[k]->resize(OrdPanel[k]->width(), panelHojd);

    // The track: a row for the flag, then a lane per player.
    const int flaggHojd = Panel16->fontMetrics().height() + 4;
    const int fil = 4 * M;
    Panel14->setGeometry(M, Panel1->y() + panelHojd + 2 * M, W - M, flaggHojd + MaxSpelare * fil + M / 2);
    for (int p = 1; p <= MaxSpelare; ++p) {
        const int y = flaggHojd + (p - 1) * fil;
        NamnPanel[p]->setGeometry(M / 2, y + M / 4, 10 * M, fil - M / 2);
        NamnLabel[p]->setGeometry(M / 2, 0, NamnPanel[p]->width() - M, NamnPanel[p]->height());
        Bil[p]->setGeometry(12 * M, y + M / 2, 6 * M, fil - M);
        SlutSekundPanel[p]->setGeometry(11 * M, y + M / 4, 15 * M, fil - M / 2);
        SlutSekundPanel[p]->hide();
    }

    SlutPanel->setGeometry(3 * M, rad1, 44 * M, 3 * h + SlutButton->sizeHint().height() + M);
    // The set-up panel: the question with its three buttons, then a name
    // box for each player and the start button. Each piece is as wide as its
    // caption needs (its width at 100 % at the least), and the panel as
    // wide as its rows.
    const int kw = std::max({4 * M, Button3->sizeHint().width(), Button4->sizeHint().width(),
                             Button5->sizeHint().width()});
    const int spelareBredd = std::max({SpelarLabel[1]->width(), SpelarLabel[2]->width(), SpelarLabel[3]->width()});
    const int eh = NamnEdit[1]->sizeHint().height();
    const int editVanster = std::max(12 * M, M + spelareBredd + M);
    // A name box shows a name of its 12 letters whole.
    const int editBredd = std::max(16 * M, NamnEdit[1]->fontMetrics().averageCharWidth() * 12 + M);
    const int startBredd = std::max(8 * M, Button6->sizeHint().width());
    const int startVanster = std::max(30 * M, editVanster + editBredd + 2 * M);
    const int fragaRad = M + Label9->width() + 2 * M + 3 * kw + 2 * M + M;
    const int namnRad = startVanster + startBredd + M;
    const int inre = std::max({38 * M, fragaRad, namnRad, Label13->width() + 2 * M});
    Panel11->setGeometry(3 * M, rad1, inre + 2 * M, 6 * h + 4 * (eh + M / 2) + 2 * M);
    Panel12->setGeometry(M, M, inre, 2 * h + M);
    Label9->move(M, (Panel12->height() - Label9->height()) / 2);
    int x = Label9->x() + Label9->width() + 2 * M;
    for (QPushButton *b : {Button3, Button4, Button5}) {
        b->setGeometry(x, (Panel12->height() - b->sizeHint().height()) / 2, kw, b->sizeHint().height());
        x += kw + M;
    }
    Panel15->setGeometry(M, Panel12->y() + Panel12->height() + M, inre,
                         Panel11->height() - Panel12->height() - 3 * M);
    Label13->move(M, M / 2);
    int y = Label13->y() + Label13->height() + M / 2;
    for (int p = 1; p <= MaxSpelare; ++p) {
        SpelarLabel[p]->move(M, y + (eh - SpelarLabel[p]->height()) / 2);
        NamnEdit[p]->setGeometry(editVanster, y, editBredd, eh);
        y += eh + M / 2;
    }
    Button6->setGeometry(startVanster, Panel15->height() - Button6->sizeHint().height() - M, startBredd,
                         Button6->sizeHint().height());
    klampaIn(Panel11, QRect(0, 0, W - 3 * M, H));

    const int ph = (H / 48) * 4;
    Panel10->setGeometry(M, H - ph - M / 5, W - 2 * M, ph);
    const int bw = std::max({16 * M, Button1->sizeHint().width() + 2 * M, Button2->sizeHint().width() + 2 * M});
    Button1->setGeometry(M, M / 4, bw, ph - M / 2);
    Button2->setGeometry(M + bw + M, M / 4, bw, ph - M / 2);

    for (int p = 1; p <= MaxSpelare; ++p)
        NamnEdit[p]->setText(SpelarNamn[p]);
    rensa();
    for (int p = 1; p <= MaxSpelare; ++p)
        NamnPanel[p]->resize(10 * M, NamnPanel[p]->height());
}

qint32 TSEIN::Hittapreppar()
{
    QStringList rader;
    const QString fil = hittaDataFil(DataFilNamn);
    if (fil.isEmpty() || !lasDataFil(fil, rader))
        rader.clear();
    AntalSvarsOrd = seinSvarsord(rader, SvarsOrd);
    if (AntalSvarsOrd == 0)
        MessageBox::showMessage(QStringLiteral("Filen ") + visadDataSokvag(DataFilNamn)
                                + QStringLiteral(" finns inte eller är felaktig"));
    return AntalSvarsOrd;
}

qint64 TSEIN::TidMatning(int lage, int enhet)
{
    // A monotonic clock: an answer across midnight is timed right.
    if (lage == 0) {
        m_klocka.start();
        return 0;
    }
    const double ms = m_klocka.isValid() ? double(m_klocka.elapsed()) : 0.0;
    switch (enhet) {
    case 0: return qRound64(ms);
    case 1: return qRound64(ms / 10.0);
    case 2: return qRound64(ms / 100.0);
    default: return qRound64(ms / 1000.0);
    }
}

void TSEIN::markera(int k)
{
    for (int i = 1; i <= SeinPaneler; ++i)
        markeraPanel(OrdPanel[i], i == k, kGul, kPanelFarg);
}

void TSEIN::laggUtOrdraden()
{
    const int g = 3 * Marginal / 2;
    const QFontMetrics fm = Templabel2->fontMetrics();
    int x = g;
    for (int k = 1; k <= SeinPaneler; ++k) {
        QLabel *p = OrdPanel[k];
        if (k > m_ord.size()) {
            p->hide();
            continue;
        }
        const int w = fm.horizontalAdvance(m_ord[k - 1] + QLatin1Char(' ')) + g;
        p->setText(m_ord[k - 1]);
        p->setGeometry(x, 0, w, Panel1->height());
        p->show();
        p->repaint();
        x += w + g;
    }
    Panel1->resize(x, Panel1->height());
}

QString TSEIN::panelOrd(int panel) const
{
    const int k = panel - 1;
    return k >= 1 && k <= m_ord.size() ? m_ord[k - 1] : QString();
}

void TSEIN::namnpanelFarg(qint32 gul)
{
    for (int p = 1; p <= MaxSpelare; ++p)
        fyllFarg(NamnPanel[p], p == gul ? kGul : knappYta());
}

void TSEIN::rensa()
{
    m_valjer = true;
    m_lopp = false;
    Panel1->hide();
    Panel14->hide();
    for (int p = 1; p <= MaxSpelare; ++p) {
        Bil[p]->hide();
        NamnPanel[p]->hide();
        SlutSekundPanel[p]->hide();
    }
    Panel13->hide();
    Panel16->hide();
    for (QLabel *l : {Label3, Label4, Label5, Label6, InstruktionsLabel})
        l->hide();
    Panel15->hide();
    Button6->hide();
    Panel11->show();
    Panel11->raise();
    Panel12->show();
    text(Label9, QStringLiteral("Anzahl Spieler?"));
    Button3->setFocus();
}

void TSEIN::AntalSpelareClick(qint32 antal)
{
    AntalSpelare = qBound(1, antal, MaxSpelare);
    text(Label13, QStringLiteral("Namen eingeben"));
    for (int p = 1; p <= MaxSpelare; ++p) {
        SpelarLabel[p]->setVisible(p <= AntalSpelare);
        NamnEdit[p]->setVisible(p <= AntalSpelare);
    }
    Button6->hide();
    Panel15->show();
    valjNamn(NamnEdit[1]);
}

void TSEIN::NamnEnter(qint32 spelare)
{
    const QString namn = NamnEdit[spelare]->text().trimmed();
    if (namn.isEmpty())
        return;
    if (spelare == 1) {
        SpelTid = {};
        AktivSpelare = 1;
    }
    SpelarNamn[spelare] = namn;
    if (spelare < AntalSpelare) {
        valjNamn(NamnEdit[spelare + 1]);
    } else {
        Button6->show();
        Button6->setFocus();
    }
}

void TSEIN::Button6Click()
{
    // Every player needs a name, also one not confirmed with Enter.
    for (int p = 1; p <= AntalSpelare; ++p) {
        const QString namn = NamnEdit[p]->text().trimmed();
        if (namn.isEmpty()) {
            valjNamn(NamnEdit[p]);
            return;
        }
        SpelarNamn[p] = namn;
    }
    m_stoppad = 0;
    m_valjer = false;
    m_lopp = true;
    Panel1->show();
    Panel14->show();
    for (QLabel *l : {Label3, Label4, Label5, Label6})
        l->show();
    Panel11->hide();
    starta();
    AktivSpelare = 1;
    NyPost();
    setFocus();
}

void TSEIN::starta()
{
    const int M = Marginal;
    LoppSlut = 0;
    Vinnare = 0;
    // A new race starts from nothing, however the names were entered.
    Stracka = {};
    SpelTid = {};
    for (int p = 1; p <= MaxSpelare; ++p) {
        SlutSekundPanel[p]->hide();
        Bil[p]->setVisible(p <= AntalSpelare);
        Bil[p]->move(12 * M, Bil[p]->y());
    }

    QStringList namn;
    for (int p = 1; p <= MaxSpelare; ++p)
        namn << SpelarNamn[p];
    QFont f = NamnLabel[1]->font();
    f.setPointSize(passandeStorlek(f, namn, 22, 8 * M, NamnPanel[1]->height()));
    for (int p = 1; p <= MaxSpelare; ++p) {
        NamnLabel[p]->setFont(f);
        NamnLabel[p]->setText(SpelarNamn[p]);
        NamnLabel[p]->setGeometry(M / 2, 0, NamnPanel[p]->width() - M, NamnPanel[p]->height());
        NamnPanel[p]->setVisible(p <= AntalSpelare);
    }

    const QSize s = skarmStorlek();
    Panel14->setGeometry(M, Panel14->y(), s.width() - M, Panel14->height());
    const int flaggHojd = Panel16->fontMetrics().height() + 4;
    Panel13->setGeometry(Panel14->width() - Bil[1]->width() - 2 * M, flaggHojd, qMax(4, M / 2),
                         Panel14->height() - flaggHojd);
    Panel16->resize(Panel16->fontMetrics().horizontalAdvance(Panel16->text()) + M, flaggHojd);
    Panel16->move(Panel13->x() - Panel16->width() / 2, 0);
    MalLinje = Panel13->x() - Bil[1]->x() + Bil[1]->width();

    namnpanelFarg(1);
    for (int p = 1; p <= MaxSpelare; ++p)
        NamnPanel[p]->raise();
    InstruktionsLabel->show();
    Panel13->show();
    Panel16->show();
    Panel16->raise();
}

void TSEIN::NyPost()
{
    for (QLabel *l : {Label3, Label4, Label5, Label6})
        l->clear();
    fyllFarg(Label5, knappYta());
    namnpanelFarg(AktivSpelare);

    // The next item that has a gap (a line without one can't be answered).
    const qint32 antal = qMax(1, PostAntal[ListNummer]);
    for (qint32 forsok = 0; forsok < antal; ++forsok) {
        SlumpPost = quint16(haemta_slumptal(SlumpPosition[ListNummer], ListNummer));
        if (!haemtaord(DataFilNamn, SlumpPost))
            PostRad.clear();
        str_postarray(PostRad);
        LetaPrep(postFalt(1));
        if (!PrepDelar[2].isEmpty())
            break;
    }

    const int M = Marginal;
    dela_mening(3 * M, skarmStorlek().width() - 4 * M, postFalt(1), 2, Label4->font());
    const int h = Label4->fontMetrics().height();
    const int rad1 = InstruktionsLabel->y() + 2 * h;
    const int rad2 = rad1 + 3 * h / 2;
    int luckRad = rad1;
    if (MeningsRader[2].isEmpty()) {
        LetaPrep(MeningsRader[1]);
    } else if (MeningsRader[1].contains(QLatin1Char('<'))) {
        LetaPrep(MeningsRader[1]);
        text(Label3, MeningsRader[2]);
        Label3->move(3 * M, rad2);
    } else {
        LetaPrep(MeningsRader[2]);
        text(Label3, MeningsRader[1]);
        Label3->move(3 * M, rad1);
        luckRad = rad2;
    }
    m_svar = PrepDelar[2];
    const QString fore = PrepDelar[1];
    const QString efter = PrepDelar[3];

    m_ord = seinErbjudna(SvarsOrd, AntalSvarsOrd, m_svar);
    laggUtOrdraden();
    markera(0);

    Timer1->setInterval(0);
    TimerTick = 0;

    text(Label4, fore);
    Label4->move(3 * M, luckRad);
    // A neutral mark until a word is pointed at: a word of the row would
    // show a sentence that may be wrong German ("Ihr bin ...").
    text(Label5, TomLucka);
    Label5->move(hogerKant(Label4), luckRad);
    text(Label6, efter);
    Label6->move(hogerKant(Label5), luckRad);
    for (QLabel *l : {Label3, Label4, Label5, Label6})
        l->show();

    TidMatning(0, 1);
    m_felSvar = 0;
    m_vantar = false;
}

void TSEIN::PanelMouseMove(int panel)
{
    const int k = panel - 1;
    if (k < 1 || k > m_ord.size() || LoppSlut || m_vantar)
        return;
    markera(k);
    if (m_felSvar == 0) {
        text(Label5, panelOrd(panel));
        Label6->move(hogerKant(Label5), Label6->y());
    }
}

void TSEIN::RaettTest(int panel, int knapp)
{
    const int k = panel - 1;
    if (k < 1 || k > m_ord.size() || LoppSlut || m_stoppad || !m_lopp)
        return;
    if (knapp == 1) {
        // A right click on a word is a right click on the window.
        visaMenyraden();
        return;
    }
    // One answer per item: clicks while the next item is on its way count
    // for nobody.
    if (m_vantar)
        return;
    m_vantar = true;

    const qint32 p = AktivSpelare;
    const quint16 r = svarstest(m_svar, panelOrd(panel), 1);
    const qint64 t = TidMatning(1, 1);
    SpelTid[p] += double(t);
    if (r == 0) {
        Stracka[p] += seinPoang(t);
        TimerTick = 0;
        Timer1->setInterval(2);
        Timer1->setEnabled(true);
    } else {
        m_felSvar = 1;
        text(Label5, m_svar);
        fyllFarg(Label5, kRod);
        Label6->move(hogerKant(Label5), Label6->y());
        int ratt = 0;
        for (int i = 1; i <= m_ord.size() && ratt == 0; ++i)
            if (m_ord[i - 1] == m_svar)
                ratt = i;
        markera(ratt);
        TimerTick = 0;
        Timer1->setInterval(1000);
        Timer1->setEnabled(true);
    }

    flyttaBil(p);

    if (p == AntalSpelare) {
        double s[MaxSpelare + 1] = {0, Stracka[1], Stracka[2], Stracka[3]};
        int v[MaxSpelare + 1] = {0, Bil[1]->x(), Bil[2]->x(), Bil[3]->x()};
        Vinnare = seinVinnare(AntalSpelare, s, v, MalLinje);
    }
    if (Vinnare > 0) {
        loppetSlut();
        return;
    }
    AktivSpelare = AktivSpelare >= AntalSpelare ? 1 : AktivSpelare + 1;
}

void TSEIN::flyttaBil(qint32 spelare)
{
    Bilbild *bil = Bil[spelare];
    const int mal = seinBilMal(Stracka[spelare], Marginal);
    const int slut = Panel14->width() - bil->width(); // the end of the track
    do {
        if (bil->x() >= slut)
            break;
        bil->move(bil->x() + 1, bil->y());
        bil->repaint();
    } while (bil->x() < mal);
    for (int p = 1; p <= AntalSpelare; ++p)
        Bil[p]->repaint();
}

void TSEIN::loppetSlut()
{
    m_stoppad = 1;
    for (int p = 1; p <= MaxSpelare; ++p) {
        const QColor c = p == Vinnare ? kGul : knappYta();
        fyllFarg(NamnPanel[p], c);
        fyllFarg(SlutSekundPanel[p], c);
    }
    for (int p = 1; p <= AntalSpelare; ++p)
        if (Bil[p]->x() >= MalLinje)
            SkrivSekunder(p, qRound64(SpelTid[p]));

    text(Slutlabel, seinSlutText(SpelarNamn[Vinnare], AntalSpelare));
    const int M = Marginal;
    const int rymd = SlutPanel->height() - SlutButton->sizeHint().height() - M;
    QFont f = Slutlabel->font();
    f.setPointSize(18);
    Slutlabel->setFont(f);
    Slutlabel->adjustSize();
    while ((Slutlabel->width() > 42 * M || Slutlabel->height() > rymd) && f.pointSize() > 1) {
        f.setPointSize(f.pointSize() - 1);
        Slutlabel->setFont(f);
        Slutlabel->adjustSize();
    }
    Slutlabel->move((SlutPanel->width() - Slutlabel->width()) / 2, (rymd - Slutlabel->height()) / 2 + M / 2);
    SlutButton->setGeometry((SlutPanel->width() - 8 * M) / 2, SlutPanel->height() - SlutButton->sizeHint().height() - M / 2,
                            8 * M, SlutButton->sizeHint().height());
    SlutPanel->show();
    SlutPanel->raise();
    SlutButton->show();
    SlutButton->setFocus();
    m_lopp = false;
    m_valjer = false;
    Panel1->hide();
    Panel11->hide();
    for (QLabel *l : {InstruktionsLabel, Label3, Label4, Label5, Label6})
        l->hide();
    Timer1->setInterval(0);
    LoppSlut = 1;
}

void TSEIN::SkrivSekunder(qint32 spelare, qint64 hundradelar)
{
    QLabel *l = SlutSekundLabel[spelare];
    QFrame *panel = SlutSekundPanel[spelare];
    const QString t = seinSekunder(hundradelar);
    QFont f = l->font();
    f.setPointSize(passandeStorlek(f, {t}, 16, 14 * Marginal, panel->height()));
    l->setFont(f);
    text(l, t);
    l->move(Marginal / 2, (panel->height() - l->height()) / 2);
    panel->show();
    panel->raise();
}

void TSEIN::Timer1Timer()
{
    ++TimerTick;
    if (TimerTick >= 2 && LoppSlut == 0 && m_stoppad == 0)
        NyPost();
}

void TSEIN::SlutButtonClick()
{
    LoppSlut = 0;
    rensa();
    SlutPanel->hide();
    if (ScoreDirectoryOk) {
        RekordPost.Namn = SpelarNamn[Vinnare];
        RekordPost.Resultat = seinRekordTid(SpelTid[Vinnare]);
        TRekord_Visa();
    } else {
        MessageBox::showMessage(scoreDirectoryMessage(ScoreDirectory));
    }
}

void TSEIN::visaMenyraden()
{
    m_menyrad = true;
    Panel10->show();
    Panel10->raise();
    Button1->setFocus();
}

void TSEIN::keyPressEvent(QKeyEvent *e)
{
    e->accept();
    if (e->key() == Qt::Key_Escape) {
        if (m_menyrad)
            Button2->click();
        else
            visaMenyraden();
        return;
    }
    if (m_valjer) {
        const int antal = e->key() - Qt::Key_0;
        if (antal >= 1 && antal <= MaxSpelare) {
            AntalSpelareClick(antal);
            return;
        }
    }
    QDialog::keyPressEvent(e);
}

void TSEIN::mousePressEvent(QMouseEvent *e)
{
    e->accept();
    if (e->button() == Qt::RightButton)
        visaMenyraden();
}

bool TSEIN::eventFilter(QObject *o, QEvent *e)
{
    for (int p = 1; p <= MaxSpelare; ++p) {
        if (o == NamnEdit[p] && e->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(e)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                NamnEnter(p);
                return true;
            }
            return false;
        }
    }
    if (const int panel = panelNummer(o, OrdPanel);
        panel && panelMus(e, panel, [this](int n) { PanelMouseMove(n); },
                          [this](int n, int knapp) { RaettTest(n, knapp); }))
        return true;
    return QDialog::eventFilter(o, e);
}

void TSEIN_Visa()
{
    TSEIN w;
    w.FormCreate();
    if (w.AntalSvarsOrd == 0)
        return;
    w.exec();
}
