#pragma once
// Item lines: the reversible line scrambling, splitting into fields, cutting
// at "<" and ">" marks, and blank normalisation.

#include <QByteArray>
#include <QString>

// The scrambled form of Rad, marked by a leading ")"; lines that begin with
// ";", "$", "#" or ")" come back unchanged.
QString kryptrad(const QString &Rad);

// The plain form of a line that begins with ")"; any other line unchanged.
QString dekryptrad(const QString &Rad);

// The same on raw Windows-1252 bytes: the scrambling works on bytes, so a
// line survives whatever characters its scrambled form holds.
QByteArray kryptradBytes(const QByteArray &Rad);
QByteArray dekryptradBytes(const QByteArray &Rad);

// The scrambled form of any text, also one that begins with ";", "$", "#" or
// ")": for fields that always go through the scrambling, such as the
// teacher's password. dekryptradBytes() gives the text back.
QByteArray scrambleAnyBytes(const QByteArray &Text);

// Fills PostFalt, AntalFalt and AntalAlternativ from an item line (scrambled
// or plain). Fields are separated by "#", at most ten; leading blanks are
// removed (a field of blanks keeps one); a field that begins with "&" loses
// it, and it and every later field are alternative right answers.
void str_postarray(const QString &Rad);

// Field i of the line last split. An index below 1 (as computed from the
// counts of a line of alternatives only) reads field 1; an index past the
// last field reads an empty field.
const QString &postFalt(int i);

// Field number of the first alternative answer (AntalFalt + 1 when there is
// none), and of the last field before the alternatives.
int forstaAlternativ();
int sistaFaltForeAlternativ();

// PrepDelar[1..5] := Text cut at every "<" and ">". Marks past the fourth
// are dropped, and the text after them stays in part 5.
void LetaPrep(const QString &Text);

// Leading and trailing blanks removed, inner runs of blanks made one.
QString MellanslagBort(const QString &S);
