#include "platform/Sound.h"

#include "platform/ProgramPath.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include <limits>

namespace {

quint32 le32(const QByteArray &b, int at)
{
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 | quint32(quint8(b[at + 2])) << 16
           | quint32(quint8(b[at + 3])) << 24;
}

quint16 le16(const QByteArray &b, int at)
{
    return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8);
}

QString shown(const QString &file)
{
    return ProgramPath::normalise(file);
}

// Plays through Qt Multimedia. One sound at a time, as on a single player
// device: a new sound stops the one before.
class QtSoundPlayer : public SoundPlayer
{
public:
    bool play(const QString &file, bool wait, QString *error) override
    {
        QString why;
        const qint64 length = Sound::wavLength(file, &why);
        if (length < 0) {
            if (error)
                *error = why;
            return false;
        }
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return true; // no sound device: the exercise goes on in silence

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
            return true;

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
        giveUp.start(int(qMin<qint64>(length + Sound::WaitMarginMs, std::numeric_limits<int>::max())));
        if (effect->isPlaying() && effect->status() != QSoundEffect::Error)
            loop.exec(QEventLoop::ExcludeUserInputEvents);

        if (effect && effect->status() == QSoundEffect::Error) {
            if (error)
                *error = QStringLiteral("Ljudfilen ") + shown(file) + QStringLiteral(" kunde inte spelas upp.");
            return false;
        }
        return true;
    }

    void stop() override
    {
        if (m_effect)
            m_effect->stop();
    }

private:
    QPointer<QSoundEffect> m_effect;
};

QtSoundPlayer &ownPlayer()
{
    static QtSoundPlayer p;
    return p;
}

SoundPlayer *&installed()
{
    static SoundPlayer *p = nullptr;
    return p;
}

} // namespace

namespace Sound {

SoundPlayer &player()
{
    return installed() ? *installed() : ownPlayer();
}

SoundPlayer *setPlayer(SoundPlayer *p)
{
    SoundPlayer *before = installed();
    installed() = p;
    return before;
}

qint64 wavLength(const QString &file, QString *error)
{
    auto fail = [&](const QString &text) {
        if (error)
            *error = text;
        return qint64(-1);
    };
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Ljudfilen ") + shown(file) + QStringLiteral(" kan inte läsas."));
    const QString notWav = QStringLiteral("Ljudfilen ") + shown(file) + QStringLiteral(" är ingen giltig WAV-fil.");

    const QByteArray riff = f.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return fail(notWav);

    qint64 bytesPerSecond = 0;
    while (!f.atEnd()) {
        const QByteArray head = f.read(8);
        if (head.size() < 8)
            break;
        const QByteArray id = head.left(4);
        const qint64 size = le32(head, 4);
        const qint64 body = f.pos();
        if (id == "fmt ") {
            const QByteArray fmt = f.read(16);
            if (fmt.size() < 16)
                return fail(notWav);
            const quint16 format = le16(fmt, 0);
            const quint16 channels = le16(fmt, 2);
            const quint32 rate = le32(fmt, 4);
            const quint16 bits = le16(fmt, 14);
            // Integer PCM, float and the extensible form: what the player decodes.
            if ((format != 1 && format != 3 && format != 0xFFFE) || channels == 0 || rate == 0 || bits == 0)
                return fail(notWav);
            bytesPerSecond = qint64(rate) * channels * ((bits + 7) / 8);
        } else if (id == "data") {
            if (bytesPerSecond == 0)
                return fail(notWav);
            // A length field that claims more than the file holds is cut to the file.
            const qint64 data = qMin(size, f.size() - body);
            return data * 1000 / bytesPerSecond;
        }
        if (!f.seek(body + size + (size & 1)))
            break;
    }
    return fail(notWav);
}

} // namespace Sound
