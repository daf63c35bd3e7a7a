#include "FakeSound.h"

FakeSound::FakeSound()
    : m_previous(Sound::setPlayer(this))
{
}

FakeSound::~FakeSound()
{
    Sound::setPlayer(m_previous);
}

bool FakeSound::play(const QString &file, bool wait, QString *error)
{
    m_calls.append({file, wait});
    if (m_failure.isEmpty())
        return true;
    if (error)
        *error = m_failure;
    m_failure.clear();
    return false;
}
