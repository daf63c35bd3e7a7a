// Praise texts: the file by the round's result, the line drawn from it and
// its placeholders.

#include "TestCourse.h"
#include "TestMain.h"
#include "frame/TDiagnosPost.h"
#include "frame/datafiles.h"
#include "frame/diagnosnummer.h"
#include "frame/fields.h"
#include "frame/praise.h"
#include "frame/vrsku1.h"

#include <QSet>

class TestPraise : public QObject
{
    Q_OBJECT

    // The active pupil as the register would show it.
    static void elev(const QString &namn, const QString &resultat)
    {
        AktivDiagnos = TDiagnosPost{};
        AktivDiagnos.Namn = namn;
        if (!resultat.isNull())
            AktivDiagnos.Resultat.fill(resultat.toInt());
    }

private slots:
    void cleanup()
    {
        AktivDiagnos = TDiagnosPost{};
        Programtal = 0;
    }

    void fileByResult_data()
    {
        QTest::addColumn<int>("ratt");
        QTest::addColumn<int>("poster");
        QTest::addColumn<int>("programtal");
        QTest::addColumn<QString>("resultat"); // null: no stored result at all
        QTest::addColumn<QString>("namn");
        QTest::addColumn<QString>("fil");

        const QString inget;
        const QString anna = QStringLiteral("Anna");
        QTest::newRow("all right") << 10 << 10 << 41000 << inget << QString() << "VROM9001.LOV";
        QTest::newRow("all right, pupil") << 10 << 10 << 41000 << inget << anna << "VROM9005.LOV";
        QTest::newRow("one wrong") << 9 << 10 << 41000 << inget << QString() << "VROM9002.LOV";
        QTest::newRow("one wrong, pupil") << 9 << 10 << 41000 << inget << anna << "VROM9006.LOV";
        QTest::newRow("two wrong") << 8 << 10 << 41000 << inget << QString() << "VROM9013.LOV";
        QTest::newRow("two wrong, pupil") << 8 << 10 << 41000 << inget << anna << "VROM9015.LOV";
        QTest::newRow("three wrong") << 7 << 10 << 41000 << inget << QString() << "VROM9001.LOV";
        QTest::newRow("three wrong, pupil") << 7 << 10 << 41000 << inget << anna << "VROM9001.LOV";
        QTest::newRow("no right answer") << 0 << 10 << 41000 << inget << anna << "VROM9001.LOV";
        QTest::newRow("empty round") << 0 << 0 << 41000 << inget << QString() << "VROM9001.LOV";

        QTest::newRow("area 20, all right") << 10 << 10 << 42000 << "20" << anna << "VROM9011.LOV";
        QTest::newRow("area 20, one wrong") << 9 << 10 << 42000 << "20" << QString() << "VROM9012.LOV";
        QTest::newRow("area 20, two wrong") << 8 << 10 << 42000 << "20" << QString() << "VROM9014.LOV";
        QTest::newRow("area 20, two wrong, pupil") << 8 << 10 << 42000 << "20" << anna << "VROM9016.LOV";
        QTest::newRow("area 17, all right") << 10 << 10 << 42000 << "17" << anna << "VROM9009.LOV";
        QTest::newRow("area 1, one wrong") << 9 << 10 << 42000 << "1" << QString() << "VROM9010.LOV";
        QTest::newRow("area 17, two wrong, pupil") << 8 << 10 << 42000 << "17" << anna << "VROM9016.LOV";
        QTest::newRow("area 0, all right") << 10 << 10 << 42000 << "0" << QString() << "VROM9003.LOV";
        QTest::newRow("area 0, all right, pupil") << 10 << 10 << 42000 << "0" << anna << "VROM9007.LOV";
        QTest::newRow("area 0, one wrong") << 9 << 10 << 42000 << "0" << QString() << "VROM9004.LOV";
        QTest::newRow("area 0, one wrong, pupil") << 9 << 10 << 42000 << "0" << anna << "VROM9008.LOV";
        QTest::newRow("area 0, two wrong") << 8 << 10 << 42000 << "0" << QString() << "VROM9014.LOV";
        QTest::newRow("area 0, three wrong") << 7 << 10 << 42000 << "0" << anna << "VROM9001.LOV";
        QTest::newRow("area, nothing stored") << 10 << 10 << 42000 << inget << QString() << "VROM9003.LOV";
        QTest::newRow("area 12 of 45000") << 10 << 10 << 45000 << "20" << QString() << "VROM9011.LOV";
        QTest::newRow("a diagnosis test has no area") << 10 << 10 << 14 << "20" << QString() << "VROM9001.LOV";
        QTest::newRow("diagnosis practice has no area") << 9 << 10 << 114 << "20" << QString() << "VROM9002.LOV";
    }
    void fileByResult()
    {
        QFETCH(int, ratt);
        QFETCH(int, poster);
        QFETCH(int, programtal);
        QFETCH(QString, resultat);
        QFETCH(QString, namn);
        QFETCH(QString, fil);
        elev(namn, resultat);
        Programtal = quint16(programtal);
        HaemtaLovordFilNamn(quint16(ratt), quint16(poster));
        QCOMPARE(LovordFilNamn, fil);
    }

