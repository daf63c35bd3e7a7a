#pragma once
// A small course in a temporary directory: the program's roots point at it,
// and its files are written as the program reads them (Windows-1252, CRLF).

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class TestCourse
{
public:
    TestCourse();

    QString root() const { return m_dir.path(); }
    QString path(const QString &relative) const;

    // Writes lines (given as Unicode text) in Windows-1252 with CRLF ends.
    void write(const QString &relative, const QStringList &lines);
    void writeBytes(const QString &relative, const QByteArray &bytes);
    void mkdir(const QString &relative);

    // Writes "Vrs2010.Ini" into a private settings directory that
    // XDG_CONFIG_HOME then names; returns its path.
    QString writePathSettings(const QStringList &lines);

    // Sets PCPath (and CDPath) to this course and builds the file lists as the
    // start routine does, with a fresh random order (seeded from VARMIKO_SEED
    // when a test sets it).
    void activate(const QString &cdRoot = QString());

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_config;
};

// Points PCPath at the course placed beside the built program (no CD) and
// builds its file list with a fresh random order.
void activateBundledCourse();
