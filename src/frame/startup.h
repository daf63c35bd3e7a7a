#pragma once
// Start-up work on files: the path settings, the settings file, the lists of
// data and praise files and the result directories.

#include <QString>

// The directory that holds "Vrs2010.Ini": $XDG_CONFIG_HOME, else ~/.config.
QString installningsKatalog();

// Reads "Vrs2010.Ini" into PCPath, CDPath, ScoreDirectory and DiagnosPath.
// An empty PCPath becomes the program's own directory.
void LaesSokvagar();

// Reads "VRSKA.INI" from PROGRAM into PausTid, LjudInst and BildInst.
void HaemtaVrskaINI();

// Builds DatFiler (and LovordFiler when the list file names praise files).
void HaemtaDatFiler();
// Builds LovordFiler from the DATA directory when the list named none.
void HaemtaLovordFiler();
void RaknaBilder();

// True when no file can be created in the directory.
bool KatalogSkrivskyddad(const QString &katalog);

// Keeps ScoreDirectory when it is a writable directory, else falls back to
// RESULTAT under the installation directory, creating it when missing.
// ScoreDirectoryOk is 1 only when the directory in the end can be written.
void TestaScoreDirectory();

// The DATA directory under the first root that has one; empty when none does.
QString dataKatalog();
