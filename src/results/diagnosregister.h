#pragma once
// The register of all pupils' diagnoses: "TDIAG.DIA" in DiagnosPath, one
// 348-byte record per pupil, in the order in which they were first saved.
//
// The register is always rewritten through a temporary file of its own in
// the same directory: the new register is written there in full, flushed to
// the disk and then renamed over the old one, so that an interruption at any
// moment leaves either the old or the new register whole. A class may share
// one register between computers: every change locks it, reads it again and
// changes only its own pupil's record, and of that only what it changed.
//
// A register whose size is not a multiple of 348 has lost the end of its
// last record. Before anything rewrites the file a copy of it is put aside
// as "TDIAG.DIA.bad", and the teacher is told once. The whole records are
// used, and so is the cut one when its name is whole (the rest of it as in a
// fresh record).
//
// A file whose records fail plain checks (a name or password longer than its
// field, control characters in a name, a status above 3, an end that is not
// the start of a record) is no register: it is copied aside as
// "TDIAG.DIA.bad", the teacher is told once, no pupil is read from it and
// nothing is saved over it until the teacher starts a new register with
// "Ta bort alla diagnoser".

#include "frame/TDiagnosPost.h"

#include <QString>
#include <QStringList>

// The name of the record to delete (at most 26 characters), set by the
// register dialog before SparaRaderaProt().
extern QString RaderaNamn;
// 1 while a delete is in progress; SparaRaderaProt() clears it when nothing
// was deleted.
extern quint8 RaderaLage;
// 1 when the last HaemtaDiagnos() found the pupil.
extern quint8 NamnFunnet;

enum class Sparning {
    Sparad,     // the register holds the pupil's record
    Avstod,     // the pupil's record was deleted meanwhile, and the pupil chose not to keep it as a new one
    Misslyckad, // nothing was saved (after a message)
};

// Saves AktivDiagnos into the register. Under the register's lock the file
// is read again and only what this program changed since it read the pupil
// goes into the record of the same name (letter case ignored, "ä" matches
// "Ä"): each area tested or changed, a status changed alone, the password
// when it changed; every other field as the file holds it, so that another
// program's saves for the same pupil are kept. A pupil the register does not
// hold is appended (the register is created when there is none); but one
// that it held when this program read it and that has been deleted since is
// added again only when the pupil answers yes to the question that says so.
// On success AktivDiagnos := the record as saved (with what others saved)
// and DiagSpara := 0. On failure the register is unchanged, DiagSpara := 1,
// so that the next save tries again, and the message "Diagnosen kunde inte
// sparas i katalogen …" is shown, or given in fel instead when fel is not
// null.
Sparning sparaAktivDiagnos(QString *fel = nullptr);
// sparaAktivDiagnos() == Sparning::Sparad.
bool SparaProtokoll(QString *fel = nullptr);

// A new password that the pupil has just confirmed is saved at once, as
// above; when it cannot be, the pupil is told that it is not saved yet.
bool SparaNyttLosen();

// Deletes, after asking, every record named exactly RaderaNamn (letter case
// counts) and every record without a name. The question says so when the
// pupil's protocol is open in another program. True when the register was
// rewritten; otherwise RaderaLage := 0 and the register is unchanged.
bool SparaRaderaProt();

// Renames the register to "VR" + TidStampel() + ".DIS" in the same
// directory; never over an earlier archive ("-2", "-3" … are added). The next
// save starts a new register. When protocols of pupils in it are open in
// other programs, the teacher is asked first; avstod is set when the answer
// was no.
bool ArkiveraDiagnoser(bool *avstod = nullptr);

// The current date and time as yymmddhhmm.
QString TidStampel();

// Loads the pupil of that name (letter case ignored) into AktivDiagnos and
// returns the password (empty = none). Not found, or no register: a fresh
// record. In every case AktivDiagnos.Namn := Namn (cut to 21 characters).
// The saves from now on write what this program changes in the record.
QString HaemtaDiagnos(const QString &Namn);

// Whether a pupil of that name (letter case ignored) is in the register.
// AktivDiagnos becomes a fresh record named Namn either way.
bool NamnFinns(const QString &Namn);

// A fresh record in AktivDiagnos: no name, no password, no results, and the
// starting statuses ("Börja" for 1, 5, 7, 9, 11, 13, 15, 16, 17, "Vänta" for
// the others).
void NollstallDiagnos();

// The names of all records in file order, for the register's name list.
// False when there is no register or it cannot be read.
bool readRegisterNames(QStringList &names);

// While a pupil's protocol is open this program holds a claim on it that
// other programs see (a lock on a hidden marker beside the register); it
// ends with releaseProtocol() or with the process, however it ends.
// claimProtocol() is true when another program had the protocol open
// already.
bool claimProtocol(const QString &Namn);
void releaseProtocol();
// The hidden marker file of that pupil's protocol; empty without a
// diagnosis directory.
QString protocolMarker(const QString &Namn);
// Whether a program has that pupil's protocol open.
bool protocolIsOpen(const QString &Namn);
// The pupils of the register whose protocol a program has open.
QStringList protocolsOpen();

// Tells (when the register is opened) that this account cannot replace the
// register, and why: another account's file in a directory with the sticky
// bit. Nothing when it can.
void tellRegisterObstacle();

// Write test of the diagnosis directory: creates "temp.dtt" there (left in
// place). When that fails, prepares RESULTAT under the installation
// directory instead (created when missing and tested) and tells the teacher
// where diagnoses will go, or, when that cannot be written either, that
// diagnoses cannot be saved. False means: use the fallback.
bool DiagnosFileWish(const QString &Katalog);

// Once per run (DiagnosPathKlar = 0): DiagnosFileWish(DiagnosPath), on False
// DiagnosPath := PCPath + "\RESULTAT"; then DiagnosPathKlar := 1.
void prepareDiagnosPath();
