#include "drills/vocabulary/Zodiakbild.h"

#include "drills/vocabulary/horoskop.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

Zodiakbild::Zodiakbild(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(Bredd, Hojd);
    setCursor(Qt::PointingHandCursor);
}

void Zodiakbild::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // The sky is the window's, behind the picture.

    // The circle of the year behind the signs.
    const QPointF mitt(350, 240);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 110, 170), 2));
    p.drawEllipse(mitt, 290, 196);
    p.setPen(QPen(QColor(60, 80, 140), 1, Qt::DashLine));
    p.drawEllipse(mitt, 250, 160);

    QFont symbol(QStringLiteral("DejaVu Sans"));
    symbol.setPixelSize(46);
    QFont namn(QStringLiteral("Arial"));
    namn.setPixelSize(16);
    namn.setBold(true);
    for (int i = 0; i < AntalTecken; ++i) {
        const QRect ruta(hrutPlats(i), QSize(RutBredd, RutHojd));
        // The boxes of neighbouring signs overlap a little: each sign keeps
        // to the upper middle of its own.
        const QRectF skiva(ruta.left() + 30, ruta.top() + 4, 76, 76);
        QRadialGradient glans(skiva.center(), skiva.width() / 2);
        glans.setColorAt(0, QColor(70, 60, 140));
        glans.setColorAt(1, QColor(30, 26, 80));
        p.setPen(QPen(QColor(230, 200, 90), 2));
        p.setBrush(glans);
        p.drawEllipse(skiva);
        p.setFont(symbol);
        p.setPen(QColor(255, 220, 110));
        p.drawText(skiva, Qt::AlignCenter, teckenSymbol(i));
        p.setFont(namn);
        p.setPen(QColor(180, 230, 255));
        p.drawText(QRect(ruta.left(), ruta.top() + 81, ruta.width(), 22), Qt::AlignCenter, teckenNamn(i));
    }
    QFont unten(QStringLiteral("Arial"));
    unten.setPixelSize(24);
    unten.setBold(true);
    p.setFont(unten);
    p.setPen(QColor(255, 220, 110));
    p.drawText(QRect(0, 500, Bredd, 60), Qt::AlignCenter, QStringLiteral("Wähle dein Sternzeichen!"));
}

void Zodiakbild::ritaHimmel(QPainter &p, const QRect &yta, QPointF mitt)
{
    const qreal radie = std::max(yta.width(), yta.height()) * 0.7;
    QRadialGradient himmel(mitt, radie);
    himmel.setColorAt(0, QColor(24, 28, 72));
    himmel.setColorAt(1, QColor(4, 4, 20));
    p.fillRect(yta, himmel);

    // As many stars on each part of the sky as on the picture's.
    QRandomGenerator stjarnor(1772);
    const int antal = int(qint64(yta.width()) * yta.height() * 260 / (qint64(Bredd) * Hojd));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < antal; ++i) {
        const QPointF at(yta.left() + stjarnor.bounded(std::max(1, yta.width())),
                         yta.top() + stjarnor.bounded(std::max(1, yta.height())));
        const int ljus = 120 + stjarnor.bounded(135);
        p.setBrush(QColor(ljus, ljus, 255 - stjarnor.bounded(60)));
        const qreal r = stjarnor.bounded(10) == 0 ? 1.6 : 0.8;
        p.drawEllipse(at, r, r);
    }
    p.restore();
}

void Zodiakbild::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        emit MouseDown(int(e->position().x() * Bredd / std::max(1, width())),
                       int(e->position().y() * Hojd / std::max(1, height())));
    QWidget::mousePressEvent(e);
}
