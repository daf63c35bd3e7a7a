#pragma once
// Sentence parts by drag and drop: a German sentence whose parts are marked
// in the data file, and a row of boxes for the functions of the parts
// (accusative object, dative object, predicate, predicative complement,
// subject). The pupil drags each part onto the box of its function; an item
// is right when every part with a box found it at the first try. Two of the
// exercises step through levels, the third runs rounds with score squares,
// error rounds and praise. It is the exercise template with a sentence and
// boxes in place of the question and the answer box.

#include "drills/grammar/NivaFil.h"
#include "drills/writing/TSKRIV.h"

class NivaRuta;
class QMimeData;

class TSats : public TSKRIV
{
    Q_OBJECT
public:
    explicit TSats(QWidget *parent = nullptr);

    // Creation, in place of the template's: called once after construction.
    void FormCreate();

    // The right edge, in pixels, that a sentence row may reach before the
    // next label starts a new row.
    static constexpr int RadBredd = 520;
    static constexpr int MaxDelar = 5;
    // The kind of data a dragged part carries: its part number.
    static const QString MimeTyp;

    // The part codes and the box captions, code numbers 1..6 (6, "NN", has
    // no box).
    static QString SatsdelKod(int kod);
    static QString SatsdelRubrik(int kod, int rad);
    // The code number of a part's code field ("ao", "P " …); 0 for "NN",
    // empty or unknown codes.
    static int kodNummer(const QString &falt);

    // Window fields.
    Tabell<QString, MaxDelar> DelText;
    qint32 VansterKant = 0;
    Tabell<qint32, 3> RadTopp{};
    Tabell<qint32, MaxDelar> RutaDel{}; // the part that box k takes
    Tabell<qint32, MaxDelar> RutaKod{}; // the code number of box k
    qint32 AntalRutor = 0;
    Tabell<quint8, MaxDelar> RutaKlar{};
    qint32 AktuellDel = 0;
    qint32 AntalPlacerade = 0;
    quint8 ForstaForsok = 1;
    quint8 NivaLage = 0;
    qint32 AktuellNiva = 1;
    quint8 ToppNadd = 0;
    NivaFil Nivaer;
    Tabell<QString, MaxDelar> SatsdelUtskrift;

    // Components besides the template's, each with its field's name as its
    // object name.
    Tabell<QLabel *, 6> Mell{};  // connecting texts
    Tabell<QLabel *, 10> Men{};  // parts 1..5, and their copies 6..10 that stay in the sentence
    Tabell<QLabel *, MaxDelar> Memo{}; // the boxes
    ShapeWidget *Shape1 = nullptr;
    QFrame *FelPanel = nullptr;
    QLabel *Label3 = nullptr; // the hint line
    NivaRuta *NivPanel = nullptr;

    // Routines of the window.
    void Inled();
    void NyPost() override;
    void Avklarad();
    void Avslutning() override;
    void Menfarg(int del);
    void Hjalptext(int k);
    void memosenabled(bool pa);
    void UppgraderaNivRutan(qint32 niva, qint32 rad);
    void RitaNivRutan(bool visa);
    void RitaUtskriftOverskriftRuta(bool visa);

    // Event handlers of the bar.
    void Button1Click() override;
    void Button2Click() override;
    void BitBtn1Click() override;

    // The data that a drag of the part label carries (null for any other
    // label); the caller owns it.
    QMimeData *delMimeData(const QLabel *del) const;
    // Part del lies in its box.
    bool arPlacerad(int del) const { return del >= 1 && del <= MaxDelar && m_placerad[del]; }
    // All parts with a box have been placed; the window waits for the next
    // item or for the bar.
    bool postKlar() const { return m_postKlar; }
    // False when the file has no item to play: the window is not worth showing.
    bool harPoster() const { return m_harPoster; }

protected:
    bool kanRattaFel() const override;
    // The sentence is its own question: no answer box, lamp or hints.
    bool skrivsSvaret() const override { return false; }
    // A wrong drop showed its error at once; the round pauses only before
    // its end.
    void visaRattelse() override {}
    bool pausMittIRundan() const override { return false; }
    void vidSlutPausen() override;
    bool eventFilter(QObject *o, QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    QList<TUtskrift::Rad> arbetsbladUppgift(const QString &prefix, bool franKlart) override;
    void arbetsbladNastaPost() override;

private:
    void byggKomponenter();
    bool laggUtPosten();
    void placeraRaderna();
    bool kanDra() const;
    int delAv(const QObject *o) const;
    int rutaAv(const QObject *o) const;
    int delIMime(const QMimeData *m) const;
    void dra(int del);
    bool slapp(int ruta, int del);
    // The first hint again once a drag has ended (dropped or given up).
    void nyttForsokHjalp();
    void borjaOmNivaerna();
    void visaListen(bool medRattaFelen);

    bool m_postKlar = false;
    bool m_nivaFil = false; // the file's items carry level numbers
    bool m_harPoster = true;
    bool m_felMeddelat = false;
    Tabell<qint32, MaxDelar> m_delKod{}; // the code number of each part
    Tabell<bool, MaxDelar> m_placerad{};
    int m_antalDelar = 0;
    int m_senasteHjalp = 0;
    int m_senasteFarg = -1;
    bool m_las1 = false; // hint 2 was shown: no other hint until it is cleared
    bool m_las2 = false; // hint 3 was shown
};

// Creates the window, shows it modally and frees it.
void TSats_Visa();
