#pragma once
// The pictures of Germany: the run's picture order, their captions, and
// loading a picture file from BILD under the roots.

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// The next picture of the run's order (1..BildAntal), taken at BildIndex,
// which moves on and cycles; BildText := its caption. The order is built on
// the first draw after BildListaNy is set: the order in which 1..BildAntal
// stand in SlumpTabell. Pos is taken for BildIndex.
qint32 haemta_Bildslumptal(qint32 Pos);

// BildText := the caption of picture Nummer (the start-picture caption while
// MusOverBild is 1); Text := BildText. Empty for a number without a picture.
void GeBildText(qint32 Nummer, QString &Text);

// The start-picture file prefix for a screen width: "VRSL" below 701 pixels,
// "VRSM" up to 899, "VRSS" from 900.
QString startBildPrefix(int skarmBredd);

// "\BILD\" + prefix + the number in three digits + ".BMP" ("VRS" for reward
// pictures).
QString bildFilNamn(const QString &prefix, qint32 nummer);

// The file a picture path below a root names (BildFilNamn), under PCPath
// first and CDPath second, letter case ignored; empty when under neither.
QString hittaBildFil(const QString &BildFilNamn);

// A plain BMP file (24 bits a pixel, uncompressed, as the course's pictures
// are) held in memory, decoded; null for any other file, which then goes
// through Qt's picture readers.
QImage lasBmp(const QByteArray &fil);

// The size a picture file gives in its header, read without decoding the
// picture; invalid when the file is missing or unreadable.
QSize bildStorlek(const QString &BildFilNamn);

// The picture as a pixmap, scaled to storlek when one is given (aspect kept),
// at its own size otherwise; null when the file is missing or unreadable.
// A file is decoded once for each size asked for.
QPixmap laddaBild(const QString &BildFilNamn, const QSize &storlek = QSize());
