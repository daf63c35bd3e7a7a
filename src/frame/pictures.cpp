#include "frame/pictures.h"

#include "frame/randomorder.h"
#include "frame/vrsku1.h"
#include "platform/ProgramPath.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>

namespace {

constexpr int AntalBildTexter = 44;

const QString &bildText(int nummer)
{
    static const QString texter[AntalBildTexter + 1] = {
        QString(),
        QStringLiteral("Porta Nigra, Trier."),
        QStringLiteral("Römischer Wachtturm am Rhein."),
        QStringLiteral("Römische Säulen."),
        QStringLiteral("Köln."),
        QStringLiteral("Kölner Dom."),
        QStringLiteral("Kühltürme am Niederrhein."),
        QStringLiteral("Berlin: Brandenburger Tor mit Mauer."),
        QStringLiteral("Die Mauer in Berlin."),
        QStringLiteral("Ausflugsschiff auf der Spree, Berlin."),
        QStringLiteral("Nürnberg: Kaiserburg."),
        QStringLiteral("Heidelberg: Neckarbrücke vom Schloss."),
        QStringLiteral("Bruchsal: Schloss."),
        QStringLiteral("Rheinschiff."),
        QStringLiteral("Kaub am Rhein (Pfalzgrafenstein)."),
        QStringLiteral("Blick von der Lorelei auf den Rhein."),
        QStringLiteral("Düsseldorf: Rheinhafen."),
        QStringLiteral("Watzmann, Östliche Bayerische Alpen."),
        QStringLiteral("Zugspitzbahn, Zahnradbahn."),
        QStringLiteral("Zugspitzgipfel."),
        QStringLiteral("Gipfelkreuz der Zugspitze."),
        QStringLiteral("Berg - Gottesdienst."),
        QStringLiteral("Mohnblüte."),
        QStringLiteral("Kind mit Katze."),
        QStringLiteral("Schulklasse."),
        QStringLiteral("Familien - Sport."),
        QStringLiteral("Jugendgruppe."),
        QStringLiteral("Rockkonsert im Olympiastadion in München."),
        QStringLiteral("Wasserrad an der Regnitz."),
        QStringLiteral("Hochzeitspaar an dem Sägebock."),
        QStringLiteral("\"Zwetschgenmännla\" aus Nürnberg."),
        QStringLiteral("Surfer."),
        QStringLiteral("Der Dom in Erfurt."),
        QStringLiteral("Schloss Sanssouci in Potsdam."),
        QStringLiteral("Spreewald in Berlin."),
        QStringLiteral("Walhalla an der Donau."),
        QStringLiteral("Steinlöwe am Denkmal."),
        QStringLiteral("Nationaltheater, München."),
        QStringLiteral("Schloss Nymphenburg in München."),
        QStringLiteral("Schloss Nymphenburg in München."),
        QStringLiteral("Oktoberfestzug in München."),
        QStringLiteral("Konzentrationslager - Dachau."),
        QStringLiteral("Eifel-Maar."),
        QStringLiteral("."),
        QStringLiteral("."),
    };
    return texter[nummer];
}

// Start pictures that show another scene than the reward picture of the
// same number.
const QString *startBildText(int nummer)
{
    static const QString rheinschiff = QStringLiteral("Rheinschiff.");
    static const QString neuschwanstein = QStringLiteral("Schloss Neuschwanstein");
    static const QString loewe = QStringLiteral("Löwe in Stein");
    switch (nummer) {
    case 14:
        return &rheinschiff;
    case 22:
        return &neuschwanstein;
    case 36:
        return &loewe;
    default:
        return nullptr;
    }
}

} // namespace

qint32 haemta_Bildslumptal(qint32 Pos)
{
    Q_UNUSED(Pos); // the draw always takes BildIndex, which callers pass
    const qint32 antal = qBound(0, BildAntal, MaxBilder);
    if (antal == 0) {
        GeBildText(0, BildText);
        return 0;
    }
    if (BildListaNy == 1) {
        for (qint32 j = 1; j <= antal; ++j)
            BildLista[j] = slumpVandring(j, antal);
        BildListaNy = 0;
    }
    if (BildIndex < 1 || BildIndex > antal)
        BildIndex = 1;
    const qint32 nummer = BildLista[BildIndex];
    BildIndex = BildIndex < antal ? BildIndex + 1 : 1;
    QString text;
    GeBildText(nummer, text);
    return nummer;
}

void GeBildText(qint32 Nummer, QString &Text)
{
    if (Nummer < 1 || Nummer > AntalBildTexter)
        BildText.clear();
    else if (const QString *start = MusOverBild == 1 ? startBildText(Nummer) : nullptr)
        BildText = *start;
    else
        BildText = bildText(Nummer);
    Text = BildText;
}

QString startBildPrefix(int skarmBredd)
{
    if (skarmBredd < 701)
        return QStringLiteral("VRSL");
    if (skarmBredd < 900)
        return QStringLiteral("VRSM");
    return QStringLiteral("VRSS");
}

QString bildFilNamn(const QString &prefix, qint32 nummer)
{
    return QStringLiteral("\\BILD\\") + prefix + QStringLiteral("%1").arg(nummer, 3, 10, QChar(u'0'))
           + QStringLiteral(".BMP");
}

QString hittaBildFil(const QString &BildFilNamn)
{
    if (BildFilNamn.trimmed().isEmpty())
        return {};
    QString p = ProgramPath::resolve(PCPath, BildFilNamn);
    if (p.isEmpty() || !QFileInfo(p).isFile())
        p = ProgramPath::resolve(CDPath, BildFilNamn);
    if (p.isEmpty() || !QFileInfo(p).isFile())
        return {};
    return p;
}

QPixmap laddaBild(const QString &BildFilNamn, const QSize &storlek)
{
    const QString sokvag = hittaBildFil(BildFilNamn);
    if (sokvag.isEmpty())
        return {};
    const QFileInfo info(sokvag);
    // A file changed on disk gets a key of its own, so it is read again.
    const QString nyckel = QStringLiteral("varmiko:%1:%2:%3:%4x%5")
                               .arg(sokvag)
                               .arg(info.lastModified().toMSecsSinceEpoch())
                               .arg(info.size())
                               .arg(storlek.width())
                               .arg(storlek.height());
    QPixmap bild;
    if (QPixmapCache::find(nyckel, &bild))
        return bild;

    QImageReader lasare(sokvag);
    lasare.setAutoTransform(false);
    if (storlek.isValid() && !storlek.isEmpty()) {
        const QSize egen = lasare.size();
        if (egen.isValid())
            lasare.setScaledSize(egen.scaled(storlek, Qt::KeepAspectRatio));
    }
    const QImage bildData = lasare.read();
    if (bildData.isNull())
        return {};
    bild = QPixmap::fromImage(bildData);
    QPixmapCache::insert(nyckel, bild);
    return bild;
}
