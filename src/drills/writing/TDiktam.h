#pragma once
// Dictation: each item's word or sentence is played as a sound, or shown for
// a moment, and the pupil types what was heard or seen. "Intonation" (32000)
// plays German sentences with their Swedish meaning on show and asks for no
// answer. Everything else works as in the typed-answer window.

#include "drills/writing/TSKRIV.h"

class QPushButton;
class QToolButton;

class TDiktam : public TSKRIV
{
    Q_OBJECT
public:
    explicit TDiktam(QWidget *parent = nullptr);

    // Show time of the word in milliseconds.
    static constexpr int MinstaSeTid = 100;
    static constexpr int StorstaSeTid = 3000;

    // Components beyond the typed-answer window's.
    QPushButton *UpprepaButton = nullptr;
    QPushButton *BaraHoraButton = nullptr;
    QPushButton *BaraseordetButton = nullptr;
    QPushButton *SeochHoraButton = nullptr;
    QPushButton *NextButton = nullptr;
    QLabel *BlinkLabel = nullptr;
    QWidget *TidSpinButton = nullptr;
    QToolButton *TidSpinUpp = nullptr;
    QToolButton *TidSpinNed = nullptr;
    QLabel *SeTidPanel = nullptr;
    QLabel *SeIntervalLabel = nullptr;
    QLabel *Svensklabel1 = nullptr;
    QLabel *Svensklabel2 = nullptr;
    DesignTimer *BlinkTimer = nullptr; // hides the shown word
    DesignTimer *Timer5 = nullptr;     // presents the item after a pause

    // Private state.
    QString Ordet;        // field 1: what is heard or seen, and the answer
    int SeTid = MinstaSeTid;
    bool Upprepa = false; // F2 repeats the item

    // The sound of the item on screen ("T430007.WAV"); empty for an item
    // number that does not fit in three digits.
    QString ljudFilNamn() const;

    // Event handlers.
    void Timer5Timer();
    void BlinkTimerTimer();
    void UpprepaButtonClick();
    void BaraHoraButtonClick();
    void BaraseordetButtonClick();
    void SeochHoraButtonClick();
    void TidSpinUppClick();
    void TidSpinNedClick();
    void NextButtonClick();

protected:
    void Helpknapp1Click() override;
    void Button1Click() override;
    void Button2Click() override;
    QString fragaFalt() const override;
    QString svarFalt() const override;
    quint16 kontrollera(const QString &svar) const override;
    void visaFragan() override;
    void efterSkapandet() override;
    void efterNyPost() override;

    bool eventFilter(QObject *o, QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void byggDiktamen();
    void presentera();
    void spela();
    void visaOrdet();
    void visaSeTid(bool synlig);
    void startaTimer5(int ms);
    void doljLampan();
    void fokusera();
    bool harLampa() const;

    bool m_skapad = false;
};

// Creates the window, shows it modally and frees it.
void TDiktam_Visa();
