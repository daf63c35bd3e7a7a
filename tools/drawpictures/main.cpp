// Draws the course's pictures of Germany into a BILD directory: the reward
// pictures VRS001..042.BMP and the start pictures VRSL, VRSM and VRSS
// 001..042.BMP for the three screen widths. Every picture is a simple scene
// built from a few shapes; it carries no caption of its own, the program shows
// the caption beside it.
//
// drawpictures <directory>   (the directory is created when missing)

#include "landeskarten.h"
#include "natur.h"
#include "omvarmiko.h"


#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <cmath>
#include <cstdio>
#include <initializer_list>

namespace {

// Scenes are drawn on a canvas of this size and scaled to each picture.
constexpr qreal B = 320;
constexpr qreal H = 240;

using C = QColor;

const C himmelBlau(126, 186, 234), himmelHell(214, 236, 250), abendOben(238, 150, 90),
    abendUnten(255, 226, 170), grauOben(150, 160, 170), grauUnten(214, 218, 222), nachtOben(16, 20, 48),
    nachtUnten(60, 40, 90), gras(104, 168, 78), grasDunkel(70, 128, 60), wald(46, 100, 56),
    wasserBlau(56, 118, 186), stein(128, 120, 112), steinDunkel(70, 64, 60), sandstein(204, 168, 120),
    backstein(166, 86, 58), weiss(246, 244, 238), dachRot(176, 64, 48), dachGrau(84, 96, 110),
    gelb(238, 204, 96), holz(130, 86, 50), fels(150, 140, 130);

void fuell(QPainter &p, const C &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
}

void himmel(QPainter &p, const C &oben, const C &unten)
{
    QLinearGradient g(0, 0, 0, H);
    g.setColorAt(0, oben);
    g.setColorAt(0.75, unten);
    p.fillRect(QRectF(0, 0, B, H), g);
}

void flaeche(QPainter &p, const QRectF &r, const C &c)
{
    fuell(p, c);
    p.drawRect(r);
}

void boden(QPainter &p, qreal y, const C &c)
{
    flaeche(p, QRectF(0, y, B, H - y), c);
}

// A soft wave of hills from y down to the bottom edge.
void huegel(QPainter &p, qreal y, qreal hoehe, qreal wellen, qreal phase, const C &c)
{
    QPolygonF poly;
    poly << QPointF(0, H);
    for (int i = 0; i <= 32; ++i) {
        const qreal x = B * i / 32;
        poly << QPointF(x, y - hoehe * (0.5 + 0.5 * std::sin(phase + wellen * 2 * M_PI * x / B)));
    }
    poly << QPointF(B, H);
    fuell(p, c);
    p.drawPolygon(poly);
}

void wasser(QPainter &p, qreal y0, qreal y1, const C &c)
{
    flaeche(p, QRectF(0, y0, B, y1 - y0), c);
    p.setPen(QPen(c.lighter(135), 1.5));
    for (qreal y = y0 + 6; y < y1; y += 9)
        for (qreal x = std::fmod(y * 7, 40); x < B; x += 40)
            p.drawLine(QPointF(x, y), QPointF(x + 14, y));
}

// Peaks given as (x, height above the base); snow covers the upper third.
void berge(QPainter &p, std::initializer_list<QPointF> gipfel, qreal basis, const C &c, bool schnee)
{
    for (const QPointF &g : gipfel) {
        const qreal breit = g.y() * 1.3;
        const QPointF spitze(g.x(), basis - g.y());
        fuell(p, c);
        p.drawPolygon(QPolygonF{QPointF(g.x() - breit, basis), spitze, QPointF(g.x() + breit, basis)});
        if (schnee) {
            const qreal t = 0.33;
            fuell(p, weiss);
            p.drawPolygon(QPolygonF{spitze, QPointF(g.x() + breit * t, basis - g.y() * (1 - t)),
                                    QPointF(g.x() + breit * t * 0.3, basis - g.y() * (1 - t * 0.7)),
                                    QPointF(g.x() - breit * t * 0.2, basis - g.y() * (1 - t)),
                                    QPointF(g.x() - breit * t, basis - g.y() * (1 - t * 0.8))});
        }
    }
}

void sonne(QPainter &p, qreal x, qreal y, qreal r, const C &c)
{
    fuell(p, c);
    p.drawEllipse(QPointF(x, y), r, r);
}

void wolke(QPainter &p, qreal x, qreal y, qreal s)
{
    fuell(p, C(255, 255, 255, 220));
    p.drawEllipse(QPointF(x, y), 16 * s, 9 * s);
    p.drawEllipse(QPointF(x + 14 * s, y + 2 * s), 13 * s, 8 * s);
    p.drawEllipse(QPointF(x - 14 * s, y + 3 * s), 11 * s, 7 * s);
}

void dach(QPainter &p, const QRectF &r, qreal hoehe, const C &c)
{
    fuell(p, c);
    p.drawPolygon(QPolygonF{QPointF(r.left() - 2, r.top()), QPointF(r.center().x(), r.top() - hoehe),
                            QPointF(r.right() + 2, r.top())});
}

void fenster(QPainter &p, const QRectF &r, int reihen, int spalten, const C &c)
{
    fuell(p, c);
    const qreal w = r.width() / spalten, h = r.height() / reihen;
    for (int i = 0; i < reihen; ++i)
        for (int j = 0; j < spalten; ++j)
            p.drawRect(QRectF(r.left() + j * w + w * 0.3, r.top() + i * h + h * 0.25, w * 0.4, h * 0.5));
}

// A house: walls with windows under a pitched roof.
void haus(QPainter &p, const QRectF &r, const C &wand, const C &dachfarbe, int reihen, int spalten)
{
    flaeche(p, r, wand);
    dach(p, r, r.width() * 0.4, dachfarbe);
    fenster(p, r, reihen, spalten, C(60, 60, 70));
}

// n round-topped openings side by side inside r.
void arkade(QPainter &p, const QRectF &r, int n, const C &c)
{
    fuell(p, c);
    const qreal w = r.width() / n;
    for (int i = 0; i < n; ++i) {
        const qreal bw = w * 0.66, x = r.left() + i * w + (w - bw) / 2;
        QPainterPath pfad;
        pfad.moveTo(x, r.bottom());
        pfad.lineTo(x, r.top() + bw / 2);
        pfad.arcTo(QRectF(x, r.top(), bw, bw), 180, -180);
        pfad.lineTo(x + bw, r.bottom());
        pfad.closeSubpath();
        p.drawPath(pfad);
    }
}

enum class Spitze { Zinnen, Spitz, Kegel, Kuppel, Flach };

// A tower standing on basis, centred on x.
void turm(QPainter &p, qreal x, qreal basis, qreal w, qreal h, const C &c, Spitze spitze, const C &oben)
{
    const QRectF r(x - w / 2, basis - h, w, h);
    flaeche(p, r, c);
    switch (spitze) {
    case Spitze::Zinnen:
        for (int i = 0; i < 5; i += 2)
            flaeche(p, QRectF(r.left() + i * w / 5, r.top() - w / 5, w / 5, w / 5), c);
        break;
    case Spitze::Spitz:
        dach(p, r, w * 2.2, oben);
        break;
    case Spitze::Kegel:
        dach(p, r, w * 1.1, oben);
        break;
    case Spitze::Kuppel:
        fuell(p, oben);
        p.drawChord(QRectF(r.left(), r.top() - w / 2, w, w), 0, 180 * 16);
        break;
    case Spitze::Flach:
        break;
    }
    fenster(p, QRectF(r.left(), r.top() + h * 0.15, w, h * 0.3), 1, 1, C(40, 40, 50));
}

// A cathedral with two spired towers and a nave, centred on x.
void dom(QPainter &p, qreal x, qreal basis, qreal s, const C &c)
{
    const C fenst = c.darker(160);
    flaeche(p, QRectF(x - 70 * s, basis - 70 * s, 140 * s, 70 * s), c);
    dach(p, QRectF(x + 5 * s, basis - 70 * s, 65 * s, 0), 22 * s, c.darker(120));
    for (qreal dx : {-22.0, 22.0})
        turm(p, x + dx * s - 40 * s, basis, 26 * s, 130 * s, c, Spitze::Spitz, c);
    arkade(p, QRectF(x - 4 * s, basis - 60 * s, 70 * s, 40 * s), 4, fenst);
    arkade(p, QRectF(x - 70 * s, basis - 30 * s, 60 * s, 30 * s), 2, fenst);
}

// A classical front: steps, columns, beam and gable.
void saeulen(QPainter &p, const QRectF &r, int n, const C &c, bool giebel = true)
{
    flaeche(p, QRectF(r.left() - 6, r.bottom() - 8, r.width() + 12, 8), c.darker(115));
    flaeche(p, QRectF(r.left(), r.top(), r.width(), r.height() * 0.16), c);
    flaeche(p, QRectF(r.left() + 4, r.top(), r.width() - 8, r.height() - 8), c.darker(150));
    const qreal w = r.width() / n;
    for (int i = 0; i < n; ++i)
        flaeche(p, QRectF(r.left() + i * w + w * 0.25, r.top(), w * 0.5, r.height() - 8), c);
    flaeche(p, QRectF(r.left() - 3, r.top(), r.width() + 6, r.height() * 0.14), c.lighter(105));
    if (giebel)
        dach(p, QRectF(r.left(), r.top(), r.width(), 0), r.height() * 0.3, c);
}

// A palace: a long front with rows of windows and a raised middle.
void schloss(QPainter &p, const QRectF &r, const C &wand, const C &dachfarbe, bool kuppel)
{
    flaeche(p, r, wand);
    fuell(p, dachfarbe);
    p.drawRect(QRectF(r.left() + 4, r.top() - 10, r.width() - 8, 10));
    fenster(p, r, 2, int(r.width() / 14), C(70, 80, 100));
    const QRectF mitte(r.center().x() - r.width() * 0.12, r.top() - 10, r.width() * 0.24, r.height() + 10);
    flaeche(p, mitte, wand.lighter(106));
    fenster(p, mitte, 3, 3, C(70, 80, 100));
    if (kuppel) {
        fuell(p, C(90, 140, 120));
        p.drawChord(QRectF(mitte.left() + 4, mitte.top() - mitte.width() / 2, mitte.width() - 8, mitte.width() - 8),
                    0, 180 * 16);
    } else {
        dach(p, mitte, 16, dachfarbe);
    }
}

void schiff(QPainter &p, qreal x, qreal y, qreal len, const C &rumpf, const C &aufbau)
{
    fuell(p, rumpf);
    p.drawPolygon(QPolygonF{QPointF(x, y - 8), QPointF(x + len, y - 8), QPointF(x + len - 8, y),
                            QPointF(x + 6, y)});
    flaeche(p, QRectF(x + len * 0.62, y - 20, len * 0.22, 12), aufbau);
    fenster(p, QRectF(x + len * 0.62, y - 20, len * 0.22, 12), 1, 3, C(60, 70, 90));
    flaeche(p, QRectF(x + len * 0.7, y - 28, 4, 8), C(60, 60, 60));
}

void person(QPainter &p, qreal x, qreal fuss, qreal h, const C &kleid)
{
    fuell(p, kleid);
    p.drawPolygon(QPolygonF{QPointF(x - h * 0.16, fuss - h * 0.05), QPointF(x - h * 0.1, fuss - h * 0.72),
                            QPointF(x + h * 0.1, fuss - h * 0.72), QPointF(x + h * 0.16, fuss - h * 0.05)});
    fuell(p, C(236, 196, 160));
    p.drawEllipse(QPointF(x, fuss - h * 0.84), h * 0.12, h * 0.13);
    flaeche(p, QRectF(x - h * 0.1, fuss - h * 0.06, h * 0.07, h * 0.06), C(50, 40, 40));
    flaeche(p, QRectF(x + h * 0.03, fuss - h * 0.06, h * 0.07, h * 0.06), C(50, 40, 40));
}

void baum(QPainter &p, qreal x, qreal fuss, qreal h, const C &c, bool nadel)
{
    flaeche(p, QRectF(x - h * 0.05, fuss - h * 0.35, h * 0.1, h * 0.35), holz);
    fuell(p, c);
    if (nadel)
        p.drawPolygon(QPolygonF{QPointF(x - h * 0.3, fuss - h * 0.25), QPointF(x, fuss - h),
                                QPointF(x + h * 0.3, fuss - h * 0.25)});
    else
        p.drawEllipse(QPointF(x, fuss - h * 0.62), h * 0.3, h * 0.36);
}

void blume(QPainter &p, qreal x, qreal y, qreal r, const C &c)
{
    p.setPen(QPen(grasDunkel, 1.2));
    p.drawLine(QPointF(x, y), QPointF(x, y + r * 3));
    fuell(p, c);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(x + r * 0.6 * std::cos(i * M_PI / 2), y + r * 0.6 * std::sin(i * M_PI / 2)), r * 0.7,
                      r * 0.7);
    fuell(p, C(30, 20, 20));
    p.drawEllipse(QPointF(x, y), r * 0.3, r * 0.3);
}

