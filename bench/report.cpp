#include "bench.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace bench {

namespace {

using Samples = QHash<QString, QList<double>>;

struct Figure
{
    const char *key;
    const char *label;
    const char *unit;
    double goal; // 0: none
};

const Figure Figures[] = {
    {"start.ratio", "Start-up to painted as a share of the one-button window's (median of the pairs started in turn)", "×", 1.3},
    {"start.paint", "Start-up: process start to the main window painted", "ms", 0},
    {"start.map", "Start-up: process start to the main window mapped", "ms", 0},
    {"start.pictures", "Start-up: the start pictures drawn after the main window (the top left one; 0: with it)", "ms", 0},
    {"start.hwm", "Resident memory of the program at start (peak)", "MB", 0},
    {"exit.fresh", "Esc on the main window to the process ended, fresh from the start", "ms", 100},
    {"exit.sound", "Esc on the main window to the process ended, after a sound has played", "ms", 100},
    {"open.opened", "Exercise buttons that opened their window (the fewest of any process)", "", 0},
    {"open.firstofrun", "Opening the first exercise of a run from its menu", "ms", 15},
    {"open.first", "Opening an exercise whose file is used for the first time", "ms", 15},
    {"open.later", "Opening an exercise again", "ms", 15},
    {"open.menu", "Opening a menu window", "ms", 0},
    {"feedback.right", "Enter to the feedback painted, right answer", "ms", 3},
    {"feedback.wrong", "Enter to the feedback painted, wrong answer", "ms", 3},
    {"feedback.roundend", "Enter on a round's last item to the end panel painted", "ms", 0},
    {"lamp", "One keystroke to the lamp recoloured", "ms", 1},
    {"files.items", "Items in the course's largest data file", "", 0},
    {"files.count", "Counting that file (read, decode, count)", "ms", 0},
    {"files.unscramble", "Unscrambling all its item lines", "ms", 0},
    {"files.split", "Splitting all its item lines into fields", "ms", 0},
    {"files.fetchlast", "Fetching and splitting its last item", "ms", 0},
    {"memory.peak", "Peak resident memory after opening ten exercises", "MB", 45},
};

QString number(double v)
{
    if (v >= 100)
        return QString::number(v, 'f', 0);
    if (v >= 10)
        return QString::number(v, 'f', 1);
    if (v >= 1)
        return QString::number(v, 'f', 2);
    return QString::number(v, 'f', 3);
}

QString cell(const QList<double> &values, double goal)
{
    if (values.isEmpty())
        return QStringLiteral("–");
    const Stats s = stats(values);
    QString c = number(s.median);
    if (s.n > 1)
        c += QStringLiteral(" (%1–%2)").arg(number(s.min), number(s.max));
    if (goal > 0 && s.median > goal)
        c += QStringLiteral(" ✗");
    return c;
}

// The samples of a child's output, and the buttons whose window did not open
// ("file (window)").
void parseSamples(const QByteArray &out, Samples &into, QStringList *notOpened = nullptr)
{
    for (const QByteArray &line : out.split('\n')) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() == 3 && parts[0] == "SAMPLE")
            into[QString::fromLatin1(parts[1])].append(parts[2].toDouble());
        if (parts.size() == 3 && parts[0] == "NOTOPENED" && notOpened) {
            const QString name = QStringLiteral("%1 (%2)").arg(QString::fromLatin1(parts[1]), QString::fromLatin1(parts[2]));
            if (!notOpened->contains(name))
                notOpened->append(name);
        }
    }
}

