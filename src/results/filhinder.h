#pragma once
// What the user is told when this account cannot put a new copy of a
// shared file (the diagnosis register, a record table, a level file) in the
// old one's place: the reason and the remedy. It is told when the file is
// opened, before anybody works, and again when a save fails for it.

#include <QString>

// Empty when nothing stands in the way. fileWord names the kind of file at
// the start of the message ("Diagnosfilen", "Rekordtabellen", "Nivåfilen").
QString replaceObstacleMessage(const QString &fileWord, const QString &path);