void kreuz(QPainter &p, qreal x, qreal fuss, qreal h, const C &c)
{
    flaeche(p, QRectF(x - h * 0.05, fuss - h, h * 0.1, h), c);
    flaeche(p, QRectF(x - h * 0.3, fuss - h * 0.78, h * 0.6, h * 0.1), c);
}

void rad(QPainter &p, qreal x, qreal y, qreal r, const C &c)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, r * 0.12));
    p.drawEllipse(QPointF(x, y), r, r);
    p.setPen(QPen(c, r * 0.06));
    for (int i = 0; i < 8; ++i)
        p.drawLine(QPointF(x, y), QPointF(x + r * std::cos(i * M_PI / 4), y + r * std::sin(i * M_PI / 4)));
    p.setPen(Qt::NoPen);
}

void kuehlturm(QPainter &p, qreal x, qreal basis, qreal w, qreal h)
{
    QPainterPath pfad;
    pfad.moveTo(x - w / 2, basis);
    pfad.quadTo(x - w * 0.2, basis - h * 0.6, x - w * 0.32, basis - h);
    pfad.lineTo(x + w * 0.32, basis - h);
    pfad.quadTo(x + w * 0.2, basis - h * 0.6, x + w / 2, basis);
    pfad.closeSubpath();
    fuell(p, C(190, 190, 186));
    p.drawPath(pfad);
    for (int i = 0; i < 3; ++i)
        wolke(p, x + i * 6, basis - h - 10 - i * 14, 0.8 + i * 0.3);
}

