// The register file "TDIAG.DIA": its bytes, saving, looking up, deleting,
// archiving, damaged files and the write test of the diagnosis directory.

#include "ClosedDirectory.h"
#include "MessageRecorder.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "frame/vrsku1.h"
#include "platform/Clock.h"
#include "platform/ProgramPath.h"
#include "results/diagnosregister.h"
#include "results/diagnosstatus.h"
#include "results/protokolltabell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <optional>

namespace {

// A record built byte by byte, apart from the program's own writer.
QByteArray rawRecord(const QByteArray &name, const QByteArray &password = {}, qint32 result1 = 0)
{
    QByteArray r(348, '\0');
    r[0] = char(name.size());
    r.replace(1, name.size(), name);
    r[22] = char(password.size());
    r.replace(23, password.size(), password);
    qToLittleEndian<qint32>(result1, r.data() + 36);
    return r;
}

qint32 int32At(const QByteArray &b, int offset)
{
    return qFromLittleEndian<qint32>(b.constData() + offset);
}

quint16 word16At(const QByteArray &b, int offset)
{
    return qFromLittleEndian<quint16>(b.constData() + offset);
}

} // namespace

class TestDiagnosisRegister : public QObject
{
    Q_OBJECT

    QScopedPointer<TestCourse> m_course;

    QString dir() const { return m_course->path(QStringLiteral("RESULTAT")); }
    QString registerPath() const { return dir() + QStringLiteral("/TDIAG.DIA"); }

    static QByteArray readAll(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeRegister(const QByteArray &bytes) { m_course->writeBytes(QStringLiteral("RESULTAT/TDIAG.DIA"), bytes); }
    QStringList filesInDir() const { return QDir(dir()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot); }

    static void choosePupil(const QString &name)
    {
        NollstallDiagnos();
        AktivDiagnos.Namn = name;
    }

private slots:
    void init()
    {
        m_course.reset(new TestCourse);
        m_course->mkdir(QStringLiteral("RESULTAT"));
        PCPath = m_course->root();
        DiagnosPath = m_course->root() + QStringLiteral("\\RESULTAT");
        DiagnosPathKlar = 0;
        OvningsLage = 2;
        DiagRad = 0;
        DiagSpara = 0;
        RaderaLage = 0;
        RaderaNamn.clear();
        NollstallDiagnos();
        setProtocolRedraw({});
        Clock::setSource([] { return QDateTime(QDate(2002, 12, 1), QTime(8, 23, 41)); });
    }
    void cleanup()
    {
        setProtocolRedraw({});
        Clock::setSource({});
        OvningsLage = 0;
        m_course.reset();
    }

    void firstSaveCreatesOneRecord()
    {
        MessageRecorder m;
        choosePupil(QStringLiteral("Märta"));
        QVERIFY(SparaProtokoll());

        const QByteArray b = readAll(registerPath());
        QCOMPARE(b.size(), 348);
        QCOMPARE(b.left(6), QByteArray("\x05M\xE4rta", 6)); // Windows-1252
        QCOMPARE(b.mid(116, 20), QByteArray::fromHex("0001010100010001000100010001000000000000"));
        QCOMPARE(b.mid(136, 212), QByteArray(212, '\0'));
        QCOMPARE(filesInDir(), QStringList{QStringLiteral("TDIAG.DIA")}); // no temporary file left
        QCOMPARE(m.count(), 0);
        QCOMPARE(DiagSpara, quint8(0));
    }

    void reportedTestReachesTheFile()
    {
        writeRegister(rawRecord("Bo"));
        choosePupil(QStringLiteral("Anna"));
        // The protocol's redraw saves when the record has changed.
        setProtocolRedraw([] {
            if (DiagSpara)
                SparaProtokoll();
        });
        DiagRad = 1;
        diagnosback(15);

        const QByteArray b = readAll(registerPath());
        QCOMPARE(b.size(), 2 * 348);
        QCOMPARE(b.left(348), rawRecord("Bo"));
        const QByteArray anna = b.mid(348);
        QCOMPARE(int32At(anna, 36), 15);
        QCOMPARE(int(anna[116]), 2);
        QCOMPARE(int(anna[117]), 2);
        QCOMPARE(word16At(anna, 136), quint16(2002));
        QCOMPARE(word16At(anna, 176), quint16(12));
        QCOMPARE(word16At(anna, 216), quint16(1));
        QCOMPARE(word16At(anna, 256), quint16(8));
        QCOMPARE(word16At(anna, 296), quint16(23));
        QCOMPARE(DiagSpara, quint8(0));
    }

    void saveReplacesTheSameNameInPlace_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("saved");
        QTest::newRow("ANNA over Anna") << QStringLiteral("Anna") << QStringLiteral("ANNA");
        QTest::newRow("ÅSA ÖBERG over Åsa Öberg") << QStringLiteral("Åsa Öberg") << QStringLiteral("ÅSA ÖBERG");
        QTest::newRow("märta over MÄRTA") << QStringLiteral("MÄRTA") << QStringLiteral("märta");
    }
    void saveReplacesTheSameNameInPlace()
    {
        QFETCH(QString, stored);
        QFETCH(QString, saved);
        const QByteArray first = rawRecord("Bo", "x", 3);
        const QByteArray last = rawRecord("Cilla", "", 20);
        TDiagnosPost middle;
        middle.Namn = stored;
        writeRegister(first + middle.toBytes() + last);

        choosePupil(saved);
        AktivDiagnos.Resultat[7] = 18;
        QVERIFY(SparaProtokoll());

        const QByteArray b = readAll(registerPath());
        QCOMPARE(b.size(), 3 * 348);
        QCOMPARE(b.left(348), first);
        QCOMPARE(b.mid(696), last);
        const TDiagnosPost p = TDiagnosPost::fromBytes(b.mid(348, 348));
        QCOMPARE(p.Namn, saved);
        QCOMPARE(p.Resultat[7], 18);
    }

