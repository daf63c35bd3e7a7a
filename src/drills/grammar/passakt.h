#pragma once
// The sentence-part and active/passive exercise without its window: the
// options of an item and the answer key's full names of the sentence parts.

#include "frame/vrsku1.h"

#include <QList>
#include <QString>

inline constexpr int MaxPassAktAlternativ = 6; // option panels in use
inline constexpr int PassAktPaneler = 7;       // option panels of the window ("Panel2".."Panel8")
inline constexpr int PassAktLangd = 30;        // letters an option keeps

// Options of an item line split into PostFalt: fields 2, 3 ... up to the
// first empty field or one that begins with "£", at most six, each cut to 30
// letters, sorted by the code page's byte order (capitals before small
// letters).
QList<QString> passAktAlternativ();

// The right answer as its option panel shows it: field 2 cut to 30 letters.
QString passAktRattSvar();

// The full name of an abbreviated sentence part for the answer key:
// "SUBJ" gives "subjekt", "PRED.F." "predikatsfyllnad", "ack" "ackusativ".
// A text that is already a full name (or anything else) stays as it is. With
// versal the first letter is a capital.
QString TolkaForkortning(const QString &text, bool versal);

// Where the option panels stand inside the options row: each panel as wide
// as its text plus m plus 4, the first m from the left, each next one m
// after the previous text width plus m; the row m + the sum of (text width
// + m) + m / 2 wide.
struct PassAktLayout
{
    QList<int> vanster;
    QList<int> bredd;
    int radBredd = 0;
};
PassAktLayout passAktLayout(const QList<int> &textBredder, int m);
