#pragma once
// The benchmark of Varmiko: how long the program takes for what a pupil
// waits for (start-up, opening an exercise, the answer's feedback, the lamp)
// and how much memory it holds.
//
// The parent ("report") runs every measurement in fresh processes of this
// program and of the real one, on a real X server, and prints the table.
// The children print one "SAMPLE <figure> <value>" line per measurement.

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QApplication;
class QWidget;
struct KatalogMeny;

namespace bench {

// Milliseconds since t was started, to the microsecond.
double msSince(const QElapsedTimer &t);

// Runs action, then handles events until a widget that accept takes has been
// painted and the X server has drawn it (one round trip after the flush).
// The milliseconds from before the action; -1 when nothing was painted in
// time.
double untilPainted(const std::function<bool(QWidget *)> &accept, const std::function<void()> &action,
                    int timeoutMs = 5000);
double untilPainted(QWidget *target, const std::function<void()> &action, int timeoutMs = 5000);

// Handles events until done() holds; false on timeout.
bool waitUntil(const std::function<bool()> &done, int timeoutMs = 5000);

// One measured value of a figure, for the parent.
void sample(const QString &figure, double value);

// A run that went wrong: said on stderr, and the process ends with 1.
void fail(const QString &what);
int exitCode();

// Every message the program would show ends the measurement as a failure
// (a message box would wait for a person).
void guardMessages();

// The program started as it starts itself, its main window shown and painted.
bool startProgram(QApplication &app);

// A button of a menu that opens an exercise window the program has.
struct LiveButton
{
    const KatalogMeny *menu = nullptr;
    int number = 0; // Button1 … of the menu
    QString dataFile;
    QString window;
};
QList<LiveButton> liveButtons();

// Opens the exercise of a button from its menu: the menu window is created and
// shown (menuMs: the time to it painted), the button clicked (Kolla, window
// creation, first item), and the time to the exercise window painted taken;
// then the window is closed as the pupil closes it. -1 when no window came up.
double openFromMenu(const LiveButton &button, double *menuMs = nullptr);

// Peak resident memory of this process in MB (VmHWM), and current (VmRSS).
double peakMemoryMb();
double residentMemoryMb();

// The figures of one list of values.
struct Stats
{
    int n = 0;
    double median = 0, min = 0, max = 0, q1 = 0, q3 = 0;
};
Stats stats(QList<double> values);

// Modes (the first argument).
int runReport(const QStringList &args);
int runLargeCourse(const QStringList &args);
int runOpening(QApplication &app, const QStringList &args);
int runFeedback(QApplication &app, const QStringList &args);
int runDataFiles(const QStringList &args);
int runMemory(QApplication &app, const QStringList &args);
int runSounded(QApplication &app, const QStringList &args);

// The value of "--name value" in args, or fallback.
QString option(const QStringList &args, const QString &name, const QString &fallback = QString());
int intOption(const QStringList &args, const QString &name, int fallback);

} // namespace bench
