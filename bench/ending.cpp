#include "bench.h"

#include "app/programentry.h"
#include "frame/sound.h"
#include "frame/vrsku1.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace bench {

// The program run as it runs itself (varmikoMain, then avslutaProcessen),
// with a sound played once the main window is up, as an exercise plays it:
// the file of LJUD (or of the sound directory of --programtal) through the
// program's own sound service. "READY" on standard output --play
// milliseconds after the sound was started, so that exitwait can press Esc
// on the main window then and time the end.
int runSounded(QApplication &app, const QStringList &args)
{
    const QString file = option(args, QStringLiteral("--sound"), QStringLiteral("VRSKLAND.WAV"));
    const int playMs = intOption(args, QStringLiteral("--play"), 1000);
    const int programtal = intOption(args, QStringLiteral("--programtal"), 0);
    guardMessages();
    QTimer::singleShot(0, [=] {
        Programtal = quint16(programtal);
        GeLjudDirectory();
        SpelaUppWavLjud(file);
        QTimer::singleShot(playMs, [] {
            std::printf("READY\n");
            std::fflush(stdout);
        });
    });
    // The program's own end, as main() ends it.
    const int rc = varmikoMain(app);
    avslutaProcessen(rc != 0 ? rc : exitCode());
}

} // namespace bench
