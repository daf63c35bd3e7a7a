#include "drills/grammar/TFLERBAR.h"

#include "drills/grammar/panelmus.h"
#include "frame/Ovningsrunda.h"
#include "frame/TAster.h"
#include "frame/answercheck.h"
#include "frame/fields.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/DesignTimer.h"
#include "platform/MessageBox.h"
#include "platform/ShapeWidget.h"
#include "results/diagnoskoppling.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

using namespace Ovningsrunda;

namespace {

// Lines and panels that the program places itself, in pixels.
constexpr int RadVanster = 30;
constexpr int RegelVanster = 50;

int radHojd(const QWidget *w)
{
    return w->fontMetrics().height();
}

// The top of the line one step below w.
int stegUnder(const QWidget *w)
{
    return w->y() + 3 * radHojd(w) / 2;
}

int hogerKant(const QLabel *l)
{
    return l->x() + l->fontMetrics().horizontalAdvance(l->text());
}

const QColor kPanelFarg = bgrFarg(0x00FF80);
const QColor kGul = bgrFarg(0x00FFFF);
const QColor kNavy = bgrFarg(0x800000);
const QColor kMaroon = bgrFarg(0x000080);
const QColor kBla = bgrFarg(0xFF0000);

} // namespace

TFLERBAR::TFLERBAR(QWidget *parent)
    : TSKRIV(parent)
{
    setObjectName(QStringLiteral("FLERBAR"));
    Escapepanel = Panel1;
    Escapepanel->setObjectName(QStringLiteral("Escapepanel"));
    // Nothing is typed here: no answer box and no lamp.
    Edit1->hide();
    Edit1->setEnabled(false);
    lampknapp->hide();
    LampShape->hide();
    sattText(InstruktionsLabel, QStringLiteral(" Mit der Maus wählen, bitte. "));

    for (QLabel *l : {Label4, Label5, Label6, Label8})
        l->setFont(skaladArialPunkter(22));
    textfarg(Label4, kNavy);
    textfarg(Label5, kBla);
    textfarg(Label6, kNavy);
    textfarg(Label8, kNavy);
    KorrektSvarLabel = new QLabel(this);
    KorrektSvarLabel->setObjectName(QStringLiteral("KorrektSvarLabel"));
    KorrektSvarLabel->setFont(skaladArialPunkter(22));
    textfarg(KorrektSvarLabel, kMaroon);
    KorrektSvarLabel->hide();
    EfterdelLabel = new QLabel(this);
    EfterdelLabel->setObjectName(QStringLiteral("EfterdelLabel"));
    EfterdelLabel->setFont(skaladArialPunkter(22));
    textfarg(EfterdelLabel, kNavy);
    EfterdelLabel->hide();
    Label9->move(RegelVanster, Label9->y());
    Label10->move(RegelVanster, Label10->y());

    byggOrdpaneler();

    AntalSvarsord = HittaprepparFil(DataFilNamn, Svarsord);
    const Radindelning r = radindelning(AntalSvarsord);
    AntalRader = r.AntalRader;
    ForstaRadensAntal = r.ForstaRadensAntal;
    FragaText = fragaText(Svarsord, AntalSvarsord);
}

TFLERBAR::~TFLERBAR() = default;

void TFLERBAR::byggOrdpaneler()
{
    Svarspanel = new QFrame(this);
    Svarspanel->setObjectName(QStringLiteral("Panel1"));
    Svarspanel->move(RadVanster, Svarspanel->y());
    for (int k = 1; k <= MaxSvarsord; ++k) {
        auto *p = new QLabel(Svarspanel);
        p->setObjectName(QStringLiteral("Panel%1").arg(k + 1));
        p->setFont(skaladArial(19));
        p->setAlignment(Qt::AlignCenter);
        p->setAutoFillBackground(true);
        p->setMouseTracking(true);
        p->resize(skala(34), skala(32));
        p->installEventFilter(this);
        p->hide();
        OrdPanel[k] = p;
    }
    markera(0);
}

QList<QLabel *> TFLERBAR::meningensEtiketter() const
{
    return {Label4, Label5, Label6, Label8, KorrektSvarLabel, EfterdelLabel};
}

