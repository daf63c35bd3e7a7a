#pragma once
// Stands in for the sound player while it lives: records every file asked
// for and whether the caller waited, and every stop, and plays nothing.

#include "platform/Sound.h"

#include <QList>
#include <QString>

class QEventLoop;

class FakeSound : public SoundPlayer
{
public:
    struct Call
    {
        QString file;
        bool wait = false;
        // A held wait that stop() ended (see holdWaits).
        bool stopped = false;
    };

    FakeSound();
    ~FakeSound() override;
    FakeSound(const FakeSound &) = delete;
    FakeSound &operator=(const FakeSound &) = delete;

    Result play(const QString &file, bool wait, QString *error) override;
    void stop() override;

    // The next play ends so, with this message, as the player would.
    void failNextWith(const QString &message, Result result = Result::Failed)
    {
        m_failure = message;
        m_failResult = result;
    }

    // Every waited-for sound lasts until stop(), with the event loop running
    // meanwhile as the program's own player runs it; one that is not stopped
    // within 10 s ends, and so ends the holding.
    void holdWaits(bool on) { m_hold = on; }

    const QList<Call> &calls() const { return m_calls; }
    // How often the sound was stopped.
    int stops() const { return m_stops; }

private:
    QList<Call> m_calls;
    QString m_failure;
    Result m_failResult = Result::Failed;
    bool m_hold = false;
    QEventLoop *m_waiting = nullptr;
    qsizetype m_waitingCall = -1;
    int m_stops = 0;
    SoundPlayer *m_previous = nullptr;
};