    void lookupLoadsThePupilAndKeepsItsOtherBytes()
    {
        QByteArray anna = rawRecord("Anna", "geheim", 12);
        anna[33] = '\x11'; // alignment fill
        anna.replace(336, 12, QByteArray(12, '\xAB')); // reserved
        writeRegister(rawRecord("Bo") + anna);

        QCOMPARE(HaemtaDiagnos(QStringLiteral("aNNA")), QStringLiteral("geheim"));
        QCOMPARE(NamnFunnet, quint8(1));
        QCOMPARE(AktivDiagnos.Namn, QStringLiteral("aNNA")); // the name as passed
        QCOMPARE(AktivDiagnos.Resultat[1], 12);

        AktivDiagnos.Namn = QStringLiteral("Anna");
        QVERIFY(SparaProtokoll());
        QCOMPARE(readAll(registerPath()).mid(348), anna);

        QCOMPARE(HaemtaDiagnos(QStringLiteral("Okänd")), QString());
        QCOMPARE(NamnFunnet, quint8(0));
        QCOMPARE(AktivDiagnos.Namn, QStringLiteral("Okänd"));
        QCOMPARE(AktivDiagnos.Resultat[1], 0);
        QCOMPARE(AktivDiagnos.Status[2], quint8(StatusVanta));

        QVERIFY(NamnFinns(QStringLiteral("BO")));
        QVERIFY(!NamnFinns(QStringLiteral("Bodil")));
        QCOMPARE(AktivDiagnos.Namn, QStringLiteral("Bodil"));

        QStringList names;
        QVERIFY(readRegisterNames(names));
        QCOMPARE(names, QStringList({QStringLiteral("Bo"), QStringLiteral("Anna")}));
    }