void TFLERBAR::passaMeningen(const QString &andraRaden)
{
    // The gap row with the longest word it can show in its gap, and the
    // sentence's other line, must end before the score squares; a sentence
    // too long for that is drawn smaller, all its lines alike.
    const int rum = Aster1->x() - Marginal / 2 - RadVanster;
    QStringList gap{QStringLiteral("?"), PrepDelar[2]};
    for (qint32 k = 1; k <= AntalSvarsord; ++k)
        gap << Svarsord[k + SvarsordBas];
    QFont f = Label4->font();
    auto langst = [&](const QFont &font) {
        const QFontMetrics fm(font);
        int ord = 0;
        for (const QString &g : std::as_const(gap))
            ord = qMax(ord, fm.horizontalAdvance(g) + fm.averageCharWidth());
        const int rad = fm.horizontalAdvance(PrepDelar[1]) + ord + fm.horizontalAdvance(PrepDelar[3])
                        + 2 * fm.averageCharWidth();
        return qMax(rad, fm.horizontalAdvance(andraRaden) + fm.averageCharWidth());
    };
    while (langst(f) > rum && f.pointSize() > 8)
        f.setPointSize(f.pointSize() - 1);
    if (f == Label4->font())
        return;
    for (QLabel *l : meningensEtiketter())
        l->setFont(f);
    ordText(Label8, Label8->text());
}

void TFLERBAR::ordText(QLabel *label, const QString &text)
{
    label->setText(text);
    const QFontMetrics fm = label->fontMetrics();
    // a little wider than the text, so that no letter is clipped; the next
    // label of the row starts where the text ends
    label->resize(fm.horizontalAdvance(text) + fm.averageCharWidth(), fm.height());
}

void TFLERBAR::markera(int k)
{
    for (int i = 1; i <= MaxSvarsord; ++i)
        markeraPanel(OrdPanel[i], i == k, kGul, kPanelFarg);
}

QString TFLERBAR::panelOrd(int panel) const
{
    const int k = panel - 1;
    if (k < 1 || k > MaxSvarsord)
        return QString();
    return Svarsord[k + SvarsordBas];
}

QString TFLERBAR::fragaFalt() const
{
    return postFalt(1);
}

QString TFLERBAR::svarFalt() const
{
    return m_svar;
}

quint16 TFLERBAR::kontrollera(const QString &svar) const
{
    // A panel shows at most SvarsordLangd letters of a word; the word it
    // shows stands for the answer.
    return svarstest(kortad(m_svar, SvarsordLangd), svar, 1);
}

void TFLERBAR::raknaLedtradar()
{
    AntalLedtradar = 0;
}

