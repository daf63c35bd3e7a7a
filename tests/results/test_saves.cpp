// Every save of a shared file (the diagnosis register, record tables, level
// files, the teacher password file) leaves the old file or the new one,
// whole: saves killed at random moments, several programs saving into one
// register at once, directories that take no new file, and leftovers of
// earlier saves.

#include "ClosedDirectory.h"
#include "MessageRecorder.h"
#include "SaveLoop.h"
#include "TestMain.h"
#include "frame/vrsku1.h"
#include "platform/FileLock.h"
#include "platform/MessageBox.h"
#include "platform/SafeRewrite.h"
#include "results/diagnosregister.h"
#include "results/lararlosen.h"

#include <QStandardPaths>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

#include <optional>

#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

const QString kPupil = QStringLiteral("Kim");

QString targetName(const QString &kind)
{
    if (kind == QLatin1String("register"))
        return QStringLiteral("TDIAG.DIA");
    if (kind == QLatin1String("table"))
        return SaveLoop::TableFile;
    if (kind == QLatin1String("level"))
        return SaveLoop::LevelFile;
    return QStringLiteral("VRS45444.DOT");
}

// The file each kind of save starts from: other people's data around the
// pupil's own.
QByteArray baseFile(const QString &kind)
{
    if (kind == QLatin1String("register"))
        return SaveLoop::pupilRecord(QStringLiteral("Anna"), 7).toBytes() + SaveLoop::pupilRecord(kPupil, 0).toBytes()
               + SaveLoop::pupilRecord(QStringLiteral("Bo"), 9).toBytes();
    if (kind == QLatin1String("table")) {
        QByteArray b;
        for (const char *name : {"Anna", "Bo", "Cilla"}) {
            TRekordRad r = SaveLoop::tableEntry(QString::fromLatin1(name), 0);
            b += r.toBytes();
        }
        return b;
    }
    if (kind == QLatin1String("level")) {
        QByteArray b;
        for (const auto &[name, niva] : {std::pair{"Anna", 5}, std::pair{"Kim", 3}, std::pair{"Bo", 7}}) {
            QByteArray post(260, '\0');
            post.replace(0, int(qstrlen(name)), name);
            post[256] = char(niva);
            b += post;
        }
        return b;
    }
    return lararLosenPost(ForstaLararLosen);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// The next line the program writes, without its end; empty when none comes.
QByteArray nextLine(QProcess &p, int ms = 30000)
{
    QElapsedTimer waited;
    waited.start();
    while (!p.canReadLine()) {
        if (waited.elapsed() > ms || (!p.waitForReadyRead(100) && p.state() == QProcess::NotRunning && !p.canReadLine()))
            return {};
    }
    return p.readLine().trimmed();
}

// A program with the protocol of a pupil open, testing one area.
struct AreaProgram
{
    QProcess p;

    bool start(const QString &dir, const QString &pupil, int area, QByteArray *ready = nullptr)
    {
        p.start(SaveLoop::program(), {QStringLiteral("area"), dir, QStringLiteral("0"), pupil, QString::number(area)});
        if (!p.waitForStarted(5000))
            return false;
        const QByteArray line = nextLine(p);
        if (ready)
            *ready = line;
        return line.startsWith("ready");
    }
    void test(int more) { p.write(QByteArray::number(more) + '\n'); }
    bool saved(int total) { return nextLine(p, 100000) == "saved " + QByteArray::number(total); }
    // Ends at the end of its input; true when no save failed.
    bool end()
    {
        p.closeWriteChannel();
        return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }
};

void age(const QString &path, int seconds)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-seconds), QFileDevice::FileModificationTime));
}

} // namespace

class TestSaves : public QObject
{
    Q_OBJECT

    static void kinds()
    {
        QTest::addColumn<QString>("kind");
        for (const char *k : {"register", "table", "level", "password"})
            QTest::newRow(k) << QString::fromLatin1(k);
    }

private slots:
    void init()
    {
        DiagnosPathKlar = 1;
        ScoreDirectoryOk = 1;
    }

