#pragma once
// Record tables: one ".TNR" file per exercise or word list in the score
// directory, holding up to RekordMax entries of 34 bytes, best first, with no
// header. The race programs store times, where lower is better; every other
// program stores a score, where higher is better.

#include "frame/vrsku1.h"
#include "results/TRekordRad.h"

#include <QList>
#include <QString>

// True for the race programs 56610..56660, whose results are times.
bool isRaceProgram(quint16 programtal);

// The name in the window's title "Rekordtabell för …": the race's own title
// for the race programs, else the open word list's name.
QString recordTableName(quint16 programtal);

enum class RecordFileState {
    Read,       // the file was read (it may hold no rows)
    Missing,    // there is no such file
    Unreadable, // it exists but cannot be read
};

// Reads the first RekordMax rows of a table file. A partial row at the end
// is ignored.
RecordFileState readRecordFile(const QString &path, QList<TRekordRad> &rows);

// The stored rows with a new entry in its place.
struct RankedTable
{
    QList<TRekordRad> rows; // row 1 is rows[0]
    int newRow = 0;         // the new entry's row; RekordMax + 1 when it found no place

    bool entryPlaced() const { return newRow >= 1 && newRow <= RekordMax; }
};

// Places entry before the first stored row that is strictly worse, so after
// rows with the same result. Rows pushed beyond RekordMax fall out; when the
// table is full and the entry is not better than any row, it is shown after
// the table in row RekordMax + 1 and is not part of it.
RankedTable rankEntry(const QList<TRekordRad> &stored, const TRekordRad &entry, bool lowerIsBetter);

// Writes the rows (at most RekordMax) as the whole file, through a temporary
// file that takes the old file's place when it is whole. False with a reason
// on failure (also when the directory takes no new file); the old file is
// then as it was.
bool writeRecordFile(const QString &path, const QList<TRekordRad> &rows, QString &error);

// The rows of the table file at path; a missing file is made empty (and its
// directory with it). False with the message for the player when the table
// can be neither read nor made.
bool loadRecordTable(const QString &path, QList<TRekordRad> &rows, QString &message);

// Stores entry in the table file at path: reads the table again (locked
// against other programs saving into it), places the entry and rewrites the
// file. An entry that finds no place in a full table changes nothing. False
// with the message for the player when the table could not be kept.
bool saveRecordEntry(const QString &path, const TRekordRad &entry, bool lowerIsBetter, QString &message);

// Why this account cannot replace the table file at path, with the remedy
// (another account's file in a directory with the sticky bit); empty when
// it can.
QString recordTableObstacle(const QString &path);

// The file a table name (a "\"-separated path) stands for: the existing
// file, letter case ignored, else the path to create it at.
QString recordFilePath(const QString &rekordFilNamn);

// Makes sure the table file exists, creating its directory and an empty file
// when they are missing. False when either cannot be created.
bool createRecordFile(const QString &path);

// Cell texts of the table.
QString formatRowNumber(int row);           // "    1", "  10", "100"
QString formatDateTime(const TRekordRad &r); // " yymmdd hh:mm"
QString formatResult(quint16 resultat, bool race); // right-aligned by blanks

// What the teacher is told when results cannot be kept in a directory
// (shown without its last separator).
QString scoreDirectoryMessage(const QString &katalog);
