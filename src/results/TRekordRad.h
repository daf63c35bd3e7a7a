#pragma once
// One entry of a record table, and the entry a finished game hands to the
// record window.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Stored as 34 bytes, little-endian: the name as a length byte and at most 21
// Windows-1252 bytes (22 in all), then year, month, day, hour, minute and the
// result as unsigned 16-bit numbers.
struct TRekordRad
{
    static constexpr int Storlek = 34;
    static constexpr int NamnLangd = 21;

    QString Namn;
    quint16 Ar = 0;
    quint16 Manad = 0;
    quint16 Dag = 0;
    quint16 Timme = 0;
    quint16 Minut = 0;
    quint16 Resultat = 0; // a score, or for the races a time in tenths of a second

    // The 34 bytes of the entry; a longer name is cut, the bytes past the
    // name are zero.
    QByteArray toBytes() const;

    // The entry in the first 34 bytes of data (which must hold that many); a
    // length byte above 21 is taken as 21.
    static TRekordRad fromBytes(const char *data);
};

// The new entry: the caller fills Namn and Resultat, the record window the
// date and time.
extern TRekordRad RekordPost;
