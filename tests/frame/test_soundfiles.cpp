// The exercises' sounds: sub-directories by program number, where a sound is
// looked for, the missing-sound message, waiting and player errors.

#include "FakeSound.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "frame/sound.h"
#include "frame/vrsku1.h"

class TestSoundFiles : public QObject
{
    Q_OBJECT
private slots:
    void subDirectoryByProgramNumber_data()
    {
        QTest::addColumn<int>("program");
        QTest::addColumn<QString>("prefix");
        const std::pair<int, const char *> rows[] = {{31100, "T311"}, {31200, "T312"}, {31300, "T313"},
                                                     {31400, "T314"}, {32000, "T320"}, {43000, "T430"},
                                                     {44000, "T440"}, {45000, "T450"}, {46000, "T460"},
                                                     {47000, "T470"}, {52100, ""},     {31250, ""}};
        for (const auto &[program, prefix] : rows)
            QTest::addRow("%d", program) << program << QString::fromLatin1(prefix);
    }
    void subDirectoryByProgramNumber()
    {
        QFETCH(int, program);
        QFETCH(QString, prefix);
        LjudFilPrefix = QStringLiteral("T470"); // left by the exercise before
        Programtal = quint16(program);
        GeLjudDirectory();
        QCOMPARE(LjudFilPrefix, prefix);
    }

    void soundIsLookedForUnderPCPathThenCDPath_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("onPc");
        QTest::addColumn<QString>("onCd");
        QTest::addColumn<bool>("fromPc");
        QTest::newRow("sub-directory, other letter case") << "T312" << "ljud/t312/Hund.wav" << "" << true;
        QTest::newRow("only under CDPath") << "T312" << "" << "LJUD/T312/HUND.WAV" << false;
        QTest::newRow("under both") << "T312" << "LJUD/T312/HUND.WAV" << "LJUD/T312/HUND.WAV" << true;
        QTest::newRow("no sub-directory") << "" << "Ljud/hund.WAV" << "" << true;
        QTest::newRow("not in LJUD itself when the exercise has a sub-directory")
            << "T312" << "LJUD/HUND.WAV" << "LJUD/T312/HUND.WAV" << false;
    }
    void soundIsLookedForUnderPCPathThenCDPath()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, onPc);
        QFETCH(QString, onCd);
        QFETCH(bool, fromPc);
        TestCourse pc;
        TestCourse cd;
        for (const auto &[course, file] : {std::pair{&pc, onPc}, std::pair{&cd, onCd}})
            if (!file.isEmpty())
                course->writeBytes(file, "RIFF");
        pc.mkdir(QStringLiteral("DATA"));
        pc.activate(cd.root());
        LjudFilPrefix = prefix;
        Programtal = 52100;
        FakeSound sound;
        MessageRecorder m;
        SpelaUppWavLjud(QStringLiteral("HUND.WAV"));
        QCOMPARE(m.texts(), QStringList());
        QCOMPARE(sound.calls().size(), 1);
        QCOMPARE(sound.calls()[0].file, fromPc ? pc.path(onPc) : cd.path(onCd));
    }

    void missingSoundIsReported_data()
    {
        QTest::addColumn<bool>("withCd");
        QTest::newRow("PCPath and CDPath") << true;
        QTest::newRow("PCPath only") << false;
    }
    void missingSoundIsReported()
    {
        QFETCH(bool, withCd);
        TestCourse pc;
        TestCourse cd;
        pc.mkdir(QStringLiteral("DATA"));
        pc.writeBytes(QStringLiteral("ljud/hund.wav"), "RIFF");
        pc.activate(withCd ? cd.root() : QString());
        Programtal = 31200;
        GeLjudDirectory();
        FakeSound sound;
        MessageRecorder m;
        SpelaUppWavLjud(QStringLiteral("hund.wav"));
        // The path looked in last, its folders in the letters they have on disk.
        const QString path = withCd ? cd.root() + QStringLiteral("/LJUD/T312/hund.wav")
                                    : pc.root() + QStringLiteral("/ljud/T312/hund.wav");
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Ljudfilen ") + path
                                        + QStringLiteral("  finns inte eller är felaktig.")});
        QCOMPARE(m.requests()[0].kind, MessageBox::Kind::Information);
        QCOMPARE(sound.calls().size(), 0);
    }

    void onlyThePronunciationDuelWaits_data()
    {
        QTest::addColumn<int>("program");
        QTest::addColumn<bool>("wait");
        QTest::newRow("31100") << 31100 << true;
        QTest::newRow("31300") << 31300 << true;
        QTest::newRow("31400") << 31400 << true;
        QTest::newRow("31000") << 31000 << false;
        QTest::newRow("32000") << 32000 << false;
        QTest::newRow("52100") << 52100 << false;
    }
    void onlyThePronunciationDuelWaits()
    {
        QFETCH(int, program);
        QFETCH(bool, wait);
        TestCourse pc;
        pc.mkdir(QStringLiteral("DATA"));
        pc.writeBytes(QStringLiteral("LJUD/ORD.WAV"), "RIFF");
        pc.activate();
        Programtal = quint16(program);
        LjudFilPrefix.clear();
        FakeSound sound;
        SpelaUppWavLjud(QStringLiteral("ORD.WAV"));
        QCOMPARE(sound.calls().size(), 1);
        QCOMPARE(sound.calls()[0].wait, wait);
    }

    void playerErrorIsShownAndTheExerciseGoesOn()
    {
        TestCourse pc;
        pc.mkdir(QStringLiteral("DATA"));
        pc.writeBytes(QStringLiteral("LJUD/ORD.WAV"), "RIFF");
        pc.activate();
        Programtal = 32000;
        LjudFilPrefix.clear();
        FakeSound sound;
        MessageRecorder m;
        sound.failNextWith(QStringLiteral("Ljudfilen kunde inte spelas upp."));
        SpelaUppWavLjud(QStringLiteral("ORD.WAV"));
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Ljudfilen kunde inte spelas upp.")});
        QCOMPARE(m.requests()[0].kind, MessageBox::Kind::Error);
        SpelaUppWavLjud(QStringLiteral("ORD.WAV"));
        QCOMPARE(sound.calls().size(), 2);
        QCOMPARE(m.count(), 1);
    }
};

VARMIKO_TEST_MAIN(TestSoundFiles)
#include "test_soundfiles.moc"
