#include "drills/grammar/Bilbild.h"

#include <QPainter>
#include <QPainterPath>

Bilbild::Bilbild(const QColor &kaross, QWidget *parent)
    : QWidget(parent)
    , m_kaross(kaross)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void Bilbild::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = width();
    const qreal h = height();
    const qreal hjul = h * 0.36;

    // Body: long and low, the nose to the right (the direction of the race).
    QPainterPath kropp;
    kropp.moveTo(w * 0.02, h * 0.72);
    kropp.lineTo(w * 0.04, h * 0.40);
    kropp.lineTo(w * 0.30, h * 0.36);
    kropp.lineTo(w * 0.42, h * 0.10);
    kropp.lineTo(w * 0.62, h * 0.10);
    kropp.lineTo(w * 0.74, h * 0.38);
    kropp.lineTo(w * 0.97, h * 0.50);
    kropp.lineTo(w * 0.98, h * 0.72);
    kropp.closeSubpath();
    p.setPen(QPen(m_kaross.darker(160), 1));
    p.setBrush(m_kaross);
    p.drawPath(kropp);

    // Window and racing stripe.
    QPainterPath ruta;
    ruta.moveTo(w * 0.45, h * 0.16);
    ruta.lineTo(w * 0.60, h * 0.16);
    ruta.lineTo(w * 0.68, h * 0.36);
    ruta.lineTo(w * 0.40, h * 0.36);
    ruta.closeSubpath();
    p.setBrush(QColor(170, 215, 245));
    p.drawPath(ruta);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(w * 0.06, h * 0.50, w * 0.88, h * 0.06));

    // Wheels.
    p.setPen(QPen(Qt::black, 1));
    for (qreal x : {w * 0.22, w * 0.78}) {
        p.setBrush(QColor(30, 30, 30));
        p.drawEllipse(QPointF(x, h - hjul / 2 - 1), hjul / 2, hjul / 2);
        p.setBrush(QColor(190, 190, 190));
        p.drawEllipse(QPointF(x, h - hjul / 2 - 1), hjul / 5, hjul / 5);
    }
}
