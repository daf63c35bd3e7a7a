#include "drills/grammar/NivaFil.h"

#include "frame/datafiles.h"
#include "frame/fields.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"

namespace {

bool arSiffra(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int siffror(const QString &rad)
{
    int n = 0;
    while (n < rad.size() && arSiffra(rad[n]))
        ++n;
    return n;
}

} // namespace

int NivaFil::nivaAv(const QString &rad)
{
    const int n = siffror(rad);
    // Counting and fetching use this one rule, so that every item counted
    // in a level can also be shown.
    if (n < 1 || n > 2)
        return 0;
    const qsizetype hash = rad.indexOf(QLatin1Char('#'), 1);
    if (hash < 0 || hash >= rad.size() - 1)
        return 0;
    const int niva = rad.left(n).toInt();
    return niva >= 1 && niva <= MaxNivaer ? niva : 0;
}

QString NivaFil::utanNiva(const QString &rad)
{
    return rad.mid(qMin(siffror(rad), 2));
}

bool NivaFil::TestaStegreFilen(const QString &FilNamn)
{
    AntalNivaer = 0;
    for (int L = 1; L <= MaxNivaer; ++L) {
        NivaAntal[L] = 0;
        NivaPekare[L] = 1;
        NivaOrdning[L].clear();
        m_poster[L].clear();
    }
    QStringList rader;
    if (!lasDataFil(hittaDataFil(FilNamn), rader)) {
        MessageBox::showMessage(QStringLiteral("Filen ") + FilNamn + QStringLiteral(" finns inte eller är felaktig"));
        return false;
    }
    for (const QString &lagrad : std::as_const(rader)) {
        const QString rad = KrypteradeFiler ? dekryptrad(lagrad) : lagrad;
        const int L = nivaAv(rad);
        if (L == 0)
            continue;
        m_poster[L].append(utanNiva(rad));
        ++NivaAntal[L];
    }
    while (AntalNivaer < MaxNivaer && NivaAntal[AntalNivaer + 1] > 0)
        ++AntalNivaer;
    return true;
}

void NivaFil::SlumpaStegre(int L, int forsta, int sista)
{
    if (L < 1 || L > MaxNivaer)
        return;
    std::vector<qint32> kvar;
    for (int i = forsta; i <= sista; ++i)
        kvar.push_back(i);
    std::vector<qint32> &ordning = NivaOrdning[L];
    ordning.clear();
    while (!kvar.empty()) {
        const int i = Random::between1and(int(kvar.size())) - 1;
        ordning.push_back(kvar[size_t(i)]);
        kvar.erase(kvar.begin() + i);
    }
}

void NivaFil::slumpaAllaNivaer()
{
    for (int L = 1; L <= AntalNivaer; ++L)
        SlumpaStegre(L, 1, NivaAntal[L]);
}

bool NivaFil::haemtaord(int L)
{
    PostRad.clear();
    if (L < 1 || L > MaxNivaer || NivaAntal[L] < 1)
        return false;
    if (NivaOrdning[L].size() != size_t(NivaAntal[L]))
        SlumpaStegre(L, 1, NivaAntal[L]);
    qint32 &pekare = NivaPekare[L];
    if (pekare < 1 || pekare > NivaAntal[L])
        pekare = 1;
    const qint32 k = NivaOrdning[L][size_t(pekare - 1)];
    PostRad = m_poster[L].value(k - 1);
    pekare = pekare >= NivaAntal[L] ? 1 : pekare + 1;
    return !PostRad.isEmpty();
}
