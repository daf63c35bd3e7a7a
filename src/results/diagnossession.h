#pragma once
// What this program has done to the record of the pupil in AktivDiagnos
// since it read it, so that a save changes only that. Another program may
// save the same pupil meanwhile (a second login, another computer): a save
// keeps what that one saved on every field this program did not change.

#include "frame/TDiagnosPost.h"

#include <QByteArray>
#include <QSet>
#include <QString>

struct DiagnosSession
{
    QString namn;            // the pupil read (letter case as read)
    bool iRegistret = false; // the register held the pupil when it was read
    TDiagnosPost bas;        // the record as read, or as the last save left it
    QSet<int> provade;       // areas whose test has reported a result since
    QByteArray avstod;       // the record when the pupil chose not to keep it as a new one
};

// A session for the record now in AktivDiagnos, just read from the register
// (inRegister) or made fresh for a pupil the register does not hold.
void startDiagnosSession(bool inRegister);
// No pupil is read: the next save starts from a fresh record.
void endDiagnosSession();
// A test of area k has reported its result into AktivDiagnos.
void noteTestedArea(int k);
// The session of the record in AktivDiagnos. A record of another name is
// new to this program: its session starts from a fresh record of that name.
DiagnosSession &sessionOfAktivDiagnos();
// After a save: the register holds saved, and the session goes on from it.
void sessionSaved(const TDiagnosPost &saved);

// stored with the changes that aktiv holds against the session's record:
// the result, status and time of each area tested or changed (with the
// status that it gave the next area of its chain), a status changed alone
// (a passed practice round), the password when it changed. Every other
// field, the name included, as stored holds it.
TDiagnosPost withSessionChanges(const TDiagnosPost &stored, const TDiagnosPost &aktiv, const DiagnosSession &s);
