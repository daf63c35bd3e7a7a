#pragma once
// Sentence parts and active/passive by choice: a sentence with one part
// marked (or none), and up to six answers on clickable panels. The pupil
// clicks what the marked words are (subject, object, predicate ...) or
// whether the sentence is active or passive. Everything else works as in the
// typed-answer window it derives from: round, score squares, pauses, error
// round, reward picture and praise, and the worksheet mode.

#include "drills/grammar/passakt.h"
#include "drills/writing/TSKRIV.h"

class TPassAkt : public TSKRIV
{
    Q_OBJECT
public:
    explicit TPassAkt(QWidget *parent = nullptr);
    ~TPassAkt() override;

    // Window fields.
    Tabell<QString, 8> PassAktAlternativ;
    qint32 AntalPassAktAlternativ = 0;
    Tabell<qint32, 8> PanelBredd{};
    Tabell<qint32, 8> PanelVanster{};

    // Components of this window. The template's end panel is the pause
    // panel "Panel9"; the options row is "Panel1" with "Panel2".."Panel8".
    QFrame *Panel9 = nullptr;
    QFrame *Alternativrad = nullptr;
    Tabell<QLabel *, PassAktPaneler> AlternativPanel{};
    QLabel *Label3 = nullptr;

    // A click on option panel N (2..8): knapp 0 the left button, 1 the right.
    void RaettTest(int panel, int knapp);
    // The mouse over option panel N.
    void PanelMouseMove(int panel);

    // Field 1 holds a marked part.
    static bool HarMarkering(const QString &mening);

protected:
    QString fragaFalt() const override;
    QString svarFalt() const override;
    quint16 kontrollera(const QString &svar) const override;
    void raknaLedtradar() override;
    bool harRegelknapp() const override { return true; }
    QString regelknappText() const override;
    void visaFragan() override;
    void visaRattelse() override;
    void Avslutning() override;
    bool skrivsSvaret() const override { return false; }
    void efterSkapandet() override;

    void arbetsbladStart() override;
    QList<TUtskrift::Rad> arbetsbladUppgift(const QString &prefix, bool franKlart) override;
    QList<TUtskrift::Rad> arbetsbladAvsnitt() override;
    void arbetsbladNastaPost() override;

    void efterCykeln() override;
    void mousePressEvent(QMouseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void byggAlternativ();
    void markera(int k); // option k looks pressed, the others plain (0: none)
};

// Creates the window, shows it modally and frees it.
void TPassAkt_Visa();
