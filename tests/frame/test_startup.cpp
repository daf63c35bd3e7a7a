// Start-up: the path settings, the settings file, the file lists and the
// result directories.

#include "TestCourse.h"
#include "TestMain.h"
#include "frame/datafiles.h"
#include "frame/startup.h"
#include "frame/vrsku1.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>


class TestStartup : public QObject
{
    Q_OBJECT

    static QStringList datFiler()
    {
        QStringList l;
        for (int i = 1; i <= AntalDatFiler; ++i)
            l << DatFiler[i];
        return l;
    }
    static QStringList lovordFiler()
    {
        QStringList l;
        for (int i = 1; i <= AntalLovordFiler; ++i)
            l << LovordFiler[i];
        return l;
    }

private slots:
    void listFileKeepsOrderAndCase()
    {
        TestCourse c;
        c.write(QStringLiteral("DATA/datfiler.vrs"),
                {QStringLiteral("VRS52100.DAT"), QStringLiteral("vrs41000.dat"), QStringLiteral("notes.txt"),
                 QStringLiteral("VROM9001.LOV"), QStringLiteral("VRDIAG01.DAT")});
        c.activate();
        QCOMPARE(datFiler(), QStringList({"VRS52100.DAT", "vrs41000.dat", "VRDIAG01.DAT"}));
        QCOMPARE(lovordFiler(), QStringList({"VROM9001.LOV"}));
    }

    void withoutListFileTheDirectoryIsSorted()
    {
        TestCourse c;
        for (const char *n : {"VRS52100.DAT", "VRDIAG01.DAT", "vrs10000.dat", "VRS41000.DAT", "OTHER.DAT",
                              "VROM9002.LOV", "VROM9001.LOV"})
            c.write(QStringLiteral("DATA/") + QLatin1String(n), {QStringLiteral("a#b")});
        c.activate();
        // Character codes: capitals before small letters.
        QCOMPARE(datFiler(), QStringList({"VRDIAG01.DAT", "VRS41000.DAT", "VRS52100.DAT", "vrs10000.dat"}));
        QCOMPARE(lovordFiler(), QStringList({"VROM9001.LOV", "VROM9002.LOV"}));
    }

    void listNeverPassesItsCapacity()
    {
        TestCourse c;
        QStringList lines;
        for (int i = 0; i < 150; ++i)
            lines << QStringLiteral("VRS%1.DAT").arg(10000 + i);
        for (int i = 0; i < 25; ++i)
            lines << QStringLiteral("VROM%1.LOV").arg(9001 + i);
        lines << QStringLiteral("AVERYLONGFILENAME.DAT");
        c.write(QStringLiteral("DATA/datfiler.vrs"), lines);
        c.activate();
        QCOMPARE(int(AntalDatFiler), MaxDatFiler);
        QCOMPARE(int(AntalLovordFiler), MaxLovordFiler);
        QCOMPARE(DatFiler[145], QStringLiteral("VRS10144.DAT"));
    }

    void pathSettings()
    {
        TestCourse c;
        c.writePathSettings({QStringLiteral("[PATH]"), QStringLiteral("VrsCDPath=/cd;root\\x"),
                             QStringLiteral("VrsPCPath=") + c.root(), QStringLiteral("[Path]"),
                             QStringLiteral("VrsScoreDirectory=/scores"),
                             QStringLiteral("VrsDiagnosPath=/diag/")});
        LaesSokvagar();
        QCOMPARE(CDPath, QStringLiteral("/cd;root\\x"));
        QCOMPARE(PCPath, c.root());
        QCOMPARE(ScoreDirectory, QStringLiteral("/scores\\"));
        QCOMPARE(DiagnosPath, QStringLiteral("/diag"));

        c.writePathSettings({QStringLiteral("[path]"), QStringLiteral("VrsDiagnosPath=/")});
        LaesSokvagar();
        QCOMPARE(DiagnosPath, QStringLiteral("/")); // a root keeps its separator
        QVERIFY(CDPath.isEmpty());
        QVERIFY(!PCPath.isEmpty()); // the program's own directory
    }

