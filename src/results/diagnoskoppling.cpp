#include "results/diagnoskoppling.h"

Diagnoskoppling &diagnoskoppling()
{
    static Diagnoskoppling k;
    return k;
}

void aktiveraProtokollet()
{
    if (diagnoskoppling().aktiveraProtokollet)
        diagnoskoppling().aktiveraProtokollet(true);
}

void skrivProtokollStatus(int rad, const QString &text)
{
    if (diagnoskoppling().skrivStatus)
        diagnoskoppling().skrivStatus(rad, text);
}

void doljProtokollPanel2()
{
    if (diagnoskoppling().doljPanel2)
        diagnoskoppling().doljPanel2();
}
