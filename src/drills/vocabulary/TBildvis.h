#pragma once
// Picture choice for plants and animals: a picture with its Swedish name, and
// the pupil picks the German name among two or three, by a click or the keys
// 1 to 3. The birds can be heard singing. Everything else works as in the
// typed-answer window it derives from; it runs in practice mode only.

#include "drills/writing/TSKRIV.h"
#include "frame/vrsku1.h"

class TBildvis : public TSKRIV
{
    Q_OBJECT
public:
    explicit TBildvis(QWidget *parent = nullptr);

    // Window fields.
    Tabell<qint32, 3> AltOrdning{}; // the field shown at each position
    qint32 AltAntal = 0;
    qint32 RattPosition = 0;        // the position of field 1
    quint8 SvarVisas = 0;           // the right answer shows after a wrong one
    quint8 SangSpelas = 0;          // the song of the item was started
    qint32 SkarmEnhet = 0;

    // Components.
    QLabel *SvensktOrd = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *BreddLabel = nullptr;
    Tabell<QLabel *, 3> NrPanel{};
    Tabell<QFrame *, 3> AlternativPanel{};
    Tabell<QLabel *, 3> AltLabel{};
    QLabel *RattSvarLabel = nullptr;  // the template's Label5
    QPushButton *HoraLjudetButton = nullptr;
    QPushButton *Button4 = nullptr;   // the template's BitBtn1

    // The pupil chooses position k (1..3).
    void valjAlternativ(int k);
    // The mouse over row k.
    void markeraRad(int k);
    void HoraLjudetButtonClick();
    void Avslutning() override;

    bool raderAktiva() const { return m_raderAktiva; }

protected:
    QString fragaFalt() const override;
    QString svarFalt() const override;
    quint16 kontrollera(const QString &svar) const override;
    void raknaLedtradar() override;
    bool harRegelknapp() const override { return false; }
    void visaFragan() override;
    bool skrivsSvaret() const override { return false; }
    void visaRattelse() override;
    void efterSkapandet() override;
    void aktiveraSvar() override;

    void keyPressEvent(QKeyEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void aktiveraRader(bool pa);
    void visaKnappraden();
    void stoppaSangen();
    bool pausPagar() const;
    int radFor(QObject *o) const;
    qint32 postensNummer() const;

    bool m_raderAktiva = false;
};

// The picture of item post below a root: "\BILD\VAXTER\T" (plants,
// 21410..21440) or "\BILD\DJUR\T" (animals, 21510..21550), the first four
// digits of the program number and the item in two digits, ".BMP". Empty for
// another program or an item above 99.
QString bildvisBildFil(quint16 programtal, qint32 post);

// The song file of a bird of the bird exercise (21510) in LJUD\BIRDS; empty
// for an item without a song.
QString fagelSang(qint32 post);

// Creates the window, shows it modally and frees it.
void TBildvis_Visa();
