#include "drills/vocabulary/horoskop.h"

#include "frame/fields.h"
#include "frame/vrsku1.h"
#include "platform/Random.h"
#include "platform/TextFile.h"

#include <cmath>

namespace {

struct Tecken
{
    const char16_t *namn;
    const char16_t *datum;
    TeckenRader rader;
    QPoint hrut;
    // Changes to the padded name in the list, and the blanks before the
    // last day, so that the columns line up.
    int bortaSist;
    int extraBlank;
    int separator;
};

const Tecken tecken[AntalTecken] = {
    {u"Widder", u"Widder#21.Mär#-  20.Apr", {1, 25}, {10, 10}, 0, 0, 3},
    {u"Stier", u"Stier#21.Apr#-  21.Mai", {31, 43}, {10, 115}, 0, 0, 3},
    {u"Zwillinge", u"Zwillinge#22.Mai#-  21.Jun", {49, 63}, {10, 220}, 0, 0, 2},
    {u"Krebs", u"Krebs#22.Jun#-  23.Jul", {69, 78}, {10, 345}, 0, 0, 2},
    {u"Löwe", u"Löwe#24.Jul#-  23.Aug", {84, 96}, {112, 345}, 1, 0, 2},
    {u"Jungfrau", u"Jungfrau#24.Aug#-  23.Sep", {101, 118}, {224, 345}, 0, 1, 1},
    {u"Waage", u"Waage#24.Sep#-  23.Okt", {124, 136}, {336, 345}, 0, 0, 1},
    {u"Skorpion", u"Skorpion#24.Okt#-  22.Nov", {141, 165}, {440, 345}, 0, 1, 1},
    {u"Schütze", u"Schütze#23.Nov#-  21.Dez", {171, 183}, {555, 345}, 2, 0, 1},
    {u"Steinbock", u"Steinbock#22.Dez#-  20.Jan", {189, 207}, {520, 224}, 0, 0, 1},
    {u"Wassermann", u"Wassermann#21.Jan#-  19.Feb", {213, 228}, {520, 115}, 0, 0, 3},
    {u"Fische", u"Fische#20.Feb#-  20.Mär", {234, 245}, {512, 5}, 1, 0, 2},
};

bool giltigt(int index)
{
    return index >= 0 && index < AntalTecken;
}

// Blanks to fill a column: round(rest / blank), halves to the even number;
// none for a rest of 0 or less.
int fyllnad(double rest, double blank)
{
    if (blank <= 0)
        return 0;
    const double n = std::nearbyint(rest / blank);
    return n > 0 ? int(n) : 0;
}

} // namespace

TeckenRader teckenRader(int index)
{
    return giltigt(index) ? tecken[index].rader : TeckenRader{};
}

QString teckenNamn(int index)
{
    return giltigt(index) ? QString::fromUtf16(tecken[index].namn) : QString();
}

QStringList Stjarntecken()
{
    QStringList l;
    for (const Tecken &t : tecken)
        l << QString::fromUtf16(t.datum);
    return l;
}

QStringList StjLista(const std::function<double(const QString &)> &bredd)
{
    const double b = bredd(QStringLiteral(" "));
    QStringList lista;
    const QStringList poster = Stjarntecken();
    for (int i = 0; i < AntalTecken; ++i) {
        str_postarray(poster[i]);
        QString namn = postFalt(1);
        namn += QString(fyllnad(100 - bredd(namn), b), QChar(u' '));
        // The corrections only ever take away padding, never a letter.
        for (int k = 0; k < tecken[i].bortaSist && namn.endsWith(QChar(u' ')); ++k)
            namn.chop(1);
        namn += QString(tecken[i].extraBlank, QChar(u' '));
        lista << namn + postFalt(2) + QString(tecken[i].separator, QChar(u' ')) + postFalt(3);
    }
    return lista;
}

HoroSlumpTabell SlumpOrdning(int forsta, int sista)
{
    HoroSlumpTabell t{};
    forsta = qBound(1, forsta, HoroSlumpMax);
    sista = qBound(0, sista, HoroSlumpMax);
    QList<qint32> kvar;
    for (int n = forsta; n <= sista; ++n)
        kvar << n;
    int plats = forsta;
    while (!kvar.isEmpty()) {
        const int i = Random::between1and(int(kvar.size())) - 1;
        t[plats++] = kvar.takeAt(i);
    }
    return t;
}

QList<qint32> valdaRader(const HoroSlumpTabell &HoroSlump)
{
    QList<qint32> valda;
    for (int i = 1; i <= HoroSlumpMax && valda.size() < HoroskopRader; ++i)
        if (HoroSlump[i] != 0)
            valda << HoroSlump[i];
    return valda;
}

bool Horoscoptext(const QStringList &filrader, int index, const QList<qint32> &valda, QStringList &text)
{
    text.clear();
    text << QStringLiteral("   ") + teckenNamn(index);
    int tagna = 0;
    int avslutning = 0;
    for (qsizetype i = 0; i < filrader.size() && avslutning < AvslutningsRader; ++i) {
        const QString &rad = filrader[i];
        if (tagna < HoroskopRader && valda.contains(qint32(i + 1))) {
            text << rad;
            ++tagna;
        }
        if (tagna == HoroskopRader && rad.startsWith(QChar(u'$'))) {
            text << rad.mid(1);
            ++avslutning;
        }
    }
    return tagna == HoroskopRader;
}

bool lasHoroskopfil(const QString &sokvag, QStringList &rader)
{
    rader.clear();
    QStringList fil;
    if (sokvag.isEmpty() || !TextFile::readLines(sokvag, fil))
        return false;
    for (const QString &r : std::as_const(fil))
        rader << (KrypteradeFiler == 1 && !r.isEmpty() ? dekryptrad(r) : r);
    return true;
}

QStringList MemoOrdLista(const QStringList &filrader, const std::function<double(const QString &)> &bredd,
                         double blank)
{
    QStringList lista;
    for (const QString &rad : filrader) {
        str_postarray(rad);
        const QString ord = postFalt(1);
        lista << ord + QString(fyllnad(145 - bredd(ord), blank), QChar(u' ')) + postFalt(2);
    }
    return lista;
}

int teckenVidKlick(int x, int y)
{
    if (x < 112 && y < 328)
        return y / 105;
    if (y > 328)
        return qMin(x / 113 + 3, AntalTecken - 1);
    if (x > 512 && y < 328)
        return 11 - y / 105;
    return -1;
}

QPoint hrutPlats(int index)
{
    return giltigt(index) ? tecken[index].hrut : QPoint();
}

QString teckenSymbol(int index)
{
    // The zodiac signs of Unicode, Aries to Pisces, in the order of the list.
    return giltigt(index) ? QString(QChar(char16_t(0x2648 + index))) : QString();
}
