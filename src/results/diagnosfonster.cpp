#include "results/diagnosfonster.h"

QString diagnosFonsterKlass(int omrade)
{
    switch (omrade) {
    case 1: case 2: case 3: case 4: case 13: case 14: case 15: case 16:
        return QStringLiteral("TSKRIV");
    case 5: case 6:
        return QStringLiteral("TFLERBAR");
    case 7: case 8: case 11: case 12: case 17:
        return QStringLiteral("TSkrivinf");
    case 9: case 10:
        return QStringLiteral("Tskriv2");
    default:
        return QString();
    }
}
