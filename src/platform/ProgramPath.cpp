#include "platform/ProgramPath.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

// The entry of dir named like part: the exact name, else the first one that
// matches when letter case is ignored.
QString matchEntry(const QString &dir, const QString &part)
{
    const QString exact = dir.endsWith('/') ? dir + part : dir + '/' + part;
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                    | QDir::NoDotAndDotDot);
    for (const QString &e : entries)
        if (e.compare(part, Qt::CaseInsensitive) == 0)
            return dir.endsWith('/') ? dir + e : dir + '/' + e;
    return {};
}

// Walks the parts of an absolute or relative path; stops at the first part
// that does not exist and returns how far it got.
QString walk(const QString &path, int &matched, QStringList &parts)
{
    const QString p = ProgramPath::normalise(path);
    QString current;
    if (p.startsWith('/'))
        current = QStringLiteral("/");
    else
        current = QDir::currentPath();
    parts = p.split('/', Qt::SkipEmptyParts);
    matched = 0;
    for (const QString &part : parts) {
        if (part == QLatin1String(".")) {
            ++matched;
            continue;
        }
        if (part == QLatin1String("..")) {
            current = QFileInfo(current).absolutePath();
            ++matched;
            continue;
        }
        const QString next = matchEntry(current, part);
        if (next.isEmpty())
            break;
        current = next;
        ++matched;
    }
    return current;
}

} // namespace

namespace ProgramPath {

QString normalise(const QString &path)
{
    QString p = path;
    p.replace('\\', '/');
    while (p.contains(QLatin1String("//")))
        p.replace(QLatin1String("//"), QLatin1String("/"));
    return p;
}

QString resolve(const QString &path)
{
    if (path.trimmed().isEmpty())
        return {};
    int matched = 0;
    QStringList parts;
    const QString found = walk(path, matched, parts);
    if (matched != parts.size())
        return {};
    return found;
}

bool staysUnder(const QString &relative)
{
    const QStringList parts = normalise(relative).split('/', Qt::SkipEmptyParts);
    return !parts.contains(QStringLiteral(".."));
}

QString resolve(const QString &root, const QString &relative)
{
    if (root.trimmed().isEmpty() || !staysUnder(relative))
        return {};
    return resolve(root + '/' + relative);
}

bool exists(const QString &root, const QString &relative)
{
    return !resolve(root, relative).isEmpty();
}

QString forWriting(const QString &path)
{
    if (path.trimmed().isEmpty())
        return {};
    // A path that climbs with ".." is shown as it was asked for: walked, it
    // would name another file than the one refused.
    if (!staysUnder(path))
        return normalise(path);
    int matched = 0;
    QStringList parts;
    QString current = walk(path, matched, parts);
    for (int i = matched; i < parts.size(); ++i)
        current += (current.endsWith('/') ? QString() : QStringLiteral("/")) + parts[i];
    return current;
}

bool isDirectory(const QString &path)
{
    const QString p = resolve(path);
    return !p.isEmpty() && QFileInfo(p).isDir();
}

} // namespace ProgramPath