    void areaAndStoredResult()
    {
        AktivDiagnos.Resultat[14] = 17;
        AktivDiagnos.Resultat[12] = 15;
        QString lagrat = QStringLiteral("stale");
        QCOMPARE(GeDiagnosNummer(42000, &lagrat), quint16(14));
        QCOMPARE(lagrat, QStringLiteral("17"));
        QCOMPARE(GeDiagnosNummer(45000, &lagrat), quint16(12));
        QCOMPARE(lagrat, QStringLiteral("15"));
        QCOMPARE(GeDiagnosNummer(52100, &lagrat), quint16(0));
        QCOMPARE(lagrat, QString());
        AktivDiagnos = TDiagnosPost{};
        QCOMPARE(GeDiagnosNummer(42000, &lagrat), quint16(14));
        QCOMPARE(lagrat, QStringLiteral("0"));
    }

    void placeholders_data()
    {
        QTest::addColumn<int>("programtal");
        QTest::addColumn<QString>("namn");
        QTest::addColumn<QString>("resultat");
        QTest::addColumn<QString>("mall");
        QTest::addColumn<QString>("text");

        QTest::newRow("name") << 41000 << "Jörg" << QString() << "Prima, <namn>!" << "Prima, Jörg!";
        QTest::newRow("no pupil") << 41000 << QString() << QString() << "Prima, <namn>!" << "Prima, !";
        QTest::newRow("area and result") << 42000 << "Eva" << "17" << "Bereich <diagnos>: <res> von 20, <namn>."
                                         << "Bereich 14: 17 von 20, Eva.";
        QTest::newRow("area without stored result") << 42000 << QString() << QString() << "<res>/<diagnos>" << "0/14";
        QTest::newRow("no area: no result") << 41000 << "Eva" << "17" << "Bereich <diagnos>, <res> Punkte"
                                            << "Bereich 0,  Punkte";
        QTest::newRow("other marks") << 41000 << "Eva" << QString() << "a > b <x> <namn <NAMN> <" << "a  b <x <namn <NAMN <";
        QTest::newRow("placeholders back to back") << 42000 << "Li" << "9" << "<namn><res><diagnos>" << "Li914";
    }
    void placeholders()
    {
        QFETCH(int, programtal);
        QFETCH(QString, namn);
        QFETCH(QString, resultat);
        QFETCH(QString, mall);
        QFETCH(QString, text);
        elev(namn, resultat);
        Programtal = quint16(programtal);
        QString ut = QStringLiteral("stale");
        LovordMen(mall, ut);
        QCOMPARE(ut, text);
        QVERIFY(!ut.contains(QChar(u'>')));
    }

    void praiseLineIsDrawnAndFilled()
    {
        TestCourse c;
        c.write(QStringLiteral("DATA/vrom9005.lov"),
                {QStringLiteral("$Lob"), QStringLiteral("; for a pupil"), QString(),
                 kryptrad(QStringLiteral("Sehr gut, <namn>!#Alles richtig.#Weiter so>"))});
        c.activate();
        elev(QStringLiteral("Anna"), QString());
        Programtal = 41000;
        OvningsRubrik[1] = QStringLiteral("Die Übung");

        MessageRecorder m;
        Tabell<QString, 3> rader;
        QVERIFY(haemtaLovordText(10, 10, rader));
        QCOMPARE(LovordFilNamn, QStringLiteral("VROM9005.LOV"));
        QCOMPARE(rader[1], QStringLiteral("Sehr gut, Anna!"));
        QCOMPARE(rader[2], QStringLiteral("Alles richtig."));
        QCOMPARE(rader[3], QStringLiteral("Weiter so"));
        QCOMPARE(LovordRadAntal[LovordTyp], 1);
        // The praise file's header is not the exercise's title.
        QCOMPARE(OvningsRubrik[1], QStringLiteral("Die Übung"));
        QCOMPARE(m.count(), 0);
    }

