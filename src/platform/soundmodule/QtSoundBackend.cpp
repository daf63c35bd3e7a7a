// Playing through Qt Multimedia, built as the module that Sound.cpp loads.
// The samples are already read and checked (WavSound), so a sound is played
// from memory through an audio sink: nothing here reads the file again or
// waits on a loader thread, and stopping a sound never blocks.

#include "platform/Sound.h"
#include "platform/SoundBackend.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMediaDevices>
#include <QPointer>
#include <QTimer>

#include <limits>

namespace {

QAudioFormat::SampleFormat sinkFormat(WavSound::SampleFormat f)
{
    switch (f) {
    case WavSound::SampleFormat::UInt8:
        return QAudioFormat::UInt8;
    case WavSound::SampleFormat::Int16:
        return QAudioFormat::Int16;
    case WavSound::SampleFormat::Int32:
        return QAudioFormat::Int32;
    case WavSound::SampleFormat::Float:
        return QAudioFormat::Float;
    }
    return QAudioFormat::Unknown;
}

// One sound at a time, as on a single player device: a new sound stops the
// one before.
class QtSoundBackend : public SoundBackend
{
public:
    Result play(const WavSound &sound, bool wait) override
    {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return Result::NoDevice;
        release();

        QAudioFormat format;
        format.setSampleRate(sound.sampleRate);
        format.setChannelCount(sound.channels);
        format.setSampleFormat(sinkFormat(sound.format));

        // Owned by the application, so that a sound still playing at the end
        // of the run goes with it.
        auto *sink = new QAudioSink(device, format, QCoreApplication::instance());
        auto *samples = new QBuffer(sink);
        samples->setData(sound.samples);
        samples->open(QIODevice::ReadOnly);
        m_sink = sink;
        QObject::connect(sink, &QAudioSink::stateChanged, sink, [this, sink, samples](QAudio::State state) {
            // Idle before the last sample is a gap in the stream, not its end.
            if (state == QAudio::StoppedState || (state == QAudio::IdleState && samples->atEnd()))
                finished(sink);
        });
        if (!m_quitHooked) {
            // The run's end never waits for a sound.
            m_quitHooked = true;
            QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                             QCoreApplication::instance(), [this] { release(); });
        }
        sink->start(samples);
        if (sink->error() == QAudio::OpenError) {
            release();
            return Result::Failed;
        }
        if (!wait || m_sink != sink)
            return Result::Played;

        // The wait ends with the sound, or at the latest after its length and
        // a margin, whatever the sound system does.
        QEventLoop loop;
        QTimer giveUp;
        giveUp.setSingleShot(true);
        QObject::connect(&giveUp, &QTimer::timeout, &loop, &QEventLoop::quit);
        giveUp.start(int(qMin<qint64>(sound.lengthMs() + Sound::WaitMarginMs, std::numeric_limits<int>::max())));
        m_waiting = &loop;
        m_waitingFor = sink;
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        m_waiting = nullptr;
        m_waitingFor = nullptr;
        if (m_sink == sink)
            release();
        return Result::Played;
    }

    void stop() override { release(); }

private:
    // The sound has ended (or the sound system gave up on it).
    void finished(QAudioSink *sink)
    {
        if (m_sink == sink)
            release();
        if (m_waiting && m_waitingFor == sink)
            m_waiting->quit();
    }

    void release()
    {
        QAudioSink *sink = m_sink;
        m_sink = nullptr;
        if (!sink)
            return;
        sink->disconnect();
        sink->stop();
        sink->deleteLater();
        if (m_waiting && m_waitingFor == sink)
            m_waiting->quit();
    }

    QPointer<QAudioSink> m_sink;
    QEventLoop *m_waiting = nullptr;
    QAudioSink *m_waitingFor = nullptr;
    bool m_quitHooked = false;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundBackend *varmikoSoundBackend()
{
    static QtSoundBackend backend;
    return &backend;
}
