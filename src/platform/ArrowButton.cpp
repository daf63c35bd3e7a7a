#include "platform/ArrowButton.h"

#include <QPainter>

#include <algorithm>

ArrowButton::ArrowButton(Qt::ArrowType riktning, QWidget *parent)
    : QToolButton(parent)
    , m_riktning(riktning)
{
    setArrowType(Qt::NoArrow);
}

QPolygon ArrowButton::pil() const
{
    // About two thirds as wide as the face, half as high as it is wide, and
    // never taller than three fifths of the face.
    const QRect r = rect();
    const int bredd = std::max(4, std::min(r.width() * 2 / 3, r.height() * 6 / 5));
    const int hojd = std::max(2, bredd / 2);
    const int vanster = r.center().x() - bredd / 2;
    const int topp = r.center().y() - hojd / 2;
    if (m_riktning == Qt::DownArrow)
        return QPolygon({QPoint(vanster, topp), QPoint(vanster + bredd, topp), QPoint(vanster + bredd / 2, topp + hojd)});
    return QPolygon(
        {QPoint(vanster, topp + hojd), QPoint(vanster + bredd, topp + hojd), QPoint(vanster + bredd / 2, topp)});
}

void ArrowButton::paintEvent(QPaintEvent *e)
{
    QToolButton::paintEvent(e);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(isEnabled() ? QColor(Qt::black) : QColor(150, 150, 150));
    p.drawPolygon(pil());
}