    void noPraise_data()
    {
        QTest::addColumn<QStringList>("liste"); // empty: praise files found in DATA
        QTest::addColumn<bool>("mitDatei");
        QTest::addColumn<QStringList>("meldungen");
        QTest::newRow("not listed") << QStringList{QStringLiteral("VRS41000.DAT"), QStringLiteral("VROM9002.LOV")}
                                    << true << QStringList{};
        QTest::newRow("no praise files at all") << QStringList{QStringLiteral("VRS41000.DAT")} << false << QStringList{};
        QTest::newRow("listed but missing")
            << QStringList{QStringLiteral("VRS41000.DAT"), QStringLiteral("VROM9001.LOV")} << false
            << QStringList{QStringLiteral("Filen VROM9001.LOV finns inte eller är felaktig")};
        QTest::newRow("no praise line") << QStringList{} << true << QStringList{};
    }
    void noPraise()
    {
        QFETCH(QStringList, liste);
        QFETCH(bool, mitDatei);
        QFETCH(QStringList, meldungen);
        TestCourse c;
        c.write(QStringLiteral("DATA/VRS41000.DAT"), {QStringLiteral("Haus#hus")});
        if (!liste.isEmpty())
            c.write(QStringLiteral("DATA/datfiler.vrs"), liste);
        if (mitDatei)
            c.write(QStringLiteral("DATA/VROM9001.LOV"),
                    liste.isEmpty() ? QStringList{QStringLiteral("; nothing yet"), QStringLiteral("$Lob")}
                                    : QStringList{QStringLiteral("Gut!")});
        c.activate();
        QVERIFY(haemtaord(QStringLiteral("VRS41000.DAT"), 1)); // the exercise's item is on screen

        MessageRecorder m;
        Tabell<QString, 3> rader;
        QVERIFY(!haemtaLovordText(10, 10, rader));
        QCOMPARE(rader[1], QString());
        QCOMPARE(rader[2], QString());
        QCOMPARE(rader[3], QString());
        QCOMPARE(m.texts(), meldungen);
    }

    void listedNameMatchesAnyCase()
    {
        TestCourse c;
        c.write(QStringLiteral("DATA/datfiler.vrs"), {QStringLiteral("VROM9013.LOV"), QStringLiteral("vrom9001.lov")});
        c.write(QStringLiteral("DATA/VROM9001.LOV"), {QStringLiteral("Gut!"), QStringLiteral("Toll!")});
        c.activate();
        QVERIFY(KollaLovOrd(QStringLiteral("VROM9001.LOV")));
        QCOMPARE(LovordTyp, 2);
        QCOMPARE(LovordRadAntal[2], 2);
        QVERIFY(KollaLovOrd(QStringLiteral("Vrom9001.Lov")));
        QCOMPARE(LovordRadAntal[2], 2); // counted once
    }

    void linesComeWithoutRepetition_data()
    {
        QTest::addColumn<QByteArray>("saat");
        QTest::newRow("seed 1") << QByteArray("1");
        QTest::newRow("seed 77") << QByteArray("77");
        QTest::newRow("seed 4711") << QByteArray("4711");
    }
    void linesComeWithoutRepetition()
    {
        QFETCH(QByteArray, saat);
        qputenv("VARMIKO_SEED", saat);
        TestCourse c;
        const QStringList texte{QStringLiteral("Eins"), QStringLiteral("Zwei"), QStringLiteral("Drei"),
                                QStringLiteral("Vier"), QStringLiteral("Fünf")};
        c.write(QStringLiteral("DATA/VROM9002.LOV"), texte);
        c.activate();
        qunsetenv("VARMIKO_SEED");
        Programtal = 41000;

        QStringList gezeigt;
        Tabell<QString, 3> rader;
        for (int i = 0; i < 2 * int(texte.size()); ++i) {
            QVERIFY(haemtaLovordText(9, 10, rader));
            gezeigt << rader[1];
        }
        const QStringList ersteRunde = gezeigt.mid(0, texte.size());
        QCOMPARE(QSet<QString>(ersteRunde.begin(), ersteRunde.end()), QSet<QString>(texte.begin(), texte.end()));
        QCOMPARE(gezeigt.mid(texte.size()), ersteRunde); // then the same order again
    }
};

VARMIKO_TEST_MAIN(TestPraise)
#include "test_praise.moc"
