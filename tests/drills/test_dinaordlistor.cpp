// The word lists of the word-list trainer, without its window: which files
// are offered under which names, what counts as an item, the random walk,
// the trainer's own error queue, the score and the record table's name.

#include "MessageRecorder.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "drills/vocabulary/dinaordlistor.h"
#include "frame/fields.h"
#include "frame/randomorder.h"
#include "frame/vrsku1.h"
#include "platform/ProgramPath.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <algorithm>
#include <memory>

namespace {

QStringList ord(int n)
{
    QStringList l;
    for (int i = 1; i <= n; ++i)
        l << QStringLiteral("Wort %1#ord %1").arg(i);
    return l;
}

QStringList namn(const QList<OrdLista> &listor)
{
    QStringList l;
    for (const OrdLista &o : listor)
        l << o.fil + QLatin1Char('=') + o.namn;
    return l;
}

} // namespace

class TestDinaOrdListor : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;

    // Opens a list as the trainer's list choice does.
    bool oppna(const QString &fil, const QString &visas = QStringLiteral("Lista"))
    {
        return Filvald(fil, visas);
    }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "5");
        m_course = std::make_unique<TestCourse>();
        m_course->mkdir(QStringLiteral("DATA"));
        m_course->activate();
    }
    void cleanup() { m_course.reset(); }

    void listsOfEachKindUnderTheirNames_data()
    {
        QTest::addColumn<quint16>("programtal");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("general") << AllmannaGlosor
                                 << QStringList{QStringLiteral("abcdefghijklmnop.vr1=abcdefghijkl"),
                                                QStringLiteral("glosen.vr1=glosen"),
                                                QStringLiteral("TIDSORDF.vr1=TIDSORDF"),
                                                QStringLiteral("VRSKA1.vr1=Tyska glosor för åk 9"),
                                                QStringLiteral("VRSKA7A.VR1=Tyska 7a"),
                                                QStringLiteral("vrska7a.vr1=Tyska 7a")};
        QTest::newRow("special") << SpeciellaGlosor
                                 << QStringList{QStringLiteral("Subs_Adj.vr2=Substantiverade adjektiv")};
    }
    void listsOfEachKindUnderTheirNames()
    {
        QFETCH(quint16, programtal);
        QFETCH(QStringList, offered);
        for (const char *f : {"VRSKA1.vr1", "vrska7a.vr1", "VRSKA7A.VR1", "glosen.vr1", "tidsordf.vr1", "TIDSORDF.vr1",
                              "abcdefghijklmnop.vr1", "Subs_Adj.vr2", "VRSK1.DAT"})
            m_course->write(QStringLiteral("DATA/") + QLatin1String(f), ord(3));
        // Lists are offered from the installation only, never from the CD.
        TestCourse cd;
        cd.write(QStringLiteral("DATA/VRSK2.vr1"), ord(3));
        cd.write(QStringLiteral("DATA/MOTSATS.vr2"), ord(3));
        CDPath = cd.root();

        QCOMPARE(namn(ordListor(programtal)), offered);
    }

    void aListIsOpenedFromTheCdWhenGoneFromTheInstallation()
    {
        TestCourse cd;
        cd.write(QStringLiteral("DATA/VRSK2.vr1"), ord(4));
        CDPath = cd.root();
        QVERIFY(oppna(QStringLiteral("VRSK2.vr1"), QStringLiteral("Lätta glosor")));
        QCOMPARE(ProgramPath::normalise(DinaOrdFil), ProgramPath::normalise(cd.path(QStringLiteral("DATA/VRSK2.vr1"))));
        QCOMPARE(DinaOrdAntal[DinaOrdLista], 4);
        QCOMPARE(DinaOrdListNamn, QStringLiteral("Lätta glosor"));
    }

    void headersCommentsAndItemLines()
    {
        m_course->write(QStringLiteral("DATA/VRSK1.vr1"),
                        {QStringLiteral("$Tiere"), QStringLiteral("$%Übersetze:"), QStringLiteral("$§Schreib es."),
                         QStringLiteral("$§Nicht hier."), QStringLiteral("; ein Kommentar#mit Raute"),
                         QStringLiteral("Hund#hund"), QStringLiteral("nur am Ende#"), QStringLiteral("#vorne"),
                         QStringLiteral("ohne Raute"), kryptrad(QStringLiteral("Katze#katt")), QString(),
                         QStringLiteral("Maus#mus")});
        QVERIFY(oppna(QStringLiteral("VRSK1.vr1")));
        QCOMPARE(OvningsRubrik[1], QStringLiteral("Tiere"));
        QCOMPARE(UtskriftInstruktion, QStringLiteral("Übersetze:"));
        QCOMPARE(InstruktionsText, QStringLiteral("Schreib es."));
        QCOMPARE(DinaOrdAntal[DinaOrdLista], 3);

        // Item n is the n-th line that counts, whatever lies between.
        const QStringList ratt{QStringLiteral("hund"), QStringLiteral("katt"), QStringLiteral("mus")};
        for (int n = 1; n <= 3; ++n) {
            QVERIFY(haemtaOrdPost(n));
            str_postarray(PostRad);
            QCOMPARE(postFalt(2), ratt[n - 1]);
        }
        QVERIFY(!haemtaOrdPost(4));
    }

    void eachChoiceReadsItsOwnInstruction()
    {
        m_course->write(QStringLiteral("DATA/A.vr1"), QStringList{QStringLiteral("$§Erste Anweisung.")} + ord(2));
        m_course->write(QStringLiteral("DATA/B.vr1"), ord(2));
        QVERIFY(oppna(QStringLiteral("A.vr1")));
        QCOMPARE(InstruktionsText, QStringLiteral("Erste Anweisung."));
        QVERIFY(oppna(QStringLiteral("B.vr1")));
        QCOMPARE(InstruktionsText, QString());
        QVERIFY(oppna(QStringLiteral("A.vr1")));
        QCOMPARE(InstruktionsText, QStringLiteral("Erste Anweisung."));
    }

    void aListIsCountedOncePerRunAndItsWalkGoesOn()
    {
        m_course->write(QStringLiteral("DATA/VRSK1.vr1"), ord(7));
        QVERIFY(oppna(QStringLiteral("VRSK1.vr1")));
        const qint32 l = DinaOrdLista;
        QSet<qint32> sedda;
        for (int i = 0; i < 3; ++i)
            sedda << NastaSlumpPost(DinaOrdPosition[l], l);
        m_course->write(QStringLiteral("DATA/VRSK1.vr1"), ord(9));
        QVERIFY(oppna(QStringLiteral("VRSK1.vr1")));
        QCOMPARE(DinaOrdLista, l);
        QCOMPARE(DinaOrdAntal[l], 7);
        QCOMPARE(DinaOrdPosition[l], 4);
        for (int i = 0; i < 4; ++i)
            sedda << NastaSlumpPost(DinaOrdPosition[l], l);
        QCOMPARE(sedda, QSet<qint32>({1, 2, 3, 4, 5, 6, 7})); // each item once per pass
        QCOMPARE(DinaOrdPosition[l], 1);
    }

    // A list longer than the 1900 places of the run's random order still
    // asks every item once per pass, and the next pass again each once.
    void everyItemOncePerPassWhateverTheLength_data()
    {
        QTest::addColumn<int>("antal");
        QTest::newRow("1900") << 1900;
        QTest::newRow("2000") << 2000;
        QTest::newRow("5000") << 5000;
    }
    void everyItemOncePerPassWhateverTheLength()
    {
        QFETCH(int, antal);
        m_course->write(QStringLiteral("DATA/LANG.vr1"), ord(antal));
        QVERIFY(oppna(QStringLiteral("LANG.vr1")));
        const qint32 l = DinaOrdLista;
        QCOMPARE(DinaOrdAntal[l], antal);
        QList<qint32> forsta;
        for (int pass = 1; pass <= 2; ++pass) {
            QList<qint32> sedda;
            for (int i = 0; i < antal; ++i)
                sedda << NastaSlumpPost(DinaOrdPosition[l], l);
            const QSet<qint32> olika(sedda.begin(), sedda.end());
            QCOMPARE(int(olika.size()), antal);
            QCOMPARE(*std::min_element(sedda.begin(), sedda.end()), 1);
            QCOMPARE(*std::max_element(sedda.begin(), sedda.end()), antal);
            QCOMPARE(DinaOrdPosition[l], 1);
            if (pass == 1)
                forsta = sedda;
            else
                QCOMPARE(sedda, forsta); // the order of the run, as for short lists
        }
        // The item drawn last can be fetched: it is a line of the list.
        QVERIFY(haemtaOrdPost(forsta.last()));
        QCOMPARE(PostRad, QStringLiteral("Wort %1#ord %1").arg(forsta.last()));
    }

    void generalAndSpecialListsKeepTheirOwnCounts()
    {
        m_course->write(QStringLiteral("DATA/VRSK1.vr1"), ord(30));
        m_course->write(QStringLiteral("DATA/GRUNDZAH.vr2"), ord(3));
        QVERIFY(oppna(QStringLiteral("VRSK1.vr1")));
        const qint32 allman = DinaOrdLista;
        SlumpPost = 25;
        HaemtaPost(DinaOrdKoLaggTill);
        QVERIFY(oppna(QStringLiteral("GRUNDZAH.vr2")));
        QVERIFY(DinaOrdLista != allman);
        QCOMPARE(DinaOrdAntal[DinaOrdLista], 3);
        QCOMPARE(DinaOrdFelAntal[DinaOrdLista], 0);
        QVERIFY(!HaemtaPost(DinaOrdKoTa)); // item 25 of the other list is not this one's
    }

    void aListThatCannotBeReadIsReportedOnce_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::addColumn<QStringList>("innehall");
        QTest::newRow("missing") << "SAKNAS.vr1" << QStringList();
        QTest::newRow("no items") << "TOM.vr1" << QStringList{QStringLiteral("$§Nichts."), QStringLiteral("; leer")};
    }
    void aListThatCannotBeReadIsReportedOnce()
    {
        QFETCH(QString, fil);
        QFETCH(QStringList, innehall);
        if (!innehall.isEmpty())
            m_course->write(QStringLiteral("DATA/") + fil, innehall);
        MessageRecorder m;
        QVERIFY(!oppna(fil));
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Filen ") + ProgramPath::normalise(DinaOrdFil)
                                        + QStringLiteral(" finns inte eller är felaktig")});
        QVERIFY(DinaOrdFil.endsWith(fil));
    }

    void theErrorQueue()
    {
        m_course->write(QStringLiteral("DATA/A.vr1"), ord(5));
        m_course->write(QStringLiteral("DATA/B.vr1"), ord(5));
        QVERIFY(oppna(QStringLiteral("B.vr1")));
        const qint32 b = DinaOrdLista;
        QVERIFY(oppna(QStringLiteral("A.vr1")));
        const qint32 a = DinaOrdLista;
        auto lagg = [](qint32 lista, quint16 post) {
            DinaOrdLista = lista;
            SlumpPost = post;
            HaemtaPost(DinaOrdKoLaggTill);
        };
        lagg(a, 2);
        lagg(b, 4);
        lagg(a, 3);
        DinaOrdLista = a;
        QCOMPARE(DinaOrdFelAntal[a], 2);
        QVERIFY(HaemtaPost(DinaOrdKoTa));
        QCOMPARE(DinaOrdFelPost, 2);
        QCOMPARE(PostRad, QStringLiteral("Wort 2#ord 2"));
        QVERIFY(HaemtaPost(DinaOrdKoTa)); // taking leaves the pair queued
        QCOMPARE(DinaOrdFelPost, 2);

        QVERIFY(HaemtaPost(DinaOrdKoFlyttaSist)); // wrong again: behind all others
        QVERIFY(HaemtaPost(DinaOrdKoTa));
        QCOMPARE(DinaOrdFelPost, 3);
        QCOMPARE(DinaOrdFelKo[3].Post, 2);

        QVERIFY(HaemtaPost(DinaOrdKoTaBort)); // right: item 3 leaves
        QCOMPARE(DinaOrdFelAntal[a], 1);
        QCOMPARE(dinaOrdFelKoAntal(), 2);
        QCOMPARE(DinaOrdFelKo[1].Lista, b);
        QVERIFY(HaemtaPost(DinaOrdKoTaBort));
        QCOMPARE(DinaOrdFelAntal[a], 0);
        QVERIFY(!HaemtaPost(DinaOrdKoTaBort));
        QVERIFY(!HaemtaPost(DinaOrdKoTa));
        QCOMPARE(DinaOrdFelAntal[b], 1);
    }

    void aFullQueueDropsItsOldestPair()
    {
        m_course->write(QStringLiteral("DATA/A.vr1"), ord(5));
        m_course->write(QStringLiteral("DATA/B.vr1"), ord(5));
        QVERIFY(oppna(QStringLiteral("B.vr1")));
        const qint32 b = DinaOrdLista;
        SlumpPost = 1;
        HaemtaPost(DinaOrdKoLaggTill);
        QVERIFY(oppna(QStringLiteral("A.vr1")));
        const qint32 a = DinaOrdLista;
        for (int i = 2; i <= MaxDinaOrdFelKo; ++i) {
            SlumpPost = quint16(i % 5 + 1);
            HaemtaPost(DinaOrdKoLaggTill);
        }
        QCOMPARE(dinaOrdFelKoAntal(), MaxDinaOrdFelKo);
        QCOMPARE(DinaOrdFelAntal[a], MaxDinaOrdFelKo - 1);
        SlumpPost = 5;
        HaemtaPost(DinaOrdKoLaggTill);
        QCOMPARE(dinaOrdFelKoAntal(), MaxDinaOrdFelKo);
        QCOMPARE(DinaOrdFelAntal[b], 0);
        QCOMPARE(DinaOrdFelAntal[a], MaxDinaOrdFelKo);
        QCOMPARE(DinaOrdFelKo[MaxDinaOrdFelKo].Post, 5);
        QCOMPARE(DinaOrdFelKo[1].Lista, a);
    }

    void pointsFallWithTheTimeTaken_data()
    {
        QTest::addColumn<int>("langd");
        QTest::addColumn<int>("hundradelar");
        QTest::addColumn<bool>("lampa");
        QTest::addColumn<double>("poang");
        QTest::newRow("5 s, 6 letters") << 6 << 500 << false << 96.0;
        QTest::newRow("5 s, 6 letters, lamp on") << 6 << 500 << true << 48.0;
        QTest::newRow("at once") << 9 << 0 << false << 109.0;
        QTest::newRow("a minute") << 10 << 6000 << false << -10.0;
    }
    void pointsFallWithTheTimeTaken()
    {
        QFETCH(int, langd);
        QFETCH(int, hundradelar);
        QFETCH(bool, lampa);
        QFETCH(double, poang);
        QCOMPARE(ordPoang(langd, hundradelar, lampa), poang);
    }

    void theRecordTableTakesTheScoreWithinItsRange_data()
    {
        QTest::addColumn<double>("poang");
        QTest::addColumn<int>("resultat");
        QTest::newRow("rounded") << 957.6 << 958;
        QTest::newRow("below zero") << -40.0 << 0;
        QTest::newRow("above 65535") << 70000.0 << 65535;
    }
    void theRecordTableTakesTheScoreWithinItsRange()
    {
        QFETCH(double, poang);
        QFETCH(int, resultat);
        QCOMPARE(int(rekordResultat(poang)), resultat);
    }

    void theBundledWordLists_data()
    {
        QTest::addColumn<quint16>("programtal");
        QTest::newRow("general") << AllmannaGlosor;
        QTest::newRow("special") << SpeciellaGlosor;
    }
    void theBundledWordLists()
    {
        QFETCH(quint16, programtal);
        PCPath = qEnvironmentVariable("VARMIKO_COURSE");
        CDPath.clear();
        MessageRecorder m;
        const QList<OrdLista> listor = ordListor(programtal);
        QVERIFY(listor.size() >= 3);
        for (const OrdLista &l : listor) {
            QVERIFY2(l.namn != l.fil.left(l.fil.size() - 4), qPrintable(l.fil)); // named by the table
            QVERIFY2(Filvald(l.fil, l.namn), qPrintable(l.fil));
            QVERIFY(!InstruktionsText.isEmpty());
            QVERIFY2(DinaOrdAntal[DinaOrdLista] >= 20, qPrintable(l.fil));
            for (int n = 1; n <= DinaOrdAntal[DinaOrdLista]; ++n) {
                QVERIFY(haemtaOrdPost(n));
                str_postarray(PostRad);
                QVERIFY2(!postFalt(1).trimmed().isEmpty() && !postFalt(2).trimmed().isEmpty(), qPrintable(PostRad));
            }
            QFile f(DinaOrdFil);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray b = f.readAll();
            QCOMPARE(b.count("\r\n"), b.count('\n')); // CRLF line ends
            QVERIFY(!b.contains("\xc3")); // Windows-1252, not UTF-8
        }
        QCOMPARE(m.texts(), QStringList());
    }

    void recordTableNamedAfterTheList()
    {
        ScoreDirectory = QStringLiteral("S:\\Resultat\\");
        QCOMPARE(dinaOrdRekordFil(QStringLiteral("VRSK1.vr1")), QStringLiteral("S:\\Resultat\\VRSK1.TNR"));
        ScoreDirectory.clear();
        PCPath = QStringLiteral("C:\\Varmiko");
        QCOMPARE(dinaOrdRekordFil(QStringLiteral("a.b.vr2")), QStringLiteral("C:\\Varmiko\\RESULTAT\\a.TNR"));
    }
};

VARMIKO_TEST_MAIN(TestDinaOrdListor)
#include "test_dinaordlistor.moc"
