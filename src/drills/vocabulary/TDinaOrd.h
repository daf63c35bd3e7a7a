#pragma once
// The word-list trainer "Dina ord": the pupil chooses a word list, enters a
// name and translates the list's words one at a time against a stopwatch;
// right answers earn points that fall with the time taken, the round's score
// can be entered in the list's record table, and the wrong words can be
// practised again. In worksheet mode the teacher picks words of a list for
// the printed worksheet.
//
// The window is built on the typed-answer window: it keeps its title box,
// answer box, lamp, German letters, result boxes, end panel, reward picture
// and worksheet panels, but takes its items from the word lists with their
// own random walk and error queue (drills/vocabulary/dinaordlistor.h), so it
// has an item cycle and end-panel buttons of its own. It opens without a data
// file: the caller sets Programtal to 1001 (general lists) or 1002 (special).

#include "drills/writing/TSKRIV.h"

#include <QStringList>

class QListWidget;

class TDinaOrd : public TSKRIV
{
    Q_OBJECT
public:
    explicit TDinaOrd(QWidget *parent = nullptr);
    ~TDinaOrd() override;

    // Creation: the list choice, the layout by run mode (0 practice, 1
    // worksheet), the title "Wortschatz".
    void FormCreate();

    // Stages of the window.
    enum : quint8 { ValjerLista = 0, SkriverNamn = 1, Ovar = 2 };

    quint8 DinaOrdLage = ValjerLista;
    double StartTid = 0; // stopwatch readings, in seconds
    double StoppTid = 0;
    double DinaOrdPoang = 0; // the round's score
    quint8 LampTillstand = 0; // lamp shown: 0 off, 1 green, 2 red
    quint8 ListaKlar = 0;     // a list is chosen and counted
    // DinaOrdValjaUt is the template's ValjaUtLage: the worksheet panel that
    // printing returns to.

    // Components of the trainer, each with its field's name as its object
    // name; the others are the template's.
    QFrame *Panel2 = nullptr; // the list choice
    QFrame *Panel3 = nullptr;
    QLabel *Panel4 = nullptr;
    QListWidget *ListBox1 = nullptr;
    QFrame *namnruta = nullptr; // the name box
    QFrame *Panel11 = nullptr;
    QLabel *NamnLabel1 = nullptr;
    QLabel *NamnLabel2 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLabel *FilPanel = nullptr; // the list's name
    QLabel *SvarsLabel = nullptr; // the expected answer (the template's Label5)
    QFrame *Panel13 = nullptr;    // "Noch … Fehler" of an error round
    QLabel *Label17 = nullptr;
    QPushButton *Button4 = nullptr; // "&Abbrechen"
    QPushButton *Button5 = nullptr; // "Einstellungen" (the template's BitBtn1)

    // The files behind the entries of ListBox1, in the same order.
    const QStringList &listFiler() const { return m_filer; }

    void NyPost() override;
    void Avslutning() override;
    void UppDateraResultatet();
    void UppDateraFelKvarRutan();
    void TestOverSkrift();
    // mode 0 starts the stopwatch (result 0); mode 1 reads it, in
    // milliseconds (unit 0), hundredths (1), tenths (2) or seconds (3).
    qint32 Tidtagning(int lage, int enhet);

    // Event handlers.
    void ListBox1Val(); // double-click, or Enter in the list
    void Filvald();
    void Edit2Enter();
    void Edit1Escape() override;
    void Button1Click() override; // "Fehler &berichtigen"
    void Button2Click() override; // "&Fortsetzen"
    // "&Tabelle", Button3 of this window's end panel (the template's
    // Button3Click stays what closing the window does).
    void TabelleClick();
    void Button4Click(); // "&Abbrechen"
    void LampknappClick() override;
    void LampShapeMouseDown() override;
    void Edit1Change() override; // the lamp's colour

protected:
    // The answer goes the template's way with the trainer's own queue,
    // score and result boxes; there are no score squares.
    const Ovningsrunda::Felko &felko() const override;
    void efterRakningen(bool ratt) override;
    bool harAster() const override { return false; }
    void visaResultatet() override;
    void slutpanelensTredjeKnapp() override { TabelleClick(); }

    bool kanRattaFel() const override;
    quint16 kontrollera(const QString &svar) const override;
    QList<TUtskrift::Rad> arbetsbladUppgift(const QString &prefix, bool franKlart) override;
    QList<TUtskrift::Rad> arbetsbladAvsnitt() override;
    qint32 arbetsbladPostAntal() const override;
    void arbetsbladNastaPost() override;

    bool eventFilter(QObject *o, QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void byggKomponenter();
    void lagUt();
    void lagUtArbetsblad();
    bool fonstretsEscape();
    void flyttaListval(int steg);
    void lampanAterstalld(bool doljKnappen);
    // The list's name in the top row, as large as the room there allows.
    void placeraFilPanel();
    void farglaggLampan();
    void hamtningMisslyckades();
    void visaRundansSlut();
    void fokusera(QWidget *w);

    quint16 m_art = 0; // 1001 or 1002, the kind of list
    QStringList m_filer;
    qint32 m_senasteLista = 0; // the list of the last worksheet section
};

// Creates the window, shows it modally and frees it.
void TDinaOrd_Visa();
