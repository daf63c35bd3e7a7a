#pragma once
// Placing the start pictures of the main window: where a picture goes in its
// slot, and how large its caption may be.

#include <QFont>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

// The largest rectangle with the picture's proportions that fits in ruta,
// against its right edge (pictures left of the menu) or its left edge
// (pictures right of the menu), at its top. Empty for an empty picture.
QRect startbildPlats(QSize bild, const QRect &ruta, bool motHogerKant);

// One start picture: the file (empty when there is none), the room it may
// take and the edge it stands against; once read, the picture at its shown
// size and where it goes (startbildPlats).
struct Startbild
{
    QString fil;
    QRect ruta;
    bool motHogerKant = false;
    QImage bild;
    QRect plats;
};

// Reads the start pictures, each file once and decoded at the size it is
// shown, side by side on threads of their own: the window waits for the
// slowest picture instead of all of them in turn.
void lasStartbilder(QList<Startbild> &bilder);

// The pixel size, at most designPixlar and at least golv, at which every line
// in font is at most bredd wide. Worked out from the design size each time,
// so a caption never depends on the one shown before it.
int bildtextStorlek(const QStringList &rader, QFont font, int designPixlar, int golv, int bredd);
