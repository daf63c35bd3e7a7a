#pragma once
// The diagnosis area a practice exercise belongs to, and what the active
// pupil's record (AktivDiagnos) holds for it.

#include <QString>
#include <QtGlobal>

// The active pupil's name, empty when no pupil is chosen for diagnosis.
QString aktivElevNamn();

// The area of a practice exercise: 42000 gives 14, 45000 gives 12, every
// other program number 0. With lagratResultat, also the pupil's stored
// result of that area as a number (empty when there is no area).
quint16 GeDiagnosNummer(quint16 programtal, QString *lagratResultat = nullptr);
