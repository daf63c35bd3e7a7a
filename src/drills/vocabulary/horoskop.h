#pragma once
// The horoscope reading text: the twelve signs, the lines of VRS62000.DAT
// that belong to each, the random choice of seven of them, the sign list with
// its date columns, the signs' places on the zodiac picture, and the
// vocabulary list of VRS62000.ORD.

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <functional>

inline constexpr int AntalTecken = 12;
inline constexpr int HoroSlumpMax = 400;
inline constexpr int HoroskopRader = 7;   // lines drawn for a horoscope
inline constexpr int AvslutningsRader = 3; // the sign's closing "$" lines

// Sign index 0..11 (Widder .. Fische).
struct TeckenRader
{
    int forsta = 0;
    int sista = 0;
};
TeckenRader teckenRader(int index);
QString teckenNamn(int index);

// Stjarntecken[1..12]: name, "#", first day, "#", "-  " and last day.
QStringList Stjarntecken();

// The items of the sign list. bredd measures a text in the list's measuring
// font (in fractions of a pixel, as text is laid out): each name is padded
// with blanks to a column 100 pixels wide.
QStringList StjLista(const std::function<double(const QString &)> &bredd);

// HoroSlump[1..400] for a draw from first..last: the numbers first..last in
// random order at the positions first, first + 1, .., 0 elsewhere.
using HoroSlumpTabell = std::array<qint32, HoroSlumpMax + 1>;
HoroSlumpTabell SlumpOrdning(int forsta, int sista);

// The seven line numbers a draw chose: the first seven entries that aren't 0.
QList<qint32> valdaRader(const HoroSlumpTabell &HoroSlump);

// The text of a horoscope from the lines of VRS62000.DAT (unscrambled): the
// heading "   " + name, the chosen lines in file order and the three "$"
// lines that follow the last of them, without their "$". False when the file
// ends before the seven lines were found.
bool Horoscoptext(const QStringList &filrader, int index, const QList<qint32> &valda, QStringList &text);

// The lines of a texts file as the window reads them, scrambled ones
// unscrambled. False when it can't be read.
bool lasHoroskopfil(const QString &sokvag, QStringList &rader);

// The vocabulary list: each German word padded with blanks to a column 145
// pixels wide, then its translation. bredd measures in the list's font,
// blank is the width of one blank there.
QStringList MemoOrdLista(const QStringList &filrader, const std::function<double(const QString &)> &bredd,
                         double blank);

// The sign a click at (x, y) on the zodiac picture selects; -1 for a click
// that selects none (the middle).
int teckenVidKlick(int x, int y);

// Where the marker stands on the picture for a sign, and the sign's symbol.
QPoint hrutPlats(int index);
QString teckenSymbol(int index);
