#pragma once
// Which exercise window runs the test and the practice of each diagnosis
// area, by the class names of the program's window registry
// (frame/catalogue/fonsterregister.h):
//
//     areas 1..4, 13..16      typed answer     "TSKRIV"
//     areas 5, 6              multiple choice  "TFLERBAR"
//     areas 7, 8, 11, 12, 17  gap filling      "TSkrivinf"
//     areas 9, 10             two answers      "Tskriv2"
//
// An area whose window is not registered cannot be started.

#include <QString>

// The window class of an area 1..17; empty for any other number.
QString diagnosFonsterKlass(int omrade);
