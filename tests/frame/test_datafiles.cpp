// Data files: headers, counting and fetching item lines.

#include "TestCourse.h"
#include "TestMain.h"
#include "frame/datafiles.h"
#include "frame/vrsku1.h"

#include <QFileInfo>

class TestDataFiles : public QObject
{
    Q_OBJECT

    static QStringList exercise()
    {
        return {QStringLiteral("$Erster Titel"), QStringLiteral("$§Schreib die Antwort."),
                QStringLiteral("$Zweiter Titel"), QStringLiteral("$%Fyll i svaren."),
                QStringLiteral("$Dritter Titel"), QStringLiteral("; a comment"),
                QStringLiteral("$Vierter Titel"), QString(), QStringLiteral("Haus#hus"),
                QStringLiteral("   "), QStringLiteral(")scrambled counts as an item"),
                QStringLiteral("Baum#träd"), QStringLiteral("$"), QStringLiteral("Straße#gata")};
    }

private slots:
    void kollaReadsHeaders()
    {
        TestCourse c;
        c.write(QStringLiteral("DATA/VRS41000.DAT"), exercise());
        c.write(QStringLiteral("DATA/datfiler.vrs"), {QStringLiteral("VRS41000.DAT")});
        c.activate();
        MessageRecorder m;
        QVERIFY(Kolla(QStringLiteral("VRS41000.DAT")));
        QCOMPARE(m.count(), 0);
        QCOMPARE(ListNummer, 1);
        QCOMPARE(PostAntal[1], 4);
        QCOMPARE(OvningsRubrik[1], QStringLiteral("Erster Titel"));
        QCOMPARE(OvningsRubrik[2], QStringLiteral("Zweiter Titel"));
        // The third and every later title overwrite slot 3; a "$" alone is an empty title.
        QCOMPARE(OvningsRubrik[3], QString());
        QCOMPARE(InstruktionsText, QStringLiteral("Schreib die Antwort."));
        QCOMPARE(UtskriftInstruktion, QStringLiteral("Fyll i svaren."));

        // Later openings read headers from the first six lines only.
        QVERIFY(Kolla(QStringLiteral("vrs41000.dat")));
        QCOMPARE(ListNummer, 1);
        QCOMPARE(PostAntal[1], 4);
        QCOMPARE(OvningsRubrik[3], QStringLiteral("Dritter Titel"));
    }

    void headerLinesAreCutAt80()
    {
        TestCourse c;
        c.write(QStringLiteral("DATA/VRS41100.DAT"), {QStringLiteral("$") + QString(100, 'x'), QStringLiteral("a#b")});
        c.activate();
        QVERIFY(Kolla(QStringLiteral("VRS41100.DAT")));
        QCOMPARE(OvningsRubrik[1].size(), 80);
    }

    void fileWithoutItemsIsRefused_data()
    {
        QTest::addColumn<bool>("present");
        QTest::newRow("only comments and headers") << true;
        QTest::newRow("missing") << false;
    }
    void fileWithoutItemsIsRefused()
    {
        QFETCH(bool, present);
        TestCourse c;
        if (present)
            c.write(QStringLiteral("DATA/VRS41200.DAT"), {QStringLiteral("$Titel"), QStringLiteral("; nothing")});
        c.mkdir(QStringLiteral("DATA"));
        c.activate();
        MessageRecorder m;
        DataFilNamn = QStringLiteral("VRS41200.DAT");
        QVERIFY(!Kolla(QStringLiteral("VRS41200.DAT")));
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Filen VRS41200.DAT finns inte eller är felaktig")});
    }

    // A name from the data list or a data line that would leave the course
    // finds nothing, even where a file of that name lies outside DATA.
    void namesThatLeaveTheCourseAreRefused_data()
    {
        QTest::addColumn<QString>("name"); // %1: the course, %2: a directory beside it
        QTest::newRow("up from DATA") << "..\\VRSGEHEIM.DAT";
        QTest::newRow("up with slashes") << "../VRSGEHEIM.DAT";
        QTest::newRow("down and up again") << "UNTER\\..\\..\\VRSGEHEIM.DAT";
        QTest::newRow("out of the course") << "..\\..\\%2\\VRSGEHEIM.DAT";
        QTest::newRow("absolute") << "%1/VRSGEHEIM.DAT";
    }
    void namesThatLeaveTheCourseAreRefused()
    {
        QFETCH(QString, name);
        TestCourse c, beside;
        const QStringList item{QStringLiteral("geheim#hemlig")};
        c.write(QStringLiteral("VRSGEHEIM.DAT"), item);
        c.write(QStringLiteral("DATA/UNTER/VRSGEHEIM.DAT"), item);
        beside.write(QStringLiteral("VRSGEHEIM.DAT"), item);
        name.replace(QLatin1String("%1"), c.root()).replace(QLatin1String("%2"), QFileInfo(beside.root()).fileName());
        c.write(QStringLiteral("DATA/datfiler.vrs"), {name});
        c.activate();
        QCOMPARE(DatFiler[1], name);
        MessageRecorder m;
        QVERIFY(hittaDataFil(name).isEmpty());
        QVERIFY(!Kolla(name));
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Filen ") + name + QStringLiteral(" finns inte eller är felaktig")});
        QVERIFY(!haemtaord(name, 1));
        QVERIFY(PostRad.isEmpty());
    }