    // A helper program saves in a loop and is killed at a random moment, again
    // and again: afterwards the file is always one of the states that whole
    // saves give, and nothing but the file, its lock and the temporaries of
    // the killed saves is in the directory.
    void killedSavesLeaveTheOldOrTheNewFile_data() { kinds(); }
    void killedSavesLeaveTheOldOrTheNewFile()
    {
        QFETCH(QString, kind);
        constexpr int Kills = 200;
        constexpr int States = 300;
        const QString name = targetName(kind);

        // The states of the file after 0, 1, 2 … whole saves.
        QTemporaryDir scratch;
        writeAll(scratch.path() + QLatin1Char('/') + name, baseFile(kind));
        QHash<QByteArray, int> states;
        states.insert(baseFile(kind), 0);
        {
            MessageRecorder m;
            for (int n = 1; n <= States; ++n) {
                QVERIFY(SaveLoop::save(kind, scratch.path(), {kPupil}, n));
                states.insert(readAll(scratch.path() + QLatin1Char('/') + name), n);
            }
            QCOMPARE(m.count(), 0);
        }

        QTemporaryDir dir;
        const QString file = dir.path() + QLatin1Char('/') + name;
        const QStringList allowed{name, FileLock::lockFileName(name)};
        int oldFile = 0;
        int newFile = 0;
        int interrupted = 0;
        int furthest = 0;
        QElapsedTimer time;
        time.start();
        for (int kill = 0; kill < Kills; ++kill) {
            writeAll(file, baseFile(kind));
            QProcess p;
            p.start(SaveLoop::program(), {kind, dir.path(), QStringLiteral("0"), kPupil});
            QVERIFY2(p.waitForStarted(5000), qPrintable(p.errorString()));
            QVERIFY(p.waitForReadyRead(5000));
            QThread::usleep(QRandomGenerator::global()->bounded(8000));
            p.kill();
            QVERIFY(p.waitForFinished(5000));

            const QByteArray now = readAll(file);
            const auto state = states.constFind(now);
            QVERIFY2(state != states.constEnd(),
                     qPrintable(QStringLiteral("kill %1: %2 bytes that no whole save gives").arg(kill).arg(now.size())));
            if (state.value() == 0)
                ++oldFile;
            else
                ++newFile;
            furthest = qMax(furthest, state.value());
            QVERIFY2(furthest < States, "the helper got further than the states known");

            bool leftover = false;
            for (const QString &e : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) {
                if (SafeRewrite::isTemporaryOf(e, name)) {
                    leftover = true;
                    QFile::remove(dir.path() + QLatin1Char('/') + e);
                } else {
                    QVERIFY2(allowed.contains(e), qPrintable(e));
                }
            }
            interrupted += leftover ? 1 : 0;
        }
        qInfo("%s: %d kills in %lld ms: %d left the old file, %d a new one (up to save %d), "
              "%d killed between writing and renaming",
              qPrintable(kind), Kills, time.elapsed(), oldFile, newFile, furthest, interrupted);
        // Some kills must have struck in the middle of a save, or the test
        // shows nothing.
        QVERIFY(interrupted > 0);
    }