void TFLERBAR::visaFragan()
{
    KorrektSvarLabel->clear();
    KorrektSvarLabel->hide();
    EfterdelLabel->clear();
    EfterdelLabel->hide();
    FrageLabel1->clear();
    FrageLabel2->clear();

    const QString mening = postFalt(1);
    LetaPrep(mening);
    m_svar = PrepDelar[2];
    for (QLabel *l : meningensEtiketter())
        l->setFont(skaladArialPunkter(22));

    InstruktionsLabel->move(InstruktionsLabel->x(), OverskriftYtterShape->y() + OverskriftYtterShape->height() + 4);
    FrageLabel2->move(RadVanster, stegUnder(InstruktionsLabel));
    FrageLabel1->move(RadVanster, stegUnder(FrageLabel2));
    int radTopp = stegUnder(FrageLabel1);

    dela_mening(FrageLabel2->x(), skarmStorlek().width() - Aster1->width() - 2 * Marginal, mening, 2, Label4->font());
    QString gapRad = mening;
    QString andraRaden; // the sentence's line without the gap
    QWidget *sistaRaden = Label4;
    if (!MeningsRader[2].isEmpty()) {
        if (MeningsRader[1].contains(QLatin1Char('<'))) {
            gapRad = MeningsRader[1];
            ordText(Label8, MeningsRader[2]);
            Label8->move(RadVanster, radTopp + 3 * radHojd(Label4) / 2);
        } else {
            ordText(Label8, MeningsRader[1]);
            Label8->move(RadVanster, radTopp);
            radTopp = stegUnder(Label8);
            gapRad = MeningsRader[2];
        }
        Label8->show();
        andraRaden = Label8->text();
        if (Label8->y() > radTopp)
            sistaRaden = Label8;
    }

    LetaPrep(gapRad);
    SvarsordBas = svarsordBas(m_svar);
    passaMeningen(andraRaden);
    ordText(Label4, PrepDelar[1]);
    ordText(Label5, QStringLiteral("?"));
    ordText(Label6, PrepDelar[3]);
    ordText(KorrektSvarLabel, PrepDelar[2]);
    ordText(EfterdelLabel, PrepDelar[3]);

    // The options below the sentence, never over its lines.
    const int sistaKant = (sistaRaden == Label8 ? Label8->y() : radTopp) + radHojd(Label4);
    Svarspanel->move(RadVanster,
                     qMax(FrageLabel1->y() + 5 * radHojd(FrageLabel1), sistaKant + Marginal / 2));

    const QFontMetrics fm = OrdPanel[1]->fontMetrics();
    QList<int> bredder;
    for (qint32 k = 1; k <= AntalSvarsord; ++k)
        bredder.append(fm.horizontalAdvance(Svarsord[k + SvarsordBas]));
    const Panellayout l = panellayout(bredder, fm.horizontalAdvance(QStringLiteral("n")),
                                      fm.horizontalAdvance(QStringLiteral("AA")), skala(32), Marginal);
    for (int k = 1; k <= MaxSvarsord; ++k) {
        QLabel *p = OrdPanel[k];
        if (k > AntalSvarsord) {
            PanelBredd[k] = 0;
            PanelVanster[k] = 0;
            p->hide();
            continue;
        }
        const Panelplats &plats = l.paneler[k - 1];
        PanelBredd[k] = plats.bredd;
        PanelVanster[k] = plats.vanster;
        p->setText(Svarsord[k + SvarsordBas]);
        p->setGeometry(plats.vanster, plats.topp, plats.bredd, skala(32));
        p->show();
    }
    Svarspanel->resize(l.bredd, l.hojd);
    markera(0);

    Label4->move(RadVanster, radTopp);
    Label5->move(hogerKant(Label4), radTopp);
    Label6->move(hogerKant(Label5), radTopp);
    KorrektSvarLabel->move(Label5->pos());
    EfterdelLabel->move(hogerKant(KorrektSvarLabel), radTopp);
    FrageLabel1->show();
    Label4->show();
    Label5->show();
    Label6->show();
    Svarspanel->show();
    Svarspanel->raise();

    if (OvningsLage == Arbetsblad)
        MaxOrdLangd = quint8(qMin(255, maxOrdLangd(Svarsord, AntalSvarsord)));
    else
        setFocus(); // keys reach the window: Space, Esc
    efterCykeln();
}

void TFLERBAR::efterCykeln()
{
    // The options answer only while an item is asked: not in its pause,
    // not under the pause panel, not after the round.
    Svarspanel->setEnabled(svarTas());
}

void TFLERBAR::RaettTest(int panel, int knapp)
{
    const int k = panel - 1;
    if (k < 1 || k > AntalSvarsord || !svarTas())
        return;
    if (knapp == 1) {
        // A right click ends a test as "Abbrechen" does; elsewhere it pauses
        // the round as Esc does.
        if (OvningsLage == DiagnosTest)
            Button3Click();
        else
            avbrytRundan();
        return;
    }
    setFocus();
    FelVisas = 0;
    bedomSvaret(kontrollera(panelOrd(panel)));
}

void TFLERBAR::visaRattelse()
{
    Label5->hide();
    Label6->hide();
    Svarspanel->hide();
    FelVisas = 1;
    KorrektSvarLabel->show();
    EfterdelLabel->show();
    if (Programtal == 51100)
        visaGenusRegel();
}