void loewe(QPainter &p, qreal x, qreal fuss, qreal s, const C &c)
{
    fuell(p, c);
    p.drawRoundedRect(QRectF(x - 30 * s, fuss - 22 * s, 56 * s, 18 * s), 8 * s, 8 * s);
    for (qreal dx : {-26.0, -14.0, 12.0, 22.0})
        p.drawRect(QRectF(x + dx * s, fuss - 8 * s, 6 * s, 8 * s));
    p.drawEllipse(QPointF(x + 30 * s, fuss - 30 * s), 15 * s, 15 * s);
    fuell(p, c.lighter(115));
    p.drawEllipse(QPointF(x + 34 * s, fuss - 28 * s), 8 * s, 8 * s);
    fuell(p, c);
    p.drawRect(QRectF(x - 40 * s, fuss - 24 * s, 12 * s, 3 * s));
}

// A crowd or field of small things scattered by a fixed generator, so that
// every build draws the same picture.
template <typename F>
void streuen(int anzahl, quint32 saat, const QRectF &r, F zeichne)
{
    QRandomGenerator g(saat);
    for (int i = 0; i < anzahl; ++i)
        zeichne(r.left() + g.bounded(r.width()), r.top() + g.bounded(r.height()), g);
}

void szene(QPainter &p, int nummer, bool start)
{
    switch (nummer) {
    case 1: // Porta Nigra
        himmel(p, himmelBlau, himmelHell);
        boden(p, 196, C(170, 160, 140));
        flaeche(p, QRectF(80, 86, 160, 110), steinDunkel);
        flaeche(p, QRectF(60, 64, 40, 132), steinDunkel);
        arkade(p, QRectF(82, 96, 156, 28), 8, C(30, 28, 26));
        arkade(p, QRectF(82, 130, 156, 28), 8, C(30, 28, 26));
        arkade(p, QRectF(110, 164, 100, 32), 2, C(24, 22, 20));
        arkade(p, QRectF(62, 74, 36, 26), 2, C(30, 28, 26));
        break;
    case 2: // Roman watchtower by the Rhine
        himmel(p, himmelBlau, himmelHell);
        huegel(p, 120, 30, 1.2, 0.5, grasDunkel);
        boden(p, 168, gras);
        wasser(p, 196, H, wasserBlau);
        turm(p, 160, 172, 44, 90, sandstein, Spitze::Kegel, dachRot);
        arkade(p, QRectF(150, 150, 20, 22), 1, C(60, 40, 30));
        flaeche(p, QRectF(110, 166, 100, 6), stein);
        break;
    case 3: // Roman columns
        himmel(p, abendOben, abendUnten);
        boden(p, 190, C(200, 176, 130));
        sonne(p, 250, 80, 22, C(255, 236, 180));
        for (int i = 0; i < 5; ++i) {
            const qreal h = (i == 1 || i == 3) ? 70 : 110 - i * 6;
            flaeche(p, QRectF(60 + i * 46, 190 - h, 20, h), sandstein);
            flaeche(p, QRectF(56 + i * 46, 190 - h, 28, 6), sandstein.lighter(110));
        }
        flaeche(p, QRectF(50, 74, 120, 10), sandstein.lighter(106));
        break;
    case 4: // Cologne
        himmel(p, himmelBlau, himmelHell);
        wolke(p, 70, 40, 1.2);
        for (int i = 0; i < 7; ++i)
            haus(p, QRectF(8 + i * 44, 150 - (i % 3) * 10, 36, 50 + (i % 3) * 10), C(220, 200, 170 - i * 6),
                 dachRot, 3, 3);
        dom(p, 170, 200, 0.7, C(80, 78, 74));
        wasser(p, 200, H, wasserBlau);
        flaeche(p, QRectF(0, 208, B, 6), C(90, 96, 100));
        arkade(p, QRectF(0, 212, B, 28), 5, wasserBlau.darker(110));
        break;
    case 5: // Cologne Cathedral
        himmel(p, himmelBlau, himmelHell);
        boden(p, 210, C(180, 174, 160));
        dom(p, 175, 212, 0.95, C(92, 88, 84));
        break;
    case 6: // cooling towers
        himmel(p, grauOben, grauUnten);
        boden(p, 190, C(150, 170, 110));
        kuehlturm(p, 90, 192, 70, 100);
        kuehlturm(p, 190, 192, 80, 120);
        kuehlturm(p, 270, 192, 56, 80);
        break;
    case 7: // Brandenburg Gate with the Wall
        himmel(p, grauOben, grauUnten);
        boden(p, 196, C(160, 156, 150));
        saeulen(p, QRectF(70, 92, 180, 104), 6, C(200, 190, 170), false);
        flaeche(p, QRectF(66, 80, 188, 16), C(196, 186, 166));
        flaeche(p, QRectF(144, 62, 32, 18), C(70, 110, 100));
        flaeche(p, QRectF(0, 176, B, 44), C(222, 220, 212));
        fuell(p, C(180, 178, 170));
        p.drawRoundedRect(QRectF(0, 170, B, 10), 5, 5);
        for (int i = 1; i < 8; ++i)
            flaeche(p, QRectF(i * 40, 178, 2, 42), C(184, 182, 176));
        break;
    case 8: // the Wall
        himmel(p, grauOben, grauUnten);
        boden(p, 200, C(140, 136, 130));
        flaeche(p, QRectF(0, 100, B, 100), C(214, 212, 206));
        flaeche(p, QRectF(0, 94, B, 10), C(196, 194, 188));
        for (int i = 0; i < 8; ++i) {
            flaeche(p, QRectF(i * 40, 100, 2, 100), C(170, 168, 162));
            fuell(p, QColor::fromHsv((i * 47) % 360, 160, 230));
            p.drawEllipse(QRectF(i * 40 + 6, 120 + (i % 3) * 18, 28, 30));
        }
        break;
    case 9: // excursion boat on the Spree
        himmel(p, himmelBlau, himmelHell);
        for (int i = 0; i < 6; ++i)
            haus(p, QRectF(10 + i * 52, 110 + (i % 2) * 12, 44, 70 - (i % 2) * 12), C(210, 206, 196), dachGrau, 3, 3);
        boden(p, 176, C(120, 120, 116));
        wasser(p, 182, H, wasserBlau);
        schiff(p, 60, 214, 170, weiss, weiss);
        flaeche(p, QRectF(80, 196, 100, 8), C(40, 80, 150));
        break;
    case 10: // Nuremberg castle
        himmel(p, himmelBlau, himmelHell);
        huegel(p, 160, 30, 0.6, 1.5, grasDunkel);
        flaeche(p, QRectF(60, 100, 190, 80), sandstein);
        fenster(p, QRectF(60, 110, 190, 40), 1, 8, C(60, 50, 50));
        dach(p, QRectF(60, 100, 120, 0), 28, dachRot);
        turm(p, 230, 180, 34, 120, sandstein, Spitze::Kegel, dachRot);
        turm(p, 80, 180, 30, 110, sandstein, Spitze::Zinnen, sandstein);
        boden(p, 190, grasDunkel);
        break;
    case 11: // Heidelberg: the old bridge seen from the castle
        himmel(p, himmelBlau, himmelHell);
        huegel(p, 90, 30, 1.0, 0.0, wald);
        boden(p, 130, C(220, 190, 150));
        for (int i = 0; i < 9; ++i)
            haus(p, QRectF(i * 36, 130 - (i % 2) * 6, 30, 30), C(230, 214, 190), dachRot, 1, 2);
        wasser(p, 164, H, wasserBlau);
        flaeche(p, QRectF(0, 168, B, 12), C(170, 110, 90));
        arkade(p, QRectF(0, 180, B, 34), 5, wasserBlau);
        turm(p, 40, 180, 22, 50, weiss, Spitze::Kuppel, C(60, 60, 60));
        turm(p, 64, 180, 22, 50, weiss, Spitze::Kuppel, C(60, 60, 60));
        break;
    case 12: // Bruchsal palace
        himmel(p, himmelBlau, himmelHell);
        boden(p, 180, gras);
        schloss(p, QRectF(30, 110, 260, 70), C(236, 214, 170), dachGrau, false);
        flaeche(p, QRectF(140, 180, 40, 60), C(210, 200, 170));
        baum(p, 20, 196, 50, wald, false);
        baum(p, 300, 196, 50, wald, false);
        break;
    case 13: // Rhine ship
        himmel(p, himmelBlau, himmelHell);
        huegel(p, 130, 40, 0.8, 2.0, wald);
        wasser(p, 160, H, wasserBlau);
        schiff(p, 30, 196, 250, C(40, 44, 50), weiss);
        flaeche(p, QRectF(50, 178, 140, 10), C(140, 60, 40));
        break;
    case 14: // Kaub with Pfalzgrafenstein; the start picture shows a Rhine ship
        if (start) {
            szene(p, 13, false);
            return;
        }
        himmel(p, himmelBlau, himmelHell);
        huegel(p, 110, 50, 1.0, 0.7, wald);
        for (int i = 0; i < 6; ++i)
            haus(p, QRectF(190 + i * 22, 128, 18, 22), C(236, 226, 210), dachGrau, 1, 1);
        wasser(p, 150, H, wasserBlau);
        fuell(p, C(140, 132, 120));
        p.drawEllipse(QRectF(80, 182, 140, 20));
        flaeche(p, QRectF(100, 136, 100, 54), weiss);
        turm(p, 150, 150, 30, 56, weiss, Spitze::Spitz, C(50, 50, 56));
        fenster(p, QRectF(100, 158, 100, 20), 1, 6, C(60, 60, 60));
        dach(p, QRectF(100, 136, 30, 0), 10, C(50, 50, 56));
        dach(p, QRectF(170, 136, 30, 0), 10, C(50, 50, 56));
        break;
    case 15: { // view of the Rhine from the Lorelei rock
        himmel(p, himmelBlau, himmelHell);
        huegel(p, 90, 20, 0.7, 0.0, grasDunkel);
        fuell(p, wasserBlau);
        p.drawPolygon(QPolygonF{QPointF(0, 150), QPointF(120, 120), QPointF(220, 110), QPointF(B, 120),
                                QPointF(B, 150), QPointF(210, 140), QPointF(110, 170), QPointF(0, 200)});
        huegel(p, 200, 20, 0.5, 1.0, wald);
        schiff(p, 150, 128, 50, C(40, 40, 40), weiss);
        flaeche(p, QRectF(0, 214, B, 26), fels);
        break;
    }
    case 16: // Düsseldorf harbour
        himmel(p, himmelBlau, himmelHell);
        flaeche(p, QRectF(230, 40, 8, 140), C(170, 170, 170));
        fuell(p, C(170, 170, 170));
        p.drawEllipse(QRectF(224, 56, 20, 12));
        for (int i = 0; i < 4; ++i)
            haus(p, QRectF(10 + i * 50, 130, 44, 50), C(180, 110, 80), dachGrau, 2, 3);
        for (int i = 0; i < 3; ++i) {
            flaeche(p, QRectF(40 + i * 90, 100, 6, 80), C(220, 150, 30));
            flaeche(p, QRectF(20 + i * 90, 100, 60, 5), C(220, 150, 30));
        }
        boden(p, 180, C(110, 110, 110));
        wasser(p, 188, H, wasserBlau);
        schiff(p, 150, 226, 140, C(120, 30, 30), weiss);
        break;
    case 17: // Watzmann
        himmel(p, himmelBlau, himmelHell);
        berge(p, {QPointF(110, 120), QPointF(210, 140), QPointF(290, 90)}, 180, fels, true);
        boden(p, 176, grasDunkel);
        wasser(p, 196, H, wasserBlau.lighter(110));
        for (int i = 0; i < 10; ++i)
            baum(p, 10 + i * 32, 196, 34 + (i % 3) * 6, wald, true);
        break;
    case 18: // Zugspitze rack railway
        himmel(p, himmelBlau, himmelHell);
        berge(p, {QPointF(200, 170), QPointF(90, 110)}, 220, fels, true);
        boden(p, 210, grasDunkel);
        p.setPen(QPen(C(60, 50, 40), 3));
        p.drawLine(QPointF(0, 236), QPointF(240, 90));
        fuell(p, C(200, 40, 40));
        p.setTransform(QTransform(p.transform()).translate(110, 168).rotate(-31), false);
        p.drawRoundedRect(QRectF(-30, -16, 60, 16), 4, 4);
        fenster(p, QRectF(-30, -16, 60, 10), 1, 5, C(220, 230, 240));
        break;
    case 19: // Zugspitze summit
        himmel(p, C(60, 120, 210), himmelHell);
        berge(p, {QPointF(160, 170), QPointF(60, 100), QPointF(270, 110)}, 230, fels, true);
        for (int i = 0; i < 6; ++i)
            wolke(p, 20 + i * 56, 196 + (i % 2) * 10, 1.4);
        break;
    case 20: // summit cross
        himmel(p, C(60, 120, 210), himmelHell);
        berge(p, {QPointF(160, 110)}, 250, fels, false);
        kreuz(p, 160, 146, 70, C(214, 180, 60));
        wolke(p, 60, 70, 1.2);
        break;
    case 21: // mass on the mountain
        himmel(p, himmelBlau, himmelHell);
        berge(p, {QPointF(70, 90), QPointF(250, 110)}, 160, fels, true);
        boden(p, 150, gras);
        kreuz(p, 160, 170, 60, holz);
        streuen(14, 21, QRectF(40, 190, 240, 30),
                [&](qreal x, qreal y, QRandomGenerator &g) { person(p, x, y, 26, QColor::fromHsv(g.bounded(360), 120, 170)); });
        break;
    case 22: // poppies; the start picture shows Neuschwanstein castle
        if (start) {
            himmel(p, himmelBlau, himmelHell);
            berge(p, {QPointF(250, 110)}, 170, fels, true);
            huegel(p, 160, 30, 0.8, 0.4, wald);
            fuell(p, fels);
            p.drawPolygon(QPolygonF{QPointF(90, 240), QPointF(120, 170), QPointF(220, 170), QPointF(250, 240)});
            flaeche(p, QRectF(120, 110, 100, 62), weiss);
            fenster(p, QRectF(120, 120, 100, 40), 2, 6, C(70, 70, 90));
            dach(p, QRectF(120, 110, 100, 0), 20, dachGrau);
            for (qreal x : {118.0, 170.0, 222.0})
                turm(p, x, 172, 14, x == 170 ? 110 : 80, weiss, Spitze::Spitz, dachGrau);
            return;
        }
        himmel(p, himmelBlau, himmelHell);
        huegel(p, 110, 20, 0.6, 0.0, grasDunkel);
        boden(p, 130, gras);
        streuen(60, 22, QRectF(0, 130, B, 110),
                [&](qreal x, qreal y, QRandomGenerator &) { blume(p, x, y, 2 + (y - 120) / 22, C(214, 30, 30)); });
        break;
    case 23: // child with cat
        himmel(p, himmelBlau, himmelHell);
        boden(p, 170, gras);
        person(p, 120, 210, 110, C(60, 110, 200));
        fuell(p, C(230, 140, 50));
        p.drawEllipse(QRectF(170, 180, 54, 28));
        p.drawEllipse(QRectF(210, 166, 26, 24));
        p.drawPolygon(QPolygonF{QPointF(214, 172), QPointF(216, 158), QPointF(224, 168)});
        p.drawPolygon(QPolygonF{QPointF(226, 168), QPointF(234, 158), QPointF(234, 172)});
        flaeche(p, QRectF(160, 186, 16, 4), C(230, 140, 50));
        break;
    case 24: // school class
        flaeche(p, QRectF(0, 0, B, H), C(236, 226, 200));
        flaeche(p, QRectF(70, 20, 180, 70), C(40, 80, 60));
        p.setPen(QPen(weiss, 2));
        p.drawLine(QPointF(90, 44), QPointF(150, 44));
        p.drawLine(QPointF(90, 60), QPointF(200, 60));
        for (int reihe = 0; reihe < 3; ++reihe)
            for (int i = 0; i < 5; ++i) {
                const qreal y = 150 + reihe * 34;
                person(p, 40 + i * 60 + reihe * 8, y, 44, QColor::fromHsv((reihe * 5 + i) * 37 % 360, 110, 200));
                flaeche(p, QRectF(20 + i * 60 + reihe * 8, y - 14, 42, 8), holz);
            }
        break;
    case 25: // family sport
        himmel(p, himmelBlau, himmelHell);
        boden(p, 150, gras);
        person(p, 80, 210, 90, C(200, 50, 50));
        person(p, 140, 214, 84, C(60, 90, 200));
        person(p, 200, 216, 54, C(240, 200, 40));
        person(p, 250, 218, 46, C(60, 170, 90));
        fuell(p, weiss);
        p.drawEllipse(QPointF(226, 170), 9, 9);
        break;
    case 26: // youth group
        himmel(p, abendOben, abendUnten);
        boden(p, 160, grasDunkel);
        fuell(p, C(220, 120, 40));
        p.drawPolygon(QPolygonF{QPointF(30, 170), QPointF(70, 110), QPointF(110, 170)});
        for (int i = 0; i < 7; ++i)
            person(p, 130 + i * 26, 200 + (i % 2) * 8, 60, QColor::fromHsv(i * 50, 130, 190));
        fuell(p, C(255, 170, 40));
        p.drawEllipse(QPointF(90, 214), 10, 6);
        break;
    case 27: // rock concert in the Olympic stadium
        himmel(p, nachtOben, nachtUnten);
        fuell(p, C(180, 200, 220, 90));
        for (int i = 0; i < 5; ++i)
            p.drawPolygon(QPolygonF{QPointF(120 + i * 20, 120), QPointF(i * 80 - 20, 0), QPointF(i * 80 + 20, 0)});
        flaeche(p, QRectF(80, 110, 160, 40), C(40, 40, 50));
        flaeche(p, QRectF(90, 120, 140, 20), C(230, 60, 120));
        fuell(p, C(30, 30, 40));
        p.drawPolygon(QPolygonF{QPointF(0, 60), QPointF(60, 80), QPointF(60, 150), QPointF(0, 150)});
        p.drawPolygon(QPolygonF{QPointF(B, 60), QPointF(260, 80), QPointF(260, 150), QPointF(B, 150)});
        boden(p, 150, C(40, 30, 60));
        streuen(80, 27, QRectF(0, 160, B, 80), [&](qreal x, qreal y, QRandomGenerator &) {
            fuell(p, C(20, 16, 30));
            p.drawEllipse(QPointF(x, y), 5, 6);
        });
        break;
    case 28: // water wheel on the Regnitz
        himmel(p, himmelBlau, himmelHell);
        boden(p, 150, gras);
        haus(p, QRectF(150, 80, 120, 90), weiss, dachRot, 3, 5);
        p.setPen(QPen(holz, 3));
        for (int i = 0; i <= 5; ++i)
            p.drawLine(QPointF(150 + i * 24, 80), QPointF(150 + i * 24, 170));
        wasser(p, 180, H, wasserBlau);
        rad(p, 110, 178, 44, holz);
        break;
    case 29: // wedding couple at the sawhorse
        himmel(p, himmelBlau, himmelHell);
        boden(p, 170, C(190, 180, 160));
        person(p, 110, 220, 110, weiss);
        person(p, 160, 222, 116, C(40, 40, 50));
        p.setPen(QPen(holz, 5));
        p.drawLine(QPointF(210, 220), QPointF(240, 180));
        p.drawLine(QPointF(270, 220), QPointF(240, 180));
        fuell(p, C(170, 120, 70));
        p.drawRect(QRectF(190, 174, 110, 14));
        break;
    case 30: // prune figures from Nuremberg
        flaeche(p, QRectF(0, 0, B, H), C(120, 30, 40));
        flaeche(p, QRectF(0, 190, B, 50), C(230, 220, 200));
        for (int i = 0; i < 4; ++i) {
            const qreal x = 60 + i * 66, y = 190;
            fuell(p, C(70, 30, 80));
            for (int k = 0; k < 4; ++k)
                p.drawEllipse(QPointF(x, y - 14 - k * 18), 11, 10);
            fuell(p, C(220, 190, 150));
            p.drawEllipse(QPointF(x, y - 94), 10, 10);
            fuell(p, C(30, 30, 30));
            p.drawPolygon(QPolygonF{QPointF(x - 12, y - 100), QPointF(x, y - 124), QPointF(x + 12, y - 100)});
        }
        break;
    case 31: // surfer
        himmel(p, himmelBlau, himmelHell);
        sonne(p, 60, 50, 20, C(255, 230, 120));
        wasser(p, 140, H, C(40, 120, 170));
        fuell(p, C(240, 80, 40));
        p.drawPolygon(QPolygonF{QPointF(160, 70), QPointF(164, 176), QPointF(220, 170)});
        flaeche(p, QRectF(130, 178, 110, 6), weiss);
        person(p, 186, 178, 40, C(30, 30, 30));
        break;
    case 32: // Erfurt cathedral
        himmel(p, himmelBlau, himmelHell);
        boden(p, 200, C(170, 160, 150));
        fuell(p, grasDunkel);
        p.drawPolygon(QPolygonF{QPointF(40, 200), QPointF(90, 150), QPointF(280, 150), QPointF(300, 200)});
        flaeche(p, QRectF(110, 150, 60, 50), C(200, 196, 186));
        dom(p, 200, 152, 0.7, C(150, 140, 120));
        turm(p, 92, 152, 16, 60, C(150, 140, 120), Spitze::Spitz, C(70, 90, 80));
        break;
    case 33: // Sanssouci
        himmel(p, himmelBlau, himmelHell);
        for (int i = 0; i < 5; ++i)
            flaeche(p, QRectF(20 + i * 8, 120 + i * 22, B - 40 - i * 16, 22), i % 2 ? grasDunkel : gras);
        schloss(p, QRectF(50, 80, 220, 40), gelb, C(90, 140, 120), true);
        break;
    case 34: // Spreewald
        himmel(p, himmelBlau, himmelHell);
        boden(p, 120, wald);
        wasser(p, 160, H, C(50, 100, 110));
        for (int i = 0; i < 9; ++i)
            baum(p, i * 40 + 10, 160, 60 + (i % 3) * 10, grasDunkel, false);
        fuell(p, holz);
        p.drawPolygon(QPolygonF{QPointF(90, 200), QPointF(240, 200), QPointF(232, 210), QPointF(96, 210)});
        person(p, 220, 200, 40, C(220, 60, 60));
        p.setPen(QPen(holz, 2));
        p.drawLine(QPointF(230, 160), QPointF(240, 218));
        break;
    case 35: // Walhalla above the Danube
        himmel(p, himmelBlau, himmelHell);
        huegel(p, 120, 20, 0.5, 1.0, wald);
        fuell(p, grasDunkel);
        p.drawPolygon(QPolygonF{QPointF(20, 200), QPointF(100, 120), QPointF(240, 120), QPointF(300, 200)});
        saeulen(p, QRectF(100, 70, 140, 52), 8, weiss);
        wasser(p, 200, H, wasserBlau);
        break;
    case 36: // stone lion on a monument
        himmel(p, grauOben, grauUnten);
        boden(p, 200, C(150, 150, 140));
        flaeche(p, QRectF(90, 150, 140, 52), C(170, 164, 150));
        flaeche(p, QRectF(80, 194, 160, 8), C(150, 144, 130));
        loewe(p, 152, 150, 1.5, C(160, 150, 134));
        break;
    case 37: // National Theatre, Munich
        himmel(p, himmelBlau, himmelHell);
        boden(p, 200, C(200, 196, 186));
        flaeche(p, QRectF(40, 60, 240, 140), C(226, 220, 204));
        saeulen(p, QRectF(80, 90, 160, 110), 8, C(240, 236, 224));
        dach(p, QRectF(60, 60, 200, 0), 20, C(140, 140, 140));
        break;
    case 38: // Nymphenburg palace
    case 39:
        if (nummer == 38)
            himmel(p, himmelBlau, himmelHell);
        else
            himmel(p, abendOben, abendUnten);
        boden(p, 150, gras);
        schloss(p, QRectF(20, 96, 280, 56), weiss, dachGrau, false);
        wasser(p, 170, H, nummer == 38 ? wasserBlau : C(90, 100, 150));
        fuell(p, weiss);
        p.drawEllipse(QPointF(120, 200), 10, 5);
        p.drawEllipse(QPointF(200, 214), 10, 5);
        break;
    case 40: // Oktoberfest parade
        himmel(p, himmelBlau, himmelHell);
        for (int i = 0; i < 5; ++i)
            haus(p, QRectF(i * 66, 80, 60, 90), C(236, 222, 196), dachRot, 3, 3);
        boden(p, 170, C(170, 160, 150));
        for (int i = 0; i < 7; ++i) {
            const qreal x = 24 + i * 44;
            person(p, x, 226, 56, i % 2 ? C(40, 90, 60) : C(120, 80, 50));
            p.setPen(QPen(holz, 2));
            p.drawLine(QPointF(x + 10, 220), QPointF(x + 10, 150));
            for (int k = 0; k < 4; ++k)
                flaeche(p, QRectF(x + 10 + (k % 2) * 8, 150 + (k / 2) * 8, 8, 8), k % 3 ? C(60, 120, 210) : weiss);
        }
        break;
    case 41: // the Dachau memorial: fence and watchtower, kept quiet
        himmel(p, grauOben, grauUnten);
        boden(p, 180, C(160, 156, 150));
        turm(p, 240, 182, 34, 90, C(110, 104, 96), Spitze::Kegel, C(80, 76, 70));
        p.setPen(QPen(C(70, 70, 70), 2));
        for (int i = 0; i < 9; ++i)
            p.drawLine(QPointF(10 + i * 26, 190), QPointF(10 + i * 26, 130));
        for (int k = 0; k < 5; ++k)
            p.drawLine(QPointF(0, 136 + k * 11), QPointF(220, 136 + k * 11));
        break;
    case 42: // Eifel maar
    default:
        himmel(p, himmelBlau, himmelHell);
        huegel(p, 100, 30, 1.1, 0.3, grasDunkel);
        boden(p, 120, gras);
        fuell(p, C(40, 90, 140));
        p.drawEllipse(QRectF(50, 130, 220, 80));
        for (int i = 0; i < 8; ++i)
            baum(p, 30 + i * 38, 134 - (i % 2) * 4, 30, wald, i % 2);
        break;
    }
}

