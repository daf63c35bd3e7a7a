#pragma once
// The diagnosis area a practice exercise belongs to, and what the active
// pupil's record holds for it. The register fills in the two sources below;
// until it does, there is no pupil and no stored result.

#include <QString>
#include <QtGlobal>

#include <functional>

// The stored result of an area (1..20) in the active pupil's record, as text.
using LagratResultatKalla = std::function<QString(quint16 omrade)>;
// The active pupil's name; empty when no pupil is chosen for diagnosis.
using ElevNamnKalla = std::function<QString()>;

// An empty function removes the source.
void setLagratResultatKalla(LagratResultatKalla kalla);
void setElevNamnKalla(ElevNamnKalla kalla);

// The active pupil's name, empty when there is none.
QString aktivElevNamn();

// The area of a practice exercise: 42000 gives 14, 45000 gives 12, every
// other program number 0. With lagratResultat, also the area's stored
// result (empty for no area or no stored result).
quint16 GeDiagnosNummer(quint16 programtal, QString *lagratResultat = nullptr);
