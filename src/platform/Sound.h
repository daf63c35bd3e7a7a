#pragma once
// Playing the course's WAV sounds. Everything goes through one small player
// interface, so that tests can put a recorder in its place.

#include <QString>
#include <QtGlobal>

class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;

    // Plays a WAV file. Without wait the call returns at once and the sound
    // plays on; with wait it returns when the sound has ended (at the latest
    // after its length and WaitMarginMs), and user input is held back
    // meanwhile. A machine without a sound device stays silent.
    // False, with *error set to a message for the user, when the file cannot
    // be played. A file whose end is missing plays what it holds: true, with
    // *error telling the user that it is damaged.
    virtual bool play(const QString &file, bool wait, QString *error) = 0;

    // Stops the sound that plays, if any.
    virtual void stop() {}
};

namespace Sound {

// The player in use: the program's own unless a test has installed another.
SoundPlayer &player();

// Installs another player (tests); nullptr restores the program's own.
// Returns the one installed before, nullptr for the program's own.
SoundPlayer *setPlayer(SoundPlayer *player);

// True when the program's own player has its sound module (loaded on the
// first call); without it the sounds are passed over in silence.
bool hasModule();

// How long the sound of a WAV file lasts, in milliseconds, as far as the file
// holds it; -1, with *error set, when the file cannot be read, is no WAV file
// or holds no sound.
qint64 wavLength(const QString &file, QString *error = nullptr);

// Time granted beyond a sound's length before a wait gives up: the sound
// system needs a moment to start a stream.
inline constexpr int WaitMarginMs = 3000;

} // namespace Sound
