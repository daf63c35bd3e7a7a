// The exercises' sounds: sub-directories by program number, where a sound is
// looked for, the missing-sound message, waiting and player errors.

#include "FakeSound.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "frame/sound.h"
#include "frame/vrsku1.h"

namespace {

// The duel's five words T312001.WAV..T312005.WAV of program 31200, files
// that are no sound files when present.
void duellensOrd(TestCourse &pc, bool present)
{
    pc.mkdir(QStringLiteral("DATA"));
    for (int k = 1; k <= 5 && present; ++k)
        pc.writeBytes(QStringLiteral("LJUD/T312/T31200%1.WAV").arg(k), "RIFF");
    pc.activate();
    Programtal = 31200;
    GeLjudDirectory();
}

// Plays the five words as one sequence; true when it was cut short.
bool spelaOrden()
{
    Ljudfoljd orden;
    for (int k = 1; k <= 5; ++k)
        SpelaUppWavLjud(QStringLiteral("T31200%1.WAV").arg(k));
    return orden.avbruten();
}

} // namespace

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

    // The five words of the duel, each missing or each no sound file: one
    // message for the five, and every one of them tried.
    void aSequenceGivesOneMessage_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("first");
        QTest::newRow("missing") << false << QStringLiteral("  finns inte eller är felaktig.");
        QTest::newRow("no WAV files") << true << QStringLiteral(" är ingen giltig WAV-fil.");
    }
    void aSequenceGivesOneMessage()
    {
        QFETCH(bool, present);
        QFETCH(QString, first);
        TestCourse pc;
        duellensOrd(pc, present);
        MessageRecorder m;
        QVERIFY(!spelaOrden());
        QCOMPARE(m.count(), 1);
        QCOMPARE(m.last(), QStringLiteral("Ljudfilen ") + pc.path(QStringLiteral("LJUD/T312/T312001.WAV")) + first);
    }

    // A sound system that does not take a sound: the rest of the sequence is
    // passed over as without sound, the pupil is told once in the run, and
    // every next sound is tried again.
    void aSoundSystemThatDoesNotAnswerIsToldOnce()
    {
        TestCourse pc;
        duellensOrd(pc, true);
        FakeSound sound;
        MessageRecorder m;
        const QString ejSvar = QStringLiteral("Ljudfilen T312001.WAV kan inte spelas upp eftersom ljudsystemet inte svarar.");
        sound.failNextWith(ejSvar, SoundPlayer::Result::NoAnswer);
        QVERIFY(spelaOrden());
        QCOMPARE(sound.calls().size(), 1);
        QCOMPARE(m.texts(), QStringList{ejSvar});
        QCOMPARE(m.requests()[0].kind, MessageBox::Kind::Error);

        sound.failNextWith(QStringLiteral("Ljudfilen T312002.WAV kan inte spelas upp eftersom ljudsystemet inte svarar."),
                           SoundPlayer::Result::NoAnswer);
        SpelaUppWavLjud(QStringLiteral("T312002.WAV"));
        SpelaUppWavLjud(QStringLiteral("T312003.WAV"));
        QCOMPARE(sound.calls().size(), 3);
        QCOMPARE(m.count(), 1);
    }
};

VARMIKO_TEST_MAIN(TestSoundFiles)
#include "test_soundfiles.moc"
