#pragma once
// Placing the start pictures of the main window: where a picture goes in its
// slot, and how large its caption may be.

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

// The largest rectangle with the picture's proportions that fits in ruta,
// against its right edge (pictures left of the menu) or its left edge
// (pictures right of the menu), at its top. Empty for an empty picture.
QRect startbildPlats(QSize bild, const QRect &ruta, bool motHogerKant);

// The pixel size, at most designPixlar and at least golv, at which every line
// in font is at most bredd wide. Worked out from the design size each time,
// so a caption never depends on the one shown before it.
int bildtextStorlek(const QStringList &rader, QFont font, int designPixlar, int golv, int bredd);
