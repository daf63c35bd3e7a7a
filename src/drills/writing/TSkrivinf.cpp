#include "drills/writing/TSkrivinf.h"

#include "frame/Ovningsrunda.h"
#include "frame/TAster.h"
#include "frame/answercheck.h"
#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/scale.h"
#include "platform/DesignTimer.h"
#include "platform/ShapeWidget.h"

#include <QKeyEvent>

#include <algorithm>
#include <initializer_list>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

using namespace Ovningsrunda;

namespace {

const QColor kNavy(0, 0, 128);
const QColor kGreen(0, 128, 0);
const QColor kMaroon(128, 0, 0);
const QColor kOlive(128, 128, 0);
const QColor kBlue(0, 0, 255);
const QColor kLime(0, 255, 0);
const QColor kRed(255, 0, 0);

bool finns(quint16 tal, std::initializer_list<quint16> lista)
{
    return std::find(lista.begin(), lista.end(), tal) != lista.end();
}

// The diagnosis files of this window: no lamp and no help button.
bool arDiagnosFil(quint16 tal)
{
    return finns(tal, {7, 8, 11, 12, 17, 107, 108, 111, 112, 117});
}

} // namespace

TSkrivinf::TSkrivinf(QWidget *parent)
    : TSKRIV(parent)
{
    setObjectName(QStringLiteral("Skrivinf"));
    const quint16 tal = GeProgramtal(DataFilNamn);
    Meningsfalt = (tal == 17 || tal == 117) ? 1 : 2;
    LampTillaten = arDiagnosFil(tal) ? 0 : 1;

    // A gap-filling worksheet always carries the same instruction.
    UtskriftRubrik = OvningsRubrik[1].left(80);
    UtskriftInstruktion = QStringLiteral("Übersetzt den Text zwischen < und >!");

    auto etikett = [this](const char *name) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setFont(Label9->font());
        l->hide();
        return l;
    };
    Label3 = etikett("Label3");
    Label11 = etikett("Label11");
    Label12 = etikett("Label12");
    Label13 = etikett("Label13");
    Label14 = etikett("Label14");
    Label15 = etikett("Label15");
    Label17 = etikett("Label17");
    Label16->setFont(Label9->font());
    for (QLabel *l : {Label16, Label17})
        fargRoller(l, {QPalette::WindowText, QPalette::Text}, kOlive);
    for (QLabel *l : {Label9, Label10, Label11, Label12, Label13, Label14, Label15})
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    Helpknapp1->setObjectName(QStringLiteral("HelpKnapp1"));
    Helpknapp1->setText(QStringLiteral("&Hilfe"));
    BitBtn1->setObjectName(QStringLiteral("Button4"));
    lampknapp->setToolTip(QStringLiteral("Fehleranzeige."));

    // The gap boxes: borderless, white, green letters.
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setFont(Edit1->font());
    Edit2->setContextMenuPolicy(Qt::CustomContextMenu);
    Edit2->installEventFilter(this);
    connect(Edit2, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { PopupMenu1->popup(Edit2->mapToGlobal(p)); });
    for (QLineEdit *e : {Edit1, Edit2}) {
        e->setFrame(false);
        QPalette p = e->palette();
        p.setColor(QPalette::Base, Qt::white);
        p.setColor(QPalette::Text, kGreen);
        e->setPalette(p);
        e->hide();
    }

    // The second gap's box colours the lamp as the first one does.
    connect(Edit2, &QLineEdit::textChanged, this, &TSkrivinf::fargaLampan);
}

void TSkrivinf::Edit1Change()
{
    fargaLampan();
}

void TSkrivinf::Helpknapp1Click()
{
    HelpKnapp1Click();
}

void TSkrivinf::LampknappClick()
{
    TSKRIV::LampknappClick();
    // The lamp stands at the open gap, and that gap's box takes the focus.
    placeraLampan();
    fargaLampan();
    if (LuckNummer < qMax(LuckAntal, 1)) {
        QLineEdit *e = aktivtSvar();
        e->show();
        e->setEnabled(true);
        e->setFocus();
    }
}

void TSkrivinf::Button2Click()
{
    TSKRIV::Button2Click();
    efterAvbrott();
}

void TSkrivinf::BitBtn1Click()
{
    TSKRIV::BitBtn1Click();
    efterAvbrott();
}

void TSkrivinf::visaRattelse()
{
    // Each gap showed its correction when it was answered.
}

void TSkrivinf::LetaPrep(const QString &rad)
{
    ::LetaPrep(rad);
    LuckDelar = PrepDelar;
}

