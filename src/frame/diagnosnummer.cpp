#include "frame/diagnosnummer.h"

#include "frame/TDiagnosPost.h"

QString aktivElevNamn()
{
    return AktivDiagnos.Namn;
}

quint16 GeDiagnosNummer(quint16 programtal, QString *lagratResultat)
{
    quint16 omrade = 0;
    switch (programtal) {
    case 42000:
        omrade = 14;
        break;
    case 45000:
        omrade = 12;
        break;
    default:
        break;
    }
    if (lagratResultat)
        *lagratResultat = omrade != 0 ? QString::number(AktivDiagnos.Resultat[omrade]) : QString();
    return omrade;
}