// Runs a child; its output is kept in out also when it fails, so that the
// figures it took are not lost.
bool run(const QString &program, const QStringList &args, const QProcessEnvironment &env, QByteArray &out,
         int timeoutMs = 600000)
{
    out.clear();
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(program, args);
    if (!p.waitForStarted()) {
        fail(QStringLiteral("cannot start %1").arg(program));
        return false;
    }
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        fail(QStringLiteral("%1 %2 did not finish").arg(program, args.join(' ')));
        return false;
    }
    out = p.readAllStandardOutput();
    const QByteArray err = p.readAllStandardError();
    for (const QByteArray &line : err.split('\n'))
        if (line.startsWith("varmiko_bench:"))
            std::fprintf(stderr, "%s\n", line.constData());
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        fail(QStringLiteral("%1 %2 ended with %3").arg(program, args.join(' ')).arg(p.exitCode()));
        return false;
    }
    return true;
}

// A program measured beside the one of this build (--other): its build
// directory holds the program and its benchmark.
struct Program
{
    QString label;
    QString program; // varmiko
    QString bench;   // varmiko_bench, for the sound before the end
};

// Process start to the first window mapped and painted, as the user sees it,
// and the memory a second later.
bool startup(const QString &mapwait, const QStringList &command, const QProcessEnvironment &env, Samples &into,
             const QString &prefix)
{
    static const QRegularExpression result(
        QStringLiteral("RESULT win_ms=([0-9.]+) paint_ms=([-0-9.]+) rss_kb=([0-9]+) hwm_kb=([0-9]+)"));
    QByteArray out;
    if (!run(mapwait, QStringList{QStringLiteral("1"), QStringLiteral("20"), QStringLiteral("-"), QStringLiteral("--")} + command,
             env, out, 60000))
        return false;
    const QRegularExpressionMatch m = result.match(QString::fromLatin1(out));
    if (!m.hasMatch() || m.captured(2).toDouble() < 0) {
        fail(QStringLiteral("%1 showed no painted window: %2").arg(command.join(' '), QString::fromLatin1(out).trimmed()));
        return false;
    }
    into[prefix + QStringLiteral(".map")].append(m.captured(1).toDouble());
    into[prefix + QStringLiteral(".paint")].append(m.captured(2).toDouble());
    into[prefix + QStringLiteral(".rss")].append(m.captured(3).toDouble() / 1024.0);
    into[prefix + QStringLiteral(".hwm")].append(m.captured(4).toDouble() / 1024.0);
    return true;
}

// The top left start picture at 1024×768: inside its slot, against the menu.
const QString PictureProbe = QStringLiteral("270,60");

// Esc on the first window of command to the process ended, as exitwait takes
// it (with ready: once the command has said READY); the times to the window
// painted and to the probe pixel drawn come along.
bool ending(const QString &exitwait, const QStringList &command, bool ready, const QProcessEnvironment &env,
            Samples &into, const QString &exitKey, const QString &probeKey = QString())
{
    static const QRegularExpression result(
        QStringLiteral("RESULT paint_ms=([0-9.]+) probe_ms=([-0-9.]+) exit_ms=([0-9.]+) status=([0-9]+)"));
    QStringList args;
    if (ready)
        args << QStringLiteral("--ready");
    if (!probeKey.isEmpty())
        args << QStringLiteral("--probe") << PictureProbe;
    args << QStringLiteral("30") << QStringLiteral("--") << command;
    QByteArray out;
    if (!run(exitwait, args, env, out, 90000))
        return false;
    const QRegularExpressionMatch m = result.match(QString::fromLatin1(out));
    if (!m.hasMatch()) {
        fail(QStringLiteral("%1 did not end on Esc: %2").arg(command.join(' '), QString::fromLatin1(out).trimmed()));
        return false;
    }
    if (m.captured(4) != QLatin1String("0"))
        fail(QStringLiteral("%1 ended with status %2").arg(command.join(' '), m.captured(4)));
    into[exitKey].append(m.captured(3).toDouble());
    // The pictures' time after the window's first drawing in the same run:
    // 0 when they were drawn with it.
    if (!probeKey.isEmpty() && m.captured(2).toDouble() >= 0)
        into[probeKey].append(std::max(0.0, m.captured(2).toDouble() - m.captured(1).toDouble()));
    return true;
}