quint8 TSkrivinf::RaknaLuckor(const QString &rad)
{
    return quint8(qMin<qsizetype>(rad.count(QChar(u'<')), 255));
}

void TSkrivinf::nolla_labeller()
{
    // The template has hidden the help buttons before the item's hints were
    // counted; they stay as the hint count left them.
    for (QLabel *l : {Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10, Label11, Label12,
                      Label13, Label14, Label15, Label16, Label17}) {
        l->clear();
        l->hide();
    }
    for (QLineEdit *e : {Edit1, Edit2}) {
        e->clear();
        e->hide();
        e->setEnabled(false);
    }
    LuckNummer = 0;
    ForstaLuckaRatt = 0;
    for (int k = 1; k <= 2; ++k) {
        m_svar[k].clear();
        m_efter[k] = nullptr;
        m_radTop[k] = 0;
        m_radSlut[k] = 0;
    }
    m_hjalpVidAvbrott = false;
}

QString TSkrivinf::luckSvar(int k) const
{
    return (k == 1 || k == 2) ? m_svar[k] : QString();
}

quint16 TSkrivinf::kontrollera(const QString &svar) const
{
    return svarstest(luckSvar(qMin(LuckNummer + 1, 2)), svar, 1);
}

bool TSkrivinf::visarFastRad() const
{
    return finns(Programtal, {7, 8, 17, 107, 108, 117});
}

void TSkrivinf::raknaLedtradar()
{
    // The fields up to the first empty one, less the alternatives and the
    // sentences.
    int n = 0;
    while (n < int(AntalFalt) && !PostFalt[n + 1].isEmpty())
        ++n;
    int antal = n - int(AntalAlternativ) - Meningsfalt;
    if (arDiagnosFil(Programtal))
        antal = 0;
    HjalpAntal = quint8(qBound(0, antal, 255));
    AntalLedtradar = HjalpAntal;
    NastaHjalp = 0;
}

bool TSkrivinf::harLedtradsknapp() const
{
    return (HjalpAntal == 1 || HjalpAntal == 2) && OvningsLage != DiagnosTest && OvningsLage != Arbetsblad;
}

void TSkrivinf::visaLedtradar()
{
    if (harLedtradsknapp()) {
        Helpknapp1->show();
        NastaHjalp = 1;
    }
}

bool TSkrivinf::harRegelknapp() const
{
    return finns(Programtal, {51210, 51220, 51450, 51460, 51480, 52500, 54100, 54400, 54600, 54800, 56220,
                              56230, 56240, 56250, 56570, 56720, 56760, 56770, 56800});
}

QString TSkrivinf::regelknappText() const
{
    return harSvenskaKnappar() ? QStringLiteral("&Regel") : QStringLiteral("&Regeln");
}

bool TSkrivinf::harSvenskaKnappar() const
{
    return Programtal == 56720 || Programtal == 56760;
}

bool TSkrivinf::harInstallningar() const
{
    return OvningsLage == Ovning || OvningsLage == Arbetsblad;
}

QLineEdit *TSkrivinf::aktivtSvar() const
{
    return (LuckNummer >= 1 && LuckAntal >= 2) ? Edit2 : Edit1;
}

int TSkrivinf::radHojd() const
{
    return Label9->fontMetrics().height();
}

void TSkrivinf::placeraKnappraden()
{
    // The buttons stand below the tallest item: two lines of lead sentence,
    // two of gap sentence and two hint lines.
    const int h = radHojd();
    const int botten = InstruktionsLabel->y() + 2 * h + h * 3 / 2 + 2 * h + 2 * h + 2 * h + h * 3 / 2 + h;
    lampknapp->move(lampknapp->x(), qMax(lampknapp->y(), botten + h / 2));
}

