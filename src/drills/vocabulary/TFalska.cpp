#include "drills/vocabulary/TFalska.h"

#include "frame/TAster.h"
#include "frame/TRegler.h"
#include "frame/TStallin.h"
#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/praise.h"
#include "frame/randomorder.h"
#include "frame/scale.h"
#include "frame/sound.h"
#include "frame/vrsku1.h"
#include "platform/Cp1252.h"
#include "platform/DesignTimer.h"
#include "platform/ShapeWidget.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <cmath>

namespace {

const QColor kSilver = bgrFarg(0xC0C0C0);
const QColor kNavy = bgrFarg(0x800000);
const QColor kMaroon = bgrFarg(0x000080);
const QColor kRed = bgrFarg(0x0000FF);
const QColor kBlue = bgrFarg(0xFF0000);
const QColor kYellow = bgrFarg(0x00FFFF);
const QColor kGreen = bgrFarg(0x008000);

constexpr int MalPoang = 20;
// The explanations beside the words stand this far right of the widest.
constexpr int SvenskaAvstand = 100;

QPushButton *spelknapp(const QString &text, const char *namn, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(namn));
    b->setAutoDefault(false);
    // The window reads the keys itself: the game's buttons never take the focus.
    b->setFocusPolicy(Qt::NoFocus);
    b->hide();
    return b;
}

} // namespace

QString falskaMarkor(quint16 programtal)
{
    switch (programtal) {
    case 22000: return QStringLiteral("F");
    case 31100: return QStringLiteral("P");
    case 31200: return QStringLiteral("T");
    case 31300: return QStringLiteral("K");
    case 31400: return QStringLiteral("Z");
    default: return {};
    }
}

