// Playing through Qt Multimedia, built as the module that Sound.cpp loads.

#include "platform/Sound.h"
#include "platform/SoundBackend.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include <limits>

namespace {

// One sound at a time, as on a single player device: a new sound stops the
// one before.
class QtSoundBackend : public SoundBackend
{
public:
    Result play(const QString &file, qint64 lengthMs, bool wait) override
    {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return Result::NoDevice;

        if (m_effect) {
            m_effect->stop();
            m_effect->deleteLater();
        }
        // Owned by the application, so that it is gone before the sound
        // system is torn down at the end of the run.
        m_effect = new QSoundEffect(device, QCoreApplication::instance());
        m_effect->setSource(QUrl::fromLocalFile(file));
        m_effect->play();
        if (!wait)
            return Result::Played;

        // Without a working sound server the effect may report "playing"
        // for ever, so the wait ends at the latest after the sound's length
        // and a margin.
        const QPointer<QSoundEffect> effect = m_effect;
        QEventLoop loop;
        QTimer giveUp;
        giveUp.setSingleShot(true);
        QObject::connect(&giveUp, &QTimer::timeout, &loop, &QEventLoop::quit);
        QObject::connect(effect, &QSoundEffect::playingChanged, &loop, [&] {
            if (!effect->isPlaying())
                loop.quit();
        });
        QObject::connect(effect, &QSoundEffect::statusChanged, &loop, [&] {
            if (effect->status() == QSoundEffect::Error)
                loop.quit();
        });
        QObject::connect(effect, &QObject::destroyed, &loop, &QEventLoop::quit);
        giveUp.start(int(qMin<qint64>(lengthMs + Sound::WaitMarginMs, std::numeric_limits<int>::max())));
        if (effect->isPlaying() && effect->status() != QSoundEffect::Error)
            loop.exec(QEventLoop::ExcludeUserInputEvents);

        return effect && effect->status() == QSoundEffect::Error ? Result::Failed : Result::Played;
    }

    void stop() override
    {
        if (m_effect)
            m_effect->stop();
    }

private:
    QPointer<QSoundEffect> m_effect;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundBackend *varmikoSoundBackend()
{
    static QtSoundBackend backend;
    return &backend;
}
