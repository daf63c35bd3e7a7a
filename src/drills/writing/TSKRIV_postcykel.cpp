// The item cycle of the typed-answer window: showing an item, the answer and
// the one way on from it (count, queue, squares, pause, next item or round
// end), the pauses and their keys, hints, the live lamp, German letters and
// the rules button. The state lives in the Postcykel; what is here shows it.

#include "drills/writing/TSKRIV.h"

#include "frame/Ovningsrunda.h"
#include "frame/TAster.h"
#include "frame/TRegler.h"
#include "frame/answercheck.h"
#include "frame/fields.h"
#include "frame/regelsidor.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/DesignTimer.h"
#include "platform/ShapeWidget.h"
#include "results/diagnoskoppling.h"
#include "results/diagnosstatus.h"

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace Ovningsrunda;

namespace {

const QColor kLime = bgrFarg(0x00FF00);
const QColor kRed = bgrFarg(0x0000FF);

} // namespace

// --- Showing an item ---------------------------------------------------------

void TSKRIV::NyPost()
{
    Timer2->setInterval(0);
    Label16->hide();
    lampknapp->setEnabled(true);

    if (!hamtaPost() && OvningsLage != Arbetsblad) {
        // Nothing left to ask (the queued items are no longer in the file, or
        // the file is gone): the round ends with what was answered.
        AntalPoster = qMax(0, int(PostNummer) - 1);
        m_cykel.rundanSlut();
        visaCykeln();
        NollaLabeller();
        Edit1->setEnabled(false);
        Avslutning();
        return;
    }

    m_cykel.nyPost();
    visaCykeln();
    NollaLabeller();

    if (OvningsLage != Arbetsblad) {
        if (arDiagnos())
            UppDateraDiagnosResultatet();
        if (OvningsLage != DiagnosTest)
            lampknapp->setEnabled(true);
        raknaLedtradar();
        visaLedtradar();
    }

    visaFragan();

    if (arDiagnos())
        UppDateraDiagnosResultatet();
    if (OvningsLage == Arbetsblad) {
        Label4->hide();
    } else {
        Edit1->setEnabled(skrivsSvaret());
        Edit1->setVisible(skrivsSvaret());
        if (ForstaPost == 1)
            ForstaPost = 0;
        else
            fokuseraEdit1();
        Label4->show();
    }

    // The rules button belongs to every item of a practice round.
    if (visarRegelknapp()) {
        regelknapp->show();
        regelknapp->setEnabled(true);
    }
    regelknapp->move(harLedtradsknapp() ? Helpknapp1->x() + Helpknapp1->width() + Marginal : Helpknapp1->x(),
                     regelknapp->y());
    Helpknapp1->setEnabled(true);
    HelpKnapp2->setEnabled(true);
    efterNyPost();
}

void TSKRIV::NollaLabeller()
{
    FrageLabel2->clear();
    for (QLabel *l : {Label4, Label5, Label6, Label7, Label8, Label9, Label10}) {
        l->clear();
        l->hide();
    }
    Edit1->clear();
    Button1->setEnabled(false);
    Panel1->hide();
    Helpknapp1->hide();
    HelpKnapp2->hide();
}

QString TSKRIV::fragaFalt() const
{
    return Programtal == 16 ? postFalt(2) : postFalt(1);
}

QString TSKRIV::svarFalt() const
{
    return Programtal == 16 ? postFalt(1) : postFalt(2);
}

QString TSKRIV::rattSvar() const
{
    return Label5->text();
}

void TSKRIV::raknaLedtradar()
{
    // Hint fields stand from field 3 up to the field before the first
    // alternative answer.
    AntalLedtradar = 0;
    const int sista = qMin(5, sistaFaltForeAlternativ());
    for (int k = 3; k <= sista && AntalLedtradar < 3 && !PostFalt[k].isEmpty(); ++k)
        ++AntalLedtradar;
}

bool TSKRIV::harLedtradsknapp() const
{
    return OvningsLage != Arbetsblad && m_cykel.ledtradKnapp();
}

void TSKRIV::visaLedtradar()
{
    if (harLedtradsknapp()) {
        Helpknapp1->show();
        sattText(Label6, PostFalt[3]);
        if (AntalLedtradar == 2)
            sattText(Label7, PostFalt[4]);
    }
}

bool TSKRIV::harRegelknapp() const
{
    switch (Programtal) {
    case 51470: case 52300: case 52400: case 56320: case 56730: case 56740: case 56750: case 56900:
        return true;
    default:
        return false;
    }
}

