#include "bench.h"

#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/vrsku1.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

#include <QFileInfo>

#include <algorithm>
#include <functional>

namespace bench {

// The work on one data file of 1900 items, half of them scrambled: counting
// it as its first opening does (read, decode, count), unscrambling every
// line, and splitting every item into its fields. Two files take turns, so
// that each count reads its file again.
int runDataFiles(const QStringList &args)
{
    const int runs = intOption(args, QStringLiteral("--runs"), 30);
    vrsku1_start();
    if (AvslutaProgrammet) {
        fail(QStringLiteral("no DATA directory"));
        return exitCode();
    }

    // The two largest files of the list.
    QList<QPair<qint64, QString>> storlekar;
    for (int i = 1; i <= AntalDatFiler; ++i)
        storlekar.append({QFileInfo(hittaDataFil(DatFiler[i])).size(), DatFiler[i]});
    std::sort(storlekar.begin(), storlekar.end(), std::greater<>());
    if (storlekar.size() < 2) {
        fail(QStringLiteral("the course has fewer than two data files"));
        return exitCode();
    }
    const QString filer[2] = {storlekar[0].second, storlekar[1].second};

    QElapsedTimer t;
    for (int i = 0; i < runs; ++i) {
        const QString &fil = filer[i % 2];
        const qint32 nr = listNummerFor(fil);
        PostAntal[nr] = 0;
        t.start();
        ordantal(fil, nr, true, 0, false);
        const double ms = msSince(t);
        if (PostAntal[nr] == 0) {
            fail(QStringLiteral("%1 has no items").arg(fil));
            return exitCode();
        }
        sample(QStringLiteral("files.count"), ms);
        sample(QStringLiteral("files.items"), PostAntal[nr]);
    }

    QStringList rader;
    lasDataFil(hittaDataFil(filer[0]), rader);
    QStringList poster;
    for (const QString &rad : rader)
        if (arPostRad(rad))
            poster.append(rad);

    qsizetype summa = 0; // keeps the work from being optimised away
    for (int i = 0; i < runs; ++i) {
        t.start();
        for (const QString &rad : poster)
            summa += dekryptrad(rad).size();
        sample(QStringLiteral("files.unscramble"), msSince(t));

        t.start();
        for (const QString &rad : poster) {
            str_postarray(rad);
            summa += AntalFalt;
        }
        sample(QStringLiteral("files.split"), msSince(t));

        t.start();
        haemtaord(filer[0], qint32(poster.size()));
        str_postarray(PostRad);
        sample(QStringLiteral("files.fetchlast"), msSince(t));
    }
    if (summa == 0)
        fail(QStringLiteral("nothing was unscrambled"));
    return exitCode();
}

} // namespace bench
