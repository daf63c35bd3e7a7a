#pragma once
// What every fuzz target shares: a course in a temporary directory that the
// program's roots point at, message boxes answered at once, and files written
// with a fresh time stamp each time, so that the readers' caches (by path,
// size and time) never hand back an earlier input.

#include "frame/randomorder.h"
#include "frame/vrsku1.h"
#include "platform/MessageBox.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

class FuzzCourse
{
public:
    FuzzCourse()
        : m_dir(memoryDirectory())
    {
        static int argc = 1;
        static char name[] = "varmiko_fuzz";
        static char *argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path()));
        MessageBox::setHandler([](const MessageBox::Request &) { return QMessageBox::Ok; });
        for (const char *d : {"DATA", "PROGRAM", "RESULTAT"})
            QDir(m_dir.path()).mkpath(QString::fromLatin1(d));
        PCPath = m_dir.path();
        CDPath.clear();
        DiagnosPath = path("RESULTAT");
        DiagnosPathKlar = 1;
        ScoreDirectory = path("RESULTAT") + QLatin1Char('/');
        ScoreDirectoryOk = 1;
        NollstallSlump(1, MaxSlumptal);
    }

    QString path(const char *relative) const { return m_dir.path() + QLatin1Char('/') + QLatin1String(relative); }

    // Writes the input as the file, with a time stamp no earlier write had.
    QString write(const char *relative, const QByteArray &bytes)
    {
        const QString p = path(relative);
        QFile f(p);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            f.write(bytes);
            f.setFileTime(QDateTime::fromMSecsSinceEpoch(++m_stamp * 1000), QFileDevice::FileModificationTime);
        }
        return p;
    }

    // Removes every file in a directory of the course (copies put aside,
    // temporary files) so that each input starts alike.
    void clear(const char *relative)
    {
        QDir d(path(relative));
        for (const QString &f : d.entryList(QDir::Files | QDir::Hidden))
            d.remove(f);
    }

    static QByteArray bytes(const uint8_t *data, size_t size)
    {
        return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
    }

private:
    // In memory where the system offers it: the readers' writes and syncs
    // then cost no disk time.
    static QString memoryDirectory()
    {
        const QString shm = QStringLiteral("/dev/shm");
        const QString base = QFileInfo(shm).isDir() && QFileInfo(shm).isWritable() ? shm : QDir::tempPath();
        return base + QStringLiteral("/varmiko-fuzz-XXXXXX");
    }

    QTemporaryDir m_dir;
    qint64 m_stamp = 1000000000;
};

// Stops the run at a broken invariant, as a crash would.
#define FUZZ_CHECK(condition)                                                                       \
    do {                                                                                            \
        if (!(condition)) {                                                                         \
            qFatal("fuzz check failed: %s (%s:%d)", #condition, __FILE__, __LINE__);               \
        }                                                                                           \
    } while (0)