    // Four programs at once, each saving its own three pupils 100 times into
    // one register: every pupil's last result is there, once.
    void severalProgramsShareOneRegister()
    {
        constexpr int Programs = 4;
        constexpr int Saves = 100;
        QTemporaryDir dir;
        QList<QProcess *> programs;
        QStringList pupils;
        QElapsedTimer time;
        time.start();
        for (int i = 1; i <= Programs; ++i) {
            QStringList own;
            for (const char *suffix : {"a", "b", "c"})
                own << QStringLiteral("Elev %1%2").arg(i).arg(QLatin1String(suffix));
            pupils << own;
            auto *p = new QProcess(this);
            p->start(SaveLoop::program(), QStringList{QStringLiteral("register"), dir.path(), QString::number(Saves)} + own);
            programs << p;
        }
        for (QProcess *p : programs) {
            QVERIFY(p->waitForFinished(100000));
            QCOMPARE(p->exitStatus(), QProcess::NormalExit);
            QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
            delete p;
        }
        qInfo("%d programs saved %d pupils %d times each in %lld ms", Programs, int(pupils.size()), Saves,
              time.elapsed());

        const QByteArray reg = readAll(dir.path() + QStringLiteral("/TDIAG.DIA"));
        QCOMPARE(reg.size(), pupils.size() * DiagnosPostStorlek);
        QSet<QString> found;
        for (int at = 0; at < reg.size(); at += DiagnosPostStorlek) {
            const QByteArray rec = reg.mid(at, DiagnosPostStorlek);
            const QString namn = TDiagnosPost::fromBytes(rec).Namn;
            QVERIFY2(!found.contains(namn), qPrintable(namn));
            found.insert(namn);
            QCOMPARE(rec, SaveLoop::pupilRecord(namn, Saves).toBytes());
        }
        QCOMPARE(found, QSet<QString>(pupils.cbegin(), pupils.cend()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("TDIAG.DIA")}); // no temporary left
    }

    // The same pupil open in two programs, each testing its own area 100
    // times and saving each result as the protocol does: both areas hold
    // their last results, and the pupils around are as they were. The
    // second program is told that the protocol is open in the first.
    void onePupilInTwoProgramsKeepsBothAreas()
    {
        QTemporaryDir dir;
        const QString file = dir.path() + QStringLiteral("/TDIAG.DIA");
        writeAll(file, baseFile(QStringLiteral("register")));
        AreaProgram first;
        AreaProgram second;
        QByteArray ready;
        QVERIFY(first.start(dir.path(), kPupil, 15, &ready));
        QCOMPARE(ready, QByteArray("ready"));
        QVERIFY(second.start(dir.path(), kPupil, 16, &ready));
        QCOMPARE(ready, QByteArray("ready, open elsewhere"));
        first.test(100);
        second.test(100);
        QVERIFY(first.saved(100));
        QVERIFY(second.saved(100));
        QVERIFY2(first.end(), first.p.readAllStandardError().constData());
        QVERIFY2(second.end(), second.p.readAllStandardError().constData());

        const QByteArray reg = readAll(file);
        QCOMPARE(reg.size(), 3 * DiagnosPostStorlek);
        const QByteArray base = baseFile(QStringLiteral("register"));
        QCOMPARE(reg.left(DiagnosPostStorlek), base.left(DiagnosPostStorlek));
        QCOMPARE(reg.right(DiagnosPostStorlek), base.right(DiagnosPostStorlek));
        const TDiagnosPost kim = TDiagnosPost::fromBytes(reg.mid(DiagnosPostStorlek, DiagnosPostStorlek));
        const TDiagnosPost before = SaveLoop::pupilRecord(kPupil, 0);
        for (int k = 1; k <= DiagnosOmradesAntal; ++k) {
            if (k == 15 || k == 16) {
                QCOMPARE(kim.Resultat[k], 100);
                QCOMPARE(kim.Status[k], quint8(2));
                QVERIFY(kim.Ar[k] >= 2024);
            } else {
                QCOMPARE(kim.Resultat[k], before.Resultat[k]);
                QCOMPARE(kim.Status[k], before.Status[k]);
            }
        }
        QCOMPARE(kim.Losen, before.Losen);
    }

