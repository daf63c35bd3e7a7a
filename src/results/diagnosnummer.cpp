#include "results/diagnosnummer.h"

namespace {

LagratResultatKalla &resultatKalla()
{
    static LagratResultatKalla k;
    return k;
}

ElevNamnKalla &namnKalla()
{
    static ElevNamnKalla k;
    return k;
}

} // namespace

void setLagratResultatKalla(LagratResultatKalla kalla)
{
    resultatKalla() = std::move(kalla);
}

void setElevNamnKalla(ElevNamnKalla kalla)
{
    namnKalla() = std::move(kalla);
}

QString aktivElevNamn()
{
    return namnKalla() ? namnKalla()() : QString();
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
        *lagratResultat = (omrade != 0 && resultatKalla()) ? resultatKalla()(omrade) : QString();
    return omrade;
}
