#pragma once
// Reading speed: the texts of VRS61000.DAT, the walk that takes their words
// one at a time, and the counts and paces shown beside them.
//
// The file holds texts one after the other, each closed by a line "#".
// Words are separated by single blanks; an empty line ends a text for the
// walk, although the lines after it are still shown.

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Characters read of a line; the rest of a longer line is skipped.
inline constexpr int LasRadLangd = 80;
// Lines kept of a chosen text. The walk stops at the first empty entry, so
// one entry past the last line always stays empty.
inline constexpr int LasRaderMax = 29;

// The lines of a texts file as the exercise reads them: at most 80
// characters each, scrambled lines unscrambled. False when it can't be read.
bool lasTextfil(const QString &sokvag, QStringList &rader);

// The number of texts offered: the lines that are "#" once their blanks are
// tidied away.
int textAntal(const QStringList &rader);

// Text N (1..): the lines after the (N-1)-th line that is exactly "#" and
// before the N-th, at most LasRaderMax of them. Empty for a number without a
// text.
QStringList lasText(const QStringList &rader, int N);

// The walk through a text, one word at a time: a word is every character up
// to and including the next blank, or up to the end of its line.
class Ordvandring
{
public:
    explicit Ordvandring(const QStringList &LasRader = {});

    // Back to the first word.
    void borjaOm();
    // True when LasRader[LasRad] is empty: the text is through.
    bool slut() const;
    // Takes the next word into SenasteOrd and returns it.
    QString SuddaOrd();
    // True after a word that ended its line.
    bool nyRad() const { return LasPos == 1; }
    // Line LasRad of the text (1..), empty past its end.
    QString rad(qint32 nummer) const;

    qint32 LasRad = 1;
    qint32 LasPos = 1;
    QString SenasteOrd;

private:
    QStringList m_rader;
};

struct LasStatistik
{
    qint32 LasOrdAntal = 0;
    qint32 LasBokstavAntal = 0; // characters other than blanks, punctuation too
};

// Words and letters up to the end of the walk.
LasStatistik Statistik(const QStringList &LasRader);

// The three count labels: "12 ord", "57 bokstäver", "4.8 bokstäver per ord".
QString ordText(const LasStatistik &s);
QString bokstavText(const LasStatistik &s);
QString snittText(const LasStatistik &s);

// Milliseconds per word for a scroll-bar position (1..900): 1000 - position.
int ordIntervall(int position);
// The pace label for a word interval: "120 ord / min".
QString taktText(int intervall);

// The message at the end of a text read in the given milliseconds: the words
// per minute from the exact time, the time itself in whole seconds (rounded,
// at least 1).
QString slutMeddelande(qint32 ord, qint64 millisekunder);
