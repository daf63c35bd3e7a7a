#include "frame/pictures.h"

#include "frame/randomorder.h"
#include "frame/vrsku1.h"
#include "platform/ProgramPath.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
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
        QStringLiteral("Rockkonzert im Olympiastadion in München."),
        QStringLiteral("Wasserrad an der Regnitz."),
        QStringLiteral("Hochzeitspaar an dem Sägebock."),
        QStringLiteral("\"Zwetschgenmännla\" aus Nürnberg."),
        QStringLiteral("Surfer."),
        QStringLiteral("Der Dom in Erfurt."),
        QStringLiteral("Schloss Sanssouci in Potsdam."),
        QStringLiteral("Spreewald in Brandenburg."),
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

// The course's pictures are plain BMP files: 24 bits a pixel, uncompressed.
// Those are read here straight into an image, row by row; any other picture
// file goes through Qt's readers.
struct BmpHuvud
{
    QSize storlek;
    bool uppifran = false; // rows stored top row first
    quint32 data = 0;      // where the rows begin
    bool enkel = false;    // 24 bits a pixel, uncompressed
};

bool lasBmpHuvud(const QByteArray &b, BmpHuvud &h)
{
    if (b.size() < 34 || b[0] != 'B' || b[1] != 'M')
        return false;
    const auto *d = reinterpret_cast<const uchar *>(b.constData());
    const auto u16 = [d](int i) { return quint32(d[i]) | quint32(d[i + 1]) << 8; };
    const auto u32 = [u16](int i) { return u16(i) | u16(i + 2) << 16; };
    const quint32 dibStorlek = u32(14);
    if (dibStorlek < 40)
        return false;
    const qint32 bredd = qint32(u32(18));
    const qint32 hojd = qint32(u32(22));
    constexpr qint32 Storst = 1 << 14;
    if (bredd <= 0 || bredd > Storst || hojd == 0 || hojd < -Storst || hojd > Storst)
        return false;
    h.storlek = QSize(bredd, hojd < 0 ? -hojd : hojd);
    h.uppifran = hojd < 0;
    h.data = u32(10);
    h.enkel = u16(26) == 1 && u16(28) == 24 && u32(30) == 0 && h.data >= 14 + dibStorlek;
    return true;
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

qint32 kommandeBildnummer(qint32 steg)
{
    const qint32 antal = qBound(0, BildAntal, MaxBilder);
    if (antal == 0)
        return 0;
    const qint32 index = BildIndex < 1 || BildIndex > antal ? 1 : BildIndex;
    return slumpVandring((index - 1 + steg) % antal + 1, antal);
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

QImage lasBmp(const QByteArray &b)
{
    BmpHuvud h;
    if (!lasBmpHuvud(b, h) || !h.enkel)
        return {};
    const int w = h.storlek.width();
    const int rader = h.storlek.height();
    const qint64 steg = (qint64(w) * 3 + 3) / 4 * 4; // rows are padded to four bytes
    if (qint64(h.data) + steg * (rader - 1) + qint64(w) * 3 > b.size())
        return {};
    QImage bild(h.storlek, QImage::Format_RGB32);
    if (bild.isNull())
        return {};
    for (int y = 0; y < rader; ++y) {
        const qint64 rad = h.uppifran ? y : rader - 1 - y;
        const auto *in = reinterpret_cast<const uchar *>(b.constData() + h.data + rad * steg);
        auto *ut = reinterpret_cast<QRgb *>(bild.scanLine(y));
        for (int x = 0; x < w; ++x, in += 3)
            ut[x] = qRgb(in[2], in[1], in[0]); // stored blue, green, red
    }
    return bild;
}


QSize bildStorlek(const QString &BildFilNamn)
{
    const QString sokvag = hittaBildFil(BildFilNamn);
    if (sokvag.isEmpty())
        return {};
    QFile f(sokvag);
    BmpHuvud h;
    if (f.open(QIODevice::ReadOnly) && lasBmpHuvud(f.read(64), h))
        return h.storlek;
    QImageReader lasare(sokvag);
    return lasare.size();
}

Bildfil::Bildfil(const QString &sokvag)
{
    QFile f(sokvag);
    if (!f.open(QIODevice::ReadOnly))
        return;
    m_data = f.readAll();
    f.close();

    m_bild = lasBmp(m_data);
    if (!m_bild.isNull()) {
        m_data.clear();
        m_storlek = m_bild.size();
        return;
    }
    QBuffer data(&m_data);
    data.open(QIODevice::ReadOnly);
    QImageReader lasare(&data);
    m_storlek = lasare.size();
}

QImage Bildfil::bild(QSize mal) const
{
    if (!m_bild.isNull()) {
        if (mal.isEmpty())
            return {};
        return m_bild.scaled(mal, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (m_data.isEmpty() || (m_storlek.isValid() && mal.isEmpty()))
        return {};
    // Qt's readers decode from the bytes already read.
    QByteArray bytes = m_data;
    QBuffer data(&bytes);
    data.open(QIODevice::ReadOnly);
    QImageReader lasare(&data);
    lasare.setAutoTransform(false);
    if (m_storlek.isValid() && mal != m_storlek)
        lasare.setScaledSize(mal);
    return lasare.read();
}

QImage lasBildFil(const QString &sokvag, const std::function<QSize(QSize)> &storlek)
{
    const Bildfil fil(sokvag);
    return fil.bild(fil.storlek().isValid() ? storlek(fil.storlek()) : QSize());
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

    const bool skalas = storlek.isValid() && !storlek.isEmpty();
    QImage bildData = lasBildFil(sokvag, [&](QSize egen) {
        return skalas ? egen.scaled(storlek, Qt::KeepAspectRatio) : egen;
    });
    if (bildData.isNull())
        return {};
    bild = QPixmap::fromImage(std::move(bildData));
    QPixmapCache::insert(nyckel, bild);
    return bild;
}
