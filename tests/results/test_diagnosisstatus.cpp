// The status rules of the diagnosis areas, the result report of a test and
// the area lookup of the praise texts.

#include "TestMain.h"
#include "frame/diagnosnummer.h"
#include "frame/vrsku1.h"
#include "platform/Clock.h"
#include "results/diagnosregister.h"
#include "results/diagnosstatus.h"

class TestDiagnosisStatus : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        NollstallDiagnos();
        AktivDiagnos.Namn = QStringLiteral("Anna");
        OvningsLage = 2;
        DiagRad = 0;
        DiagSpara = 0;
        setProtocolRedraw({});
        Clock::setSource([] { return QDateTime(QDate(2002, 12, 1), QTime(8, 23, 41)); });
    }
    void cleanup()
    {
        setProtocolRedraw({});
        Clock::setSource({});
        OvningsLage = 0;
    }

    void freshRecordLocksTheSecondAreaOfEveryChain()
    {
        QString shown;
        for (int k = 1; k <= 17; ++k)
            shown += StatusNamn[AktivDiagnos.Status[k]].left(1);
        // Börja for 1, 5, 7, 9, 11, 13, 15, 16, 17; Vänta for the rest.
        QCOMPARE(shown, QStringLiteral("BVVVBVBVBVBVBVBBB"));
    }

    // A test of area k reports a result; (stored result, stored status) of k
    // and (result, status) of the area after it decide.
    void reportFollowsTheChains_data()
    {
        QTest::addColumn<int>("area");
        QTest::addColumn<int>("storedResult");
        QTest::addColumn<int>("storedStatus");
        QTest::addColumn<int>("nextResult");
        QTest::addColumn<int>("nextStatus");
        QTest::addColumn<int>("newResult");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("nextStatusAfter"); // -1: area k ends its chain

        //                                     area  res st  nres nst  new  res st  next
        QTest::newRow("1: 15 passes, unlocks 2")  << 1 << 0 << 0 << 0 << 1 << 15 << 15 << 2 << 2;
        QTest::newRow("1: 14 fails, locks 2 though it has passed") << 1 << 0 << 0 << 18 << 2 << 14 << 14 << 3 << 1;
        QTest::newRow("1: 0 after a result means practise; 2 untouched") << 1 << 17 << 2 << 0 << 2 << 0 << 0 << 3 << 2;
        QTest::newRow("1: 0 without a result, 2 stays locked") << 1 << 0 << 0 << 0 << 2 << 0 << 0 << 0 << 1;
        QTest::newRow("1: 0 without a result, 2 keeps its own result") << 1 << 0 << 0 << 16 << 2 << 0 << 0 << 0 << 2;
        QTest::newRow("2: 20 passes, unlocks 3") << 2 << 0 << 2 << 0 << 1 << 20 << 20 << 2 << 2;
        QTest::newRow("2: 0 while locked stays Vänta") << 2 << 0 << 1 << 0 << 1 << 0 << 0 << 1 << 1;
        QTest::newRow("2: 0 while unlocked is Börja") << 2 << 0 << 2 << 0 << 1 << 0 << 0 << 0 << 1;
        QTest::newRow("3: 15 unlocks 4") << 3 << 0 << 2 << 0 << 1 << 15 << 15 << 2 << 2;
        QTest::newRow("3: improvement to 14 still practises") << 3 << 9 << 3 << 0 << 1 << 14 << 14 << 3 << 1;
        QTest::newRow("5: 15 unlocks 6") << 5 << 0 << 0 << 0 << 1 << 15 << 15 << 2 << 2;
        QTest::newRow("7: 16 unlocks 8") << 7 << 0 << 0 << 0 << 1 << 16 << 16 << 2 << 2;
        QTest::newRow("9: 1 keeps 10 locked") << 9 << 0 << 0 << 0 << 1 << 1 << 1 << 3 << 1;
        QTest::newRow("11: 19 unlocks 12") << 11 << 0 << 0 << 0 << 1 << 19 << 19 << 2 << 2;
        QTest::newRow("13: a fail after a pass locks 14 again") << 13 << 18 << 2 << 0 << 2 << 3 << 3 << 3 << 1;
        QTest::newRow("4: pass, end of its chain") << 4 << 0 << 2 << 0 << 0 << 15 << 15 << 2 << -1;
        QTest::newRow("6: fail, end of its chain") << 6 << 0 << 2 << 0 << 0 << 10 << 10 << 3 << -1;
        QTest::newRow("14: 0 after a result") << 14 << 16 << 2 << 0 << 0 << 0 << 0 << 3 << -1;
        QTest::newRow("15 stands alone") << 15 << 0 << 0 << 0 << 0 << 20 << 20 << 2 << -1;
        QTest::newRow("16 stands alone") << 16 << 0 << 0 << 0 << 0 << 14 << 14 << 3 << -1;
        QTest::newRow("17 stands alone") << 17 << 0 << 0 << 0 << 0 << 15 << 15 << 2 << -1;
    }
    void reportFollowsTheChains()
    {
        QFETCH(int, area);
        QFETCH(int, storedResult);
        QFETCH(int, storedStatus);
        QFETCH(int, nextResult);
        QFETCH(int, nextStatus);
        QFETCH(int, newResult);
        QFETCH(int, result);
        QFETCH(int, status);
        QFETCH(int, nextStatusAfter);

        AktivDiagnos.Resultat[area] = storedResult;
        AktivDiagnos.Status[area] = quint8(storedStatus);
        if (nextStatusAfter >= 0) {
            AktivDiagnos.Resultat[area + 1] = nextResult;
            AktivDiagnos.Status[area + 1] = quint8(nextStatus);
        }
        const TDiagnosPost before = AktivDiagnos;

        DiagRad = area;
        diagnosback(newResult);

        QCOMPARE(AktivDiagnos.Resultat[area], result);
        QCOMPARE(int(AktivDiagnos.Status[area]), status);
        if (nextStatusAfter >= 0)
            QCOMPARE(int(AktivDiagnos.Status[area + 1]), nextStatusAfter);
        for (int k = 1; k <= 20; ++k) {
            if (k == area || (k == area + 1 && nextStatusAfter >= 0))
                continue;
            QCOMPARE(AktivDiagnos.Status[k], before.Status[k]);
            QCOMPARE(AktivDiagnos.Resultat[k], before.Resultat[k]);
        }
        QCOMPARE(AktivDiagnos.Ar[area], quint16(2002));
        QCOMPARE(AktivDiagnos.Manad[area], quint16(12));
        QCOMPARE(AktivDiagnos.Dag[area], quint16(1));
        QCOMPARE(AktivDiagnos.Timme[area], quint16(8));
        QCOMPARE(AktivDiagnos.Minut[area], quint16(23));
        QCOMPARE(DiagSpara, quint8(1));
    }

    void reportRedrawsOnlyAnOpenProtocol()
    {
        DiagRad = 5;
        diagnosback(12); // no protocol open: the record is marked, nothing else
        QCOMPARE(AktivDiagnos.Resultat[5], 12);
        QCOMPARE(DiagSpara, quint8(1));

        int redraws = 0;
        setProtocolRedraw([&] { ++redraws; });
        diagnosback(16);
        QCOMPARE(redraws, 1);
        QCOMPARE(AktivDiagnos.Status[6], quint8(StatusTesta));
    }

    void reportNeedsARunningTestForAPupil_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("area");
        QTest::addColumn<QString>("pupil");
        QTest::newRow("practice from the menus") << 0 << 3 << QStringLiteral("Anna");
        QTest::newRow("diagnosis practice round") << 3 << 3 << QStringLiteral("Anna");
        QTest::newRow("no area started") << 2 << 0 << QStringLiteral("Anna");
        QTest::newRow("area without a protocol row") << 2 << 18 << QStringLiteral("Anna");
        QTest::newRow("no pupil chosen") << 2 << 3 << QString();
    }
    void reportNeedsARunningTestForAPupil()
    {
        QFETCH(int, mode);
        QFETCH(int, area);
        QFETCH(QString, pupil);
        OvningsLage = quint8(mode);
        DiagRad = area;
        AktivDiagnos.Namn = pupil;
        const QByteArray before = AktivDiagnos.toBytes();
        int redraws = 0;
        setProtocolRedraw([&] { ++redraws; });

        diagnosback(17);

        QCOMPARE(AktivDiagnos.toBytes(), before);
        QCOMPARE(DiagSpara, quint8(0));
        QCOMPARE(redraws, 0);
    }

    void areaOfAPracticeExercise_data()
    {
        QTest::addColumn<int>("programtal");
        QTest::addColumn<int>("area");
        QTest::newRow("42000") << 42000 << 14;
        QTest::newRow("45000") << 45000 << 12;
        QTest::newRow("diagnosis test 1") << 1 << 0;
        QTest::newRow("diagnosis test 17") << 17 << 0;
        QTest::newRow("diagnosis practice 101") << 101 << 0;
        QTest::newRow("diagnosis practice 117") << 117 << 0;
        QTest::newRow("next to 42000") << 42001 << 0;
        QTest::newRow("ordinary exercise") << 52100 << 0;
        QTest::newRow("none") << 0 << 0;
    }
    void areaOfAPracticeExercise()
    {
        QFETCH(int, programtal);
        QFETCH(int, area);
        QCOMPARE(int(GeDiagnosNummer(quint16(programtal))), area);
    }
};

VARMIKO_TEST_MAIN(TestDiagnosisStatus)
#include "test_diagnosisstatus.moc"
