#pragma once

#include <QImage>
#include <QString>

#include <functional>

// Draws the picture into datei (BMP) unless the file is newer than this
// program. False, after a line on stderr, when it could not be written.
bool zeichneWennAlt(const QString &datei, const std::function<QImage()> &zeichne);
