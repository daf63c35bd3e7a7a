#include "platform/IniFile.h"

#include "platform/Cp1252.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>

bool IniFile::load(const QString &path)
{
    m_sections.clear();
    QFile f(path);
    if (path.isEmpty() || !f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return false;
    parse(decode(bytes));
    return true;
}

QString IniFile::decode(const QByteArray &bytes)
{
    // Editors on Linux save settings as UTF-8; a path with "Ü" must not
    // turn into "Ãœ". Plain ASCII and anything that is not valid UTF-8 is
    // Windows-1252, as the profile files of Windows are.
    static const QByteArray bom("\xEF\xBB\xBF");
    const bool ascii = std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x80; });
    if (!ascii) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8.decode(bytes.startsWith(bom) ? bytes.mid(bom.size()) : bytes);
        if (!utf8.hasError())
            return text;
    }
    return Cp1252::decode(bytes);
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
