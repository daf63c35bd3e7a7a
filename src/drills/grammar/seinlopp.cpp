#include "drills/grammar/seinlopp.h"

#include "frame/datafiles.h"
#include "frame/fields.h"
#include "platform/Cp1252.h"

#include <cmath>

qint32 seinSvarsord(const QStringList &rader, SeinOrdTabell &SvarsOrd)
{
    for (QString &ord : SvarsOrd)
        ord.clear();
    qint32 antal = 0;
    for (const QString &lagrad : rader) {
        if (antal == MaxSeinOrd)
            break;
        if (!arPostRad(lagrad))
            continue;
        LetaPrep(dekryptrad(lagrad));
        const QString ord = kortad(PrepDelar[2], SeinOrdLangd);
        if (ord.isEmpty())
            continue;
        const QString stor = Cp1252::upper(ord);
        bool finns = false;
        for (qint32 j = 1; j <= antal && !finns; ++j)
            finns = Cp1252::upper(SvarsOrd[j]) == stor;
        // The plain set begins small, also when the word's first item puts
        // it at the start of a sentence: the capital set is for those.
        if (!finns)
            SvarsOrd[++antal] = Cp1252::lower(ord[0]) + ord.mid(1);
    }
    for (int i = 1; i <= MaxSeinOrd; ++i) {
        const QString &ord = SvarsOrd[i];
        SvarsOrd[i + MaxSeinOrd] = ord.isEmpty() ? ord : Cp1252::upper(ord[0]) + ord.mid(1);
    }
    return antal;
}

QStringList seinErbjudna(const SeinOrdTabell &SvarsOrd, qint32 antal, const QString &svar)
{
    const bool versal = !svar.isEmpty() && Cp1252::lower(svar[0]) != svar[0];
    const int bas = versal ? MaxSeinOrd : 0;
    QStringList ord;
    for (int k = 1; k <= antal && k <= SeinPaneler; ++k)
        ord << SvarsOrd[k + bas];
    const QString ratt = kortad(svar, SeinOrdLangd);
    if (antal > SeinPaneler && !ord.contains(ratt)) {
        for (int k = SeinPaneler + 1; k <= antal; ++k)
            if (SvarsOrd[k + bas] == ratt)
                ord[SeinPaneler - 1] = ratt;
    }
    return ord;
}

int seinPoang(qint64 hundradelar)
{
    const qint64 s = qBound(qint64(0), (hundradelar + 50) / 100, qint64(MaxPoang));
    return MaxPoang - int(s);
}

int seinBilMal(double stracka, int marginal)
{
    return 2 * int(std::trunc(stracka)) + 10 * marginal;
}

qint32 seinVinnare(qint32 antalSpelare, const double stracka[], const int bilVanster[], int malLinje)
{
    qint32 vinnare = 0;
    for (qint32 p = 1; p <= antalSpelare; ++p)
        if (bilVanster[p] >= malLinje)
            vinnare = p;
    if (vinnare == 0)
        return 0;
    for (qint32 p = 1; p <= antalSpelare; ++p) {
        bool framst = true;
        for (qint32 q = 1; q <= MaxSpelare && framst; ++q)
            if (q != p && !(stracka[p] > (q <= antalSpelare ? stracka[q] : 0.0)))
                framst = false;
        if (framst)
            return p;
    }
    return vinnare;
}

QString seinSekunder(qint64 hundradelar)
{
    const qint64 h = qMax<qint64>(0, hundradelar);
    return QString::number(h / 100) + QLatin1Char(',') + QStringLiteral("%1").arg(h % 100, 2, 10, QLatin1Char('0'))
           + QStringLiteral(" Sekunden");
}

quint16 seinRekordTid(double hundradelar)
{
    return quint16(qBound(qint64(0), qRound64(hundradelar / 10.0), qint64(0xFFFF)));
}

SeinRubrik seinRubrik(quint16 programtal)
{
    switch (programtal) {
    case 56610: return {QStringLiteral("Sein - Präsens"), QStringLiteral("Bin, ist, sind oder seid?")};
    case 56620: return {QStringLiteral("Sein - Imperfekt"), QStringLiteral("War, warst, waren oder wart?")};
    case 56630: return {QStringLiteral("Haben - Präsens"), QStringLiteral("Habe, hast, hat, haben oder habt?")};
    case 56640: return {QStringLiteral("Haben - Imperfekt"), QStringLiteral("Hatte, hattest, hatten oder hattet?")};
    case 56650: return {QStringLiteral("Werden - Präsens"), QStringLiteral("Werde, wirst, wird, werden oder werdet?")};
    case 56660: return {QStringLiteral("Werden - Imperfekt"), QStringLiteral("Wurde, wurdest, wurden oder wurdet?")};
    default: return {};
    }
}

QString seinSlutText(const QString &namn, qint32 antalSpelare)
{
    return QStringLiteral("Herzlichen Glückwunsch ") + namn
           + (antalSpelare == 1 ? QStringLiteral(". Geschafft!") : QStringLiteral(". Gewonnen!"));
}