QImage zeichne(int nummer, bool start, const QSize &groesse)
{
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.save();
    p.scale(groesse.width() / B, groesse.height() / H);
    szene(p, nummer, start);
    p.restore();
    return bild;
}

struct Satz
{
    const char *prefix;
    QSize groesse;
    bool start;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawpictures <directory>\n");
        return 2;
    }
    const QString ziel = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(ziel)) {
        std::fprintf(stderr, "drawpictures: cannot create %s\n", argv[1]);
        return 1;
    }

    if (!zeichneLandeskarten(ziel))
        return 1;
    if (const int fel = naturbilder(ziel))
        return fel;
    if (!zeichneOmBilder(ziel))
        return 1;

    const Satz saetze[] = {
        {"VRS", QSize(320, 240), false},
        {"VRSL", QSize(170, 130), true},
        {"VRSM", QSize(230, 170), true},
        {"VRSS", QSize(340, 250), true},
    };

    // Nothing to do when every picture is newer than this program.
    const QDateTime programm = QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
    bool aktuell = true;
    for (const Satz &s : saetze)
        for (int n = 1; n <= 42 && aktuell; ++n) {
            const QFileInfo f(ziel + '/' + QString::fromLatin1(s.prefix) + QStringLiteral("%1.BMP").arg(n, 3, 10, QChar('0')));
            aktuell = f.exists() && f.lastModified() >= programm;
        }
    if (aktuell)
        return 0;

    for (const Satz &s : saetze)
        for (int n = 1; n <= 42; ++n) {
            const QString datei =
                ziel + '/' + QString::fromLatin1(s.prefix) + QStringLiteral("%1.BMP").arg(n, 3, 10, QChar('0'));
            if (!zeichne(n, s.start, s.groesse).save(datei, "BMP")) {
                std::fprintf(stderr, "drawpictures: cannot write %s\n", qPrintable(datei));
                return 1;
            }
        }
    return 0;
}