bool TSKRIV::visarRegelknapp() const
{
    // A button that would open an empty rule window is not offered.
    return OvningsLage == Ovning && harRegelknapp() && !regelSidaFor(Programtal).isEmpty();
}

QString TSKRIV::regelknappText() const
{
    return (Programtal == 56730 || Programtal == 56740) ? QStringLiteral("&Regel") : QStringLiteral("&Regeln");
}

void TSKRIV::visaFragan()
{
    FrageLabel1->show();
    FrageLabel2->show();
    const QString fraga = fragaFalt();
    sattText(Label5, svarFalt());
    dela_mening(FrageLabel2->x(), skarmStorlek().width() - Aster1->width() - 2 * Marginal, fraga, 2,
                FrageLabel2->font());
    sattText(FrageLabel2, MeningsRader[1]);
    if (!MeningsRader[2].isEmpty()) {
        sattText(FrageLabel1, MeningsRader[1]);
        sattText(FrageLabel2, MeningsRader[2]);
    } else {
        FrageLabel1->hide();
    }
    if (MeningsRader[1].startsWith(QLatin1String("{F}")))
        FrageLabel2->hide();
    Edit1->resize(Label5->fontMetrics().horizontalAdvance(Label5->text()) + 4 * Marginal, Edit1->height());
    FrageLabel2->update();
    sattText(Label16, rattSvar());
}

void TSKRIV::fokuseraEdit1()
{
    // The box stands on screen where the answer is typed; it is enabled
    // while an item waits for it.
    if (skrivsSvaret() && Edit1->isEnabled())
        Edit1->setFocus();
}

// --- The answer --------------------------------------------------------------