    void haemtaordFetchesTheNthItem()
    {
        TestCourse c;
        c.write(QStringLiteral("DATA/VRS41000.DAT"), exercise());
        c.activate();
        QVERIFY(Kolla(QStringLiteral("VRS41000.DAT")));
        QVERIFY(haemtaord(QStringLiteral("VRS41000.DAT"), 1));
        QCOMPARE(PostRad, QStringLiteral("Haus#hus"));
        QVERIFY(haemtaord(QStringLiteral("VRS41000.DAT"), 2));
        QCOMPARE(PostRad, QStringLiteral(")scrambled counts as an item"));
        QVERIFY(haemtaord(QStringLiteral("VRS41000.DAT"), 4));
        QCOMPARE(PostRad, QStringLiteral("Straße#gata"));

        MessageRecorder m;
        QVERIFY(!haemtaord(QStringLiteral("VRS41000.DAT"), 5));
        QVERIFY(PostRad.isEmpty());
        QCOMPARE(m.count(), 0);
        QVERIFY(!haemtaord(QStringLiteral("VRS99999.DAT"), 1));
        QVERIFY(PostRad.isEmpty());
        QCOMPARE(m.count(), 1);
        QVERIFY(m.last().contains(QStringLiteral("VRS99999.DAT finns inte eller är felaktig")));
    }

    void unlistedFilesKeepTheirOwnCounts()
    {
        TestCourse c;
        c.write(QStringLiteral("DATA/datfiler.vrs"), {QStringLiteral("VRS41000.DAT")});
        c.write(QStringLiteral("DATA/VRS41000.DAT"), {QStringLiteral("a#b")});
        c.write(QStringLiteral("DATA/VRS50000.DAT"), {QStringLiteral("a#b"), QStringLiteral("c#d")});
        c.write(QStringLiteral("DATA/VRS60000.DAT"), {QStringLiteral("a#b"), QStringLiteral("c#d"), QStringLiteral("e#f")});
        c.activate();
        QVERIFY(Kolla(QStringLiteral("VRS50000.DAT")));
        const qint32 first = ListNummer;
        QVERIFY(Kolla(QStringLiteral("VRS60000.DAT")));
        const qint32 second = ListNummer;
        QVERIFY(first != second);
        QVERIFY(first > 1 && second > 1);
        QCOMPARE(PostAntal[first], 2);
        QCOMPARE(PostAntal[second], 3);
        QVERIFY(Kolla(QStringLiteral("VRS50000.DAT")));
        QCOMPARE(ListNummer, first);
    }

    void kolla2OnlyTestsTheFile()
    {
        TestCourse c;
        c.write(QStringLiteral("DATA/VRS61000.DAT"), {QStringLiteral("; no items")});
        c.activate();
        MessageRecorder m;
        QVERIFY(Kolla2(QStringLiteral("VRS61000.DAT")));
        QCOMPARE(DataFilNamn, QStringLiteral("VRS61000.DAT"));
        QVERIFY(!Kolla2(QStringLiteral("VRS62000.DAT")));
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Filen VRS62000.DAT finns inte eller är felaktig")});
    }

    void programNumber_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::newRow("exercise") << "VRS52100.DAT" << 52100;
        QTest::newRow("test") << "VRDIAG01.DAT" << 1;
        QTest::newRow("practice") << "VROVN117.DAT" << 117;
        QTest::newRow("no dot") << "VRS123" << 123;
        QTest::newRow("no digits") << "VRSKA.INI" << 0;
        QTest::newRow("too large") << "VRS99999.DAT" << 0;
        QTest::newRow("digits not at the end") << "VR12A.DAT" << 0;
    }
    void programNumber()
    {
        QFETCH(QString, name);
        QTEST(int(GeProgramtal(name)), "number");
    }
};

VARMIKO_TEST_MAIN(TestDataFiles)
#include "test_datafiles.moc"
