// The floors of src/: no file includes a header of a floor above its own.
// The floors and what each may include are the table of src/README.md, so
// the rule is written down once.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Floor name -> the floors its files may include besides their own.
using FloorTable = QHash<QString, QSet<QString>>;

// The rows of the README's table: "| `floor` | what it holds | `a`, `b` |".
FloorTable readFloorTable(const QString &readme)
{
    FloorTable table;
    QFile f(readme);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return table;
    static const QRegularExpression name(QStringLiteral("`([^`]+)`"));
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QStringList cells = line.split(QLatin1Char('|'));
        // "", floor, holds, may include, ""
        if (cells.size() != 5 || !cells[1].trimmed().startsWith(QLatin1Char('`')))
            continue;
        const QString floor = name.match(cells[1]).captured(1);
        QSet<QString> allowed;
        for (auto it = name.globalMatch(cells[3]); it.hasNext();)
            allowed.insert(it.next().captured(1));
        table.insert(floor, allowed);
    }
    return table;
}

QString floorOf(const QString &relativePath)
{
    const qsizetype slash = relativePath.indexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : relativePath.left(slash);
}

// Every breach of the table in the sources under srcDir, one line each.
QStringList floorBreaches(const QString &srcDir)
{
    const QDir src(srcDir);
    const FloorTable table = readFloorTable(src.filePath(QStringLiteral("README.md")));
    QStringList breaches;
    if (table.isEmpty())
        return {QStringLiteral("README.md has no floor table")};
    for (auto it = table.cbegin(); it != table.cend(); ++it) {
        if (!src.exists(it.key()))
            breaches << QStringLiteral("the table names %1, which is no folder").arg(it.key());
        for (const QString &lower : it.value())
            if (!table.contains(lower))
                breaches << QStringLiteral("%1 may include %2, which is no floor").arg(it.key(), lower);
    }

    static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s*(["<])([^">]+)[">])"));
    QDirIterator files(srcDir, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString file = src.relativeFilePath(path);
        const QString floor = floorOf(file);
        if (!table.contains(floor)) {
            breaches << QStringLiteral("%1 lies in no floor of the table").arg(file);
            continue;
        }
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
            breaches << QStringLiteral("%1 cannot be read").arg(file);
            continue;
        }
        int lineNumber = 0;
        while (!f.atEnd()) {
            const QString line = QString::fromUtf8(f.readLine());
            ++lineNumber;
            const QRegularExpressionMatch m = include.match(line);
            if (!m.hasMatch())
                continue;
            const bool quoted = m.captured(1) == QLatin1String("\"");
            const QString header = m.captured(2);
            // A project header is named from src/, or from the including
            // file's folder; anything else in angle brackets is the system's.
            QString target;
            if (QFileInfo(src.filePath(header)).isFile())
                target = QDir::cleanPath(header);
            else if (QFileInfo(QFileInfo(path).dir().filePath(header)).isFile())
                target = src.relativeFilePath(QDir::cleanPath(QFileInfo(path).dir().filePath(header)));
            else if (quoted && !header.endsWith(QLatin1String(".moc")))
                breaches << QStringLiteral("%1:%2 includes %3, which is not under src/").arg(file).arg(lineNumber).arg(header);
            if (target.isEmpty())
                continue;
            const QString to = floorOf(target);
            if (to != floor && !table.value(floor).contains(to))
                breaches << QStringLiteral("%1:%2 includes %3: %4 is above %5")
                                .arg(file)
                                .arg(lineNumber)
                                .arg(target, to.isEmpty() ? QStringLiteral("src/") : to, floor);
        }
    }
    breaches.sort();
    return breaches;
}

void writeFile(const QString &path, const QByteArray &text)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

} // namespace

