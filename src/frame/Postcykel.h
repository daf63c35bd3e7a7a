#pragma once
// The item cycle of an exercise window, without any widget: what state the
// window is in (asking, showing the correction during the pause, waiting
// before the round end, the end panel), the pause ticks and Space, the hints
// and the live lamp of the item with what they cost in the diagnosis modes,
// and which end-panel buttons are live in each run mode. The template window
// drives it and shows its state; the round's counters and the error queue are
// Ovningsrunda's.

#include "frame/Ovningsrunda.h"

#include <QtGlobal>

class Postcykel
{
public:
    enum class Lage : quint8 {
        Fragar,   // an item is shown and its answer awaited
        Rattelse, // after a wrong answer the right one shows for the pause
        SlutPaus, // the pause after a wrong last answer, before the round end
        Slut,     // the round is over: the end panel
        Avbrott,  // Esc in mid-round: the end panel over the item
    };

    // What follows a judged answer.
    enum class Efter : quint8 {
        NastaPost,    // the next item at once
        Paus,         // the pause, then the next item
        PausForeSlut, // the pause, then the round end
        Slut,         // the round end at once
    };

    // The window's fields for the item cycle, under the names the exercise
    // windows give them.
    quint8 HjalpAnvand = 0;     // a hint or the lamp was used for the item
    qint32 AntalLedtradar = 0;  // hint fields of the item
    quint8 LampaPa = 0;         // the live lamp is on; kept from item to item
    quint8 ForstaPost = 1;      // no item has been shown yet

    Lage lage() const { return m_lage; }
    bool pausPagar() const { return m_lage == Lage::Rattelse || m_lage == Lage::SlutPaus; }
    // The end panel shows: after the round, in mid-round after Esc, or (in
    // a window that offers its choices at once) over the last pause.
    bool slutpanelen() const
    {
        return m_lage == Lage::Slut || m_lage == Lage::Avbrott || (m_lage == Lage::SlutPaus && m_panelOverPausen);
    }

    // --- Run-mode rules ---------------------------------------------------
    static bool asterRaknas();       // the score squares follow the answers (0, 5)
    static bool lampknappErbjuds();  // the lamp may be switched on (0, 3, 4, 5)
    static bool lampanFargas();      // the lamp colours by the typed text (0, 3, 4)
    static bool harInstallningar();  // "Einstellungen" opens the dialog (not on a worksheet)
    // "Fehler berichtigen" is live: errors of this file are queued, and the
    // mode has error rounds (never a test or a worksheet).
    static bool kanRattaFel(qint32 koade);

    // --- The item ----------------------------------------------------------
    // A new item: the pause ends, no hint is shown, and in diagnosis
    // practice a lamp that is on costs the item its count.
    void nyPost();
    // Hints: the button is offered for one or two hint fields; each hint
    // shown costs the item its count in the diagnosis modes.
    bool ledtradKnapp() const { return AntalLedtradar == 1 || AntalLedtradar == 2; }
    int visadeLedtradar() const { return m_visadeLedtradar; }
    void visaForstaLedtraden();
    void visaAndraLedtraden();
    // The lamp, switched on or off by the pupil.
    void slaPaLampan();
    void slackLampan();
    // The item counts as right when answered right without help.
    bool raknas() const { return HjalpAnvand == 0; }

    // --- The answer --------------------------------------------------------
    // Counts the answer into the round, through the error queue given (the
    // file's by default).
    void svara(bool ratt, const Ovningsrunda::Felko &ko = Ovningsrunda::datafilensKo());
    // Then moves on to the next item number and says what follows: paus when
    // the correction wants the pause (a wrong answer as a rule), which a
    // window without a pause inside the round (pausMittIRundan false) keeps
    // for the round end only.
    Efter gaVidare(bool paus, bool pausMittIRundan = true);
    // A pause begun by the window itself (the first of two answers).
    void borjaPaus() { m_lage = Lage::Rattelse; }

    // --- The pause ---------------------------------------------------------
    // One tick of 100 ms; true when the pause is over. The pause before the
    // round end then gives way to the end panel.
    bool tick();
    // Space: the next tick ends the pause.
    void mellanslag();

    // The item on screen has its answer, counted: what goes on after the end
    // panel in mid-round is the next item, never this one again.
    bool postBesvarad() const { return m_besvarad; }

    // --- The end panel -----------------------------------------------------
    // Esc in mid-round, while the item is asked or in its pause (which then
    // stops); false when the round is over already.
    bool avbryt();
    // The end panel, over the item in mid-round or after the round; over the
    // last pause, that pause runs on under it.
    void oppnaSlutpanelen();
    void rundanSlut() { m_lage = Lage::Slut; }
    // "Fortsetzen", or the settings closed in mid-round: back to where the
    // end panel came, the item asked again or its pause going on.
    void fortsatt();

private:
    Lage m_lage = Lage::Fragar;
    Lage m_foreAvbrottet = Lage::Fragar; // where Esc in mid-round came
    bool m_panelOverPausen = false;
    bool m_besvarad = false;
    int m_visadeLedtradar = 0;
};
