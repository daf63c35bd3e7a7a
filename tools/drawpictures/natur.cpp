// The plants and animals of the picture-choice exercises, one picture per
// item of VRS21410.DAT .. VRS21550.DAT in item order: BILD\VAXTER\T2141nn.BMP
// and so on for the plants, BILD\DJUR\T2151nn.BMP and so on for the animals.
// Every picture is drawn from a few shapes on a canvas of 320 x 240 and
// shows the plant or animal only (the names are the exercise).

#include "natur.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr qreal B = 320;
constexpr qreal H = 240;

using C = QColor;
using P = QPointF;

const C schwarz(30, 30, 34), weiss(250, 250, 246), grau(128, 128, 132), braun(122, 82, 48), rot(206, 40, 40),
    gelb(246, 206, 40), orange(240, 140, 40), gruen(70, 140, 60), hellgruen(128, 186, 82), rosa(236, 150, 180),
    himmel1(150, 200, 240), himmel2(226, 240, 250);

// --- Small tools ----------------------------------------------------------

void fuell(QPainter &p, const C &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
}

void linie(QPainter &p, const C &c, qreal w)
{
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

void umriss(QPainter &p, const C &f, const C &rand, qreal w = 1.2)
{
    p.setPen(QPen(rand, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(f);
}

void oval(QPainter &p, P m, qreal rx, qreal ry, qreal grad, const C &c)
{
    p.save();
    p.translate(m);
    p.rotate(grad);
    fuell(p, c);
    p.drawEllipse(P(0, 0), rx, ry);
    p.restore();
}

void kreis(QPainter &p, P m, qreal r, const C &c)
{
    fuell(p, c);
    p.drawEllipse(m, r, r);
}

void polygon(QPainter &p, std::initializer_list<P> punkte, const C &c)
{
    fuell(p, c);
    p.drawPolygon(QPolygonF(punkte));
}

void flaecheRechteck(QPainter &p, const QRectF &r, const C &c)
{
    fuell(p, c);
    p.drawRect(r);
}

P polar(P m, qreal r, qreal grad)
{
    const qreal a = grad * M_PI / 180;
    return P(m.x() + r * std::cos(a), m.y() + r * std::sin(a));
}

template <typename F>
void streuen(int anzahl, quint32 saat, const QRectF &r, F zeichne)
{
    QRandomGenerator g(saat);
    for (int i = 0; i < anzahl; ++i)
        zeichne(P(r.left() + g.bounded(r.width()), r.top() + g.bounded(r.height())), g);
}

// --- Backgrounds ------------------------------------------------------------

void himmel(QPainter &p, const C &oben = himmel1, const C &unten = himmel2)
{
    QLinearGradient g(0, 0, 0, H);
    g.setColorAt(0, oben);
    g.setColorAt(1, unten);
    p.fillRect(QRectF(0, 0, B, H), g);
}

void wiese(QPainter &p, qreal y = 196, const C &c = hellgruen)
{
    himmel(p);
    fuell(p, c);
    QPainterPath pfad;
    pfad.moveTo(0, H);
    pfad.lineTo(0, y);
    pfad.cubicTo(B * 0.3, y - 8, B * 0.6, y + 6, B, y - 4);
    pfad.lineTo(B, H);
    p.drawPath(pfad);
    linie(p, c.darker(120), 1);
    streuen(40, 7, QRectF(0, y + 4, B, H - y - 6), [&](P q, QRandomGenerator &) {
        p.drawLine(q, q + P(-2, -6));
        p.drawLine(q, q + P(2, -5));
    });
}

void waldboden(QPainter &p)
{
    himmel(p, C(170, 200, 160), C(220, 232, 210));
    fuell(p, C(120, 96, 60));
    p.drawRect(QRectF(0, 196, B, H - 196));
    streuen(30, 11, QRectF(0, 200, B, 36), [&](P q, QRandomGenerator &g) {
        oval(p, q, 5, 2.5, g.bounded(180), C(160, 110, 50));
    });
}

void wasser(QPainter &p, const C &oben = C(90, 160, 210), const C &unten = C(30, 80, 140))
{
    QLinearGradient g(0, 0, 0, H);
    g.setColorAt(0, oben);
    g.setColorAt(1, unten);
    p.fillRect(QRectF(0, 0, B, H), g);
    linie(p, C(255, 255, 255, 60), 1.5);
    for (qreal y = 20; y < H; y += 26)
        for (qreal x = std::fmod(y * 3, 50); x < B; x += 60)
            p.drawLine(P(x, y), P(x + 18, y));
    fuell(p, C(200, 180, 120));
    p.drawRect(QRectF(0, 224, B, 16));
}

void see(QPainter &p, qreal y = 150)
{
    himmel(p);
    fuell(p, C(70, 130, 190));
    p.drawRect(QRectF(0, y, B, H - y));
    linie(p, C(255, 255, 255, 90), 1.5);
    for (qreal yy = y + 10; yy < H; yy += 14)
        for (qreal x = std::fmod(yy * 5, 40); x < B; x += 50)
            p.drawLine(P(x, yy), P(x + 14, yy));
}

void tisch(QPainter &p)
{
    himmel(p, C(250, 238, 214), C(240, 224, 196));
    fuell(p, C(170, 120, 74));
    p.drawRect(QRectF(0, 180, B, H - 180));
    linie(p, C(140, 96, 58), 1);
    for (qreal y = 190; y < H; y += 12)
        p.drawLine(P(0, y), P(B, y + 2));
}

void ast(QPainter &p, qreal y, qreal von = 20, qreal bis = 300)
{
    linie(p, C(110, 76, 44), 7);
    p.drawLine(P(von, y + 4), P(bis, y - 4));
    linie(p, C(110, 76, 44), 3);
    p.drawLine(P(bis - 40, y - 3), P(bis - 10, y - 20));
    fuell(p, gruen);
    oval(p, P(bis - 8, y - 22), 8, 4, -30, gruen);
    oval(p, P(von + 20, y + 2), 8, 4, 20, gruen);
}

// --- Plants ---------------------------------------------------------------

void stengel(QPainter &p, P unten, P oben, qreal w = 3, const C &c = gruen)
{
    linie(p, c, w);
    QPainterPath pfad(unten);
    pfad.quadTo(P((unten.x() + oben.x()) / 2 + 6, (unten.y() + oben.y()) / 2), oben);
    p.drawPath(pfad);
}

// A leaf from its base, pointing at grad (0 = right), with a midrib.
void blatt(QPainter &p, P basis, qreal grad, qreal lang, qreal breit, const C &c = gruen, bool gezahnt = false)
{
    p.save();
    p.translate(basis);
    p.rotate(grad);
    QPainterPath pfad(P(0, 0));
    if (gezahnt) {
        const int n = 7;
        for (int i = 1; i <= n; ++i) {
            const qreal x = lang * i / (n + 1);
            const qreal b = breit * std::sin(M_PI * i / (n + 1));
            pfad.lineTo(x - lang / (n + 1) / 2, -b * 0.8);
            pfad.lineTo(x, -b);
        }
        pfad.lineTo(lang, 0);
        for (int i = n; i >= 1; --i) {
            const qreal x = lang * i / (n + 1);
            const qreal b = breit * std::sin(M_PI * i / (n + 1));
            pfad.lineTo(x + lang / (n + 1) / 2, b * 0.8);
            pfad.lineTo(x, b);
        }
        pfad.closeSubpath();
    } else {
        pfad.quadTo(P(lang * 0.4, -breit * 1.3), P(lang, 0));
        pfad.quadTo(P(lang * 0.4, breit * 1.3), P(0, 0));
    }
    fuell(p, c);
    p.drawPath(pfad);
    linie(p, c.darker(130), 0.8);
    p.drawLine(P(0, 0), P(lang * 0.9, 0));
    p.restore();
}

enum class Form { Rund, Oval, Strahl, Spitz };

// A flower seen from the front: n petals round a centre.
void bluete(QPainter &p, P m, qreal r, int n, const C &farbe, const C &mitte, Form form, qreal mitteR, qreal start = -90)
{
    for (int i = 0; i < n; ++i) {
        const qreal g = start + 360.0 * i / n;
        const C c = i % 2 ? farbe : farbe.darker(106);
        switch (form) {
        case Form::Rund:
            kreis(p, polar(m, r * 0.55, g), r * 0.48, c);
            break;
        case Form::Oval:
            oval(p, polar(m, r * 0.55, g), r * 0.5, r * 0.3, g, c);
            break;
        case Form::Strahl:
            oval(p, polar(m, r * 0.55, g), r * 0.48, r * 0.1, g, c);
            break;
        case Form::Spitz: {
            p.save();
            p.translate(m);
            p.rotate(g);
            polygon(p, {P(0, -r * 0.16), P(r, 0), P(0, r * 0.16)}, c);
            p.restore();
            break;
        }
        }
    }
    if (mitteR > 0)
        kreis(p, m, mitteR, mitte);
}

void glocke(QPainter &p, P oben, qreal s, const C &c, qreal grad = 0)
{
    p.save();
    p.translate(oben);
    p.rotate(grad);
    QPainterPath pfad(P(-s * 0.3, 0));
    pfad.cubicTo(P(-s * 0.5, s * 0.5), P(-s * 0.5, s * 0.8), P(-s * 0.7, s));
    pfad.quadTo(P(-s * 0.35, s * 0.85), P(0, s));
    pfad.quadTo(P(s * 0.35, s * 0.85), P(s * 0.7, s));
    pfad.cubicTo(P(s * 0.5, s * 0.8), P(s * 0.5, s * 0.5), P(s * 0.3, 0));
    pfad.closeSubpath();
    fuell(p, c);
    p.drawPath(pfad);
    p.restore();
}

void tulpenkelch(QPainter &p, P m, qreal s, const C &c)
{
    oval(p, m + P(-s * 0.35, 0), s * 0.42, s * 0.7, -12, c.darker(115));
    oval(p, m + P(s * 0.35, 0), s * 0.42, s * 0.7, 12, c.darker(115));
    oval(p, m, s * 0.45, s * 0.78, 0, c);
}

void rosenbluete(QPainter &p, P m, qreal r, const C &c)
{
    for (int ring = 0; ring < 4; ++ring) {
        const qreal rr = r * (1 - ring * 0.22);
        const int n = 6 - ring;
        for (int i = 0; i < n; ++i)
            kreis(p, polar(m, rr * 0.45, 360.0 * i / n + ring * 25), rr * 0.5, ring % 2 ? c : c.darker(112));
    }
    linie(p, c.darker(150), 1.2);
    p.drawArc(QRectF(m.x() - r * 0.25, m.y() - r * 0.25, r * 0.5, r * 0.5), 0, 270 * 16);
}

void gefiedert(QPainter &p, P basis, qreal grad, qreal lang, qreal fieder, const C &c, int paare = 8)
{
    p.save();
    p.translate(basis);
    p.rotate(grad);
    linie(p, c.darker(120), 1.5);
    p.drawLine(P(0, 0), P(lang, 0));
    for (int i = 1; i <= paare; ++i) {
        const qreal x = lang * i / (paare + 1);
        const qreal l = fieder * (1.0 - 0.6 * i / paare);
        oval(p, P(x, -l * 0.6), l * 0.55, l * 0.2, -60, c);
        oval(p, P(x, l * 0.6), l * 0.55, l * 0.2, 60, c);
    }
    oval(p, P(lang, 0), fieder * 0.25, fieder * 0.12, 0, c);
    p.restore();
}

void dreiblatt(QPainter &p, P m, qreal s, const C &c)
{
    for (int i = 0; i < 3; ++i) {
        const qreal g = -90 + i * 120;
        oval(p, polar(m, s * 0.55, g), s * 0.55, s * 0.42, g, c);
    }
    linie(p, C(255, 255, 255, 120), 1);
    for (int i = 0; i < 3; ++i)
        p.drawArc(QRectF(polar(m, s * 0.55, -90 + i * 120) - P(s * 0.25, s * 0.2), QSizeF(s * 0.5, s * 0.4)),
                  0, 180 * 16);
}

void dreilappig(QPainter &p, P m, qreal s, qreal grad, const C &c)
{
    for (int i = -1; i <= 1; ++i)
        oval(p, polar(m, s * 0.5, grad + i * 50), s * 0.5, s * 0.36, grad + i * 50, c);
}

void erde(QPainter &p, qreal y)
{
    himmel(p);
    fuell(p, C(120, 84, 52));
    p.drawRect(QRectF(0, y, B, H - y));
    streuen(30, 3, QRectF(0, y + 4, B, H - y - 4), [&](P q, QRandomGenerator &) { kreis(p, q, 1.5, C(90, 62, 40)); });
}

// A nettle leaf on its stalk, pointing at grad: heart-shaped at the base,
// coarsely sawn along the edge, drawn out to a long point, with its veins.
void nesselblatt(QPainter &p, P basis, qreal grad, qreal stiel, qreal lang, qreal breit, const C &c)
{
    p.save();
    p.translate(basis);
    p.rotate(grad);
    linie(p, c.darker(115), std::max(1.2, breit / 12));
    p.drawLine(P(0, 0), P(stiel, 0));
    // Half the width at t (0 base .. 1 tip): widest a third of the way out.
    auto halb = [breit](qreal t) { return breit * std::pow(std::sin(M_PI * std::pow(t, 0.72)), 1.3); };
    const int zaehne = 12;
    auto seite = [&](QPainterPath &pf, qreal seiteVz) {
        for (int i = 1; i <= zaehne; ++i) {
            const qreal t = 0.1 + 0.86 * i / zaehne;
            const qreal tk = t - 0.5 / zaehne;
            pf.lineTo(P(stiel + tk * lang, seiteVz * halb(tk) * 0.84));
            pf.lineTo(P(stiel + t * lang, seiteVz * halb(t)));
        }
    };
    // the rounded lobes of the heart-shaped base reach back a little past
    // the stalk's end
    QPainterPath pf(P(stiel + lang * 0.03, 0));
    pf.cubicTo(P(stiel - lang * 0.06, -breit * 0.3), P(stiel - lang * 0.03, -breit * 0.62), P(stiel + lang * 0.1, -halb(0.1)));
    seite(pf, -1);
    pf.lineTo(P(stiel + lang, 0));
    QPainterPath unten(P(stiel + lang * 0.03, 0));
    unten.cubicTo(P(stiel - lang * 0.06, breit * 0.3), P(stiel - lang * 0.03, breit * 0.62), P(stiel + lang * 0.1, halb(0.1)));
    seite(unten, 1);
    unten.lineTo(P(stiel + lang, 0));
    pf.connectPath(unten.toReversed());
    pf.closeSubpath();
    umriss(p, c, c.darker(135), 0.8);
    p.drawPath(pf);
    // midrib and side veins
    linie(p, c.lighter(135), std::max(0.8, breit / 16));
    p.drawLine(P(stiel, 0), P(stiel + lang * 0.92, 0));
    for (int i = 0; i < 4; ++i) {
        const qreal x = stiel + lang * (0.08 + i * 0.16);
        for (int vz : {-1, 1}) {
            QPainterPath ader(P(x, 0));
            ader.quadTo(P(x + lang * 0.08, vz * breit * 0.35), P(x + lang * 0.2, vz * halb((x - stiel) / lang + 0.2) * 0.8));
            p.drawPath(ader);
        }
    }
    p.restore();
}

// A stinging nettle: an upright square stem with stinging hairs, the leaves
// in opposite pairs, and the green flower strings hanging from the axils.
void brennnessel(QPainter &p)
{
    wiese(p, 206);
    const C stengelGruen(74, 116, 54), blattGruen(58, 118, 48), bluetenGruen(176, 196, 120);
    // stem, slightly bent, with its hairs
    QPainterPath st(P(160, 236));
    st.cubicTo(P(162, 170), P(156, 90), P(160, 16));
    linie(p, stengelGruen, 5);
    p.drawPath(st);
    linie(p, C(200, 220, 180), 0.8);
    for (int i = 0; i < 40; ++i) {
        const P q = st.pointAtPercent(0.02 + i * 0.024);
        const qreal vz = i % 2 ? 1 : -1;
        p.drawLine(q + P(vz * 2, 0), q + P(vz * 6, -3));
    }
    // leaf pairs from the bottom up, smaller towards the top; every second
    // pair stands across the first, so it looks shorter
    struct Paar
    {
        qreal anteil, lang, breit;
        bool quer;
    };
    const Paar paare[] = {{0.26, 58, 19, false}, {0.42, 52, 16, true}, {0.56, 46, 15, false},
                          {0.69, 36, 12, true},  {0.81, 28, 9, false}, {0.91, 17, 6, true}};
    for (const Paar &pa : paare) {
        const P knoten = st.pointAtPercent(pa.anteil);
        // flower strings hang from the axils of the middle pairs
        if (pa.anteil > 0.3 && pa.anteil < 0.85) {
            for (int vz : {-1, 1})
                for (int k = 0; k < 3; ++k) {
                    QPainterPath faden(knoten);
                    const P ende = knoten + P(vz * (10 + k * 7), 26 + k * 6);
                    faden.quadTo(knoten + P(vz * (8 + k * 6), 4), ende);
                    linie(p, bluetenGruen.darker(120), 1.6);
                    p.drawPath(faden);
                    for (int b = 0; b <= 8; ++b)
                        kreis(p, faden.pointAtPercent(0.3 + b * 0.085), 1.7, b % 2 ? bluetenGruen : bluetenGruen.darker(108));
                }
        }
        const qreal neigung = 10 + 26 * (1 - pa.anteil); // the lower leaves hang more
        const qreal lang = pa.quer ? pa.lang * 0.8 : pa.lang;
        nesselblatt(p, knoten, 180 - neigung, pa.lang * 0.22, lang, pa.breit, pa.quer ? blattGruen.darker(110) : blattGruen);
        nesselblatt(p, knoten, neigung, pa.lang * 0.22, lang, pa.breit, pa.quer ? blattGruen.darker(110) : blattGruen);
    }
    // the young leaves at the top
    nesselblatt(p, P(160, 24), -120, 2, 12, 5, blattGruen.lighter(110));
    nesselblatt(p, P(160, 24), -60, 2, 12, 5, blattGruen.lighter(110));
}

void pflanze(QPainter &p, int post)
{
    switch (post) {
    case 1: // Löwenzahn
        wiese(p);
        for (int i = 0; i < 6; ++i)
            blatt(p, P(150, 205), 200 + i * 28, 70, 12, gruen, true);
        stengel(p, P(150, 205), P(130, 80), 4, C(120, 170, 80));
        bluete(p, P(130, 80), 44, 40, gelb, C(236, 170, 20), Form::Strahl, 10);
        bluete(p, P(130, 80), 28, 28, C(250, 220, 60), C(236, 170, 20), Form::Strahl, 10, -80);
        stengel(p, P(160, 205), P(230, 100), 3, C(120, 170, 80));
        kreis(p, P(230, 100), 30, C(255, 255, 255, 200));
        linie(p, C(200, 200, 200), 0.8);
        for (int i = 0; i < 36; ++i)
            p.drawLine(P(230, 100), polar(P(230, 100), 30, i * 10));
        break;
    case 2: // Gänseblümchen
        wiese(p, 150);
        for (const P &m : {P(90, 150), P(170, 120), P(250, 160)}) {
            stengel(p, m + P(0, 60), m, 2);
            bluete(p, m, 30, 30, weiss, gelb, Form::Strahl, 8);
            for (int i = 0; i < 30; i += 3)
                oval(p, polar(m, 27, -90 + i * 12), 3, 1.5, -90 + i * 12, rosa);
            kreis(p, m, 8, gelb);
        }
        break;
    case 3: // Margerite
        wiese(p);
        stengel(p, P(160, 230), P(150, 90), 3);
        blatt(p, P(156, 170), -30, 30, 6, gruen, true);
        blatt(p, P(153, 140), 200, 26, 5, gruen, true);
        bluete(p, P(150, 90), 62, 22, weiss, gelb, Form::Oval, 15);
        break;
    case 4: // Kornblume
        wiese(p);
        stengel(p, P(160, 230), P(160, 110), 2.5, C(120, 150, 110));
        blatt(p, P(160, 180), -70, 40, 3, C(120, 150, 110));
        blatt(p, P(160, 160), 250, 40, 3, C(120, 150, 110));
        for (int i = 0; i < 9; ++i) {
            const qreal g = -90 + i * 40;
            p.save();
            p.translate(P(160, 100));
            p.rotate(g);
            polygon(p, {P(6, -3), P(38, -12), P(34, -4), P(40, 0), P(34, 4), P(38, 12), P(6, 3)}, C(50, 90, 210));
            p.restore();
        }
        kreis(p, P(160, 100), 10, C(60, 40, 120));
        oval(p, P(160, 120), 8, 9, 0, C(110, 130, 90));
        break;
    case 5: // Klatschmohn
        wiese(p);
        stengel(p, P(150, 230), P(150, 120), 2.5, C(100, 150, 70));
        stengel(p, P(170, 230), P(225, 110), 2, C(100, 150, 70));
        oval(p, P(228, 118), 7, 11, 30, C(90, 140, 70));
        for (int i = 0; i < 4; ++i)
            kreis(p, polar(P(150, 100), 24, 45 + i * 90), 34, i % 2 ? rot : rot.darker(112));
        kreis(p, P(150, 100), 14, schwarz);
        kreis(p, P(150, 100), 7, C(90, 100, 60));
        blatt(p, P(150, 200), 200, 40, 8, C(100, 150, 70), true);
        break;
    case 6: // Glockenblume
        wiese(p);
        linie(p, gruen, 2.5);
        {
            QPainterPath pfad(P(140, 230));
            pfad.cubicTo(P(140, 120), P(180, 50), P(240, 60));
            p.drawPath(pfad);
        }
        for (const auto &[m, g] : {std::pair{P(150, 140), 10.0}, std::pair{P(175, 88), 0.0}, std::pair{P(215, 60), -10.0}}) {
            linie(p, gruen, 1.5);
            p.drawLine(m, m + P(4, 8));
            glocke(p, m + P(4, 8), 40, C(110, 100, 210), g);
        }
        blatt(p, P(140, 200), 200, 30, 4);
        break;
    case 7: // Maiglöckchen
        waldboden(p);
        blatt(p, P(150, 210), -100, 150, 28, C(60, 140, 70));
        blatt(p, P(170, 210), -70, 140, 26, C(50, 120, 60));
        stengel(p, P(160, 210), P(150, 60), 2);
        for (int i = 0; i < 6; ++i) {
            const P a(152 + i * 2, 70 + i * 18);
            linie(p, gruen, 1.2);
            p.drawLine(a, a + P(-14, 6));
            glocke(p, a + P(-14, 6), 16, weiss);
        }
        break;
    case 8: // Buschwindröschen
        waldboden(p);
        for (const P &m : {P(100, 120), P(210, 100)}) {
            stengel(p, m + P(0, 96), m, 2, C(120, 90, 80));
            dreilappig(p, m + P(-26, 50), 26, 180, gruen);
            dreilappig(p, m + P(26, 50), 26, 0, gruen);
            bluete(p, m, 38, 6, weiss, gelb, Form::Oval, 9);
            streuen(12, 5, QRectF(m.x() - 8, m.y() - 8, 16, 16), [&](P q, QRandomGenerator &) { kreis(p, q, 1.5, orange); });
        }
        break;
    case 9: // Leberblümchen
        waldboden(p);
        for (int i = 0; i < 3; ++i)
            dreilappig(p, P(120 + i * 40, 200), 30, -90 + (i - 1) * 30, C(60, 110, 60));
        for (const P &m : {P(110, 110), P(200, 90), P(160, 150)}) {
            stengel(p, m + P(0, 80), m, 1.5, C(130, 90, 90));
            bluete(p, m, 32, 7, C(90, 90, 220), weiss, Form::Oval, 7);
            streuen(10, 2, QRectF(m.x() - 6, m.y() - 6, 12, 12), [&](P q, QRandomGenerator &) { kreis(p, q, 1.2, weiss); });
        }
        break;
    case 10: // Klee
        wiese(p);
        for (const P &m : {P(80, 170), P(230, 180), P(150, 200)}) {
            stengel(p, m + P(0, 30), m, 2);
            dreiblatt(p, m, 26, C(70, 150, 70));
        }
        for (const P &m : {P(130, 90), P(200, 110)}) {
            stengel(p, m + P(0, 120), m, 2);
            streuen(60, 9, QRectF(m.x() - 18, m.y() - 20, 36, 40), [&](P q, QRandomGenerator &g) {
                if (std::hypot(q.x() - m.x(), (q.y() - m.y()) * 0.9) < 18)
                    oval(p, q, 4, 2, g.bounded(180), g.bounded(2) ? C(220, 90, 150) : C(240, 140, 190));
            });
        }
        break;
    case 11: // Hahnenfuß
        wiese(p);
        stengel(p, P(160, 230), P(160, 150), 2);
        stengel(p, P(160, 160), P(100, 80), 2);
        stengel(p, P(160, 160), P(220, 90), 2);
        for (int i = 0; i < 3; ++i)
            dreilappig(p, P(150 + i * 10, 215), 22, -120 + i * 40, gruen);
        for (const P &m : {P(100, 80), P(220, 90), P(160, 140)}) {
            bluete(p, m, 34, 5, C(250, 220, 30), C(240, 180, 20), Form::Rund, 7);
            kreis(p, m + P(-6, -12), 4, C(255, 255, 200, 200));
        }
        break;
    case 12: // Brennnessel
        brennnessel(p);
        break;
    case 13: // Farn
        waldboden(p);
        for (int i = 0; i < 5; ++i)
            gefiedert(p, P(160, 215), -160 + i * 35, 140 - std::abs(i - 2) * 20, 28, C(60, 130, 60), 10);
        break;
    case 14: // Heidekraut
        himmel(p);
        fuell(p, C(130, 110, 70));
        p.drawRect(QRectF(0, 190, B, 50));
        for (int b = 0; b < 7; ++b) {
            const P fuss(30 + b * 44, 210);
            linie(p, C(90, 70, 50), 1.5);
            for (int z = -2; z <= 2; ++z)
                p.drawLine(fuss, fuss + P(z * 10, -90 + std::abs(z) * 15));
            streuen(70, quint32(20 + b), QRectF(fuss.x() - 26, fuss.y() - 100, 52, 90), [&](P q, QRandomGenerator &g) {
                if (std::abs(q.x() - fuss.x()) < (fuss.y() - q.y()) * 0.35)
                    kreis(p, q, 2.2, g.bounded(2) ? C(190, 90, 170) : C(220, 130, 200));
            });
        }
        break;
    case 15: // Veilchen
        waldboden(p);
        for (int i = 0; i < 4; ++i)
            oval(p, P(110 + i * 34, 205), 20, 16, 0, C(60, 120, 60));
        for (const P &m : {P(120, 120), P(200, 110)}) {
            stengel(p, m + P(0, 90), m, 1.5);
            oval(p, m + P(-12, -18), 13, 18, -20, C(100, 60, 170));
            oval(p, m + P(12, -18), 13, 18, 20, C(100, 60, 170));
            oval(p, m + P(-18, 2), 14, 10, -10, C(120, 70, 190));
            oval(p, m + P(18, 2), 14, 10, 10, C(120, 70, 190));
            oval(p, m + P(0, 14), 13, 14, 0, C(120, 70, 190));
            kreis(p, m + P(0, 4), 5, weiss);
            kreis(p, m + P(0, 4), 2.5, gelb);
        }
        break;
    case 16: // Moos
        himmel(p, C(170, 200, 160), C(220, 232, 210));
        fuell(p, C(110, 100, 90));
        p.drawEllipse(P(160, 250), 200, 80);
        streuen(400, 4, QRectF(20, 120, 280, 110), [&](P q, QRandomGenerator &g) {
            if (std::hypot((q.x() - 160) / 140, (q.y() - 230) / 100) < 1)
                kreis(p, q, 3 + g.bounded(3), g.bounded(2) ? C(80, 150, 60) : C(110, 170, 70));
        });
        streuen(25, 6, QRectF(60, 110, 200, 40), [&](P q, QRandomGenerator &) {
            linie(p, C(150, 110, 60), 1);
            p.drawLine(q, q + P(2, 26));
            oval(p, q, 2, 4, 20, C(140, 90, 40));
        });
        break;
    }
}

void gartenpflanze(QPainter &p, int post)
{
    switch (post) {
    case 1: // Rose
        wiese(p);
        stengel(p, P(160, 232), P(160, 100), 4, C(60, 110, 50));
        for (int i = 0; i < 5; ++i)
            polygon(p, {P(160, 210 - i * 22), P(168, 206 - i * 22), P(160, 202 - i * 22)}, C(120, 90, 60));
        for (const auto &[y, g] : {std::pair{180.0, 200.0}, std::pair{150.0, -20.0}})
            for (int k = 0; k < 3; ++k)
                blatt(p, P(160, y) + P(g > 90 ? -k * 14 : k * 14, -k * 4), g + (k - 1) * 30, 24, 9, C(60, 110, 50), true);
        rosenbluete(p, P(160, 86), 44, C(200, 30, 50));
        break;
    case 2: // Tulpe
        wiese(p);
        blatt(p, P(160, 230), -110, 120, 16, C(90, 150, 90));
        blatt(p, P(160, 230), -70, 110, 15, C(80, 140, 80));
        stengel(p, P(160, 230), P(160, 100), 4, C(90, 150, 90));
        tulpenkelch(p, P(160, 80), 46, C(230, 40, 60));
        break;
    case 3: // Sonnenblume
        wiese(p);
        stengel(p, P(160, 240), P(160, 110), 7, C(90, 140, 50));
        blatt(p, P(160, 190), 190, 60, 26, C(80, 140, 50), true);
        blatt(p, P(160, 160), -10, 56, 24, C(80, 140, 50), true);
        bluete(p, P(160, 80), 76, 24, C(250, 200, 20), schwarz, Form::Oval, 0);
        kreis(p, P(160, 80), 34, C(100, 60, 30));
        streuen(90, 8, QRectF(128, 48, 64, 64), [&](P q, QRandomGenerator &) {
            if (std::hypot(q.x() - 160, q.y() - 80) < 30)
                kreis(p, q, 1.8, C(60, 36, 20));
        });
        break;
    case 4: // Osterglocke
        wiese(p);
        blatt(p, P(150, 230), -100, 110, 8, C(90, 150, 90));
        blatt(p, P(170, 230), -80, 100, 8, C(90, 150, 90));
        stengel(p, P(160, 230), P(160, 100), 3, C(90, 150, 90));
        bluete(p, P(160, 90), 60, 6, C(250, 230, 90), gelb, Form::Spitz, 0);
        bluete(p, P(160, 90), 44, 6, C(250, 230, 90), gelb, Form::Oval, 0);
        kreis(p, P(160, 90), 20, C(240, 170, 20));
        kreis(p, P(160, 90), 13, C(220, 140, 10));
        linie(p, C(250, 200, 60), 2);
        p.drawEllipse(P(160, 90), 20, 20);
        break;
    case 5: // Lilie
        wiese(p);
        stengel(p, P(160, 232), P(160, 110), 3);
        for (int i = 0; i < 5; ++i)
            blatt(p, P(160, 220 - i * 22), i % 2 ? -30 : 210, 34, 5);
        for (int i = 0; i < 6; ++i) {
            const qreal g = -90 + i * 60;
            p.save();
            p.translate(P(160, 96));
            p.rotate(g);
            QPainterPath pfad(P(0, -8));
            pfad.quadTo(P(40, -22), P(64, 6));
            pfad.quadTo(P(36, 0), P(0, 8));
            fuell(p, i % 2 ? C(246, 130, 40) : C(236, 110, 30));
            p.drawPath(pfad);
            for (int k = 1; k < 4; ++k)
                kreis(p, P(k * 12, 0), 1.6, C(120, 40, 20));
            p.restore();
        }
        linie(p, C(140, 110, 40), 1.2);
        for (int i = 0; i < 6; ++i)
            p.drawLine(P(160, 96), polar(P(160, 96), 30, -60 + i * 20));
        for (int i = 0; i < 6; ++i)
            oval(p, polar(P(160, 96), 32, -60 + i * 20), 4, 2, -60 + i * 20, C(150, 70, 30));
        break;
    case 6: // Nelke
        wiese(p);
        stengel(p, P(160, 232), P(160, 110), 2.5, C(120, 160, 140));
        for (int i = 0; i < 3; ++i) {
            blatt(p, P(160, 210 - i * 30), -40, 40, 3, C(120, 160, 140));
            blatt(p, P(160, 210 - i * 30), 220, 40, 3, C(120, 160, 140));
        }
        oval(p, P(160, 112), 9, 14, 0, C(120, 160, 140));
        for (int ring = 0; ring < 3; ++ring)
            for (int i = 0; i < 10; ++i) {
                p.save();
                p.translate(P(160, 88));
                p.rotate(i * 36 + ring * 12);
                const qreal r = 42 - ring * 11;
                QPolygonF z{P(0, 0)};
                for (int k = 0; k <= 6; ++k)
                    z << P(r + (k % 2 ? 5 : 0), -12 + k * 4);
                fuell(p, ring % 2 ? C(230, 80, 120) : C(210, 50, 100));
                p.drawPolygon(z);
                p.restore();
            }
        break;
    case 7: // Stiefmütterchen
        wiese(p);
        for (int i = 0; i < 4; ++i)
            oval(p, P(110 + i * 34, 205), 20, 12, 0, C(60, 120, 60));
        {
            const P m(160, 110);
            oval(p, m + P(-22, -28), 30, 34, -20, C(80, 40, 140));
            oval(p, m + P(22, -28), 30, 34, 20, C(80, 40, 140));
            oval(p, m + P(-34, 10), 28, 24, -20, C(250, 210, 40));
            oval(p, m + P(34, 10), 28, 24, 20, C(250, 210, 40));
            oval(p, m + P(0, 32), 32, 28, 0, C(250, 220, 50));
            oval(p, m + P(0, 20), 22, 20, 0, C(60, 30, 90));
            oval(p, m + P(-22, 8), 10, 8, 0, C(60, 30, 90));
            oval(p, m + P(22, 8), 10, 8, 0, C(60, 30, 90));
            kreis(p, m + P(0, 4), 5, C(250, 240, 120));
        }
        break;
    case 8: // Dahlie
        wiese(p);
        stengel(p, P(160, 232), P(160, 110), 4);
        blatt(p, P(160, 190), 200, 40, 14, gruen, true);
        blatt(p, P(160, 170), -20, 40, 14, gruen, true);
        for (int ring = 0; ring < 5; ++ring)
            bluete(p, P(160, 90), 66 - ring * 12, 16 - ring * 2, ring % 2 ? C(220, 50, 60) : C(240, 80, 70),
                   C(240, 190, 60), Form::Spitz, ring == 4 ? 6 : 0, ring * 11);
        break;
    case 9: // Schneeglöckchen
        himmel(p, C(200, 214, 230), C(236, 242, 248));
        fuell(p, weiss);
        p.drawRect(QRectF(0, 196, B, 44));
        for (const P &m : {P(110, 110), P(200, 96)}) {
            blatt(p, m + P(0, 100), -95, 80, 5, C(90, 140, 110));
            blatt(p, m + P(4, 100), -80, 70, 5, C(90, 140, 110));
            linie(p, C(90, 140, 110), 2);
            QPainterPath pfad(m + P(0, 100));
            pfad.quadTo(m + P(0, -10), m + P(16, 0));
            p.drawPath(pfad);
            oval(p, m + P(18, 4), 4, 3, 0, C(90, 140, 110));
            oval(p, m + P(12, 24), 8, 18, 10, weiss);
            oval(p, m + P(26, 24), 8, 18, -10, weiss);
            oval(p, m + P(19, 28), 7, 14, 0, C(236, 240, 236));
            kreis(p, m + P(19, 38), 3, C(90, 170, 90));
        }
        break;
    case 10: // Krokus
        himmel(p);
        fuell(p, C(120, 150, 80));
        p.drawRect(QRectF(0, 180, B, 60));
        for (const P &m : {P(90, 150), P(170, 130), P(250, 155)}) {
            blatt(p, m + P(0, 70), -100, 70, 3, C(80, 140, 80));
            blatt(p, m + P(0, 70), -80, 66, 3, C(80, 140, 80));
            stengel(p, m + P(0, 70), m + P(0, 30), 4, weiss);
            tulpenkelch(p, m, 30, C(150, 90, 210));
            linie(p, C(110, 60, 170), 1);
            p.drawLine(m + P(0, -16), m + P(0, 16));
            kreis(p, m + P(0, -26), 3, orange);
        }
        break;
    case 11: // Pfingstrose
        wiese(p);
        stengel(p, P(160, 232), P(160, 120), 4, C(80, 120, 60));
        for (int i = 0; i < 3; ++i) {
            blatt(p, P(160, 210 - i * 20), 200 + i * 10, 44, 12, C(70, 120, 60));
            blatt(p, P(160, 210 - i * 20), -20 - i * 10, 44, 12, C(70, 120, 60));
        }
        for (int ring = 0; ring < 5; ++ring)
            for (int i = 0; i < 9 - ring; ++i)
                kreis(p, polar(P(160, 90), 44 - ring * 10, i * 360.0 / (9 - ring) + ring * 17), 24 - ring * 2,
                      ring % 2 ? C(240, 150, 190) : C(226, 120, 170));
        break;
    case 12: // Flieder
        wiese(p);
        fuell(p, braun);
        p.drawRect(QRectF(150, 150, 14, 80));
        for (const P &m : {P(90, 130), P(160, 110), P(230, 125), P(120, 170), P(200, 170)})
            oval(p, m, 50, 36, 0, C(70, 130, 60));
        for (const P &m : {P(90, 90), P(165, 62), P(235, 86), P(130, 140), P(205, 140)}) {
            streuen(80, quint32(m.x()), QRectF(m.x() - 20, m.y() - 30, 40, 60), [&](P q, QRandomGenerator &g) {
                if (std::abs(q.x() - m.x()) < (q.y() - m.y() + 30) * 0.35)
                    kreis(p, q, 2.6, g.bounded(2) ? C(170, 110, 210) : C(200, 150, 230));
            });
        }
        break;
    case 13: // Hyazinthe
        wiese(p);
        for (int i = 0; i < 4; ++i)
            blatt(p, P(160, 230), -130 + i * 28, 90, 10, C(70, 140, 80));
        stengel(p, P(160, 230), P(160, 60), 6, C(90, 150, 90));
        for (int r = 0; r < 9; ++r)
            for (int k = -2; k <= 2; ++k)
                bluete(p, P(160 + k * 11 + (r % 2) * 5, 60 + r * 13), 12, 6, k % 2 ? C(80, 90, 210) : C(100, 110, 226), weiss, Form::Oval, 2.5);
        break;
    case 14: // Ringelblume
        wiese(p);
        for (const P &m : {P(110, 110), P(220, 120)}) {
            stengel(p, m + P(0, 110), m, 3);
            blatt(p, m + P(0, 80), 200, 34, 8);
            blatt(p, m + P(0, 60), -20, 34, 8);
            bluete(p, m, 44, 22, C(246, 140, 20), C(200, 90, 10), Form::Oval, 0);
            bluete(p, m, 30, 16, C(250, 170, 40), C(200, 90, 10), Form::Oval, 10, 10);
        }
        break;
    case 15: // Möhre
        erde(p, 110);
        for (int i = 0; i < 6; ++i)
            gefiedert(p, P(160, 112), -150 + i * 24, 80, 14, C(70, 150, 60), 6);
        {
            QPainterPath pfad(P(138, 112));
            pfad.quadTo(P(150, 200), P(160, 234));
            pfad.quadTo(P(170, 200), P(182, 112));
            pfad.closeSubpath();
            fuell(p, C(240, 120, 30));
            p.drawPath(pfad);
            linie(p, C(200, 90, 20), 1.2);
            for (int k = 0; k < 6; ++k)
                p.drawLine(P(146 + k * 2, 130 + k * 16), P(156 + k, 128 + k * 16));
        }
        break;
    case 16: // Kartoffel
        erde(p, 120);
        stengel(p, P(160, 122), P(160, 50), 3);
        for (int i = 0; i < 4; ++i) {
            blatt(p, P(160, 110 - i * 16), 200, 32, 12, C(70, 130, 60));
            blatt(p, P(160, 110 - i * 16), -20, 32, 12, C(70, 130, 60));
        }
        bluete(p, P(160, 44), 16, 5, weiss, gelb, Form::Oval, 3);
        linie(p, C(200, 180, 150), 1.5);
        for (const P &m : {P(100, 180), P(160, 200), P(225, 176), P(190, 150)}) {
            p.drawLine(P(160, 130), m);
        }
        for (const P &m : {P(100, 180), P(160, 200), P(225, 176), P(190, 150)}) {
            oval(p, m, 22, 15, 15, C(200, 160, 90));
            kreis(p, m + P(-6, -3), 1.5, C(120, 90, 50));
            kreis(p, m + P(7, 3), 1.5, C(120, 90, 50));
        }
        break;
    case 17: // Erbse
        wiese(p);
        linie(p, C(90, 150, 70), 2);
        {
            QPainterPath ranke(P(40, 60));
            ranke.cubicTo(P(60, 30), P(80, 70), P(70, 50));
            p.drawPath(ranke);
        }
        stengel(p, P(40, 230), P(60, 40), 3, C(90, 150, 70));
        oval(p, P(160, 120), 110, 36, -10, C(100, 170, 70));
        oval(p, P(160, 116), 96, 24, -10, C(150, 200, 110));
        for (int i = 0; i < 6; ++i)
            kreis(p, P(82 + i * 31, 130 - i * 5.5), 14, C(110, 180, 60));
        for (int i = 0; i < 6; ++i)
            kreis(p, P(78 + i * 31, 126 - i * 5.5), 4, C(180, 230, 140));
        break;
    }
}

// --- Trees ----------------------------------------------------------------

void stamm(QPainter &p, qreal x, qreal fuss, qreal w, qreal h, const C &c = C(100, 70, 44))
{
    polygon(p, {P(x - w * 0.6, fuss), P(x - w * 0.4, fuss - h), P(x + w * 0.4, fuss - h), P(x + w * 0.6, fuss)}, c);
}

void krone(QPainter &p, P m, qreal rx, qreal ry, const C &c, int teile = 7, quint32 saat = 1)
{
    QRandomGenerator g(saat);
    oval(p, m, rx * 0.9, ry * 0.9, 0, c.darker(115));
    for (int i = 0; i < teile; ++i) {
        const qreal a = 360.0 * i / teile;
        oval(p, P(m.x() + std::cos(a * M_PI / 180) * rx * 0.55, m.y() + std::sin(a * M_PI / 180) * ry * 0.55),
             rx * (0.45 + g.bounded(0.15)), ry * (0.45 + g.bounded(0.15)), 0, i % 2 ? c : c.lighter(110));
    }
    oval(p, m, rx * 0.5, ry * 0.5, 0, c);
}

// A white circle at the right with a detail of the tree in it.
void lupe(QPainter &p, const std::function<void(QPainter &, P)> &inhalt)
{
    const P m(246, 84);
    umriss(p, C(255, 255, 255, 235), C(120, 120, 120), 2);
    p.drawEllipse(m, 64, 64);
    p.save();
    QPainterPath kreisPfad;
    kreisPfad.addEllipse(m, 62, 62);
    p.setClipPath(kreisPfad);
    inhalt(p, m);
    p.restore();
}

void eichenblatt(QPainter &p, P basis, qreal grad, qreal s, const C &c)
{
    // Round lobes on both sides, largest in the middle, a small one at the tip.
    p.save();
    p.translate(basis);
    p.rotate(grad);
    QPainterPath pfad(P(0, 0));
    const qreal lappen[4][2] = {{0.2, 0.12}, {0.42, 0.2}, {0.64, 0.22}, {0.84, 0.15}};
    for (const auto &l : lappen)
        pfad.addEllipse(P(l[0] * s, -l[1] * s * 0.9), l[1] * s * 0.75, l[1] * s * 0.6);
    for (const auto &l : lappen)
        pfad.addEllipse(P(l[0] * s + 0.06 * s, l[1] * s * 0.9), l[1] * s * 0.75, l[1] * s * 0.6);
    pfad.addEllipse(P(0.55 * s, 0), 0.44 * s, 0.13 * s);
    pfad.addEllipse(P(0.98 * s, 0), 0.1 * s, 0.09 * s);
    pfad.setFillRule(Qt::WindingFill);
    fuell(p, c);
    p.drawPath(pfad.simplified());
    linie(p, c.darker(130), 1.2);
    p.drawLine(P(-0.08 * s, 0), P(s, 0));
    for (const auto &l : lappen) {
        p.drawLine(P(l[0] * s - 0.05 * s, 0), P(l[0] * s, -l[1] * s * 0.9));
        p.drawLine(P(l[0] * s, 0), P(l[0] * s + 0.06 * s, l[1] * s * 0.9));
    }
    p.restore();
}

void ahornblatt(QPainter &p, P m, qreal s, const C &c)
{
    // Five pointed lobes; the stalk hangs from the base.
    struct Lappen
    {
        qreal grad, lang;
    };
    const Lappen lappen[5] = {{-200, 0.6}, {-145, 0.95}, {-90, 1.0}, {-35, 0.95}, {20, 0.6}};
    QPolygonF z{polar(m, s * 0.22, 90)};
    for (int i = 0; i < 5; ++i) {
        const Lappen &l = lappen[i];
        z << polar(m, s * l.lang * 0.55, l.grad - 14) << polar(m, s * l.lang * 0.62, l.grad - 20)
          << polar(m, s * l.lang, l.grad) << polar(m, s * l.lang * 0.62, l.grad + 20)
          << polar(m, s * l.lang * 0.55, l.grad + 14);
        if (i < 4)
            z << polar(m, s * 0.34, (l.grad + lappen[i + 1].grad) / 2);
    }
    fuell(p, c);
    p.drawPolygon(z);
    linie(p, c.darker(130), 1);
    for (const Lappen &l : lappen)
        p.drawLine(m, polar(m, s * l.lang * 0.9, l.grad));
    linie(p, c.darker(130), 2);
    p.drawLine(polar(m, s * 0.2, 90), m + P(0, s * 0.7));
}

void zapfen(QPainter &p, P oben, qreal l, qreal b, const C &c)
{
    oval(p, oben + P(0, l / 2), b, l / 2, 0, c);
    linie(p, c.darker(140), 1);
    for (int i = 1; i < 6; ++i) {
        const qreal y = oben.y() + l * i / 6;
        p.drawArc(QRectF(oben.x() - b, y - 4, b * 2, 8), 200 * 16, 140 * 16);
    }
}

void beeren(QPainter &p, P m, qreal r, int n, const C &c, quint32 saat = 3)
{
    QRandomGenerator g(saat);
    for (int i = 0; i < n; ++i) {
        const P q = m + P(g.bounded(2 * r * 3) - r * 3, g.bounded(2 * r * 2.4) - r * 2.4);
        kreis(p, q, r, c);
        kreis(p, q + P(-r * 0.35, -r * 0.35), r * 0.25, C(255, 255, 255, 140));
    }
}

void baum(QPainter &p, int post)
{
    wiese(p, 206);
    switch (post) {
    case 1: // Eiche
        stamm(p, 110, 216, 26, 110, C(90, 66, 44));
        linie(p, C(90, 66, 44), 6);
        p.drawLine(P(110, 130), P(70, 100));
        p.drawLine(P(110, 120), P(150, 96));
        krone(p, P(110, 86), 92, 64, C(70, 120, 50), 9, 2);
        lupe(p, [](QPainter &q, P m) {
            eichenblatt(q, m + P(-46, 16), -30, 86, C(90, 150, 60));
            oval(q, m + P(24, 28), 9, 14, 0, C(170, 130, 60));
            q.setBrush(C(120, 90, 50));
            q.setPen(Qt::NoPen);
            q.drawChord(QRectF(m.x() + 14, m.y() + 12, 20, 16), 0, 180 * 16);
        });
        break;
    case 2: // Birke
        for (qreal x : {90.0, 130.0}) {
            stamm(p, x, 216, 14, 170, weiss);
            for (int i = 0; i < 9; ++i)
                fuell(p, schwarz), p.drawRect(QRectF(x - 6 + (i % 3) * 3, 200 - i * 18, 7, 2.5));
        }
        krone(p, P(110, 70), 70, 56, C(140, 190, 80), 9, 5);
        linie(p, C(90, 70, 50), 1);
        for (int i = 0; i < 8; ++i)
            p.drawLine(P(70 + i * 12, 90), P(66 + i * 12, 130));
        lupe(p, [](QPainter &q, P m) {
            q.save();
            q.translate(m);
            q.rotate(-20);
            QPainterPath pfad(P(-30, 30));
            pfad.lineTo(P(-34, -10));
            pfad.lineTo(P(0, -44));
            pfad.lineTo(P(24, -4));
            pfad.closeSubpath();
            fuell(q, C(120, 180, 70));
            q.drawPath(pfad);
            linie(q, C(80, 130, 50), 1.5);
            q.drawLine(P(-30, 30), P(0, -40));
            q.drawLine(P(-30, 30), P(-44, 48));
            q.restore();
        });
        break;
    case 3: // Buche
        stamm(p, 110, 216, 28, 120, C(150, 150, 150));
        krone(p, P(110, 80), 90, 66, C(60, 130, 60), 10, 8);
        lupe(p, [](QPainter &q, P m) {
            blatt(q, m + P(-40, 30), -40, 80, 22, C(80, 150, 60));
            polygon(q, {m + P(20, 10), m + P(36, 40), m + P(10, 40)}, C(140, 100, 60));
            polygon(q, {m + P(30, 8), m + P(44, 36), m + P(24, 32)}, C(120, 80, 50));
        });
        break;
    case 4: // Fichte
        stamm(p, 110, 216, 14, 40, C(90, 60, 40));
        for (int i = 0; i < 6; ++i) {
            const qreal y = 190 - i * 28;
            const qreal w = 80 - i * 12;
            polygon(p, {P(110 - w, y), P(110, y - 48), P(110 + w, y)}, i % 2 ? C(30, 80, 50) : C(40, 96, 60));
        }
        lupe(p, [](QPainter &q, P m) {
            linie(q, C(60, 40, 30), 3);
            q.drawLine(m + P(-60, -40), m + P(60, -30));
            zapfen(q, m + P(0, -34), 84, 14, C(140, 90, 50));
        });
        break;
    case 5: // Kiefer
        stamm(p, 110, 216, 16, 150, C(170, 100, 60));
        krone(p, P(100, 56), 70, 30, C(50, 100, 60), 7, 4);
        krone(p, P(150, 80), 40, 20, C(50, 100, 60), 5, 6);
        lupe(p, [](QPainter &q, P m) {
            oval(q, m + P(-10, 14), 22, 30, 0, C(150, 100, 60));
            linie(q, C(110, 70, 40), 1.5);
            for (int i = -2; i <= 2; ++i)
                q.drawLine(m + P(-22, 14 + i * 10), m + P(12, 14 + i * 10 + 6));
            linie(q, C(50, 110, 60), 2);
            q.drawLine(m + P(10, -40), m + P(50, -10));
            q.drawLine(m + P(10, -40), m + P(46, -20));
        });
        break;
    case 6: // Ahorn
        stamm(p, 110, 216, 22, 110);
        krone(p, P(110, 86), 84, 68, C(70, 140, 60), 9, 12);
        lupe(p, [](QPainter &q, P m) {
            ahornblatt(q, m + P(-8, -6), 46, C(230, 110, 30));
            q.save();
            q.translate(m + P(34, 34));
            oval(q, P(-10, -4), 12, 4, -30, C(170, 140, 80));
            oval(q, P(10, -4), 12, 4, 30, C(170, 140, 80));
            q.restore();
        });
        break;
    case 7: // Linde
        stamm(p, 110, 216, 22, 100);
        {
            QPainterPath herz(P(110, 170));
            herz.cubicTo(P(10, 120), P(30, 10), P(110, 40));
            herz.cubicTo(P(190, 10), P(210, 120), P(110, 170));
            fuell(p, C(80, 140, 60));
            p.drawPath(herz);
        }
        lupe(p, [](QPainter &q, P m) {
            QPainterPath herz(m + P(0, 40));
            herz.cubicTo(m + P(-60, 0), m + P(-40, -50), m + P(0, -28));
            herz.cubicTo(m + P(40, -50), m + P(60, 0), m + P(0, 40));
            fuell(q, C(100, 170, 70));
            q.drawPath(herz);
            linie(q, C(60, 120, 50), 1.5);
            q.drawLine(m + P(0, 40), m + P(0, -24));
            q.drawLine(m + P(0, 40), m + P(0, 56));
        });
        break;
    case 8: // Kastanie
        stamm(p, 110, 216, 28, 100);
        krone(p, P(110, 86), 96, 70, C(50, 120, 50), 11, 3);
        streuen(14, 6, QRectF(40, 40, 140, 90), [&](P q, QRandomGenerator &) {
            polygon(p, {q + P(-5, 8), q + P(0, -10), q + P(5, 8)}, weiss);
        });
        lupe(p, [](QPainter &q, P m) {
            for (int i = 0; i < 7; ++i)
                blatt(q, m + P(-24, -16), -170 + i * 26, 44 - std::abs(i - 3) * 5, 10, C(70, 140, 60));
            kreis(q, m + P(28, 28), 20, C(110, 170, 70));
            linie(q, C(80, 130, 50), 1.5);
            for (int i = 0; i < 12; ++i)
                q.drawLine(polar(m + P(28, 28), 18, i * 30), polar(m + P(28, 28), 25, i * 30));
            kreis(q, m + P(22, 22), 12, C(120, 60, 30));
            kreis(q, m + P(18, 18), 4, C(200, 160, 120));
        });
        break;
    case 9: // Weide
        fuell(p, C(80, 140, 190));
        p.drawEllipse(P(110, 224), 110, 14);
        stamm(p, 110, 216, 22, 120, C(110, 90, 60));
        kreis(p, P(110, 80), 50, C(120, 170, 80));
        linie(p, C(110, 170, 70), 2);
        for (int i = 0; i < 26; ++i) {
            const qreal x = 40 + i * 5.5;
            QPainterPath pfad(P(x + (x - 110) * 0.1, 60));
            pfad.quadTo(P(x + (x - 110) * 0.4, 100), P(x + (x - 110) * 0.45, 180 + (i % 3) * 6));
            p.drawPath(pfad);
        }
        lupe(p, [](QPainter &q, P m) {
            blatt(q, m + P(-50, 30), -35, 110, 9, C(110, 170, 80));
            blatt(q, m + P(-40, 50), -20, 90, 8, C(100, 160, 70));
        });
        break;
    case 10: // Espe
        stamm(p, 110, 216, 16, 150, C(170, 176, 150));
        streuen(140, 10, QRectF(40, 16, 140, 130), [&](P q, QRandomGenerator &g) {
            if (std::hypot((q.x() - 110) / 70, (q.y() - 80) / 66) < 1)
                kreis(p, q, 5, g.bounded(2) ? C(120, 170, 70) : C(190, 200, 80));
        });
        lupe(p, [](QPainter &q, P m) {
            kreis(q, m + P(-6, -6), 34, C(120, 180, 70));
            linie(q, C(80, 130, 50), 2);
            q.drawLine(m + P(-6, 28), m + P(20, 60));
            linie(q, C(80, 130, 50), 1);
            for (int i = 0; i < 20; ++i)
                q.drawLine(polar(m + P(-6, -6), 32, i * 18), polar(m + P(-6, -6), 36, i * 18 + 6));
        });
        break;
    case 11: // Eberesche
        stamm(p, 110, 216, 16, 110);
        krone(p, P(110, 86), 74, 60, C(90, 150, 70), 9, 14);
        for (const P &m : {P(80, 70), P(130, 60), P(100, 110), P(150, 100)})
            beeren(p, m, 4, 12, C(230, 60, 30), quint32(m.x()));
        lupe(p, [](QPainter &q, P m) {
            gefiedert(q, m + P(-56, -20), 10, 70, 22, C(90, 160, 70), 6);
            beeren(q, m + P(16, 24), 7, 16, C(230, 60, 30), 4);
        });
        break;
    case 12: // Wacholder
        for (qreal x : {80.0, 140.0}) {
            oval(p, P(x, 130), 28, 86, 0, C(60, 110, 90));
            streuen(60, quint32(x), QRectF(x - 26, 50, 52, 160), [&](P q, QRandomGenerator &) {
                linie(p, C(100, 150, 120), 1);
                p.drawLine(q, q + P(3, -5));
            });
        }
        lupe(p, [](QPainter &q, P m) {
            linie(q, C(80, 130, 100), 2);
            for (int i = 0; i < 14; ++i)
                q.drawLine(m + P(-50 + i * 7, 10), m + P(-42 + i * 7, -14));
            linie(q, C(100, 70, 40), 3);
            q.drawLine(m + P(-60, 12), m + P(60, 6));
            beeren(q, m + P(0, 34), 9, 7, C(60, 70, 120), 8);
        });
        break;
    case 13: // Hasel
        for (int i = -3; i <= 3; ++i) {
            linie(p, C(120, 90, 60), 5);
            p.drawLine(P(110, 216), P(110 + i * 18, 90));
        }
        krone(p, P(110, 90), 90, 56, C(90, 150, 60), 9, 15);
        linie(p, C(210, 190, 90), 3);
        for (int i = 0; i < 8; ++i)
            p.drawLine(P(50 + i * 16, 110), P(48 + i * 16, 128));
        lupe(p, [](QPainter &q, P m) {
            for (const P &d : {P(-14, 0), P(16, 6)}) {
                oval(q, m + d + P(0, 10), 18, 16, 0, C(170, 120, 60));
                kreis(q, m + d + P(-4, 4), 4, C(220, 190, 140));
                polygon(q, {m + d + P(-20, 0), m + d + P(-10, -26), m + d + P(0, -6), m + d + P(10, -28), m + d + P(20, 0)},
                        C(120, 180, 80));
            }
        });
        break;
    case 14: // Holunder
        for (int i = -2; i <= 2; ++i) {
            linie(p, C(130, 110, 80), 5);
            p.drawLine(P(110, 216), P(110 + i * 22, 100));
        }
        krone(p, P(110, 100), 90, 56, C(70, 130, 60), 9, 16);
        for (const P &m : {P(60, 84), P(110, 64), P(160, 86), P(90, 120), P(140, 124)})
            streuen(40, quint32(m.y()), QRectF(m.x() - 18, m.y() - 8, 36, 16), [&](P q, QRandomGenerator &) {
                kreis(p, q, 2.4, C(250, 248, 220));
            });
        lupe(p, [](QPainter &q, P m) {
            linie(q, C(150, 60, 70), 1.5);
            for (int i = 0; i < 7; ++i)
                q.drawLine(m + P(0, 40), m + P(-42 + i * 14, -6));
            for (int i = 0; i < 7; ++i)
                beeren(q, m + P(-42 + i * 14, -10), 5, 4, C(40, 30, 50), quint32(i + 1));
        });
        break;
    case 15: // Heckenrose
        krone(p, P(110, 130), 96, 70, C(70, 130, 60), 11, 18);
        for (const P &m : {P(50, 110), P(100, 80), P(150, 100), P(80, 150), P(170, 150), P(130, 170)})
            bluete(p, m, 14, 5, C(246, 170, 200), gelb, Form::Rund, 3);
        lupe(p, [](QPainter &q, P m) {
            oval(q, m + P(0, 10), 20, 30, 0, C(220, 50, 30));
            kreis(q, m + P(-7, -2), 4, C(255, 200, 200, 160));
            polygon(q, {m + P(-14, -18), m + P(0, -36), m + P(14, -18)}, C(90, 130, 60));
            linie(q, C(90, 70, 40), 3);
            q.drawLine(m + P(0, -36), m + P(0, -60));
        });
        break;
    case 16: // Erle
        fuell(p, C(80, 140, 190));
        p.drawEllipse(P(110, 228), 120, 12);
        stamm(p, 110, 216, 20, 140, C(80, 70, 60));
        krone(p, P(110, 80), 66, 70, C(40, 100, 50), 9, 19);
        lupe(p, [](QPainter &q, P m) {
            kreis(q, m + P(-16, -8), 30, C(70, 140, 60));
            linie(q, C(60, 40, 30), 2);
            q.drawLine(m + P(10, 20), m + P(40, 40));
            zapfen(q, m + P(30, 24), 22, 8, C(60, 40, 30));
            zapfen(q, m + P(44, 32), 20, 7, C(70, 50, 40));
        });
        break;
    }
}

// --- Fruits and berries -----------------------------------------------------

void stielblatt(QPainter &p, P oben, qreal grad = -40)
{
    linie(p, C(110, 80, 40), 3);
    p.drawLine(oben, oben + P(4, -18));
    blatt(p, oben + P(3, -14), grad, 40, 12, C(80, 150, 60));
}

void glanz(QPainter &p, P m, qreal r)
{
    oval(p, m + P(-r * 0.35, -r * 0.35), r * 0.25, r * 0.15, -40, C(255, 255, 255, 150));
}

void frucht(QPainter &p, int post)
{
    tisch(p);
    switch (post) {
    case 1: // Apfel
        kreis(p, P(160, 130), 60, C(200, 40, 40));
        oval(p, P(186, 120), 30, 46, 0, C(220, 120, 60, 140));
        glanz(p, P(160, 130), 60);
        stielblatt(p, P(160, 74));
        break;
    case 2: // Birne
        kreis(p, P(160, 150), 52, C(200, 200, 80));
        oval(p, P(160, 92), 28, 36, 0, C(200, 200, 80));
        glanz(p, P(160, 150), 52);
        stielblatt(p, P(160, 58));
        break;
    case 3: // Kirsche
        linie(p, C(90, 120, 50), 3);
        p.drawLine(P(130, 150), P(170, 50));
        p.drawLine(P(200, 144), P(170, 50));
        blatt(p, P(170, 52), -20, 60, 14, C(80, 150, 60));
        for (const P &m : {P(130, 160), P(200, 154)}) {
            kreis(p, m, 30, C(170, 10, 30));
            glanz(p, m, 30);
        }
        break;
    case 4: // Pflaume
        oval(p, P(160, 132), 46, 56, 10, C(90, 50, 120));
        linie(p, C(60, 30, 80), 2);
        p.drawArc(QRectF(150, 80, 40, 110), 100 * 16, 150 * 16);
        glanz(p, P(160, 132), 46);
        stielblatt(p, P(154, 78));
        break;
    case 5: // Erdbeere
    {
        QPainterPath pfad(P(110, 90));
        pfad.cubicTo(P(100, 150), P(140, 200), P(160, 206));
        pfad.cubicTo(P(180, 200), P(220, 150), P(210, 90));
        pfad.quadTo(P(160, 70), P(110, 90));
        fuell(p, C(220, 30, 40));
        p.drawPath(pfad);
        for (int r = 0; r < 6; ++r)
            for (int k = 0; k < 6 - r / 2; ++k)
                oval(p, P(124 + k * 15 + r * 4 - (r / 2) * 1.5, 104 + r * 16), 1.5, 2.5, 0, C(250, 220, 100));
        for (int i = 0; i < 6; ++i)
            blatt(p, P(160, 86), -160 + i * 28, 34, 8, C(60, 140, 50));
        break;
    }
    case 6: // Himbeere
        for (int r = 0; r < 5; ++r)
            for (int k = 0; k < 5 - std::abs(r - 2) / 2; ++k)
                kreis(p, P(130 + k * 15 + (r % 2) * 7, 96 + r * 18), 10, r % 2 ? C(210, 50, 90) : C(196, 40, 80));
        for (int i = 0; i < 5; ++i)
            blatt(p, P(162, 86), -170 + i * 40, 30, 8, C(80, 140, 60));
        break;
    case 7: // Heidelbeere
        linie(p, C(110, 80, 60), 3);
        p.drawLine(P(40, 100), P(280, 80));
        for (int i = 0; i < 5; ++i)
            oval(p, P(60 + i * 50, 76 - i * 3), 14, 7, -20, C(70, 140, 70));
        beeren(p, P(160, 140), 13, 14, C(50, 60, 120), 21);
        break;
    case 8: // Preiselbeere
        linie(p, C(110, 80, 60), 3);
        p.drawLine(P(40, 90), P(280, 96));
        for (int i = 0; i < 7; ++i)
            oval(p, P(50 + i * 36, 82 + (i % 2) * 18), 12, 7, i % 2 ? 20 : -20, C(30, 100, 50));
        beeren(p, P(160, 140), 11, 16, C(200, 30, 40), 22);
        break;
    case 9: // Johannisbeere
        linie(p, C(100, 130, 60), 2);
        for (int s = 0; s < 2; ++s) {
            const qreal x0 = 110 + s * 70;
            p.drawLine(P(x0, 40), P(x0 + 20, 200));
            for (int i = 0; i < 8; ++i) {
                const P m(x0 + i * 2.5 + (i % 2 ? 12 : -12), 60 + i * 18);
                linie(p, C(100, 130, 60), 1.5);
                p.drawLine(P(x0 + i * 2.5, 56 + i * 18), m);
                kreis(p, m, 10, C(220, 30, 40, 230));
                glanz(p, m, 10);
            }
        }
        blatt(p, P(110, 42), 200, 50, 18, C(80, 150, 60), true);
        break;
    case 10: // Stachelbeere
        for (const P &m : {P(120, 130), P(200, 120)}) {
            oval(p, m, 44, 40, 0, C(150, 200, 90));
            linie(p, C(120, 170, 70), 1.5);
            for (int i = -2; i <= 2; ++i)
                p.drawArc(QRectF(m.x() - 20 + i * 6, m.y() - 40, 40 - std::abs(i) * 8, 80), 90 * 16 - 60 * 16, 120 * 16);
            glanz(p, m, 40);
            linie(p, C(90, 70, 40), 2);
            p.drawLine(m + P(0, -40), m + P(0, -52));
        }
        break;
    case 11: // Brombeere
        for (int r = 0; r < 5; ++r)
            for (int k = 0; k < 5 - std::abs(r - 2) / 2; ++k)
                kreis(p, P(130 + k * 15 + (r % 2) * 7, 96 + r * 18), 10, C(40, 20, 50));
        streuen(20, 4, QRectF(124, 88, 70, 90), [&](P q, QRandomGenerator &) { kreis(p, q, 2.5, C(120, 100, 150, 160)); });
        for (int i = 0; i < 5; ++i)
            blatt(p, P(162, 86), -170 + i * 40, 30, 8, C(80, 140, 60));
        break;
    case 12: // Weintraube
        linie(p, C(110, 80, 40), 4);
        p.drawLine(P(160, 40), P(160, 70));
        blatt(p, P(160, 50), -10, 70, 26, C(80, 150, 60), true);
        for (int r = 0; r < 7; ++r)
            for (int k = 0; k < 6 - r * 0.8; ++k) {
                const P m(160 - (6 - r * 0.8) * 11 + k * 22 + 11, 80 + r * 20);
                kreis(p, m, 12, r % 2 ? C(110, 50, 110) : C(130, 60, 130));
                glanz(p, m, 12);
            }
        break;
    case 13: // Banane
    {
        QPainterPath pfad(P(60, 90));
        pfad.quadTo(P(140, 240), P(270, 110));
        pfad.quadTo(P(150, 150), P(60, 90));
        fuell(p, C(246, 210, 50));
        p.drawPath(pfad);
        linie(p, C(200, 160, 30), 2);
        p.drawLine(P(270, 110), P(280, 100));
        fuell(p, C(80, 60, 30));
        p.drawEllipse(P(60, 90), 5, 4);
        break;
    }
    case 14: // Apfelsine
        kreis(p, P(130, 130), 56, C(246, 140, 20));
        streuen(80, 2, QRectF(80, 80, 100, 100), [&](P q, QRandomGenerator &) {
            if (std::hypot(q.x() - 130, q.y() - 130) < 50)
                kreis(p, q, 1.2, C(220, 110, 10));
        });
        glanz(p, P(130, 130), 56);
        kreis(p, P(230, 150), 36, C(250, 180, 60));
        for (int i = 0; i < 10; ++i)
            polygon(p, {P(230, 150), polar(P(230, 150), 32, i * 36 + 4), polar(P(230, 150), 32, i * 36 + 32)},
                    C(250, 150, 40));
        break;
    case 15: // Zitrone
        oval(p, P(160, 130), 70, 48, -10, C(250, 230, 60));
        oval(p, P(92, 142), 12, 8, -10, C(250, 230, 60));
        oval(p, P(228, 118), 12, 8, -10, C(250, 230, 60));
        glanz(p, P(160, 130), 50);
        break;
    case 16: // Pfirsich
    {
        QRadialGradient g(P(140, 110), 80);
        g.setColorAt(0, C(250, 200, 120));
        g.setColorAt(1, C(230, 90, 70));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(P(160, 130), 58, 56);
        linie(p, C(200, 80, 60), 2);
        p.drawArc(QRectF(150, 74, 40, 112), 100 * 16, 150 * 16);
        stielblatt(p, P(158, 76), -20);
        break;
    }
    case 17: // Moltebeere
        for (int i = 0; i < 5; ++i)
            dreilappig(p, P(160, 150), 60, -90 + (i - 2) * 60, C(70, 140, 60));
        for (int r = 0; r < 4; ++r)
            for (int k = 0; k < 4 - std::abs(r - 1) / 2; ++k)
                kreis(p, P(136 + k * 15 + (r % 2) * 7, 90 + r * 16), 10, C(240, 160, 60));
        break;
    }
}

// --- Birds ------------------------------------------------------------------

struct Vogel
{
    C kopf, ruecken, bauch, fluegel, schwanz;
    C schnabel = C(60, 50, 40);
    C kappe = C(), wange = C(), latz = C(), brust = C(), maske = C(), binde = C();
    qreal schnabelLang = 8, schnabelDick = 3.5, schwanzLang = 26;
    bool flecken = false, haube = false, mittelstreif = false, augenring = false, sprenkel = false;
    C fleckFarbe = C(70, 50, 40);
};

// A songbird sitting on a branch, facing left, centred on m at size s.
void singvogel(QPainter &p, P m, qreal s, const Vogel &v, bool amBoden = false)
{
    const P kopfM = m + P(-20 * s, -16 * s);
    // tail
    p.save();
    p.translate(m + P(18 * s, 6 * s));
    p.rotate(28);
    polygon(p, {P(0, -5 * s), P(v.schwanzLang * s, -4 * s), P(v.schwanzLang * s, 4 * s), P(0, 6 * s)}, v.schwanz);
    p.restore();
    // legs
    linie(p, C(90, 70, 60), 1.6 * s);
    p.drawLine(m + P(-4 * s, 12 * s), m + P(-6 * s, (amBoden ? 30 : 24) * s));
    p.drawLine(m + P(4 * s, 12 * s), m + P(4 * s, (amBoden ? 30 : 24) * s));
    // body and belly
    oval(p, m, 25 * s, 17 * s, -18, v.ruecken);
    p.save();
    QPainterPath koerper;
    koerper.addEllipse(P(0, 0), 25 * s, 17 * s);
    p.translate(m);
    p.rotate(-18);
    p.setClipPath(koerper);
    fuell(p, v.bauch);
    p.drawEllipse(P(-6 * s, 9 * s), 24 * s, 14 * s);
    if (v.brust.isValid())
        oval(p, P(-16 * s, 0), 13 * s, 15 * s, 0, v.brust);
    if (v.mittelstreif) {
        fuell(p, schwarz);
        p.drawRect(QRectF(-16 * s, -4 * s, 5 * s, 22 * s));
    }
    if (v.flecken)
        for (int i = 0; i < 14; ++i)
            oval(p, P(-20 * s + (i % 5) * 6 * s, (i / 5) * 6 * s - 2 * s), 1.6 * s, 2.2 * s, 0, v.fleckFarbe);
    if (v.sprenkel)
        for (int i = 0; i < 26; ++i)
            kreis(p, P(-22 * s + (i % 9) * 5.5 * s, -10 * s + (i / 9) * 8 * s + (i % 2) * 3 * s), 1.3 * s, weiss);
    p.restore();
    // wing
    oval(p, m + P(6 * s, -2 * s), 18 * s, 10 * s, -12, v.fluegel);
    if (v.binde.isValid()) {
        linie(p, v.binde, 2.2 * s);
        p.drawLine(m + P(-4 * s, -2 * s), m + P(10 * s, -6 * s));
        p.drawLine(m + P(0, 3 * s), m + P(14 * s, 0));
    }
    linie(p, v.fluegel.darker(140), 1 * s);
    for (int i = 0; i < 3; ++i)
        p.drawLine(m + P((8 + i * 5) * s, (2 + i) * s), m + P((22 + i * 2) * s, (4 + i) * s));
    // head
    kreis(p, kopfM, 12 * s, v.kopf);
    p.save();
    QPainterPath kopfPfad;
    kopfPfad.addEllipse(kopfM, 12 * s, 12 * s);
    p.setClipPath(kopfPfad);
    if (v.kappe.isValid()) {
        fuell(p, v.kappe);
        p.drawRect(QRectF(kopfM.x() - 13 * s, kopfM.y() - 13 * s, 26 * s, 9 * s));
    }
    if (v.wange.isValid())
        oval(p, kopfM + P(1 * s, 4 * s), 7 * s, 5 * s, 0, v.wange);
    if (v.maske.isValid()) {
        fuell(p, v.maske);
        p.drawRect(QRectF(kopfM.x() - 13 * s, kopfM.y() - 4 * s, 18 * s, 4 * s));
    }
    if (v.latz.isValid())
        oval(p, kopfM + P(-4 * s, 11 * s), 6 * s, 7 * s, 0, v.latz);
    p.restore();
    if (v.haube)
        polygon(p, {kopfM + P(-2 * s, -10 * s), kopfM + P(16 * s, -22 * s), kopfM + P(10 * s, -6 * s)},
                v.kappe.isValid() ? v.kappe : v.kopf);
    // beak and eye
    polygon(p, {kopfM + P(-9 * s, -v.schnabelDick * s / 2 - 1 * s), kopfM + P((-9 - v.schnabelLang) * s, 1 * s),
                kopfM + P(-9 * s, v.schnabelDick * s / 2 + 1 * s)},
            v.schnabel);
    const P auge = kopfM + P(-4 * s, -2 * s);
    if (v.augenring)
        kreis(p, auge, 3.2 * s, C(250, 200, 40));
    kreis(p, auge, 2.2 * s, schwarz);
    kreis(p, auge + P(-0.7 * s, -0.7 * s), 0.7 * s, weiss);
}

void eule(QPainter &p, P m, qreal s, const C &feder, const C &augen, bool ohren)
{
    ast(p, m.y() + 56 * s);
    oval(p, m + P(0, 10 * s), 34 * s, 48 * s, 0, feder);
    oval(p, m + P(0, 18 * s), 22 * s, 34 * s, 0, feder.lighter(125));
    for (int i = 0; i < 18; ++i)
        oval(p, m + P(-14 * s + (i % 6) * 6 * s, 4 * s + (i / 6) * 12 * s), 1.5 * s, 3.5 * s, 0, feder.darker(150));
    kreis(p, m + P(0, -38 * s), 28 * s, feder);
    if (ohren) {
        polygon(p, {m + P(-22 * s, -52 * s), m + P(-30 * s, -82 * s), m + P(-8 * s, -60 * s)}, feder.darker(120));
        polygon(p, {m + P(22 * s, -52 * s), m + P(30 * s, -82 * s), m + P(8 * s, -60 * s)}, feder.darker(120));
    }
    for (int d : {-1, 1}) {
        kreis(p, m + P(d * 12 * s, -40 * s), 12 * s, feder.lighter(140));
        kreis(p, m + P(d * 12 * s, -40 * s), 7 * s, augen);
        kreis(p, m + P(d * 12 * s, -40 * s), 3.5 * s, schwarz);
    }
    polygon(p, {m + P(-4 * s, -32 * s), m + P(0, -20 * s), m + P(4 * s, -32 * s)}, C(60, 50, 40));
    linie(p, C(60, 50, 40), 2 * s);
    for (int d : {-1, 1})
        for (int k = -1; k <= 1; ++k)
            p.drawLine(m + P(d * 10 * s, 56 * s), m + P(d * 10 * s + k * 4 * s, 62 * s));
}

void fliegenderVogel(QPainter &p, P m, qreal s, const C &oben, const C &unten, const C &kopf, bool gabel, bool weissSchwanz,
                     const C &schnabel, qreal spannweite = 1)
{
    // wings
    for (int d : {-1, 1}) {
        QPainterPath fl(m + P(-6 * s, 0));
        fl.cubicTo(m + P(-10 * s, d * 30 * s * spannweite), m + P(10 * s, d * 60 * s * spannweite),
                   m + P(30 * s, d * 70 * s * spannweite));
        fl.cubicTo(m + P(22 * s, d * 40 * s * spannweite), m + P(18 * s, d * 14 * s), m + P(14 * s, 0));
        fl.closeSubpath();
        fuell(p, d < 0 ? oben : oben.darker(115));
        p.drawPath(fl);
    }
    // body
    oval(p, m, 30 * s, 9 * s, 0, unten);
    p.save();
    QPainterPath k;
    k.addEllipse(m, 30 * s, 9 * s);
    p.setClipPath(k);
    fuell(p, oben);
    p.drawRect(QRectF(m.x() - 30 * s, m.y() - 10 * s, 60 * s, 7 * s));
    p.restore();
    // tail
    if (gabel) {
        polygon(p, {m + P(26 * s, -3 * s), m + P(60 * s, -14 * s), m + P(40 * s, 0), m + P(60 * s, 14 * s), m + P(26 * s, 3 * s)},
                oben);
    } else {
        polygon(p, {m + P(26 * s, -4 * s), m + P(46 * s, -10 * s), m + P(46 * s, 10 * s), m + P(26 * s, 4 * s)},
                weissSchwanz ? weiss : oben);
    }
    kreis(p, m + P(-30 * s, -2 * s), 9 * s, kopf);
    polygon(p, {m + P(-37 * s, -5 * s), m + P(-50 * s, 0), m + P(-37 * s, 3 * s)}, schnabel);
    kreis(p, m + P(-32 * s, -5 * s), 1.6 * s, schwarz);
}

void stelzvogel(QPainter &p, P fuss, qreal s, const C &koerper, const C &fluegel, const C &hals, const C &beine,
                const C &schnabel, bool krone)
{
    linie(p, beine, 3 * s);
    p.drawLine(fuss + P(-6 * s, 0), fuss + P(-4 * s, -70 * s));
    p.drawLine(fuss + P(8 * s, 0), fuss + P(2 * s, -70 * s));
    oval(p, fuss + P(0, -86 * s), 36 * s, 20 * s, -10, koerper);
    oval(p, fuss + P(14 * s, -84 * s), 30 * s, 14 * s, 10, fluegel);
    linie(p, hals, 7 * s);
    QPainterPath h(fuss + P(-24 * s, -92 * s));
    h.quadTo(fuss + P(-46 * s, -120 * s), fuss + P(-36 * s, -146 * s));
    p.drawPath(h);
    kreis(p, fuss + P(-36 * s, -150 * s), 8 * s, hals);
    if (krone)
        kreis(p, fuss + P(-35 * s, -156 * s), 4 * s, rot);
    polygon(p, {fuss + P(-42 * s, -154 * s), fuss + P(-80 * s, -146 * s), fuss + P(-42 * s, -146 * s)}, schnabel);
    kreis(p, fuss + P(-38 * s, -152 * s), 1.6 * s, schwarz);
}

void huhnvogel(QPainter &p, P m, qreal s, const C &koerper, const C &kopf, const C &extra, bool faecher)
{
    if (faecher)
        for (int i = 0; i < 9; ++i)
            oval(p, polar(m + P(24 * s, -10 * s), 30 * s, -150 + i * 18), 22 * s, 6 * s, -150 + i * 18, koerper.darker(120));
    linie(p, C(110, 90, 70), 3 * s);
    p.drawLine(m + P(-4 * s, 20 * s), m + P(-6 * s, 40 * s));
    p.drawLine(m + P(8 * s, 20 * s), m + P(8 * s, 40 * s));
    oval(p, m, 38 * s, 26 * s, 0, koerper);
    oval(p, m + P(8 * s, -2 * s), 24 * s, 14 * s, -10, koerper.darker(115));
    kreis(p, m + P(-34 * s, -22 * s), 13 * s, kopf);
    polygon(p, {m + P(-46 * s, -26 * s), m + P(-56 * s, -20 * s), m + P(-46 * s, -16 * s)}, C(180, 170, 150));
    kreis(p, m + P(-38 * s, -26 * s), 2 * s, schwarz);
    if (extra.isValid())
        oval(p, m + P(-36 * s, -32 * s), 6 * s, 2.5 * s, 0, extra);
}

// A cuckoo on a branch, facing left: slim, grey above and on the throat,
// white below with fine dark bars, yellow eye ring, pointed wings hanging
// low and a long dark tail spotted and tipped with white.
void kuckuck(QPainter &p)
{
    himmel(p);
    p.save();
    p.translate(186, 150);
    p.scale(1.2, 1.2);
    p.translate(-186, -150);
    ast(p, 178, 10, 250);
    const C ruecken(108, 116, 130), kopfGrau(150, 157, 168), bauch(244, 244, 238), dunkel(70, 76, 90);
    // tail
    p.save();
    p.translate(196, 148);
    p.rotate(24);
    QPainterPath schwanz(P(0, -7));
    schwanz.lineTo(P(84, -9));
    schwanz.quadTo(P(96, 0), P(84, 9));
    schwanz.lineTo(P(0, 8));
    schwanz.closeSubpath();
    fuell(p, dunkel);
    p.drawPath(schwanz);
    for (int i = 0; i < 6; ++i) {
        kreis(p, P(14 + i * 13, -6.5), 2, weiss);
        kreis(p, P(20 + i * 13, 6.5), 2, weiss);
    }
    oval(p, P(90, 0), 3, 7, 0, weiss);
    p.restore();
    // short yellow legs, two toes in front and two behind
    linie(p, C(226, 186, 60), 2.4);
    for (qreal x : {146.0, 158.0}) {
        p.drawLine(P(x, 164), P(x - 1, 175));
        p.drawLine(P(x - 1, 175), P(x - 7, 178));
        p.drawLine(P(x - 1, 175), P(x + 5, 178));
    }
    // head and body in one outline, grey
    QPainterPath vogel(P(98, 104));
    vogel.quadTo(P(106, 96), P(118, 100));
    vogel.cubicTo(P(140, 108), P(176, 122), P(204, 140));
    vogel.lineTo(P(200, 158));
    vogel.cubicTo(P(182, 166), P(156, 170), P(136, 164));
    vogel.cubicTo(P(116, 156), P(104, 138), P(100, 122));
    vogel.quadTo(P(94, 114), P(98, 104));
    fuell(p, kopfGrau);
    p.drawPath(vogel);
    p.save();
    p.setClipPath(vogel);
    // grey back above, white belly with fine dark bars below the breast
    QPainterPath oben(P(100, 96));
    oben.lineTo(P(210, 96));
    oben.lineTo(P(210, 146));
    oben.cubicTo(P(176, 128), P(150, 116), P(122, 104));
    oben.closeSubpath();
    fuell(p, ruecken);
    p.drawPath(oben);
    QPainterPath unten(P(108, 138));
    unten.cubicTo(P(140, 140), P(176, 144), P(210, 150));
    unten.lineTo(P(210, 180));
    unten.lineTo(P(100, 180));
    unten.closeSubpath();
    fuell(p, bauch);
    p.drawPath(unten);
    linie(p, C(64, 68, 78), 1.1);
    for (qreal y = 145; y < 172; y += 4.5)
        for (qreal x = 110 + std::fmod(y * 3, 8); x < 204; x += 9)
            p.drawLine(P(x, y), P(x + 6, y + 0.5));
    p.restore();
    // the long pointed wing, its tip hanging below the tail's root
    QPainterPath fluegel(P(128, 112));
    fluegel.cubicTo(P(160, 116), P(196, 134), P(222, 164));
    fluegel.cubicTo(P(196, 156), P(166, 150), P(136, 138));
    fluegel.closeSubpath();
    fuell(p, dunkel.lighter(118));
    p.drawPath(fluegel);
    linie(p, dunkel.darker(120), 1);
    for (int i = 0; i < 5; ++i)
        p.drawLine(P(150 + i * 12, 126 + i * 5), P(166 + i * 12, 140 + i * 5));
    // the thin bill a little bent, the eye with its yellow ring
    QPainterPath schnabel(P(98, 108));
    schnabel.quadTo(P(91, 108), P(84, 114));
    schnabel.quadTo(P(92, 112), P(99, 114));
    schnabel.closeSubpath();
    fuell(p, C(56, 52, 44));
    p.drawPath(schnabel);
    kreis(p, P(106, 107), 3.8, C(250, 200, 40));
    kreis(p, P(106, 107), 2, schwarz);
    p.restore();
}

// A white-tailed sea eagle on a rock by the sea, facing left: a big brown
// bird with a pale head, a massive yellow hooked bill, yellow feet under
// feathered legs and a short wedge of a white tail.
void seeadler(QPainter &p)
{
    himmel(p, C(150, 190, 225), C(226, 236, 246));
    fuell(p, C(64, 112, 152));
    p.drawRect(QRectF(0, 136, B, H - 136));
    linie(p, C(255, 255, 255, 80), 1.4);
    for (qreal y = 146; y < H; y += 12)
        for (qreal x = std::fmod(y * 7, 46); x < B; x += 52)
            p.drawLine(P(x, y), P(x + 16, y));
    // the rock
    polygon(p, {P(96, H), P(122, 204), P(160, 190), P(222, 192), P(258, 208), P(286, H)}, C(124, 118, 110));
    polygon(p, {P(160, 190), P(222, 192), P(210, 206), P(168, 204)}, C(150, 144, 134));
    const C braun(116, 82, 50), dunkelbraun(84, 58, 36), kopfHell(220, 204, 164), gelbSchnabel(238, 192, 40);
    // the white tail under the wing tips
    polygon(p, {P(206, 170), P(240, 196), P(230, 206), P(196, 184)}, weiss);
    // feathered legs, yellow feet and black claws on the rock
    oval(p, P(176, 172), 17, 14, 10, dunkelbraun);
    linie(p, C(236, 196, 60), 4);
    for (qreal x : {170.0, 186.0})
        p.drawLine(P(x, 180), P(x - 2, 192));
    linie(p, schwarz, 1.6);
    for (qreal x : {168.0, 184.0})
        for (int k = -1; k <= 1; ++k)
            p.drawLine(P(x, 192), P(x + k * 5 - 3, 196));
    // body, with paler edges to the feathers of the breast
    oval(p, P(184, 126), 34, 54, 20, braun);
    streuen(26, 17, QRectF(158, 100, 30, 60), [&](P q, QRandomGenerator &) { oval(p, q, 3, 1.8, 0, braun.lighter(130)); });
    // the folded wing along the back
    QPainterPath fluegel(P(176, 82));
    fluegel.cubicTo(P(214, 90), P(224, 150), P(232, 196));
    fluegel.cubicTo(P(206, 178), P(186, 150), P(180, 120));
    fluegel.closeSubpath();
    fuell(p, dunkelbraun);
    p.drawPath(fluegel);
    linie(p, braun.lighter(125), 1.1);
    for (int i = 0; i < 6; ++i)
        p.drawLine(P(192 + i * 5, 104 + i * 14), P(204 + i * 5, 112 + i * 14));
    // neck and pale head
    oval(p, P(162, 84), 20, 22, 20, kopfHell.darker(108));
    kreis(p, P(150, 66), 19, kopfHell);
    // the heavy hooked bill
    QPainterPath schnabel(P(138, 54));
    schnabel.cubicTo(P(122, 50), P(104, 54), P(104, 74));
    schnabel.quadTo(P(108, 66), P(114, 67));
    schnabel.lineTo(P(120, 71));
    schnabel.lineTo(P(138, 76));
    schnabel.closeSubpath();
    fuell(p, gelbSchnabel);
    p.drawPath(schnabel);
    linie(p, C(150, 110, 30), 1.2);
    p.drawLine(P(118, 68), P(138, 70));
    // the eye under its brow
    kreis(p, P(143, 60), 3.6, C(240, 220, 140));
    kreis(p, P(143, 60), 1.9, schwarz);
    linie(p, C(140, 120, 90), 2);
    p.drawLine(P(136, 55), P(150, 56));
}

// A black woodpecker clinging to a pine trunk beside its oval nest hole: all
// black with a red crown, a long pale chisel of a bill, a pale eye and the
// stiff tail propped against the bark.
void schwarzspecht(QPainter &p)
{
    himmel(p, C(150, 186, 140), C(214, 230, 200));
    for (qreal x : {30.0, 90.0, 290.0})
        flaecheRechteck(p, QRectF(x, 0, 14, H), C(120, 150, 110));
    p.save();
    p.translate(196, 130);
    p.scale(1.25, 1.25);
    p.translate(-196, -130);
    // the trunk with its bark
    flaecheRechteck(p, QRectF(196, 0, 58, H), C(150, 96, 62));
    linie(p, C(110, 66, 40), 1.4);
    streuen(40, 23, QRectF(198, 0, 54, H), [&](P q, QRandomGenerator &g) {
        p.drawLine(q, q + P(g.bounded(4) - 2, 10 + g.bounded(8)));
    });
    oval(p, P(226, 48), 11, 16, 0, C(176, 126, 86));
    oval(p, P(226, 48), 8, 13, 0, C(38, 24, 16));
    const C schwarzGefieder(24, 24, 28);
    // stiff tail against the bark
    polygon(p, {P(180, 158), P(196, 158), P(204, 214), P(192, 212)}, schwarzGefieder);
    // body and neck
    oval(p, P(182, 126), 15, 40, -8, schwarzGefieder);
    oval(p, P(178, 94), 10, 13, -8, schwarzGefieder);
    linie(p, C(70, 70, 80), 1);
    for (int i = 0; i < 4; ++i)
        p.drawLine(P(172 + i * 2, 104 + i * 12), P(178 + i * 2, 116 + i * 12));
    // grey feet gripping the bark
    linie(p, C(96, 96, 100), 2.2);
    for (qreal y : {138.0, 154.0}) {
        p.drawLine(P(190, y), P(199, y - 2));
        p.drawLine(P(199, y - 2), P(202, y - 7));
        p.drawLine(P(199, y - 2), P(203, y + 3));
    }
    // head with the red crown from the bill back to the nape
    kreis(p, P(176, 80), 13, schwarzGefieder);
    p.save();
    QPainterPath kopf;
    kopf.addEllipse(P(176, 80), 13, 13);
    p.setClipPath(kopf);
    fuell(p, C(210, 30, 40));
    p.drawRect(QRectF(160, 64, 32, 11));
    p.restore();
    polygon(p, {P(164, 70), P(158, 66), P(166, 76)}, C(210, 30, 40));
    // the chisel bill towards the trunk
    polygon(p, {P(186, 76), P(212, 72), P(187, 84)}, C(226, 218, 194));
    kreis(p, P(179, 80), 3, C(242, 238, 214));
    kreis(p, P(179, 80), 1.6, schwarz);
    // chips of wood falling
    for (const P &q : {P(210, 100), P(204, 122), P(214, 150)})
        oval(p, q, 3, 1.5, 30, C(214, 176, 120));
    p.restore();
}

void vogel(QPainter &p, int post)
{
    const C erdbraun(130, 100, 70), olive(110, 120, 60);
    auto sitzend = [&](const Vogel &v, qreal s = 2.2) {
        himmel(p);
        ast(p, 178);
        singvogel(p, P(160, 128), s, v);
    };
    auto amBoden = [&](const Vogel &v, qreal s = 2.2) {
        wiese(p, 190);
        singvogel(p, P(160, 134), s, v, true);
    };
    switch (post) {
    case 1: // Uhu
        himmel(p, C(120, 140, 170), C(200, 210, 220));
        eule(p, P(160, 112), 1.45, C(150, 110, 70), orange, true);
        break;
    case 2: { // Wacholderdrossel
        Vogel v{grau, C(120, 70, 50), C(240, 236, 226), C(120, 70, 50), C(60, 50, 50)};
        v.brust = C(230, 180, 100);
        v.flecken = true;
        v.schnabel = C(200, 160, 40);
        sitzend(v);
        break;
    }
    case 3: { // Blaumeise
        Vogel v{weiss, C(120, 150, 90), C(246, 220, 60), C(70, 120, 200), C(70, 120, 200)};
        v.kappe = C(60, 120, 220);
        v.maske = C(30, 40, 80);
        v.schnabelLang = 4;
        v.schwanzLang = 20;
        sitzend(v, 2.0);
        break;
    }
    case 4: { // Buchfink
        Vogel v{C(220, 150, 130), C(150, 100, 70), C(230, 170, 150), C(80, 70, 60), C(80, 80, 80)};
        v.kappe = C(100, 120, 160);
        v.binde = weiss;
        v.schnabel = C(150, 150, 160);
        v.schnabelLang = 5;
        sitzend(v);
        break;
    }
    case 5: { // Gimpel
        Vogel v{C(220, 70, 70), C(140, 140, 150), C(226, 80, 80), schwarz, schwarz};
        v.kappe = schwarz;
        v.binde = weiss;
        v.schnabel = schwarz;
        v.schnabelLang = 4;
        v.schnabelDick = 6;
        sitzend(v);
        break;
    }
    case 6: { // Sturmmöwe
        see(p, 170);
        fuell(p, C(120, 110, 100));
        p.drawEllipse(P(160, 200), 90, 24);
        Vogel v{weiss, C(170, 180, 190), weiss, C(170, 180, 190), schwarz};
        v.schnabel = C(220, 200, 60);
        v.schnabelLang = 10;
        singvogel(p, P(160, 132), 2.4, v, true);
        break;
    }
    case 7: { // Trauerschnäpper
        Vogel v{schwarz, schwarz, weiss, schwarz, schwarz};
        v.binde = weiss;
        v.latz = weiss;
        v.schnabel = schwarz;
        v.schnabelLang = 5;
        sitzend(v);
        kreis(p, P(160 - 20 * 2.2 - 9 * 2.2, 128 - 16 * 2.2 - 6 * 2.2), 3.5, weiss);
        break;
    }
    case 8: { // Haussperling
        Vogel v{grau, C(150, 110, 70), C(200, 200, 196), C(140, 96, 60), C(110, 90, 70)};
        v.kappe = C(120, 120, 126);
        v.latz = schwarz;
        v.wange = C(220, 220, 216);
        v.binde = weiss;
        v.schnabel = schwarz;
        v.schnabelLang = 5;
        v.schnabelDick = 5;
        amBoden(v);
        break;
    }
    case 9: { // Erlenzeisig
        Vogel v{C(200, 210, 60), C(120, 150, 50), C(236, 240, 150), C(50, 60, 40), C(50, 60, 40)};
        v.kappe = schwarz;
        v.latz = C(40, 40, 40);
        v.binde = C(240, 220, 40);
        v.schnabel = C(170, 150, 100);
        v.schnabelLang = 5;
        sitzend(v, 2.0);
        break;
    }
    case 10: // Kuckuck
        kuckuck(p);
        break;
    case 11: // Seeadler
        seeadler(p);
        break;
    case 12: // Mehlschwalbe
        himmel(p);
        fliegenderVogel(p, P(150, 120), 2.2, C(30, 40, 80), weiss, C(30, 40, 80), true, false, schwarz, 0.6);
        oval(p, P(205, 116), 10, 6, 0, weiss);
        break;
    case 13: // Waldkauz
        himmel(p, C(60, 80, 110), C(140, 150, 170));
        eule(p, P(160, 120), 1.35, C(140, 100, 70), C(40, 30, 30), false);
        break;
    case 14: { // Höckerschwan
        see(p, 130);
        oval(p, P(170, 160), 70, 30, 0, weiss);
        oval(p, P(190, 140), 50, 26, -15, C(240, 240, 236));
        linie(p, weiss, 14);
        QPainterPath h(P(120, 150));
        h.cubicTo(P(90, 120), P(130, 60), P(110, 60));
        p.drawPath(h);
        kreis(p, P(104, 58), 11, weiss);
        polygon(p, {P(96, 54), P(74, 66), P(98, 64)}, C(240, 120, 40));
        kreis(p, P(96, 54), 4, schwarz);
        kreis(p, P(104, 55), 2, schwarz);
        break;
    }
    case 15: { // Amsel
        Vogel v{schwarz, schwarz, C(40, 40, 44), C(40, 40, 44), schwarz};
        v.schnabel = C(250, 180, 20);
        v.augenring = true;
        v.schnabelLang = 9;
        amBoden(v, 2.3);
        break;
    }
    case 16: { // Kolkrabe
        Vogel v{schwarz, schwarz, C(40, 40, 50), C(50, 50, 64), schwarz};
        v.schnabel = schwarz;
        v.schnabelLang = 16;
        v.schnabelDick = 7;
        v.schwanzLang = 34;
        himmel(p, C(130, 140, 150), C(210, 214, 220));
        fuell(p, C(120, 120, 110));
        p.drawEllipse(P(160, 230), 130, 40);
        singvogel(p, P(160, 130), 2.6, v, true);
        break;
    }
    case 17: { // Nebelkrähe
        Vogel v{schwarz, C(150, 150, 156), C(160, 160, 166), schwarz, schwarz};
        v.latz = schwarz;
        v.schnabel = schwarz;
        v.schnabelLang = 13;
        v.schnabelDick = 6;
        amBoden(v, 2.5);
        break;
    }
    case 18: // Rauchschwalbe
        himmel(p);
        fliegenderVogel(p, P(140, 120), 2.2, C(30, 40, 90), C(240, 220, 200), C(180, 50, 40), true, false, schwarz, 0.6);
        linie(p, C(30, 40, 90), 2);
        p.drawLine(P(268, 90), P(300, 80));
        p.drawLine(P(268, 150), P(300, 160));
        break;
    case 19: { // Fitis
        Vogel v{C(150, 160, 80), C(130, 140, 70), C(240, 236, 190), C(120, 130, 70), C(110, 120, 70)};
        v.maske = C(240, 240, 180);
        v.schnabel = C(160, 130, 90);
        v.schnabelLang = 6;
        v.schnabelDick = 2.5;
        sitzend(v, 2.0);
        break;
    }
    case 20: { // Waldschnepfe
        waldboden(p);
        Vogel v{C(170, 130, 90), erdbraun, C(200, 170, 130), C(140, 100, 70), erdbraun};
        v.kappe = C(90, 60, 40);
        v.schnabel = C(120, 100, 80);
        v.schnabelLang = 26;
        v.schnabelDick = 3;
        v.schwanzLang = 14;
        v.flecken = true;
        singvogel(p, P(180, 136), 2.4, v, true);
        break;
    }
    case 21: // Rebhuhn
        wiese(p, 190);
        huhnvogel(p, P(170, 150), 1.6, C(150, 150, 140), C(220, 120, 60), C(), false);
        oval(p, P(176, 160), 12, 10, 0, C(120, 70, 40));
        break;
    case 22: { // Rotkehlchen
        Vogel v{C(240, 120, 50), C(130, 110, 80), C(240, 236, 230), C(120, 100, 70), C(110, 90, 60)};
        v.brust = C(240, 120, 50);
        v.schnabel = C(60, 50, 40);
        v.schnabelLang = 5;
        v.schwanzLang = 20;
        sitzend(v, 2.3);
        break;
    }
    case 23: { // Seidenschwanz
        Vogel v{C(200, 150, 120), C(180, 140, 120), C(210, 180, 160), C(120, 110, 110), C(100, 100, 100)};
        v.haube = true;
        v.maske = schwarz;
        v.latz = schwarz;
        v.binde = C(240, 210, 40);
        v.schnabel = schwarz;
        v.schnabelLang = 5;
        sitzend(v);
        fuell(p, C(246, 220, 40));
        p.drawRect(QRectF(160 + 18 * 2.2 + 14, 128 + 6 * 2.2 + 26 * 2.2 - 30, 14, 8));
        beeren(p, P(250, 170), 4, 6, C(220, 40, 30));
        break;
    }
    case 24: { // Kormoran
        see(p, 170);
        fuell(p, C(110, 100, 100));
        p.drawEllipse(P(160, 206), 80, 30);
        oval(p, P(160, 140), 20, 40, 0, C(30, 34, 40));
        for (int d : {-1, 1})
            polygon(p, {P(160, 120), P(160 + d * 100, 90), P(160 + d * 90, 140), P(160, 150)}, C(40, 44, 50));
        linie(p, C(30, 34, 40), 10);
        p.drawLine(P(160, 110), P(150, 70));
        kreis(p, P(148, 64), 10, C(30, 34, 40));
        polygon(p, {P(140, 60), P(118, 68), P(140, 68)}, C(90, 80, 60));
        kreis(p, P(146, 62), 2.5, C(60, 160, 80));
        oval(p, P(152, 70), 5, 4, 0, C(240, 200, 60));
        break;
    }
    case 25: { // Elster
        Vogel v{schwarz, schwarz, weiss, schwarz, C(30, 50, 60)};
        v.schnabel = schwarz;
        v.schwanzLang = 60;
        v.schnabelLang = 10;
        v.schnabelDick = 5;
        sitzend(v, 2.0);
        oval(p, P(164, 126), 12, 7, -12, weiss);
        break;
    }
    case 26: // Schwarzspecht
        schwarzspecht(p);
        break;
    case 27: { // Star
        Vogel v{C(40, 50, 60), C(40, 56, 60), C(50, 50, 70), C(50, 60, 70), C(40, 40, 50)};
        v.sprenkel = true;
        v.schnabel = C(240, 210, 40);
        v.schnabelLang = 11;
        amBoden(v, 2.3);
        break;
    }
    case 28: { // Feldlerche
        Vogel v{C(170, 140, 100), C(150, 120, 80), C(230, 220, 200), C(140, 110, 80), C(120, 90, 60)};
        v.haube = true;
        v.flecken = true;
        v.schnabel = C(150, 130, 100);
        v.schnabelLang = 6;
        amBoden(v);
        break;
    }
    case 29: { // Bachstelze
        Vogel v{weiss, grau, weiss, C(80, 80, 84), schwarz};
        v.kappe = schwarz;
        v.latz = schwarz;
        v.binde = weiss;
        v.schnabel = schwarz;
        v.schnabelLang = 6;
        v.schwanzLang = 46;
        amBoden(v, 2.0);
        break;
    }
    case 30: { // Kohlmeise
        Vogel v{schwarz, C(110, 140, 80), C(246, 220, 60), C(80, 110, 130), C(70, 90, 110)};
        v.wange = weiss;
        v.mittelstreif = true;
        v.binde = weiss;
        v.schnabel = schwarz;
        v.schnabelLang = 4;
        sitzend(v, 2.1);
        break;
    }
    case 31: // Auerhuhn
        waldboden(p);
        huhnvogel(p, P(160, 150), 1.8, C(50, 50, 60), C(40, 40, 50), rot, true);
        oval(p, P(130, 130), 14, 12, 0, C(30, 90, 60));
        break;
    case 32: { // Kiebitz
        wiese(p, 196);
        linie(p, C(200, 110, 110), 3);
        p.drawLine(P(156, 160), P(152, 210));
        p.drawLine(P(170, 160), P(172, 210));
        Vogel v{weiss, C(30, 80, 60), weiss, C(40, 90, 70), schwarz};
        v.kappe = schwarz;
        v.latz = schwarz;
        v.haube = true;
        v.schnabel = schwarz;
        v.schnabelLang = 7;
        singvogel(p, P(164, 130), 2.2, v);
        linie(p, schwarz, 2);
        p.drawLine(P(126, 82), P(96, 68));
        break;
    }
    case 33: // Kranich
        wiese(p, 210);
        stelzvogel(p, P(170, 222), 1.3, C(150, 156, 164), C(110, 116, 126), schwarz, C(60, 60, 60), C(70, 70, 70), true);
        oval(p, P(214, 108), 30, 16, 20, C(90, 90, 100));
        break;
    case 34: // Weißstorch
        wiese(p, 210);
        stelzvogel(p, P(170, 222), 1.3, weiss, schwarz, weiss, C(230, 60, 40), C(230, 60, 40), false);
        break;
    }
}

// --- Mammals ------------------------------------------------------------------

enum class Ohr { Spitz, Rund, Lang, Haengend, Klein };
enum class Schwanz { Buschig, Duenn, Kurz, Ringel, Quaste, Keine, Platt };

struct Tier
{
    C fell, bauch = C(), dunkel = C(60, 50, 40);
    qreal lang = 60, hoch = 30, bein = 34, beinDick = 8, kopf = 16, schnauze = 14, hals = 10;
    Ohr ohr = Ohr::Spitz;
    Schwanz schwanz = Schwanz::Duenn;
    qreal schwanzLang = 30;
};

// A four-legged animal standing, facing left; fuss is the ground line under
// its middle.
void vierbeiner(QPainter &p, P fuss, const Tier &t, qreal s = 1)
{
    const P m = fuss + P(0, -(t.bein + t.hoch / 2) * s);
    const qreal L = t.lang * s, Hh = t.hoch * s;
    const P kopfM = m + P(-L * 0.55 - t.hals * s * 0.5, -Hh * 0.5 - t.hals * s);
    // tail
    linie(p, t.fell.darker(110), 4 * s);
    const P wurzel = m + P(L * 0.5, -Hh * 0.2);
    switch (t.schwanz) {
    case Schwanz::Buschig:
        oval(p, wurzel + P(t.schwanzLang * s * 0.5, t.schwanzLang * s * 0.2), t.schwanzLang * s * 0.55, 9 * s, 20,
             t.fell);
        kreis(p, wurzel + P(t.schwanzLang * s * 0.95, t.schwanzLang * s * 0.38), 6 * s, weiss);
        break;
    case Schwanz::Duenn:
        linie(p, t.fell.darker(110), 2.5 * s);
        p.drawLine(wurzel, wurzel + P(t.schwanzLang * s * 0.6, t.schwanzLang * s * 0.8));
        break;
    case Schwanz::Kurz:
        oval(p, wurzel + P(4 * s, 0), 6 * s, 4 * s, -30, t.fell);
        break;
    case Schwanz::Ringel:
        linie(p, t.fell.darker(115), 2.5 * s);
        p.drawArc(QRectF(wurzel.x(), wurzel.y() - 6 * s, 12 * s, 12 * s), 180 * 16, -300 * 16);
        break;
    case Schwanz::Quaste:
        linie(p, t.fell.darker(110), 3 * s);
        p.drawLine(wurzel, wurzel + P(8 * s, t.schwanzLang * s));
        oval(p, wurzel + P(9 * s, t.schwanzLang * s + 4 * s), 4 * s, 8 * s, 0, t.dunkel);
        break;
    case Schwanz::Platt:
        oval(p, wurzel + P(16 * s, 8 * s), 18 * s, 6 * s, 20, C(70, 60, 60));
        break;
    case Schwanz::Keine:
        break;
    }
    // legs (far side darker)
    const qreal bx[4] = {-L * 0.36, -L * 0.22, L * 0.26, L * 0.38};
    for (int i = 0; i < 4; ++i) {
        const C c = i % 2 ? t.fell.darker(125) : t.fell;
        fuell(p, c);
        p.drawRoundedRect(QRectF(m.x() + bx[i] - t.beinDick * s / 2, m.y(), t.beinDick * s, t.bein * s + Hh * 0.3), 3 * s,
                          3 * s);
        fuell(p, t.dunkel);
        p.drawRect(QRectF(m.x() + bx[i] - t.beinDick * s / 2, fuss.y() - 4 * s, t.beinDick * s, 4 * s));
    }
    // body
    oval(p, m, L * 0.55, Hh * 0.6, 0, t.fell);
    if (t.bauch.isValid()) {
        p.save();
        QPainterPath k;
        k.addEllipse(m, L * 0.55, Hh * 0.6);
        p.setClipPath(k);
        oval(p, m + P(0, Hh * 0.45), L * 0.45, Hh * 0.3, 0, t.bauch);
        p.restore();
    }
    // neck and head
    polygon(p, {m + P(-L * 0.35, -Hh * 0.45), kopfM + P(2 * s, -t.kopf * s * 0.5), kopfM + P(6 * s, t.kopf * s * 0.6),
                m + P(-L * 0.45, Hh * 0.25)},
            t.fell);
    oval(p, kopfM, t.kopf * s, t.kopf * s * 0.8, 0, t.fell);
    oval(p, kopfM + P(-t.kopf * s * 0.7 - t.schnauze * s * 0.4, t.kopf * s * 0.2), t.schnauze * s * 0.8,
         t.kopf * s * 0.42, 8, t.bauch.isValid() ? t.fell.lighter(108) : t.fell);
    kreis(p, kopfM + P(-t.kopf * s * 0.7 - t.schnauze * s * 1.1, t.kopf * s * 0.1), 2.8 * s, schwarz);
    kreis(p, kopfM + P(-t.kopf * s * 0.3, -t.kopf * s * 0.22), 2.4 * s, schwarz);
    kreis(p, kopfM + P(-t.kopf * s * 0.3 - 0.7 * s, -t.kopf * s * 0.22 - 0.7 * s), 0.7 * s, weiss);
    // ears
    const P ohrBasis = kopfM + P(t.kopf * s * 0.3, -t.kopf * s * 0.6);
    switch (t.ohr) {
    case Ohr::Spitz:
        polygon(p, {ohrBasis + P(-6 * s, 2 * s), ohrBasis + P(2 * s, -14 * s), ohrBasis + P(8 * s, 4 * s)}, t.fell.darker(110));
        break;
    case Ohr::Rund:
        kreis(p, ohrBasis + P(2 * s, -2 * s), 6 * s, t.fell.darker(110));
        break;
    case Ohr::Lang:
        oval(p, ohrBasis + P(6 * s, -18 * s), 5 * s, 18 * s, 20, t.fell.darker(105));
        oval(p, ohrBasis + P(6 * s, -18 * s), 2.5 * s, 14 * s, 20, rosa);
        break;
    case Ohr::Haengend:
        oval(p, ohrBasis + P(4 * s, 8 * s), 6 * s, 12 * s, 20, t.dunkel);
        break;
    case Ohr::Klein:
        kreis(p, ohrBasis, 3.5 * s, t.fell.darker(115));
        break;
    }
}

void geweih(QPainter &p, P basis, qreal s, bool schaufel, int enden)
{
    linie(p, C(200, 180, 140), 3.5 * s);
    for (int d : {0, 1}) {
        const P b = basis + P(d * 6 * s, 0);
        if (schaufel) {
            polygon(p, {b, b + P(10 * s, -6 * s), b + P(36 * s, -22 * s), b + P(40 * s, -34 * s), b + P(30 * s, -30 * s),
                        b + P(26 * s, -40 * s), b + P(18 * s, -32 * s), b + P(14 * s, -38 * s), b + P(8 * s, -20 * s)},
                    d ? C(200, 180, 140) : C(180, 160, 120));
        } else {
            // A beam sweeping up and back, with tines pointing forward.
            const qreal h = 14 + 8 * enden;
            const P mitte = b + P(30 * s, -h * 0.45 * s), spitze = b + P(20 * s, -h * s);
            QPainterPath stange(b);
            stange.quadTo(mitte, spitze);
            linie(p, d ? C(200, 180, 140) : C(180, 160, 120), 3.5 * s);
            p.drawPath(stange);
            linie(p, d ? C(200, 180, 140) : C(180, 160, 120), 2.5 * s);
            for (int k = 1; k <= enden; ++k) {
                const P a = stange.pointAtPercent(k / double(enden + 1));
                p.drawLine(a, a + P(-12 * s, -5 * s));
            }
        }
    }
}

void saeuger(QPainter &p, int post)
{
    switch (post) {
    case 1: { // Fuchs
        wiese(p, 200);
        Tier t{C(210, 110, 40), weiss, schwarz, 70, 26, 28, 6, 14, 16, 8, Ohr::Spitz, Schwanz::Buschig, 56};
        vierbeiner(p, P(150, 212), t, 1.3);
        break;
    }
    case 2: { // Wolf
        waldboden(p);
        Tier t{C(130, 126, 120), C(210, 206, 196), C(60, 60, 60), 74, 30, 34, 8, 15, 16, 10, Ohr::Spitz, Schwanz::Buschig, 40};
        vierbeiner(p, P(150, 212), t, 1.3);
        break;
    }
    case 3: { // Bär
        waldboden(p);
        Tier t{C(110, 70, 40), C(), C(60, 40, 20), 90, 48, 26, 16, 18, 12, 4, Ohr::Rund, Schwanz::Kurz, 10};
        vierbeiner(p, P(160, 214), t, 1.3);
        break;
    }
    case 4: { // Elch
        waldboden(p);
        Tier t{C(80, 56, 40), C(), C(60, 50, 40), 70, 34, 56, 7, 14, 20, 8, Ohr::Spitz, Schwanz::Kurz, 8};
        vierbeiner(p, P(170, 214), t, 1.15);
        geweih(p, P(170 - 70 * 0.55 * 1.15 - 8 * 0.5 * 1.15 + 4, 214 - (56 + 17) * 1.15 - 17 * 1.15 - 8 * 1.15 - 6), 1.2, true, 0);
        oval(p, P(170 - 70 * 0.55 * 1.15 - 16, 214 - (56 + 17) * 1.15 - 8), 4, 9, 0, C(60, 40, 30));
        break;
    }
    case 5: { // Reh
        wiese(p, 200);
        Tier t{C(170, 110, 60), C(220, 200, 170), C(70, 50, 40), 56, 24, 48, 5, 11, 10, 14, Ohr::Spitz, Schwanz::Kurz, 6};
        vierbeiner(p, P(160, 214), t, 1.3);
        oval(p, P(160 + 56 * 0.55 * 1.3, 214 - (48 + 12) * 1.3), 7, 9, 0, weiss);
        geweih(p, P(160 - 56 * 0.55 * 1.3 - 14 * 0.5 * 1.3 + 4, 214 - (48 + 12) * 1.3 - 12 * 1.3 - 14 * 1.3 - 8), 0.8, false, 1);
        break;
    }
    case 6: { // Hirsch
        waldboden(p);
        Tier t{C(140, 90, 50), C(200, 170, 130), C(70, 50, 40), 66, 30, 50, 6, 13, 12, 14, Ohr::Spitz, Schwanz::Kurz, 6};
        vierbeiner(p, P(170, 214), t, 1.2);
        geweih(p, P(170 - 66 * 0.55 * 1.2 - 14 * 0.5 * 1.2 + 4, 214 - (50 + 15) * 1.2 - 15 * 1.2 - 14 * 1.2 - 10), 1.2, false, 3);
        break;
    }
    case 7: { // Wildschwein
        waldboden(p);
        Tier t{C(70, 56, 46), C(), C(40, 30, 26), 76, 40, 20, 9, 18, 16, 2, Ohr::Spitz, Schwanz::Duenn, 16};
        vierbeiner(p, P(160, 214), t, 1.3);
        linie(p, weiss, 3);
        p.drawLine(P(160 - 76 * 0.55 * 1.3 - 26, 214 - (20 + 20) * 1.3 - 2), P(160 - 76 * 0.55 * 1.3 - 30, 214 - (20 + 20) * 1.3 - 14));
        linie(p, C(40, 30, 26), 2);
        for (int i = 0; i < 10; ++i)
            p.drawLine(P(120 + i * 8, 214 - 40 * 1.3 - 24), P(122 + i * 8, 214 - 40 * 1.3 - 32));
        break;
    }
    case 8: { // Dachs
        waldboden(p);
        Tier t{C(140, 140, 136), C(60, 60, 60), schwarz, 76, 26, 12, 10, 16, 16, 2, Ohr::Klein, Schwanz::Kurz, 8};
        vierbeiner(p, P(160, 214), t, 1.4);
        const P kopf(160 - 76 * 0.55 * 1.4 - 2 * 0.5 * 1.4, 214 - (12 + 13) * 1.4 - 13 * 1.4 - 2 * 1.4);
        oval(p, kopf + P(-10, -2), 26, 9, 8, weiss);
        oval(p, kopf + P(-10, -10), 24, 4, 8, schwarz);
        oval(p, kopf + P(-8, 6), 22, 4, 8, schwarz);
        kreis(p, kopf + P(-34, 4), 3.5, schwarz);
        break;
    }
    case 9: { // Igel
        waldboden(p);
        QPainterPath ruecken(P(90, 200));
        ruecken.cubicTo(P(90, 90), P(250, 90), P(250, 200));
        ruecken.closeSubpath();
        fuell(p, C(110, 90, 70));
        p.drawPath(ruecken);
        linie(p, C(70, 56, 40), 2);
        for (int i = 0; i < 120; ++i) {
            const qreal a = 200 + (i % 30) * 4.6;
            const qreal r = 30 + (i / 30) * 14;
            const P q = P(170, 200) + P(std::cos(a * M_PI / 180) * r * 1.3, std::sin(a * M_PI / 180) * r * 1.1);
            p.drawLine(q, q + P(std::cos(a * M_PI / 180) * 12, std::sin(a * M_PI / 180) * 12));
        }
        oval(p, P(84, 188), 26, 16, 10, C(190, 160, 120));
        kreis(p, P(60, 192), 4, schwarz);
        kreis(p, P(84, 180), 3, schwarz);
        break;
    }
    case 10: { // Hase
        wiese(p, 200);
        Tier t{C(160, 130, 90), C(230, 220, 200), C(110, 90, 60), 50, 30, 24, 8, 12, 8, 4, Ohr::Lang, Schwanz::Kurz, 6};
        vierbeiner(p, P(160, 214), t, 1.6);
        oval(p, P(160 + 50 * 0.55 * 1.6 + 4, 214 - (24 + 15) * 1.6 - 6), 7, 6, 0, weiss);
        break;
    }
    case 11: { // Eichhörnchen
        himmel(p, C(170, 200, 160), C(220, 232, 210));
        ast(p, 190);
        const C f(190, 90, 40);
        oval(p, P(200, 120), 26, 60, 15, f);
        oval(p, P(214, 70), 20, 24, 30, f);
        oval(p, P(150, 150), 26, 34, 0, f);
        oval(p, P(146, 158), 14, 22, 0, C(240, 230, 210));
        kreis(p, P(138, 104), 18, f);
        polygon(p, {P(136, 90), P(142, 66), P(150, 92)}, f.darker(110));
        linie(p, f.darker(130), 2);
        p.drawLine(P(142, 66), P(144, 58));
        kreis(p, P(130, 100), 3.5, schwarz);
        kreis(p, P(121, 108), 2.5, schwarz);
        oval(p, P(130, 140), 8, 5, 30, f.darker(110));
        oval(p, P(126, 138), 7, 6, 0, C(160, 110, 60));
        break;
    }
    case 12: { // Luchs
        waldboden(p);
        Tier t{C(190, 150, 100), C(230, 220, 200), C(80, 60, 40), 66, 30, 40, 9, 15, 10, 6, Ohr::Spitz, Schwanz::Kurz, 8};
        vierbeiner(p, P(160, 214), t, 1.3);
        streuen(30, 5, QRectF(120, 120, 90, 40), [&](P q, QRandomGenerator &) { kreis(p, q, 2, C(110, 80, 50)); });
        const P kopf(160 - 66 * 0.55 * 1.3 - 6 * 0.5 * 1.3, 214 - (40 + 15) * 1.3 - 15 * 1.3 - 6 * 1.3);
        linie(p, schwarz, 2);
        p.drawLine(kopf + P(8, -34), kopf + P(10, -46));
        oval(p, kopf + P(-6, 10), 12, 8, 0, C(230, 220, 200));
        break;
    }
    case 13: { // Maulwurf
        erde(p, 150);
        fuell(p, C(100, 70, 44));
        p.drawEllipse(P(240, 152), 60, 30);
        oval(p, P(150, 150), 60, 30, 0, C(50, 46, 50));
        oval(p, P(92, 152), 16, 8, 0, rosa);
        oval(p, P(110, 172), 12, 10, 0, rosa);
        oval(p, P(190, 174), 10, 8, 0, rosa);
        kreis(p, P(78, 152), 3, C(120, 60, 70));
        break;
    }
    case 14: { // Fledermaus
        himmel(p, C(30, 36, 70), C(80, 80, 120));
        kreis(p, P(250, 50), 22, C(250, 240, 190));
        QPainterPath fl(P(160, 120));
        fl.lineTo(P(60, 80));
        fl.quadTo(P(70, 110), P(60, 130));
        fl.quadTo(P(90, 120), P(96, 140));
        fl.quadTo(P(120, 130), P(130, 150));
        fl.quadTo(P(150, 140), P(160, 150));
        fl.quadTo(P(170, 140), P(190, 150));
        fl.quadTo(P(200, 130), P(224, 140));
        fl.quadTo(P(230, 120), P(260, 130));
        fl.quadTo(P(250, 110), P(260, 80));
        fl.closeSubpath();
        fuell(p, C(60, 46, 50));
        p.drawPath(fl);
        oval(p, P(160, 124), 14, 22, 0, C(90, 70, 60));
        kreis(p, P(160, 100), 12, C(90, 70, 60));
        polygon(p, {P(150, 96), P(146, 78), P(156, 92)}, C(90, 70, 60));
        polygon(p, {P(170, 96), P(174, 78), P(164, 92)}, C(90, 70, 60));
        kreis(p, P(155, 100), 2, weiss);
        kreis(p, P(165, 100), 2, weiss);
        break;
    }
    case 15: { // Maus
        waldboden(p);
        Tier t{C(140, 130, 120), C(220, 210, 200), C(160, 120, 110), 60, 34, 8, 6, 16, 12, 2, Ohr::Rund, Schwanz::Duenn, 90};
        vierbeiner(p, P(150, 214), t, 1.3);
        break;
    }
    case 16: { // Seehund
        see(p, 140);
        fuell(p, C(120, 110, 100));
        p.drawEllipse(P(160, 200), 130, 40);
        oval(p, P(170, 166), 76, 26, -6, C(130, 130, 136));
        streuen(30, 3, QRectF(110, 150, 120, 30), [&](P q, QRandomGenerator &) { kreis(p, q, 2.5, C(90, 90, 96)); });
        kreis(p, P(100, 150), 22, C(130, 130, 136));
        oval(p, P(80, 156), 12, 9, 0, C(150, 150, 156));
        kreis(p, P(96, 144), 4, schwarz);
        kreis(p, P(70, 152), 3, schwarz);
        polygon(p, {P(240, 170), P(270, 156), P(266, 180)}, C(110, 110, 116));
        oval(p, P(130, 186), 14, 6, 20, C(110, 110, 116));
        break;
    }
    case 17: { // Biber
        see(p, 170);
        fuell(p, C(110, 86, 60));
        for (int i = 0; i < 6; ++i)
            p.drawRect(QRectF(220 + i * 12, 120 + (i % 2) * 10, 8, 60));
        Tier t{C(120, 80, 50), C(), C(70, 50, 30), 70, 40, 8, 10, 16, 10, 2, Ohr::Klein, Schwanz::Platt, 20};
        vierbeiner(p, P(140, 196), t, 1.3);
        fuell(p, C(250, 170, 40));
        p.drawRect(QRectF(140 - 70 * 0.55 * 1.3 - 32, 196 - (8 + 20) * 1.3 - 4, 5, 6));
        break;
    }
    case 18: { // Otter
        see(p, 140);
        Tier t{C(100, 70, 50), C(180, 150, 120), C(60, 40, 30), 90, 22, 10, 8, 13, 8, 6, Ohr::Klein, Schwanz::Duenn, 50};
        fuell(p, C(120, 110, 100));
        p.drawEllipse(P(170, 210), 140, 30);
        vierbeiner(p, P(170, 196), t, 1.3);
        break;
    }
    }
}

void haustier(QPainter &p, int post)
{
    switch (post) {
    case 1: { // Hund
        wiese(p, 200);
        Tier t{C(190, 140, 80), C(240, 220, 190), C(100, 70, 40), 60, 30, 34, 9, 15, 12, 8, Ohr::Haengend, Schwanz::Duenn, 30};
        vierbeiner(p, P(160, 214), t, 1.4);
        break;
    }
    case 2: { // Katze
        himmel(p, C(240, 230, 210), C(250, 244, 230));
        fuell(p, C(170, 120, 90));
        p.drawRect(QRectF(0, 200, B, 40));
        Tier t{C(110, 110, 116), weiss, C(80, 80, 86), 58, 28, 28, 7, 15, 6, 4, Ohr::Spitz, Schwanz::Duenn, 50};
        vierbeiner(p, P(160, 214), t, 1.45);
        linie(p, C(80, 80, 86), 2.5);
        for (int i = 0; i < 4; ++i)
            p.drawLine(P(140 + i * 14, 214 - 50 * 1.45 - 6), P(146 + i * 14, 214 - 50 * 1.45 + 8));
        linie(p, weiss, 1);
        p.drawLine(P(74, 148), P(52, 142));
        p.drawLine(P(74, 151), P(52, 154));
        break;
    }
    case 3: { // Pferd
        wiese(p, 200);
        Tier t{C(130, 80, 40), C(), C(40, 30, 24), 74, 34, 52, 8, 14, 18, 18, Ohr::Spitz, Schwanz::Quaste, 40};
        vierbeiner(p, P(170, 214), t, 1.1);
        // the mane along the top of the neck
        linie(p, C(40, 30, 24), 7);
        p.drawLine(P(122, 86), P(146, 114));
        linie(p, C(40, 30, 24), 3);
        p.drawLine(P(118, 86), P(110, 94));
        break;
    }
    case 4: { // Kuh
        wiese(p, 200);
        Tier t{weiss, C(), C(40, 40, 40), 86, 44, 34, 11, 17, 12, 4, Ohr::Spitz, Schwanz::Quaste, 44};
        vierbeiner(p, P(170, 214), t, 1.15);
        for (const P &f : {P(160, 120), P(196, 130), P(140, 140), P(210, 112)})
            oval(p, f, 14, 10, 20, schwarz);
        oval(p, P(190, 174), 12, 8, 0, rosa);
        linie(p, C(230, 220, 190), 4);
        p.drawLine(P(86, 100), P(78, 86));
        p.drawLine(P(96, 100), P(100, 86));
        break;
    }
    case 5: { // Schwein
        wiese(p, 200, C(150, 130, 90));
        Tier t{C(246, 180, 180), C(), C(200, 130, 130), 80, 44, 18, 10, 17, 10, 2, Ohr::Spitz, Schwanz::Ringel, 10};
        vierbeiner(p, P(160, 214), t, 1.3);
        oval(p, P(160 - 80 * 0.55 * 1.3 - 32, 214 - (18 + 22) * 1.3 - 17 * 1.3 * 0.1 - 16), 6, 9, 0, C(230, 150, 150));
        break;
    }
    case 6: { // Schaf
        wiese(p, 200);
        Tier t{C(240, 236, 226), C(), C(40, 40, 40), 70, 40, 28, 6, 13, 10, 4, Ohr::Haengend, Schwanz::Kurz, 6};
        vierbeiner(p, P(160, 214), t, 1.3);
        streuen(40, 12, QRectF(120, 120, 100, 56), [&](P q, QRandomGenerator &) { kreis(p, q, 10, C(246, 244, 236)); });
        oval(p, P(160 - 70 * 0.55 * 1.3 - 20, 214 - (28 + 20) * 1.3 - 20), 14, 11, 0, C(60, 56, 56));
        kreis(p, P(160 - 70 * 0.55 * 1.3 - 22, 214 - (28 + 20) * 1.3 - 26), 2.5, weiss);
        break;
    }
    case 7: { // Ziege
        wiese(p, 200);
        Tier t{C(220, 214, 200), C(), C(90, 80, 70), 64, 30, 38, 6, 12, 12, 10, Ohr::Spitz, Schwanz::Kurz, 8};
        vierbeiner(p, P(160, 214), t, 1.3);
        const P kopf(160 - 64 * 0.55 * 1.3 - 5 * 1.3, 214 - (38 + 15) * 1.3 - 15 * 1.3 - 10 * 1.3);
        linie(p, C(120, 100, 80), 4);
        p.drawArc(QRectF(kopf.x() + 2, kopf.y() - 30, 26, 30), 90 * 16, 120 * 16);
        polygon(p, {kopf + P(-24, 10), kopf + P(-22, 30), kopf + P(-16, 10)}, C(200, 190, 170));
        break;
    }
    case 8: // Huhn
        wiese(p, 196, C(180, 160, 110));
        huhnvogel(p, P(170, 150), 1.8, C(200, 120, 60), C(200, 120, 60), rot, false);
        polygon(p, {P(104, 106), P(110, 92), P(116, 104), P(122, 94), P(126, 106)}, rot);
        break;
    case 9: // Hahn
        wiese(p, 196, C(180, 160, 110));
        for (int i = 0; i < 6; ++i) {
            linie(p, i % 2 ? C(30, 80, 60) : C(30, 40, 40), 6);
            QPainterPath s(P(220, 130));
            s.cubicTo(P(250, 60 + i * 8), P(290, 80 + i * 12), P(280, 150 + i * 6));
            p.drawPath(s);
        }
        huhnvogel(p, P(170, 150), 1.8, C(180, 70, 30), C(230, 150, 40), rot, false);
        polygon(p, {P(100, 106), P(104, 84), P(112, 100), P(118, 80), P(124, 98), P(132, 84), P(132, 106)}, rot);
        oval(p, P(100, 124), 5, 8, 0, rot);
        break;
    case 10: { // Ente
        see(p, 150);
        oval(p, P(170, 160), 64, 26, 0, C(150, 130, 110));
        oval(p, P(186, 152), 40, 16, -10, C(120, 100, 90));
        polygon(p, {P(226, 150), P(250, 132), P(234, 158)}, C(40, 40, 50));
        kreis(p, P(112, 122), 20, C(40, 110, 70));
        fuell(p, weiss);
        p.drawRect(QRectF(104, 138, 18, 4));
        oval(p, P(120, 150), 14, 14, 0, C(120, 70, 50));
        polygon(p, {P(94, 118), P(70, 126), P(94, 130)}, C(240, 200, 40));
        kreis(p, P(106, 116), 3, schwarz);
        break;
    }
    case 11: { // Gans
        wiese(p, 196);
        huhnvogel(p, P(180, 150), 1.7, C(244, 244, 240), C(244, 244, 240), C(), false);
        linie(p, C(244, 244, 240), 16);
        QPainterPath h(P(130, 140));
        h.quadTo(P(110, 120), P(118, 80));
        p.drawPath(h);
        kreis(p, P(118, 74), 12, C(244, 244, 240));
        polygon(p, {P(108, 70), P(86, 80), P(108, 82)}, C(240, 140, 40));
        kreis(p, P(116, 70), 2.5, schwarz);
        break;
    }
    case 12: { // Kaninchen
        wiese(p, 196);
        oval(p, P(180, 170), 50, 36, 0, C(220, 216, 210));
        oval(p, P(226, 166), 10, 10, 0, weiss);
        kreis(p, P(130, 140), 26, C(220, 216, 210));
        oval(p, P(136, 90), 8, 28, 10, C(220, 216, 210));
        oval(p, P(152, 94), 8, 26, 30, C(210, 206, 200));
        oval(p, P(136, 90), 4, 22, 10, rosa);
        kreis(p, P(122, 136), 4, C(120, 40, 50));
        kreis(p, P(106, 148), 3, rosa);
        oval(p, P(150, 200), 18, 6, 0, C(220, 216, 210));
        break;
    }
    case 13: { // Meerschweinchen
        himmel(p, C(240, 230, 210), C(250, 244, 230));
        fuell(p, C(220, 200, 130));
        p.drawRect(QRectF(0, 196, B, 44));
        oval(p, P(170, 160), 76, 42, 0, C(200, 130, 60));
        oval(p, P(200, 150), 34, 30, 0, weiss);
        kreis(p, P(104, 150), 28, C(200, 130, 60));
        kreis(p, P(96, 140), 5, schwarz);
        kreis(p, P(80, 156), 3, C(120, 70, 50));
        oval(p, P(112, 122), 8, 6, 0, C(160, 100, 60));
        break;
    }
    case 14: { // Esel
        wiese(p, 200);
        Tier t{C(140, 136, 130), C(220, 216, 210), C(60, 56, 56), 66, 32, 40, 8, 14, 14, 14, Ohr::Lang, Schwanz::Quaste, 34};
        vierbeiner(p, P(170, 214), t, 1.2);
        break;
    }
    case 15: // Truthahn
        wiese(p, 196, C(180, 160, 110));
        for (int i = 0; i < 11; ++i)
            oval(p, polar(P(200, 130), 50, -170 + i * 16), 38, 9, -170 + i * 16, i % 2 ? C(110, 80, 50) : C(140, 100, 60));
        huhnvogel(p, P(170, 150), 1.6, C(80, 60, 50), C(160, 180, 210), rot, false);
        oval(p, P(106, 128), 5, 12, 0, rot);
        break;
    case 16: { // Hamster
        himmel(p, C(240, 230, 210), C(250, 244, 230));
        fuell(p, C(220, 200, 130));
        p.drawRect(QRectF(0, 196, B, 44));
        oval(p, P(170, 160), 60, 44, 0, C(210, 150, 80));
        oval(p, P(160, 176), 40, 24, 0, weiss);
        kreis(p, P(120, 140), 30, C(210, 150, 80));
        oval(p, P(110, 156), 20, 14, 0, C(240, 230, 210));
        kreis(p, P(136, 112), 8, C(200, 130, 120));
        kreis(p, P(112, 134), 4, schwarz);
        kreis(p, P(94, 146), 3, rosa);
        break;
    }
    case 17: { // Wellensittich
        himmel(p, C(240, 240, 230), C(250, 250, 244));
        linie(p, C(160, 130, 90), 4);
        p.drawLine(P(40, 184), P(280, 184));
        Vogel v{C(250, 240, 90), C(120, 200, 80), C(110, 210, 80), C(70, 120, 60), C(40, 80, 150)};
        v.kappe = C(250, 240, 90);
        v.schnabel = C(230, 200, 120);
        v.schnabelLang = 4;
        v.schnabelDick = 6;
        v.schwanzLang = 40;
        singvogel(p, P(160, 132), 2.2, v);
        linie(p, schwarz, 1);
        for (int i = 0; i < 5; ++i)
            p.drawArc(QRectF(114 + i * 3, 80 + i * 3, 10, 6), 0, 180 * 16);
        break;
    }
    }
}

// --- Fish and reptiles ----------------------------------------------------------

struct Fisch
{
    C ruecken, bauch, flosse;
    qreal lang = 110, hoch = 36;
    bool streifen = false, punkte = false, rotePunkte = false, bart = false, spitzMaul = false;
    C punktFarbe = schwarz;
};

void fisch(QPainter &p, P m, const Fisch &f)
{
    const qreal L = f.lang, Hh = f.hoch;
    polygon(p, {m + P(L * 0.45, 0), m + P(L * 0.72, -Hh * 0.6), m + P(L * 0.66, 0), m + P(L * 0.72, Hh * 0.6)}, f.flosse);
    polygon(p, {m + P(-L * 0.05, -Hh * 0.45), m + P(L * 0.12, -Hh * 0.95), m + P(L * 0.25, -Hh * 0.4)}, f.flosse);
    polygon(p, {m + P(L * 0.1, Hh * 0.4), m + P(L * 0.22, Hh * 0.8), m + P(L * 0.3, Hh * 0.36)}, f.flosse);
    QPainterPath k;
    if (f.spitzMaul) {
        k.moveTo(m + P(-L * 0.62, 0));
        k.quadTo(m + P(-L * 0.2, -Hh * 0.6), m + P(L * 0.48, 0));
        k.quadTo(m + P(-L * 0.2, Hh * 0.6), m + P(-L * 0.62, 0));
    } else {
        k.addEllipse(m, L * 0.5, Hh * 0.5);
    }
    fuell(p, f.bauch);
    p.drawPath(k);
    p.save();
    p.setClipPath(k);
    fuell(p, f.ruecken);
    p.drawEllipse(m + P(0, -Hh * 0.35), L * 0.6, Hh * 0.45);
    if (f.streifen) {
        fuell(p, C(40, 50, 40, 170));
        for (int i = 0; i < 6; ++i)
            p.drawRect(QRectF(m.x() - L * 0.2 + i * L * 0.1, m.y() - Hh, L * 0.04, Hh * 1.4));
    }
    if (f.punkte || f.rotePunkte)
        streuen(26, 5, QRectF(m.x() - L * 0.3, m.y() - Hh * 0.45, L * 0.7, Hh * 0.7), [&](P q, QRandomGenerator &) {
            kreis(p, q, 2.2, f.rotePunkte ? C(220, 50, 40) : f.punktFarbe);
        });
    p.restore();
    const qreal kopf = f.spitzMaul ? -L * 0.48 : -L * 0.36;
    linie(p, f.bauch.darker(140), 1.5);
    p.drawArc(QRectF(m.x() + kopf + L * 0.02, m.y() - Hh * 0.35, L * 0.14, Hh * 0.7), -70 * 16, 140 * 16);
    kreis(p, m + P(kopf - (f.spitzMaul ? L * 0.02 : 0), -Hh * 0.12), 4, weiss);
    kreis(p, m + P(kopf - (f.spitzMaul ? L * 0.02 : 0), -Hh * 0.12), 2.2, schwarz);
    if (f.bart) {
        linie(p, f.ruecken.darker(130), 1.5);
        p.drawLine(m + P(-L * 0.48, Hh * 0.1), m + P(-L * 0.52, Hh * 0.4));
    }
}

void schlange(QPainter &p, const C &c, const C &muster, int art)
{
    QPainterPath pfad(P(250, 200));
    pfad.cubicTo(P(320, 160), P(200, 120), P(140, 160));
    pfad.cubicTo(P(80, 200), P(40, 150), P(90, 110));
    pfad.cubicTo(P(120, 90), P(150, 100), P(170, 90));
    p.setPen(QPen(c, 18, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pfad);
    if (art == 0) {
        p.setPen(QPen(muster, 5, Qt::DashLine, Qt::FlatCap));
        p.drawPath(pfad);
    } else if (art == 1) {
        kreis(p, P(160, 92), 10, muster);
    } else {
        p.setPen(QPen(C(255, 255, 255, 80), 3));
        p.drawPath(pfad);
    }
    oval(p, P(180, 88), 16, 10, -10, c);
    kreis(p, P(184, 84), 2.5, schwarz);
    linie(p, rot, 1.5);
    p.drawLine(P(195, 88), P(208, 86));
    p.drawLine(P(208, 86), P(214, 82));
    p.drawLine(P(208, 86), P(214, 90));
}

void reptil(QPainter &p, int post)
{
    switch (post) {
    case 1: { // Hecht
        wasser(p);
        Fisch f{C(80, 110, 60), C(220, 220, 170), C(110, 120, 70), 200, 40};
        f.punkte = true;
        f.punktFarbe = C(200, 210, 150);
        f.spitzMaul = true;
        fisch(p, P(160, 120), f);
        break;
    }
    case 2: { // Barsch
        wasser(p);
        Fisch f{C(100, 130, 60), C(220, 220, 160), C(220, 90, 50), 130, 60};
        f.streifen = true;
        fisch(p, P(160, 120), f);
        break;
    }
    case 3: { // Lachs
        wasser(p);
        Fisch f{C(90, 110, 130), C(236, 210, 200), C(120, 130, 140), 180, 50};
        f.punkte = true;
        fisch(p, P(160, 120), f);
        break;
    }
    case 4: { // Forelle
        wasser(p, C(120, 180, 170), C(50, 110, 100));
        Fisch f{C(120, 120, 70), C(236, 226, 180), C(150, 130, 90), 160, 46};
        f.punkte = true;
        f.rotePunkte = true;
        fisch(p, P(160, 120), f);
        break;
    }
    case 5: { // Hering
        wasser(p);
        Fisch f{C(60, 90, 130), C(220, 226, 236), C(160, 170, 190), 150, 36};
        for (int i = 0; i < 3; ++i)
            fisch(p, P(100 + i * 60, 70 + i * 50), f);
        break;
    }
    case 6: { // Dorsch
        wasser(p);
        Fisch f{C(130, 130, 90), C(230, 226, 200), C(130, 130, 90), 170, 52};
        f.punkte = true;
        f.punktFarbe = C(100, 90, 60);
        f.bart = true;
        fisch(p, P(160, 120), f);
        break;
    }
    case 7: { // Aal
        wasser(p);
        QPainterPath pfad(P(30, 140));
        pfad.cubicTo(P(100, 60), P(160, 200), P(230, 110));
        pfad.quadTo(P(260, 80), P(290, 100));
        p.setPen(QPen(C(70, 70, 50), 16, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(pfad);
        p.setPen(QPen(C(190, 180, 130), 4));
        p.drawPath(pfad);
        kreis(p, P(288, 98), 2.5, schwarz);
        break;
    }
    case 8: { // Karpfen
        wasser(p, C(130, 160, 110), C(60, 90, 60));
        Fisch f{C(150, 120, 50), C(230, 190, 90), C(160, 110, 60), 150, 74};
        f.bart = true;
        fisch(p, P(160, 120), f);
        linie(p, C(120, 90, 40), 1);
        for (int i = 0; i < 5; ++i)
            for (int k = 0; k < 3; ++k)
                p.drawArc(QRectF(120 + i * 14, 100 + k * 14, 12, 12), 90 * 16, 180 * 16);
        break;
    }
    case 9: { // Hai
        wasser(p, C(60, 130, 200), C(10, 40, 100));
        polygon(p, {P(40, 120), P(120, 94), P(150, 40), P(170, 96), P(250, 110), P(290, 70), P(282, 120), P(296, 160),
                    P(250, 132), P(170, 150), P(150, 176), P(130, 148), P(40, 130)},
                C(120, 130, 150));
        polygon(p, {P(40, 126), P(120, 140), P(250, 130), P(170, 150), P(60, 134)}, C(230, 230, 236));
        kreis(p, P(70, 116), 3, schwarz);
        linie(p, C(70, 80, 100), 1.5);
        for (int i = 0; i < 4; ++i)
            p.drawLine(P(100 + i * 6, 112), P(104 + i * 6, 128));
        break;
    }
    case 10: { // Flunder
        fuell(p, C(200, 180, 130));
        p.drawRect(QRectF(0, 0, B, H));
        streuen(80, 3, QRectF(0, 0, B, H), [&](P q, QRandomGenerator &) { kreis(p, q, 2, C(170, 150, 110)); });
        oval(p, P(160, 120), 110, 70, 0, C(150, 130, 100));
        oval(p, P(160, 120), 90, 54, 0, C(130, 110, 80));
        streuen(30, 9, QRectF(90, 80, 140, 80), [&](P q, QRandomGenerator &) { kreis(p, q, 4, C(200, 110, 60)); });
        polygon(p, {P(270, 120), P(300, 94), P(300, 146)}, C(150, 130, 100));
        kreis(p, P(86, 104), 6, weiss);
        kreis(p, P(86, 104), 3, schwarz);
        kreis(p, P(96, 96), 6, weiss);
        kreis(p, P(96, 96), 3, schwarz);
        break;
    }
    case 11: // Kreuzotter
        erde(p, 0);
        schlange(p, C(130, 120, 100), C(40, 30, 30), 0);
        break;
    case 12: // Ringelnatter
        wiese(p, 0, C(140, 170, 100));
        schlange(p, C(80, 90, 80), C(240, 220, 60), 1);
        break;
    case 13: { // Eidechse
        himmel(p);
        fuell(p, C(170, 160, 140));
        p.drawEllipse(P(160, 230), 200, 80);
        const C c(110, 150, 70);
        linie(p, c, 12);
        QPainterPath k(P(90, 150));
        k.quadTo(P(160, 130), P(210, 150));
        k.quadTo(P(260, 170), P(300, 140));
        p.drawPath(k);
        oval(p, P(140, 146), 44, 14, -4, c);
        oval(p, P(84, 146), 18, 10, 0, c);
        kreis(p, P(78, 142), 2.5, schwarz);
        linie(p, c, 5);
        for (const auto &[a, b] : {std::pair{P(110, 150), P(96, 176)}, std::pair{P(116, 140), P(100, 120)},
                                   std::pair{P(170, 152), P(182, 178)}, std::pair{P(170, 140), P(186, 122)}})
            p.drawLine(a, b);
        streuen(20, 7, QRectF(110, 138, 70, 14), [&](P q, QRandomGenerator &) { kreis(p, q, 1.8, C(80, 60, 40)); });
        break;
    }
    case 14: // Blindschleiche
        waldboden(p);
        schlange(p, C(170, 130, 70), C(), 2);
        break;
    case 15: { // Schildkröte
        wiese(p, 190);
        oval(p, P(80, 150), 18, 12, 0, C(140, 150, 90));
        kreis(p, P(72, 146), 2.5, schwarz);
        for (qreal x : {120.0, 200.0})
            oval(p, P(x, 176), 10, 14, 0, C(140, 150, 90));
        fuell(p, C(110, 90, 50));
        p.drawChord(QRectF(90, 80, 140, 120), 0, 180 * 16);
        linie(p, C(80, 60, 30), 2);
        for (const P &m : {P(160, 110), P(124, 126), P(196, 126), P(140, 96), P(180, 96)})
            p.drawRoundedRect(QRectF(m.x() - 16, m.y() - 12, 32, 24), 6, 6);
        fuell(p, C(170, 150, 90));
        p.drawRect(QRectF(90, 138, 140, 8));
        break;
    }
    case 16: { // Krokodil
        see(p, 110);
        fuell(p, C(80, 110, 60));
        p.drawRoundedRect(QRectF(70, 140, 200, 34), 16, 16);
        polygon(p, {P(74, 144), P(10, 150), P(10, 162), P(74, 168)}, C(80, 110, 60));
        polygon(p, {P(266, 150), P(316, 160), P(266, 170)}, C(80, 110, 60));
        linie(p, weiss, 1.5);
        for (int i = 0; i < 10; ++i)
            p.drawLine(P(14 + i * 6, 156), P(17 + i * 6, 152));
        for (int i = 0; i < 14; ++i)
            polygon(p, {P(90 + i * 13, 142), P(96 + i * 13, 132), P(102 + i * 13, 142)}, C(60, 90, 50));
        kreis(p, P(76, 140), 6, C(200, 190, 60));
        kreis(p, P(76, 140), 2.5, schwarz);
        for (qreal x : {100.0, 230.0})
            oval(p, P(x, 180), 10, 8, 0, C(70, 100, 50));
        break;
    }
    }
}

// --- Insects and spiders ------------------------------------------------------------

void beine(QPainter &p, P m, qreal s, int paare, qreal lang, const C &c, qreal dicke = 2)
{
    linie(p, c, dicke * s);
    for (int i = 0; i < paare; ++i) {
        const qreal y = m.y() + (i - (paare - 1) / 2.0) * 10 * s;
        for (int d : {-1, 1}) {
            const P knie(m.x() + d * lang * 0.55 * s, y - 10 * s + i * 4 * s);
            p.drawLine(P(m.x(), y), knie);
            p.drawLine(knie, knie + P(d * lang * 0.45 * s, (i - 1) * 14 * s + 10 * s));
        }
    }
}

void fluegelpaar(QPainter &p, P m, qreal s, qreal lang, const C &c, qreal grad = 30)
{
    for (int d : {-1, 1}) {
        p.save();
        p.translate(m);
        p.rotate(d * grad);
        umriss(p, c, C(80, 80, 90, 160), 1);
        p.drawEllipse(P(d * lang * 0.5 * s, -lang * 0.15 * s), lang * 0.55 * s, lang * 0.22 * s);
        p.restore();
    }
}

void antennen(QPainter &p, P kopf, qreal s, qreal lang, const C &c)
{
    linie(p, c, 1.5 * s);
    p.drawLine(kopf, kopf + P(-lang * 0.5 * s, -lang * s));
    p.drawLine(kopf, kopf + P(lang * 0.5 * s, -lang * s));
}

void gestreift(QPainter &p, P m, qreal rx, qreal ry, const C &a, const C &b, int n)
{
    oval(p, m, rx, ry, 0, a);
    p.save();
    QPainterPath k;
    k.addEllipse(m, rx, ry);
    p.setClipPath(k);
    fuell(p, b);
    for (int i = 0; i < n; ++i)
        p.drawRect(QRectF(m.x() - rx, m.y() - ry + (2 * i + 1) * ry / n, 2 * rx, ry / n));
    p.restore();
}

void blattGrund(QPainter &p)
{
    himmel(p, C(200, 230, 180), C(236, 244, 226));
    blatt(p, P(10, 230), -30, 360, 80, C(140, 190, 100));
}

void insekt(QPainter &p, int post)
{
    const P m(160, 120);
    switch (post) {
    case 1: // Biene
        blattGrund(p);
        beine(p, m, 2, 3, 30, C(50, 40, 30));
        fluegelpaar(p, m + P(0, -10), 2, 44, C(230, 240, 250, 170));
        gestreift(p, m + P(0, 34), 22, 36, C(220, 160, 40), C(60, 40, 30), 5);
        oval(p, m, 20, 18, 0, C(170, 120, 60));
        kreis(p, m + P(0, -26), 14, C(60, 40, 30));
        antennen(p, m + P(0, -36), 2, 18, C(40, 30, 20));
        break;
    case 2: // Wespe
        blattGrund(p);
        beine(p, m, 2, 3, 30, C(200, 160, 30));
        fluegelpaar(p, m + P(0, -10), 2, 44, C(220, 220, 240, 150), 20);
        gestreift(p, m + P(0, 42), 18, 34, C(250, 210, 30), schwarz, 5);
        oval(p, m + P(0, 4), 14, 16, 0, schwarz);
        kreis(p, m + P(0, -22), 13, C(250, 210, 30));
        oval(p, m + P(-6, -24), 4, 7, 0, schwarz);
        oval(p, m + P(6, -24), 4, 7, 0, schwarz);
        antennen(p, m + P(0, -32), 2, 18, schwarz);
        break;
    case 3: // Hummel
        wiese(p);
        bluete(p, P(160, 200), 60, 8, C(200, 120, 200), gelb, Form::Oval, 10);
        beine(p, m, 2, 3, 26, schwarz, 3);
        fluegelpaar(p, m + P(0, -14), 2, 36, C(230, 240, 250, 170));
        oval(p, m + P(0, 24), 34, 40, 0, schwarz);
        fuell(p, gelb);
        p.drawRect(QRectF(m.x() - 33, m.y() + 2, 66, 14));
        oval(p, m + P(0, 56), 26, 10, 0, weiss);
        oval(p, m + P(0, -10), 30, 22, 0, gelb);
        kreis(p, m + P(0, -34), 16, schwarz);
        antennen(p, m + P(0, -46), 2, 14, schwarz);
        break;
    case 4: // Schmetterling
        wiese(p);
        for (int d : {-1, 1}) {
            oval(p, m + P(d * 56, -30), 56, 44, d * 20, C(240, 120, 30));
            oval(p, m + P(d * 44, 40), 38, 34, -d * 20, C(240, 140, 50));
            kreis(p, m + P(d * 70, -40), 16, C(40, 60, 140));
            kreis(p, m + P(d * 70, -40), 7, weiss);
            kreis(p, m + P(d * 46, 44), 10, C(30, 30, 30));
            oval(p, m + P(d * 90, -60), 14, 10, d * 20, schwarz);
        }
        oval(p, m, 8, 46, 0, C(50, 40, 40));
        kreis(p, m + P(0, -50), 9, C(50, 40, 40));
        antennen(p, m + P(0, -56), 2, 24, C(50, 40, 40));
        break;
    case 5: // Marienkäfer
        blattGrund(p);
        beine(p, m + P(0, 10), 2, 3, 36, schwarz);
        kreis(p, m + P(0, -40), 20, schwarz);
        kreis(p, m + P(-10, -46), 5, weiss);
        kreis(p, m + P(10, -46), 5, weiss);
        kreis(p, m + P(0, 14), 56, C(220, 30, 30));
        linie(p, schwarz, 3);
        p.drawLine(m + P(0, -42), m + P(0, 70));
        for (const P &f : {P(-28, -10), P(28, -10), P(-34, 26), P(34, 26), P(-16, 48), P(16, 48), P(0, -26)})
            kreis(p, m + f, 10, schwarz);
        break;
    case 6: // Ameise
        waldboden(p);
        beine(p, m + P(0, -4), 2, 3, 40, C(40, 30, 30), 2.5);
        oval(p, m + P(0, 46), 22, 32, 0, C(40, 30, 30));
        oval(p, m + P(0, -4), 12, 20, 0, C(60, 40, 30));
        kreis(p, m + P(0, -40), 16, C(40, 30, 30));
        antennen(p, m + P(0, -52), 2, 22, C(40, 30, 30));
        break;
    case 7: // Fliege
        blattGrund(p);
        beine(p, m, 2, 3, 36, schwarz);
        fluegelpaar(p, m + P(0, -4), 2, 48, C(220, 230, 240, 170), 28);
        oval(p, m + P(0, 32), 22, 28, 0, C(70, 80, 90));
        oval(p, m, 20, 18, 0, C(90, 90, 100));
        kreis(p, m + P(0, -24), 16, C(70, 60, 60));
        kreis(p, m + P(-10, -28), 10, C(180, 40, 40));
        kreis(p, m + P(10, -28), 10, C(180, 40, 40));
        break;
    case 8: // Mücke
        himmel(p);
        beine(p, m, 2, 3, 70, C(60, 60, 60), 1);
        fluegelpaar(p, m + P(0, -6), 2, 40, C(230, 236, 246, 170), 18);
        oval(p, m + P(0, 34), 6, 34, 0, C(110, 100, 90));
        oval(p, m, 10, 12, 0, C(120, 110, 100));
        kreis(p, m + P(0, -18), 8, C(80, 70, 60));
        linie(p, C(60, 50, 40), 2);
        p.drawLine(m + P(0, -26), m + P(0, -56));
        break;
    case 9: // Libelle
        see(p, 170);
        for (int d : {-1, 1}) {
            oval(p, m + P(d * 60, -30), 64, 12, d * -8, C(220, 236, 250, 170));
            oval(p, m + P(d * 56, -8), 58, 12, d * 8, C(220, 236, 250, 170));
        }
        oval(p, m + P(0, 50), 6, 70, 0, C(40, 110, 200));
        oval(p, m + P(0, -22), 10, 18, 0, C(40, 130, 110));
        kreis(p, m + P(-9, -44), 10, C(60, 160, 140));
        kreis(p, m + P(9, -44), 10, C(60, 160, 140));
        break;
    case 10: { // Heuschrecke
        wiese(p, 190);
        const C c(90, 170, 60);
        oval(p, P(160, 130), 70, 20, -4, c);
        kreis(p, P(86, 128), 18, c);
        kreis(p, P(80, 122), 4, schwarz);
        linie(p, c.darker(120), 2);
        p.drawLine(P(76, 112), P(20, 40));
        p.drawLine(P(80, 112), P(40, 30));
        linie(p, c.darker(110), 6);
        p.drawLine(P(170, 134), P(230, 70));
        linie(p, c.darker(110), 3);
        p.drawLine(P(230, 70), P(250, 180));
        linie(p, c.darker(120), 3);
        for (const auto &[a, b] : {std::pair{P(110, 140), P(100, 180)}, std::pair{P(130, 142), P(126, 184)}})
            p.drawLine(a, b);
        oval(p, P(180, 120), 60, 10, -6, C(120, 190, 80));
        break;
    }
    case 11: // Spinne
        himmel(p, C(220, 220, 230), C(240, 240, 246));
        beine(p, m, 2, 4, 60, C(60, 50, 40), 2.5);
        oval(p, m + P(0, 30), 30, 36, 0, C(80, 60, 50));
        kreis(p, m + P(0, -16), 20, C(70, 50, 40));
        kreis(p, m + P(-6, -26), 3, schwarz);
        kreis(p, m + P(6, -26), 3, schwarz);
        break;
    case 12: // Maikäfer
        blattGrund(p);
        beine(p, m, 2, 3, 34, C(80, 50, 30), 3);
        oval(p, m + P(-20, 20), 22, 56, -4, C(150, 90, 40));
        oval(p, m + P(20, 20), 22, 56, 4, C(150, 90, 40));
        oval(p, m + P(0, -36), 24, 14, 0, schwarz);
        kreis(p, m + P(0, -52), 12, schwarz);
        for (int d : {-1, 1}) {
            linie(p, schwarz, 2);
            p.drawLine(m + P(d * 6, -60), m + P(d * 20, -76));
            for (int k = 0; k < 5; ++k)
                oval(p, m + P(d * (20 + k * 3), -80 - k * 2), 3, 8, d * 30, C(120, 80, 40));
        }
        break;
    case 13: // Hirschkäfer
        waldboden(p);
        beine(p, m + P(0, 10), 2, 3, 40, C(60, 30, 20), 3);
        oval(p, m + P(0, 40), 40, 54, 0, C(90, 40, 20));
        linie(p, C(50, 20, 10), 2);
        p.drawLine(m + P(0, -10), m + P(0, 92));
        oval(p, m + P(0, -20), 30, 16, 0, C(40, 20, 10));
        oval(p, m + P(0, -40), 24, 12, 0, C(40, 20, 10));
        for (int d : {-1, 1}) {
            QPainterPath z(m + P(d * 14, -46));
            z.quadTo(m + P(d * 50, -80), m + P(d * 10, -110));
            z.lineTo(m + P(d * 16, -96));
            z.quadTo(m + P(d * 38, -80), m + P(d * 6, -48));
            z.closeSubpath();
            fuell(p, C(130, 60, 30));
            p.drawPath(z);
        }
        break;
    case 14: // Zecke
        himmel(p, C(236, 220, 210), C(246, 236, 230));
        beine(p, m, 2.2, 4, 36, C(90, 40, 30), 3);
        oval(p, m + P(0, 14), 44, 54, 0, C(130, 50, 40));
        oval(p, m + P(0, -10), 28, 26, 0, C(60, 30, 20));
        polygon(p, {m + P(-8, -34), m + P(0, -58), m + P(8, -34)}, C(60, 30, 20));
        break;
    case 15: // Weberknecht
        himmel(p, C(220, 230, 210), C(240, 244, 236));
        linie(p, C(90, 70, 50), 1.5);
        for (int i = 0; i < 8; ++i) {
            const qreal g = -160 + i * 46 + (i >= 4 ? 0 : -10);
            const P knie = polar(m, 70, g);
            p.drawLine(m, knie);
            p.drawLine(knie, knie + P(std::cos(g * M_PI / 180) * 60, 90));
        }
        oval(p, m, 16, 12, 0, C(140, 110, 80));
        kreis(p, m + P(0, -4), 3, schwarz);
        break;
    case 16: // Kreuzspinne
        himmel(p, C(200, 210, 220), C(236, 240, 246));
        linie(p, C(250, 250, 250), 1);
        for (int i = 0; i < 12; ++i)
            p.drawLine(m, polar(m, 200, i * 30));
        for (int r = 20; r < 200; r += 16)
            p.drawEllipse(m, r, r);
        beine(p, m + P(0, -10), 2, 4, 56, C(110, 70, 40), 2.5);
        oval(p, m + P(0, 26), 32, 40, 0, C(150, 100, 50));
        linie(p, weiss, 4);
        p.drawLine(m + P(0, 6), m + P(0, 50));
        p.drawLine(m + P(-16, 22), m + P(16, 22));
        kreis(p, m + P(0, -24), 16, C(120, 80, 40));
        break;
    }
}

using Ritare = std::function<void(QPainter &, int)>;

struct Serie
{
    int program;   // the first four digits of the program number
    const char *katalog;
    int antal;
    Ritare rita;
};

const std::vector<Serie> &serier()
{
    static const std::vector<Serie> s = {
        {2141, "VAXTER", 16, pflanze}, {2142, "VAXTER", 17, gartenpflanze}, {2143, "VAXTER", 16, baum},
        {2144, "VAXTER", 17, frucht},  {2151, "DJUR", 34, vogel},           {2152, "DJUR", 18, saeuger},
        {2153, "DJUR", 17, haustier},  {2154, "DJUR", 16, reptil},          {2155, "DJUR", 16, insekt},
    };
    return s;
}

QString dateiname(const QString &ziel, const Serie &s, int post)
{
    return ziel + QLatin1Char('/') + QLatin1String(s.katalog) + QStringLiteral("/T%1%2.BMP").arg(s.program).arg(post, 2, 10, QChar(u'0'));
}

} // namespace

QImage naturbild(int program, int post)
{
    for (const Serie &s : serier()) {
        if (s.program != program || post < 1 || post > s.antal)
            continue;
        QImage bild(QSize(int(B), int(H)), QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        s.rita(p, post);
        return bild;
    }
    return {};
}

int naturbilder(const QString &ziel)
{
    const QDateTime programm = QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
    struct Datei
    {
        QString namn;
        std::function<QImage()> rita;
    };
    std::vector<Datei> filer;
    for (const Serie &s : serier())
        for (int n = 1; n <= s.antal; ++n)
            filer.push_back({dateiname(ziel, s, n), [&s, n] { return naturbild(s.program, n); }});
    static const char *const kropp[] = {"KROPPEN", "HUVUDET", "HALS", "NJURE", "MAGE", "MUN", "SKELETT"};
    for (int i = 0; i < 7; ++i)
        filer.push_back({ziel + QStringLiteral("/KROPP/") + QLatin1String(kropp[i]) + QStringLiteral(".BMP"),
                         [i] { return kroppsbild(21301 + i); }});

    bool aktuell = true;
    for (const Datei &d : filer) {
        const QFileInfo f(d.namn);
        if (!f.exists() || f.lastModified() < programm) {
            aktuell = false;
            break;
        }
    }
    if (aktuell)
        return 0;
    for (const QString &k : {QStringLiteral("VAXTER"), QStringLiteral("DJUR"), QStringLiteral("KROPP")})
        QDir().mkpath(ziel + QLatin1Char('/') + k);
    for (const Datei &d : filer)
        if (!d.rita().save(d.namn, "BMP")) {
            std::fprintf(stderr, "drawpictures: cannot write %s\n", qPrintable(d.namn));
            return 1;
        }
    return 0;
}
