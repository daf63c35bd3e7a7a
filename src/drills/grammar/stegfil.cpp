#include "drills/grammar/stegfil.h"

#include "drills/grammar/TStegPost.h"
#include "frame/vrsku1.h"
#include "platform/Cp1252.h"
#include "platform/FileLock.h"
#include "platform/MessageBox.h"
#include "platform/ProgramPath.h"
#include "platform/SafeRewrite.h"
#include "results/filhinder.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStringList>

namespace {

QString visad(const QString &sokvag)
{
    return ProgramPath::normalise(sokvag);
}

bool sammaNamn(const QString &a, const QString &b)
{
    return Cp1252::upper(a) == Cp1252::upper(b);
}

struct StegFil
{
    QString katalog;        // the diagnosis directory on the disk; empty when missing
    QString sokvag;         // the file, or where it is to be created
    bool finns = false;     // the file exists
    QByteArray data;        // its bytes
    QList<QByteArray> poster; // its whole records that the program writes
    bool skadad = false;    // a cut-off end or records the program never writes
};

enum class Lasning { Ok, Saknas, Fel };

QString stegKatalog()
{
    const QString katalog = ProgramPath::resolve(DiagnosPath);
    return !katalog.isEmpty() && QFileInfo(katalog).isDir() ? katalog : QString();
}

// Opens the file for reading; a failed open is tried once more.
Lasning lasStegFil(const QString &StegFilNamn, StegFil &fil)
{
    fil = StegFil();
    fil.katalog = stegKatalog();
    if (fil.katalog.isEmpty())
        return Lasning::Saknas;
    fil.sokvag = ProgramPath::resolve(fil.katalog, StegFilNamn);
    if (fil.sokvag.isEmpty()) {
        fil.sokvag = fil.katalog + QLatin1Char('/') + StegFilNamn;
        return Lasning::Saknas;
    }
    fil.finns = true;
    QFile f(fil.sokvag);
    if (QFileInfo(fil.sokvag).isDir() || (!f.open(QIODevice::ReadOnly) && !f.open(QIODevice::ReadOnly)))
        return Lasning::Fel;
    fil.data = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return Lasning::Fel;
    for (qsizetype at = 0; at + TStegPost::Storlek <= fil.data.size(); at += TStegPost::Storlek) {
        const QByteArray post = fil.data.mid(at, TStegPost::Storlek);
        if (TStegPost::arHel(post))
            fil.poster.append(post);
        else
            fil.skadad = true;
    }
    if (fil.data.size() % TStegPost::Storlek != 0)
        fil.skadad = true;
    return Lasning::Ok;
}

QString olasbar(const QString &sokvag)
{
    return QStringLiteral("Nivåfilen ") + visad(sokvag) + QStringLiteral(" kan inte läsas.");
}

// A name beside the file that no file has yet: "X.STE.bad", "X.STE-2.bad" …
QString ledigtNamn(const QString &katalog, const QString &namn)
{
    for (int n = 1;; ++n) {
        const QString kandidat = n == 1 ? namn + QStringLiteral(".bad") : namn + QStringLiteral("-%1.bad").arg(n);
        if (ProgramPath::resolve(katalog, kandidat).isEmpty())
            return katalog + QLatin1Char('/') + kandidat;
    }
}

// Copies the bytes of a damaged file to a new file beside it.
bool sparaUndan(const StegFil &fil, QString &kopia)
{
    kopia = ledigtNamn(fil.katalog, QFileInfo(fil.sokvag).fileName());
    return SafeRewrite::writeNew(kopia, fil.data);
}

// Writes the records to a temporary file and renames it over the file. The
// old file is untouched until the new one is whole on the disk.
bool skrivStegFil(const StegFil &fil, const QList<QByteArray> &poster)
{
    SafeRewrite slask(fil.sokvag);
    return slask.open() && slask.commit(poster);
}

// The save proper, with the file locked; what the pupil is to be told is
// collected in meddelanden and shown after the lock is released.
bool sparaLast(const QString &StegFilNamn, const TStegPost &egen, QStringList &meddelanden)
{
    StegFil fil;
    const Lasning l = lasStegFil(StegFilNamn, fil);
    if (fil.katalog.isEmpty()) {
        meddelanden << QStringLiteral("Nivån kunde inte sparas: katalogen ") + visad(DiagnosPath)
                           + QStringLiteral(" finns inte.");
        return false;
    }
    if (l == Lasning::Fel) {
        // Never create a new file over one that exists but cannot be read.
        meddelanden << olasbar(fil.sokvag) + QStringLiteral(" Nivån har inte sparats.");
        return false;
    }

    QList<QByteArray> nya;
    if (l == Lasning::Saknas) {
        nya.append(egen.toBytes());
    } else {
        bool hojd = false;
        for (QByteArray post : std::as_const(fil.poster)) {
            const TStegPost p = TStegPost::fromBytes(post);
            if (sammaNamn(p.Namn, egen.Namn) && egen.Niva > p.Niva) {
                TStegPost::sattNiva(post, egen.Niva);
                hojd = true;
            }
            if (!p.Namn.isEmpty() && TStegPost::fromBytes(post).Niva >= 2)
                nya.append(post);
        }
        if (!hojd && egen.Niva >= 2)
            nya.append(egen.toBytes());
    }

    if (fil.skadad) {
        QString kopia;
        if (!sparaUndan(fil, kopia)) {
            meddelanden << QStringLiteral("Nivåfilen ") + visad(fil.sokvag)
                               + QStringLiteral(" är skadad och kunde inte sparas undan. ")
                               + QStringLiteral("Nivån har inte sparats.");
            return false;
        }
        meddelanden << QStringLiteral("Nivåfilen ") + visad(fil.sokvag)
                           + QStringLiteral(" var skadad. Hela filen har sparats undan som ") + visad(kopia)
                           + QStringLiteral(", och nivåfilen skrivs om med de hela posterna.");
    }
    if (!skrivStegFil(fil, nya)) {
        const QString hinder = replaceObstacleMessage(QStringLiteral("Nivåfilen"), fil.sokvag);
        meddelanden << (hinder.isEmpty() ? QStringLiteral("Nivån kunde inte sparas i filen ") + visad(fil.sokvag)
                                               + QStringLiteral(". Den gamla nivåfilen är oförändrad.")
                                         : QStringLiteral("Nivån kunde inte sparas. ") + hinder);
        return false;
    }
    return true;
}

} // namespace

