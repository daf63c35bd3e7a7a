#include "frame/Postcykel.h"

#include "frame/vrsku1.h"

using namespace Ovningsrunda;

bool Postcykel::asterRaknas()
{
    return OvningsLage == Ovning || OvningsLage == DiagnosFelRunda;
}

bool Postcykel::lampknappErbjuds()
{
    return OvningsLage != Arbetsblad && OvningsLage != DiagnosTest;
}

bool Postcykel::lampanFargas()
{
    return OvningsLage == Ovning || arDiagnosOvning();
}

bool Postcykel::harInstallningar()
{
    return OvningsLage != Arbetsblad;
}

bool Postcykel::kanRattaFel(qint32 koade)
{
    return OvningsLage != Arbetsblad && OvningsLage != DiagnosTest && koade >= 1;
}

void Postcykel::nyPost()
{
    m_lage = Lage::Fragar;
    m_foreAvbrottet = Lage::Fragar;
    m_besvarad = false;
    TimerTick = 0;
    m_visadeLedtradar = 0;
    // In diagnosis practice the lamp that stays on is help with every item.
    HjalpAnvand = arDiagnosOvning() ? LampaPa : 0;
}

void Postcykel::visaForstaLedtraden()
{
    if (arDiagnos() && HjalpAnvand < 0xFF)
        ++HjalpAnvand;
    m_visadeLedtradar = qMax(m_visadeLedtradar, 1);
}

void Postcykel::visaAndraLedtraden()
{
    if (arDiagnosOvning() && HjalpAnvand < 0xFF)
        ++HjalpAnvand;
    m_visadeLedtradar = 2;
}

void Postcykel::slaPaLampan()
{
    LampaPa = 1;
    if (arDiagnosOvning() && HjalpAnvand < 0xFF)
        ++HjalpAnvand;
}

void Postcykel::slackLampan()
{
    LampaPa = 0;
}

void Postcykel::svara(bool ratt, const Felko &ko)
{
    if (ratt)
        svarRatt(raknas(), ko);
    else
        svarFel(ko);
}

Postcykel::Efter Postcykel::gaVidare(bool paus, bool pausMittIRundan)
{
    m_besvarad = true;
    if (nastaPost()) {
        m_lage = paus ? Lage::SlutPaus : Lage::Slut;
        m_panelOverPausen = false;
        return paus ? Efter::PausForeSlut : Efter::Slut;
    }
    if (paus && pausMittIRundan) {
        m_lage = Lage::Rattelse;
        return Efter::Paus;
    }
    return Efter::NastaPost;
}

bool Postcykel::tick()
{
    const bool slut = Ovningsrunda::tick();
    if (slut && m_lage == Lage::SlutPaus)
        m_lage = Lage::Slut;
    return slut;
}

void Postcykel::mellanslag()
{
    if (pausPagar())
        avbrytPaus();
}

bool Postcykel::avbryt()
{
    if (Ovningsrunda::rundanSlut())
        return false;
    oppnaSlutpanelen();
    return true;
}

void Postcykel::oppnaSlutpanelen()
{
    if (m_lage == Lage::SlutPaus) {
        m_panelOverPausen = true;
    } else if (Ovningsrunda::rundanSlut()) {
        m_lage = Lage::Slut;
    } else {
        if (m_lage != Lage::Avbrott)
            m_foreAvbrottet = m_lage == Lage::Rattelse ? Lage::Rattelse : Lage::Fragar;
        m_lage = Lage::Avbrott;
    }
}

void Postcykel::fortsatt()
{
    m_lage = m_lage == Lage::Avbrott ? m_foreAvbrottet : Lage::Fragar;
    m_foreAvbrottet = Lage::Fragar;
}
