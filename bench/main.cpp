// varmiko_bench MODE [options]; bench/run.sh runs the whole set.
//   report  --program P --mapwait M [--bare B] --course label=dir …  the table
//   course  --from DATA --data DIR [--files 145] [--items 1900] [--no-list]  a large course
//   opening | feedback | files | memory                              one measurement
//   sounded [--sound FILE] [--programtal N] [--play MS]          the program, a sound played (exitwait)

#include "bench.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    QStringList args;
    for (int i = 2; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));

    if (mode == QLatin1String("report") || mode == QLatin1String("course") || mode == QLatin1String("files")) {
        QCoreApplication app(argc, argv);
        if (mode == QLatin1String("report"))
            return bench::runReport(args);
        if (mode == QLatin1String("course"))
            return bench::runLargeCourse(args);
        return bench::runDataFiles(args);
    }
    if (mode == QLatin1String("opening") || mode == QLatin1String("feedback") || mode == QLatin1String("memory")
        || mode == QLatin1String("sounded")) {
        QApplication app(argc, argv);
        if (mode == QLatin1String("opening"))
            return bench::runOpening(app, args);
        if (mode == QLatin1String("feedback"))
            return bench::runFeedback(app, args);
        if (mode == QLatin1String("sounded"))
            return bench::runSounded(app, args);
        return bench::runMemory(app, args);
    }
    std::fprintf(stderr, "usage: varmiko_bench report|course|opening|feedback|files|memory|sounded [options]\n"
                         "       (bench/run.sh runs the whole set)\n");
    return 2;
}
