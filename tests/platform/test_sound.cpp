// The sound player: our WAV reader, real playing with and without a sound
// server, and damaged files and a sound server that stops answering, which
// must never hold up the program.

#include "TestCourse.h"
#include "TestMain.h"
#include "frame/sound.h"
#include "frame/vrsku1.h"
#include "platform/Sound.h"
#include "platform/WavSound.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>

#include <signal.h>

namespace {

// A 440 Hz tone, 16 bits per sample.
QByteArray tone(int rate, int channels, int ms)
{
    QByteArray samples;
    QDataStream s(&samples, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    const int frames = rate * ms / 1000;
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            s << qint16(8000 * std::sin(2 * 3.14159265 * 440 * i / rate));
    return samples;
}

// A chunk; its length field claims `claimed` bytes when that is given.
QByteArray chunk(const char *id, const QByteArray &body, qint64 claimed = -1)
{
    QByteArray c;
    QDataStream w(&c, QIODevice::WriteOnly);
    w.setByteOrder(QDataStream::LittleEndian);
    w.writeRawData(id, 4);
    w << quint32(claimed < 0 ? body.size() : claimed);
    w.writeRawData(body.constData(), int(body.size()));
    if (claimed < 0 && body.size() % 2)
        c.append('\0');
    return c;
}

// A "fmt " chunk; block 0 means the block size that the format implies.
QByteArray fmt(quint16 tag, quint16 channels, quint32 rate, quint16 bits, quint16 block = 0, quint16 subTag = 0)
{
    if (block == 0)
        block = quint16(channels * bits / 8);
    QByteArray b;
    QDataStream w(&b, QIODevice::WriteOnly);
    w.setByteOrder(QDataStream::LittleEndian);
    w << tag << channels << rate << quint32(rate * block) << block << bits;
    if (subTag) // the extensible form: size, valid bits, channel mask, sub-format
        w << quint16(22) << bits << quint32(0) << subTag << quint16(0) << quint32(0x00100000) << quint32(0xAA000080)
          << quint32(0x719B3800);
    return chunk("fmt ", b);
}

QByteArray riff(const QList<QByteArray> &chunks)
{
    QByteArray body = "WAVE";
    for (const QByteArray &c : chunks)
        body += c;
    return chunk("RIFF", body);
}

// A PCM WAV of a tone, 16 bits per sample; extra chunks before "data" and a
// data length that claims more than is there, when asked for.
QByteArray pcmWav(int rate, int channels, int ms, bool extraChunk = false, quint32 claimedExtra = 0)
{
    const QByteArray samples = tone(rate, channels, ms);
    QList<QByteArray> chunks{fmt(1, quint16(channels), quint32(rate), 16)};
    if (extraChunk)
        chunks.append(chunk("LIST", "INFO"));
    chunks.append(chunk("data", samples, samples.size() + claimedExtra));
    return riff(chunks);
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString p = dir.path() + '/' + name;
    QFile f(p);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
    return p;
}

bool isChild()
{
    return !qEnvironmentVariableIsEmpty("VARMIKO_SOUND_CHILD");
}

// The process of the suite's own sound server (scripts/sound-server.sh),
// from the pid file in its runtime directory; 0 when there is none.
qint64 suiteServerPid()
{
    if (qEnvironmentVariableIsEmpty("VARMIKO_PULSE_SERVER"))
        return 0;
    QFile f(qEnvironmentVariable("VARMIKO_PULSE_DIR") + QStringLiteral("/pulse/pid"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    return f.readAll().trimmed().toLongLong();
}

// Stops a sound server as a hung one would be, and lets it go on again at
// the latest when it goes out of scope, also when a check has failed.
class StoppedServer
{
public:
    explicit StoppedServer(qint64 pid)
        : m_pid(pid)
    {
    }
    ~StoppedServer() { resume(); }
    void stop() { send(SIGSTOP); }
    void resume() { send(SIGCONT); }

private:
    void send(int s)
    {
        // Never 0 or below, which would signal a whole process group.
        if (m_pid > 0)
            ::kill(pid_t(m_pid), s);
    }

    qint64 m_pid;
};

// Watches the window's thread: a timer that ticks every 10 ms posts an
// event at each tick; the longest time between two ticks, and from posting
// an event to its handling, is how long the thread was held up.
class Heartbeat : public QObject
{
public:
    Heartbeat()
    {
        m_clock.start();
        m_lastTick = m_clock.elapsed();
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 now = m_clock.elapsed();
            m_longest = qMax(m_longest, now - m_lastTick);
            m_lastTick = now;
            QCoreApplication::postEvent(this, new Posted(now));
        });
        m_timer.start(10);
    }
    qint64 longestMs() const { return qMax(m_longest, m_clock.elapsed() - m_lastTick); }
    qint64 longestPostedMs() const { return m_longestPosted; }

protected:
    bool event(QEvent *e) override
    {
        if (e->type() != Posted::Type)
            return QObject::event(e);
        m_longestPosted = qMax(m_longestPosted, m_clock.elapsed() - static_cast<Posted *>(e)->at);
        return true;
    }

private:
    struct Posted : QEvent
    {
        static constexpr QEvent::Type Type = QEvent::Type(QEvent::User + 37);
        explicit Posted(qint64 t)
            : QEvent(Type)
            , at(t)
        {
        }
        qint64 at;
    };
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastTick = 0;
    qint64 m_longest = 0;
    qint64 m_longestPosted = 0;
};

} // namespace

class TestSound : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The sound system reads its server once per process, so it is set
        // before anything plays. The server is the one the test script starts.
        if (!isChild())
            qputenv("PULSE_SERVER", qgetenv("VARMIKO_PULSE_SERVER"));
    }

    void readerChecksTheHeaderAgainstTheFile_data()
    {
        using F = WavSound::Fault;
        using S = WavSound::SampleFormat;
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<F>("fault");
        QTest::addColumn<S>("format");
        QTest::addColumn<bool>("truncated");
        QTest::addColumn<qint64>("ms");
        const QByteArray mono = tone(8000, 1, 500);
        const auto wav = [](const QByteArray &format, const QByteArray &data) {
            return riff({format, chunk("data", data)});
        };
        QTest::newRow("16 bits, mono") << wav(fmt(1, 1, 8000, 16), mono) << F::None << S::Int16 << false << qint64(500);
        QTest::newRow("8 bits, stereo") << wav(fmt(1, 2, 8000, 8), QByteArray(8000, '\x80')) << F::None << S::UInt8
                                        << false << qint64(500);
        QTest::newRow("24 bits, widened") << wav(fmt(1, 1, 8000, 24), QByteArray(12000, '\1')) << F::None << S::Int32
                                          << false << qint64(500);
        QTest::newRow("32-bit float") << wav(fmt(3, 1, 8000, 32), QByteArray(16000, '\0')) << F::None << S::Float
                                      << false << qint64(500);
        QTest::newRow("extensible form of PCM")
            << wav(fmt(0xFFFE, 1, 8000, 16, 0, 1), mono) << F::None << S::Int16 << false << qint64(500);
        QTest::newRow("odd chunk before the data")
            << riff({fmt(1, 1, 8000, 16), chunk("note", "abc"), chunk("data", mono)}) << F::None << S::Int16 << false
            << qint64(500);
        QTest::newRow("one byte short") << riff({fmt(1, 1, 8000, 16), chunk("data", mono, mono.size() + 1)})
                                        << F::None << S::Int16 << true << qint64(500);
        QTest::newRow("half copied") << riff({fmt(1, 1, 8000, 16), chunk("data", mono.left(4001), mono.size())})
                                     << F::None << S::Int16 << true << qint64(250);
        QTest::newRow("streamed, length 0xFFFFFFFF")
            << riff({fmt(1, 1, 8000, 16), chunk("data", mono, 0xFFFFFFFF)}) << F::None << S::Int16 << false
            << qint64(500);
        QTest::newRow("no sound data") << wav(fmt(1, 1, 8000, 16), {}) << F::NoSound << S::Int16 << false << qint64(0);
        QTest::newRow("half a frame") << wav(fmt(1, 2, 8000, 16), "ab") << F::NoSound << S::Int16 << false
                                      << qint64(0);
        QTest::newRow("no data chunk") << riff({fmt(1, 1, 8000, 16)}) << F::NoSound << S::Int16 << false << qint64(0);
        QTest::newRow("data before the format")
            << riff({chunk("data", mono), fmt(1, 1, 8000, 16)}) << F::NotWav << S::Int16 << false << qint64(0);
        QTest::newRow("block size against the format")
            << wav(fmt(1, 2, 8000, 16, 2), mono) << F::NotWav << S::Int16 << false << qint64(0);
        QTest::newRow("compressed (ADPCM)") << wav(fmt(2, 1, 8000, 4, 256), mono) << F::NotWav << S::Int16 << false
                                            << qint64(0);
        QTest::newRow("extensible form cut short")
            << riff({chunk("fmt ", fmt(0xFFFE, 1, 8000, 16).mid(8, 18)), chunk("data", mono)}) << F::NotWav
            << S::Int16 << false << qint64(0);
        QTest::newRow("format chunk past the end")
            << riff({chunk("fmt ", "\1\0", 16)}) << F::NotWav << S::Int16 << false << qint64(0);
        QTest::newRow("no channels") << wav(fmt(1, 0, 8000, 16, 2), mono) << F::NotWav << S::Int16 << false
                                     << qint64(0);
        QTest::newRow("no RIFF") << QByteArray("RIFX\x10\x00\x00\x00WAVEjunkjunk", 20) << F::NotWav << S::Int16
                                 << false << qint64(0);
    }
    void readerChecksTheHeaderAgainstTheFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(WavSound::Fault, fault);
        QFETCH(WavSound::SampleFormat, format);
        QFETCH(bool, truncated);
        QFETCH(qint64, ms);
        const WavSound s = WavSound::fromBytes(bytes);
        QCOMPARE(s.fault, fault);
        QCOMPARE(s.truncated, truncated);
        if (fault != WavSound::Fault::None)
            return;
        QCOMPARE(s.format, format);
        QCOMPARE(s.lengthMs(), ms);
        QCOMPARE(s.samples.size() % s.bytesPerFrame(), 0);
        QCOMPARE(s.sampleRate, 8000);
    }

    void twentyFourBitSamplesKeepTheirValue()
    {
        const QByteArray data("\x01\x02\x03\xFF\xFF\xFF", 6);
        const WavSound s = WavSound::fromBytes(riff({fmt(1, 1, 8000, 24), chunk("data", data)}));
        QCOMPARE(s.samples, QByteArray("\x00\x01\x02\x03\x00\xFF\xFF\xFF", 8));
    }

    void lengthFromTheHeader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("ms");
        QTest::newRow("mono 22050 Hz") << pcmWav(22050, 1, 500) << qint64(500);
        QTest::newRow("stereo 44100 Hz, a chunk before the data") << pcmWav(44100, 2, 1000, true) << qint64(1000);
        QTest::newRow("data length beyond the file's end") << pcmWav(8000, 1, 250, false, 1000000) << qint64(250);
        QTest::newRow("no sound in it") << pcmWav(8000, 1, 0) << qint64(-1);
        QTest::newRow("no WAV file") << QByteArray("RIFF\x10\x00\x00\x00WAVEjunkjunk", 20) << qint64(-1);
        QTest::newRow("a text file") << QByteArray("Haus#hus\r\n") << qint64(-1);
    }
    void lengthFromTheHeader()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, ms);
        QTemporaryDir dir;
        const QString file = writeFile(dir, QStringLiteral("ljud.wav"), bytes);
        QString error;
        QCOMPARE(Sound::wavLength(file, &error), ms);
        QCOMPARE(error.isEmpty(), ms >= 0);
    }

    void aBadFileIsAPlayerError_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a WAV file") << true << QStringLiteral(" är ingen giltig WAV-fil.");
        QTest::newRow("unreadable") << false << QStringLiteral(" kan inte läsas.");
    }
    void aBadFileIsAPlayerError()
    {
        QFETCH(bool, present);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString file = present ? writeFile(dir, QStringLiteral("fel.wav"), "no sound here")
                                     : dir.path() + QStringLiteral("/saknas.wav");
        for (bool wait : {false, true}) {
            QString error;
            QCOMPARE(Sound::player().play(file, wait, &error), SoundPlayer::Result::Failed);
            QCOMPARE(error, QStringLiteral("Ljudfilen ") + file + message);
        }
    }

    void playsThroughTheSoundServer()
    {
        if (isChild())
            QSKIP("run by the parent test only");
        if (qEnvironmentVariableIsEmpty("VARMIKO_PULSE_SERVER"))
            QSKIP("no sound server started (VARMIKO_PULSE_SERVER is empty)");
        QTemporaryDir dir;
        const QString file = writeFile(dir, QStringLiteral("ton.wav"), pcmWav(22050, 1, 300));
        // Played, not passed over in silence: the sound module and a device
        // are there.
        using R = SoundPlayer::Result;
        QString error;
        QCOMPARE(Sound::player().play(file, true, &error), R::Played);
        QCOMPARE(error, QString());
        QCOMPARE(Sound::player().play(file, false, &error), R::Played);
        QCOMPARE(Sound::player().play(file, true, &error), R::Played);
        QCOMPARE(error, QString());

        // Stopping ends a wait at once, long before the sound's end; so does
        // the next sound, which plays.
        const QString lang = writeFile(dir, QStringLiteral("lang.wav"), pcmWav(22050, 1, 20000));
        QTimer::singleShot(300, [] { Sound::player().stop(); });
        QCOMPARE(Sound::player().play(lang, true, &error), R::Stopped);
        R inner = R::Failed;
        QTimer::singleShot(300, [&] { inner = Sound::player().play(file, true, &error); });
        QCOMPARE(Sound::player().play(lang, true, &error), R::Stopped);
        QCOMPARE(inner, R::Played);
    }

    // Run again in a child process whose sound server does not exist: both
    // ways of playing return, silently, and the child ends.
    void noServerNeverHangs()
    {
        QTemporaryDir dir;
        const QString file = writeFile(dir, QStringLiteral("ton.wav"), pcmWav(22050, 1, 300));
        if (isChild()) {
            using R = SoundPlayer::Result;
            QString error;
            QCOMPARE(Sound::player().play(file, true, &error), R::Silent);
            QCOMPARE(Sound::player().play(file, false, &error), R::Played);
            QCOMPARE(Sound::player().play(file, true, &error), R::Silent);
            QCOMPARE(error, QString());
            return;
        }
        runInChild(QStringLiteral("noServerNeverHangs"), QStringLiteral("unix:") + dir.path() + QStringLiteral("/none"),
                   "playing without a sound server hangs");
    }

    // A child process plays through the suite's own server, which it stops
    // (SIGSTOP) before its first sound or after one: the five words of the
    // pronunciation duel, each waited for, then a sound that plays on, as in
    // the dictation. The window's thread goes on all the while, the pupil is
    // told once that the sound system does not answer, and once the server
    // goes on (SIGCONT) the next sound plays. Only this test plays through
    // the suite's server, so stopping it holds up no other test running
    // beside it.
    void aStoppedServerNeverHoldsUpTheWindow_data()
    {
        QTest::addColumn<bool>("afterOne");
        QTest::newRow("before the first sound") << false;
        QTest::newRow("after one") << true;
    }
    void aStoppedServerNeverHoldsUpTheWindow()
    {
        QFETCH(bool, afterOne);
        if (!isChild()) {
            const qint64 server = suiteServerPid();
            if (server <= 0)
                QSKIP("no sound server of the suite's own (VARMIKO_PULSE_SERVER, VARMIKO_PULSE_DIR)");
            // Whatever becomes of the child, the suite's server goes on.
            StoppedServer guard(server);
            runInChild(QStringLiteral("aStoppedServerNeverHoldsUpTheWindow:") + QString::fromUtf8(QTest::currentDataTag()),
                       qEnvironmentVariable("VARMIKO_PULSE_SERVER"), "a stopped sound server holds up the program");
            return;
        }
        using R = SoundPlayer::Result;
        TestCourse pc;
        for (int k = 1; k <= 5; ++k)
            pc.writeBytes(QStringLiteral("LJUD/T312/T312%1.WAV").arg(k, 3, 10, QLatin1Char('0')), pcmWav(22050, 1, 400));
        pc.writeBytes(QStringLiteral("LJUD/T430/T430001.WAV"), pcmWav(22050, 1, 400));
        pc.mkdir(QStringLiteral("DATA"));
        pc.activate();
        const QString ton = pc.path(QStringLiteral("LJUD/T430/T430001.WAV"));
        StoppedServer server(qEnvironmentVariable("VARMIKO_SOUND_SERVER_PID").toLongLong());
        QString error;
        if (afterOne)
            QCOMPARE(Sound::player().play(ton, true, &error), R::Played);
        MessageRecorder m;
        server.stop();
        {
            Heartbeat beat;
            Programtal = 31200;
            GeLjudDirectory();
            {
                Ljudfoljd orden;
                for (int k = 1; k <= 5; ++k)
                    SpelaUppWavLjud(QStringLiteral("T312%1.WAV").arg(k, 3, 10, QLatin1Char('0')));
                QVERIFY(orden.avbruten());
            }
            Programtal = 43000;
            GeLjudDirectory();
            SpelaUppWavLjud(QStringLiteral("T430001.WAV"));
            QTest::qWait(Sound::NoAnswerMs + 500);
            QVERIFY2(beat.longestMs() < 100, qPrintable(QString::number(beat.longestMs())));
            QVERIFY2(beat.longestPostedMs() < 100, qPrintable(QString::number(beat.longestPostedMs())));
        }
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Ljudfilen ") + pc.path(QStringLiteral("LJUD/T312/T312001.WAV"))
                                        + QStringLiteral(" kan inte spelas upp eftersom ljudsystemet inte svarar.")});
        QCOMPARE(m.requests()[0].kind, MessageBox::Kind::Error);

        server.resume();
        QCOMPARE(Sound::player().play(ton, true, &error), R::Played);
        QCOMPARE(error, QString());
    }

    // A child process plays, through the sound server when there is one, a
    // WAV whose data length claims more than the file holds, a streamed one
    // (length 0xFFFFFFFF), one without sound data and then a good one, in the
    // pronunciation duel (which waits for each sound) and in an exercise that
    // lets the sound play on; then it ends with the good sound still playing.
    // Each damaged file is reported once, the streamed one not at all.
    void damagedSoundsNeverHoldUpTheProgram()
    {
        if (!isChild()) {
            const QString server = qEnvironmentVariable("VARMIKO_PULSE_SERVER");
            QTemporaryDir dir;
            runInChild(QStringLiteral("damagedSoundsNeverHoldUpTheProgram"),
                       server.isEmpty() ? QStringLiteral("unix:") + dir.path() + QStringLiteral("/none") : server,
                       "a damaged sound holds up the program");
            return;
        }
        const QByteArray good = pcmWav(22050, 1, 200);
        const QByteArray samples = tone(22050, 1, 200);
        const QList<std::pair<QString, QByteArray>> files{
            {QStringLiteral("KORT.WAV"), good.left(good.size() - 1)},
            {QStringLiteral("HALV.WAV"), good.left(good.size() / 2)},
            {QStringLiteral("STROM.WAV"), riff({fmt(1, 1, 22050, 16), chunk("data", samples, 0xFFFFFFFF)})},
            {QStringLiteral("TOM.WAV"), pcmWav(22050, 1, 0)},
            {QStringLiteral("BRA.WAV"), good},
        };
        TestCourse pc;
        for (const auto &[name, bytes] : files) {
            pc.writeBytes(QStringLiteral("LJUD/T312/") + name, bytes);
            pc.writeBytes(QStringLiteral("LJUD/") + name, bytes);
        }
        pc.mkdir(QStringLiteral("DATA"));
        pc.activate();
        MessageRecorder m;
        for (const quint16 program : {quint16(31200), quint16(52100)}) {
            Programtal = program;
            GeLjudDirectory();
            for (const char *name : {"KORT.WAV", "HALV.WAV", "STROM.WAV", "TOM.WAV", "KORT.WAV", "TOM.WAV", "BRA.WAV"})
                SpelaUppWavLjud(QString::fromLatin1(name));
        }
        QStringList expected;
        for (const QString &dir : {QStringLiteral("LJUD/T312/"), QStringLiteral("LJUD/")})
            expected << QStringLiteral("Ljudfilen ") + pc.path(dir + QStringLiteral("KORT.WAV"))
                            + QStringLiteral(" är skadad: slutet av ljudet saknas.")
                     << QStringLiteral("Ljudfilen ") + pc.path(dir + QStringLiteral("HALV.WAV"))
                            + QStringLiteral(" är skadad: slutet av ljudet saknas.")
                     << QStringLiteral("Ljudfilen ") + pc.path(dir + QStringLiteral("TOM.WAV"))
                            + QStringLiteral(" innehåller inget ljud.");
        QCOMPARE(m.texts(), expected);
        for (const MessageBox::Request &r : m.requests())
            QCOMPARE(r.kind, MessageBox::Kind::Error);
    }

private:
    // Runs one test function of this program in a child process with the
    // given sound server, and fails when the child does not end in good time
    // (a hang) or fails itself.
    void runInChild(const QString &function, const QString &pulseServer, const char *hang)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VARMIKO_SOUND_CHILD"), QStringLiteral("1"));
        env.insert(QStringLiteral("PULSE_SERVER"), pulseServer);
        env.insert(QStringLiteral("VARMIKO_SOUND_SERVER_PID"), QString::number(suiteServerPid()));
        QProcess child;
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {function});
        QVERIFY(child.waitForStarted());
        const bool ended = child.waitForFinished(90000);
        if (!ended) {
            child.kill();
            child.waitForFinished();
        }
        QVERIFY2(ended, hang);
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, child.readAll().constData());
    }
};

VARMIKO_TEST_MAIN(TestSound)
#include "test_sound.moc"
