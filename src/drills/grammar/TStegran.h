#pragma once
// The level-stepping drill: a typed-answer exercise whose items stand in up
// to 20 levels. Three right answers in a row raise the level, a wrong answer
// lowers it. The pupil can save the level reached under a name and fetch it
// again in a later run; there are no rounds, no score squares and no praise.
// It is the typed-answer window with a level box, a name box and a bar of
// its own.

#include "drills/grammar/NivaFil.h"
#include "drills/writing/TSKRIV.h"

class NivaRuta;
class QProgressBar;

class TStegran : public TSKRIV
{
    Q_OBJECT
public:
    explicit TStegran(QWidget *parent = nullptr);

    // Creation, in place of the template's: called once after construction.
    void FormCreate();

    // The waits after an answer count PausTid ticks (of 100 ms after a right
    // answer, of 1000 ms after a wrong one); the window sets the pause to this
    // at every item, and the value then holds for the rest of the run.
    static constexpr qint32 StegPausTid = 3;

    // Window fields.
    NivaFil Nivaer;      // NivaOrdning, NivaAntal, NivaPekare, AntalNivaer
    QString StegFilNamn; // the progress file of the exercise

    // Components besides the template's, each with its field's name as its
    // object name.
    NivaRuta *NivPanel = nullptr;
    QFrame *namnruta = nullptr;
    QLabel *NamnLabel1 = nullptr;
    QLabel *NamnLabel2 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QPushButton *HaemtaNivaa2 = nullptr;
    QPushButton *PrintButton = nullptr;

    // The progress file of a program number ("VRXACT.STE" for 53100 …);
    // empty for others.
    static QString stegFilFor(quint16 programtal);

    // Routines of the window.
    bool TestaStegreFilen(const QString &FilNamn);
    void NyPost() override;
    void UppgraderaNivRutan(qint32 niva, qint32 rad);
    void RitaNivRutan(bool visa);
    void RitaUtskriftOverskriftRuta(bool visa);
    void RitaOverskriften(const QString &line1, const QString &line2, const QString &line3);
    enum class StegLage { Spara, Hamta };
    void sparastegring(const QString &namn, StegLage lage);

    // Event handlers.
    void Edit1Enter();
    void Edit1Escape() override;
    void Timer1Timer() override;
    void Button1Click() override;
    void Button2Click() override;
    void HaemtaNivaa2Click();
    void Edit2Enter();

    // False when the file has no level items: the window is not worth showing.
    bool harPoster() const { return m_harPoster; }
    bool vantar() const; // a wait after an answer runs

    QString rattSvar() const override; // field 2

protected:
    void arbetsbladNastaPost() override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void byggKomponenter();
    void layout();
    void visaNamnrutan();

    bool m_harPoster = true;
};

// Creates the window, shows it modally and frees it.
void TStegran_Visa();
