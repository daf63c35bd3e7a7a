#pragma once

#include <QString>

// The about box's pictures into the BILD directory ziel: the background
// Vrska97.BMP and the maker's pictures Mivo1.BMP (its emblem), Mivo2.BMP (the
// program's box) and Mivo3.BMP (a pupil at the computer). Pictures newer than
// this program are kept. False when one could not be written.
bool zeichneOmBilder(const QString &ziel);
