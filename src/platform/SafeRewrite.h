#pragma once
// Rewriting a file whole through a temporary file of its own name in the
// same directory: the old file stays untouched until the new one is complete
// on the disk, and then the temporary takes its place.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

class SafeRewrite
{
public:
    // target is the file replaced; the temporary is dir + "/" + tempName.
    SafeRewrite(const QString &dir, const QString &target, const QString &tempName);
    // A rewrite that failed or was never committed removes its temporary.
    ~SafeRewrite();
    SafeRewrite(const SafeRewrite &) = delete;
    SafeRewrite &operator=(const SafeRewrite &) = delete;

    // Creates (or empties) the temporary; false without a directory or when
    // it cannot be created.
    bool open();
    // Writes parts one after another, makes them durable, gives the
    // temporary the old file's access rights and renames it over the target.
    bool commit(const QList<QByteArray> &parts);

    // Flushes f and forces its data to the disk.
    static bool syncFile(QFile &f);
    // Makes a rename in dir survive a power cut.
    static void syncDirectory(const QString &dir);
    // Writes data to a new file at path that must not exist yet, durably; on
    // failure no file is left.
    static bool writeNew(const QString &path, const QByteArray &data);

private:
    QString m_dir;
    QString m_target;
    QFile m_temp;
    bool m_opened = false;
    bool m_committed = false;
};
