#pragma once
// The program entry: start routine, permanent windows, message loop.

#include "platform/PermanentWindow.h"

class QApplication;
class TForm1;
class TUtskrift;
class TDiagutform;
class TRegList1;

// The permanent windows. The main window is created at start; the printing
// window, the protocol's printing window and the spelling-list window are
// not shown at start, so each is created when it is first reached, and then
// lives for the rest of the run.
extern TForm1 *Form1;
extern PermanentWindow<TUtskrift> Utskrift;
extern PermanentWindow<TDiagutform> Diagutform;
extern PermanentWindow<TRegList1> RegList1;

// Everything before the message loop: the start routine of the shared state,
// the title, the Swedish texts of Qt's own buttons and the main window.
// False when the program is to end at once (no DATA directory).
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
