#pragma once
// The pictures of Germany: the run's picture order, their captions, and
// loading a picture file from BILD under the roots.

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>

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

// The size a picture file gives in its header, read without decoding the
// picture; invalid when the file is missing or unreadable.
QSize bildStorlek(const QString &BildFilNamn);

// The picture file at sokvag (as hittaBildFil finds it), read once: its own
// size comes from its header, and storlek(own size) tells the size it is
// decoded at (smoothly scaled; an empty size: not at all). Null when the file
// is missing or unreadable. Reentrant: may run on a thread of its own.
QImage lasBildFil(const QString &sokvag, const std::function<QSize(QSize)> &storlek);

// The picture as a pixmap, scaled to storlek when one is given (aspect kept),
// at its own size otherwise; null when the file is missing or unreadable.
// A file is decoded once for each size asked for.
QPixmap laddaBild(const QString &BildFilNamn, const QSize &storlek = QSize());
