#pragma once
// The program's one random generator. It is seeded from the clock, or from the
// number in VARMIKO_SEED so that a run can be repeated exactly.

#include <QRandomGenerator>

namespace Random {

QRandomGenerator &generator();

// Seeds again, from VARMIKO_SEED when it holds a number, else from the clock.
void reseed();

// A number drawn uniformly from 1..n (n >= 1).
int between1and(int n);

} // namespace Random
