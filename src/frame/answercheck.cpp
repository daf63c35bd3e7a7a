#include "frame/answercheck.h"

#include "frame/fields.h"
#include "frame/vrsku1.h"
#include "platform/Cp1252.h"

#include <algorithm>

namespace {

bool arSkiljetecken(QChar c)
{
    return c == QChar(u'!') || c == QChar(u',') || c == QChar(u'.') || c == QChar(u'?')
           || c == QChar(0x00A8) || c == QChar(0x00AD);
}

QString utanSkiljetecken(QString s)
{
    if (!s.isEmpty() && arSkiljetecken(s.front()))
        s.remove(0, 1);
    if (!s.isEmpty() && arSkiljetecken(s.back()))
        s.chop(1);
    return s;
}

// The two-answer exercise, from the grammar menu and as diagnosis areas.
bool harSvarsvarianter()
{
    switch (Programtal) {
    case 9:
    case 10:
    case 109:
    case 110:
    case 52100:
    case 52200:
        return true;
    default:
        return false;
    }
}

QString rattForm(QString R)
{
    if (R.startsWith(QChar(u'&')))
        R.remove(0, 1);
    if (harSvarsvarianter()) {
        if (SvarsVariant == 1 && R.startsWith(QChar(u'1')))
            R.remove(0, 1);
        else if (SvarsVariant == 2 && R.startsWith(QChar(u'2')))
            R.remove(0, 1);
    }
    return R;
}

// Mode 4: right except for words whose capital first letter was typed small.
// Any other difference, capitals typed for small letters included, is wrong.
quint16 smaBokstaver(const QString &R, const QString &S)
{
    if (R.size() != S.size())
        return SvarFel;
    int antal = 0;
    for (qsizetype i = 0; i < R.size(); ++i) {
        if (R[i] == S[i])
            continue;
        const bool ordborjan = i == 0 || R[i - 1] == QChar(u' ');
        if (!ordborjan || Cp1252::upper(S[i]) != R[i])
            return SvarFel;
        ++antal;
    }
    if (antal == 0)
        return SvarFel;
    return quint16(SvarStorBokstav + std::min(antal, 5));
}

quint16 jamfor(const QString &ratt, const QString &svar, qint32 Lage)
{
    QString R = MellanslagBort(rattForm(ratt));
    QString S = MellanslagBort(svar);
    if (Lage == 1 || Lage == 3 || Lage == 4) {
        R = utanSkiljetecken(R);
        S = utanSkiljetecken(S);
    }
    if (R == S)
        return SvarRatt;
    switch (Lage) {
    case 2:
    case 3:
        return Cp1252::upper(R) == Cp1252::upper(S) ? SvarRatt : SvarFel;
    case 4:
        return smaBokstaver(R, S);
    default:
        return SvarFel;
    }
}

} // namespace

quint16 svarstest(const QString &Ratt, const QString &Svar, qint32 Lage)
{
    if (Svar.isEmpty())
        return SvarTomt;

    quint16 resultat = jamfor(Ratt, Svar, Lage);
    // Every alternative is tried, the last field first: an exact match with
    // one of them beats a near miss in mode 4. Empty fields left by "#" at
    // the end of a line are no answers.
    for (int i = int(AntalFalt); i >= forstaAlternativ() && resultat != SvarRatt; --i) {
        const QString &alternativ = postFalt(i);
        if (alternativ.isEmpty())
            continue;
        resultat = std::min(resultat, jamfor(alternativ, Svar, Lage));
    }
    return resultat;
}

quint8 GreenRedTest(const QString &Skrivet, const QString &Ratt)
{
    if (Skrivet.isEmpty())
        return LampaRod;
    QString s = Skrivet;
    if (s.startsWith(QChar(u' ')))
        s.remove(0, 1);
    if (Ratt.startsWith(s))
        return LampaGron;
    if (AntalAlternativ > 0) {
        // In the two-answer exercise the field before the alternatives is the
        // Swedish word, and an alternative counts in the form the check takes.
        const bool varianter = harSvarsvarianter();
        for (int i = varianter ? forstaAlternativ() : sistaFaltForeAlternativ(); i <= int(AntalFalt); ++i) {
            if ((varianter ? rattForm(postFalt(i)) : postFalt(i)).startsWith(s))
                return LampaGron;
        }
    }
    return LampaRod;
}