QString stegFilSokvag(const QString &StegFilNamn)
{
    const QString katalog = stegKatalog();
    if (katalog.isEmpty())
        return {};
    const QString sokvag = ProgramPath::resolve(katalog, StegFilNamn);
    return sokvag.isEmpty() ? katalog + QLatin1Char('/') + StegFilNamn : sokvag;
}

void tellStegFilObstacle(const QString &StegFilNamn)
{
    if (StegFilNamn.isEmpty())
        return;
    // A file not made yet has nothing in its way.
    const QString hinder = replaceObstacleMessage(QStringLiteral("Nivåfilen"), stegFilSokvag(StegFilNamn));
    if (!hinder.isEmpty())
        MessageBox::showMessage(hinder);
}

StegHamtning hamtaStegNiva(const QString &StegFilNamn, const QString &Namn, qint32 AntalNivaer, qint32 &StegNiva)
{
    StegFil fil;
    switch (lasStegFil(StegFilNamn, fil)) {
    case Lasning::Saknas:
        return StegHamtning::IngenFil;
    case Lasning::Fel:
        MessageBox::showMessage(olasbar(fil.sokvag));
        return StegHamtning::Fel;
    case Lasning::Ok:
        break;
    }
    if (fil.skadad)
        MessageBox::showMessage(QStringLiteral("Nivåfilen ") + visad(fil.sokvag)
                                + QStringLiteral(" är skadad. Nivåerna i dess hela poster används."));
    for (const QByteArray &b : std::as_const(fil.poster)) {
        const TStegPost post = TStegPost::fromBytes(b);
        if (!post.Namn.isEmpty() && sammaNamn(post.Namn, Namn) && AntalNivaer >= 1) {
            StegNiva = qMin(post.Niva, AntalNivaer);
            return StegHamtning::Hittad;
        }
    }
    return StegHamtning::InteHittad;
}

bool sparaStegNiva(const QString &StegFilNamn, const QString &Namn, qint32 StegNiva)
{
    TStegPost egen;
    egen.Namn = Namn;
    egen.Niva = StegNiva;
    QStringList meddelanden;
    bool sparad = false;
    const QString katalog = stegKatalog();
    {
        // Pupils on other computers may save into the same file: it is read
        // again under the lock and only this pupil's records change.
        FileLock las(katalog.isEmpty() ? QString() : katalog + QLatin1Char('/') + StegFilNamn);
        if (las.lock())
            sparad = sparaLast(StegFilNamn, egen, meddelanden);
        else
            meddelanden << QStringLiteral("Nivån kunde inte sparas: nivåfilen ") + visad(stegFilSokvag(StegFilNamn))
                               + QStringLiteral(" sparas just nu av ett annat program. Försök igen om en stund.");
    }
    for (const QString &m : std::as_const(meddelanden))
        MessageBox::showMessage(m);
    return sparad;
}
