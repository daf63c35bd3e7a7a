#include "results/protokolltabell.h"

#include "results/diagnosstatus.h"

#include <algorithm>
#include <cmath>
#include <numeric>

Tabell<qint32, 4> KolumnProcent{0, 6, 52, 68, 87};

namespace {

QString blanka(int n)
{
    return QString(n, QLatin1Char(' '));
}

QString tvaSiffror(int n)
{
    return QStringLiteral("%1").arg(n % 100, 2, 10, QLatin1Char('0'));
}

int avrunda(double v)
{
    return int(std::lround(v));
}

} // namespace

QString resultatText(qint32 n)
{
    const int fore = n < 10 ? 10 : (n <= 99 ? 8 : 6);
    return blanka(fore) + QString::number(n);
}

QString summaText(qint32 t)
{
    const int fore = t < 10 ? 10 : (t <= 99 ? 8 : 7);
    return blanka(fore) + QString::number(t);
}

qint32 protokollSumma(const TDiagnosPost &d)
{
    qint64 t = 0;
    for (int k = 1; k <= DiagnosOmradesAntal; ++k)
        t += d.Resultat[k];
    return qint32(std::clamp<qint64>(t, INT32_MIN, INT32_MAX));
}

QString protokollText(const TDiagnosPost &d, int rad, int kolumn)
{
    if (rad == 0) {
        static const std::array<QString, ProtokollKolumner> rubriker = {
            QStringLiteral("  Nr"), blanka(18) + QStringLiteral("Område"), QStringLiteral("    Resultat"),
            QStringLiteral("    Tidpunkt"), QStringLiteral("    Status")};
        return kolumn >= 0 && kolumn < ProtokollKolumner ? rubriker[size_t(kolumn)] : QString();
    }
    if (rad == SummaRad) {
        if (kolumn == 1)
            return blanka(42) + QStringLiteral("Summa:");
        if (kolumn == 2)
            return summaText(protokollSumma(d));
        return QString();
    }
    if (rad < 1 || rad > DiagnosOmradenIBruk)
        return QString();
    const int k = rad;
    switch (kolumn) {
    case 0:
        return (k < 10 ? QStringLiteral("   ") : QStringLiteral("  ")) + QString::number(k);
    case 1:
        return QStringLiteral("  ") + DiagOmraden[k];
    case 2:
        return resultatText(d.Resultat[k]);
    case 3:
        // Year 0: the time was lost with the end of a damaged register.
        if (d.Resultat[k] <= 0 || d.Ar[k] == 0)
            return QString();
        return QStringLiteral("  ") + tvaSiffror(d.Ar[k]) + tvaSiffror(d.Manad[k]) + tvaSiffror(d.Dag[k])
               + QLatin1Char(' ') + tvaSiffror(d.Timme[k]) + QLatin1Char(':') + tvaSiffror(d.Minut[k]);
    case 4:
        return QStringLiteral("    ") + StatusNamn[std::min<size_t>(d.Status[k], StatusNamn.size() - 1)];
    default:
        return QString();
    }
}

QString diagnosFilNamn(int omrade, bool ovning)
{
    return (ovning ? QStringLiteral("VROVN1") : QStringLiteral("VRDIAG"))
           + QStringLiteral("%1").arg(omrade, 2, 10, QLatin1Char('0')) + QStringLiteral(".DAT");
}

std::array<int, ProtokollKolumner> protokollKolumnBredder(int W, int M, int w)
{
    W = std::max(W, ProtokollKolumner);
    M = std::max(M, 0);
    w = std::max(w, 1);
    // The table leaves 4M free at its right, as long as the screen allows it.
    const int total = W - 4 * M >= W / 2 ? W - 4 * M : W;
    std::array<int, ProtokollKolumner> b = {5 * M, 0, w - 4 * M, w, w};
    for (int i : {0, 2, 3, 4})
        b[size_t(i)] = std::max(1, b[size_t(i)]);
    const int ovriga = b[0] + b[2] + b[3] + b[4];
    if (total - ovriga >= total / 3) {
        b[1] = total - ovriga;
        return b;
    }
    // Too narrow: the area names keep a third, the rest share what is left.
    b[1] = std::max(1, total / 3);
    const int rest = total - b[1];
    int summa = 0;
    for (int i : {0, 2, 3, 4}) {
        b[size_t(i)] = std::max(1, int(qint64(b[size_t(i)]) * rest / ovriga));
        summa += b[size_t(i)];
    }
    // The floors of 1 may have overdrawn a very small table.
    while (summa + b[1] > W) {
        auto storst = std::max_element(b.begin(), b.end());
        if (*storst <= 1)
            break;
        --*storst;
        if (storst != b.begin() + 1)
            --summa;
    }
    return b;
}

Tabell<qint32, 4> protokollKolumnProcent(int W, int M, int w)
{
    W = std::max(W, 1);
    const int p0 = avrunda(5.0 * M / W * 100);
    const int q = avrunda(double(w) / W * 100);
    const int p2 = q - 2;
    const int p3 = q + 1;
    const int p1 = 100 - p0 - 3 * p2;
    std::array<int, ProtokollKolumner> andel = {p0, p1, p2, p3, 100 - p0 - p1 - p2 - p3};
    // Every column keeps at least 1 %; what that costs comes from the widest.
    for (int &a : andel)
        a = std::clamp(a, 1, 100);
    int summa = std::accumulate(andel.begin(), andel.end(), 0);
    while (summa > 100) {
        --*std::max_element(andel.begin(), andel.end());
        --summa;
    }
    andel[1] += 100 - summa;
    Tabell<qint32, 4> pos{};
    int x = 0;
    for (int c = 1; c <= 4; ++c) {
        x += andel[size_t(c - 1)];
        pos[c] = x;
    }
    return pos;
}

bool passaKolumner(std::array<int, ProtokollKolumner> &bredd, const std::array<int, ProtokollKolumner> &behov)
{
    const int total = std::accumulate(bredd.begin(), bredd.end(), 0);
    if (std::accumulate(behov.begin(), behov.end(), 0) > total)
        return false;
    int brist = 0;
    int utrymme = 0;
    for (size_t i = 0; i < bredd.size(); ++i) {
        if (bredd[i] < behov[i])
            brist += behov[i] - bredd[i];
        else
            utrymme += bredd[i] - behov[i];
    }
    if (brist == 0)
        return true;
    std::array<int, ProtokollKolumner> ny = bredd;
    int tagit = 0;
    for (size_t i = 0; i < ny.size(); ++i) {
        if (bredd[i] < behov[i]) {
            ny[i] = behov[i];
        } else {
            const int tas = int(qint64(bredd[i] - behov[i]) * brist / utrymme);
            ny[i] -= tas;
            tagit += tas;
        }
    }
    // Rounding leaves a few units: take them from the column with most room.
    while (tagit < brist) {
        size_t bast = 0;
        for (size_t i = 1; i < ny.size(); ++i)
            if (ny[i] - behov[i] > ny[bast] - behov[bast])
                bast = i;
        --ny[bast];
        ++tagit;
    }
    bredd = ny;
    return true;
}
