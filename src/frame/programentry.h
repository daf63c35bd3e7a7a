#pragma once
// The program entry: start routine, permanent windows, message loop.

class QApplication;
class TForm1;
class TUtskrift;
class TDiagutform;
class TRegList1;

// The permanent windows, created at start in this order and living for the
// whole run.
extern TForm1 *Form1;
extern TUtskrift *Utskrift;
extern TDiagutform *Diagutform;
extern TRegList1 *RegList1;

// Everything before the message loop: the start routine of the shared state,
// the title, the Swedish texts of Qt's own buttons and the four windows.
// False when the program is to end at once (no DATA directory).
bool startaProgrammet(QApplication &app);

// Frees the permanent windows (the end of the run, or of a test).
void avslutaProgrammet();

int varmikoMain(QApplication &app);