    // The teacher deletes a pupil while a program saves for that pupil: the
    // teacher is told that the protocol is open, the program asks at its
    // next save whether to keep the results as a new record, and without a
    // yes the pupil stays deleted. The claim ends with the program, even
    // when it is killed.
    void aDeletedPupilIsNotAddedBackByAnotherProgram()
    {
        QTemporaryDir dir;
        const QString file = dir.path() + QStringLiteral("/TDIAG.DIA");
        writeAll(file, baseFile(QStringLiteral("register")));
        DiagnosPath = dir.path();
        AreaProgram pupil;
        QVERIFY(pupil.start(dir.path(), kPupil, 3));
        pupil.test(20);
        QVERIFY(pupil.saved(20));
        QVERIFY(protocolIsOpen(kPupil));

        MessageRecorder m;
        m.answer(QMessageBox::Yes);
        pupil.test(100); // saving while the teacher deletes
        HaemtaDiagnos(kPupil);
        RaderaNamn = AktivDiagnos.Namn;
        RaderaLage = 1;
        QVERIFY(SparaRaderaProt());
        QVERIFY(m.texts().value(0).startsWith(QStringLiteral("Protokollet för \"Kim\" är öppet i ett annat program just nu.")));
        pupil.test(30); // and after it
        QVERIFY(pupil.saved(120));
        QVERIFY(pupil.saved(150));
        QVERIFY(pupil.end());
        const QByteArray told = pupil.p.readAllStandardError();
        QVERIFY2(told.contains("Diagnosen för \"Kim\" har tagits bort ur diagnosfilen"), told.constData());
        QVERIFY(told.contains("Vill du spara resultaten som en ny diagnos för \"Kim\"? Svarar du Nej sparas ingenting."));

        const QByteArray base = baseFile(QStringLiteral("register"));
        QCOMPARE(readAll(file), base.left(DiagnosPostStorlek) + base.right(DiagnosPostStorlek));
        QVERIFY(!protocolIsOpen(kPupil));

        AreaProgram killed;
        QVERIFY(killed.start(dir.path(), QStringLiteral("Anna"), 1));
        QVERIFY(protocolIsOpen(QStringLiteral("anna")));
        killed.p.kill();
        QVERIFY(killed.p.waitForFinished(5000));
        QVERIFY(!protocolIsOpen(QStringLiteral("Anna")));
    }

    // A new pupil password is in the register as soon as it is confirmed:
    // a program killed at any moment after a confirmation leaves that
    // password or a later one, and the register whole.
    void aNewPasswordSurvivesAKill()
    {
        constexpr int Kills = 30;
        QTemporaryDir dir;
        const QString file = dir.path() + QStringLiteral("/TDIAG.DIA");
        const QByteArray base = baseFile(QStringLiteral("register"));
        for (int kill = 0; kill < Kills; ++kill) {
            writeAll(file, base);
            QProcess p;
            p.start(SaveLoop::program(), {QStringLiteral("newpassword"), dir.path(), QStringLiteral("0"), kPupil});
            QVERIFY(p.waitForStarted(5000));
            QCOMPARE(nextLine(p), QByteArray("ready"));
            const int wait = 1 + QRandomGenerator::global()->bounded(5);
            int confirmed = 0;
            for (int i = 0; i < wait; ++i)
                confirmed = nextLine(p).mid(int(qstrlen("confirmed "))).toInt();
            QVERIFY(confirmed > 0);
            p.kill();
            QVERIFY(p.waitForFinished(5000));

            const QByteArray reg = readAll(file);
            QCOMPARE(reg.size(), base.size());
            QCOMPARE(reg.left(DiagnosPostStorlek), base.left(DiagnosPostStorlek));
            QCOMPARE(reg.right(DiagnosPostStorlek), base.right(DiagnosPostStorlek));
            const TDiagnosPost kim = TDiagnosPost::fromBytes(reg.mid(DiagnosPostStorlek, DiagnosPostStorlek));
            QVERIFY2(kim.Losen.startsWith(QStringLiteral("Neu")) && kim.Losen.mid(3).toInt() >= confirmed,
                     qPrintable(QStringLiteral("%1 after confirming %2").arg(kim.Losen).arg(confirmed)));
            TDiagnosPost same = kim;
            same.Losen = SaveLoop::pupilRecord(kPupil, 0).Losen;
            QCOMPARE(same.toBytes(), base.mid(DiagnosPostStorlek, DiagnosPostStorlek));
        }
    }