int TSkrivinf::laggUtRad(const QString &rad, int y, bool ledmening, QList<QLabel *> &lediga)
{
    int x = InstruktionsLabel->x();
    const int hojd = ledmening ? radHojd() : qMax(radHojd(), Edit1->sizeHint().height());
    auto text = [&](const QString &t, const QColor &c) -> QLabel * {
        if (t.isEmpty() || lediga.isEmpty())
            return nullptr;
        QLabel *l = lediga.size() > 1 ? lediga.takeFirst() : lediga.first();
        if (!l->text().isEmpty()) {
            // more pieces than labels: the rest joins the last one
            sattText(l, l->text() + t);
            l->resize(l->width(), hojd);
            x = l->x() + l->width();
            return l;
        }
        fargRoller(l, {QPalette::WindowText, QPalette::Text}, c);
        sattText(l, t);
        l->setGeometry(x, y, l->width(), hojd);
        l->show();
        x += l->width();
        return l;
    };

    const int markningar = RaknaLuckor(rad);
    if (markningar == 0) {
        text(rad, kNavy);
        return x;
    }
    LetaPrep(rad);
    text(LuckDelar[1], kNavy);
    QList<int> radensLuckor;
    for (int j = 1; j <= qMin(markningar, 2); ++j) {
        const QString ord = LuckDelar[2 * j];
        int k = 0;
        if (ledmening) {
            text(ord, kGreen);
        } else {
            // Gaps are numbered through the whole sentence, so a second gap
            // on the second line is gap 2.
            k = m_placerade < 2 ? ++m_placerade : 0;
            if (k == 0) {
                text(ord, kNavy);
            } else {
                m_svar[k] = ord;
                QLineEdit *e = luckEdit(k);
                QLabel *svar = luckEtikett(k);
                sattText(svar, ord);
                svar->hide();
                e->setMaxLength(int(ord.size()) + 10);
                e->setGeometry(x, y, svar->width() + fontMetrics().horizontalAdvance(QStringLiteral("ww")), hojd);
                x += e->width();
                m_radTop[k] = y;
                radensLuckor << k;
            }
        }
        QLabel *efter = text(LuckDelar[2 * j + 1], kNavy);
        if (k != 0)
            m_efter[k] = efter;
    }
    for (int k : radensLuckor)
        m_radSlut[k] = x;
    return x;
}

void TSkrivinf::visaArbetsbladsrad()
{
    // The preview of a worksheet item: the gap sentence as stored.
    NastaHjalp = 0;
    for (QWidget *w : {static_cast<QWidget *>(Aster1), static_cast<QWidget *>(lampknapp),
                       static_cast<QWidget *>(LampShape), static_cast<QWidget *>(Helpknapp1),
                       static_cast<QWidget *>(regelknapp)})
        w->hide();
    const bool medLed = Meningsfalt == 2 && !postFalt(2).isEmpty();
    dela_mening(InstruktionsLabel->x(), width() - Aster1->width() - 2 * Marginal,
                medLed ? postFalt(2) : postFalt(1), 2, Label9->font());
    fargRoller(Label9, {QPalette::WindowText, QPalette::Text}, kBlue);
    sattText(Label9, MeningsRader[1]);
    Label9->move(InstruktionsLabel->x(), skala(225));
    Label9->show();
    fargRoller(Label10, {QPalette::WindowText, QPalette::Text}, kNavy);
    sattText(Label10, MeningsRader[2]);
    Label10->move(InstruktionsLabel->x(), skala(260));
    Label10->setVisible(!MeningsRader[2].isEmpty());
}