    void withoutRegisterThereIsNothingToFind()
    {
        MessageRecorder m;
        AktivDiagnos.Resultat[3] = 9;
        QCOMPARE(HaemtaDiagnos(QStringLiteral("Anna")), QString());
        QCOMPARE(AktivDiagnos.Resultat[3], 0); // a fresh record
        QVERIFY(!NamnFinns(QStringLiteral("Anna")));
        QStringList names;
        QVERIFY(!readRegisterNames(names));
        QCOMPARE(m.count(), 0);
    }

    void deleteAnsweredNoChangesNothing()
    {
        const QByteArray before = rawRecord("Anna", "a") + rawRecord("Bo");
        writeRegister(before);
        MessageRecorder m;
        m.answer(QMessageBox::No);
        HaemtaDiagnos(QStringLiteral("Anna"));
        RaderaNamn = AktivDiagnos.Namn;
        RaderaLage = 1;

        QVERIFY(!SparaRaderaProt());

        QCOMPARE(m.texts(), QStringList{QStringLiteral("Vill du verkligen ta bort diagnosen \"Anna\"?")});
        QCOMPARE(readAll(registerPath()), before);
        QCOMPARE(filesInDir(), QStringList{QStringLiteral("TDIAG.DIA")});
        QCOMPARE(RaderaLage, quint8(0));
    }

    void deleteTakesTheExactNameAndEmptyRecords()
    {
        writeRegister(rawRecord("Anna", "a", 1) + rawRecord("") + rawRecord("anna", "", 2) + rawRecord("Bo")
                      + rawRecord("Anna", "", 3));
        MessageRecorder m;
        m.answer(QMessageBox::Yes);
        HaemtaDiagnos(QStringLiteral("Anna"));
        RaderaNamn = AktivDiagnos.Namn;
        RaderaLage = 1;

        QVERIFY(SparaRaderaProt());

        QCOMPARE(readAll(registerPath()), rawRecord("anna", "", 2) + rawRecord("Bo"));
        QCOMPARE(m.texts(), QStringList({QStringLiteral("Vill du verkligen ta bort diagnosen \"Anna\"?"),
                                         QStringLiteral("Diagnosen \"Anna\" är borttagen.")}));
        QCOMPARE(RaderaLage, quint8(1)); // the dialog takes the name off its list
    }

