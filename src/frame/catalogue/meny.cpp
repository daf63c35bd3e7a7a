#include "frame/catalogue/meny.h"

#include "frame/catalogue/MenyFonster.h"
#include "frame/catalogue/katalog.h"
#include "frame/vrsku1.h"

void visaMeny(const QString &klass)
{
    const KatalogMeny *m = hittaMeny(klass);
    if (!m)
        return;
    MenyFonster fonster(*m);
    fonster.exec();
}

void TF5_Visa()
{
    if (OvningsLage != 1)
        OvningsLage = 0;
    visaMeny(QStringLiteral("TF5"));
}

void TF1_Visa()
{
    visaMeny(QStringLiteral("TF1"));
}

void TF2_Visa()
{
    visaMeny(QStringLiteral("TF2"));
}

void TF3_Visa()
{
    visaMeny(QStringLiteral("TF3"));
}

void TF4_Visa()
{
    visaMeny(QStringLiteral("TF4"));
}

void TF6_Visa()
{
    visaMeny(QStringLiteral("TF6"));
}

void TF21_Visa()
{
    visaMeny(QStringLiteral("TF21"));
}

void TF212_Visa()
{
    visaMeny(QStringLiteral("TF212"));
}

void TF213_Visa()
{
    visaMeny(QStringLiteral("TF213"));
}

void TF2131_Visa()
{
    visaMeny(QStringLiteral("TF2131"));
}

void TF2132_Visa()
{
    visaMeny(QStringLiteral("TF2132"));
}

void TF2133_Visa()
{
    visaMeny(QStringLiteral("TF2133"));
}

void TF31_Visa()
{
    visaMeny(QStringLiteral("TF31"));
}

void TF51_Visa()
{
    visaMeny(QStringLiteral("TF51"));
}

void TF512_Visa()
{
    visaMeny(QStringLiteral("TF512"));
}

void TF514_Visa()
{
    visaMeny(QStringLiteral("TF514"));
}

void TF52_Visa()
{
    visaMeny(QStringLiteral("TF52"));
}

void TF53_Visa()
{
    visaMeny(QStringLiteral("TF53"));
}

void TF54_Visa()
{
    visaMeny(QStringLiteral("TF54"));
}

void TF55_Visa()
{
    visaMeny(QStringLiteral("TF55"));
}

void TF551_Visa()
{
    visaMeny(QStringLiteral("TF551"));
}

void TF552_Visa()
{
    visaMeny(QStringLiteral("TF552"));
}

void TF56_Visa()
{
    visaMeny(QStringLiteral("TF56"));
}

void TF561_Visa()
{
    visaMeny(QStringLiteral("TF561"));
}

void TF562_Visa()
{
    visaMeny(QStringLiteral("TF562"));
}

void TF563_Visa()
{
    visaMeny(QStringLiteral("TF563"));
}

void TF564_Visa()
{
    visaMeny(QStringLiteral("TF564"));
}

void TF565_Visa()
{
    visaMeny(QStringLiteral("TF565"));
}

void TF566_Visa()
{
    visaMeny(QStringLiteral("TF566"));
}

void TF567_Visa()
{
    visaMeny(QStringLiteral("TF567"));
}

void TF57_Visa()
{
    visaMeny(QStringLiteral("TF57"));
}
