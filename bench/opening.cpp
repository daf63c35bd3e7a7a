#include "bench.h"

#include "app/programentry.h"

#include <QApplication>

namespace bench {

// Every live exercise button, opened from its menu: the first pass opens each
// file for the first time in the run (the very first also pays for what a
// run does once), the later passes open them again. How many of the buttons
// opened their window is a figure of its own; one that did not is named.
int runOpening(QApplication &app, const QStringList &args)
{
    const int passes = intOption(args, QStringLiteral("--passes"), 4);
    if (!startProgram(app))
        return 1;
    const QList<LiveButton> knappar = liveButtons();
    if (knappar.isEmpty())
        fail(QStringLiteral("no menu button opens an exercise window"));
    sample(QStringLiteral("open.buttons"), double(knappar.size()));
    for (int pass = 0; pass < passes; ++pass) {
        int oppnade = 0;
        for (qsizetype i = 0; i < knappar.size(); ++i) {
            double meny = -1;
            const double ms = openFromMenu(knappar[i], &meny);
            if (ms < 0)
                continue;
            ++oppnade;
            if (pass > 0)
                sample(QStringLiteral("open.menu"), meny);
            if (pass > 0)
                sample(QStringLiteral("open.later"), ms);
            else
                sample(i == 0 ? QStringLiteral("open.firstofrun") : QStringLiteral("open.first"), ms);
        }
        if (pass == 0)
            sample(QStringLiteral("open.opened"), oppnade);
    }
    avslutaProgrammet();
    return exitCode();
}

} // namespace bench
