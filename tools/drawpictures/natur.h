#pragma once
// The pictures of the biology exercises: plants (BILD\VAXTER), animals
// (BILD\DJUR) and the human body (BILD\KROPP).

#include <QImage>
#include <QString>

// Draws them all under the BILD directory ziel, unless every one is newer
// than this program. 0 when done, 1 when a file could not be written.
int naturbilder(const QString &ziel);

// One picture: item post of program 2141..2155 (the first four digits of
// its program number), 320 x 240; null for an item without a picture.
QImage naturbild(int program, int post);

// The body picture of program 21301..21307, 320 x 480; null for another.
QImage kroppsbild(int program);
