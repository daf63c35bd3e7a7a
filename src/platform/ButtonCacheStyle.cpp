#include "platform/ButtonCacheStyle.h"

#include <QStyleOption>

namespace {

// Few panels have colours of their own; a run that meets more starts over.
constexpr size_t MaxPaletter = 32;

} // namespace

ButtonCacheStyle::ButtonCacheStyle(QStyle *base)
    : QProxyStyle(base)
{
}

const QPalette &ButtonCacheStyle::likadan(const QPalette &p) const
{
    for (const QPalette &kand : m_paletter)
        if (kand.currentColorGroup() == p.currentColorGroup() && kand == p)
            return kand;
    if (m_paletter.size() >= MaxPaletter)
        m_paletter.clear();
    m_paletter.push_back(p);
    return m_paletter.back();
}

void ButtonCacheStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                     const QWidget *widget) const
{
    if (element != PE_PanelButtonCommand) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QPalette &palett = likadan(option->palette);
    const auto rita = [&](auto kopia) {
        kopia.palette = palett;
        QProxyStyle::drawPrimitive(element, &kopia, painter, widget);
    };
    if (palett.cacheKey() == option->palette.cacheKey())
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    else if (const auto *knapp = qstyleoption_cast<const QStyleOptionButton *>(option))
        rita(*knapp);
    else if (const auto *verktyg = qstyleoption_cast<const QStyleOptionToolButton *>(option))
        rita(*verktyg);
    else
        rita(*option);
}
