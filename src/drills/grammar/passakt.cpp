#include "drills/grammar/passakt.h"

#include "frame/fields.h"
#include "platform/Cp1252.h"

#include <algorithm>

QList<QString> passAktAlternativ()
{
    QList<QString> alt;
    for (int k = 2; alt.size() < MaxPassAktAlternativ; ++k) {
        if (k > MaxFalt)
            break;
        const QString &f = postFalt(k);
        if (f.isEmpty() || f.startsWith(QStringLiteral("£")))
            break;
        alt.append(kortad(f, PassAktLangd));
    }
    std::sort(alt.begin(), alt.end(),
              [](const QString &a, const QString &b) { return Cp1252::encode(a) < Cp1252::encode(b); });
    return alt;
}

QString passAktRattSvar()
{
    return kortad(postFalt(2), PassAktLangd);
}

QString TolkaForkortning(const QString &text, bool versal)
{
    struct Nyckel
    {
        int langd; // compared characters; 0 the whole text
        const char *nyckel;
        const char *namn;
    };
    static const Nyckel nycklar[] = {
        {3, "ACK", "ackusativ"}, {3, "DAT", "dativ"},   {0, "PRED.F.", "predikatsfyllnad"},
        {4, "SUBJ", "subjekt"},  {3, "AKT", "aktiv"},   {4, "SUBS", "substantiv"},
        {4, "PASS", "passiv"},   {5, "PREDI", "predikat"},
    };
    const QString stor = Cp1252::upper(text);
    QString resultat = text;
    for (const Nyckel &n : nycklar) {
        const QString nyckel = QLatin1String(n.nyckel);
        const QString namn = QLatin1String(n.namn);
        if (n.langd == 0) {
            if (stor == nyckel)
                resultat = namn;
            continue;
        }
        if (stor.left(n.langd) != nyckel)
            continue;
        // Only an abbreviation of the name is expanded: "predikatsfyllnad"
        // must not become "predikat", nor "ackusativobjekt" "ackusativ".
        QString kort = stor;
        if (kort.endsWith(QLatin1Char('.')))
            kort.chop(1);
        if (Cp1252::upper(namn).startsWith(kort))
            resultat = namn;
    }
    if (versal && !resultat.isEmpty())
        resultat[0] = Cp1252::upper(resultat[0]);
    return resultat;
}

PassAktLayout passAktLayout(const QList<int> &textBredder, int m)
{
    PassAktLayout l;
    int vanster = m;
    int summa = 0;
    for (int b : textBredder) {
        const int w = b + m;
        l.vanster.append(vanster);
        l.bredd.append(w + 4);
        vanster += w + m;
        summa += w + m;
    }
    l.radBredd = m + summa + m / 2;
    return l;
}
