#pragma once
// The typed-answer exercise window, and the template of the other exercise
// windows: they derive from it and replace only the pieces where they differ
// (which fields are question and answer, how an item is shown, how an answer
// is judged, hints, rules, captions and the round end).

#include "drills/writing/ArbetsbladsLage.h"
#include "frame/Postcykel.h"

#include <QDialog>

#include <memory>

class DesignTimer;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class QFrame;
class QRect;
class ShapeWidget;
class TAster;

class TSKRIV : public QDialog, public ArbetsbladsAgare
{
    Q_OBJECT
protected:
    // The item cycle: the state that the screen shows (asking, the pause,
    // the end panel), hints, lamp and the run-mode rules. The window fields
    // below are its fields.
    Postcykel m_cykel;

public:
    explicit TSKRIV(QWidget *parent = nullptr);
    ~TSKRIV() override;

    // Creation: called once by the constructor of the window that is built
    // (so that derived windows' pieces are in place).
    void FormCreate();

    const Postcykel &cykel() const { return m_cykel; }

    // Window fields.
    quint8 &HjalpAnvand = m_cykel.HjalpAnvand;
    qint32 &AntalLedtradar = m_cykel.AntalLedtradar;
    quint8 &LampaPa = m_cykel.LampaPa;
    quint8 &ForstaPost = m_cykel.ForstaPost;
    quint8 ValjaUtLage = 0;
    quint8 SvenskaKnappar = 0;

    // Components, each with its field's name as its object name.
    ShapeWidget *OverskriftYtterShape = nullptr;
    ShapeWidget *OverskriftInnerShape = nullptr;
    QLabel *Overs1Label = nullptr;
    QLabel *Overs2Label = nullptr;
    QLabel *Overs3Label = nullptr;
    QLabel *InstruktionsLabel = nullptr;
    QLabel *FrageLabel1 = nullptr;
    QLabel *FrageLabel2 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label16 = nullptr;
    QToolButton *lampknapp = nullptr;
    ShapeWidget *LampShape = nullptr;
    QPushButton *Helpknapp1 = nullptr;
    QPushButton *HelpKnapp2 = nullptr;
    QPushButton *regelknapp = nullptr;
    TAster *Aster1 = nullptr;
    QFrame *DiagPanel1 = nullptr;
    QLabel *DiagLabel2 = nullptr;
    QLabel *DiagLabel3 = nullptr;
    QLabel *DiagLabel4 = nullptr;
    QLabel *DiagLabel5 = nullptr;
    ShapeWidget *DiagShape2 = nullptr;
    ShapeWidget *DiagShape4 = nullptr;
    QFrame *DiagPanel2 = nullptr;
    QLabel *DiagLabel1 = nullptr;
    QFrame *Panel1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QFrame *BildPanelen = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *BildTextPanel = nullptr;
    QFrame *LovordPanel = nullptr;
    ShapeWidget *LovordYttershape = nullptr;
    ShapeWidget *lovordinnershape = nullptr;
    QLabel *LovordLabel1 = nullptr;
    ShapeWidget *SkrivutOverskriftShape1 = nullptr;
    ShapeWidget *SkrivutOverskriftShape2 = nullptr;
    QLabel *SkrivutOverskriftLabel = nullptr;
    QFrame *SkrivutHelaPanelen = nullptr;
    DesignTimer *Timer1 = nullptr;
    DesignTimer *Timer2 = nullptr;
    DesignTimer *Timer3 = nullptr;
    QMenu *PopupMenu1 = nullptr;

    // Routines of the window.
    void Inled();
    void RitaOverskriften(const QString &line1, const QString &line2, const QString &line3);
    void TestOverSkrift();
    void UppDateraDiagnosResultatet();
    void NyStartaAster(bool visa);
    virtual void NyPost();
    void NollaLabeller();
    virtual void Avslutning();
    // Shows the end panel: "Fehler berichtigen" enabled and focused when there
    // are errors to correct, else "Fortsetzen" focused.
    void visaSlutpanelen();
    void RitaLovord(const QString &t1, const QString &t2, const QString &t3);
    void rensa();

    // Event handlers. The virtual ones are where a window's own handling
    // takes the place of the template's.
    void Edit1Enter();
    // Esc in mid-round: the end panel over the item, its pause stopped; in a
    // test the test ends.
    virtual void Edit1Escape();
    // Esc, or a right click, that reaches the window in mid-round: as Esc
    // in the answer box, except in the pause before the round end, which then
    // ends at once.
    void avbrytRundan();
    virtual void Timer1Timer();
    void Timer3Timer();
    virtual void Helpknapp1Click();
    void HelpKnapp2Click();
    virtual void LampknappClick();
    virtual void LampShapeMouseDown();
    virtual void Edit1Change();
    void KlistraIn(const QString &text);
    void regelknappClick();
    virtual void Button1Click();
    virtual void Button2Click();
    // Closing from the end panel, and the way out by Esc and the window
    // manager.
    virtual void Button3Click();
    virtual void BitBtn1Click();

    // The right answer of the item on screen (the lamp compares with it).
    virtual QString rattSvar() const;