TFalska::TFalska(QWidget *parent)
    : TSKRIV(parent)
{
    setObjectName(QStringLiteral("Falska"));
    farg(this, Qt::black, kSilver);

    // The end panel of the template is the pause panel here.
    Escapepanel = Panel1;
    Escapepanel->setObjectName(QStringLiteral("Escapepanel"));
    Button1->hide();
    Button1->setObjectName(QString());
    FortsattButton = Button2;
    FortsattButton->setObjectName(QStringLiteral("Button3"));
    AvbrytButton = Button3;
    AvbrytButton->setObjectName(QStringLiteral("Button4"));
    // "Fortsetzen" and "Einstellungen" are the game's own (Button2Click and
    // BitBtn1Click).

    // The name box; the template's answer box takes the name.
    Panel3 = new QFrame(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    farg(Panel3, Qt::black, kNavy);
    Panel4 = new QFrame(Panel3);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    farg(Panel4, kNavy, kYellow);
    Label3 = new QLabel(QStringLiteral("Namen eingeben."), Panel4);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(skaladArial(22));
    farg(Label3, kNavy);
    Label4->setParent(Panel4);
    Label4->setFont(skaladArial(19));
    farg(Label4, kNavy);
    sattText(Label4, QStringLiteral("Enter drücken."));
    Label4->show();
    Edit1->setParent(Panel4);
    Edit1->setMaxLength(12);
    Edit1->show();

    InstruktionsLabel2 = new QLabel(this);
    InstruktionsLabel2->setObjectName(QStringLiteral("InstruktionsLabel2"));
    InstruktionsLabel2->setFont(skaladArial(19));
    farg(InstruktionsLabel2, kGreen);
    sattText(InstruktionsLabel2, QStringLiteral("Klickt auf die richtige Zahl oder drückt 0 bis 5."));

    static const char *const ordNamn[5] = {"sv1", "sv2", "sv3", "Sv4", "Sv5"};
    static const char *const forklaringsNamn[5] = {"ord1", "ord2", "ord3", "Ord4", "Ord5"};
    for (int k = 1; k <= 5; ++k) {
        const auto etikett = [this](const QString &namn, const QColor &c) {
            auto *l = new QLabel(this);
            l->setObjectName(namn);
            l->setFont(skaladArial(22));
            farg(l, c);
            l->hide();
            return l;
        };
        Ord[k] = etikett(QLatin1String(ordNamn[k - 1]), kMaroon);
        Forklaring[k] = etikett(QLatin1String(forklaringsNamn[k - 1]), kRed);
        RSvar[k] = etikett(QStringLiteral("RSvar%1").arg(k), kNavy);
    }

    AntalPanel = new QFrame(this);
    AntalPanel->setObjectName(QStringLiteral("AntalPanel"));
    for (int i = 1; i <= 6; ++i) {
        QPushButton *b = spelknapp(QString::number(i - 1), "", AntalPanel);
        b->setObjectName(QStringLiteral("SpeedButton%1").arg(i));
        b->setFont(skaladArial(22));
        b->show();
        connect(b, &QPushButton::clicked, this, [this, i] { SvaraAntal(i - 1); });
        SpeedButton[i] = b;
    }
    SpeedPanel1 = new QLabel(AntalPanel);
    SpeedPanel1->setObjectName(QStringLiteral("SpeedPanel1"));
    SpeedPanel1->setAlignment(Qt::AlignCenter);
    SpeedPanel1->setFont(skaladArial(22));
    farg(SpeedPanel1, Qt::white, kRed);
    SpeedPanel1->hide();
    AntalPanel->hide();

    Poangpanel = new QFrame(this);
    Poangpanel->setObjectName(QStringLiteral("Panel1"));
    farg(Poangpanel, Qt::black, kBlue);
    MellanPanel = new QFrame(Poangpanel);
    MellanPanel->setObjectName(QStringLiteral("MellanPanel"));
    farg(MellanPanel, Qt::black, kYellow);
    Panel2 = new QFrame(MellanPanel);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    farg(Panel2, Qt::black, kSilver);
    Label1 = new QLabel(QStringLiteral("Datorn"), Panel2);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(Panel2);
    Label2->setObjectName(QStringLiteral("Label2"));
    for (QLabel *l : {Label1, Label2}) {
        l->setFont(skaladArial(19));
        farg(l, kNavy);
    }
    for (int t = 1; t <= 40; ++t) {
        auto *s = new ShapeWidget(ShapeWidget::Form::Rectangle, Panel2);
        s->setObjectName(QStringLiteral("Shape%1").arg(t));
        s->setBrushColor(kBlue);
        Shape[t] = s;
    }
    Poangpanel->hide();

    HoraButton = spelknapp(QStringLiteral("&Hören"), "HoraButton", this);
    NextButton = spelknapp(QStringLiteral("&Weiter"), "NextButton", this);
    SvenskaButton = spelknapp(QStringLiteral("&Schwedisch"), "SvenskaButton", this);
    RegelButton = spelknapp(QStringLiteral("&Regeln"), "RegelButton", this);
    connect(HoraButton, &QPushButton::clicked, this, &TFalska::HoraButtonClick);
    connect(NextButton, &QPushButton::clicked, this, &TFalska::NextButtonClick);
    connect(SvenskaButton, &QPushButton::clicked, this, &TFalska::SvenskaButtonClick);
    connect(RegelButton, &QPushButton::clicked, this, &TFalska::RegelButtonClick);
}

bool TFalska::arUttal() const
{
    return Programtal >= 31100 && Programtal <= 31400;
}

void TFalska::laggUt()
{
    const QSize s = skarmStorlek();
    const int W = s.width();
    const int M = Marginal;
    const int x0 = skala(33);
    const auto rad = [](const QWidget *w) { return w->fontMetrics().height(); };

    InstruktionsLabel->move(x0, OverskriftYtterShape->y() + OverskriftYtterShape->height() + rad(InstruktionsLabel) / 2);
    InstruktionsLabel2->move(x0, InstruktionsLabel->y() + 5 * rad(InstruktionsLabel) / 4);

    // The score squares right above the pause panel: the pupil's row over
    // the computer's, the names at their left.
    const int bredd = Escapepanel->width();
    const int bredd2 = bredd - 2 * M;
    const int rutRum = bredd2 - Label2->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMM"));
    RutStorlek = qRound(rutRum * 4 / 100.0);
    RutSteg = qRound(rutRum * 5 / 100.0);
    const int hojd2 = 3 * RutStorlek;
    Poangpanel->setGeometry(Escapepanel->x(), Escapepanel->y() - hojd2 - 2 * M, bredd, hojd2 + 2 * M);
    MellanPanel->setGeometry(M / 2, M / 2, bredd - M, hojd2 + M);
    Panel2->setGeometry(M / 2, M / 2, bredd2, hojd2);
    RadTopp1 = qRound(hojd2 / 9.0);
    RadTopp2 = qRound(hojd2 * 5 / 9.0);
    for (int t = 1; t <= 40; ++t)
        Shape[t]->setGeometry(bredd2 - (((40 - t) % 20) + 1) * RutSteg, t <= 20 ? RadTopp1 : RadTopp2, RutStorlek,
                              RutStorlek);
    Label2->move(M / 2, RadTopp1 + (RutStorlek - rad(Label2)) / 2);
    sattText(Label1, Label1->text());
    Label1->move(M / 2, RadTopp2 + (RutStorlek - rad(Label1)) / 2);

    // The five words in a column; the explanations and the repeated words
    // in the same rows. On a low screen the rows move closer together, so
    // that the answer buttons stay clear of the score squares.
    const int sida = skala(40);
    const int topp = InstruktionsLabel2->y() + rad(InstruktionsLabel2) + M;
    const int rum = Poangpanel->y() - M / 2 - sida - topp;
    const int steg = qMax(rad(Ord[1]), qMin(3 * rad(Ord[1]) / 2, rum / 5));
    for (int k = 1; k <= 5; ++k)
        for (QLabel *l : {Ord[k], Forklaring[k], RSvar[k]})
            l->move(x0, topp + (k - 1) * steg);

    AntalPanel->setGeometry(x0, topp + 5 * steg, 6 * sida, sida);
    for (int i = 1; i <= 6; ++i)
        SpeedButton[i]->setGeometry((i - 1) * sida, 0, sida, sida);
    SpeedPanel1->resize(sida, sida);
    // "Hören", "Weiter", "Schwedisch" and "Regeln" in a row right of the
    // answer buttons, each in its own place whether the others show or not,
    // as wide as its caption needs; where the window is too narrow for them,
    // in one font that shrinks until the row ends inside it.
    const QList<QPushButton *> spelrad{HoraButton, NextButton, SvenskaButton, RegelButton};
    const int start = AntalPanel->x() + AntalPanel->width() + 2 * M;
    int behov = -M;
    int knappHojd = 0;
    for (QPushButton *b : spelrad) {
        b->setFont(font());
        b->adjustSize();
        behov += b->width() + 2 * M;
        knappHojd = qMax(knappHojd, b->height());
    }
    knappRad(spelrad,
             QRect(start, AntalPanel->y() + (sida - knappHojd) / 2, qMin(behov, W - M / 2 - start), knappHojd), M,
             font());

    // The pause panel has three buttons.
    radaUppSlutpanelen({FortsattButton, AvbrytButton, BitBtn1}, (Escapepanel->width() / 4) * 3 - M);

    // The name box in the middle of the window.
    const int lh = rad(Label3);
    Panel3->setGeometry(W / 3, topp, W / 3, 4 * lh + 3 * M);
    Panel4->setGeometry(M / 2, M / 2, Panel3->width() - M, Panel3->height() - M);
    sattText(Label3, Label3->text());
    Label3->move(M, M / 2);
    Label4->move(M, Label3->y() + lh + M / 2);
    Edit1->setGeometry(M, Label4->y() + rad(Label4) + M / 2, Panel4->width() - 2 * M, Edit1->sizeHint().height());

    // The reward picture and the praise box keep the score in sight.
    const int bildTopp = OverskriftYtterShape->y() + OverskriftYtterShape->height();
    const int bildHojd = qMax(M, Poangpanel->y() - M - bildTopp);
    BildPanelen->setGeometry(BildPanelen->x(), bildTopp, BildPanelen->width(), bildHojd);
    Image1->setGeometry(0, 0, BildPanelen->width(), bildHojd);
    LovordPanel->setGeometry(LovordPanel->x(), Poangpanel->y() - LovordPanel->height() - M / 5, LovordPanel->width(),
                             LovordPanel->height());
}

void TFalska::efterSkapandet()
{
    Timer2->setInterval(0);
    for (QWidget *w : {static_cast<QWidget *>(Aster1), static_cast<QWidget *>(lampknapp),
                       static_cast<QWidget *>(LampShape), static_cast<QWidget *>(regelknapp),
                       static_cast<QWidget *>(Helpknapp1), static_cast<QWidget *>(HelpKnapp2),
                       static_cast<QWidget *>(FrageLabel1), static_cast<QWidget *>(FrageLabel2),
                       static_cast<QWidget *>(Label5), static_cast<QWidget *>(DiagPanel1),
                       static_cast<QWidget *>(DiagPanel2), static_cast<QWidget *>(SkrivutHelaPanelen)})
        w->hide();

    Edit1->setText(SpelarNamn[1]);
    Edit1->setEnabled(true);
    Edit1->show();
    for (QWidget *w : {static_cast<QWidget *>(Escapepanel), static_cast<QWidget *>(BildPanelen),
                       static_cast<QWidget *>(LovordPanel), static_cast<QWidget *>(Poangpanel),
                       static_cast<QWidget *>(AntalPanel)})
        w->hide();
    for (int k = 1; k <= 5; ++k) {
        Ord[k]->hide();
        Forklaring[k]->hide();
        RSvar[k]->hide();
    }
    NamnForsok = 0;
    SpelarPoang = 0;
    DatorPoang = 0;

    // The sound directory is set also with the sound off, so that sound
    // switched on in the settings plays the words of this exercise.
    GeLjudDirectory();
    Markor = Cp1252::upper(falskaMarkor(Programtal));
    InstruktionsLabel->show();
    InstruktionsLabel2->show();
    RitaOverskriften(QStringLiteral("Falsche Freunde"), QString(), QString());
    laggUt();
    Panel3->show();
    Panel3->raise();

    PostNummer = 1;
    AntalRatt = 0;
    AntalFel = 0;
    Edit1->setFocus();
}

void TFalska::NamnKlart()
{
    const QString namn = Edit1->text().trimmed();
    if (namn.isEmpty()) {
        ++NamnForsok;
        static const char *const texter[] = {"Ditt namn tack!", "Ditt namn tack!!", "Ditt namn tack!!!",
                                             "Avbryt med Escape."};
        sattText(Label3, QString::fromUtf8(texter[qMin(NamnForsok, 4) - 1]));
        return;
    }
    SpelarNamn[1] = namn.left(20);
    m_namnKlart = true;
    Panel3->hide();
    sattText(Label2, namn);
    Poangpanel->show();
    AntalPanel->show();
    if (arUttal())
        SvenskaButton->show();
    setFocus(); // from now on the window reads every key
    NyPost();
}

void TFalska::svarsknappar(bool pa)
{
    m_svarAktiva = pa;
    for (int i = 1; i <= 6; ++i)
        SpeedButton[i]->setEnabled(pa);
}

void TFalska::NyPost()
{
    HoraButton->hide();
    NextButton->hide();
    SpeedPanel1->hide();
    RattAntal = 0;
    LjudPost = 0; // "h" plays nothing until the words of this round were heard
    m_cykel.nyPost();
    for (int k = 1; k <= 5; ++k) {
        EjMarkerad[k] = 1;
        RSvar[k]->hide();

        SlumpPost = quint16(haemta_slumptal(SlumpPosition[ListNummer], ListNummer));
        OmgangsPoster[k] = SlumpPost;
        if (!haemtaord(DataFilNamn, SlumpPost))
            PostRad.clear();
        str_postarray(PostRad);
        if (!Markor.isEmpty() && Cp1252::upper(postFalt(2).trimmed()) == Markor) {
            ++RattAntal;
            EjMarkerad[k] = 0;
        }
        sattText(Ord[k], postFalt(1));
        sattText(RSvar[k], postFalt(1));
        if (Programtal == 22000) {
            // The German word with its "=", then the real meaning.
            const int p = int(postFalt(1).indexOf(QLatin1Char('='))) + 2;
            sattText(Forklaring[k], postFalt(3).isEmpty() ? QString()
                                                          : postFalt(1).left(p) + QLatin1Char(' ') + postFalt(3));
            Forklaring[k]->move(Ord[k]->pos());
        } else if (arUttal()) {
            RegelButton->show();
            sattText(Forklaring[k], postFalt(3));
        }
    }
    svarsknappar(true);
    Poangpanel->show();
    AntalPanel->show();
    for (int k = 1; k <= 5; ++k) {
        Ord[k]->show();
        Forklaring[k]->hide();
    }
    InstruktionsLabel->show();
    InstruktionsLabel2->show();
}

void TFalska::SvaraAntal(int n)
{
    if (!m_svarAktiva || n < 0 || n > 5)
        return;
    SpelarSvar = n;
    Kollasvar();
}

void TFalska::fargaRutor(int fran, int till, const QColor &c)
{
    for (int t = qMax(1, fran); t <= qMin(40, till); ++t)
        Shape[t]->setBrushColor(c);
}

void TFalska::Kollasvar()
{
    svarsknappar(false);
    if (SpelarSvar == RattAntal) {
        RattSvarFlagga = 1;
        fargaRutor(SpelarPoang + 1, qMin(SpelarPoang + RattAntal, MalPoang), kYellow);
        SpelarPoang += RattAntal;
    } else {
        RattSvarFlagga = 0;
        SpeedPanel1->setText(QString::number(RattAntal));
        SpeedPanel1->move(AntalPanel->height() * RattAntal, 0);
        SpeedPanel1->show();
        SpeedPanel1->raise();
        fargaRutor(DatorPoang + 21, qMin(DatorPoang + RattAntal + 20, 2 * MalPoang), kYellow);
        DatorPoang += RattAntal;
    }
    if (DatorPoang >= MalPoang) {
        SpelSlut = 1;
        SpelarVann = 0;
    } else if (SpelarPoang >= MalPoang) {
        SpelSlut = 1;
        SpelarVann = 1;
    }

    if (Programtal == 22000) {
        // The false friends show their real meaning, the others stay.
        for (int k = 1; k <= 5; ++k) {
            Ord[k]->hide();
            (EjMarkerad[k] == 0 ? Forklaring[k] : RSvar[k])->show();
        }
    }

    if (SpelSlut) {
        m_cykel.rundanSlut();
        Avslutning();
        return;
    }
    if (RattSvarFlagga == 0) {
        // The round waits for "Weiter"; Esc pauses it, as it does any round.
        m_cykel.borjaPaus();
        NextButton->setEnabled(true);
        NextButton->show();
        if (arUttal() && (LjudInst == 1 || LjudInst == 3)) {
            HoraButton->setEnabled(true);
            HoraButton->show();
        }
    } else {
        NyPost();
    }
}

bool TFalska::vantarPaWeiter() const
{
    return m_cykel.lage() == Postcykel::Lage::Rattelse;
}

bool TFalska::horaErbjuds() const
{
    return vantarPaWeiter() && arUttal() && (LjudInst == 1 || LjudInst == 3);
}

void TFalska::HoraButtonClick()
{
    if (!horaErbjuds() || !HoraButton->isEnabled())
        return;
    svarsknappar(false);
    NextButton->setEnabled(false);
    HoraButton->setEnabled(false);
    {
        // Each word waits for the one before to end, with the window going
        // on meanwhile; Esc or closing the window ends all five at once, and
        // the five give one message at most.
        Ljudfoljd orden;
        for (int k = 1; k <= 5 && !orden.avbruten(); ++k) {
            LjudPost = OmgangsPoster[k];
            Ljudet();
        }
    }
    NextButton->setEnabled(true);
    HoraButton->setEnabled(LjudInst == 1 || LjudInst == 3);
    // Esc during the words brought the pause panel; a close ended the window.
    if (!stangs() && !m_cykel.slutpanelen())
        setFocus();
}

void TFalska::Ljudet()
{
    SpelaUppWavLjud(LjudFilPrefix + QStringLiteral("%1").arg(LjudPost, 3, 10, QChar(u'0')) + QStringLiteral(".WAV"));
}

void TFalska::NextButtonClick()
{
    if (vantarPaWeiter() && NextButton->isEnabled())
        NyPost();
}

void TFalska::SvenskaButtonClick()
{
    int bredast = 0;
    for (int k = 1; k <= 5; ++k)
        bredast = qMax(bredast, Ord[k]->width());
    for (int k = 1; k <= 5; ++k) {
        Forklaring[k]->move(Ord[k]->x() + bredast + SvenskaAvstand, Ord[k]->y());
        Forklaring[k]->show();
    }
    setFocus();
}

void TFalska::RegelButtonClick()
{
    TRegler_Visa();
    setFocus();
}

void TFalska::visaLaget()
{
    // The pause panel shows in the cycle's end-panel stages: Esc in a round
    // and the game's end. The answer buttons take a count only while a
    // round is asked.
    Escapepanel->setVisible(m_cykel.slutpanelen());
    if (m_cykel.slutpanelen())
        Escapepanel->raise();
    svarsknappar(m_namnKlart && m_cykel.lage() == Postcykel::Lage::Fragar);
}

void TFalska::visaEscapepanel()
{
    if (!m_cykel.avbryt())
        return;
    stoppaLjud();
    visaLaget();
    FortsattButton->setFocus();
}

void TFalska::FortsattClick()
{
    if (SpelSlut) {
        // A new game.
        for (int k = 1; k <= 5; ++k)
            Forklaring[k]->hide();
        BildPanelen->hide();
        LovordPanel->hide();
        SpelarPoang = 0;
        DatorPoang = 0;
        SpelSlut = 0;
        SpelarVann = 0;
        fargaRutor(1, 40, kBlue);
        if (arUttal())
            SvenskaButton->show();
        NyPost();
    } else {
        // Back to the round: a round that has its answer takes no second
        // one and waits for "Weiter" again.
        m_cykel.fortsatt();
    }
    visaLaget();
    setFocus();
}

void TFalska::InstallningarClick()
{
    if (OvningsLage != 1)
        TStallin_Visa();
    if (SpelSlut) {
        // The game is over: the panel is the way on.
        AvbrytButton->setFocus();
        return;
    }
    m_cykel.fortsatt();
    // The words can be heard after a wrong count, when the sound is on.
    HoraButton->setEnabled(horaErbjuds());
    HoraButton->setVisible(horaErbjuds());
    visaLaget();
    setFocus();
}

void TFalska::Avslutning()
{
    BildPanelen->show();
    BildPanelen->raise();
    BildTextPanel->hide();
    visaBeloningsbild();

    if (OvningsLage == 0) {
        HaemtaLovordFilNamn(AntalRatt, quint16(AntalPoster));
        if (KollaLovOrd(LovordFilNamn)) {
            SvenskaButton->hide();
            LovordPanel->show();
            LovordPanel->raise();
            if (SpelarVann)
                RitaLovord(QStringLiteral("Herzlichen Glückwunsch,"), SpelarNamn[1] + QLatin1Char('!'),
                           QStringLiteral("Du hast gewonnen."));
            else
                RitaLovord(QStringLiteral("Schade,"), SpelarNamn[1] + QLatin1Char('.'),
                           QStringLiteral("Du hast gegen den Computer verloren."));
        }
    }
    visaLaget();
    AvbrytButton->setFocus();
}

void TFalska::Button3Click()
{
    stoppaLjud();
    stangFonstret();
}

void TFalska::keyPressEvent(QKeyEvent *e)
{
    e->accept();
    const int key = e->key();
    if (!m_namnKlart) {
        if (key == Qt::Key_Escape)
            Button3Click();
        return;
    }
    if (key == Qt::Key_Escape) {
        if (m_cykel.slutpanelen())
            Button3Click(); // "&Abbrechen" is the cancel button
        else
            visaEscapepanel();
        return;
    }
    if (m_cykel.slutpanelen())
        return;
    if (key >= Qt::Key_0 && key <= Qt::Key_5 && !(e->modifiers() & (Qt::AltModifier | Qt::ControlModifier))) {
        SvaraAntal(key - Qt::Key_0);
    } else if (key == Qt::Key_N) {
        NextButtonClick();
    } else if (key == Qt::Key_H) {
        if (horaErbjuds() && HoraButton->isEnabled() && LjudPost != 0)
            Ljudet();
    }
}

bool TFalska::eventFilter(QObject *o, QEvent *e)
{
    if (o == Edit1 && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            NamnKlart();
            return true;
        }
        if (key == Qt::Key_Escape) {
            Button3Click();
            return true;
        }
    }
    return TSKRIV::eventFilter(o, e);
}

void TFalska_Visa()
{
    TFalska w;
    w.FormCreate();
    w.exec();
}
