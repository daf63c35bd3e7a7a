#pragma once
// The register of all pupils' diagnoses: "TDIAG.DIA" in DiagnosPath, one
// 348-byte record per pupil, in the order in which they were first saved.
//
// The register is always rewritten through a temporary file of its own in
// the same directory: the new register is written there in full, flushed to
// the disk and then renamed over the old one, so that an interruption at any
// moment leaves either the old or the new register whole. A class may share
// one register between computers: every change locks it, reads it again and
// changes only its own pupil's record.
//
// A register whose size is not a multiple of 348 has lost the end of its
// last record. Before anything rewrites the file a copy of it is put aside
// as "TDIAG.DIA.bad", and the teacher is told once. The whole records are
// used, and so is the cut one when its name is whole (the rest of it as in a
// fresh record).

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

// Saves AktivDiagnos into the register: replaces the record of the same name
// (letter case ignored, "ä" matches "Ä"), else appends it; creates the
// register when there is none. On success DiagSpara := 0. On failure the
// register is unchanged, DiagSpara := 1, so that the next save tries again,
// and the message "Diagnosen kunde inte sparas i katalogen …" is shown, or
// given in fel instead when fel is not null.
bool SparaProtokoll(QString *fel = nullptr);

// Deletes, after asking, every record named exactly RaderaNamn (letter case
// counts) and every record without a name. True when the register was
// rewritten; otherwise RaderaLage := 0 and the register is unchanged.
bool SparaRaderaProt();

// Renames the register to "VR" + TidStampel() + ".DIS" in the same
// directory; never over an earlier archive ("-2", "-3" … are added). The next
// save starts a new register.
bool ArkiveraDiagnoser();

// The current date and time as yymmddhhmm.
QString TidStampel();

// Loads the pupil of that name (letter case ignored) into AktivDiagnos and
// returns the password (empty = none). Not found, or no register: a fresh
// record. In every case AktivDiagnos.Namn := Namn (cut to 21 characters).
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

// Write test of the diagnosis directory: creates "temp.dtt" there (left in
// place). When that fails, prepares RESULTAT under the installation
// directory instead (created when missing and tested) and tells the teacher
// where diagnoses will go, or, when that cannot be written either, that
// diagnoses cannot be saved. False means: use the fallback.
bool DiagnosFileWish(const QString &Katalog);

// Once per run (DiagnosPathKlar = 0): DiagnosFileWish(DiagnosPath), on False
// DiagnosPath := PCPath + "\RESULTAT"; then DiagnosPathKlar := 1.
void prepareDiagnosPath();
