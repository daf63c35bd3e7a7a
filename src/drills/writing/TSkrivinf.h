#pragma once
// The gap-filling exercise: a German sentence with one or two words left out
// (marked "<" and ">" in the data file); the pupil types each missing word
// into a small box that stands in the gap. Above it may stand a lead
// sentence, usually Swedish, whose marked words show in green. The round,
// the end panel, the title box and the diagnosis modes are the typed-answer
// window's.

#include "drills/writing/TSKRIV.h"
#include "frame/vrsku1.h"

class TSkrivinf : public TSKRIV
{
    Q_OBJECT
public:
    explicit TSkrivinf(QWidget *parent = nullptr);

    // Window fields.
    Tabell<QString, 5> LuckDelar; // a display line cut at "<" and ">"
    qint32 Meningsfalt = 2;       // sentence fields at the start of an item
    qint32 LedLuckor = 0;         // marks in the lead sentence
    qint32 LuckAntal = 0;         // gaps of the gap sentence (1 or 2)
    qint32 LuckNummer = 0;        // gaps answered so far in this item
    quint8 ForstaLuckaRatt = 0;
    quint8 HjalpAntal = 0;        // hint fields of the item
    quint8 NastaHjalp = 0;        // the hint the help button shows next; 0 = no help button
    quint8 LampTillaten = 1;      // the lamp button may be offered

    // Components besides the template's. The template's Label4..Label10
    // serve as pieces of the sentences, its Label16 as the first hint line,
    // its Helpknapp1 as the one help button and BitBtn1 as Button4.
    QLabel *Label3 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *Label14 = nullptr; // right answer of gap 1, then the shown answer
    QLabel *Label15 = nullptr; // the same for gap 2
    QLabel *Label17 = nullptr; // second hint line
    QLineEdit *Edit2 = nullptr;

    // The five pieces of a line into LuckDelar.
    void LetaPrep(const QString &rad);
    static quint8 RaknaLuckor(const QString &rad);
    void nolla_labeller();

    void HelpKnapp1Click();
    void luckaEnter(QLineEdit *edit);
    void luckaEscape();
    // Esc at the window in mid-round is Esc in the gap; it does not end a test.
    void Edit1Escape() override { luckaEscape(); }
    void fargaLampan();

    // The right answer of gap k (1 or 2) of the item on screen.
    QString luckSvar(int k) const;
    QLineEdit *luckEdit(int k) const { return k == 2 ? Edit2 : Edit1; }
    QLabel *luckEtikett(int k) const { return k == 2 ? Label15 : Label14; }

protected:
    quint16 kontrollera(const QString &svar) const override;
    void raknaLedtradar() override;
    void visaLedtradar() override;
    bool harLedtradsknapp() const override;
    bool harRegelknapp() const override;
    QString regelknappText() const override;
    void visaFragan() override;
    bool harSvenskaKnappar() const override;
    bool lampaTillaten() const override { return LampTillaten == 1; }
    QLineEdit *aktivtSvar() const override;
    bool harInstallningar() const override;
    void Edit1Change() override;
    void Helpknapp1Click() override;
    void LampknappClick() override;
    void Button2Click() override;
    void BitBtn1Click() override;
    void visaRattelse() override;
    bool eventFilter(QObject *o, QEvent *e) override;
    // Worksheet: the lead sentence as stored, then the gap sentence with
    // blanks on the sheet and as stored in the key.
    QList<TUtskrift::Rad> arbetsbladUppgift(const QString &prefix, bool franKlart) override;
    QList<TUtskrift::Rad> arbetsbladAvsnitt() override;

private:
    // Lays out one display line from x at top y; gap words become green
    // labels (lead sentence) or answer boxes (gap sentence). Returns the
    // right edge of the line.
    int laggUtRad(const QString &rad, int y, bool ledmening, QList<QLabel *> &lediga);
    void visaArbetsbladsrad();
    void placeraKnappraden();
    void placeraLampan();
    int radHojd() const;
    bool visarFastRad() const;
    void efterAvbrott();
    // One display line of the gap sentence for the sheet, after indrag: each
    // gap a blank of underscores as long as its answer (tecken per letter).
    QString luckRad(const QString &indrag, const QString &rad, const QString &tecken);

    Tabell<QString, 2> m_svar;       // right answers of the gaps
    Tabell<int, 2> m_radTop{};       // top of the line of each gap
    Tabell<int, 2> m_radSlut{};      // right edge of that line
    Tabell<QLabel *, 2> m_efter{};   // the piece after each gap on its line
    int m_placerade = 0;             // gaps placed so far while laying out
    bool m_hjalpVidAvbrott = false;  // the help button stood when Esc was pressed
};

// Creates the window, shows it modally and frees it.
void TSkrivinf_Visa();
