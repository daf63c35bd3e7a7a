#pragma once
// What a test program needs from its surroundings, for a run through CTest
// and for a run by hand from the build directory alike: the offscreen
// platform, a private runtime directory, and where the course lies (in the
// source tree, and placed beside the built program). CTest sets all of these;
// a program started by itself takes the places the build knows.

// Fills in every variable that is not set. Call it first in main, before the
// application object is made.
void setTestEnvironment();
