#include "platform/ButtonCacheStyle.h"

#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyleOption>
#include <QWidget>

namespace {

// Everything the bevel's pixels depend on.
QString nyckel(QStyle::PrimitiveElement element, const QStyleOption *option, qreal dpr)
{
    size_t farger = 0;
    const QPalette &p = option->palette;
    for (int roll = 0; roll < QPalette::NColorRoles; ++roll) {
        const QBrush &b = p.brush(p.currentColorGroup(), QPalette::ColorRole(roll));
        farger = qHashMulti(farger, quint64(b.color().rgba64()), int(b.style()));
    }
    int drag = 0;
    if (const auto *knapp = qstyleoption_cast<const QStyleOptionButton *>(option))
        drag = int(knapp->features);
    return QStringLiteral("varmiko-knapp-%1-%2x%3-%4-%5-%6-%7-%8-%9")
        .arg(int(element))
        .arg(option->rect.width())
        .arg(option->rect.height())
        .arg(uint(option->state), 0, 16)
        .arg(int(option->direction))
        .arg(drag)
        .arg(int(p.currentColorGroup()))
        .arg(dpr)
        .arg(quint64(farger), 0, 16);
}

} // namespace

ButtonCacheStyle::ButtonCacheStyle(QStyle *base)
    : QProxyStyle(base)
{
}

void ButtonCacheStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                     const QWidget *widget) const
{
    // Only where a picture is drawn pixel for pixel as the style would draw.
    if (element != PE_PanelButtonCommand || option->rect.isEmpty() || option->rect.width() > 2048 || option->rect.height() > 2048
        || painter->deviceTransform().type() > QTransform::TxTranslate) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const qreal dpr = widget ? widget->devicePixelRatio() : painter->device()->devicePixelRatio();
    const QString key = nyckel(element, option, dpr);
    QPixmap bild;
    if (!QPixmapCache::find(key, &bild)) {
        bild = QPixmap(option->rect.size() * dpr);
        bild.setDevicePixelRatio(dpr);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        const auto mala = [&](auto kopia) {
            kopia.rect = QRect(QPoint(0, 0), option->rect.size());
            QProxyStyle::drawPrimitive(element, &kopia, &p, widget);
        };
        if (const auto *knapp = qstyleoption_cast<const QStyleOptionButton *>(option))
            mala(*knapp);
        else if (const auto *verktyg = qstyleoption_cast<const QStyleOptionToolButton *>(option))
            mala(*verktyg);
        else
            mala(*option);
        p.end();
        QPixmapCache::insert(key, bild);
    }
    painter->drawPixmap(option->rect.topLeft(), bild);
}
