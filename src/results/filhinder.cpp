#include "results/filhinder.h"

#include "platform/ProgramPath.h"
#include "platform/SafeRewrite.h"

#include <QFileInfo>

QString replaceObstacleMessage(const QString &fileWord, const QString &path)
{
    if (path.isEmpty() || SafeRewrite::replaceObstacle(path) != SafeRewrite::Obstacle::StickyDirectory)
        return {};
    const QFileInfo info(path);
    QString agare = info.owner();
    if (agare.isEmpty())
        agare = QStringLiteral("med nummer %1").arg(info.ownerId());
    const QString katalog = ProgramPath::normalise(info.absolutePath());
    // The commands as typed in a shell.
    const QString k = katalog.contains(QLatin1Char(' ')) ? QLatin1Char('"') + katalog + QLatin1Char('"') : katalog;
    return fileWord + QLatin1Char(' ') + ProgramPath::normalise(path) + QStringLiteral(" tillhör användaren ") + agare
           + QStringLiteral(", och katalogen ") + katalog
           + QStringLiteral(" har sticky bit: där får bara en fils ägare byta ut den. Därför kan ingenting sparas i "
                            "den från det här kontot. Den som sköter datorn kan rätta det med en grupp för klassen, "
                            "en katalog med setgid men utan sticky bit och filer som gruppen får skriva i, till "
                            "exempel:\n")
           + QStringLiteral("chgrp -R klass ") + k + QLatin1Char('\n') + QStringLiteral("chmod 2770 ") + k
           + QLatin1Char('\n') + QStringLiteral("chmod g+rw ") + k + QStringLiteral("/*");
}