class TestFloors : public QObject
{
    Q_OBJECT
private slots:
    void theTableNamesEveryFloor()
    {
        const FloorTable table = readFloorTable(QStringLiteral(VARMIKO_SOURCE_DIR "/README.md"));
        const QSet<QString> floors{QStringLiteral("app"), QStringLiteral("drills"), QStringLiteral("results"),
                                   QStringLiteral("frame"), QStringLiteral("platform")};
        QCOMPARE(QSet<QString>(table.keyBegin(), table.keyEnd()), floors);
        QVERIFY(table.value(QStringLiteral("platform")).isEmpty());
        QCOMPARE(table.value(QStringLiteral("frame")), QSet<QString>{QStringLiteral("platform")});
        QVERIFY(!table.value(QStringLiteral("results")).contains(QStringLiteral("drills")));
    }

    void theSourcesKeepToTheirFloors()
    {
        const QStringList breaches = floorBreaches(QStringLiteral(VARMIKO_SOURCE_DIR));
        QVERIFY2(breaches.isEmpty(), qPrintable(breaches.join(QLatin1Char('\n'))));
    }

    // The check itself, on a small tree with the real table: one file added
    // to a floor of a tree that keeps the rule.
    void aFileAgainstTheRuleIsFound_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("breach");
        QTest::newRow("frame includes drills") << "frame/b.cpp" << QByteArray("#include \"drills/d.h\"\n") << true;
        QTest::newRow("frame includes results") << "frame/b.cpp" << QByteArray("#include \"results/r.h\"\n") << true;
        QTest::newRow("frame includes app") << "frame/catalogue/b.cpp" << QByteArray("#include \"app/a.h\"\n") << true;
        QTest::newRow("platform includes frame") << "platform/b.h" << QByteArray("  #  include \"frame/f.h\"\n")
                                                 << true;
        QTest::newRow("results includes drills") << "results/b.cpp" << QByteArray("#include <drills/d.h>\n") << true;
        QTest::newRow("climbing up from the including folder")
            << "frame/b.cpp" << QByteArray("#include \"../drills/d.h\"\n") << true;
        QTest::newRow("a header that is not there") << "frame/b.cpp" << QByteArray("#include \"frame/x.h\"\n")
                                                    << true;
        QTest::newRow("a folder outside the table") << "tools/b.cpp" << QByteArray() << true;
        QTest::newRow("a source beside the floors") << "b.cpp" << QByteArray() << true;
        QTest::newRow("drills includes results") << "drills/b.cpp" << QByteArray("#include \"results/r.h\"\n")
                                                 << false;
        QTest::newRow("drills includes its own floor") << "drills/g/b.cpp" << QByteArray("#include \"drills/d.h\"\n")
                                                       << false;
        QTest::newRow("app includes every floor")
            << "app/b.cpp"
            << QByteArray("#include \"drills/d.h\"\n#include \"results/r.h\"\n#include \"frame/f.h\"\n"
                          "#include \"platform/p.h\"\n")
            << false;
        QTest::newRow("system headers") << "platform/b.cpp" << QByteArray("#include <QString>\n#include <vector>\n")
                                        << false;
    }
    void aFileAgainstTheRuleIsFound()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, text);
        QFETCH(bool, breach);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QFile::copy(QStringLiteral(VARMIKO_SOURCE_DIR "/README.md"), dir.filePath(QStringLiteral("README.md"))));
        writeFile(dir.filePath(QStringLiteral("app/a.h")), "#include \"drills/d.h\"\n");
        writeFile(dir.filePath(QStringLiteral("drills/d.h")), "#include \"results/r.h\"\n");
        writeFile(dir.filePath(QStringLiteral("results/r.h")), "#include \"frame/f.h\"\n");
        writeFile(dir.filePath(QStringLiteral("frame/f.h")), "#include \"platform/p.h\"\n");
        writeFile(dir.filePath(QStringLiteral("platform/p.h")), "#include <QtGlobal>\n");
        QVERIFY2(floorBreaches(dir.path()).isEmpty(), qPrintable(floorBreaches(dir.path()).join(QLatin1Char('\n'))));

        writeFile(dir.filePath(file), text);
        const QStringList breaches = floorBreaches(dir.path());
        QCOMPARE(breaches.size(), breach ? 1 : 0);
        if (breach)
            QVERIFY2(breaches[0].startsWith(file), qPrintable(breaches[0]));
    }
};

QTEST_GUILESS_MAIN(TestFloors)
#include "test_floors.moc"
