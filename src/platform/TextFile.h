#pragma once
// Line-oriented reading and writing of the course's 8-bit text files.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace TextFile {

// The raw bytes of every line, CR and LF stripped. False when the file
// cannot be opened.
bool readRawLines(const QString &path, QList<QByteArray> &lines);

// The lines decoded from Windows-1252.
bool readLines(const QString &path, QStringList &lines);

// Writes lines in Windows-1252 with CRLF ends, through a temporary file that
// replaces the old one only when it is whole.
bool writeLines(const QString &path, const QStringList &lines);

} // namespace TextFile
