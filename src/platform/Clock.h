#pragma once
// The time of day that the program writes into its files, and the monotonic
// clock of its stopwatches. Tests replace both.

#include <QDateTime>
#include <QtGlobal>

#include <functional>

namespace Clock {

QDateTime now();

// Replaces the clock; an empty function restores the system clock.
void setSource(std::function<QDateTime()> source);

// Milliseconds from a fixed start, monotonic (never the time of day, so a
// stopwatch running over midnight stays right).
qint64 elapsedMs();

// Replaces the stopwatch clock; an empty function restores the real one.
void setElapsedSource(std::function<qint64()> source);

} // namespace Clock
