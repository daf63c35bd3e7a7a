#pragma once
// The diagnosis areas, the status rules that lock and unlock them, and the
// report by which an exercise hands a test result to the pupil's record.
//
// Areas form chains in which passing one unlocks the next:
// 1 → 2 → 3 → 4, 5 → 6, 7 → 8, 9 → 10, 11 → 12, 13 → 14; 15, 16 and 17 stand alone.

#include "frame/vrsku1.h"
#include "frame/TDiagnosPost.h"

#include <QString>

#include <functional>

inline constexpr int DiagnosOmradenIBruk = 17; // areas with a row in the protocol

// Status of an area, and the word the protocol shows for it.
inline constexpr quint8 StatusBorja = 0; // not tested yet; the test may start
inline constexpr quint8 StatusVanta = 1; // locked until the area before is passed
inline constexpr quint8 StatusTesta = 2; // passed or unlocked; the test may start
inline constexpr quint8 StatusOva = 3;   // below the pass mark; practice first

// Names of the areas 1..20 (18..20 are empty).
extern const Tabell<QString, DiagnosOmradesAntal> DiagOmraden;
// "Börja", "Vänta", "Testa", "Öva" for the statuses 0..3.
extern const std::array<QString, 4> StatusNamn;

// The area opens a chain link (1, 2, 3, 5, 7, 9, 11, 13) / is unlocked by
// the area before it (2, 3, 4, 6, 8, 10, 12, 14).
bool arForegangare(int Omrade);
bool arEfterfoljare(int Omrade);

// Status of area Omrade (1..20) from AktivDiagnos; also sets the status of
// the area that follows it in its chain. The caller stores the result.
// Outside 1..20: 0, and nothing changes.
quint8 GeStatusTal(int Omrade);

// p with the status of every area 1..20 by the rules above, in order, as
// GeStatusTal gives it for p. AktivDiagnos is left as it was.
TDiagnosPost statusByTheRules(TDiagnosPost p);
// A fresh record: no name, no password, no results, the starting statuses
// ("Börja" for 1, 5, 7, 9, 11, 13, 15, 16, 17, "Vänta" for the others).
TDiagnosPost freshDiagnosPost();

// An exercise reports the right answers of a finished or abandoned test of
// area DiagRad. Does nothing unless a test (run mode 2) of an area 1..17 is
// in progress for a pupil (AktivDiagnos has a name). Stores the result, the
// status and the time, sets DiagSpara and, when a protocol window is open,
// has it enabled, redrawn (which saves) and repainted.
void diagnosback(qint32 Resultat);

// The protocol window installs this while it is open; an empty function
// means that none is.
void setProtocolRedraw(std::function<void()> redraw);

