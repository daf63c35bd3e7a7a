// The random order of items and the error-repetition queue.

#include "TestCourse.h"
#include "TestMain.h"
#include "frame/datafiles.h"
#include "frame/randomorder.h"
#include "frame/vrsku1.h"

#include <QFile>
#include <QList>
#include <QSet>

#include <algorithm>

namespace {

const QString A = QStringLiteral("VRS41000.DAT");
const QString B = QStringLiteral("VRS42000.DAT");
const QString C = QStringLiteral("VRS43000.DAT");

QStringList items(const QString &word, int n)
{
    QStringList l{QStringLiteral("$Titel"), QStringLiteral("; Kommentar")};
    for (int i = 1; i <= n; ++i)
        l << QStringLiteral("%1 %2#svar %2").arg(word).arg(i);
    return l;
}

// The next item of the current file, as an exercise window draws it.
int draw()
{
    SlumpPost = quint16(haemta_slumptal(SlumpPosition[ListNummer], ListNummer));
    return SlumpPost;
}

QList<int> drawn(int times)
{
    QList<int> l;
    for (int i = 0; i < times; ++i)
        l << draw();
    return l;
}

// 1..n in the order in which they stand in the permutation.
QList<int> orderOf(int n)
{
    QList<int> l;
    for (int slot = 1; slot <= MaxSlumptal; ++slot)
        if (SlumpTabell[slot] <= n)
            l << SlumpTabell[slot];
    return l;
}

QList<int> cycled(const QList<int> &order, int times)
{
    QList<int> l;
    for (int i = 0; i < times; ++i)
        l << order[i % order.size()];
    return l;
}

void queue(const QString &file, int item)
{
    QVERIFY(Kolla(file));
    SlumpPost = quint16(item);
    QVERIFY(haemtafel(file, FelKoLaggTill));
}

// The used pairs as (item, list).
QList<QPair<int, int>> pairs()
{
    QList<QPair<int, int>> l;
    for (int i = 1; i <= felKoAntal(); ++i)
        l << qMakePair(int(FelKo[i].Post), int(FelKo[i].Lista));
    return l;
}

} // namespace

class TestRandomOrder : public QObject
{
    Q_OBJECT

    TestCourse *m_course = nullptr;
    qint32 m_a = 0;
    qint32 m_b = 0;

private slots:
    void initTestCase() { qputenv("VARMIKO_SEED", "4711"); }

    void init()
    {
        m_course = new TestCourse;
        m_course->write(QStringLiteral("DATA/datfiler.vrs"), {A, B, C});
        m_course->write(QStringLiteral("DATA/") + A, items(QStringLiteral("Apfel"), 3));
        m_course->write(QStringLiteral("DATA/") + B, items(QStringLiteral("Birne"), 3));
        m_course->write(QStringLiteral("DATA/") + C, items(QStringLiteral("Kirsche"), 5));
        m_course->activate();
        m_a = listNummerFor(A);
        m_b = listNummerFor(B);
        Programtal = 0;
    }
    void cleanup()
    {
        delete m_course;
        m_course = nullptr;
    }

    void orderIsOnePermutationRepeatableBySeed()
    {
        // A new start resets what the previous run left behind.
        SlumpPosition[m_a] = 3;
        PostAntal[m_a] = 3;
        FelPerLista[m_a] = 1;
        FelKo[1] = TFelPar{2, m_a};
        LovordPosition[1] = 4;
        LovordRadAntal[1] = 9;
        BildIndex = 7;
        DinaOrdPosition[1] = 5;
        DinaOrdAntal[1] = 5;
        DinaOrdFelKo[1] = TFelPar{1, 1};
        ListNummer = m_a;
        DinaOrdLista = 2;
        NollstallSlump(1, MaxSlumptal);
        QCOMPARE(SlumpPosition[m_a], 1);
        QCOMPARE(PostAntal[m_a], 0);
        QCOMPARE(FelPerLista[m_a], 0);
        QCOMPARE(felKoAntal(), 0);
        QCOMPARE(LovordPosition[1], 1);
        QCOMPARE(LovordRadAntal[1], 0);
        QCOMPARE(BildIndex, 1);
        QCOMPARE(DinaOrdPosition[1], 1);
        QCOMPARE(DinaOrdAntal[1], 0);
        QCOMPARE(DinaOrdFelKo[1].Post, 0);
        QCOMPARE(ListNummer, 0);
        QCOMPARE(DinaOrdLista, 0);

        const auto first = SlumpTabell;
        QList<int> sorted(first.begin() + 1, first.end());
        std::sort(sorted.begin(), sorted.end());
        for (int i = 1; i <= MaxSlumptal; ++i)
            QCOMPARE(sorted[i - 1], i);
        QVERIFY(QList<int>(first.begin() + 1, first.end()) != sorted); // shuffled

        NollstallSlump(1, MaxSlumptal);
        QVERIFY(SlumpTabell == first);
        qputenv("VARMIKO_SEED", "4712");
        NollstallSlump(1, MaxSlumptal);
        QVERIFY(SlumpTabell != first);
        qputenv("VARMIKO_SEED", "4711");
    }