void TFLERBAR::visaGenusRegel()
{
    const Genusregel g = genusRegel(postFalt(2));
    sattText(Label9, g.rad1);
    sattText(Label10, g.rad2);
    Label9->move(RegelVanster, Svarspanel->y());
    Label10->move(RegelVanster, Label9->y() + 6 * radHojd(Label9) / 5);
    Label9->show();
    Label10->show();
}

void TFLERBAR::PanelMouseMove(int panel)
{
    const int k = panel - 1;
    if (k < 1 || k > AntalSvarsord || !svarTas())
        return;
    markera(k);
    if (FelVisas == 0) {
        ordText(Label5, panelOrd(panel));
        Label6->move(hogerKant(Label5), Label6->y());
    }
    FelVisas = 0;
}

void TFLERBAR::Avslutning()
{
    TSKRIV::Avslutning();
    // the round is over: nothing to answer until the next one
    Svarspanel->hide();
}

void TFLERBAR::Button3Click()
{
    // A good round of diagnosis practice left by "Abbrechen" counts as one
    // of the two in a row; after the second the area is ready for its test,
    // and the window closes without reporting one.
    if (godOvningsrunda()) {
        if (DiagOvningNr != 0) {
            omradetOvat(0);
            stangFonstret();
            return;
        }
        DiagOvningNr = 1;
    }
    TSKRIV::Button3Click();
}

void TFLERBAR::escPaSlutpanelen()
{
    // Esc twice leaves without a result.
    if (OvningsLage >= DiagnosTest)
        aktiveraProtokollet();
    stangFonstret();
}

void TFLERBAR::mousePressEvent(QMouseEvent *e)
{
    e->accept();
    if (e->button() == Qt::RightButton && OvningsLage != Arbetsblad)
        avbrytRundan();
}

bool TFLERBAR::eventFilter(QObject *o, QEvent *e)
{
    if (const int panel = panelNummer(o, OrdPanel);
        panel && panelMus(e, panel, [this](int n) { PanelMouseMove(n); },
                          [this](int n, int knapp) { RaettTest(n, knapp); }))
        return true;
    return TSKRIV::eventFilter(o, e);
}

void TFLERBAR::arbetsbladStart()
{
    TSKRIV::arbetsbladStart();
    UtskriftRubrik = ArbetsbladsLage::avsnittsRubrik();
    UtskriftInstruktion = kortad(versalForst(FragaText), KortStrang);
}

QList<TUtskrift::Rad> TFLERBAR::arbetsbladAvsnitt()
{
    // The word list as the instruction, without a colon, indented one blank
    // less when the teacher picks the items one by one.
    const bool klart = arbetsblad() && arbetsblad()->franKlart();
    return ArbetsbladsLage::avsnitt(UtskriftInstruktion.isEmpty()
                                        ? QString()
                                        : QString(klart ? 6 : 5, QLatin1Char(' ')) + UtskriftInstruktion);
}

QList<TUtskrift::Rad> TFLERBAR::arbetsbladUppgift(const QString &prefix, bool)
{
    using K = TUtskrift::RadKlass;
    dela_mening(20, 650, postFalt(1), 2);
    const QStringList delar{MeningsRader[1], MeningsRader[2]};
    const QString lucka = QStringLiteral("__").repeated(MaxOrdLangd);
    QList<TUtskrift::Rad> rader;
    for (int i = 0; i < delar.size(); ++i) {
        const QString &rad = delar[i];
        if (rad.isEmpty())
            continue;
        const QString borjan = i == 0 ? prefix : QString(7, QLatin1Char(' '));
        QString blad = borjan + rad;
        if (rad.contains(QLatin1Char('<'))) {
            LetaPrep(rad);
            blad = borjan + PrepDelar[1] + lucka + PrepDelar[3];
        }
        rader.append({i == 0 ? K::Uppgift : K::Fortsattning, blad, borjan + rad});
    }
    return rader;
}

void TFLERBAR_Visa()
{
    TFLERBAR w;
    if (w.AntalSvarsord == 0) {
        MessageBox::showMessage(QStringLiteral("Filen ") + DataFilNamn + QStringLiteral(" finns inte eller är felaktig"));
        return;
    }
    w.FormCreate();
    w.exec();
}
