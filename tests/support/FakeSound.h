#pragma once
// Stands in for the sound player while it lives: records every file asked
// for and whether the caller waited, and every stop, and plays nothing.

#include "platform/Sound.h"

#include <QList>
#include <QString>

class FakeSound : public SoundPlayer
{
public:
    struct Call
    {
        QString file;
        bool wait = false;
    };

    FakeSound();
    ~FakeSound() override;
    FakeSound(const FakeSound &) = delete;
    FakeSound &operator=(const FakeSound &) = delete;

    bool play(const QString &file, bool wait, QString *error) override;
    void stop() override { ++m_stops; }

    // The next play fails with this message, as a player error would.
    void failNextWith(const QString &message) { m_failure = message; }

    const QList<Call> &calls() const { return m_calls; }
    // How often the sound was stopped.
    int stops() const { return m_stops; }

private:
    QList<Call> m_calls;
    QString m_failure;
    int m_stops = 0;
    SoundPlayer *m_previous = nullptr;
};