    void settingsFile_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("paus");
        QTest::addColumn<int>("ljud");
        QTest::addColumn<int>("bild");
        QTest::newRow("seven") << QStringList{"TIMESHOWINGCORRECTANSWER=7"} << 7 << 1 << 1;
        QTest::newRow("twelve") << QStringList{"TIMESHOWINGCORRECTANSWER=12"} << 1 << 1 << 1;
        QTest::newRow("letter") << QStringList{"TIMESHOWINGCORRECTANSWER=x"} << 3 << 1 << 1;
        QTest::newRow("empty") << QStringList{"TIMESHOWINGCORRECTANSWER="} << 3 << 1 << 1;
        QTest::newRow("sounds off") << QStringList{"SOUNDS=0", "GERMANYPICTURES=2"} << 3 << 0 << 2;
        QTest::newRow("empty values") << QStringList{"SOUNDS=", "GERMANYPICTURES="} << 3 << 1 << 1;
        QTest::newRow("other words") << QStringList{"sounds=no", "germanypictures=3"} << 3 << 0 << 3;
    }
    void settingsFile()
    {
        QFETCH(QStringList, lines);
        TestCourse c;
        lines.prepend(QStringLiteral("[Settings]"));
        c.write(QStringLiteral("Program/Vrska.INI"), lines);
        PCPath = c.root();
        CDPath.clear();
        PausTid = 3;
        LjudInst = 1;
        BildInst = 1;
        HaemtaVrskaINI();
        QTEST(int(PausTid), "paus");
        QTEST(int(LjudInst), "ljud");
        QTEST(int(BildInst), "bild");
    }

    // A settings file saved as UTF-8 (with or without a byte-order mark) is
    // read as UTF-8; anything else as Windows-1252.
    void settingsFilesInUtf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("pc");
        const QByteArray bom("\xEF\xBB\xBF");
        const QByteArray rest = "VrsPCPath=/kurs/\xC3\x9C" "bung\r\n";
        QTest::newRow("UTF-8") << QByteArray("[PATH]\r\n" + rest) << QStringLiteral("/kurs/Übung");
        QTest::newRow("UTF-8 with a byte-order mark") << QByteArray(bom + "[PATH]\r\n" + rest)
                                                      << QStringLiteral("/kurs/Übung");
        QTest::newRow("Windows-1252") << QByteArray("[PATH]\r\nVrsPCPath=/kurs/\xDC" "bung\r\n")
                                      << QStringLiteral("/kurs/Übung");
        QTest::newRow("Windows-1252 that looks like UTF-8 in part")
            << QByteArray("[PATH]\r\nVrsPCPath=/kurs/\xC3\x9C\xE4\r\n") << QStringLiteral("/kurs/Ãœä");
        QTest::newRow("plain ASCII") << QByteArray("[PATH]\r\nVrsPCPath=/kurs/Uebung\r\n")
                                     << QStringLiteral("/kurs/Uebung");
    }
    void settingsFilesInUtf8()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, pc);
        TestCourse c;
        QFile ini(c.writePathSettings({}));
        QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write(bytes);
        ini.close();
        LaesSokvagar();
        QCOMPARE(PCPath, pc);

        // The settings file of the course is read the same way.
        c.writeBytes(QStringLiteral("PROGRAM/VRSKA.INI"),
                     bytes.left(bytes.indexOf("[PATH]")) + "[SETTINGS]\r\nSOUNDS=2\r\n; \xC3\x9C" "bung\r\n");
        PCPath = c.root();
        CDPath.clear();
        LjudInst = 1;
        HaemtaVrskaINI();
        QCOMPARE(int(LjudInst), 2);
    }

    void dataFileRoots()
    {
        TestCourse pc, cd;
        cd.write(QStringLiteral("data/VRS10000.DAT"), {QStringLiteral("cd only")});
        cd.write(QStringLiteral("data/VRS20000.DAT"), {QStringLiteral("from cd")});
        pc.write(QStringLiteral("DATA/VRS20000.DAT"), {QStringLiteral("from pc")});
        pc.write(QStringLiteral("DATA/vrs30000.Dat"), {QStringLiteral("case differs")});
        PCPath = pc.root();
        CDPath = cd.root();
        QCOMPARE(hittaDataFil(QStringLiteral("VRS10000.DAT")), cd.path(QStringLiteral("data/VRS10000.DAT")));
        QCOMPARE(hittaDataFil(QStringLiteral("VRS20000.DAT")), pc.path(QStringLiteral("DATA/VRS20000.DAT")));
        QCOMPARE(hittaDataFil(QStringLiteral("VRS30000.DAT")), pc.path(QStringLiteral("DATA/vrs30000.Dat")));
    }

    void scoreDirectoryFallsBackAndIsCreated()
    {
        TestCourse c;
        PCPath = c.root();
        ScoreDirectory = c.root() + QStringLiteral("/missing\\");
        TestaScoreDirectory();
        QCOMPARE(ScoreDirectory, c.root() + QStringLiteral("\\RESULTAT\\"));
        QVERIFY(QFileInfo(c.path(QStringLiteral("RESULTAT"))).isDir());
        QCOMPARE(int(ScoreDirectoryOk), 1);
        // The write test leaves nothing behind.
        QVERIFY(QDir(c.path(QStringLiteral("RESULTAT"))).entryList(QDir::Files).isEmpty());

        c.mkdir(QStringLiteral("scores"));
        ScoreDirectory = c.path(QStringLiteral("scores")) + '\\';
        TestaScoreDirectory();
        QCOMPARE(ScoreDirectory, c.path(QStringLiteral("scores")) + '\\');
    }

    void scoreDirectoryNotWritable()
    {
        // RESULTAT cannot be made where a file of that name stands (this
        // holds for root too, unlike missing write rights).
        TestCourse c;
        c.writeBytes(QStringLiteral("RESULTAT"), "not a directory");
        PCPath = c.root();
        ScoreDirectory.clear();
        TestaScoreDirectory();
        QCOMPARE(ScoreDirectory, c.root() + QStringLiteral("\\RESULTAT\\"));
        QCOMPARE(int(ScoreDirectoryOk), 0);
    }
};

VARMIKO_TEST_MAIN(TestStartup)
#include "test_startup.moc"
