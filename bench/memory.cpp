#include "bench.h"

#include "app/programentry.h"

#include <QApplication>

namespace bench {

// Ten exercises opened one after the other from their menus, as a pupil goes
// through them; then the most the process has ever held.
int runMemory(QApplication &app, const QStringList &args)
{
    const int antal = intOption(args, QStringLiteral("--exercises"), 10);
    if (!startProgram(app))
        return 1;
    sample(QStringLiteral("memory.start"), peakMemoryMb());
    const QList<LiveButton> knappar = liveButtons();
    if (knappar.isEmpty()) {
        fail(QStringLiteral("no menu button opens an exercise window"));
        return exitCode();
    }
    for (int i = 0; i < antal; ++i)
        openFromMenu(knappar[i % knappar.size()]);
    sample(QStringLiteral("memory.peak"), peakMemoryMb());
    sample(QStringLiteral("memory.after"), residentMemoryMb());
    avslutaProgrammet();
    return exitCode();
}

} // namespace bench
