#include "platform/Sound.h"

#include "platform/ProgramPath.h"
#include "platform/SoundThread.h"
#include "platform/WavSound.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QObject>
#include <QTimer>

#include <limits>

namespace {

QString shown(const QString &file)
{
    return ProgramPath::normalise(file);
}

QString message(const QString &file, const char *why)
{
    return QStringLiteral("Ljudfilen ") + shown(file) + QString::fromUtf8(why);
}

// Reads and checks a sound file; on a fault *error tells the user why it
// cannot be played, or, for a file whose end is missing, that it is damaged.
WavSound readSound(const QString &file, QString *error)
{
    const auto tell = [&](const char *why) {
        if (error)
            *error = message(file, why);
    };
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        tell(" kan inte läsas.");
        return {};
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        tell(" kan inte läsas.");
        return {};
    }
    WavSound s = WavSound::fromBytes(bytes);
    if (s.fault == WavSound::Fault::NotWav)
        tell(" är ingen giltig WAV-fil.");
    else if (s.fault == WavSound::Fault::NoSound)
        tell(" innehåller inget ljud.");
    else if (s.truncated)
        tell(" är skadad: slutet av ljudet saknas.");
    return s;
}

Sound::LateReport &lateReport()
{
    static Sound::LateReport r;
    return r;
}

using Result = SoundPlayer::Result;

// Checks the file on the window's thread, then hands its samples to the
// sound thread and hears back, queued, what became of them. Without the
// module, as without a sound device, the exercise goes on in silence.
class ModuleSoundPlayer : public QObject, public SoundPlayer
{
public:
    ModuleSoundPlayer()
        : m_thread(this, [this](quint64 sound, SoundThread::Reply r) { heard(sound, r); })
    {
    }

    Result play(const QString &file, bool wait, QString *error) override
    {
        QString why;
        const WavSound sound = readSound(file, &why);
        if (error)
            *error = why;
        if (sound.fault != WavSound::Fault::None)
            return Result::Failed;

        const quint64 id = ++m_last;
        m_playing = id;
        m_file = file;
        // A new sound ends the wait for the one before.
        if (m_wait)
            m_wait->end(Result::Stopped);
        m_thread.play(id, sound);

        if (!wait) {
            QTimer::singleShot(Sound::NoAnswerMs, this, [this, id] {
                if (m_taken < id && m_playing == id) {
                    giveUp(id);
                    report(Result::NoAnswer, m_file);
                }
            });
            return Result::Played;
        }

        Wait w;
        w.id = id;
        m_wait = &w;
        QTimer taken;
        taken.setSingleShot(true);
        connect(&taken, &QTimer::timeout, &w.loop, [&] {
            if (m_taken < id) {
                giveUp(id);
                w.end(Result::NoAnswer);
            }
        });
        taken.start(Sound::NoAnswerMs);
        // The wait ends with the sound, or at the latest after its length and
        // a margin, whatever the sound system does.
        QTimer giveUpTimer;
        giveUpTimer.setSingleShot(true);
        connect(&giveUpTimer, &QTimer::timeout, &w.loop, [&] {
            giveUp(id);
            w.end(Result::Played);
        });
        giveUpTimer.start(int(qMin<qint64>(sound.lengthMs() + Sound::WaitMarginMs, std::numeric_limits<int>::max())));
        w.loop.exec();
        if (m_wait == &w)
            m_wait = nullptr;
        if (error && (w.result == Result::Failed || w.result == Result::NoAnswer))
            *error = text(w.result, file);
        return w.result;
    }

    void stop() override
    {
        if (m_last == 0)
            return; // nothing has played yet
        m_playing = 0;
        m_thread.stop();
        if (m_wait)
            m_wait->end(Result::Stopped);
    }

    // At the end of the run, so that no sound outlives the application.
    void finish() { m_thread.finish(1000); }

private:
    struct Wait
    {
        quint64 id = 0;
        QEventLoop loop;
        Result result = Result::Played;
        bool ended = false;

        void end(Result r)
        {
            if (ended)
                return;
            ended = true;
            result = r;
            loop.quit();
        }
    };

    static QString text(Result r, const QString &file)
    {
        return r == Result::NoAnswer ? message(file, " kan inte spelas upp eftersom ljudsystemet inte svarar.")
                                     : message(file, " kunde inte spelas upp.");
    }

    static void report(Result r, const QString &file)
    {
        if (lateReport())
            lateReport()(r, file, text(r, file));
    }

    void heard(quint64 id, SoundThread::Reply r)
    {
        using Reply = SoundThread::Reply;
        if (r != Reply::Ended)
            m_taken = qMax(m_taken, id);
        const bool over = r != Reply::Started;
        if (m_wait && m_wait->id == id) {
            if (over && m_playing == id)
                m_playing = 0;
            if (r == Reply::Ended)
                m_wait->end(Result::Played);
            else if (r == Reply::Silent)
                m_wait->end(Result::Silent);
            else if (r == Reply::Failed)
                m_wait->end(Result::Failed);
            return;
        }
        if (id != m_playing || !over)
            return;
        m_playing = 0;
        if (r == Reply::Failed)
            report(Result::Failed, m_file);
    }

    // The sound is no more meant to play: the sound thread drops it, or
    // stops it once the sound system gives the thread back.
    void giveUp(quint64 id)
    {
        if (m_playing != id)
            return;
        m_playing = 0;
        m_thread.stop();
    }

    SoundThread m_thread;
    quint64 m_last = 0;    // the last sound handed to the sound thread
    quint64 m_taken = 0;   // the last one it has answered for
    quint64 m_playing = 0; // the one meant to play now; 0 for none
    QString m_file;        // its file, for a message that comes later
    Wait *m_wait = nullptr;
};

// Made on first use and never destroyed: a sound thread that the sound
// system holds up must not be waited for at the end of the process.
ModuleSoundPlayer &ownPlayer()
{
    static ModuleSoundPlayer *p = [] {
        auto *player = new ModuleSoundPlayer;
        qAddPostRoutine([] { ownPlayer().finish(); });
        return player;
    }();
    return *p;
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

void setLateReport(LateReport report)
{
    lateReport() = std::move(report);
}

qint64 wavLength(const QString &file, QString *error)
{
    QString why;
    const WavSound sound = readSound(file, &why);
    if (sound.fault != WavSound::Fault::None) {
        if (error)
            *error = why;
        return -1;
    }
    return sound.lengthMs();
}

} // namespace Sound