    // A shared directory with the sticky bit, in which another account made
    // the files: this account cannot replace them, and is told so with the
    // reason and the remedy when it opens them, before any work; its saves
    // say the same, and the files stay as they were.
    void aStickyDirectoryIsToldAtTheStart_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("word"); // how the messages name the file
        QTest::addColumn<QString>("saveStart");
        QTest::newRow("register") << "register" << "Diagnosfilen" << "Diagnosen kunde inte sparas i katalogen %1. ";
        QTest::newRow("table") << "table" << "Rekordtabellen" << "Rekordtabellen kunde inte sparas. ";
        QTest::newRow("level") << "level" << "Nivåfilen" << "Nivån kunde inte sparas. ";
    }
    void aStickyDirectoryIsToldAtTheStart()
    {
        QFETCH(QString, kind);
        QFETCH(QString, word);
        QFETCH(QString, saveStart);
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (::geteuid() != 0 || setpriv.isEmpty())
            QSKIP("a second account is needed: the test runs as root with setpriv to become 'nobody'");
        // The helper runs from a copy that every account may start: the
        // build may lie where only root can enter (a clone in /root).
        QTemporaryDir bin;
        const QString helper = bin.path() + QStringLiteral("/saveloop");
        QVERIFY(QFile::copy(SaveLoop::program(), helper));
        QVERIFY(::chmod(QFile::encodeName(bin.path()).constData(), 0755) == 0);
        QVERIFY(::chmod(QFile::encodeName(helper).constData(), 0755) == 0);
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                      | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                                      | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                                                      | QFileDevice::ReadOther | QFileDevice::WriteOther
                                                      | QFileDevice::ExeOther));
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 01777) == 0);
        const QString name = targetName(kind);
        const QString file = dir.path() + QLatin1Char('/') + name;
        writeAll(file, baseFile(kind));
        QVERIFY(::chmod(QFile::encodeName(file).constData(), 0666) == 0);

        auto asNobody = [&](const QString &what) {
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
            p.setProcessEnvironment(env);
            p.start(setpriv, {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                              QStringLiteral("--clear-groups"), helper, what, dir.path(),
                              QStringLiteral("1"), kPupil});
            p.waitForFinished(30000);
            return QString::fromLocal8Bit(p.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        };
        const QString why = word + QLatin1Char(' ') + file + QStringLiteral(" tillhör användaren root, och katalogen ")
                            + dir.path()
                            + QStringLiteral(" har sticky bit: där får bara en fils ägare byta ut den. Därför kan "
                                             "ingenting sparas i den från det här kontot. Den som sköter datorn kan "
                                             "rätta det med en grupp för klassen, en katalog med setgid men utan "
                                             "sticky bit och filer som gruppen får skriva i, till exempel: "
                                             "chgrp -R klass %1 chmod 2770 %1 chmod g+rw %1/*")
                                  .arg(dir.path()); // the helper writes each message on one line
        QCOMPARE(asNobody(QStringLiteral("open")), QStringList{why});
        const QStringList saved = asNobody(kind);
        const QString start = saveStart.contains(QStringLiteral("%1")) ? saveStart.arg(dir.path()) : saveStart;
        QCOMPARE(saved, QStringList{start + why});
        QCOMPARE(readAll(file), baseFile(kind));
    }

    // Temporaries that interrupted saves of the same file left more than a
    // minute ago are removed by the next save; younger ones (a save in
    // progress elsewhere) and other files stay.
    void oldLeftoversAreRemoved_data() { kinds(); }
    void oldLeftoversAreRemoved()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString name = targetName(kind);
        writeAll(dir.path() + QLatin1Char('/') + name, baseFile(kind));
        const QString old = name + QStringLiteral(".a1B2c3.tmp");
        const QString young = name + QStringLiteral(".x9Y8z7.tmp");
        const QString other = QStringLiteral("ANNAT.DAT.a1B2c3.tmp");
        for (const QString &f : {old, young, other})
            writeAll(dir.path() + QLatin1Char('/') + f, "half a save");
        age(dir.path() + QLatin1Char('/') + old, 120);
        age(dir.path() + QLatin1Char('/') + other, 120);

        MessageRecorder m;
        QVERIFY(SaveLoop::save(kind, dir.path(), {kPupil}, 1));
        QCOMPARE(m.count(), 0);
        QStringList left = QDir(dir.path()).entryList(QDir::Files);
        left.sort();
        QCOMPARE(left, QStringList({other, name, young}));
    }

    // A temporary of the old fixed name that another account left behind
    // (here a directory, which no save can replace) is no obstacle.
    void oldFixedTemporaryIsNoObstacle_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("fixed");
        QTest::newRow("register") << "register" << "Slask.DI2";
        QTest::newRow("level") << "level" << "SLASK.SLK";
    }
    void oldFixedTemporaryIsNoObstacle()
    {
        QFETCH(QString, kind);
        QFETCH(QString, fixed);
        QTemporaryDir dir;
        writeAll(dir.path() + QLatin1Char('/') + targetName(kind), baseFile(kind));
        QVERIFY(QDir(dir.path()).mkdir(fixed));
        MessageRecorder m;
        QVERIFY(SaveLoop::save(kind, dir.path(), {kPupil}, 1));
        QCOMPARE(m.count(), 0);
        QVERIFY(readAll(dir.path() + QLatin1Char('/') + targetName(kind)) != baseFile(kind));
    }

    // A save that cannot be made is refused, the old file stays as it was
    // and the user is told: while another program saves the same file too
    // long, or in a directory that lets the file be changed but takes no new
    // file. Once the obstacle is gone the save goes through.
    void refusedSaveLeavesTheFileAsItWas_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("busy"); // else the directory takes no new file
        QTest::addColumn<QString>("message");
        const QString later = QStringLiteral(" sparas just nu av ett annat program. Försök igen om en stund.");
        QTest::newRow("register busy") << "register" << true
                                       << "Diagnosen kunde inte sparas i katalogen %1: diagnosfilen" + later;
        QTest::newRow("table busy") << "table" << true << "Rekordtabellen %1/LOOP.TNR" + later;
        QTest::newRow("level busy") << "level" << true << "Nivån kunde inte sparas: nivåfilen %1/VRXACT.STE" + later;
        QTest::newRow("register, no new file")
            << "register" << false
            << "Diagnosen kunde inte sparas i katalogen %1. Kontrollera att katalogen finns och att det går att "
               "skriva i den.";
        QTest::newRow("table, no new file")
            << "table" << false
            << "Rekordtabellen %1/LOOP.TNR kunde inte sparas: ingen ny fil kan skapas i katalogen %1. Tabellen är "
               "oförändrad.";
        QTest::newRow("level, no new file")
            << "level" << false << "Nivån kunde inte sparas i filen %1/VRXACT.STE. Den gamla nivåfilen är oförändrad.";
        QTest::newRow("password, no new file")
            << "password" << false << "Kunde inte skapa lärarlösenfilen. Lösenordet är inte ändrat.";
    }
    void refusedSaveLeavesTheFileAsItWas()
    {
        QFETCH(QString, kind);
        QFETCH(bool, busy);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString file = dir.path() + QLatin1Char('/') + targetName(kind);
        writeAll(file, baseFile(kind));
        MessageRecorder m;
        {
            FileLock other(file);
            std::optional<ClosedDirectory> closed;
            if (busy) {
                QVERIFY(other.lock());
            } else {
                closed.emplace(dir.path());
                if (!closed->isClosed())
                    QSKIP("this file system cannot keep a directory from taking new files");
            }
            const int wait = std::exchange(FileLock::defaultWaitMs(), 50);
            const bool saved = SaveLoop::save(kind, dir.path(), {kPupil}, 1);
            FileLock::defaultWaitMs() = wait;
            QVERIFY(!saved);
        }
        QCOMPARE(m.texts(), QStringList{message.contains(QLatin1String("%1")) ? message.arg(dir.path()) : message});
        QCOMPARE(readAll(file), baseFile(kind));
        QVERIFY(SaveLoop::save(kind, dir.path(), {kPupil}, 1));
        QVERIFY(readAll(file) != baseFile(kind));
    }
};

VARMIKO_TEST_MAIN(TestSaves)
#include "test_saves.moc"
