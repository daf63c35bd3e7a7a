#include "frame/startbilder.h"

#include "frame/pictures.h"

#include <QFontMetrics>

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

QRect startbildPlats(QSize bild, const QRect &ruta, bool motHogerKant)
{
    if (bild.isEmpty() || ruta.isEmpty())
        return {};
    const QSize storlek = bild.scaled(ruta.size(), Qt::KeepAspectRatio);
    const int left = motHogerKant ? ruta.left() + ruta.width() - storlek.width() : ruta.left();
    return QRect(QPoint(left, ruta.top()), storlek);
}

namespace {

void lasStartbild(Startbild &b)
{
    b.bild = QImage();
    b.plats = QRect();
    if (b.fil.isEmpty())
        return;
    b.bild = lasBildFil(b.fil, [&b](QSize egen) {
        b.plats = startbildPlats(egen, b.ruta, b.motHogerKant);
        return b.plats.size();
    });
    if (b.bild.isNull())
        b.plats = QRect();
}

int bredastRad(const QStringList &rader, const QFont &font)
{
    const QFontMetrics fm(font);
    int w = 0;
    for (const QString &rad : rader)
        w = std::max(w, fm.horizontalAdvance(rad));
    return w;
}

} // namespace

void lasStartbilder(QList<Startbild> &bilder)
{
    std::vector<std::thread> tradar;
    qsizetype i = 1;
    try {
        for (; i < bilder.size(); ++i)
            tradar.emplace_back(lasStartbild, std::ref(bilder[i]));
    } catch (const std::system_error &) {
        // No thread to be had: the rest are read here, in turn.
    }
    if (!bilder.isEmpty())
        lasStartbild(bilder[0]);
    for (qsizetype j = qsizetype(tradar.size()) + 1; j < bilder.size(); ++j)
        lasStartbild(bilder[j]);
    for (std::thread &t : tradar)
        t.join();
}

int bildtextStorlek(const QStringList &rader, QFont font, int designPixlar, int golv, int bredd)
{
    golv = std::max(1, std::min(golv, designPixlar));
    font.setPixelSize(designPixlar);
    const int w = bredastRad(rader, font);
    if (w <= bredd)
        return designPixlar;
    // Width grows about in step with the size: start from the proportional
    // size and correct for rounding in the metrics.
    int storlek = std::max(golv, int(qint64(designPixlar) * std::max(bredd, 0) / w));
    font.setPixelSize(storlek);
    while (storlek > golv && bredastRad(rader, font) > bredd)
        font.setPixelSize(--storlek);
    return storlek;
}
