#include "frame/Ovningsrunda.h"

#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/randomorder.h"
#include "frame/vrsku1.h"

namespace Ovningsrunda {

bool arDiagnosOvning()
{
    return OvningsLage == DiagnosOvning1 || OvningsLage == DiagnosOvning2;
}

bool arDiagnos()
{
    return OvningsLage == DiagnosTest || arDiagnosOvning();
}

void borja(qint32 n)
{
    FelRunda = 0;
    PostNummer = 1;
    AntalRatt = 0;
    AntalFel = 0;
    PosterPerOmgang = n;
    AntalPoster = n;
}

bool hamtaPost()
{
    bool ok = false;
    if (FelRunda == 0) {
        const qint32 post = haemta_slumptal(SlumpPosition[ListNummer], ListNummer);
        SlumpPost = quint16(post);
        ok = post > 0 && haemtaord(DataFilNamn, post);
    } else {
        ok = haemtafel(DataFilNamn, FelKoTa);
        if (ok)
            SlumpPost = quint16(FelPost);
    }
    if (!ok)
        PostRad.clear();
    str_postarray(PostRad);
    return ok;
}

void Felko::steg(qint32 lage) const
{
    haemtafel(DataFilNamn, lage);
}

qint32 Felko::antal() const
{
    return FelPerLista[ListNummer];
}

const Felko &datafilensKo()
{
    static const Felko ko;
    return ko;
}

void svarRatt(bool raknas, const Felko &ko)
{
    RattSvarFlagga = 1;
    if (raknas && AntalRatt < 0xFFFF)
        ++AntalRatt;
    if (FelRunda != 0)
        ko.steg(FelKoTaBort);
}

void svarFel(const Felko &ko)
{
    RattSvarFlagga = 0;
    if (AntalFel < 0xFFFF)
        ++AntalFel;
    ko.steg(FelRunda != 0 ? FelKoFlyttaSist : FelKoLaggTill);
}

bool nastaPost()
{
    if (PostNummer < 0xFFFF)
        ++PostNummer;
    return rundanSlut();
}

bool rundanSlut()
{
    return qint32(PostNummer) > AntalPoster;
}

bool tick()
{
    if (TimerTick < PausAvbruten)
        ++TimerTick;
    return TimerTick >= PausTid * 10;
}

void avbrytPaus()
{
    TimerTick = PausAvbruten;
}

bool startaFelRunda(const Felko &ko)
{
    const qint32 koade = ko.antal();
    if (koade <= 0)
        return false;
    AntalRatt = 0;
    FelRunda = 1;
    AntalPoster = qMin(koade, qMin(PosterPerOmgang, qint32(MaxFelRunda)));
    PostNummer = 1;
    if (arDiagnosOvning())
        OvningsLage = DiagnosFelRunda;
    return true;
}

void startaNyRunda()
{
    AntalRatt = 0;
    AntalFel = 0;
    FelRunda = 0;
    AntalPoster = PosterPerOmgang;
    if (OvningsLage == DiagnosFelRunda)
        OvningsLage = DiagnosOvning1;
    PostNummer = 1;
}

bool godOvningsrunda()
{
    return arDiagnosOvning() && FelRunda == 0 && AntalRatt >= PosterPerOmgangInst - TillatnaFel;
}

DiagnosSteg diagnosOvningSlut()
{
    if (!godOvningsrunda())
        return DiagnosSteg::Ingen;
    if (OvningsLage == DiagnosOvning2)
        return DiagnosSteg::TillTestet;
    OvningsLage = DiagnosOvning2;
    return DiagnosSteg::AndraRundan;
}

bool fortjanarLovord()
{
    return OvningsLage == Ovning && FelRunda == 0 && qint32(AntalRatt) >= AntalPoster - TillatnaFel;
}

} // namespace Ovningsrunda
