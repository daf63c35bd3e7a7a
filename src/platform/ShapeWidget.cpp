#include "platform/ShapeWidget.h"

#include <QPainter>
#include <QtMath>

#include <cmath>

ShapeWidget::ShapeWidget(Form form, QWidget *parent)
    : QWidget(parent)
    , m_form(form)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void ShapeWidget::setBrushColor(const QColor &c)
{
    if (c == m_brush)
        return;
    m_brush = c;
    update();
}

void ShapeWidget::setPenColor(const QColor &c)
{
    m_pen = c;
    update();
}

void ShapeWidget::setBrushStyle(Qt::BrushStyle s)
{
    m_style = s;
    update();
}

void ShapeWidget::setPenStyle(Qt::PenStyle s, int width)
{
    m_penStyle = s;
    m_penWidth = width;
    update();
}

int ShapeWidget::indrag(int djup) const
{
    if (m_form != Form::RoundRect)
        return 0;
    // The corners are quarter circles of a quarter of the shorter side, as
    // paintEvent draws them.
    const qreal r = qMin(width(), height()) / 4.0;
    if (djup >= r)
        return 0;
    const qreal d = qMax(0, djup);
    return qCeil(r - std::sqrt(r * r - (r - d) * (r - d)));
}

void ShapeWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(m_pen, m_penWidth, m_penStyle));
    p.setBrush(QBrush(m_brush, m_style));
    const qreal rand = m_penWidth / 2.0;
    const QRectF r = QRectF(rect()).adjusted(rand, rand, -rand, -rand);
    switch (m_form) {
    case Form::Rectangle: p.drawRect(r); break;
    case Form::RoundRect: {
        const qreal radius = qMin(r.width(), r.height()) / 4;
        p.drawRoundedRect(r, radius, radius);
        break;
    }
    case Form::Circle: {
        const qreal d = qMin(r.width(), r.height());
        p.drawEllipse(QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d));
        break;
    }
    }
}

void ShapeWidget::mousePressEvent(QMouseEvent *)
{
    emit mousePressed();
}

QColor bgrFarg(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}
