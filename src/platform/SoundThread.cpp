#include "platform/SoundThread.h"

#include "platform/SoundBackend.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QObject>
#include <QPointer>
#include <QThread>
#include <QtDebug>

namespace {

// The sound module: beside the program, or in the build directory for the
// tests and the benchmark, which are built below it. Loaded once, on the
// sound thread, and kept to the end of the run.
SoundBackend *loadBackend()
{
    QStringList places{QCoreApplication::applicationDirPath()};
#ifdef VARMIKO_MODULE_DIR
    places.append(QStringLiteral(VARMIKO_MODULE_DIR));
#endif
    static QLibrary module; // never unloaded
    QString why;
    for (const QString &place : places) {
        module.setFileName(place + QStringLiteral("/varmiko_sound"));
        if (auto entry = reinterpret_cast<SoundBackend *(*)()>(module.resolve(VARMIKO_SOUND_BACKEND_ENTRY)))
            return entry();
        why = module.errorString();
    }
    qWarning("Varmiko: no sound module, the sounds are not played (%s)", qPrintable(why));
    return nullptr;
}

// Lives on the sound thread and does everything there.
class SoundWorker : public QObject
{
public:
    SoundWorker(const std::atomic<quint64> &current, QObject *receiver, SoundThread::Heard heard)
        : m_current(current)
        , m_receiver(receiver)
        , m_heard(std::move(heard))
    {
    }

    void play(quint64 sound, const WavSound &samples)
    {
        if (m_current != sound)
            return; // stopped or followed by another before its turn
        if (!m_tried) {
            m_tried = true;
            m_backend = loadBackend();
        }
        if (!m_backend) {
            reply(sound, SoundThread::Reply::Silent);
            return;
        }
        const SoundBackend::Result r = m_backend->play(samples, [this, sound] { reply(sound, SoundThread::Reply::Ended); });
        if (m_current != sound) {
            // Given up or stopped while the sound system held this thread.
            m_backend->stop();
            return;
        }
        reply(sound, r == SoundBackend::Result::Started    ? SoundThread::Reply::Started
                     : r == SoundBackend::Result::NoDevice ? SoundThread::Reply::Silent
                                                           : SoundThread::Reply::Failed);
    }

    void stop()
    {
        if (m_backend)
            m_backend->stop();
    }

private:
    void reply(quint64 sound, SoundThread::Reply r)
    {
        if (m_receiver)
            QMetaObject::invokeMethod(m_receiver, [heard = m_heard, sound, r] { heard(sound, r); }, Qt::QueuedConnection);
    }

    const std::atomic<quint64> &m_current;
    QPointer<QObject> m_receiver;
    SoundThread::Heard m_heard;
    SoundBackend *m_backend = nullptr;
    bool m_tried = false;
};

} // namespace

SoundThread::SoundThread(QObject *receiver, Heard heard)
    : m_thread(new QThread)
{
    m_thread->setObjectName(QStringLiteral("Varmiko sound"));
    auto *worker = new SoundWorker(m_current, receiver, std::move(heard));
    worker->moveToThread(m_thread);
    m_worker = worker;
    m_thread->start();
}

void SoundThread::play(quint64 sound, const WavSound &samples)
{
    m_current = sound;
    auto *worker = static_cast<SoundWorker *>(m_worker);
    QMetaObject::invokeMethod(m_worker, [worker, sound, samples] { worker->play(sound, samples); }, Qt::QueuedConnection);
}

void SoundThread::stop()
{
    m_current = 0;
    auto *worker = static_cast<SoundWorker *>(m_worker);
    QMetaObject::invokeMethod(m_worker, [worker] { worker->stop(); }, Qt::QueuedConnection);
}

void SoundThread::finish(int ms)
{
    if (!m_thread->isRunning())
        return;
    m_current = 0;
    auto *worker = static_cast<SoundWorker *>(m_worker);
    // In the order the thread takes them: the sound goes, then the thread.
    QMetaObject::invokeMethod(
        m_worker,
        [worker] {
            worker->stop();
            QThread::currentThread()->quit();
        },
        Qt::QueuedConnection);
    // A thread that the sound system holds is left to the end of the
    // process; the thread object is never deleted, so nothing waits for it.
    m_thread->wait(QDeadlineTimer(ms));
}