    void eachItemOncePerRoundAndReopeningContinues()
    {
        QVERIFY(Kolla(A));
        const QList<int> order = orderOf(3);
        QCOMPARE((QSet<int>(order.begin(), order.end())), (QSet<int>{1, 2, 3}));

        QList<int> seen = drawn(3);
        QCOMPARE(seen, order);
        for (const int item : seen) {
            QVERIFY(haemtaord(A, item));
            QCOMPARE(PostRad, QStringLiteral("Apfel %1#svar %1").arg(item));
        }
        seen += drawn(2);

        // The exercise closes and another one runs; opening it again goes on.
        QVERIFY(Kolla(C));
        drawn(2);
        QVERIFY(Kolla(A));
        seen += drawn(4);
        QCOMPARE(seen, cycled(order, 9));
    }

    void filesKeepTheirOwnPositions()
    {
        QVERIFY(Kolla(A));
        const QList<int> a = drawn(2);
        QVERIFY(Kolla(B));
        const QList<int> b = drawn(3);
        // Equal counts give the same order; B started at its own beginning.
        QCOMPARE(b, orderOf(3));
        QCOMPARE(a, orderOf(3).mid(0, 2));
        QVERIFY(Kolla(A));
        QCOMPARE(draw(), orderOf(3)[2]);

        QVERIFY(Kolla(C));
        const QList<int> c = drawn(5);
        QCOMPARE(c, orderOf(5));
        QCOMPARE((QSet<int>(c.begin(), c.end())), (QSet<int>{1, 2, 3, 4, 5}));
    }

    void largeFileWalksItsFirst1900()
    {
        m_course->write(QStringLiteral("DATA/VRS44000.DAT"), items(QStringLiteral("Wort"), 2000));
        QVERIFY(Kolla(QStringLiteral("VRS44000.DAT")));
        QCOMPARE(PostAntal[ListNummer], 2000);
        const QList<int> l = drawn(MaxSlumptal + 1);
        const QSet<int> distinct(l.begin(), l.end() - 1);
        QCOMPARE(int(distinct.size()), MaxSlumptal);
        QVERIFY(*std::max_element(l.begin(), l.end()) <= MaxSlumptal);
        QCOMPARE(*std::min_element(l.begin(), l.end()), 1);
        QCOMPARE(l.last(), l.first());
    }

    void fileWithoutItemsGivesNoItem()
    {
        m_course->write(QStringLiteral("DATA/VRS45000.DAT"), {QStringLiteral("$Titel"), QStringLiteral("; leer")});
        MessageRecorder m;
        QVERIFY(!Kolla(QStringLiteral("VRS45000.DAT")));
        const qint32 leer = ListNummer;
        QCOMPARE(haemta_slumptal(SlumpPosition[leer], leer), 0);
        QCOMPARE(SlumpPosition[leer], 1);
        QCOMPARE(haemta_slumptal(1, 0), 0);
        QCOMPARE(haemta_slumptal(1, MaxListor + 1), 0);
    }

    void errorQueueTakeRequeueRemove()
    {
        queue(A, 2);
        queue(A, 3);
        queue(B, 1);
        QCOMPARE(FelPerLista[m_a], 2);
        QCOMPARE(FelPerLista[m_b], 1);

        QVERIFY(Kolla(A));
        QVERIFY(haemtafel(A, FelKoTa));
        QCOMPARE(FelPost, 2);
        QCOMPARE(PostRad, QStringLiteral("Apfel 2#svar 2"));
        QVERIFY(haemtafel(A, FelKoFlyttaSist)); // wrong again
        QCOMPARE(pairs(), (QList<QPair<int, int>>{{3, m_a}, {1, m_b}, {2, m_a}}));
        QCOMPARE(FelPerLista[m_a], 2);

        QVERIFY(haemtafel(A, FelKoTa));
        QCOMPARE(FelPost, 3);
        QCOMPARE(PostRad, QStringLiteral("Apfel 3#svar 3"));
        QVERIFY(haemtafel(A, FelKoTaBort)); // right this time
        QCOMPARE(pairs(), (QList<QPair<int, int>>{{1, m_b}, {2, m_a}}));
        QCOMPARE(FelPerLista[m_a], 1);

        QVERIFY(haemtafel(A, FelKoTa));
        QCOMPARE(FelPost, 2);
        QVERIFY(haemtafel(A, FelKoTaBort));
        QCOMPARE(FelPerLista[m_a], 0);

        // Nothing queued for A: nothing is taken, nothing changes.
        QVERIFY(!haemtafel(A, FelKoTa));
        QCOMPARE(FelPost, 2);
        QCOMPARE(PostRad, QStringLiteral("Apfel 2#svar 2"));
        QVERIFY(!haemtafel(A, FelKoTaBort));
        QVERIFY(!haemtafel(A, FelKoFlyttaSist));
        QVERIFY(!haemtafel(A, 4));
        QVERIFY(!haemtafel(A, -1));
        QCOMPARE(pairs(), (QList<QPair<int, int>>{{1, m_b}}));
        QCOMPARE(FelPerLista[m_b], 1);

        // The only pair requeued stays; the clock exercise gets its item too.
        QVERIFY(Kolla(B));
        QVERIFY(haemtafel(B, FelKoFlyttaSist));
        QCOMPARE(pairs(), (QList<QPair<int, int>>{{1, m_b}}));
        Programtal = 53300;
        KlockPost = 0;
        QVERIFY(haemtafel(B, FelKoTa));
        QCOMPARE(KlockPost, 1);
        QCOMPARE(PostRad, QStringLiteral("Birne 1#svar 1"));
        QVERIFY(haemtafel(B, FelKoTaBort));
        QCOMPARE(felKoAntal(), 0);
        QCOMPARE(FelPerLista[m_b], 0);

        // No item drawn yet: nothing to queue, and the queue stays unbroken.
        SlumpPost = 0;
        QVERIFY(!haemtafel(B, FelKoLaggTill));
        QCOMPARE(felKoAntal(), 0);
    }

