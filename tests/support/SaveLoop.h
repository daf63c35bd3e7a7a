#pragma once
// What the save-loop helper (tests/helpers/saveloop.cpp) saves in its n-th
// save, so that a test can tell each whole state of a file from a broken one.
// The helper saves one kind of file in a loop, n = 1, 2, 3 …:
//
//     saveloop <kind> <directory> <count> <name>...
//
// kind is "register", "table", "level" or "password"; count 0 saves until
// the process is killed. Each save stores every name given (the register and
// the level file; the table and the password file take the first name).
// The helper writes "ready" when it starts saving and ends with 1 when any
// save failed.
//
// Three more kinds act as one program with a pupil's protocol open:
//
//     saveloop area <directory> 0 <name> <area>
//         opens the protocol of <name> (its claim, then the pupil is read)
//         and writes "ready", or "ready, open elsewhere" when another
//         program had it open. Each line "N" read from its input then
//         reports N more test results of <area> (1, 2, 3 … counted over
//         the run), each saved as the protocol saves, and writes
//         "saved <results so far>". It ends at the end of its input.
//     saveloop newpassword <directory> 0 <name>
//         reads the pupil and confirms new passwords pupilPassword(1), (2)
//         …, each saved as the protocol saves it, writing "confirmed <n>"
//         after each, until it is killed.
//     saveloop open <directory> 1 <name>
//         opens the register, the record table and the level file as the
//         windows do when they open, and ends.
//
// What the program would show goes to the standard error, one message a
// line; every question is answered no.

#include "frame/TDiagnosPost.h"
#include "results/TRekordRad.h"

#include <QString>
#include <QStringList>

namespace SaveLoop {

inline const QString LevelFile = QStringLiteral("VRXACT.STE");
inline const QString TableFile = QStringLiteral("LOOP.TNR");

// The helper program.
QString program();

// The pupil's record of save n: every result n, statuses from n.
TDiagnosPost pupilRecord(const QString &name, int n);
// The table entry of save n.
TRekordRad tableEntry(const QString &name, int n);
// The level of save n: 2..20, rising and starting again.
qint32 level(int n);
// The teacher password of save n.
QString password(int n);
// The pupil's n-th new password (at most 10 characters).
QString pupilPassword(int n);

// Save n of that kind into dir (DiagnosPath := dir), for each name; what
// went wrong is shown through MessageBox. True when every save succeeded.
bool save(const QString &kind, const QString &dir, const QStringList &names, int n);

} // namespace SaveLoop
