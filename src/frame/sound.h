#pragma once
// The sounds of the exercises: WAV files under LJUD, in a sub-directory of
// the exercise's own chosen by its program number.

#include <QString>

// LjudFilPrefix := the sound sub-directory of Programtal; none (LJUD itself)
// for a program without one of its own.
void GeLjudDirectory();

// Plays FilNamn from LJUD\LjudFilPrefix, under PCPath else CDPath (letter
// case ignored). The pronunciation duel (programs 31100..31400) waits for the
// sound's end, with the window going on meanwhile; everything else returns
// at once while the sound plays on.
// A missing file gives "Ljudfilen <path>  finns inte eller är felaktig.",
// a player error its own message; the exercise goes on after either. A
// damaged file plays what it holds and is reported once in a run (until it
// changes on the disk), and so is a sound system that does not answer: the
// sound is given up, and the next one tries again.
void SpelaUppWavLjud(const QString &FilNamn);

// Stops the sound that SpelaUppWavLjud started, if it still plays; a wait
// for it ends at once.
void stoppaLjud();

// Sounds played one after another as one whole, such as the five words of
// the pronunciation duel. While it lives, the first message about its sounds
// is shown and no later one; and once one of them is stopped (stoppaLjud) or
// given up because the sound system does not answer, the rest of them are
// passed over, as without sound.
class Ljudfoljd
{
public:
    Ljudfoljd();
    ~Ljudfoljd();
    Ljudfoljd(const Ljudfoljd &) = delete;
    Ljudfoljd &operator=(const Ljudfoljd &) = delete;

    // Stopped or given up: its remaining sounds are not played.
    bool avbruten() const { return m_avbruten; }

private:
    friend class LjudfoljdTillgang;
    Ljudfoljd *m_yttre = nullptr;
    bool m_avbruten = false;
    bool m_meddelat = false;
};
