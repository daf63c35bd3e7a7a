#pragma once
// The program entry: start routine, permanent windows, message loop.
//
// The permanent windows are declared beside their classes: the main window
// Form1 (frame/TForm1.h), the spelling-list window RegList1
// (frame/TRegList1.h), the printing window Utskrift (results/TUtskrift.h)
// and the protocol's printing window Diagutform (results/TDiagutform.h).
// The start creates the main window; the other three are not shown at
// start, so it only makes them available, and each is created when it is
// first reached and then lives for the rest of the run.

class QApplication;

// Everything before the message loop: the start routine of the shared state,
// the windows of every part, the title, the Swedish texts of Qt's own
// buttons and the main window. False when the program is to end at once
// (no DATA directory).
bool startaProgrammet(QApplication &app);

// Frees the permanent windows (the end of the run, or of a test).
void avslutaProgrammet();

int varmikoMain(QApplication &app);

// Ends the process with rc at once, once the run is over: the windows are
// freed and every file the program writes has been saved and closed by then,
// so the libraries' own teardown at exit is left out. Qt Multimedia's sound
// engine, torn down at exit after a sound has played, can crash there while
// its PulseAudio thread still runs.
[[noreturn]] void avslutaProcessen(int rc);
