// The register file "TDIAG.DIA": its bytes, saving, looking up, deleting,
// archiving, damaged files and the write test of the diagnosis directory.

#include "ClosedDirectory.h"
#include "MessageRecorder.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "frame/vrsku1.h"
#include "platform/Clock.h"
#include "platform/OpenClaim.h"
#include "platform/ProgramPath.h"
#include "results/diagnosregister.h"
#include "results/diagnosstatus.h"
#include "results/protokolltabell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QtEndian>

#include <memory>
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

// What another program saved for the pupil: a test of area k with r right.
void testedElsewhere(TDiagnosPost &p, int k, int r)
{
    p.Resultat[k] = r;
    p.Status[k] = r >= DiagGrans ? StatusTesta : StatusOva;
    if (arForegangare(k))
        p.Status[k + 1] = r >= DiagGrans ? StatusTesta : StatusVanta;
    p.Ar[k] = 2001;
    p.Minut[k] = 1;
}

// "R3=16 S4=1 L=neu": results, statuses and the password that p must hold.
void checkFields(const TDiagnosPost &p, const QString &expected)
{
    for (const QString &f : expected.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString what = f.section(QLatin1Char('='), 0, 0);
        const QString value = f.section(QLatin1Char('='), 1);
        if (what == QLatin1String("L")) {
            QCOMPARE(p.Losen, value);
        } else {
            const int k = what.mid(1).toInt();
            const int actual = what.startsWith(QLatin1Char('R')) ? p.Resultat[k] : int(p.Status[k]);
            QVERIFY2(actual == value.toInt(), qPrintable(f + QStringLiteral(", but %1").arg(actual)));
        }
    }
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
    QString registerMissingText() const
    {
        return QStringLiteral("Diagnosfilen ") + registerPath() + QStringLiteral(" saknas eller är felaktig");
    }
    QStringList filesInDir() const { return QDir(dir()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot); }

    // The pupil chosen for deleting, as the register dialog chooses it.
    static void chooseForDelete(const QString &name)
    {
        HaemtaDiagnos(name);
        RaderaNamn = AktivDiagnos.Namn;
        RaderaLage = 1;
    }

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
        QCOMPARE(p.Namn, stored); // the name as the register holds it
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
        chooseForDelete(QStringLiteral("Anna"));

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
        chooseForDelete(QStringLiteral("Anna"));

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
        chooseForDelete(QStringLiteral("Anna"));

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

    // A protocol closed without a new result leaves the register as it is:
    // even a directory that takes no new file is no failure then.
    void anUnchangedRecordIsNotRewritten()
    {
        const QByteArray before = rawRecord("Anna", "", 4) + rawRecord("Bo");
        writeRegister(before);
        HaemtaDiagnos(QStringLiteral("Anna"));
        ClosedDirectory closed(dir());
        if (!closed.isClosed())
            QSKIP("this file system cannot keep a directory from taking new files");
        MessageRecorder m;
        QVERIFY(SparaProtokoll());
        QCOMPARE(m.count(), 0);
        AktivDiagnos.Resultat[2] = 9;
        QString fel;
        QVERIFY(!SparaProtokoll(&fel));
        QCOMPARE(readAll(registerPath()), before);
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
        QTest::addColumn<bool>("aRegister"); // else no register holds such a record
        QTest::newRow("name length 200") << 0 << 200 << QStringLiteral("ABCDEFGHIJKLMNOPQRSTU") << QStringLiteral("pass") << 0 << false;
        QTest::newRow("password length 200") << 22 << 200 << QStringLiteral("ABCD") << QStringLiteral("pass456789") << 0 << false;
        QTest::newRow("status 7") << 116 << 7 << QStringLiteral("ABCD") << QStringLiteral("pass") << 0 << false;
        QTest::newRow("status 3 is kept") << 116 << 3 << QStringLiteral("ABCD") << QStringLiteral("pass") << 3 << true;
    }
    void damagedFieldsAreReadSafely()
    {
        QFETCH(int, offset);
        QFETCH(int, value);
        QFETCH(QString, namn);
        QFETCH(QString, losen);
        QFETCH(int, status1);
        QFETCH(bool, aRegister);
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

        // Saving someone else copies a record of a register through
        // unchanged, and is refused over a file of such records.
        writeRegister(r);
        choosePupil(QStringLiteral("Bo"));
        MessageRecorder m;
        QCOMPARE(SparaProtokoll(), aRegister);
        const QByteArray after = readAll(registerPath());
        QCOMPARE(after.size(), (aRegister ? 2 : 1) * 348);
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

    // The register holds what another program saved for the same pupil
    // since this one read it; this program's save adds only what it did.
    void saveWritesOnlyWhatThisProgramChanged_data()
    {
        QTest::addColumn<QString>("elsewhere"); // "test k r": what the other program saved
        QTest::addColumn<QString>("here");      // "test k r", "practice k", "password p"
        QTest::addColumn<QString>("expected");
        QTest::newRow("other areas") << "test 5 18" << "test 15 16" << "R1=12 R5=18 S6=2 R15=16 S15=2 R7=3 S7=3 L=a";
        QTest::newRow("the same area: the later save") << "test 15 10" << "test 15 19" << "R15=19 S15=2";
        QTest::newRow("a passed practice: its statuses only")
            << "test 9 17" << "practice 7" << "R7=3 S7=2 R9=17 S9=2 S10=2";
        QTest::newRow("a new password") << "test 2 15" << "password neu" << "R2=15 S2=2 S3=2 L=neu";
        QTest::newRow("a failed test locks the next area")
            << "test 2 17" << "test 1 5" << "R1=5 S1=3 S2=1 R2=17 S3=2";
    }
    void saveWritesOnlyWhatThisProgramChanged()
    {
        QFETCH(QString, elsewhere);
        QFETCH(QString, here);
        QFETCH(QString, expected);
        QByteArray anna = rawRecord("Anna", "a", 12);
        anna[116] = char(StatusOva);
        qToLittleEndian<qint32>(3, anna.data() + 36 + 4 * 6);
        anna[116 + 6] = char(StatusOva);
        writeRegister(rawRecord("Bo") + anna);
        QCOMPARE(HaemtaDiagnos(QStringLiteral("Anna")), QStringLiteral("a"));

        TDiagnosPost other = TDiagnosPost::fromBytes(anna);
        const QStringList e = elsewhere.split(QLatin1Char(' '));
        testedElsewhere(other, e[1].toInt(), e[2].toInt());
        writeRegister(rawRecord("Bo") + other.toBytes());

        MessageRecorder m;
        const QStringList h = here.split(QLatin1Char(' '));
        if (h[0] == QLatin1String("test")) {
            DiagRad = h[1].toInt();
            diagnosback(h[2].toInt());
            QVERIFY(SparaProtokoll());
        } else if (h[0] == QLatin1String("practice")) {
            // What an exercise does at a passed practice round.
            AktivDiagnos.Status[h[1].toInt()] = StatusTesta;
            GeStatusTal(h[1].toInt());
            QVERIFY(SparaProtokoll());
        } else {
            AktivDiagnos.Losen = h[1];
            QVERIFY(SparaNyttLosen());
        }
        QCOMPARE(m.count(), 0);

        const QByteArray b = readAll(registerPath());
        QCOMPARE(b.size(), 2 * 348);
        QCOMPARE(b.left(348), rawRecord("Bo"));
        const TDiagnosPost saved = TDiagnosPost::fromBytes(b.mid(348));
        checkFields(saved, expected);
        // The protocol shows what the register holds now.
        QCOMPARE(AktivDiagnos.toBytes(), b.mid(348));
    }

    // A pupil deleted from the register while this program had the record
    // comes back only when the pupil says so.
    void aDeletedPupilComesBackOnlyOnYes_data()
    {
        QTest::addColumn<bool>("archived"); // "Ta bort alla diagnoser", else the pupil alone
        QTest::addColumn<bool>("yes");
        QTest::newRow("deleted, Ja") << false << true;
        QTest::newRow("deleted, Nej") << false << false;
        QTest::newRow("all deleted, Ja") << true << true;
        QTest::newRow("all deleted, Nej") << true << false;
    }
    void aDeletedPupilComesBackOnlyOnYes()
    {
        QFETCH(bool, archived);
        QFETCH(bool, yes);
        writeRegister(rawRecord("Anna", "", 12) + rawRecord("Bo"));
        HaemtaDiagnos(QStringLiteral("Anna"));
        MessageRecorder m;
        if (archived)
            QVERIFY(ArkiveraDiagnoser());
        else
            writeRegister(rawRecord("Bo"));
        const QByteArray before = readAll(registerPath());
        setProtocolRedraw([] {
            if (DiagSpara)
                SparaProtokoll();
        });

        m.answer(yes ? QMessageBox::Yes : QMessageBox::No);
        DiagRad = 3;
        diagnosback(16);
        const QString ask = QStringLiteral(" Vill du spara resultaten som en ny diagnos för \"Anna\"? Svarar du Nej "
                                           "sparas ingenting.");
        QCOMPARE(m.texts(), QStringList{archived ? QStringLiteral("Diagnosfilen ") + registerPath()
                                                       + QStringLiteral(" finns inte längre: alla diagnoser har tagits "
                                                                        "bort medan protokollet för \"Anna\" var öppet "
                                                                        "här.")
                                                       + ask
                                                 : QStringLiteral("Diagnosen för \"Anna\" har tagits bort ur "
                                                                  "diagnosfilen ")
                                                       + registerPath()
                                                       + QStringLiteral(" medan protokollet var öppet här.") + ask});
        QCOMPARE(m.requests().first().kind, MessageBox::Kind::Question);
        QCOMPARE(DiagSpara, quint8(0));
        if (yes) {
            const QByteArray b = readAll(registerPath());
            QCOMPARE(b.left(before.size()), before);
            QCOMPARE(b.size(), before.size() + 348);
            checkFields(TDiagnosPost::fromBytes(b.right(348)), QStringLiteral("R1=12 R3=16 S3=2"));
            return;
        }
        QCOMPARE(readAll(registerPath()), before);
        QCOMPARE(QFileInfo::exists(registerPath()), !archived);
        // Asked once for what the pupil has: the protocol's "Avbryta" adds
        // nothing and asks nothing more; a new result asks again.
        QCOMPARE(sparaAktivDiagnos(), Sparning::Avstod);
        QCOMPARE(m.count(), 1);
        diagnosback(17);
        QCOMPARE(m.count(), 2);
        QCOMPARE(readAll(registerPath()), before);
    }

    // While another program has a pupil's protocol open, the teacher's
    // delete says so, and so does "Ta bort alla diagnoser", which the
    // teacher may then leave undone; the claim ends with its holder.
    void anOpenProtocolIsToldToTheTeacher()
    {
        writeRegister(rawRecord("Anna") + rawRecord("Bo") + rawRecord("Cilla"));
        const QByteArray before = readAll(registerPath());
        QVERIFY(!protocolIsOpen(QStringLiteral("Anna")));
        auto other = std::make_unique<OpenClaim>(protocolMarker(QStringLiteral("anna")));
        QVERIFY(!other->take());
        QVERIFY(protocolIsOpen(QStringLiteral("ANNA")));
        QVERIFY(!protocolIsOpen(QStringLiteral("Bo")));
        OpenClaim cilla(protocolMarker(QStringLiteral("Cilla")));
        QVERIFY(!cilla.take());
        QCOMPARE(protocolsOpen(), (QStringList{QStringLiteral("Anna"), QStringLiteral("Cilla")}));
        // A second login of the same pupil learns it, and shares the claim.
        QVERIFY(claimProtocol(QStringLiteral("Anna")));
        releaseProtocol();
        QVERIFY(protocolIsOpen(QStringLiteral("Anna")));

        MessageRecorder m;
        m.answer(QMessageBox::No);
        chooseForDelete(QStringLiteral("Anna"));
        QVERIFY(!SparaRaderaProt());
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Protokollet för \"Anna\" är öppet i ett annat program just "
                                                       "nu. Tar du bort diagnosen får eleven där frågan om resultaten "
                                                       "ska sparas som en ny diagnos, nästa gång de sparas.\n\nVill du "
                                                       "verkligen ta bort diagnosen \"Anna\"?")});

        m.clear();
        m.answer(QMessageBox::No);
        bool avstod = false;
        QVERIFY(!ArkiveraDiagnoser(&avstod));
        QVERIFY(avstod);
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Protokollen för \"Anna\" och \"Cilla\" är öppna i ett annat "
                                                       "program just nu. Tar du bort alla diagnoser får eleverna där "
                                                       "frågan om resultaten ska sparas som nya diagnoser, nästa gång "
                                                       "de sparas.\n\nVill du ändå ta bort alla diagnoser?")});
        QCOMPARE(readAll(registerPath()), before);

        // Claims that have ended are not told.
        other.reset();
        cilla.release();
        QVERIFY(!protocolIsOpen(QStringLiteral("Anna")));
        m.clear();
        m.answer(QMessageBox::No);
        RaderaLage = 1;
        QVERIFY(!SparaRaderaProt());
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Vill du verkligen ta bort diagnosen \"Anna\"?")});
        m.clear();
        QVERIFY(ArkiveraDiagnoser(&avstod));
        QVERIFY(!avstod);
        QCOMPARE(m.count(), 0);
    }

    // A file that fails the plain checks of a register is no register: the
    // teacher is told once, naming it and its copy; no pupil is read from
    // it and nothing is saved over it, until "Ta bort alla diagnoser" puts
    // it aside and the next save starts a new register.
    void aFileThatIsNoRegisterIsRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason"); // empty: any
        QByteArray wider;
        for (const char *n : {"Anna", "Bo", "Cilla", "Dora"})
            wider += rawRecord(n, "x", 7) + QByteArray(2, '\0');
        QTest::newRow("350-byte records") << wider << "filen slutar med 8 byte som inte är början på en diagnos";
        QByteArray random(1000, '\0');
        QRandomGenerator g(36);
        for (char &c : random)
            c = char(g.bounded(256));
        QTest::newRow("1000 random bytes") << random << "";
        QByteArray longName = rawRecord("Bo");
        longName[0] = char(30);
        QTest::newRow("a name past its field") << rawRecord("Anna") + longName
                                               << "diagnos 2 har ett namn på 30 tecken, men ett namn har högst 21";
        QTest::newRow("a control character in a name")
            << rawRecord("An\x07na") << "diagnos 1 har styrtecken i namnet";
        QByteArray status = rawRecord("Anna");
        status[116 + 4] = char(9);
        QTest::newRow("a status out of range")
            << status << "diagnos 1 har status 9 i område 5, men det finns bara status 0 till 3";
        QTest::newRow("an end that starts no record")
            << rawRecord("Anna") + QByteArray(40, 'x') << "diagnos 2 har ett namn på 120 tecken, men ett namn har högst 21";
    }
    void aFileThatIsNoRegisterIsRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        writeRegister(bytes);
        MessageRecorder m;
        m.answer(QMessageBox::Yes);

        QStringList names{QStringLiteral("x")};
        QVERIFY(!readRegisterNames(names));
        QVERIFY(names.isEmpty());
        QCOMPARE(m.count(), 1);
        const QString told = m.last();
        const QString start = QStringLiteral("Filen ") + registerPath() + QStringLiteral(" är ingen diagnosfil: ");
        QVERIFY2(told.startsWith(start), qPrintable(told));
        if (!reason.isEmpty())
            QCOMPARE(told.mid(start.size()).section(QStringLiteral(". "), 0, 0), reason);
        QVERIFY(told.endsWith(QStringLiteral(". Hela filen har kopierats till ") + registerPath()
                              + QStringLiteral(".bad. Inga elever visas från den, och ingenting sparas i den förrän "
                                               "läraren väljer \"Ta bort alla diagnoser\": då läggs filen undan och "
                                               "en ny diagnosfil börjar.")));
        QCOMPARE(readAll(registerPath() + QStringLiteral(".bad")), bytes);

        // Nobody is found in it, deleted from it or saved into it.
        m.clear();
        QCOMPARE(HaemtaDiagnos(QStringLiteral("Anna")), QString());
        QCOMPARE(NamnFunnet, quint8(0));
        QVERIFY(!NamnFinns(QStringLiteral("Anna")));
        choosePupil(QStringLiteral("Kim"));
        DiagRad = 1;
        QString fel;
        QVERIFY(!SparaProtokoll(&fel));
        QCOMPARE(fel, QStringLiteral("Diagnosen kunde inte sparas i katalogen ") + dir() + QStringLiteral(": filen ")
                          + registerPath()
                          + QStringLiteral(" är ingen diagnosfil. Läraren kan börja en ny diagnosfil med \"Ta bort "
                                           "alla diagnoser\"."));
        QCOMPARE(DiagSpara, quint8(1));
        RaderaNamn = QStringLiteral("Anna");
        RaderaLage = 1;
        QVERIFY(!SparaRaderaProt());
        QCOMPARE(m.texts(), QStringList{registerMissingText()});
        QCOMPARE(readAll(registerPath()), bytes);
        QCOMPARE(filesInDir(), (QStringList{QStringLiteral("TDIAG.DIA"), QStringLiteral("TDIAG.DIA.bad")}));

        // The teacher starts a new register; the old file is kept whole.
        QVERIFY(ArkiveraDiagnoser());
        QCOMPARE(readAll(dir() + QStringLiteral("/VR0212010823.DIS")), bytes);
        QVERIFY(SparaProtokoll());
        QCOMPARE(readAll(registerPath()), AktivDiagnos.toBytes());
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
