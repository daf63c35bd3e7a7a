#pragma once
// A claim that other copies of the program can see, on this computer or on
// others that share the directory: while a program has something open (a
// pupil's protocol) it holds a shared lock on a hidden marker file, and a
// program that tries to lock the marker alone learns that it is in use. The
// claim ends when the object dies or the process ends, however it ends. The
// marker file stays in the directory.
//
// On a file system without locks nothing is ever claimed.

#include <QString>

class OpenClaim
{
public:
    explicit OpenClaim(const QString &marker);
    ~OpenClaim();
    OpenClaim(const OpenClaim &) = delete;
    OpenClaim &operator=(const OpenClaim &) = delete;

    // Takes the claim. True when another holder had it already (it is then
    // shared with them).
    bool take();
    void release();
    bool held() const { return m_fd >= 0; }

    // Whether any holder, in this program or another, has a claim on the
    // marker.
    static bool isClaimed(const QString &marker);

private:
    QString m_marker;
    int m_fd = -1;
};
