#pragma once
// A reader of Windows profile files ("Vrs2010.Ini", "VRSKA.INI"): section and
// key names ignore letter case, values are raw text (a backslash or ";" is a
// plain character), the file is Windows-1252, or UTF-8 when it is valid
// UTF-8 and not plain ASCII (a byte-order mark is skipped).

#include <QHash>
#include <QString>

class IniFile
{
public:
    // False when the file cannot be read; the reader is then empty.
    bool load(const QString &path);
    void parse(const QString &text);
    // The text of a settings file's bytes, by the rule above.
    static QString decode(const QByteArray &bytes);

    // The value of key in section, or fallback when either is missing.
    // Sections that differ only in letter case are one section; the first
    // value of a key wins.
    QString value(const QString &section, const QString &key, const QString &fallback = {}) const;
    bool contains(const QString &section, const QString &key) const;

private:
    static QString fold(const QString &name) { return name.trimmed().toCaseFolded(); }
    QHash<QString, QHash<QString, QString>> m_sections;
};
