#include "results/diagnossession.h"

#include "platform/Cp1252.h"
#include "results/diagnosstatus.h"

namespace {

DiagnosSession &session()
{
    static DiagnosSession s;
    return s;
}

bool sameName(const QString &a, const QString &b)
{
    return Cp1252::upper(a) == Cp1252::upper(b);
}

bool timeDiffers(const TDiagnosPost &a, const TDiagnosPost &b, int k)
{
    return a.Ar[k] != b.Ar[k] || a.Manad[k] != b.Manad[k] || a.Dag[k] != b.Dag[k] || a.Timme[k] != b.Timme[k]
           || a.Minut[k] != b.Minut[k];
}

void copyArea(TDiagnosPost &to, const TDiagnosPost &from, int k)
{
    to.Resultat[k] = from.Resultat[k];
    to.Status[k] = from.Status[k];
    to.Ar[k] = from.Ar[k];
    to.Manad[k] = from.Manad[k];
    to.Dag[k] = from.Dag[k];
    to.Timme[k] = from.Timme[k];
    to.Minut[k] = from.Minut[k];
}

} // namespace

void startDiagnosSession(bool inRegister)
{
    DiagnosSession &s = session();
    s = DiagnosSession();
    s.namn = AktivDiagnos.Namn;
    s.iRegistret = inRegister;
    s.bas = AktivDiagnos;
}

void endDiagnosSession()
{
    session() = DiagnosSession();
}

void noteTestedArea(int k)
{
    sessionOfAktivDiagnos().provade.insert(k);
}

DiagnosSession &sessionOfAktivDiagnos()
{
    DiagnosSession &s = session();
    if (s.namn.isEmpty() || !sameName(s.namn, AktivDiagnos.Namn)) {
        s = DiagnosSession();
        s.namn = AktivDiagnos.Namn;
        s.bas = freshDiagnosPost();
        s.bas.Namn = AktivDiagnos.Namn;
    }
    return s;
}

void sessionSaved(const TDiagnosPost &saved)
{
    DiagnosSession &s = session();
    s = DiagnosSession();
    s.namn = saved.Namn;
    s.iRegistret = true;
    s.bas = saved;
}

TDiagnosPost withSessionChanges(const TDiagnosPost &stored, const TDiagnosPost &aktiv, const DiagnosSession &s)
{
    const TDiagnosPost &bas = s.bas;
    TDiagnosPost m = stored;
    std::array<bool, DiagnosOmradesAntal + 1> hela{};
    for (int k = 1; k <= DiagnosOmradesAntal; ++k) {
        hela[size_t(k)] = s.provade.contains(k) || aktiv.Resultat[k] != bas.Resultat[k] || timeDiffers(aktiv, bas, k);
        if (!hela[size_t(k)])
            continue;
        copyArea(m, aktiv, k);
        // A test sets the next area of its chain, whatever that one holds.
        if (arForegangare(k))
            m.Status[k + 1] = aktiv.Status[k + 1];
    }
    for (int k = 1; k <= DiagnosOmradesAntal; ++k)
        if (!hela[size_t(k)] && aktiv.Status[k] != bas.Status[k])
            m.Status[k] = aktiv.Status[k];
    if (aktiv.Losen != bas.Losen)
        m.Losen = aktiv.Losen;
    return m;
}
