#include "frame/startbilder.h"

#include <QFontMetrics>

#include <algorithm>

QRect startbildPlats(QSize bild, const QRect &ruta, bool motHogerKant)
{
    if (bild.isEmpty() || ruta.isEmpty())
        return {};
    const QSize storlek = bild.scaled(ruta.size(), Qt::KeepAspectRatio);
    const int left = motHogerKant ? ruta.left() + ruta.width() - storlek.width() : ruta.left();
    return QRect(QPoint(left, ruta.top()), storlek);
}

namespace {

int bredastRad(const QStringList &rader, const QFont &font)
{
    const QFontMetrics fm(font);
    int w = 0;
    for (const QString &rad : rader)
        w = std::max(w, fm.horizontalAdvance(rad));
    return w;
}

} // namespace

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
