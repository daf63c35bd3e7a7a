#pragma once
// One pupil's diagnosis: name, password and, per area, the last result, the
// status and the time of the last test. The same 348 bytes are one record of
// the register file "TDIAG.DIA".
//
// Layout (little-endian):
//     0  22  Namn      length byte + at most 21 characters, Windows-1252
//    22  11  Losen     length byte + at most 10 characters
//    33   3  -         alignment fill
//    36  80  Resultat  20 x signed 32-bit
//   116  20  Status    20 x byte, 0..3
//   136 200  Ar, Manad, Dag, Timme, Minut   5 x 20 x unsigned 16-bit
//   336  12  -         reserved

#include "frame/vrsku1.h"

#include <QByteArray>
#include <QString>

inline constexpr int DiagnosPostStorlek = 348;
inline constexpr int DiagnosOmradesAntal = 20; // areas in a record; 1..17 are in use
inline constexpr int DiagnosNamnLangd = 21;
inline constexpr int DiagnosLosenLangd = 10;
// Where the password and the statuses begin in a record, and the highest
// status a record can hold.
inline constexpr int DiagnosLosenStart = 22;
inline constexpr int DiagnosStatusStart = 116;
inline constexpr quint8 DiagnosHogstaStatus = 3;

struct TDiagnosPost
{
    QString Namn;
    QString Losen; // empty = no password
    Tabell<qint32, DiagnosOmradesAntal> Resultat{};
    Tabell<quint8, DiagnosOmradesAntal> Status{};
    Tabell<quint16, DiagnosOmradesAntal> Ar{};
    Tabell<quint16, DiagnosOmradesAntal> Manad{};
    Tabell<quint16, DiagnosOmradesAntal> Dag{};
    Tabell<quint16, DiagnosOmradesAntal> Timme{};
    Tabell<quint16, DiagnosOmradesAntal> Minut{};

    // The bytes the record was read from, so that the fill and the reserved
    // bytes go back to the file unchanged; empty for a record never read.
    QByteArray lastBytes;

    // Reads the first 348 bytes of data (shorter data is padded with zeros).
    // A length byte above its field's capacity is clamped; a status above 3
    // is taken as 0 ("Börja").
    static TDiagnosPost fromBytes(const QByteArray &data);

    // Exactly 348 bytes. Names and passwords are cut to their capacity; the
    // bytes past a string's length are zero.
    QByteArray toBytes() const;
};

// The pupil in diagnosis: loaded by the register dialog, shown and saved by
// the protocol, filled by the exercises through diagnosback().
extern TDiagnosPost AktivDiagnos;
