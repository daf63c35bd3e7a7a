#pragma once
// The part of the sound player that needs Qt Multimedia. It is a module of
// its own (soundmodule/), loaded when the first sound plays: a run that
// plays nothing never loads the sound system's libraries.

#include <QString>
#include <QtGlobal>

class SoundBackend
{
public:
    virtual ~SoundBackend() = default;

    enum class Result {
        Played,   // playing, or played to its end when waited for
        NoDevice, // no sound device: nothing is played
        Failed,   // the sound system could not play the file
    };

    // Plays a WAV file of lengthMs milliseconds (by its header); with wait
    // the call returns when it has ended, at the latest after its length and
    // Sound::WaitMarginMs, and user input is held back meanwhile. A new
    // sound stops the one before.
    virtual Result play(const QString &file, qint64 lengthMs, bool wait) = 0;

    virtual void stop() = 0;
};

// The module's entry point, looked up by this name.
#define VARMIKO_SOUND_BACKEND_ENTRY "varmikoSoundBackend"
extern "C" SoundBackend *varmikoSoundBackend();
