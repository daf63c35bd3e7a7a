#pragma once
// Rewriting a file whole through a temporary file in the same directory: the
// old file stays untouched until the new one is complete on the disk, and
// then the temporary takes its place. A save that is interrupted at any
// moment leaves the old file or the new one, whole; never an in-place
// rewrite.
//
// Each save writes its own temporary "<name>.XXXXXX.tmp" (XXXXXX random), so
// that two programs saving at once, or a leftover of another account, never
// stand in each other's way. Leftovers of interrupted saves of the same file
// that are older than a minute are removed by the next save.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

class SafeRewrite
{
public:
    // target is the file replaced; its directory must exist.
    explicit SafeRewrite(const QString &target);
    // A rewrite that failed or was never committed removes its temporary.
    ~SafeRewrite();
    SafeRewrite(const SafeRewrite &) = delete;
    SafeRewrite &operator=(const SafeRewrite &) = delete;

    enum class Failure {
        None,
        NoTemporary, // no new file can be made in the directory
        Write,       // the new file could not be written whole (a full disk)
        Rename,      // it could not take the old file's place
    };

    // Removes old leftovers and creates the temporary; false when no new
    // file can be made in the directory.
    bool open();
    // Writes parts one after another, makes them durable, gives the
    // temporary the old file's access rights and renames it over the target.
    bool commit(const QList<QByteArray> &parts);
    Failure failure() const { return m_failure; }

    // open() and commit() in one.
    static Failure replace(const QString &target, const QByteArray &data);

    // Flushes f and forces its data to the disk.
    static bool syncFile(QFile &f);
    // Makes a rename in dir survive a power cut.
    static void syncDirectory(const QString &dir);
    // Writes data to a new file at path that must not exist yet, durably; on
    // failure no file is left.
    static bool writeNew(const QString &path, const QByteArray &data);
    // What keeps this account from putting a new file in target's place
    // although the directory takes new files: a directory with the sticky
    // bit lets only a file's owner (or the directory's) replace it, and
    // target is another account's. A missing target has no obstacle.
    enum class Obstacle { None, StickyDirectory };
    static Obstacle replaceObstacle(const QString &target);

    // Whether name is one of the temporaries of a file named targetName.
    static bool isTemporaryOf(const QString &name, const QString &targetName);

private:
    void removeLeftovers() const;

    QString m_dir;
    QString m_target;
    QFile m_temp;
    bool m_opened = false;
    bool m_committed = false;
    Failure m_failure = Failure::None;
};
