#include "platform/IniFile.h"

#include "platform/TextFile.h"

#include <QStringList>

bool IniFile::load(const QString &path)
{
    m_sections.clear();
    QStringList lines;
    if (!TextFile::readLines(path, lines))
        return false;
    parse(lines.join('\n'));
    return true;
}

void IniFile::parse(const QString &text)
{
    m_sections.clear();
    QString section;
    bool inSection = false;
    const QStringList lines = text.split('\n');
    for (QString line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QString t = line.trimmed();
        if (t.isEmpty() || t.startsWith(';'))
            continue;
        if (t.startsWith('[')) {
            const qsizetype close = t.indexOf(']');
            section = fold(close > 0 ? t.mid(1, close - 1) : t.mid(1));
            inSection = true;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype eq = line.indexOf('=');
        if (eq < 0)
            continue;
        const QString key = fold(line.left(eq));
        QString val = line.mid(eq + 1).trimmed();
        // The profile reader drops one pair of quotes around a value.
        if (val.size() >= 2 && ((val.startsWith('"') && val.endsWith('"'))
                                || (val.startsWith('\'') && val.endsWith('\''))))
            val = val.mid(1, val.size() - 2);
        auto &keys = m_sections[section];
        if (!keys.contains(key))
            keys.insert(key, val);
    }
}

QString IniFile::value(const QString &section, const QString &key, const QString &fallback) const
{
    const auto s = m_sections.constFind(fold(section));
    if (s == m_sections.cend())
        return fallback;
    const auto k = s->constFind(fold(key));
    return k == s->cend() ? fallback : *k;
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    const auto s = m_sections.constFind(fold(section));
    return s != m_sections.cend() && s->contains(fold(key));
}
