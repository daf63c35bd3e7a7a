#include "platform/TextFile.h"

#include "platform/Cp1252.h"

#include <QFile>
#include <QSaveFile>

namespace TextFile {

bool readRawLines(const QString &path, QList<QByteArray> &lines)
{
    lines.clear();
    if (path.isEmpty())
        return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray all = f.readAll();
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = all.indexOf('\n', start);
        if (end < 0)
            end = all.size();
        QByteArray line = all.mid(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(line);
        start = end + 1;
    }
    return true;
}

bool readLines(const QString &path, QStringList &lines)
{
    lines.clear();
    QList<QByteArray> raw;
    if (!readRawLines(path, raw))
        return false;
    lines.reserve(raw.size());
    for (const QByteArray &b : raw)
        lines.append(Cp1252::decode(b));
    return true;
}

bool writeLines(const QString &path, const QStringList &lines)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    for (const QString &l : lines) {
        f.write(Cp1252::encode(l));
        f.write("\r\n");
    }
    return f.commit();
}

} // namespace TextFile
