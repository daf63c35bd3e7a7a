#pragma once
// The sein race without its window: the answer words of a data file, the
// points of an answer by its time, where a car goes, who has won, and the
// texts of the titles and the finishers' times.

#include "frame/vrsku1.h"

#include <QString>
#include <QStringList>

inline constexpr int MaxSeinOrd = 10;    // distinct answers collected
inline constexpr int SeinOrdLangd = 10;  // letters a word keeps
inline constexpr int SeinPaneler = 8;    // option panels ("Panel2".."Panel9")
inline constexpr int MaxSpelare = 3;
inline constexpr int MaxPoang = 50;      // points of an answer within half a second

// Entries 1..10 are the words as first spelled in the file but with a small
// first letter, 11..20 the same words with a capital first letter.
using SeinOrdTabell = Tabell<QString, 2 * MaxSeinOrd>;

// The distinct answers between "<" and ">" of the file's item lines (header,
// comment and blank lines and lines without an answer skipped; scrambled
// lines read plainly), letter case ignored, each cut to 10 letters, at most
// ten. Returns their number.
qint32 seinSvarsord(const QStringList &rader, SeinOrdTabell &SvarsOrd);

// The words a panel row offers for an item: the capital set when the right
// answer begins with a capital, else the words as stored; at most eight.
// When the answer is a word beyond the eighth, it takes the eighth panel, so
// that every item can be answered.
QStringList seinErbjudna(const SeinOrdTabell &SvarsOrd, qint32 antal, const QString &svar);

// Points for a right answer given after hundradelar hundredths of a second:
// 50 less the whole seconds (rounded), never below 0.
int seinPoang(qint64 hundradelar);

// The left edge a car moves to for its distance points.
int seinBilMal(double stracka, int marginal);

// The winner once a full turn is over: the last car in player order at or
// past the finish line, unless one player has strictly more points than all
// others. 0 when no car has finished.
qint32 seinVinnare(qint32 antalSpelare, const double stracka[], const int bilVanster[], int malLinje);

// A time in hundredths as "12,34 seconds" ("0,56 seconds" below one second).
QString seinSekunder(qint64 hundradelar);

// The winner's total time in tenths of a second, as the record table keeps it.
quint16 seinRekordTid(double hundradelar);

// Title and subheading of the race of a program number.
struct SeinRubrik
{
    QString titel;
    QString underrubrik;
};
SeinRubrik seinRubrik(quint16 programtal);

// The result line of the race.
QString seinSlutText(const QString &namn, qint32 antalSpelare);