    void deleteWithoutRegisterSaysSo()
    {
        MessageRecorder m;
        choosePupil(QStringLiteral("Anna"));
        RaderaNamn = QStringLiteral("Anna");
        RaderaLage = 1;
        QVERIFY(!SparaRaderaProt());
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Diagnosfilen ") + dir()
                                        + QStringLiteral("/TDIAG.DIA saknas eller är felaktig")});
        QCOMPARE(RaderaLage, quint8(0));
        QVERIFY(!QFile::exists(registerPath()));
    }

    void deleteThatCannotWriteKeepsTheRegister()
    {
        const QByteArray before = rawRecord("Anna");
        writeRegister(before);
        ClosedDirectory closed(dir()); // the new register's file cannot be made
        if (!closed.isClosed())
            QSKIP("this file system cannot keep a directory from taking new files");
        MessageRecorder m;
        m.answer(QMessageBox::Yes);
        HaemtaDiagnos(QStringLiteral("Anna"));
        RaderaNamn = AktivDiagnos.Namn;
        RaderaLage = 1;

        QVERIFY(!SparaRaderaProt());

        QCOMPARE(m.texts(), QStringList{QStringLiteral("Ny fil i katalogen ") + dir() + QStringLiteral(" kunde inte skapas")});
        QCOMPARE(readAll(registerPath()), before);
        QCOMPARE(RaderaLage, quint8(0)); // the name stays on the list
    }

    void failedSaveIsReportedAndTriedAgain_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("temporary file cannot be made") << QStringLiteral("slask");
        QTest::newRow("register cannot be read") << QStringLiteral("register");
        QTest::newRow("directory missing") << QStringLiteral("directory");
    }
    void failedSaveIsReportedAndTriedAgain()
    {
        QFETCH(QString, fault);
        const QByteArray before = rawRecord("Anna", "", 4);
        std::optional<ClosedDirectory> closed;
        if (fault == QLatin1String("slask")) {
            writeRegister(before);
            closed.emplace(dir());
            if (!closed->isClosed())
                QSKIP("this file system cannot keep a directory from taking new files");
        } else if (fault == QLatin1String("register")) {
            m_course->mkdir(QStringLiteral("RESULTAT/TDIAG.DIA"));
        } else {
            QDir(dir()).removeRecursively();
        }
        HaemtaDiagnos(QStringLiteral("Anna"));
        setProtocolRedraw([] {
            if (DiagSpara)
                SparaProtokoll();
        });
        MessageRecorder m;
        DiagRad = 13;
        diagnosback(19);

        QCOMPARE(m.texts(), QStringList{QStringLiteral("Diagnosen kunde inte sparas i katalogen ") + dir()
                                        + QStringLiteral(". Kontrollera att katalogen finns och att det går att skriva i den.")});
        QCOMPARE(DiagSpara, quint8(1));
        if (fault == QLatin1String("slask"))
            QCOMPARE(readAll(registerPath()), before);

        // Once the directory is in order, the next save writes the result.
        if (fault == QLatin1String("slask")) {
            closed.reset();
        } else if (fault == QLatin1String("register")) {
            QDir(dir()).rmdir(QStringLiteral("TDIAG.DIA"));
        } else {
            m_course->mkdir(QStringLiteral("RESULTAT"));
        }
        QVERIFY(SparaProtokoll());
        QCOMPARE(DiagSpara, quint8(0));
        const QByteArray after = readAll(registerPath());
        QCOMPARE(after.size(), 348);
        QCOMPARE(int32At(after, 36 + 4 * 12), 19);
        QCOMPARE(m.count(), 1);
    }

    void leftoverTemporaryFileIsNoObstacle()
    {
        writeRegister(rawRecord("Anna"));
        // From an interrupted run of an earlier version, maybe another
        // account's: it is neither needed nor touched.
        m_course->writeBytes(QStringLiteral("RESULTAT/Slask.DI2"), QByteArray(1000, 'x'));
        choosePupil(QStringLiteral("Bo"));
        QVERIFY(SparaProtokoll());
        QCOMPARE(readAll(registerPath()).size(), 2 * 348);
        QCOMPARE(filesInDir(), QStringList({QStringLiteral("Slask.DI2"), QStringLiteral("TDIAG.DIA")}));
        QCOMPARE(readAll(dir() + QStringLiteral("/Slask.DI2")), QByteArray(1000, 'x'));
    }

    void archiveRenamesWithDateAndTime()
    {
        MessageRecorder m;
        const QByteArray first = rawRecord("Anna");
        writeRegister(first);
        QCOMPARE(TidStampel(), QStringLiteral("0212010823"));
        QVERIFY(ArkiveraDiagnoser());
        QCOMPARE(filesInDir(), QStringList{QStringLiteral("VR0212010823.DIS")});

        // A second archive in the same minute keeps the first one.
        choosePupil(QStringLiteral("Bo"));
        QVERIFY(SparaProtokoll());
        QVERIFY(ArkiveraDiagnoser());
        QCOMPARE(filesInDir(), QStringList({QStringLiteral("VR0212010823-2.DIS"), QStringLiteral("VR0212010823.DIS")}));
        QCOMPARE(readAll(dir() + QStringLiteral("/VR0212010823.DIS")), first);
        QCOMPARE(readAll(dir() + QStringLiteral("/VR0212010823-2.DIS")).left(3), QByteArray("\x02" "Bo"));
        QCOMPARE(m.count(), 0);

        QVERIFY(!ArkiveraDiagnoser()); // nothing left to archive
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Diagnosfilen ") + dir()
                                        + QStringLiteral("/TDIAG.DIA saknas eller är felaktig")});
        QCOMPARE(filesInDir().size(), 2);
    }

    void damagedFieldsAreReadSafely_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("namn");
        QTest::addColumn<QString>("losen");
        QTest::addColumn<int>("status1");
        QTest::newRow("name length 200") << 0 << 200 << QStringLiteral("ABCDEFGHIJKLMNOPQRSTU") << QStringLiteral("pass") << 0;
        QTest::newRow("password length 200") << 22 << 200 << QStringLiteral("ABCD") << QStringLiteral("pass456789") << 0;
        QTest::newRow("status 7") << 116 << 7 << QStringLiteral("ABCD") << QStringLiteral("pass") << 0;
        QTest::newRow("status 3 is kept") << 116 << 3 << QStringLiteral("ABCD") << QStringLiteral("pass") << 3;
    }
    void damagedFieldsAreReadSafely()
    {
        QFETCH(int, offset);
        QFETCH(int, value);
        QFETCH(QString, namn);
        QFETCH(QString, losen);
        QFETCH(int, status1);
        // Letters everywhere, so that a length past the capacity would read
        // into the next field.
        QByteArray r(348, 'X');
        r.replace(0, 22, QByteArray("\x04" "ABCDEFGHIJKLMNOPQRSTU"));
        r.replace(22, 11, QByteArray("\x04" "pass456789"));
        r.replace(116, 20, QByteArray(20, '\0'));
        r[offset] = char(value);

        const TDiagnosPost p = TDiagnosPost::fromBytes(r);
        QCOMPARE(p.Namn, namn);
        QCOMPARE(p.Losen, losen);
        QCOMPARE(int(p.Status[1]), status1);

        // Saving someone else copies the odd record through unchanged.
        writeRegister(r);
        choosePupil(QStringLiteral("Bo"));
        QVERIFY(SparaProtokoll());
        const QByteArray after = readAll(registerPath());
        QCOMPARE(after.size(), 2 * 348);
        QCOMPARE(after.left(348), r);
    }

    void truncatedRegisterIsPutAsideOnce()
    {
        const QByteArray whole = rawRecord("Anna", "", 5) + rawRecord("Bo", "", 6);
        const QByteArray damaged = whole + rawRecord("Cilla").left(15);
        writeRegister(damaged);
        MessageRecorder m;

        QCOMPARE(HaemtaDiagnos(QStringLiteral("Bo")), QString());
        QCOMPARE(NamnFunnet, quint8(1));
        QCOMPARE(AktivDiagnos.Resultat[1], 6);
        QStringList names;
        QVERIFY(readRegisterNames(names));
        QCOMPARE(names, QStringList({QStringLiteral("Anna"), QStringLiteral("Bo")}));

        // Told once: where the copy is and how many pupils were lost.
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Diagnosfilen ") + registerPath()
                                        + QStringLiteral(" slutar med en ofullständig diagnos. Hela filen har kopierats till ")
                                        + registerPath()
                                        + QStringLiteral(".bad. 1 elev kunde inte läsas; de 2 hela diagnoserna används som vanligt.")});
        QCOMPARE(readAll(registerPath() + QStringLiteral(".bad")), damaged);

        // The rewrite keeps the whole records; the broken end stays in the copy.
        AktivDiagnos.Resultat[2] = 7;
        QVERIFY(SparaProtokoll());
        const QByteArray after = readAll(registerPath());
        QCOMPARE(after.size(), 2 * 348);
        QCOMPARE(after.left(348), whole.left(348));
        QCOMPARE(int32At(after, 348 + 40), 7);
        QCOMPARE(readAll(registerPath() + QStringLiteral(".bad")), damaged);
        QCOMPARE(m.count(), 1);
    }

    // A register cut off after the name of its last pupil keeps that pupil
    // with what the file still holds; the rest is as in a fresh record.
    void cutRecordWithAWholeNameIsKept_data()
    {
        QTest::addColumn<int>("kept");     // bytes of Cilla's record in the file
        QTest::addColumn<int>("result3");  // her result of area 3 as read
        QTest::addColumn<int>("status2");  // her status of area 2 as read or worked out
        QTest::addColumn<QString>("losen");
        QTest::newRow("name only") << 22 << 0 << int(StatusVanta) << QString();
        QTest::newRow("into the results") << 60 << 16 << int(StatusTesta) << QStringLiteral("pw");
        QTest::newRow("into the statuses") << 118 << 16 << int(StatusOva) << QStringLiteral("pw"); // as stored
        QTest::newRow("all but the reserved bytes") << 340 << 16 << int(StatusOva) << QStringLiteral("pw");
    }
    void cutRecordWithAWholeNameIsKept()
    {
        QFETCH(int, kept);
        QFETCH(int, result3);
        QFETCH(int, status2);
        QFETCH(QString, losen);
        // Passed everywhere, with a status of area 2 that the rules would
        // not give.
        QByteArray cilla = rawRecord("Cilla", "pw");
        for (int k = 1; k <= 17; ++k)
            qToLittleEndian<qint32>(16, cilla.data() + 36 + 4 * (k - 1));
        for (int k = 0; k < 20; ++k)
            cilla[116 + k] = k == 1 ? char(StatusOva) : char(StatusTesta);
        const QByteArray anna = rawRecord("Anna", "", 5);
        writeRegister(anna + cilla.left(kept));
        MessageRecorder m;

        QStringList names;
        QVERIFY(readRegisterNames(names));
        QCOMPARE(names, QStringList({QStringLiteral("Anna"), QStringLiteral("Cilla")}));
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Diagnosfilen ") + registerPath()
                                        + QStringLiteral(" slutar med en ofullständig diagnos. Hela filen har kopierats till ")
                                        + registerPath()
                                        + QStringLiteral(".bad. Alla elever kunde läsas, men av diagnosen för \"Cilla\" "
                                                         "finns bara en del kvar: det som saknas räknas som inte gjort.")});
        QCOMPARE(HaemtaDiagnos(QStringLiteral("Cilla")), losen);
        QCOMPARE(AktivDiagnos.Resultat[3], result3);
        QCOMPARE(int(AktivDiagnos.Status[2]), status2);
        QCOMPARE(protokollText(AktivDiagnos, 3, 3), QString()); // no time is known

        // Saved whole: the register is mended.
        QVERIFY(SparaProtokoll());
        const QByteArray after = readAll(registerPath());
        QCOMPARE(after.size(), 2 * 348);
        QCOMPARE(after.left(348), anna);
        QCOMPARE(after.mid(348, kept), cilla.left(kept));
        QCOMPARE(m.count(), 1);
    }

    void directoryWriteTest_data()
    {
        QTest::addColumn<QString>("katalog");  // relative to the course, "A:" as it is
        QTest::addColumn<QString>("blocker");  // what stands in the way under RESULTAT
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("diagnosPath"); // relative to the course after prepareDiagnosPath()
        QTest::addColumn<QStringList>("messages"); // "<K>" and "<F>" stand for the two directories

        QTest::newRow("writable") << QStringLiteral("ELEVER") << QString() << true << QStringLiteral("ELEVER")
                                  << QStringList();
        QTest::newRow("default directory is created") << QStringLiteral("RESULTAT") << QStringLiteral("no RESULTAT")
                                                      << true << QStringLiteral("RESULTAT") << QStringList();
        QTest::newRow("missing directory falls back")
            << QStringLiteral("SAKNAS") << QString() << false << QStringLiteral("RESULTAT")
            << QStringList{QStringLiteral("Diagnosen kan inte sparas i katalogen <K>. Den kommer nu att sparas i katalogen <F>")};
        QTest::newRow("fallback created when missing")
            << QStringLiteral("SAKNAS") << QStringLiteral("no RESULTAT") << false << QStringLiteral("RESULTAT")
            << QStringList{QStringLiteral("Diagnosen kan inte sparas i katalogen <K>. Den kommer nu att sparas i katalogen <F>")};
        QTest::newRow("fallback cannot be created")
            << QStringLiteral("SAKNAS") << QStringLiteral("RESULTAT is a file") << false << QStringLiteral("RESULTAT")
            << QStringList{QStringLiteral("Diagnosen kan inte sparas i katalogen <K>, och katalogen <F> kan inte skapas. Inga diagnoser kan sparas.")};
        QTest::newRow("another account's marker is no obstacle")
            << QStringLiteral("ELEVER") << QStringLiteral("ELEVER/temp.dtt is a directory") << true
            << QStringLiteral("ELEVER") << QStringList();
        QTest::newRow("fallback cannot be written")
            << QStringLiteral("SAKNAS") << QStringLiteral("RESULTAT takes no new file") << false << QStringLiteral("RESULTAT")
            << QStringList{QStringLiteral("Diagnosen kan inte sparas i katalogen <K> och inte heller i katalogen <F>. Inga diagnoser kan sparas.")};
        QTest::newRow("floppy") << QStringLiteral("A:") << QString() << false << QStringLiteral("RESULTAT")
                                << QStringList{QStringLiteral("Sätt in disketten med din diagnos i datorn.")};
    }
    void directoryWriteTest()
    {
        QFETCH(QString, katalog);
        QFETCH(QString, blocker);
        QFETCH(bool, result);
        QFETCH(QString, diagnosPath);
        QFETCH(QStringList, messages);

        m_course->mkdir(QStringLiteral("ELEVER"));
        if (blocker == QLatin1String("no RESULTAT")) {
            QDir(dir()).removeRecursively();
        } else if (blocker == QLatin1String("RESULTAT is a file")) {
            QDir(dir()).removeRecursively();
            m_course->writeBytes(QStringLiteral("RESULTAT"), "x");
        } else if (blocker == QLatin1String("ELEVER/temp.dtt is a directory")) {
            m_course->mkdir(blocker.section(QLatin1Char(' '), 0, 0)); // stands for a file no one else can write
        }
        std::optional<ClosedDirectory> closed;
        if (blocker == QLatin1String("RESULTAT takes no new file")) {
            closed.emplace(dir());
            if (!closed->isClosed())
                QSKIP("this file system cannot keep a directory from taking new files");
        }
        const QString k = katalog == QLatin1String("A:") ? katalog : m_course->root() + QStringLiteral("\\") + katalog;
        for (QString &text : messages) {
            text.replace(QStringLiteral("<K>"), m_course->root() + QStringLiteral("/") + katalog);
            text.replace(QStringLiteral("<F>"), dir());
        }

        MessageRecorder m;
        QCOMPARE(DiagnosFileWish(k), result);
        QCOMPARE(m.texts(), messages);
        if (result)
            QVERIFY(QFileInfo::exists(m_course->path(katalog + QStringLiteral("/temp.dtt"))));
        // A usable fallback has been tested; a usable directory leaves it alone.
        const bool fallbackUsable = blocker.isEmpty() || blocker == QLatin1String("no RESULTAT");
        QCOMPARE(QFileInfo(dir() + QStringLiteral("/temp.dtt")).isFile(),
                 fallbackUsable && katalog != QLatin1String("ELEVER"));

        // The register dialog's once-per-run check does the same and settles the path.
        m.clear();
        DiagnosPath = k;
        DiagnosPathKlar = 0;
        prepareDiagnosPath();
        QCOMPARE(ProgramPath::normalise(DiagnosPath), m_course->root() + QStringLiteral("/") + diagnosPath);
        QCOMPARE(DiagnosPathKlar, quint8(1));
        m.clear();
        prepareDiagnosPath();
        QCOMPARE(m.count(), 0);
    }
};

VARMIKO_TEST_MAIN(TestDiagnosisRegister)
#include "test_diagnosisregister.moc"
