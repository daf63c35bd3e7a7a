// Playing through Qt Multimedia, built as the module that the sound thread
// loads. The samples are already read and checked (WavSound), so a sound is
// played from memory through an audio sink: nothing here reads the file
// again or waits for a sound to end. Everything here runs on the sound
// thread, whose event loop carries the sink's signals.

#include "platform/SoundBackend.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QPointer>

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
    Result play(const WavSound &sound, std::function<void()> ended) override
    {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return Result::NoDevice;
        release();

        QAudioFormat format;
        format.setSampleRate(sound.sampleRate);
        format.setChannelCount(sound.channels);
        format.setSampleFormat(sinkFormat(sound.format));

        auto *sink = new QAudioSink(device, format);
        auto *samples = new QBuffer(sink);
        samples->setData(sound.samples);
        samples->open(QIODevice::ReadOnly);
        m_sink = sink;
        sink->start(samples);
        if (sink->error() == QAudio::OpenError || sink->state() == QAudio::StoppedState) {
            release();
            return Result::Failed;
        }
        // Connected once the sink runs: its end comes from this thread's
        // event loop, after play has returned.
        m_ended = std::move(ended);
        QObject::connect(sink, &QAudioSink::stateChanged, sink, [this, sink, samples](QAudio::State state) {
            // Idle before the last sample is a gap in the stream, not its end.
            if (state == QAudio::StoppedState || (state == QAudio::IdleState && samples->atEnd()))
                finished(sink);
        });
        return Result::Started;
    }

    void stop() override { release(); }

private:
    // The sound has ended (or the sound system gave up on it).
    void finished(QAudioSink *sink)
    {
        if (m_sink != sink)
            return;
        const std::function<void()> ended = std::move(m_ended);
        release();
        if (ended)
            ended();
    }

    void release()
    {
        m_ended = nullptr;
        QAudioSink *sink = m_sink;
        m_sink = nullptr;
        if (!sink)
            return;
        sink->disconnect();
        sink->stop();
        // Later: release may be called from the sink's own signal.
        sink->deleteLater();
    }

    QPointer<QAudioSink> m_sink;
    std::function<void()> m_ended;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundBackend *varmikoSoundBackend()
{
    static QtSoundBackend backend;
    return &backend;
}
