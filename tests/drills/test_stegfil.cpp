// The level progress file at byte level: 260-byte records, the save rules,
// the fetch, and files that are missing, damaged or cannot be replaced.

#include "ClosedDirectory.h"
#include "MessageRecorder.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "drills/grammar/TStegPost.h"
#include "drills/grammar/stegfil.h"
#include "frame/vrsku1.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <memory>

namespace {

const QString kFil = QStringLiteral("VRVERB1.STE");

QByteArray post(const QByteArray &namn, qint32 niva, const QByteArray &skrapEfterNamn = {})
{
    QByteArray b(TStegPost::Storlek, '\0');
    b.replace(0, namn.size(), namn);
    if (!skrapEfterNamn.isEmpty())
        b.replace(namn.size() + 1, skrapEfterNamn.size(), skrapEfterNamn);
    qToLittleEndian<qint32>(niva, b.data() + TStegPost::NamnStorlek);
    return b;
}

} // namespace

class TestStegfil : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;

    QString sokvag() const { return m_course->path(QStringLiteral("RESULTAT/") + kFil); }

    QByteArray innehall() const
    {
        QFile f(sokvag());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void skriv(const QByteArray &b) { m_course->writeBytes(QStringLiteral("RESULTAT/") + kFil, b); }

private slots:
    void init()
    {
        m_course = std::make_unique<TestCourse>();
        m_course->mkdir(QStringLiteral("RESULTAT"));
        m_course->activate();
    }
    void cleanup() { m_course.reset(); }

    void recordLayout()
    {
        TStegPost p;
        p.Namn = QStringLiteral("Åsa Ölund");
        p.Niva = 0x01020304;
        const QByteArray b = p.toBytes();
        QCOMPARE(b.size(), 260);
        QCOMPARE(b.left(10), QByteArray("\xC5sa \xD6lund\0", 10));
        QCOMPARE(b.mid(10, 246), QByteArray(246, '\0'));
        QCOMPARE(b.mid(256), QByteArray("\x04\x03\x02\x01", 4));
        const TStegPost tillbaka = TStegPost::fromBytes(post("Kim", 7, "xyz"));
        QCOMPARE(tillbaka.Namn, QStringLiteral("Kim"));
        QCOMPARE(tillbaka.Niva, 7);
        // A name longer than the field keeps its terminating zero byte.
        p.Namn = QString(300, QLatin1Char('a'));
        QCOMPARE(p.toBytes().at(255), '\0');
    }

    // A save into a missing file creates it with the one record, whatever
    // the level; the temporary file is gone afterwards.
    void saveIntoAMissingFile_data()
    {
        QTest::addColumn<int>("niva");
        QTest::newRow("level 1") << 1;
        QTest::newRow("level 9") << 9;
    }
    void saveIntoAMissingFile()
    {
        QFETCH(int, niva);
        MessageRecorder meddelanden;
        QVERIFY(sparaStegNiva(kFil, QStringLiteral("Jörg"), niva));
        QCOMPARE(innehall(), post("J\xF6rg", niva));
        QCOMPARE(QDir(m_course->path(QStringLiteral("RESULTAT"))).entryList(QDir::Files), QStringList{kFil});
        QCOMPARE(meddelanden.count(), 0);
    }

    // Saving raises the records of the name (letter case ignored) and
    // otherwise adds one; records of level 1 and nameless ones are left out;
    // every other record keeps its bytes.
    void saveRules_data()
    {
        QTest::addColumn<QByteArray>("fore");
        QTest::addColumn<QString>("namn");
        QTest::addColumn<int>("niva");
        QTest::addColumn<QByteArray>("efter");
        const QByteArray annan = post("Lisa", 4, "rest of an old name");
        QTest::newRow("raised, no record added")
            << (annan + post("\xC5SA", 3)) << "åsa" << 5 << (annan + post("\xC5SA", 5));
        QTest::newRow("lower level appends")
            << (post("\xC5SA", 5) + annan) << "Åsa" << 2 << (post("\xC5SA", 5) + annan + post("\xC5sa", 2));
        QTest::newRow("equal level appends")
            << post("Per", 4) << "Per" << 4 << (post("Per", 4) + post("Per", 4));
        QTest::newRow("every lower record of the name is raised")
            << (post("Per", 6) + post("Per", 2)) << "Per" << 3 << (post("Per", 6) + post("Per", 3));
        QTest::newRow("level 1 adds nothing, drops level 1 and nameless records")
            << (post("Ola", 1) + annan + post("", 7)) << "Kim" << 1 << annan;
        QTest::newRow("a level-1 record is raised and kept")
            << post("Ola", 1) << "Ola" << 3 << post("Ola", 3);
    }
    void saveRules()
    {
        QFETCH(QByteArray, fore);
        QFETCH(QString, namn);
        QFETCH(int, niva);
        QFETCH(QByteArray, efter);
        skriv(fore);
        MessageRecorder meddelanden;
        QVERIFY(sparaStegNiva(kFil, namn, niva));
        QCOMPARE(innehall(), efter);
        // No temporary file is left.
        QCOMPARE(QDir(m_course->path(QStringLiteral("RESULTAT"))).entryList(QDir::Files), QStringList{kFil});
        QCOMPARE(meddelanden.count(), 0);
    }

    void fetch_data()
    {
        QTest::addColumn<QByteArray>("fil");
        QTest::addColumn<QString>("namn");
        QTest::addColumn<int>("antalNivaer");
        QTest::addColumn<int>("resultat");
        QTest::addColumn<int>("niva");
        const int hittad = int(StegHamtning::Hittad);
        const int inte = int(StegHamtning::InteHittad);
        const QByteArray fil = post("Kim", 4) + post("\xC5SA", 5) + post("\xC5SA", 2);
        QTest::newRow("first record of the name") << fil << "åsa" << 10 << hittad << 5;
        QTest::newRow("unknown name keeps the level") << fil << "Bo" << 10 << inte << 8;
        QTest::newRow("the top level is fetched") << fil << "Åsa" << 5 << hittad << 5;
        QTest::newRow("above the top gives the top") << fil << "Åsa" << 3 << hittad << 3;
        QTest::newRow("cut to 20 before it was saved") << post("Abcdefghijklmnopqrst", 6)
                                                       << "abcdefghijklmnopqrst" << 10 << hittad << 6;
    }
    void fetch()
    {
        QFETCH(QByteArray, fil);
        QFETCH(QString, namn);
        QFETCH(int, antalNivaer);
        QFETCH(int, resultat);
        QFETCH(int, niva);
        skriv(fil);
        qint32 steg = 8;
        QCOMPARE(int(hamtaStegNiva(kFil, namn, antalNivaer, steg)), resultat);
        QCOMPARE(steg, niva);
    }

    void fetchWithoutAFileKeepsTheLevel()
    {
        qint32 steg = 6;
        MessageRecorder meddelanden;
        QCOMPARE(hamtaStegNiva(kFil, QStringLiteral("Kim"), 10, steg), StegHamtning::IngenFil);
        QCOMPARE(steg, 6);
        QCOMPARE(meddelanden.count(), 0);
    }

    // A file cut off inside a record, or holding a record the program never
    // writes: the whole records are used, and a save first puts the old
    // file aside unchanged.
    void damagedFileLosesNothing_data()
    {
        QTest::addColumn<QByteArray>("fil");
        QTest::newRow("cut off") << (post("Kim", 4) + post("Ulla", 6).left(100));
        QTest::newRow("name without its zero byte") << (post("Kim", 4) + QByteArray(260, 'x'));
        QTest::newRow("level out of range") << (post("Kim", 4) + post("Ulla", 9999));
    }
    void damagedFileLosesNothing()
    {
        QFETCH(QByteArray, fil);
        skriv(fil);
        MessageRecorder meddelanden;
        qint32 steg = 1;
        QCOMPARE(hamtaStegNiva(kFil, QStringLiteral("kim"), 10, steg), StegHamtning::Hittad);
        QCOMPARE(steg, 4);
        QCOMPARE(meddelanden.count(), 1);
        QVERIFY2(meddelanden.last().contains(QStringLiteral("är skadad")), qPrintable(meddelanden.last()));

        QVERIFY(sparaStegNiva(kFil, QStringLiteral("Bo"), 3));
        QCOMPARE(innehall(), post("Kim", 4) + post("Bo", 3));
        QFile kopia(sokvag() + QStringLiteral(".bad"));
        QVERIFY(kopia.open(QIODevice::ReadOnly));
        QCOMPARE(kopia.readAll(), fil);
        QVERIFY(meddelanden.last().contains(kFil + QStringLiteral(".bad")));
    }

    // When the new file cannot be written, the old one stays as it was and
    // the pupil is told.
    void failedSaveKeepsTheOldFile()
    {
        const QByteArray fore = post("Kim", 4);
        skriv(fore);
        ClosedDirectory stangd(m_course->path(QStringLiteral("RESULTAT"))); // no new file can be made
        if (!stangd.isClosed())
            QSKIP("this file system cannot keep a directory from taking new files");
        MessageRecorder meddelanden;
        QVERIFY(!sparaStegNiva(kFil, QStringLiteral("Kim"), 9));
        QCOMPARE(innehall(), fore);
        QCOMPARE(meddelanden.texts(), QStringList{QStringLiteral("Nivån kunde inte sparas i filen ") + sokvag()
                                                  + QStringLiteral(". Den gamla nivåfilen är oförändrad.")});
    }

    void unreadableFileIsNeverReplaced()
    {
        m_course->mkdir(QStringLiteral("RESULTAT/") + kFil);
        MessageRecorder meddelanden;
        QVERIFY(!sparaStegNiva(kFil, QStringLiteral("Kim"), 9));
        QVERIFY(QFileInfo(sokvag()).isDir());
        QCOMPARE(meddelanden.count(), 1);
        QVERIFY(meddelanden.last().contains(QStringLiteral("kan inte läsas")));
        qint32 steg = 2;
        QCOMPARE(hamtaStegNiva(kFil, QStringLiteral("Kim"), 10, steg), StegHamtning::Fel);
        QCOMPARE(steg, 2);
    }
};

VARMIKO_TEST_MAIN(TestStegfil)
#include "test_stegfil.moc"
