#pragma once
// Program files are named as on a case-blind system: "\"-separated and in
// mixed case ("\BILD\Vrs", "DATA" and "data"). These functions find them on a
// case-sensitive file system.

#include <QString>

namespace ProgramPath {

// "\" and "/" both separate; doubled separators collapse.
QString normalise(const QString &path);

// The existing file or directory the path names, each part matched exactly
// first and then without regard to letter case; empty when there is none.
QString resolve(const QString &path);

// Whether root + relative stays under root: no part of relative is "..".
// (A relative part that begins with a separator is still under the root.)
bool staysUnder(const QString &relative);

// root + relative ("\DATA\VRS52100.DAT"), resolved. An empty root is no root:
// the result is then empty, never a path at the file system's root. A
// relative part that would leave the root (a name from a data list or a
// data line with "..") finds nothing.
QString resolve(const QString &root, const QString &relative);

bool exists(const QString &root, const QString &relative);

// A path for a file that may not exist yet: the existing directories on the
// way are matched as resolve() does, the rest is kept as written; a path
// with ".." is kept as written whole.
QString forWriting(const QString &path);

// True when the path names an existing directory (letter case ignored).
bool isDirectory(const QString &path);

} // namespace ProgramPath
