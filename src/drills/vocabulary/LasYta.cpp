#include "drills/vocabulary/LasYta.h"

#include <QPainter>

LasYta::LasYta(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(false);
}

void LasYta::rensa()
{
    m_texter.clear();
    m_suddat.clear();
    update();
}

void LasYta::skriv(int x, int y, const QString &text)
{
    m_texter.append({QPoint(x, y), text});
    update();
}

void LasYta::sudda(int x, int y, const QString &text)
{
    const QFontMetrics fm(font());
    // One pixel to the left as well: a glyph may reach a little before the
    // point its advance starts from.
    m_suddat.append(QRect(x - 1, y, fm.horizontalAdvance(text) + 1, fm.height()));
    update();
}

void LasYta::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), silver());
    p.setFont(font());
    p.setPen(Qt::black);
    const QFontMetrics fm(font());
    for (const Text &t : std::as_const(m_texter))
        p.drawText(QRect(t.plats, QSize(fm.horizontalAdvance(t.text) + 4, fm.height())),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, t.text);
    for (const QRect &r : std::as_const(m_suddat))
        p.fillRect(r, silver());
}
