#pragma once
// The time of day that the program writes into its files. Tests replace it.

#include <QDateTime>

#include <functional>

namespace Clock {

QDateTime now();

// Replaces the clock; an empty function restores the system clock.
void setSource(std::function<QDateTime()> source);

} // namespace Clock
