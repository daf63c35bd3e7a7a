#pragma once
// The random order of items and the error-repetition queue.
//
// One permutation of 1..1900 (SlumpTabell), drawn at start, serves every data
// file, every praise file and the picture list: each walks it with a position
// of its own and takes only the entries not above its own count, so a file of
// N items comes in one fixed random order per run, and files of equal count
// share it.

#include <QString>

// Resets the counters, positions and queues and draws SlumpTabell as a
// permutation of Forsta..Sista from the program's random generator.
void NollstallSlump(qint32 Forsta, qint32 Sista);

// The Pos-th entry of SlumpTabell that is not above Antal. A count above 1900
// walks a permutation of 1..Antal of its own, drawn once per run, so that
// every item comes once per pass. 0 ("no item") when Antal is below 1.
qint32 slumpVandring(qint32 Pos, qint32 Antal);

// The next item of data file Lista from position Pos, and the position moved
// on (cycling). 0 when the file has no items.
qint32 haemta_slumptal(qint32 Pos, qint32 Lista);

// The error queue, for the current ListNummer:
enum FelKoLage : qint32 {
    FelKoTa = 0,        // FelPost := the first queued item, PostRad := its line
    FelKoTaBort = 1,    // the first pair of this list leaves the queue
    FelKoFlyttaSist = 2, // the first pair of this list moves behind all others
    FelKoLaggTill = 3,  // (SlumpPost, ListNummer) is appended
};

// True when something was done: for FelKoTa, when an item was fetched
// (false, with FelPost and PostRad untouched, when none is queued). A queued
// pair that no longer names an item of its file is dropped; when the file
// itself is missing, that is reported and its pairs stay queued.
bool haemtafel(const QString &FilNamn, qint32 Lage);

// Used places of FelKo (they form an unbroken run from the start).
int felKoAntal();
