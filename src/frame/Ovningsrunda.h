#pragma once
// The round of an exercise, without any window: fetching the next item from
// the random order or the error queue, counting answers, the pause after a
// wrong answer, error rounds and new rounds, and the steps of diagnosis
// practice. The exercise windows show it and feed it answers.

#include <QtGlobal>

namespace Ovningsrunda {

// Run modes.
inline constexpr quint8 Ovning = 0;
inline constexpr quint8 Arbetsblad = 1;
inline constexpr quint8 DiagnosTest = 2;
inline constexpr quint8 DiagnosOvning1 = 3;
inline constexpr quint8 DiagnosOvning2 = 4;
inline constexpr quint8 DiagnosFelRunda = 5;

// Right answers a round may lack and still earn praise (practice) or count as
// a good round of diagnosis practice (out of PosterPerOmgangInst).
inline constexpr int TillatnaFel = 2;
// The error round asks at most this many items.
inline constexpr int MaxFelRunda = 10;

bool arDiagnosOvning(); // modes 3 and 4
bool arDiagnos();       // modes 2, 3 and 4

// Resets the counters for a window that opens with a round of n items.
void borja(qint32 n);

// The next item into PostRad and PostFalt: from the random order, or in an
// error round from the error queue. False when there is none.
bool hamtaPost();

// The error queue that an answer goes to: the data file's (FelKo) by
// default; the word-list trainer keeps its own. lage is one of the queue
// steps FelKoTaBort, FelKoFlyttaSist and FelKoLaggTill, which both queues
// number alike.
class Felko
{
public:
    virtual ~Felko() = default;
    virtual void steg(qint32 lage) const;
    // The items queued for the error round.
    virtual qint32 antal() const;
};
const Felko &datafilensKo();

// An answer to the current item. raknas is false when a hint or the lamp was
// used in the diagnosis modes.
void svarRatt(bool raknas, const Felko &ko = datafilensKo());
void svarFel(const Felko &ko = datafilensKo());

// After the answer: the next item number; true when the round is over.
bool nastaPost();
bool rundanSlut();

// One tick of the pause; true when the pause is over.
bool tick();
// Space: the next tick ends the pause.
void avbrytPaus();
inline constexpr qint32 PausAvbruten = 20000;

// "Fehler berichtigen": a round of the items queued in ko, at most
// MaxFelRunda and at most a round's length. False when none is queued.
bool startaFelRunda(const Felko &ko = datafilensKo());
// A new round of PosterPerOmgang items; the error round of diagnosis
// practice returns to the first practice mode.
void startaNyRunda();

// A good round of diagnosis practice (modes 3 and 4): outside an error
// round, with at most TillatnaFel right answers short of PosterPerOmgangInst.
bool godOvningsrunda();

// The end of a round of diagnosis practice, outside an error round.
enum class DiagnosSteg {
    Ingen,       // not a good round, or not diagnosis practice
    AndraRundan, // mode 3 → 4: one good round
    TillTestet,  // mode 4 → the test: "Testa" in the protocol
};
DiagnosSteg diagnosOvningSlut();

// Praise after a practice round: at most TillatnaFel wrong, no error round.
bool fortjanarLovord();

} // namespace Ovningsrunda
