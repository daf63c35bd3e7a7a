#include "frame/startbilder.h"

#include "frame/pictures.h"

#include <QFontMetrics>

#include <algorithm>
#include <memory>
#include <optional>
#include <system_error>

QRect startbildPlats(QSize bild, const QRect &ruta, bool motHogerKant)
{
    if (bild.isEmpty() || ruta.isEmpty())
        return {};
    const QSize storlek = bild.scaled(ruta.size(), Qt::KeepAspectRatio);
    const int left = motHogerKant ? ruta.left() + ruta.width() - storlek.width() : ruta.left();
    return QRect(QPoint(left, ruta.top()), storlek);
}

StartbildLasare::StartbildLasare(QStringList filer)
    : m_filer(std::move(filer))
    , m_rumLast(m_rum.get_future())
{
    try {
        m_trad = std::thread(&StartbildLasare::las, this);
    } catch (const std::system_error &) {
        // No thread to be had: the pictures are read when they are asked for.
    }
}

StartbildLasare::~StartbildLasare()
{
    // The thread reads no further.
    m_avbryt = true;
    placera({});
    if (m_trad.joinable())
        m_trad.join();
}

void StartbildLasare::placera(QList<Startbild> bilder, std::function<void()> narKlar)
{
    if (m_placerad)
        return;
    m_placerad = true;
    m_narKlar = std::move(narKlar);
    m_rum.set_value(std::move(bilder));
}

QList<Startbild> &StartbildLasare::bilder()
{
    placera({}); // no rooms when none were told
    if (m_trad.joinable())
        m_trad.join();
    else if (!m_last)
        las();
    return m_bilder;
}

void StartbildLasare::las()
{
    std::vector<std::optional<Bildfil>> lasta(size_t(m_filer.size()));
    for (qsizetype i = 0; i < m_filer.size() && !m_avbryt; ++i) {
        const QString sokvag = hittaBildFil(m_filer[i]);
        if (!sokvag.isEmpty())
            lasta[size_t(i)].emplace(sokvag);
    }
    QList<Startbild> bilder = m_rumLast.get();
    for (qsizetype i = 0; i < bilder.size() && i < m_filer.size(); ++i) {
        Startbild &b = bilder[i];
        const std::optional<Bildfil> &fil = lasta[size_t(i)];
        if (!fil)
            continue;
        b.plats = startbildPlats(fil->storlek(), b.ruta, b.motHogerKant);
        b.bild = fil->bild(b.plats.size());
        if (b.bild.isNull())
            b.plats = QRect();
    }
    m_bilder = std::move(bilder);
    m_last = true;
    m_klar = true;
    if (m_narKlar && !m_avbryt)
        m_narKlar();
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
