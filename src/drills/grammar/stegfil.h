#pragma once
// The level progress files of the level-stepping exercises ("VRXACT.STE",
// "VRVERB1.STE", "VRVERB2.STE"): records of TStegPost, one after the other,
// in the diagnosis directory. A pupil's name may stand in more than one
// record; the first one holds the highest level saved.
//
// A save rewrites the file through a temporary file of its own in the same
// directory: the new file is written there in full, flushed to the disk and
// renamed over the old one, so that an interruption at any moment leaves
// either the old or the new file whole. The file is locked while a save
// reads and rewrites it, so that pupils saving on several computers at once
// keep each other's levels. A damaged file (its end cut off in the middle of a
// record, or records the program never writes) is copied aside as
// "<name>.bad" before a save rewrites it, and the pupil is told.

#include <QString>
#include <QtGlobal>

// Where the progress file lies: DiagnosPath + "\" + StegFilNamn, as found on
// the disk (letter case ignored); empty when the diagnosis directory is
// missing.
QString stegFilSokvag(const QString &StegFilNamn);

// Tells (when the exercise opens, before the pupil works) that this account
// cannot replace the progress file, why and what helps: another account's
// file in a directory with the sticky bit. Nothing when it can.
void tellStegFilObstacle(const QString &StegFilNamn);

enum class StegHamtning {
    Hittad,     // StegNiva holds the saved level
    InteHittad, // the name is not in the file; StegNiva unchanged
    IngenFil,   // nothing saved yet; StegNiva unchanged
    Fel,        // the file cannot be read (after a message); StegNiva unchanged
};

// Fetches the level saved for Namn (letter case ignored, Swedish letters
// included): the first record of that name with a level of 1 or more; a
// level above AntalNivaer gives the top level.
StegHamtning hamtaStegNiva(const QString &StegFilNamn, const QString &Namn, qint32 AntalNivaer, qint32 &StegNiva);

// Saves StegNiva for Namn. Records of that name with a lower level are
// raised to it; when none was raised and StegNiva is 2 or more, a record is
// added. Records of level 1 and records without a name are left out. A new
// file holds the pupil's record whatever its level. False after a message
// when nothing could be saved; the old file is then as it was.
bool sparaStegNiva(const QString &StegFilNamn, const QString &Namn, qint32 StegNiva);
