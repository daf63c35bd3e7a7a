#pragma once
// The thread that plays the program's sounds. Loading the sound module,
// opening the sound device, playing, stopping and closing all happen there,
// never on the window's thread: a sound server that stops answering holds up
// this thread only, and the windows go on.
//
// The window's thread hands it decoded sounds, each with a number of its
// own, and hears back, queued on its own thread, what became of them.

#include "platform/WavSound.h"

#include <QtGlobal>

#include <atomic>
#include <functional>

class QObject;
class QThread;

class SoundThread
{
public:
    enum class Reply {
        Started, // the sound system has taken the sound and plays it
        Ended,   // it has played to its end
        Silent,  // no sound module or no sound device: nothing is played
        Failed,  // the sound system could not play it
    };
    using Heard = std::function<void(quint64 sound, Reply reply)>;

    // Starts the thread; heard is called on the thread of receiver.
    SoundThread(QObject *receiver, Heard heard);
    SoundThread(const SoundThread &) = delete;
    SoundThread &operator=(const SoundThread &) = delete;

    // Plays the sound numbered sound (numbers grow with every sound); it
    // stops the one before. A sound that has been stopped, or followed by
    // another, before the thread came to it is passed over, and one that the
    // sound system took only after that is stopped at once.
    void play(quint64 sound, const WavSound &samples);

    // No sound is to play any more.
    void stop();

    // At the end of the run: stops the sound and ends the thread, waiting at
    // most ms for a thread that the sound system holds up.
    void finish(int ms);

private:
    // The number of the sound meant to play; 0 for none. Written on the
    // window's thread, read on the sound thread.
    std::atomic<quint64> m_current{0};
    QThread *m_thread = nullptr;
    QObject *m_worker = nullptr;
};
