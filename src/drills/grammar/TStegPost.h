#pragma once
// One record of a level progress file: a pupil's name and the level saved
// for it. 260 bytes: the name in Windows-1252, ended by a zero byte and
// padded with zero bytes to 256, then the level as a 32-bit signed
// little-endian number.

#include <QByteArray>
#include <QString>

struct TStegPost
{
    static constexpr int Storlek = 260;
    static constexpr int NamnStorlek = 256; // the name takes at most 255 bytes

    QString Namn;
    qint32 Niva = 0;

    QByteArray toBytes() const;
    // The name is the text before the first zero byte.
    static TStegPost fromBytes(const QByteArray &post);

    // A record as the program writes it: 260 bytes, a zero byte ends the
    // name within its 256 bytes, and the level is 1..20.
    static bool arHel(const QByteArray &post);
    // Writes a new level into a stored record and leaves its other bytes.
    static void sattNiva(QByteArray &post, qint32 niva);
};
