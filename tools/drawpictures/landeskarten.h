#pragma once
// The pictures of the Germany pages: the map of the federal states in three
// sizes (VRSKLAN2.BMP, VRSKLAND.BMP, VRSKLAN3.BMP) and the flag
// (VRSK_FL.BMP). False after a message when a picture can't be written.

#include <QString>

bool zeichneLandeskarten(const QString &ziel);