    // The worksheet panels (run mode 1 only; null otherwise).
    ArbetsbladsLage *arbetsblad() const { return m_arbetsblad.get(); }

protected:
    // Pieces the other exercise windows replace.
    virtual QString fragaFalt() const;   // the question of the item
    virtual QString svarFalt() const;    // the right answer of the item
    virtual quint16 kontrollera(const QString &svar) const;
    virtual void raknaLedtradar();
    virtual bool harRegelknapp() const;
    // In practice, for an exercise with the button and a rule page.
    bool visarRegelknapp() const;
    virtual QString regelknappText() const;
    virtual void visaFragan();
    // The last step of creation, for a window's own layout.
    virtual void efterSkapandet() {}
    // The last step of showing an item, for a window's own controls.
    virtual void efterNyPost() {}
    // Worksheet mode: set-up at creation, and the lines of the item on
    // screen (the task with its number prefix, then the writing line on the
    // sheet and the answer with its alternatives in the key).
    virtual void arbetsbladStart();
    QList<TUtskrift::Rad> arbetsbladUppgift(const QString &prefix, bool franKlart) override;
    void arbetsbladNastaPost() override;
    void arbetsbladStang() override;
    // Errors of this exercise can be corrected in an error round now (never
    // in a test or on a worksheet).
    virtual bool kanRattaFel() const;
    // The pupil types the answer into Edit1, with the live lamp beside it.
    virtual bool skrivsSvaret() const { return true; }
    // What a wrong answer shows during the pause; the rules button rests
    // until the next item.
    virtual void visaRattelse();
    // Judges the answer r of the checker (0 right): see efterSvaret.
    void bedomSvaret(quint16 r);
    // The one way on from a judged answer, for every window: the count, the
    // error queue, the score squares and the result boxes; the correction of
    // a wrong answer; then the next item, the pause or the round end. paus:
    // the correction wants the pause (as a rule, the answer was wrong).
    void efterSvaret(bool ratt, bool paus);
    // The area in diagnosis counts as practised and may be tested; the
    // protocol shows it. The caller closes the window.
    void omradetOvat(qint32 ovningNr);
    // The first item at creation; a window that starts otherwise shows none.
    virtual void visaForstaPosten() { NyPost(); }
    // Enable and focus the answer box in use (continuing, after the settings).
    virtual void aktiveraSvar();
    // The round end shows a reward picture.
    virtual bool visarBeloningsbild() const { return true; }

    // The next score square, marked wrong unless ratt.
    void stegaAster(bool ratt);
    virtual bool harSvenskaKnappar() const;  // Swedish captions on the end panel
    virtual bool lampaTillaten() const { return skrivsSvaret(); } // the lamp button may be offered
    virtual void visaLedtradar();            // the hint button and hint lines of the item
    virtual bool harLedtradsknapp() const;   // the item offers the hint button
    virtual QLineEdit *aktivtSvar() const { return Edit1; } // the answer box that takes the focus back
    virtual bool harInstallningar() const;   // the settings button opens the dialog

    // The variant points of the answer: the error queue (the data file's),
    // whether the squares follow the answers, the result boxes (the
    // diagnosis strip), a window's own score once an answer is counted,
    // whether a wrong answer pauses inside the round or only before the
    // round end, and what shows as the last answer's pause begins.
    virtual const Ovningsrunda::Felko &felko() const { return Ovningsrunda::datafilensKo(); }
    virtual bool harAster() const { return Postcykel::asterRaknas(); }
    virtual void visaResultatet();
    virtual void efterRakningen(bool /*ratt*/) {}
    virtual bool pausMittIRundan() const { return true; }
    virtual void vidSlutPausen() {}
    // The third button of the end panel ("Abbrechen" here).
    virtual void slutpanelensTredjeKnapp() { Button3Click(); }
    // Esc while the end panel shows: its cancel button.
    virtual void escPaSlutpanelen() { Button3Click(); }
    // Esc in mid-round ends a test (else the end panel shows, as in practice).
    virtual bool escAvslutarTestet() const { return true; }
    // A test left in mid-round counts with the right answers so far, once an
    // answer was given; left before the first answer it leaves the pupil's
    // stored result, status and time as they were.
    void lamnaTestet();
    // After the end panel in mid-round ("Fortsetzen", the settings): the item
    // on screen is asked again, or, when it was answered (Esc came in its
    // pause), the next item comes at once.
    void fortsattRundan();

    // The screen follows the cycle's state: the pause timers and the end
    // panel; and the lamp with its button by the lamp's state.
    void visaCykeln();
    // The last step of visaCykeln, for a window's own controls that follow
    // the cycle (options that take an answer only while an item is asked).
    virtual void efterCykeln() {}
    // An item is asked and waits for its answer (never on a worksheet).
    bool svarTas() const;
    void visaLampan();
    // The lamp is on where this window offers it.
    bool lampanLyser() const { return LampaPa == 1 && lampaTillaten() && Postcykel::lampknappErbjuds(); }

    void keyPressEvent(QKeyEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;
    void reject() override;

    int skala(int designPixels) const;
    void sattText(QLabel *label, const QString &text);
    void stangFonstret();
    // The window is closing (stangFonstret ran): what a wait comes back to
    // is gone.
    bool stangs() const { return m_stangs; }
    void visaBeloningsbild(); // the reward picture of the round end
    // The worksheet heading box ("Utskrifter") laid over yta, shown or hidden
    // and above the rest.
    void RitaUtskriftOverskriften(const QRect &yta, bool visa);
    // The room in the top row right of the title box, up to the window's
    // edge and down to nederkant (by default where the instruction line
    // begins): where the boxes beside the title must lie.
    QRect hogerOmRubriken(int nederkant = -1) const;
    // The buttons of the end panel in a row across its first bredd pixels
    // (all of it by default), in one font: the window's bold Arial.
    void radaUppSlutpanelen(const QList<QPushButton *> &knappar, int bredd = -1);

private:
    void byggKomponenter();
    void fokuseraEdit1();
    void krympTillBredd(QLabel *label, int bredd, int golv);

    bool m_stangs = false;
    std::unique_ptr<ArbetsbladsLage> m_arbetsblad;
};

// Creates the window, shows it modally and frees it.
void TSKRIV_Visa();
