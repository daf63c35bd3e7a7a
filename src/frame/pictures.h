#pragma once
// The pictures of Germany: the run's picture order, their captions, and
// loading a picture file from BILD under the roots.

#include <QByteArray>
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

// The number the draw steg draws from now (0: the next) gives, the order
// built afresh as the main window's creation builds it; nothing moves.
qint32 kommandeBildnummer(qint32 steg);

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

// A picture file (a path as hittaBildFil finds it) read once: a plain BMP
// is decoded at once at its own size, any other picture is kept as its bytes
// and decoded by Qt at the size asked for. Reentrant: may be made and used on
// a thread of its own.
class Bildfil
{
public:
    explicit Bildfil(const QString &sokvag);

    // The picture's own size, from its header; invalid when unknown.
    QSize storlek() const { return m_storlek; }

    // The picture at size mal, smoothly scaled (its own size for an invalid
    // mal when its size is unknown); null for an empty mal or an unreadable
    // file.
    QImage bild(QSize mal) const;

private:
    QByteArray m_data;
    QImage m_bild;
    QSize m_storlek;
};

// The picture file at sokvag read once and decoded at storlek(own size).
QImage lasBildFil(const QString &sokvag, const std::function<QSize(QSize)> &storlek);

// The picture as a pixmap, scaled to storlek when one is given (aspect kept),
// at its own size otherwise; null when the file is missing or unreadable.
// A file is decoded once for each size asked for.
QPixmap laddaBild(const QString &BildFilNamn, const QSize &storlek = QSize());