    void errorQueueDropsTheOldestAt401()
    {
        queue(A, 1);
        QVERIFY(Kolla(B));
        for (int i = 2; i <= MaxFelKo; ++i) {
            SlumpPost = quint16(1 + i % 3);
            haemtafel(B, FelKoLaggTill);
        }
        QCOMPARE(felKoAntal(), MaxFelKo);
        QCOMPARE(FelPerLista[m_a], 1);
        QCOMPARE(FelPerLista[m_b], MaxFelKo - 1);
        const QList<QPair<int, int>> before = pairs();

        SlumpPost = 2;
        QVERIFY(haemtafel(B, FelKoLaggTill)); // the 401st
        QCOMPARE(felKoAntal(), MaxFelKo);
        QCOMPARE(FelPerLista[m_a], 0);
        QCOMPARE(FelPerLista[m_b], MaxFelKo);
        QCOMPARE(pairs(), (before.mid(1) + QList<QPair<int, int>>{{2, m_b}}));
        QVERIFY(Kolla(A));
        QVERIFY(!haemtafel(A, FelKoTa));

        // The oldest is dropped whatever its list.
        SlumpPost = 3;
        QVERIFY(haemtafel(A, FelKoLaggTill));
        QCOMPARE(FelPerLista[m_a], 1);
        QCOMPARE(FelPerLista[m_b], MaxFelKo - 1);
        QCOMPARE(felKoAntal(), MaxFelKo);
        QVERIFY(haemtafel(A, FelKoTa));
        QCOMPARE(FelPost, 3);
    }

    void errorQueueDropsStalePairs_data()
    {
        QTest::addColumn<QList<int>>("queued");
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<int>("item");
        QTest::addColumn<QList<int>>("left");
        QTest::addColumn<int>("messages");
        QTest::newRow("item above the count") << QList<int>{7, 2} << "" << true << 2 << QList<int>{2} << 0;
        QTest::newRow("only a stale pair") << QList<int>{7} << "" << false << 0 << QList<int>{} << 0;
        QTest::newRow("item gone from the file") << QList<int>{3, 2} << "shrink" << true << 2 << QList<int>{2} << 0;
        QTest::newRow("file gone: pairs kept") << QList<int>{3, 2} << "remove" << false << 0 << QList<int>{3, 2} << 1;
    }
    void errorQueueDropsStalePairs()
    {
        QFETCH(QList<int>, queued);
        QFETCH(QString, change);
        QFETCH(bool, taken);
        QFETCH(int, item);
        QFETCH(QList<int>, left);
        QFETCH(int, messages);
        queue(B, 1);
        for (const int i : queued)
            queue(A, i);
        if (change == QLatin1String("shrink"))
            m_course->write(QStringLiteral("DATA/") + A, items(QStringLiteral("Apfel"), 2));
        else if (change == QLatin1String("remove"))
            QVERIFY(QFile::remove(m_course->path(QStringLiteral("DATA/") + A)));

        MessageRecorder m;
        FelPost = 0;
        PostRad = QStringLiteral("vorher");
        QCOMPARE(haemtafel(A, FelKoTa), taken);
        QCOMPARE(FelPost, item);
        if (taken)
            QCOMPARE(PostRad, QStringLiteral("Apfel %1#svar %1").arg(item));
        else
            QVERIFY(PostRad.isEmpty() || PostRad == QLatin1String("vorher"));
        QList<QPair<int, int>> expected{{1, m_b}};
        for (const int i : left)
            expected << qMakePair(i, int(m_a));
        QCOMPARE(pairs(), expected);
        QCOMPARE(FelPerLista[m_a], int(left.size()));
        QCOMPARE(FelPerLista[m_b], 1);
        QCOMPARE(m.count(), messages);
        if (messages)
            QVERIFY(m.last().contains(A + QStringLiteral(" finns inte eller är felaktig")));
    }
};

VARMIKO_TEST_MAIN(TestRandomOrder)
#include "test_randomorder.moc"
