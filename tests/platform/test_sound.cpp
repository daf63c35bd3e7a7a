// The sound player: WAV lengths, real playing with and without a sound server.

#include "TestMain.h"
#include "platform/Sound.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QTemporaryDir>

#include <cmath>

namespace {

// A PCM WAV of a 440 Hz tone, 16 bits per sample; extra chunks before "data"
// and a data length that claims more than is there, when asked for.
QByteArray pcmWav(int rate, int channels, int ms, bool extraChunk = false, quint32 claimedExtra = 0)
{
    QByteArray samples;
    QDataStream s(&samples, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    const int frames = rate * ms / 1000;
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            s << qint16(8000 * std::sin(2 * 3.14159265 * 440 * i / rate));

    QByteArray wav;
    QDataStream w(&wav, QIODevice::WriteOnly);
    w.setByteOrder(QDataStream::LittleEndian);
    const QByteArray extra = extraChunk ? QByteArray("LIST\x04\x00\x00\x00INFO", 12) : QByteArray();
    w.writeRawData("RIFF", 4);
    w << quint32(4 + 24 + extra.size() + 8 + samples.size());
    w.writeRawData("WAVEfmt ", 8);
    w << quint32(16) << quint16(1) << quint16(channels) << quint32(rate) << quint32(rate * channels * 2)
      << quint16(channels * 2) << quint16(16);
    w.writeRawData(extra.constData(), int(extra.size()));
    w.writeRawData("data", 4);
    w << quint32(samples.size() + claimedExtra);
    w.writeRawData(samples.constData(), int(samples.size()));
    return wav;
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

    void lengthFromTheHeader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("ms");
        QTest::newRow("mono 22050 Hz") << pcmWav(22050, 1, 500) << qint64(500);
        QTest::newRow("stereo 44100 Hz, a chunk before the data") << pcmWav(44100, 2, 1000, true) << qint64(1000);
        QTest::newRow("data length beyond the file's end") << pcmWav(8000, 1, 250, false, 1000000) << qint64(250);
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
            QVERIFY(!Sound::player().play(file, wait, &error));
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
        // A real device and the sound module, so the sound is played and not
        // passed over in silence.
        QVERIFY(!QMediaDevices::defaultAudioOutput().isNull());
        QVERIFY(Sound::hasModule());
        QString error;
        QVERIFY(Sound::player().play(file, true, &error));
        QCOMPARE(error, QString());
        QVERIFY(Sound::player().play(file, false, &error));
        QVERIFY(Sound::player().play(file, true, &error));
        QCOMPARE(error, QString());
    }

    // Run again in a child process whose sound server does not exist: both
    // ways of playing return, silently, and the child ends.
    void noServerNeverHangs()
    {
        QTemporaryDir dir;
        const QString file = writeFile(dir, QStringLiteral("ton.wav"), pcmWav(22050, 1, 300));
        if (isChild()) {
            QString error;
            QVERIFY(Sound::player().play(file, true, &error));
            QVERIFY(Sound::player().play(file, false, &error));
            QVERIFY(Sound::player().play(file, true, &error));
            QCOMPARE(error, QString());
            return;
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VARMIKO_SOUND_CHILD"), QStringLiteral("1"));
        env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + dir.path() + QStringLiteral("/none"));
        QProcess child;
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("noServerNeverHangs")});
        QVERIFY(child.waitForStarted());
        const bool ended = child.waitForFinished(90000);
        if (!ended) {
            child.kill();
            child.waitForFinished();
        }
        QVERIFY2(ended, "playing without a sound server hangs");
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 child.readAll().constData());
    }
};

VARMIKO_TEST_MAIN(TestSound)
#include "test_sound.moc"
