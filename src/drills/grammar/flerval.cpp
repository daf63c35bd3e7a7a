#include "drills/grammar/flerval.h"

#include "frame/datafiles.h"
#include "frame/fields.h"
#include "platform/Cp1252.h"

#include <algorithm>

qint32 Hittapreppar(const QStringList &rader, SvarsordTabell &Svarsord)
{
    for (QString &ord : Svarsord)
        ord.clear();
    qint32 antal = 0;
    for (const QString &lagrad : rader) {
        if (antal == MaxSvarsord)
            break; // later words have no panel
        if (!arPostRad(lagrad))
            continue;
        LetaPrep(dekryptrad(lagrad));
        // Words are compared as their panels show them, so that a long
        // answer is not taken again at each of its items.
        const QString ord = Cp1252::lower(kortad(PrepDelar[2], SvarsordLangd));
        if (ord.isEmpty())
            continue;
        const QString stor = Cp1252::upper(ord);
        bool finns = false;
        for (qint32 j = 1; j <= antal && !finns; ++j)
            finns = Cp1252::upper(Svarsord[j]) == stor;
        if (!finns)
            Svarsord[++antal] = ord;
    }
    for (int i = 1; i <= MaxSvarsord; ++i)
        Svarsord[i + MaxSvarsord] = versalForst(Svarsord[i]);
    return antal;
}

qint32 HittaprepparFil(const QString &FilNamn, SvarsordTabell &Svarsord)
{
    QStringList rader;
    if (!lasDataFil(hittaDataFil(FilNamn), rader))
        rader.clear();
    return Hittapreppar(rader, Svarsord);
}

QString versalForst(const QString &ord)
{
    if (ord.isEmpty())
        return ord;
    return Cp1252::upper(ord[0]) + ord.mid(1);
}

qint32 svarsordBas(const QString &svar)
{
    if (svar.isEmpty())
        return 0;
    return Cp1252::lower(svar[0]) != svar[0] ? MaxSvarsord : 0;
}

Radindelning radindelning(qint32 antal)
{
    Radindelning r;
    if (antal >= TvaRaderFran) {
        r.AntalRader = 2;
        r.ForstaRadensAntal = antal / 2 + antal % 2;
    } else {
        r.AntalRader = 1;
        r.ForstaRadensAntal = antal;
    }
    return r;
}

Panellayout panellayout(const QList<int> &ordbredder, int mellanrum, int utfyllnad, int h, int m)
{
    const Radindelning r = radindelning(qint32(ordbredder.size()));
    Panellayout l;
    int vanster[2] = {mellanrum, mellanrum};
    for (qsizetype k = 0; k < ordbredder.size(); ++k) {
        const int rad = k < r.ForstaRadensAntal ? 0 : 1;
        Panelplats p;
        p.bredd = ordbredder[k] + utfyllnad;
        p.vanster = vanster[rad];
        p.topp = rad == 0 ? m : h + 2 * m;
        vanster[rad] += p.bredd + mellanrum;
        l.paneler.append(p);
    }
    l.bredd = std::max(vanster[0], r.AntalRader == 2 ? vanster[1] : 0);
    l.hojd = r.AntalRader == 2 ? 2 * h + 3 * m : h + 2 * m;
    return l;
}

QString fragaText(const SvarsordTabell &Svarsord, qint32 antal)
{
    QString t;
    for (qint32 k = 1; k <= antal && k <= MaxSvarsord; ++k) {
        if (k < antal - 1)
            t += Svarsord[k] + QStringLiteral(", ");
        else if (k == antal - 1)
            t += Svarsord[k];
        else
            t += QStringLiteral(" eller ") + Svarsord[k] + QStringLiteral(" ?");
    }
    return t;
}

int maxOrdLangd(const SvarsordTabell &Svarsord, qint32 antal)
{
    int langd = 0;
    for (qint32 k = 1; k <= antal && k <= MaxSvarsord; ++k)
        langd = std::max(langd, int(Svarsord[k].size()));
    return langd;
}

Genusregel genusRegel(const QString &falt2)
{
    struct Regel
    {
        int nummer;
        const char16_t *rad1;
        const char16_t *rad2;
    };
    static const Regel regler[] = {
        {1, u"Manlig varelse (hane) är maskulin.", u""},
        {2, u"Namn på yrke, syssla på -er är maskulina.", u""},
        {3, u"Nationalitetsord på -e är maskulina.", u""},
        {4, u"Substantiv på -or och -us är maskulina.", u""},
        {5, u"Årstider och månader är maskulina.", u""},
        {6, u"Veckodagar och del av dag är maskulina.", u""},
        {7, u"De flesta berg(skedjor) är maskulina.", u""},
        {8, u"Icke-tyska floder utom de som slutar", u"på -a, -e är maskulina."},
        {9, u"Bilmärken är maskulina.", u""},
        {10, u"Substantiv på -ling är maskulina.", u""},
        {11, u"Substantiv bildade av verbstam utan", u"tillägg av ändelse är maskulina."},
        {12, u"Bergsnamn med das Gebirge, die Höhe, das", u"Horn, die Spitze behåller dessa ords genus."},
        {13, u"Substantiv på -ling är maskulina.", u""},
        {14, u"Substantiv på -chen och -lein är neutrala.", u""},
        {15, u"Substantiv på -nis, -sal, -tum är neutrala.", u""},
        {16, u"Substantiv på -um är neutrala.", u""},
        {17, u"Substantiverade infinitiver är neutrala.", u""},
        {18, u"Världsdelar, länder, landskap, öar, städer", u"och orter är neutrala."},
        {20, u"Kvinnlig varelse (hona) är femininum.", u""},
        {21, u"De flesta subst på -e är feminina.", u""},
        {22, u"Alla substantiv på -ei, -heit, -keit,", u"-in, -schaft, -ung är feminina."},
        {23, u"Substantiv bildade av en verbstam+t är feminina.", u""},
        {24, u"Substantiv på -age, -anz, -enz, -ie, -ik,", u"-ion, -tät, -thek(e), -ur är feminina."},
        {25, u"De flesta tyska floder och de icke-tyska på", u"-e och -a är feminina."},
        {26, u"Namn på fartyg är oftast feminina.", u""},
        {27, u"Undantag från regeln.", u""},
        {28, u"", u""},
    };
    Genusregel g{falt2, QString()};
    bool ok = false;
    const int n = falt2.trimmed().toInt(&ok, 10);
    if (!ok)
        return g;
    for (const Regel &r : regler) {
        if (r.nummer == n) {
            g.rad1 = QString::fromUtf16(r.rad1);
            g.rad2 = QString::fromUtf16(r.rad2);
            break;
        }
    }
    return g;
}
