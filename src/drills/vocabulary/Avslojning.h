#pragma once
// Reveal the story: the state of one puzzle, without a window. A story of
// VRS63000.DAT is cut into word places, 7 to a line and 49 in all, each
// masked by stars; the pupil solves places by putting a word of the bank on
// one, or by typing a word, which reveals it wherever it occurs.

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>

class Avslojning
{
public:
    static constexpr int Rader = 7;
    static constexpr int OrdPerRad = 7;
    static constexpr int Platser = Rader * OrdPerRad; // 49
    static constexpr int OrdLangd = 30;

    // The story numbers to offer: "1", "2", .. one for each line "#".
    static QStringList letastorys(const QStringList &filrader);

    // The mask of a word: "*" for its first character and every later one
    // but ".", ",", "!", "?" and "-", then its final ".", ",", "!" or "?";
    // "-" for a word that ends in "-".
    static QString mask(const QString &ord);

    // Reads story AvslojText (1..) from the lines of the file (unscrambled)
    // and starts the puzzle afresh on it.
    void Getwords(const QStringList &filrader, qint32 AvslojText);

    // Back to no tries and no solved words.
    void nollstall();

    // A word of the bank put on place k (1..49): true, with the place
    // solved and the word gone from the bank, when it is the word that
    // belongs there. A solved place takes no word.
    bool utruta(int k, const QString &ord);

    // A typed word: every place whose word it is gets solved. Returns the
    // places solved; a guess that solves none counts as one try.
    QList<int> Textkoll(const QString &skrivet);

    // The word and mask of place p (1..49), and the speaker of row r (1..7).
    QString AvslojOrd(int p) const;
    QString AvslojMask(int p) const;
    QString namn(int r) const;
    bool harOrd(int p) const { return !AvslojOrd(p).isEmpty(); }
    bool lost(int p) const;

    // The words in place order (ListBox4: as written; ListBox3: without a
    // final mark), an empty entry for each place skipped at a line start,
    // and the bank (ListBox1), sorted.
    const QStringList &ListBox4() const { return m_ListBox4; }
    const QStringList &ListBox3() const { return m_ListBox3; }
    const QStringList &ListBox1() const { return m_ListBox1; }

    // "Richtige Antworten" and "Gelöste Aufgaben" in whole per cent.
    int rattProcent() const;
    int losProcent() const;
    bool klar() const { return AvslojAntal > 0 && losProcent() >= 100; }

    qint32 AvslojText = 0;
    qint32 AvslojForsok = 0;
    qint32 AvslojRatt = 0;
    qint32 AvslojAntal = 0;

private:
    std::array<QString, Platser + 1> m_ord;
    std::array<QString, Platser + 1> m_mask;
    std::array<QString, Rader + 1> m_namn;
    QStringList m_ListBox4;
    QStringList m_ListBox3;
    QStringList m_ListBox1;
};
