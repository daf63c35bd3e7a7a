#include "ScreenSize.h"

#include <QByteArray>
#include <QFile>
#include <QString>

bool offscreenScreenFromArguments(int argc, char **argv, QSize &screen, QTemporaryDir &dir, QList<char *> &rest)
{
    screen = QSize(1024, 768);
    rest.clear();
    for (int i = 0; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "--screen" && i + 1 < argc) {
            const QList<QByteArray> wh = QByteArray(argv[++i]).split('x');
            if (wh.size() == 2)
                screen = QSize(wh[0].toInt(), wh[1].toInt());
            continue;
        }
        rest.append(argv[i]);
    }
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile f(config);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(QStringLiteral(R"({"windowFrameMargins": false, "screens": [{"name": "fit", "x": 0, "y": 0,
                              "width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                .arg(screen.width())
                .arg(screen.height())
                .toUtf8());
    f.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    return true;
}
