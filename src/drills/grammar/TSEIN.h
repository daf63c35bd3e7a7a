#pragma once
// The sein race: one to three players take turns choosing the missing form
// of "sein", "haben" or "werden" in a German sentence from a row of word
// panels. A right answer moves the player's car, the faster the further.
// After a full turn in which a car has reached the finish line the race is
// over; the winner's total answer time can go into the exercise's record
// table.

#include "drills/grammar/seinlopp.h"

#include <QDialog>
#include <QElapsedTimer>

class Bilbild;
class DesignTimer;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class ShapeWidget;

class TSEIN : public QDialog
{
    Q_OBJECT
public:
    explicit TSEIN(QWidget *parent = nullptr);
    ~TSEIN() override;

    // Creation: title, record table name, answer words and layout; the
    // window then asks for the number of players.
    void FormCreate();

    // Window fields.
    SeinOrdTabell SvarsOrd;
    qint32 AntalSvarsOrd = 0;
    qint32 AntalSpelare = 1;
    qint32 AktivSpelare = 1;
    Tabell<double, MaxSpelare> Stracka{};
    Tabell<double, MaxSpelare> SpelTid{}; // hundredths of a second
    qint32 MalLinje = 0;
    qint32 Vinnare = 0;
    quint8 LoppSlut = 0;

    // Components, each with its field's name as its object name.
    ShapeWidget *Shape1 = nullptr;
    ShapeWidget *Shape2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *r1 = nullptr;
    QLabel *InstruktionsLabel = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QFrame *Panel1 = nullptr;
    Tabell<QLabel *, SeinPaneler> OrdPanel{}; // "Panel2".."Panel9"
    QFrame *Panel14 = nullptr;
    Tabell<Bilbild *, MaxSpelare> Bil{};      // "bil1", "bil2", "Bil3"
    QFrame *Panel13 = nullptr;
    QLabel *Panel16 = nullptr;
    Tabell<QFrame *, MaxSpelare> NamnPanel{}; // "NamnPanel1", "Namnpanel2", "Namnpanel3"
    Tabell<QLabel *, MaxSpelare> NamnLabel{};
    Tabell<QFrame *, MaxSpelare> SlutSekundPanel{};
    Tabell<QLabel *, MaxSpelare> SlutSekundLabel{};
    QFrame *SlutPanel = nullptr;
    QLabel *Slutlabel = nullptr;
    QPushButton *SlutButton = nullptr;
    QFrame *Panel11 = nullptr;
    QFrame *Panel12 = nullptr;
    QLabel *Label9 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button4 = nullptr;
    QPushButton *Button5 = nullptr;
    QFrame *Panel15 = nullptr;
    QLabel *Label13 = nullptr;
    Tabell<QLabel *, MaxSpelare> SpelarLabel{}; // "Label14".."Label16"
    Tabell<QLineEdit *, MaxSpelare> NamnEdit{};  // "Edit1".."Edit3"
    QPushButton *Button6 = nullptr;
    QFrame *Panel10 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    DesignTimer *Timer1 = nullptr;
    QLabel *Templabel2 = nullptr;

    // Routines of the window.
    qint32 Hittapreppar();
    qint64 TidMatning(int lage, int enhet); // enhet 0 ms, 1 hundredths, 2 tenths, 3 seconds
    void NyPost();
    void RaettTest(int panel, int knapp);
    void starta();
    void rensa();
    void SkrivSekunder(qint32 spelare, qint64 hundradelar);

    // Event handlers.
    void AntalSpelareClick(qint32 antal); // the buttons "1", "2", "3"
    void NamnEnter(qint32 spelare);        // Enter in a name box
    void Button6Click();                   // "&Start"
    void PanelMouseMove(int panel);
    void Timer1Timer();
    void SlutButtonClick();
    void visaMenyraden();                  // Esc or a right click: the bar

    // The word panel N (2..9) offers for the item on screen.
    QString panelOrd(int panel) const;
    // The answer of the item on screen.
    QString svaret() const { return m_svar; }
    // The word panels take an answer: an item is on screen and unanswered.
    bool tarSvar() const { return !m_vantar && !LoppSlut && !m_stoppad; }

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void byggKomponenter();
    void laggUtOrdraden();
    void markera(int k);
    void flyttaBil(qint32 spelare);
    void loppetSlut();
    void namnpanelFarg(qint32 gul);

    QString m_svar;
    QStringList m_ord;        // the words of the panels for this item
    bool m_valjer = true;     // the number of players and their names are asked
    bool m_lopp = false;      // the race is on screen, its words take answers
    bool m_menyrad = false;   // the bar "Fortsetzen", "Abbrechen" is up
    quint8 m_stoppad = 0;     // a car has finished: no more items
    quint8 m_felSvar = 0;     // the last answer was wrong
    bool m_vantar = false;    // answered: the next item is on its way
    QElapsedTimer m_klocka;
};

// Creates the window, shows it modally and frees it. A file that offers no
// words is reported and opens nothing.
void TSEIN_Visa();
