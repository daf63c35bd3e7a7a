// The pictures of the about box: a light background that the navy credits
// stand on, and three small pictures of the maker for the left edge. All of
// them are drawn here from shapes; they show no real person and no real firm.

#include "omvarmiko.h"

#include "bildfil.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

using C = QColor;
using P = QPointF;

const C navy(0, 0, 128), gold(255, 206, 0), rot(221, 0, 0), schwarz(20, 20, 24), weiss(250, 250, 246);

QFont schrift(int pixel, bool fett = true, bool kursiv = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixel);
    f.setBold(fett);
    f.setItalic(kursiv);
    return f;
}

// The three colours of the German flag as a thin band.
void farbband(QPainter &p, const QRectF &r)
{
    const qreal h = r.height() / 3;
    p.setPen(Qt::NoPen);
    const C farben[] = {schwarz, rot, gold};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(farben[i]);
        p.drawRect(QRectF(r.left(), r.top() + i * h, r.width(), h));
    }
}

// The background, 1024 x 768 and stretched to the screen: a pale sky over
// soft hills, a band in the flag's colours at the top and at the bottom, and
// a few German greetings in the faintest blue along the sides, where no text
// of the box stands.
QImage hintergrund()
{
    const int w = 1024, h = 768;
    QImage bild(w, h, QImage::Format_RGB32);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient himmel(0, 0, 0, h);
    himmel.setColorAt(0, C(214, 232, 248));
    himmel.setColorAt(0.7, C(240, 246, 252));
    himmel.setColorAt(1, C(246, 242, 228));
    p.fillRect(bild.rect(), himmel);

    // a pale sun behind the title
    QRadialGradient sonne(P(w * 0.5, h * 0.08), w * 0.35);
    sonne.setColorAt(0, C(255, 250, 220, 170));
    sonne.setColorAt(1, C(255, 250, 220, 0));
    p.fillRect(bild.rect(), sonne);

    // hills at the foot
    const C huegel[] = {C(206, 226, 196), C(190, 216, 180), C(174, 204, 166)};
    for (int i = 0; i < 3; ++i) {
        QPainterPath pfad(P(0, h));
        const qreal basis = h * (0.78 + i * 0.06);
        for (int k = 0; k <= 32; ++k) {
            const qreal x = w * k / 32.0;
            pfad.lineTo(x, basis - 26 * std::sin(x / w * M_PI * (2 + i) + i));
        }
        pfad.lineTo(w, h);
        pfad.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(huegel[i]);
        p.drawPath(pfad);
    }

    farbband(p, QRectF(0, 0, w, 12));
    farbband(p, QRectF(0, h - 12, w, 12));

    p.setFont(schrift(30, true, true));
    p.setPen(C(160, 190, 222, 120));
    const char *const gruesse[] = {"Hallo!", "Guten Tag!", "Danke!", "Bitte!", "Tschüss!", "Wie geht's?"};
    // above and below the height of the maker's clickable emblem
    const qreal hoehen[] = {0.17, 0.27, 0.37, 0.58, 0.68, 0.78};
    for (int i = 0; i < 6; ++i) {
        const qreal y = h * hoehen[i];
        const QString text = QString::fromUtf8(gruesse[i]);
        p.save();
        p.translate(i % 2 ? w * 0.82 : w * 0.86, y);
        p.rotate(i % 2 ? -8 : 6);
        p.drawText(P(-60, 0), text);
        p.restore();
    }
    return bild;
}

// The thin frame round each small picture, so that it stands as a card on
// the background.
void rahmen(QPainter &p, const QImage &bild)
{
    p.setPen(QPen(C(150, 170, 200), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, bild.width() - 2, bild.height() - 2));
}

// The maker's emblem: a navy rounded square with an open book and the name.
QImage emblem()
{
    QImage bild(160, 110, QImage::Format_RGB32);
    bild.fill(weiss);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(gold, 4));
    p.setBrush(navy);
    p.drawRoundedRect(QRectF(4, 4, 152, 102), 16, 16);
    // the open book
    for (int d : {-1, 1}) {
        QPainterPath seite(P(80, 34));
        seite.cubicTo(P(80 + d * 14, 24), P(80 + d * 32, 24), P(80 + d * 40, 30));
        seite.lineTo(P(80 + d * 40, 58));
        seite.cubicTo(P(80 + d * 32, 52), P(80 + d * 14, 52), P(80, 62));
        seite.closeSubpath();
        p.setPen(QPen(gold, 1.5));
        p.setBrush(weiss);
        p.drawPath(seite);
        p.setPen(QPen(C(150, 160, 190), 1));
        for (int z = 0; z < 3; ++z)
            p.drawLine(P(80 + d * 10, 40 + z * 6), P(80 + d * 32, 36 + z * 6));
    }
    p.setPen(gold);
    p.setFont(schrift(22, true, true));
    p.drawText(QRectF(0, 64, 160, 34), Qt::AlignCenter, QStringLiteral("MIVO DATA"));
    rahmen(p, bild);
    return bild;
}