bool TSKRIV::eventFilter(QObject *o, QEvent *e)
{
    if (qobject_cast<QLineEdit *>(o) && e->type() == QEvent::KeyPress) { // the window's answer boxes
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            Edit1Enter();
            return true;
        }
        if (k->key() == Qt::Key_Escape) {
            Edit1Escape();
            return true;
        }
        const Qt::KeyboardModifiers mods = k->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier);
        if (k->key() == Qt::Key_S && (mods & (Qt::AltModifier | Qt::ControlModifier))) {
            // Exactly one of Alt and Ctrl gives "ß"; both together give nothing.
            if (mods == Qt::AltModifier || mods == Qt::ControlModifier)
                KlistraIn(QStringLiteral("ß"));
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TSKRIV::Edit1Enter()
{
    Edit1->setEnabled(false);
    setFocus(); // keys now reach the window: Space ends the pause
    bedomSvaret(kontrollera(Edit1->text()));
}

quint16 TSKRIV::kontrollera(const QString &svar) const
{
    return svarstest(rattSvar(), svar, 3);
}

void TSKRIV::bedomSvaret(quint16 r)
{
    efterSvaret(r == 0, r != 0);
}

void TSKRIV::efterSvaret(bool ratt, bool paus)
{
    m_cykel.svara(ratt, felko());
    efterRakningen(ratt);
    if (harAster())
        stegaAster(ratt);
    visaResultatet();
    if (!ratt)
        visaRattelse();

    switch (m_cykel.gaVidare(paus, pausMittIRundan())) {
    case Postcykel::Efter::NastaPost:
        NyPost();
        break;
    case Postcykel::Efter::Paus:
        visaCykeln();
        break;
    case Postcykel::Efter::PausForeSlut:
        lampknapp->setEnabled(false);
        visaCykeln();
        vidSlutPausen();
        break;
    case Postcykel::Efter::Slut:
        lampknapp->setEnabled(false);
        visaCykeln();
        Avslutning();
        Edit1->setEnabled(false);
        Helpknapp1->setEnabled(false);
        HelpKnapp2->setEnabled(false);
        break;
    }
}

void TSKRIV::visaRattelse()
{
    regelknapp->setEnabled(false);
    Label5->show();
}

void TSKRIV::visaResultatet()
{
    if (arDiagnos())
        UppDateraDiagnosResultatet();
}

void TSKRIV::stegaAster(bool ratt)
{
    if (Aster1->rutNummer() >= Aster1->maxAntalRutor()) {
        // more items than squares: the column starts again, clean
        Aster1->setStarta(true);
        Aster1->setRutNummer(0);
    } else {
        Aster1->setRutNummer(Aster1->rutNummer() + 1);
    }
    if (!ratt) {
        Aster1->setRatt(false);
        Aster1->setVisa(true);
    }
    Aster1->update();
}

void TSKRIV::visaCykeln()
{
    using L = Postcykel::Lage;
    const L lage = m_cykel.lage();
    // A pause already running (the first of two answers) keeps its count.
    if (lage == L::Rattelse) {
        if (!Timer1->running()) {
            Timer1->setInterval(100);
            Timer1->setEnabled(true);
        }
    } else {
        Timer1->setInterval(0);
    }
    Timer3->setInterval(lage == L::SlutPaus ? 100 : 0);
    Timer3->setEnabled(lage == L::SlutPaus);
    Panel1->setVisible(m_cykel.slutpanelen());
    if (m_cykel.slutpanelen())
        Panel1->raise();
    efterCykeln();
}

// --- The pauses and their keys -----------------------------------------------

void TSKRIV::Timer1Timer()
{
    if (m_cykel.tick() && !rundanSlut())
        NyPost();
}

void TSKRIV::Timer3Timer()
{
    if (!m_cykel.tick())
        return;
    visaCykeln(); // the end panel
    Avslutning();
}

void TSKRIV::keyPressEvent(QKeyEvent *e)
{
    // Keys that reach the window itself: the answer box is disabled or
    // another control has the focus.
    if (m_arbetsblad && OvningsLage == Arbetsblad) {
        m_arbetsblad->tangent(e);
    } else if (e->key() == Qt::Key_Space && m_cykel.pausPagar()) {
        m_cykel.mellanslag();
    } else if (e->key() == Qt::Key_Escape) {
        if (m_cykel.slutpanelen())
            escPaSlutpanelen();
        else
            avbrytRundan();
    }
    e->accept();
}

bool TSKRIV::svarTas() const
{
    return OvningsLage != Arbetsblad && m_cykel.lage() == Postcykel::Lage::Fragar;
}

void TSKRIV::avbrytRundan()
{
    if (m_cykel.lage() == Postcykel::Lage::SlutPaus && !m_cykel.slutpanelen()) {
        m_cykel.mellanslag(); // the round end at the next tick
        return;
    }
    Edit1Escape();
}

void TSKRIV::Edit1Escape()
{
    if (!m_cykel.avbryt())
        return;
    if (OvningsLage == DiagnosTest && escAvslutarTestet()) {
        TSKRIV::Button3Click(); // the test ends as by "Abbrechen"
        return;
    }
    visaSlutpanelen();
}

void TSKRIV::lamnaTestet()
{
    // PostNummer counts the answered items of a test from 1.
    if (OvningsLage == DiagnosTest && !rundanSlut() && PostNummer > 1)
        diagnosback(AntalRatt);
}

// --- Hints, the lamp, German letters, rules ----------------------------------

void TSKRIV::Helpknapp1Click()
{
    m_cykel.visaForstaLedtraden();
    Label6->show();
    if (AntalLedtradar == 2) {
        HelpKnapp2->show();
        HelpKnapp2->raise();
    } else {
        Helpknapp1->setEnabled(false);
    }
    fokuseraEdit1();
}

void TSKRIV::HelpKnapp2Click()
{
    m_cykel.visaAndraLedtraden();
    Label7->show();
    HelpKnapp2->setEnabled(false);
    fokuseraEdit1();
}

void TSKRIV::LampknappClick()
{
    m_cykel.slaPaLampan();
    visaLampan();
    fokuseraEdit1();
}

void TSKRIV::LampShapeMouseDown()
{
    m_cykel.slackLampan();
    visaLampan();
}

void TSKRIV::visaLampan()
{
    const bool tillaten = lampaTillaten() && Postcykel::lampknappErbjuds();
    lampknapp->setVisible(tillaten && LampaPa != 1);
    LampShape->setVisible(tillaten && LampaPa == 1);
    if (tillaten && LampaPa == 1)
        LampShape->raise();
}

void TSKRIV::Edit1Change()
{
    if (!lampanLyser())
        return;
    if (Postcykel::lampanFargas())
        LampShape->setBrushColor(GreenRedTest(Edit1->text(), rattSvar()) == 1 ? kLime : kRed);
}

void TSKRIV::KlistraIn(const QString &text)
{
    QApplication::clipboard()->setText(text);
    if (auto *e = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
        e->paste();
    else
        Edit1->paste();
}

void TSKRIV::regelknappClick()
{
    regelknapp->setEnabled(false);
    TRegler_Visa();
    regelknapp->setEnabled(true);
}
