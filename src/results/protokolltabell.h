#pragma once
// The diagnosis protocol as a table of texts, its column widths on screen
// and its column positions on paper, without any window.
//
// Rows: 0 the headers, 1..17 the areas, 18 the total. Columns: number, area,
// result, time of the last test, status.

#include "frame/vrsku1.h"
#include "frame/TDiagnosPost.h"

#include <QString>

#include <array>

inline constexpr int ProtokollKolumner = 5;
inline constexpr int ProtokollRader = 19;
inline constexpr int SummaRad = 18;

// Where columns 1..4 of the printout begin, in percent of the width between
// the paper's margins. Set when the protocol window lays itself out.
extern Tabell<qint32, 4> KolumnProcent;

// The text of one cell for the pupil's record d.
QString protokollText(const TDiagnosPost &d, int rad, int kolumn);

// A result right-aligned by blanks: 10 before 0..9, 8 before 10..99, 6 above.
QString resultatText(qint32 n);
// The total: 10 blanks before 0..9, 8 before 10..99, 7 from 100 on.
QString summaText(qint32 t);
// The sum of the results of all 20 areas.
qint32 protokollSumma(const TDiagnosPost &d);

// The test file "VRDIAGnn.DAT" or the practice file "VROVN1nn.DAT" of an area.
QString diagnosFilNamn(int omrade, bool ovning);

// Pixel widths of the five columns for a table W pixels wide, with the
// layout unit M and w the width of a time cell: 5M, W − 5M − 3w, w − 4M, w, w.
// On a screen too narrow for that the area column keeps a third of the
// table and the others shrink in proportion; every width is at least 1 and
// together they never exceed W.
std::array<int, ProtokollKolumner> protokollKolumnBredder(int W, int M, int w);

// The printout's column positions for the same screen: column 0 takes
// 5M / W, columns 2 and 3 about w / W, column 1 the rest. Every column keeps
// at least 1 %, so the positions always rise and stay below 100.
Tabell<qint32, 4> protokollKolumnProcent(int W, int M, int w);

// Widths (any unit) widened to what their texts need, the space taken from
// the columns that have more than they need, in proportion to their room.
// The total stays the same. False, with the widths unchanged, when all the
// needs together exceed the total.
bool passaKolumner(std::array<int, ProtokollKolumner> &bredd,
                   const std::array<int, ProtokollKolumner> &behov);
