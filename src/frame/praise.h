#pragma once
// Praise texts at the end of a round: the praise file by the round's result,
// the diagnosis area and the pupil; a line drawn from it in the run's random
// order; and its placeholders "<namn>", "<diagnos>" and "<res>" filled.

#include "frame/vrsku1.h"

#include <QString>

// LovordFilNamn := "VROM" + 9001..9016 + ".LOV" by the round's right answers
// out of its items, the area of Programtal and its stored result, and
// whether a pupil is chosen for diagnosis.
void HaemtaLovordFilNamn(quint16 AntalRatt, quint16 AntalPoster);

// LovordTyp := the place of FilNamn in LovordFiler (letter case ignored); the
// file's lines are counted on first use. False when the name is not listed
// or the file holds no praise line; a listed file that cannot be read is
// reported with the data-file message.
bool KollaLovOrd(const QString &FilNamn);

// The next praise line of file Typ from position Pos (callers pass
// LovordPosition[Typ]), and the file's position moved on, cycling.
qint32 haemta_Lovordslumptal(qint32 Pos, qint32 Typ);

// Text := Mall with "<namn>" (the pupil's name), "<diagnos>" (the area of
// Programtal) and "<res>" (its stored result; nothing without an area)
// filled in, and every ">" removed.
void LovordMen(const QString &Mall, QString &Text);

// The whole draw for the end of a round: the praise file, a line from it,
// split into fields 1..3 with the placeholders filled. False when there is
// no praise to show; the lines are then empty.
bool haemtaLovordText(quint16 AntalRatt, quint16 AntalPoster, Tabell<QString, 3> &rader);