void TSkrivinf::visaFragan()
{
    nolla_labeller();
    FrageLabel1->hide();
    FrageLabel2->hide();
    if (ForstaPost == 1)
        placeraKnappraden();

    const bool medLed = Meningsfalt == 2 && !postFalt(2).isEmpty();
    const QString mening = medLed ? postFalt(2) : postFalt(1);
    LedLuckor = medLed ? RaknaLuckor(postFalt(1)) : 0;
    LuckAntal = qMin(int(RaknaLuckor(mening)), 2);
    if (OvningsLage == Arbetsblad) {
        visaArbetsbladsrad();
        return;
    }

    const int vanster = InstruktionsLabel->x();
    const int hoger = width() - Aster1->width() - 2 * Marginal;
    const int h = radHojd();
    int y = InstruktionsLabel->y() + 2 * h;
    if (medLed) {
        QList<QLabel *> led{Label3, Label4, Label5, Label6, Label7, Label8};
        dela_mening(vanster, hoger, postFalt(1), 2, Label9->font());
        const QString rad2 = MeningsRader[2];
        laggUtRad(MeningsRader[1], y, true, led);
        if (!rad2.isEmpty()) {
            y += h * 3 / 2;
            laggUtRad(rad2, y, true, led);
        }
        y += 2 * h;
    }

    QList<QLabel *> luck{Label9, Label10, Label11, Label12, Label13};
    m_placerade = 0;
    // A gap's box is wider than its word with the marks "<" ">" that the
    // wrap measures: the line keeps room for that difference.
    const int boxTillagg = qMax(0, fontMetrics().horizontalAdvance(QStringLiteral("ww"))
                                       - QFontMetrics(Label9->font()).horizontalAdvance(QStringLiteral("<>")));
    dela_mening(vanster, hoger - LuckAntal * boxTillagg, mening, 2, Label9->font());
    const QString rad2 = MeningsRader[2];
    int slut = laggUtRad(MeningsRader[1], y, false, luck);
    if (!rad2.isEmpty()) {
        y += 2 * h;
        slut = laggUtRad(rad2, y, false, luck);
    }
    if (LuckAntal == 0) {
        // A sentence without marks: the box follows it and takes any answer
        // as wrong, so the item still ends.
        Edit1->setGeometry(slut + fontMetrics().horizontalAdvance(QLatin1Char(' ')), y,
                           fontMetrics().horizontalAdvance(QStringLiteral("wwwwww")), Edit1->sizeHint().height());
        m_radTop[1] = y;
        m_radSlut[1] = Edit1->x() + Edit1->width();
    }

    // Hint lines under the sentence.
    Label16->move(vanster, y + 2 * h);
    Label17->move(vanster, Label16->y() + h * 3 / 2);
    if (visarFastRad()) {
        sattText(Label16, postFalt(3));
        Label16->show();
    } else if (NastaHjalp > 0) {
        sattText(Label16, postFalt(Meningsfalt + 1));
        if (HjalpAntal == 2)
            sattText(Label17, postFalt(Meningsfalt + 2));
    }

    // The second box waits for its turn.
    Edit2->setVisible(LuckAntal == 2);
    Edit2->setEnabled(false);

    if (lampanLyser()) {
        placeraLampan();
        fargaLampan();
    } else {
        lampknapp->setVisible(lampaTillaten() && OvningsLage != DiagnosTest);
    }
}

void TSkrivinf::placeraLampan()
{
    const int k = qMin(LuckNummer + 1, qMax(LuckAntal, 1));
    LampShape->move(m_radSlut[k] + Marginal, m_radTop[k]);
    LampShape->raise();
}

void TSkrivinf::fargaLampan()
{
    if (!lampanLyser())
        return;
    const int k = qMin(LuckNummer + 1, qMax(LuckAntal, 1));
    LampShape->setBrushColor(GreenRedTest(luckEdit(k)->text(), m_svar[k]) == LampaGron ? kLime : kRed);
}

void TSkrivinf::HelpKnapp1Click()
{
    if (NastaHjalp == 2)
        m_cykel.visaAndraLedtraden();
    else
        m_cykel.visaForstaLedtraden();
    if (NastaHjalp == 2)
        Helpknapp1->hide();
    (NastaHjalp == 1 ? Label16 : Label17)->show();
    if (HjalpAntal == 1)
        Helpknapp1->setEnabled(false);
    else if (NastaHjalp < 0xFF)
        ++NastaHjalp;
    // The gap box of the answer is enabled while it stands in its gap.
    QLineEdit *e = aktivtSvar();
    if (e->isEnabled())
        e->setFocus();
}

void TSkrivinf::luckaEnter(QLineEdit *edit)
{
    const int antal = qMax(LuckAntal, 1);
    const int k = LuckNummer + 1;
    if (k > antal || edit != luckEdit(k) || !edit->isEnabled() || rundanSlut())
        return;
    if (OvningsLage == Ovning && antal == 1)
        lampknapp->setEnabled(false);
    const quint16 r = kontrollera(edit->text());
    LuckNummer = k;

    // The answer takes the place of the box: the typed word in green, or the
    // right one in maroon.
    QLabel *svar = luckEtikett(k);
    edit->hide();
    edit->setEnabled(false);
    if (r != 0) {
        regelknapp->setEnabled(false);
        fargRoller(svar, {QPalette::WindowText, QPalette::Text}, kMaroon);
        sattText(svar, m_svar[k]);
    } else {
        fargRoller(svar, {QPalette::WindowText, QPalette::Text}, kGreen);
        sattText(svar, edit->text());
        if (k == 1)
            ForstaLuckaRatt = 1;
    }
    svar->setGeometry(edit->x(), edit->y(), svar->width(), edit->height());
    svar->show();
    if (QLabel *efter = m_efter[k];
        efter && (efter->text() == QLatin1String(".") || efter->text() == QLatin1String("?")))
        efter->move(svar->x() + svar->width() + skala(5), efter->y());

    if (k < antal) {
        Edit2->show();
        Edit2->setEnabled(true);
        Edit2->setFocus();
        if (lampanLyser()) {
            placeraLampan();
            fargaLampan();
        }
        return;
    }

    setFocus(); // keys now reach the window: Space ends the pause
    // The item counts right only when every gap was right; the pause follows
    // a wrong last gap (a wrong first gap was on screen already).
    efterSvaret(r == 0 && (antal < 2 || ForstaLuckaRatt == 1), r != 0);
}

