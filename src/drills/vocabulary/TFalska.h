#pragma once
// The duel against the computer: every round shows five words, and the pupil
// says how many of them carry the exercise's feature (a false friend, or a
// letter spoken in a given way) with one of the buttons 0 to 5. A right count
// gives the pupil as many points as there were such words, a wrong one gives
// them to the computer; the first to 20 wins. The window keeps the typed
// answer window's title box, reward picture and praise box; the name of the
// pupil is typed into its answer box.

#include "drills/writing/TSKRIV.h"
#include "frame/vrsku1.h"

class QColor;

class TFalska : public TSKRIV
{
    Q_OBJECT
public:
    explicit TFalska(QWidget *parent = nullptr);

    // Window fields.
    QString Markor;
    Tabell<qint32, 5> OmgangsPoster{};
    Tabell<quint8, 5> EjMarkerad{};
    qint32 RattAntal = 0;
    qint32 SpelarSvar = 0;
    qint32 SpelarPoang = 0;
    qint32 DatorPoang = 0;
    quint8 SpelSlut = 0;
    quint8 SpelarVann = 0;
    qint32 NamnForsok = 0;
    qint32 LjudPost = 0;
    qint32 RutStorlek = 0;
    qint32 RutSteg = 0;
    qint32 RadTopp1 = 0;
    qint32 RadTopp2 = 0;

    // Components. The template's end panel is this window's Escapepanel:
    // its "&Fortsetzen" is called Button3 here and its "&Abbrechen" Button4.
    QFrame *Panel3 = nullptr; // the name box
    QFrame *Panel4 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *InstruktionsLabel2 = nullptr;
    Tabell<QLabel *, 5> Ord{};   // sv1, sv2, sv3, Sv4, Sv5: the words
    Tabell<QLabel *, 5> Forklaring{}; // ord1 .. Ord5: the explanations
    Tabell<QLabel *, 5> RSvar{};  // RSvar1 .. RSvar5: the words again
    QFrame *AntalPanel = nullptr;
    Tabell<QPushButton *, 6> SpeedButton{}; // "0" .. "5"
    QLabel *SpeedPanel1 = nullptr;
    QFrame *Poangpanel = nullptr; // "Panel1": the score squares
    QFrame *MellanPanel = nullptr;
    QFrame *Panel2 = nullptr;
    QLabel *Label1 = nullptr; // "Datorn"
    QLabel *Label2 = nullptr; // the pupil's name
    Tabell<ShapeWidget *, 40> Shape{};
    QPushButton *HoraButton = nullptr;
    QPushButton *NextButton = nullptr;
    QPushButton *SvenskaButton = nullptr;
    QPushButton *RegelButton = nullptr;
    QFrame *Escapepanel = nullptr;
    QPushButton *FortsattButton = nullptr; // "Button3"
    QPushButton *AvbrytButton = nullptr;   // "Button4"

    // Enter in the name box.
    void NamnKlart();
    // A round of five words (this window's own item cycle: the template's
    // is not used here).
    void NyPost();
    // The pupil's count n.
    void SvaraAntal(int n);
    void Kollasvar();
    void HoraButtonClick();
    void Ljudet();
    void NextButtonClick();
    void SvenskaButtonClick();
    void RegelButtonClick();
    void FortsattClick();
    void InstallningarClick();
    void Avslutning() override;
    void Button3Click() override; // the way out: "&Abbrechen" and closing
    void Button2Click() override { FortsattClick(); }
    void BitBtn1Click() override { InstallningarClick(); }

    bool svarsknapparAktiva() const { return m_svarAktiva; }
    bool spelPagar() const { return m_namnKlart; }

protected:
    bool harRegelknapp() const override { return false; }
    bool skrivsSvaret() const override { return false; }
    void efterSkapandet() override;
    void visaForstaPosten() override {}
    void arbetsbladStart() override {}

    void keyPressEvent(QKeyEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    bool arUttal() const;
    void svarsknappar(bool pa);
    void fargaRutor(int fran, int till, const QColor &farg);
    // Esc in a round: the pause panel.
    void visaEscapepanel();
    // The screen follows the cycle: the pause panel and the answer buttons.
    void visaLaget();
    // A wrong count waits for "Weiter" (the round has its answer).
    bool vantarPaWeiter() const;
    // "Hören" is offered: a pronunciation round waits for "Weiter", sound on.
    bool horaErbjuds() const;
    void laggUt();

    bool m_namnKlart = false; // the name is given: the game runs
    bool m_svarAktiva = false;
};

// The counted mark of a program number ("F" for 22000, "P", "T", "K", "Z"
// for 31100..31400); empty for another program.
QString falskaMarkor(quint16 programtal);

// Creates the window, shows it modally and frees it.
void TFalska_Visa();
