#pragma once
// Playing the course's WAV sounds. Everything goes through one small player
// interface, so that tests can put a recorder in its place.
//
// The program's own player plays on a thread of its own (SoundThread): the
// window's thread never calls into the sound system, so a sound server that
// stops answering cannot hold up the windows.

#include <QString>
#include <QtGlobal>

#include <functional>

class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;

    enum class Result {
        Played,   // played to its end when waited for; handed on to play otherwise
        Silent,   // no sound device (or no sound module): nothing was played
        Failed,   // the file or the sound system could not play it
        NoAnswer, // the sound system did not take it in time: given up
        Stopped,  // the wait for it was ended by stop() or by the next sound
    };

    // Plays a WAV file. Without wait the call returns at once and the sound
    // plays on; with wait it returns when the sound has ended, at the latest
    // after its length and WaitMarginMs. While it waits the event loop runs
    // on, input included: the window repaints and takes keys, and stop() (as
    // from Esc or from closing the window) ends the wait at once. A sound
    // that the sound system has not taken after NoAnswerMs is given up.
    // *error is set to a message for the user when the file cannot be played
    // (Failed, NoAnswer), and also for a file whose end is missing, which
    // plays what it holds.
    virtual Result play(const QString &file, bool wait, QString *error) = 0;

    // Stops the sound that plays, if any.
    virtual void stop() {}
};

namespace Sound {

// The player in use: the program's own unless a test has installed another.
SoundPlayer &player();

// Installs another player (tests); nullptr restores the program's own.
// Returns the one installed before, nullptr for the program's own.
SoundPlayer *setPlayer(SoundPlayer *player);

// What the program's own player hears only after play() has returned, for
// a sound played without waiting: it failed (Failed) or the sound system
// did not take it in time (NoAnswer). Called on the window's thread with the
// file and a message for the user.
using LateReport = std::function<void(SoundPlayer::Result result, const QString &file, const QString &message)>;
void setLateReport(LateReport report);

// How long the sound of a WAV file lasts, in milliseconds, as far as the file
// holds it; -1, with *error set, when the file cannot be read, is no WAV file
// or holds no sound.
qint64 wavLength(const QString &file, QString *error = nullptr);

// Time granted beyond a sound's length before a wait gives up: the sound
// system needs a moment to start a stream.
inline constexpr int WaitMarginMs = 3000;

// Time the sound system has to take a sound before it is given up.
inline constexpr int NoAnswerMs = 2000;

} // namespace Sound
