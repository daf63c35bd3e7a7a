#include "results/diagnosstatus.h"

#include "platform/Clock.h"
#include "results/diagnossession.h"

const Tabell<QString, DiagnosOmradesAntal> DiagOmraden = {
    QString(),
    QStringLiteral("Ordförrådet 1"),
    QStringLiteral("Ordförrådet 2"),
    QStringLiteral("Ordförrådet 3"),
    QStringLiteral("Ordförrådet 4"),
    QStringLiteral("Genus 1"),
    QStringLiteral("Genus 2"),
    QStringLiteral("Plural 1"),
    QStringLiteral("Plural 2"),
    QStringLiteral("Adjektiv A. Komparation. Lätt"),
    QStringLiteral("Adjektiv A. Komparation. Svår"),
    QStringLiteral("Adjektiv B. Böjning med best.ord."),
    QStringLiteral("Adjektiv B. Böjning utan best.ord."),
    QStringLiteral("Starka verb 1"),
    QStringLiteral("Starka verb 2"),
    QStringLiteral("Starka verb 3. Presens till imperfekt."),
    QStringLiteral("Starka verb 4. Imperfekt till presens."),
    QStringLiteral("Starka verb 5. Sein-Haben"),
    QString(),
    QString(),
    QString(),
};

const std::array<QString, 4> StatusNamn = {QStringLiteral("Börja"), QStringLiteral("Vänta"),
                                           QStringLiteral("Testa"), QStringLiteral("Öva")};

namespace {

std::function<void()> &protocolRedraw()
{
    static std::function<void()> redraw;
    return redraw;
}

} // namespace

bool arForegangare(int Omrade)
{
    switch (Omrade) {
    case 1: case 2: case 3: case 5: case 7: case 9: case 11: case 13:
        return true;
    default:
        return false;
    }
}

bool arEfterfoljare(int Omrade)
{
    return Omrade >= 2 && arForegangare(Omrade - 1);
}

quint8 GeStatusTal(int Omrade)
{
    if (Omrade < 1 || Omrade > DiagnosOmradesAntal)
        return StatusBorja;
    TDiagnosPost &d = AktivDiagnos;
    const int k = Omrade;
    const bool foregangare = arForegangare(k);

    if (d.Resultat[k] != 0) {
        const bool godkand = d.Resultat[k] >= DiagGrans;
        // A passed area unlocks the next one, a failed one locks it again,
        // whatever the next one's own result is.
        if (foregangare)
            d.Status[k + 1] = godkand ? StatusTesta : StatusVanta;
        return godkand ? StatusTesta : StatusOva;
    }

    const quint8 status = (arEfterfoljare(k) && d.Status[k] == StatusVanta) ? StatusVanta : StatusBorja;
    if (foregangare && d.Resultat[k + 1] == 0)
        d.Status[k + 1] = StatusVanta;
    return status;
}

TDiagnosPost statusByTheRules(TDiagnosPost p)
{
    // The rules read and write AktivDiagnos.
    std::swap(p, AktivDiagnos);
    for (int k = 1; k <= DiagnosOmradesAntal; ++k)
        AktivDiagnos.Status[k] = GeStatusTal(k);
    std::swap(p, AktivDiagnos);
    return p;
}

TDiagnosPost freshDiagnosPost()
{
    return statusByTheRules(TDiagnosPost());
}

void diagnosback(qint32 Resultat)
{
    const int k = DiagRad;
    // Only a test started from the protocol for a chosen pupil reports here;
    // a stale area or an exercise run from the menus leaves the record alone.
    if (OvningsLage != 2 || k < 1 || k > DiagnosOmradenIBruk || AktivDiagnos.Namn.isEmpty())
        return;

    TDiagnosPost &d = AktivDiagnos;
    if (d.Resultat[k] > 0 && Resultat == 0) {
        // Nothing right after an earlier result: practise first. The next
        // area keeps its status.
        d.Status[k] = StatusOva;
        d.Resultat[k] = 0;
    } else {
        d.Resultat[k] = Resultat;
        d.Status[k] = GeStatusTal(k);
    }

    const QDateTime nu = Clock::now();
    const QDate datum = nu.date();
    const QTime tid = nu.time();
    d.Ar[k] = quint16(datum.year());
    d.Manad[k] = quint16(datum.month());
    d.Dag[k] = quint16(datum.day());
    d.Timme[k] = quint16(tid.hour());
    d.Minut[k] = quint16(tid.minute());

    noteTestedArea(k);
    DiagSpara = 1;
    if (protocolRedraw())
        protocolRedraw()();
}

void setProtocolRedraw(std::function<void()> redraw)
{
    protocolRedraw() = std::move(redraw);
}