void TSkrivinf::luckaEscape()
{
    if (!m_cykel.avbryt())
        return;
    visaSlutpanelen();
    m_cykel.slackLampan();
    LampShape->hide();
    aktivtSvar()->setEnabled(false);
    // The help button stands while a hint is left to show, for an item
    // that waits for its answer.
    m_hjalpVidAvbrott = !m_cykel.postBesvarad() && (NastaHjalp == 1 || NastaHjalp == 2);
    Helpknapp1->hide();
    HelpKnapp2->hide();
}

void TSkrivinf::efterAvbrott()
{
    // The round goes on with the item on screen: its box takes the focus
    // (also where the settings dialog is not offered) and its help button
    // comes back.
    if (m_cykel.slutpanelen() || rundanSlut() || OvningsLage == Arbetsblad)
        return;
    aktivtSvar()->setEnabled(true);
    aktivtSvar()->setFocus();
    if (m_hjalpVidAvbrott)
        Helpknapp1->show();
    m_hjalpVidAvbrott = false;
}

bool TSkrivinf::eventFilter(QObject *o, QEvent *e)
{
    if ((o == Edit1 || o == Edit2) && e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            luckaEnter(static_cast<QLineEdit *>(o));
            return true;
        }
        if (k->key() == Qt::Key_Escape) {
            luckaEscape();
            return true;
        }
    }
    return TSKRIV::eventFilter(o, e);
}

QList<TUtskrift::Rad> TSkrivinf::arbetsbladAvsnitt()
{
    // Title and instruction were set at creation; the instruction line has
    // no colon.
    return ArbetsbladsLage::avsnitt(UtskriftInstruktion.isEmpty()
                                        ? QString()
                                        : QStringLiteral("      ") + UtskriftInstruktion.left(86));
}

QString TSkrivinf::luckRad(const QString &indrag, const QString &rad, const QString &tecken)
{
    const int luckor = RaknaLuckor(rad);
    if (luckor == 0)
        return indrag + rad;
    LetaPrep(rad);
    const auto blank = [](const QString &svar, const QString &t) {
        return QStringLiteral(" _") + t.repeated(svar.size()) + QStringLiteral("_ ");
    };
    if (luckor == 1)
        return indrag + LuckDelar[1] + blank(LuckDelar[2], QStringLiteral("_")) + LuckDelar[3];
    return indrag + LuckDelar[1] + blank(LuckDelar[2], tecken) + LuckDelar[3] + blank(LuckDelar[4], tecken)
        + LuckDelar[5];
}

QList<TUtskrift::Rad> TSkrivinf::arbetsbladUppgift(const QString &prefix, bool franKlart)
{
    using K = TUtskrift::RadKlass;
    const QString indrag(7, QLatin1Char(' '));
    const QString tecken = franKlart ? QStringLiteral("__") : QStringLiteral("_");
    QList<TUtskrift::Rad> rader;

    // Without a lead sentence the gap sentence is the task itself: the
    // sheet must not give its answers away.
    const bool medLed = Meningsfalt == 2 && !postFalt(2).isEmpty();
    if (medLed) {
        dela_mening(20, 700, postFalt(1), 2);
        const QString rad1 = prefix + MeningsRader[1];
        rader.append({K::Uppgift, rad1, rad1});
        if (!MeningsRader[2].isEmpty())
            rader.append({K::Fortsattning, indrag + MeningsRader[2], indrag + MeningsRader[2]});
    }
    dela_mening(20, 700, medLed ? postFalt(2) : postFalt(1), 2);
    const QStringList luckRader{MeningsRader[1], MeningsRader[2]};
    for (int i = 0; i < luckRader.size(); ++i) {
        const QString &rad = luckRader[i];
        if (rad.isEmpty())
            continue;
        const bool forst = !medLed && i == 0;
        const QString borjan = forst ? prefix : indrag;
        rader.append({forst ? K::Uppgift : K::Fortsattning, luckRad(borjan, rad, tecken), borjan + rad});
    }
    return rader;
}

void TSkrivinf_Visa()
{
    TSkrivinf w;
    w.FormCreate();
    w.exec();
}
