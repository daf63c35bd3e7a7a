#pragma once
// The part of the sound player that needs Qt Multimedia. It is a module of
// its own (soundmodule/), loaded when the first sound plays: a run that
// plays nothing never loads the sound system's libraries.
//
// The module is loaded and used on the sound thread only (SoundThread): a
// sound server that stops answering can hold up that thread, never the
// window's.

#include "platform/WavSound.h"

#include <functional>

class SoundBackend
{
public:
    virtual ~SoundBackend() = default;

    enum class Result {
        Started,  // the sound system has taken the sound and plays it
        NoDevice, // no sound device: nothing is played
        Failed,   // the sound system could not play the sound
    };

    // Starts a sound read by WavSound (fault None) from memory and returns;
    // ended is called on this thread when it has played to its end (or the
    // sound system gave up on it), not when it is stopped. A new sound stops
    // the one before.
    virtual Result play(const WavSound &sound, std::function<void()> ended) = 0;

    virtual void stop() = 0;
};

// The module's entry point, looked up by this name.
#define VARMIKO_SOUND_BACKEND_ENTRY "varmikoSoundBackend"
extern "C" SoundBackend *varmikoSoundBackend();
