#include "platform/ButtonCacheStyle.h"

#include <QPainter>
#include <QStyleOption>

namespace {

// Few panels have colours of their own; a run that meets more starts over.
constexpr size_t MaxPaletter = 32;

// The dotted frame of a focused button, inne pixels inside its edge.
void prickadRam(QPainter *painter, const QRect &r, int inne)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter->drawRect(r.adjusted(inne, inne, -inne - 1, -inne - 1));
    painter->restore();
}

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

void ButtonCacheStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                   const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || !(option->state & State_HasFocus) || !(option->state & State_Enabled))
        return;
    // The focus frame pupils know from other desktop programs: a dark edge
    // round the button and a dotted frame inside it.
    const QRect r = option->rect;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(Qt::black, 2));
    painter->drawRect(r.adjusted(1, 1, -1, -1));
    painter->restore();
    prickadRam(painter, r, qMax(3, qMin(r.width(), r.height()) / 8));
}

void ButtonCacheStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                          QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control != CC_ToolButton || !(option->state & State_HasFocus) || !(option->state & State_Enabled))
        return;
    // A small arrow button has room only for the dotted frame.
    const QRect r = option->rect;
    prickadRam(painter, r, qMax(2, qMin(r.width(), r.height()) / 10));
}