// The sound before the end: the pronunciation duel's first word, played
// through the program's own sound service to its end.
QStringList soundedCommand(const Program &p)
{
    return {p.bench, QStringLiteral("sounded"), QStringLiteral("--programtal"), QStringLiteral("31100"),
            QStringLiteral("--sound"), QStringLiteral("T311001.WAV"), QStringLiteral("--play"), QStringLiteral("1500")};
}

} // namespace

// report --program build/varmiko --mapwait mapwait --bare barewindow
//        [--exitwait exitwait] [--other label=builddir …]
//        --course label=dir … [--starts 21] [--exits 11] [--processes 5]
//        [--passes 4] [--answers 60] [--only-start] [--out results.md]
int runReport(const QStringList &args)
{
    const QString program = option(args, QStringLiteral("--program"));
    const QString mapwait = option(args, QStringLiteral("--mapwait"));
    const QString bare = option(args, QStringLiteral("--bare"));
    const QString exitwait = option(args, QStringLiteral("--exitwait"));
    const int starts = intOption(args, QStringLiteral("--starts"), 21);
    const int exits = intOption(args, QStringLiteral("--exits"), 11);
    const bool onlyStart = args.contains(QStringLiteral("--only-start"));
    const int processes = intOption(args, QStringLiteral("--processes"), 5);
    const QString passes = option(args, QStringLiteral("--passes"), QStringLiteral("4"));
    const QString answers = option(args, QStringLiteral("--answers"), QStringLiteral("60"));
    const QString self = QCoreApplication::applicationFilePath();

    QList<QPair<QString, QString>> courses;
    for (qsizetype i = 0; i + 1 < args.size(); ++i)
        if (args[i] == QLatin1String("--course")) {
            const qsizetype eq = args[i + 1].indexOf('=');
            courses.append({args[i + 1].left(eq), QDir(args[i + 1].mid(eq + 1)).absolutePath()});
        }
    // This build's program first, then the others, in turn.
    QList<Program> programs{{QString(), program, self}};
    for (qsizetype i = 0; i + 1 < args.size(); ++i)
        if (args[i] == QLatin1String("--other")) {
            const qsizetype eq = args[i + 1].indexOf('=');
            const QDir build(args[i + 1].mid(eq + 1));
            programs.append({args[i + 1].left(eq), build.absoluteFilePath(QStringLiteral("varmiko")),
                             build.absoluteFilePath(QStringLiteral("bench/varmiko_bench"))});
        }
    if (program.isEmpty() || mapwait.isEmpty() || courses.isEmpty()) {
        fail(QStringLiteral("report needs --program, --mapwait and at least one --course label=dir"));
        return exitCode();
    }

    // The program finds a course through its path settings file.
    QList<QTemporaryDir *> configs;
    QList<QProcessEnvironment> envs;
    for (const auto &course : courses) {
        auto *config = new QTemporaryDir;
        configs.append(config);
        QFile ini(config->filePath(QStringLiteral("Vrs2010.Ini")));
        if (!ini.open(QIODevice::WriteOnly)) {
            fail(QStringLiteral("cannot write the path settings"));
            return exitCode();
        }
        ini.write("[PATH]\r\nVrsPCPath=" + course.second.toLocal8Bit() + "\r\nVrsCDPath=\r\n");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config->path());
        envs.append(env);
    }

    // Start-ups in turns, the bare window among them, so that a busy moment
    // of the machine falls on all of them alike; each start-up of a program
    // is also taken as a share of the bare window's start-up just before it.
    std::fprintf(stderr, "varmiko_bench: %d start-ups of each\n", starts);
    Samples bareSamples;
    // Per course, per program (this build's first).
    QList<QList<Samples>> measured(courses.size(), QList<Samples>(programs.size()));
    QList<QStringList> notOpened(courses.size());
    const QString barePaint = QStringLiteral("bare.paint");
    for (int i = 0; i < starts; ++i) {
        if (!bare.isEmpty() && !startup(mapwait, {bare}, QProcessEnvironment::systemEnvironment(), bareSamples,
                                        QStringLiteral("bare")))
            continue;
        const double floor = bareSamples.value(barePaint).value(bareSamples.value(barePaint).size() - 1);
        // The same window full screen: what a window that size costs.
        if (!bare.isEmpty() && startup(mapwait, {bare, QStringLiteral("--full-screen")},
                                       QProcessEnvironment::systemEnvironment(), bareSamples, QStringLiteral("full"))
            && floor > 0)
            bareSamples[QStringLiteral("full.ratio")].append(bareSamples.value(QStringLiteral("full.paint")).last() / floor);
        for (qsizetype c = 0; c < courses.size(); ++c)
            for (qsizetype p = 0; p < programs.size(); ++p) {
                Samples &s = measured[c][p];
                if (startup(mapwait, {programs[p].program}, envs[c], s, QStringLiteral("start")) && floor > 0)
                    s[QStringLiteral("start.ratio")].append(s.value(QStringLiteral("start.paint")).last() / floor);
            }
    }

    // Esc to the end, in turns likewise: the bare window, each program fresh
    // from its start (the start pictures' time comes along), and each after a
    // sound.
    if (!exitwait.isEmpty()) {
        std::fprintf(stderr, "varmiko_bench: %d ends of each\n", exits);
        for (int i = 0; i < exits; ++i) {
            if (!bare.isEmpty())
                ending(exitwait, {bare}, false, QProcessEnvironment::systemEnvironment(), bareSamples,
                       QStringLiteral("bare.exit"));
            for (qsizetype c = 0; c < courses.size(); ++c)
                for (qsizetype p = 0; p < programs.size(); ++p) {
                    Samples &s = measured[c][p];
                    ending(exitwait, {programs[p].program}, false, envs[c], s, QStringLiteral("exit.fresh"),
                           QStringLiteral("start.pictures"));
                    ending(exitwait, soundedCommand(programs[p]), true, envs[c], s, QStringLiteral("exit.sound"));
                }
        }
    }

    QList<Samples> results;
    for (const QList<Samples> &perProgram : measured)
        results.append(perProgram.first());
    for (qsizetype c = 0; c < courses.size() && !onlyStart; ++c) {
        std::fprintf(stderr, "varmiko_bench: measuring the %s\n", qPrintable(courses[c].first));
        const QProcessEnvironment &env = envs[c];
        Samples &s = results[c];
        QStringList &fel = notOpened[c];
        QByteArray out;
        for (int p = 0; p < processes; ++p) {
            run(self, {QStringLiteral("opening"), QStringLiteral("--passes"), passes}, env, out);
            parseSamples(out, s, &fel);
        }
        run(self, {QStringLiteral("feedback"), QStringLiteral("--answers"), answers}, env, out);
        parseSamples(out, s);
        run(self, {QStringLiteral("files")}, env, out);
        parseSamples(out, s);
        for (int p = 0; p < processes; ++p) {
            run(self, {QStringLiteral("memory")}, env, out);
            parseSamples(out, s, &fel);
        }
    }
    qDeleteAll(configs);

    QString table;
    if (!bareSamples.isEmpty()) {
        table += QStringLiteral("A one-button Qt window on this machine: %1 ms to painted, %2 MB resident (median of %3")
                     .arg(cell(bareSamples.value(barePaint), 0), cell(bareSamples.value(QStringLiteral("bare.hwm")), 0))
                     .arg(bareSamples.value(barePaint).size());
        if (bareSamples.contains(QStringLiteral("bare.exit")))
            table += QStringLiteral("); Esc to its end %1 ms (median of %2")
                         .arg(cell(bareSamples.value(QStringLiteral("bare.exit")), 0))
                         .arg(bareSamples.value(QStringLiteral("bare.exit")).size());
        table += QStringLiteral("; min–max in brackets).\n");
        if (bareSamples.contains(QStringLiteral("full.paint")))
            table += QStringLiteral("The same window shown full screen, as the main window is shown, started in the same turns: %1 ms to painted, %2 × the one-button window's start-up.\n")
                         .arg(cell(bareSamples.value(QStringLiteral("full.paint")), 0),
                              cell(bareSamples.value(QStringLiteral("full.ratio")), 0));
        table += QLatin1Char('\n');
    }
    table += QStringLiteral("| Figure | Goal |");
    QString line = QStringLiteral("|---|---|");
    for (const auto &course : courses) {
        table += QLatin1Char(' ') + course.first + QStringLiteral(" |");
        line += QStringLiteral("---|");
    }
    table += QLatin1Char('\n') + line + QLatin1Char('\n');
    for (const Figure &f : Figures) {
        const QString key = QString::fromLatin1(f.key);
        bool any = false;
        for (const Samples &s : results)
            any = any || s.contains(key);
        if (!any)
            continue;
        const QString unit = QString::fromUtf8(f.unit);
        table += QStringLiteral("| %1%2 | %3 |")
                     .arg(QString::fromUtf8(f.label), unit.isEmpty() ? QString() : QStringLiteral(", ") + unit,
                          f.goal > 0 ? QStringLiteral("≤ ") + number(f.goal) : QString());
        for (const Samples &s : results) {
            const QList<double> buttons = s.value(QStringLiteral("open.buttons"));
            if (key == QLatin1String("open.opened") && s.contains(key) && !buttons.isEmpty())
                table += QStringLiteral(" %1 of %2 |").arg(stats(s.value(key)).min).arg(stats(buttons).max);
            else
                table += QLatin1Char(' ') + cell(s.value(key), f.goal) + QStringLiteral(" |");
        }
        table += QLatin1Char('\n');
    }
    table += QStringLiteral("\nMedian (min–max). ✗: the median misses the goal.\n");

    // The other programs, started and ended in the same turns.
    if (programs.size() > 1) {
        static const char *const beside[] = {"start.ratio", "start.paint", "start.pictures", "start.hwm",
                                             "exit.fresh", "exit.sound"};
        for (qsizetype c = 0; c < courses.size(); ++c) {
            table += QStringLiteral("\nIn the same turns, %1:\n\n| Figure | Goal | this build |").arg(courses[c].first);
            QString rule = QStringLiteral("|---|---|---|");
            for (qsizetype p = 1; p < programs.size(); ++p) {
                table += QLatin1Char(' ') + programs[p].label + QStringLiteral(" |");
                rule += QStringLiteral("---|");
            }
            table += QLatin1Char('\n') + rule + QLatin1Char('\n');
            for (const Figure &f : Figures) {
                const QString key = QString::fromLatin1(f.key);
                if (std::find(std::begin(beside), std::end(beside), key) == std::end(beside))
                    continue;
                const QString unit = QString::fromUtf8(f.unit);
                table += QStringLiteral("| %1%2 | %3 |")
                             .arg(QString::fromUtf8(f.label), unit.isEmpty() ? QString() : QStringLiteral(", ") + unit,
                                  f.goal > 0 ? QStringLiteral("≤ ") + number(f.goal) : QString());
                for (const Samples &s : measured[c])
                    table += QLatin1Char(' ') + cell(s.value(key), f.goal) + QStringLiteral(" |");
                table += QLatin1Char('\n');
            }
        }
    }
    for (qsizetype c = 0; c < courses.size(); ++c)
        if (!notOpened[c].isEmpty())
            table += QStringLiteral("\nNot opened on the %1: %2.\n").arg(courses[c].first, notOpened[c].join(QStringLiteral(", ")));

    std::printf("%s", table.toUtf8().constData());
    const QString outFile = option(args, QStringLiteral("--out"));
    if (!outFile.isEmpty()) {
        QFile f(outFile);
        if (f.open(QIODevice::WriteOnly))
            f.write(table.toUtf8());
    }
    return exitCode();
}

} // namespace bench
