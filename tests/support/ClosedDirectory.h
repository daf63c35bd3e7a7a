#pragma once
// A directory in which the files already there can be changed but no file
// can be created or removed, as a shared directory that lets pupils change
// files but not create them: read-only for an ordinary user, immutable for
// the super-user (who may write into a read-only directory). The directory
// is opened again when the object dies.

#include <QString>

class ClosedDirectory
{
public:
    explicit ClosedDirectory(const QString &path);
    ~ClosedDirectory();
    ClosedDirectory(const ClosedDirectory &) = delete;
    ClosedDirectory &operator=(const ClosedDirectory &) = delete;

    // False when this file system lets neither close the directory; the
    // test then has nothing to check.
    bool isClosed() const { return m_closed; }

private:
    bool tryCreate() const;

    QString m_path;
    bool m_closed = false;
    bool m_immutable = false;
};
