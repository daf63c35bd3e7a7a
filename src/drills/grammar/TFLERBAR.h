#pragma once
// The multiple-choice exercise: a German sentence with a gap and a row of
// word panels; the pupil clicks the word that fills the gap. The words are
// the answers of the whole data file, the same set for every item. After a
// wrong answer in the noun-gender exercise the gender rule of the noun shows.
// Everything else works as in the typed-answer window it derives from.

#include "drills/grammar/flerval.h"
#include "drills/writing/TSKRIV.h"

class TFLERBAR : public TSKRIV
{
    Q_OBJECT
public:
    explicit TFLERBAR(QWidget *parent = nullptr);
    ~TFLERBAR() override;

    // Window fields.
    qint32 AntalSvarsord = 0;
    SvarsordTabell Svarsord;
    Tabell<qint32, MaxSvarsord> PanelBredd{};
    Tabell<qint32, MaxSvarsord> PanelVanster{};
    qint32 SvarsordBas = 0;   // 0: the lower-case set shows, MaxSvarsord: the capital set
    quint8 FelVisas = 0;      // a wrong answer is shown; the next hover only clears it
    QString FragaText;        // the words as one question line, for worksheets
    qint32 AntalRader = 1;
    qint32 ForstaRadensAntal = 0;

    // Components. The template's end panel is this window's pause panel,
    // "Escapepanel"; the option panels lie in "Panel1".
    QFrame *Escapepanel = nullptr;
    QFrame *Svarspanel = nullptr;
    Tabell<QLabel *, MaxSvarsord> OrdPanel{}; // "Panel2".."Panel13"
    QLabel *KorrektSvarLabel = nullptr;
    QLabel *EfterdelLabel = nullptr;

    // A click on option panel N (2..13): knapp 0 the left button, 1 the right.
    void RaettTest(int panel, int knapp);
    // The mouse over option panel N tries its word in the gap.
    void PanelMouseMove(int panel);
    void Button3Click() override;

    // The word that option panel N offers for the item on screen.
    QString panelOrd(int panel) const;

protected:
    QString fragaFalt() const override;
    QString svarFalt() const override;
    quint16 kontrollera(const QString &svar) const override;
    void raknaLedtradar() override;
    void visaFragan() override;
    void Avslutning() override;
    bool skrivsSvaret() const override { return false; }
    void visaRattelse() override;
    // Worksheet: the words of the file as the section's instruction, the
    // sentence with a blank on the sheet and with its marked answer in the
    // key; no writing line.
    void arbetsbladStart() override;
    QList<TUtskrift::Rad> arbetsbladUppgift(const QString &prefix, bool franKlart) override;
    QList<TUtskrift::Rad> arbetsbladAvsnitt() override;

    // Esc shows the pause panel in a test too; Esc on the panel leaves
    // without a result.
    bool escAvslutarTestet() const override { return false; }
    void escPaSlutpanelen() override;
    void efterCykeln() override;
    void mousePressEvent(QMouseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    // The labels that show the sentence, and their font fitted to the room
    // before the score squares (andraRaden: the sentence's other line).
    QList<QLabel *> meningensEtiketter() const;
    void passaMeningen(const QString &andraRaden);

    void byggOrdpaneler();
    void visaGenusRegel();
    void markera(int k);
    void ordText(QLabel *label, const QString &text);

    QString m_svar; // the item's answer, between "<" and ">"
};

// Creates the window, shows it modally and frees it. A file that offers no
// words is reported and opens nothing.
void TFLERBAR_Visa();
