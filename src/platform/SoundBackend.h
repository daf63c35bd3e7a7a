#pragma once
// The part of the sound player that needs Qt Multimedia. It is a module of
// its own (soundmodule/), loaded when the first sound plays: a run that
// plays nothing never loads the sound system's libraries.

#include "platform/WavSound.h"

class SoundBackend
{
public:
    virtual ~SoundBackend() = default;

    enum class Result {
        Played,   // playing, or played to its end when waited for
        NoDevice, // no sound device: nothing is played
        Failed,   // the sound system could not play the file
    };

    // Plays a sound read by WavSound (fault None) from memory; with wait the
    // call returns when it has ended, at the latest after its length and
    // Sound::WaitMarginMs, and user input is held back meanwhile. A new
    // sound stops the one before. Nothing here waits on the sound system:
    // no sound can hold up the program or its end.
    virtual Result play(const WavSound &sound, bool wait) = 0;

    virtual void stop() = 0;
};

// The module's entry point, looked up by this name.
#define VARMIKO_SOUND_BACKEND_ENTRY "varmikoSoundBackend"
extern "C" SoundBackend *varmikoSoundBackend();
