#pragma once
// The answer check of every exercise that takes typed answers, and the live
// lamp that tells the pupil while typing whether the answer can still be right.

#include <QString>
#include <QtGlobal>

// Results of svarstest.
inline constexpr quint16 SvarRatt = 0;      // right
inline constexpr quint16 SvarTomt = 6000;   // nothing was typed
inline constexpr quint16 SvarStorBokstav = 10; // mode 4: 10 + words typed with a small first letter (11..15)
inline constexpr quint16 SvarFel = 60000;   // wrong

// Results of GreenRedTest.
inline constexpr quint8 LampaGron = 1;
inline constexpr quint8 LampaRod = 2;

// Compares the typed Svar with the right answer Ratt and then with every
// alternative right answer of the item line last split (PostFalt).
// Blanks are always normalised. Lage:
//   0  exact
//   1  one punctuation mark ("!" "," "." "?" "¨" soft hyphen) at either end ignored
//   2  letter case ignored
//   3  punctuation at the ends and letter case ignored
//   4  as 1, but words whose capital first letter was typed small are
//      counted: 11..15 when that is the only difference
// For the two-answer programs, SvarsVariant picks which of the answers
// marked with a leading "1" or "2" count.
quint16 svarstest(const QString &Ratt, const QString &Svar, qint32 Lage);

// LampaGron when Skrivet (one leading blank aside) is the beginning of Ratt
// or of one of the alternatives, or of the field before them; else LampaRod.
// In the two-answer programs the alternatives count as svarstest takes them
// for SvarsVariant, and the field before them (the Swedish word) does not.
quint8 GreenRedTest(const QString &Skrivet, const QString &Ratt);
