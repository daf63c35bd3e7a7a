#include "FakeSound.h"

#include <QEventLoop>
#include <QTimer>

#include <utility>

FakeSound::FakeSound()
    : m_previous(Sound::setPlayer(this))
{
}

FakeSound::~FakeSound()
{
    Sound::setPlayer(m_previous);
}

SoundPlayer::Result FakeSound::play(const QString &file, bool wait, QString *error)
{
    m_calls.append({file, wait});
    if (!m_failure.isEmpty()) {
        if (error)
            *error = m_failure;
        m_failure.clear();
        return m_failResult;
    }
    if (!wait || !m_hold)
        return Result::Played;
    const qsizetype call = m_calls.size() - 1;
    QEventLoop loop;
    // A wait that nothing stops fails the test soon, not after every word.
    QTimer::singleShot(10000, &loop, [this, &loop] {
        m_hold = false;
        loop.quit();
    });
    QEventLoop *outer = std::exchange(m_waiting, &loop);
    const qsizetype outerCall = std::exchange(m_waitingCall, call);
    loop.exec();
    m_waiting = outer;
    m_waitingCall = outerCall;
    return m_calls[call].stopped ? Result::Stopped : Result::Played;
}

void FakeSound::stop()
{
    ++m_stops;
    if (m_waiting) {
        m_calls[m_waitingCall].stopped = true;
        m_waiting->quit();
    }
}
