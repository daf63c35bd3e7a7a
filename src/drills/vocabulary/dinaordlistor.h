#pragma once
// The word lists of the word-list trainer "Dina ord", without any window:
// finding the list files and their display names, reading their headers and
// counting their items, the random walk over a list, the trainer's own queue
// of wrongly answered items, the score and the stopwatch.
//
// A list file is a text file of the course like the exercise data files:
// header lines ("$") among its first three lines, comments (";"), empty lines
// and item lines "word#translation#&alternative…".

#include "frame/vrsku1.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The program numbers the menu sets before it opens the trainer, and the one
// the trainer takes once a list is chosen.
inline constexpr quint16 AllmannaGlosor = 1001; // general lists, "*.vr1"
inline constexpr quint16 SpeciellaGlosor = 1002; // special lists, "*.vr2"
inline constexpr quint16 DinaOrdValdLista = 1000;

inline constexpr int ListNamnRader = 37;
inline constexpr int ListNyckelLangd = 12;
inline constexpr int ListNamnLangd = 50;

// The display names of the lists: rows "KEY=Name", 1..29 filled (longanamn).
const Tabell<QString, ListNamnRader> &ListNamnTabell();

// The display name of a list key, its letters compared as capitals; the key
// itself when no row has it (longfilnamn).
QString longfilnamn(const QString &ListNyckel);

// One entry of the list choice: the file and the name it is offered under.
struct OrdLista
{
    QString fil;
    QString namn;
};

// The list files of the kind ("*.vr2" for SpeciellaGlosor, else "*.vr1"),
// letter case ignored, in PCPath\DATA only, sorted by name.
QStringList ordListFiler(quint16 programtal);

// The entries the trainer offers: every list file of the kind except the one
// whose name is "tidsordf" (exactly so), each under the display name of its
// first 12 characters.
QList<OrdLista> ordListor(quint16 programtal);

// True for an item line (given unscrambled): not empty, not a comment or a
// header, and with a "#" somewhere between its first and its last character.
// Counting and fetching both go by it, so item n is always the same line.
bool arOrdPost(const QString &text);

// The slot of a list file in the per-list tables (DinaOrdAntal,
// DinaOrdPosition, DinaOrdFelAntal): one of its own for the whole run, so
// that a general and a special list never share a count or queued items.
// 0 when every slot is taken.
qint32 ordListNummer(const QString &sokvag);

// Reads a list: the header lines among its first three lines into
// OvningsRubrik, InstruktionsText and UtskriftInstruktion (cleared first), and
// the number of its item lines into antal. False when it cannot be read.
bool lasOrdLista(const QString &sokvag, qint32 &antal);

// DinaOrdAntal[lista] := the item count of the file. False when it cannot be
// read.
bool RaknaPoster(const QString &sokvag, qint32 lista);

// Makes sure the open list (DinaOrdFil, DinaOrdLista) is counted, once per
// run. False after the message "Filen … finns inte eller är felaktig" when it
// holds no item.
bool KollaFil();

// Opens the chosen list FilNamn (a name in DATA) shown as VisningsNamn:
// DinaOrdFil (under PCPath, else CDPath), DinaOrdLista, DinaOrdListNamn, its
// headers, its count and RekordFilNamn. True when the list can be drilled;
// otherwise the pupil has been told once.
bool Filvald(const QString &FilNamn, const QString &VisningsNamn);

// The Pos-th item of the run's random order among the items of list Lista;
// DinaOrdPosition[Lista] moves on and cycles. 0 for a list without items.
qint32 NastaSlumpPost(qint32 Pos, qint32 Lista);

// PostRad := item Nr of DinaOrdFil, unscrambled. False after the message
// when the file cannot be read, false when it has no item Nr.
bool haemtaOrdPost(qint32 Nr);

// The trainer's queue, for the list DinaOrdLista.
enum DinaOrdKoLage : qint32 {
    DinaOrdKoTa = 0,        // DinaOrdFelPost := its first queued item, PostRad := that line
    DinaOrdKoTaBort = 1,    // its first pair leaves the queue (answered right)
    DinaOrdKoFlyttaSist = 2, // its first pair moves behind all others (wrong again)
    DinaOrdKoLaggTill = 3,  // (SlumpPost, DinaOrdLista) is appended, the oldest pair dropped when full
};
// True when something was done (for DinaOrdKoTa: an item was fetched).
bool HaemtaPost(qint32 Lage);
// Used places of DinaOrdFelKo (an unbroken run from the start).
int dinaOrdFelKoAntal();

// The record table of a list file: the score directory (RESULTAT under
// PCPath when none is set) + the name up to its first "." + ".TNR".
QString dinaOrdRekordFil(const QString &FilNamn);

// Points for a right answer: 100 + the length of the right answer, less two
// for every second taken; half of that with the lamp on.
double ordPoang(int svarsLangd, qint32 hundradelar, bool lampa);
// A round's score as the record table takes it: rounded, kept within 0..65535.
quint16 rekordResultat(double poang);

// The stopwatch's clock: milliseconds from a fixed start, monotonic (never
// the time of day). Tests replace it; an empty function restores it.
qint64 stoppurMs();
void setStoppur(std::function<qint64()> kalla);
