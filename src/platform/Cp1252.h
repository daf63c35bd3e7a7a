#pragma once
// Windows-1252, the code page of every text file of the course.
// Qt 6 has no codec for it, and Latin-1 would turn € „ “ … into control characters.

#include <QByteArray>
#include <QString>

namespace Cp1252 {

// One byte to its character. The five holes of the code page (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 control of the same value, so they survive
// a round trip.
QChar toChar(unsigned char byte);

// One character to its byte; characters outside the code page give '?'.
char fromChar(QChar c);

QString decode(const QByteArray &bytes);
QByteArray encode(const QString &text);

// The code page's simple upper-case mapping: a–z, à–þ except ÷, and š, œ, ž, ÿ.
// "ß" has no capital here and stays "ß" (QString::toUpper would make "SS").
QChar upper(QChar c);
QString upper(const QString &text);

// The reverse mapping: A–Z, À–Þ except ×, and Š, Œ, Ž, Ÿ.
QChar lower(QChar c);
QString lower(const QString &text);

} // namespace Cp1252