// The program's box, standing a little turned, its cover in the flag's colours.
QImage programmschachtel()
{
    QImage bild(160, 130, QImage::Format_RGB32);
    bild.fill(weiss);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    // the side of the box
    p.setPen(Qt::NoPen);
    p.setBrush(C(30, 40, 110));
    p.drawPolygon(QPolygonF{P(118, 14), P(140, 24), P(140, 122), P(118, 116)});
    // the cover
    const QRectF deckel(22, 14, 96, 102);
    p.setBrush(navy);
    p.drawRect(deckel);
    farbband(p, QRectF(22, 14, 96, 18));
    p.setPen(gold);
    p.setFont(schrift(19, true, true));
    p.drawText(QRectF(22, 38, 96, 26), Qt::AlignCenter, QStringLiteral("Varmiko"));
    p.setPen(weiss);
    p.setFont(schrift(10, false));
    p.drawText(QRectF(22, 64, 96, 30), Qt::AlignCenter | Qt::TextWordWrap, QStringLiteral("Tyska för\nsvenska elever"));
    // a speech bubble on the cover
    p.setPen(Qt::NoPen);
    p.setBrush(weiss);
    p.drawEllipse(QRectF(40, 94, 34, 16));
    p.drawPolygon(QPolygonF{P(48, 106), P(44, 114), P(56, 108)});
    p.setPen(navy);
    p.setFont(schrift(9));
    p.drawText(QRectF(40, 94, 34, 16), Qt::AlignCenter, QStringLiteral("Hallo!"));
    p.setPen(QPen(C(20, 24, 60), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(deckel);
    rahmen(p, bild);
    return bild;
}

// A pupil at a computer, a figure of a few shapes and no one in particular.
QImage schueler()
{
    QImage bild(160, 130, QImage::Format_RGB32);
    bild.fill(weiss);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // the desk
    p.setBrush(C(176, 128, 80));
    p.drawRect(QRectF(0, 100, 160, 30));
    // the screen with a line of German on it
    p.setBrush(C(60, 60, 70));
    p.drawRoundedRect(QRectF(82, 40, 70, 50), 4, 4);
    p.setBrush(C(230, 240, 250));
    p.drawRect(QRectF(87, 45, 60, 38));
    p.setBrush(navy);
    p.drawRect(QRectF(87, 45, 60, 8));
    p.setPen(navy);
    p.setFont(schrift(9));
    p.drawText(QRectF(87, 56, 60, 12), Qt::AlignCenter, QStringLiteral("das Haus"));
    p.setPen(C(0, 128, 0));
    p.drawText(QRectF(87, 68, 60, 12), Qt::AlignCenter, QStringLiteral("Richtig!"));
    p.setPen(Qt::NoPen);
    p.setBrush(C(60, 60, 70));
    p.drawRect(QRectF(112, 90, 10, 10));
    p.drawRect(QRectF(96, 98, 42, 4));
    // the pupil, seen from the side
    p.setBrush(C(60, 110, 180));
    p.drawRoundedRect(QRectF(26, 62, 36, 44), 12, 12);
    p.setBrush(C(240, 200, 170));
    p.drawEllipse(P(44, 46), 15, 16);
    p.setBrush(C(120, 80, 40));
    QPainterPath haar(P(29, 46));
    haar.cubicTo(P(28, 26), P(58, 24), P(60, 42));
    haar.cubicTo(P(52, 34), P(40, 34), P(29, 46));
    p.drawPath(haar);
    p.setBrush(schwarz);
    p.drawEllipse(P(52, 46), 1.8, 1.8);
    // an arm on the keyboard
    p.setPen(QPen(C(60, 110, 180), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(P(50, 76), P(80, 94));
    p.setPen(Qt::NoPen);
    p.setBrush(C(240, 200, 170));
    p.drawEllipse(P(84, 96), 5, 4);
    rahmen(p, bild);
    return bild;
}

} // namespace

bool zeichneOmBilder(const QString &ziel)
{
    struct Bild
    {
        const char *name;
        QImage (*zeichne)();
    };
    const Bild bilder[] = {
        {"Vrska97.BMP", hintergrund},
        {"Mivo1.BMP", emblem},
        {"Mivo2.BMP", programmschachtel},
        {"Mivo3.BMP", schueler},
    };
    for (const Bild &b : bilder)
        if (!zeichneWennAlt(ziel + QLatin1Char('/') + QLatin1String(b.name), b.zeichne))
            return false;
    return true;
}
