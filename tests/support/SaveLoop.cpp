#include "SaveLoop.h"

#include "drills/grammar/stegfil.h"
#include "frame/vrsku1.h"
#include "platform/MessageBox.h"
#include "results/diagnosregister.h"
#include "results/lararlosen.h"
#include "results/rekordtabell.h"

#include <QCoreApplication>

namespace SaveLoop {

QString program()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/saveloop");
}

TDiagnosPost pupilRecord(const QString &name, int n)
{
    TDiagnosPost p;
    p.Namn = name;
    p.Losen = QString::number(n % 100000);
    for (int k = 1; k <= DiagnosOmradesAntal; ++k) {
        p.Resultat[k] = n;
        p.Status[k] = quint8((n + k) % 4);
        p.Ar[k] = quint16(2000 + n % 100);
        p.Manad[k] = quint16(1 + n % 12);
        p.Dag[k] = quint16(1 + n % 28);
        p.Timme[k] = quint16(n % 24);
        p.Minut[k] = quint16(n % 60);
    }
    return p;
}

TRekordRad tableEntry(const QString &name, int n)
{
    TRekordRad r;
    r.Namn = name + QLatin1Char(' ') + QString::number(n);
    r.Ar = 2024;
    r.Manad = 5;
    r.Dag = 17;
    r.Timme = 9;
    r.Minut = 30;
    r.Resultat = quint16(n % 60000);
    return r;
}

qint32 level(int n)
{
    return 2 + (n - 1) % 19;
}

QString password(int n)
{
    return QStringLiteral("Lo") + QString::number(n % 10000000);
}

QString pupilPassword(int n)
{
    return QStringLiteral("Neu") + QString::number(n % 10000000);
}

bool save(const QString &kind, const QString &dir, const QStringList &names, int n)
{
    DiagnosPath = dir;
    DiagnosPathKlar = 1;
    bool ok = true;
    if (kind == QLatin1String("register")) {
        for (const QString &name : names) {
            // As a program does: the pupil is read, every field changed and
            // saved.
            HaemtaDiagnos(name);
            const QByteArray lastBytes = AktivDiagnos.lastBytes;
            AktivDiagnos = pupilRecord(name, n);
            AktivDiagnos.lastBytes = lastBytes;
            ok = SparaProtokoll() && ok;
        }
    } else if (kind == QLatin1String("table")) {
        QString message;
        if (!saveRecordEntry(dir + QLatin1Char('/') + TableFile, tableEntry(names.value(0), n), false, message)) {
            MessageBox::warning(message);
            ok = false;
        }
    } else if (kind == QLatin1String("level")) {
        for (const QString &name : names)
            ok = sparaStegNiva(LevelFile, name, level(n)) && ok;
    } else if (kind == QLatin1String("password")) {
        AktivDiagnos.Losen = password(n);
        ok = LararLosenFil(2);
    } else {
        ok = false;
    }
    return ok;
}

} // namespace SaveLoop
