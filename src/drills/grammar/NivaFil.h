#pragma once
// A data file whose items are grouped in levels: every item line begins with
// its level number, 1..20, followed by the item's fields ("3Frage#Antwort").
// The exercises that step through levels read it here: how many levels it
// has, the items of each level, and a shuffled order per level that is used
// round and round.

#include "frame/vrsku1.h"

#include <QString>
#include <QStringList>

#include <vector>

class NivaFil
{
public:
    static constexpr int MaxNivaer = 20;

    // The level of an item line (already unscrambled): the number of its one
    // or two leading digits, when the line holds a "#" after its first
    // character that is not its last one. 0 when the line is no level line:
    // no digit first, three digits or more, a level outside 1..20, or no
    // such "#".
    static int nivaAv(const QString &rad);
    // The line without its leading digits.
    static QString utanNiva(const QString &rad);

    // Reads the file (PCPath\DATA first, then CDPath\DATA) and counts its
    // levels; every level's pointer starts at 1. False after the message
    // "Filen <name> finns inte eller är felaktig" when it cannot be read.
    bool TestaStegreFilen(const QString &FilNamn);

    // Shuffles the item numbers forsta..sista of level L into NivaOrdning[L].
    void SlumpaStegre(int L, int forsta, int sista);
    void slumpaAllaNivaer();

    // PostRad := the next item of level L in its shuffled order, without the
    // level number, and the level's pointer moves on (back to the first
    // after the last). False, with PostRad empty, when the level has none.
    bool haemtaord(int L);

    // Levels 1..AntalNivaer all hold items; a level without items ends the
    // range, and the levels above it are never used.
    qint32 AntalNivaer = 0;
    Tabell<qint32, MaxNivaer> NivaAntal{};
    Tabell<qint32, MaxNivaer> NivaPekare{};
    Tabell<std::vector<qint32>, MaxNivaer> NivaOrdning;

private:
    Tabell<QStringList, MaxNivaer> m_poster; // the item lines of each level, level number removed
};
