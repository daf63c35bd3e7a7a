#include "frame/randomorder.h"

#include "frame/datafiles.h"
#include "frame/vrsku1.h"
#include "platform/Random.h"

#include <QStringList>

#include <map>
#include <vector>

namespace {

// Orders of counts above SlumpTabell's 1900 (the trainer's word lists may be
// that long): one permutation of 1..count per count, drawn from the program's
// generator when first walked and kept for the run like SlumpTabell itself.
std::map<qint32, std::vector<qint32>> &langaOrdningar()
{
    static std::map<qint32, std::vector<qint32>> ordningar;
    return ordningar;
}

const std::vector<qint32> &langOrdning(qint32 Antal)
{
    std::vector<qint32> &ordning = langaOrdningar()[Antal];
    if (qint32(ordning.size()) != Antal) {
        ordning.resize(size_t(Antal));
        for (qint32 i = 0; i < Antal; ++i)
            ordning[size_t(i)] = i + 1;
        for (qint32 i = Antal - 1; i > 0; --i)
            std::swap(ordning[size_t(i)], ordning[size_t(Random::between1and(i + 1) - 1)]);
    }
    return ordning;
}

bool giltigLista(qint32 L)
{
    return L >= 1 && L <= MaxListor;
}

// Index of the first pair of list L, 0 when there is none.
int forstaParet(qint32 L)
{
    for (int i = 1; i <= MaxFelKo && FelKo[i].Post != 0; ++i)
        if (FelKo[i].Lista == L)
            return i;
    return 0;
}

// Removes pair i; the later pairs move one place forward.
void taBortPar(int i)
{
    const int n = felKoAntal();
    for (int j = i; j < n; ++j)
        FelKo[j] = FelKo[j + 1];
    FelKo[n] = TFelPar{};
}

} // namespace

int felKoAntal()
{
    int n = 0;
    while (n < MaxFelKo && FelKo[n + 1].Post != 0)
        ++n;
    return n;
}

void NollstallSlump(qint32 Forsta, qint32 Sista)
{
    LovordPosition.fill(1);
    LovordRadAntal.fill(0);
    BildIndex = 1;
    DinaOrdPosition.fill(1);
    DinaOrdAntal.fill(0);
    DinaOrdFelKo.fill(TFelPar{});
    DinaOrdFelAntal.fill(0);
    SlumpPosition.fill(1);
    PostAntal.fill(0);

    Random::reseed();
    SlumpTabell.fill(0);
    langaOrdningar().clear();
    qint32 n = Sista - Forsta + 1;
    if (n > 0 && Forsta >= 1 && Sista <= MaxSlumptal) {
        std::vector<qint32> work(size_t(n) + 1);
        for (qint32 j = 0; j <= n; ++j)
            work[size_t(j)] = j;
        for (qint32 slot = Forsta; n > 0; ++slot) {
            const int k = Random::between1and(n);
            SlumpTabell[slot] = work[size_t(k)] + Forsta - 1;
            work.erase(work.begin() + k);
            --n;
        }
    }

    FelKo.fill(TFelPar{});
    FelPerLista.fill(0);
    ListNummer = 0;
    DinaOrdLista = 0;
}

qint32 slumpVandring(qint32 Pos, qint32 Antal)
{
    if (Antal > MaxSlumptal)
        return langOrdning(Antal)[size_t(qBound(1, Pos, Antal) - 1)];
    const qint32 N = Antal;
    if (N < 1)
        return 0;
    const qint32 p = qBound(1, Pos, N);
    qint32 sedda = 0;
    for (int slot = 1; slot <= MaxSlumptal; ++slot) {
        if (SlumpTabell[slot] >= 1 && SlumpTabell[slot] <= N && ++sedda == p)
            return SlumpTabell[slot];
    }
    return 0;
}

qint32 haemta_slumptal(qint32 Pos, qint32 Lista)
{
    if (!giltigLista(Lista))
        return 0;
    const qint32 N = qMin(PostAntal[Lista], qint32(MaxSlumptal));
    const qint32 post = slumpVandring(Pos, N);
    if (N >= 1)
        SlumpPosition[Lista] = SlumpPosition[Lista] < N ? SlumpPosition[Lista] + 1 : 1;
    return post;
}

bool haemtafel(const QString &FilNamn, qint32 Lage)
{
    const qint32 L = ListNummer;
    if (!giltigLista(L))
        return false;
    switch (Lage) {
    case FelKoTa: {
        while (FelPerLista[L] >= 1) {
            const int i = forstaParet(L);
            if (i == 0) {
                FelPerLista[L] = 0; // the count had nothing behind it
                return false;
            }
            const qint32 post = FelKo[i].Post;
            const bool finns = post >= 1 && post <= PostAntal[L];
            if (finns && haemtaord(FilNamn, post)) {
                FelPost = post;
                if (Programtal == 53300)
                    KlockPost = FelPost;
                return true;
            }
            // A missing file has been reported: keep its pairs for later.
            QStringList rader;
            if (finns && !lasDataFil(hittaDataFil(FilNamn), rader))
                return false;
            // The pair names no item of its file (any more): drop it.
            taBortPar(i);
            --FelPerLista[L];
        }
        return false;
    }
    case FelKoTaBort: {
        const int i = forstaParet(L);
        if (i == 0)
            return false;
        taBortPar(i);
        if (FelPerLista[L] > 0)
            --FelPerLista[L];
        return true;
    }
    case FelKoFlyttaSist: {
        const int i = forstaParet(L);
        if (i == 0)
            return false;
        const TFelPar par = FelKo[i];
        const int n = felKoAntal();
        for (int j = i; j < n; ++j)
            FelKo[j] = FelKo[j + 1];
        FelKo[n] = par;
        return true;
    }
    case FelKoLaggTill: {
        if (SlumpPost == 0)
            return false;
        if (felKoAntal() == MaxFelKo) {
            const qint32 aldsta = FelKo[1].Lista;
            if (giltigLista(aldsta) && FelPerLista[aldsta] > 0)
                --FelPerLista[aldsta];
            taBortPar(1);
        }
        FelKo[felKoAntal() + 1] = TFelPar{qint32(SlumpPost), L};
        if (FelPerLista[L] < MaxFelKo)
            ++FelPerLista[L];
        return true;
    }
    default:
        return false;
    }
}
