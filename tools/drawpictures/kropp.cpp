// The body pictures of the biology exercises, BILD\KROPP\*.BMP, 320 x 480:
// the whole body, the head, the airways, the kidneys, the digestion, the
// mouth with its teeth and the skeleton. The questions of VRS21301.DAT ..
// VRS21307.DAT ask for the parts by the numbers drawn here.

#include "natur.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr qreal B = 320;
constexpr qreal H = 480;

using C = QColor;
using P = QPointF;

const C haut(240, 200, 170), hautDunkel(214, 160, 130), knochen(240, 232, 206), knochenRand(150, 140, 120),
    schwarz(30, 30, 34), weiss(250, 250, 246);

void fuell(QPainter &p, const C &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
}

void umriss(QPainter &p, const C &f, const C &rand, qreal w = 1.5)
{
    p.setPen(QPen(rand, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(f);
}

void linie(QPainter &p, const C &c, qreal w)
{
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

void oval(QPainter &p, P m, qreal rx, qreal ry, qreal grad, const C &f, const C &rand = C())
{
    p.save();
    p.translate(m);
    p.rotate(grad);
    if (rand.isValid())
        umriss(p, f, rand);
    else
        fuell(p, f);
    p.drawEllipse(P(0, 0), rx, ry);
    p.restore();
}

void hintergrund(QPainter &p, const C &oben = C(236, 244, 250), const C &unten = C(210, 226, 240))
{
    QLinearGradient g(0, 0, 0, H);
    g.setColorAt(0, oben);
    g.setColorAt(1, unten);
    p.fillRect(QRectF(0, 0, B, H), g);
}

// A numbered label at etikett with a line to the part it names.
void nummer(QPainter &p, int n, P ziel, P etikett)
{
    linie(p, C(40, 40, 60), 1.2);
    p.drawLine(etikett, ziel);
    fuell(p, C(40, 40, 60));
    p.drawEllipse(ziel, 2.5, 2.5);
    umriss(p, weiss, C(40, 40, 60), 1.5);
    p.drawEllipse(etikett, 11, 11);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    p.setPen(C(20, 20, 40));
    p.drawText(QRectF(etikett.x() - 11, etikett.y() - 11, 22, 22), Qt::AlignCenter, QString::number(n));
}

// A limb from a to b, w wide.
void glied(QPainter &p, P a, P b, qreal w, const C &c)
{
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
}

void figur(QPainter &p)
{
    // legs, arms, body, head
    for (int d : {-1, 1}) {
        glied(p, P(160 + d * 20, 270), P(160 + d * 24, 360), 34, haut);
        glied(p, P(160 + d * 24, 360), P(160 + d * 24, 440), 24, haut);
        oval(p, P(160 + d * 34, 452), 20, 9, 0, haut);
        glied(p, P(160 + d * 52, 114), P(160 + d * 72, 190), 22, haut);
        glied(p, P(160 + d * 72, 190), P(160 + d * 82, 256), 18, haut);
        oval(p, P(160 + d * 86, 276), 13, 18, d * -8, haut);
        linie(p, hautDunkel, 3);
        for (int k = -1; k <= 2; ++k)
            p.drawLine(P(160 + d * (84 + k * 5), 290), P(160 + d * (86 + k * 6), 304));
    }
    fuell(p, haut);
    p.drawPolygon(QPolygonF{P(104, 106), P(216, 106), P(196, 240), P(202, 276), P(118, 276), P(124, 240)});
    p.drawRect(QRectF(148, 84, 24, 26));
    p.drawEllipse(P(160, 56), 30, 36);
    fuell(p, C(90, 60, 40));
    p.drawChord(QRectF(128, 16, 64, 50), 0, 180 * 16);
    fuell(p, schwarz);
    p.drawEllipse(P(149, 56), 3, 3);
    p.drawEllipse(P(171, 56), 3, 3);
    linie(p, hautDunkel, 2);
    p.drawArc(QRectF(150, 66, 20, 12), 200 * 16, 140 * 16);
    p.drawLine(P(160, 58), P(158, 68));
    // swimsuit, navel, chest
    fuell(p, C(60, 110, 190));
    p.drawPolygon(QPolygonF{P(122, 246), P(198, 246), P(204, 290), P(166, 296), P(160, 282), P(154, 296), P(116, 290)});
    fuell(p, hautDunkel);
    p.drawEllipse(P(160, 226), 3, 3);
    linie(p, hautDunkel, 1.5);
    p.drawArc(QRectF(124, 126, 34, 24), 200 * 16, 140 * 16);
    p.drawArc(QRectF(162, 126, 34, 24), 200 * 16, 140 * 16);
    p.drawArc(QRectF(126, 346, 16, 14), 0, 180 * 16);
    p.drawArc(QRectF(178, 346, 16, 14), 0, 180 * 16);
}

void kroppen(QPainter &p)
{
    hintergrund(p);
    figur(p);
    nummer(p, 1, P(150, 36), P(40, 36));
    nummer(p, 2, P(166, 96), P(284, 70));
    nummer(p, 3, P(210, 112), P(284, 110));
    nummer(p, 4, P(96, 152), P(28, 120));
    nummer(p, 5, P(232, 190), P(290, 196));
    nummer(p, 6, P(78, 256), P(28, 230));
    nummer(p, 7, P(248, 276), P(296, 262));
    nummer(p, 8, P(72, 298), P(28, 290));
    nummer(p, 9, P(180, 140), P(284, 156));
    nummer(p, 10, P(176, 206), P(290, 234));
    nummer(p, 11, P(160, 226), P(28, 190));
    nummer(p, 12, P(200, 264), P(296, 296));
    nummer(p, 13, P(138, 318), P(28, 340));
    nummer(p, 14, P(186, 360), P(290, 360));
    nummer(p, 15, P(200, 452), P(290, 432));
    nummer(p, 16, P(118, 456), P(28, 440));
}

void huvudet(QPainter &p)
{
    hintergrund(p);
    fuell(p, haut);
    p.drawRect(QRectF(120, 360, 80, 120));
    p.drawEllipse(P(60, 240), 16, 30);
    p.drawEllipse(P(260, 240), 16, 30);
    p.drawEllipse(P(160, 230), 100, 136);
    linie(p, hautDunkel, 2);
    p.drawArc(QRectF(52, 222, 14, 32), 90 * 16, 180 * 16);
    p.drawArc(QRectF(254, 222, 14, 32), 270 * 16, 180 * 16);
    // hair
    fuell(p, C(110, 70, 40));
    QPainterPath haar(P(56, 220));
    haar.cubicTo(P(40, 60), P(280, 60), P(264, 220));
    haar.cubicTo(P(250, 150), P(200, 130), P(160, 136));
    haar.cubicTo(P(110, 130), P(70, 150), P(56, 220));
    p.drawPath(haar);
    // brows, eyes
    for (int d : {-1, 1}) {
        const P auge(160 + d * 42, 206);
        linie(p, C(90, 60, 40), 5);
        p.drawArc(QRectF(auge.x() - 24, auge.y() - 26, 48, 20), 20 * 16, 140 * 16);
        oval(p, auge, 20, 10, 0, weiss);
        fuell(p, C(70, 120, 170));
        p.drawEllipse(auge, 8, 8);
        fuell(p, schwarz);
        p.drawEllipse(auge, 3.5, 3.5);
        linie(p, schwarz, 1.5);
        for (int k = -3; k <= 3; ++k)
            p.drawLine(P(auge.x() + k * 5, auge.y() - 9 + std::abs(k) * 0.6), P(auge.x() + k * 6, auge.y() - 15 + std::abs(k)));
    }
    // nose
    linie(p, hautDunkel, 2.5);
    p.drawLine(P(160, 214), P(150, 262));
    p.drawArc(QRectF(140, 256, 40, 22), 200 * 16, 140 * 16);
    fuell(p, C(140, 90, 80));
    p.drawEllipse(P(148, 270), 5, 3);
    p.drawEllipse(P(172, 270), 5, 3);
    // cheeks
    oval(p, P(96, 276), 22, 14, 0, C(240, 170, 160, 120));
    oval(p, P(224, 276), 22, 14, 0, C(240, 170, 160, 120));
    // mouth with teeth
    QPainterPath mund(P(118, 310));
    mund.quadTo(P(160, 306), P(202, 310));
    mund.quadTo(P(160, 350), P(118, 310));
    fuell(p, C(120, 30, 40));
    p.drawPath(mund);
    fuell(p, weiss);
    p.drawPolygon(QPolygonF{P(126, 311), P(194, 311), P(186, 322), P(134, 322)});
    linie(p, C(200, 200, 200), 1);
    for (int k = 1; k < 6; ++k)
        p.drawLine(P(128 + k * 11, 311), P(130 + k * 10, 322));
    linie(p, C(200, 90, 90), 5);
    p.drawArc(QRectF(120, 300, 80, 50), 200 * 16, 140 * 16);
    linie(p, C(210, 100, 100), 3);
    p.drawLine(P(118, 310), P(202, 310));
    linie(p, hautDunkel, 2);
    p.drawArc(QRectF(140, 350, 40, 16), 200 * 16, 140 * 16);

    nummer(p, 1, P(130, 110), P(40, 60));
    nummer(p, 2, P(190, 156), P(280, 110));
    nummer(p, 3, P(112, 186), P(28, 150));
    nummer(p, 4, P(206, 206), P(290, 170));
    nummer(p, 5, P(116, 194), P(28, 196));
    nummer(p, 6, P(54, 250), P(24, 250));
    nummer(p, 7, P(156, 244), P(290, 226));
    nummer(p, 8, P(148, 270), P(28, 296));
    nummer(p, 9, P(226, 276), P(296, 268));
    nummer(p, 10, P(124, 312), P(28, 336));
    nummer(p, 11, P(166, 334), P(296, 346));
    nummer(p, 12, P(172, 316), P(296, 306));
    nummer(p, 13, P(160, 358), P(28, 384));
    nummer(p, 14, P(176, 420), P(290, 420));
}

void hals(QPainter &p)
{
    hintergrund(p);
    // body outline
    fuell(p, C(250, 226, 206));
    p.drawPolygon(QPolygonF{P(40, 190), P(130, 170), P(190, 170), P(280, 190), P(280, 440), P(40, 440)});
    // head in profile, facing left
    QPainterPath kopf(P(200, 180));
    kopf.lineTo(P(200, 150));
    kopf.cubicTo(P(250, 130), P(250, 10), P(160, 14));
    kopf.cubicTo(P(110, 16), P(96, 50), P(100, 70));
    kopf.lineTo(P(80, 92));
    kopf.lineTo(P(100, 98));
    kopf.lineTo(P(96, 112));
    kopf.lineTo(P(102, 128));
    kopf.quadTo(P(120, 140), P(140, 140));
    kopf.lineTo(P(140, 180));
    kopf.closeSubpath();
    fuell(p, haut);
    p.drawPath(kopf);
    // ribs behind the lungs
    linie(p, C(220, 200, 160), 6);
    for (int i = 0; i < 8; ++i) {
        const qreal y = 214 + i * 24;
        p.drawArc(QRectF(48, y, 112, 44), 90 * 16, 110 * 16);
        p.drawArc(QRectF(160, y, 112, 44), -20 * 16, 110 * 16);
    }
    // airways
    fuell(p, C(230, 150, 150));
    QPainterPath nase(P(104, 68));
    nase.quadTo(P(150, 54), P(176, 76));
    nase.lineTo(P(176, 90));
    nase.quadTo(P(140, 84), P(104, 84));
    nase.closeSubpath();
    p.drawPath(nase);
    QPainterPath mund(P(104, 104));
    mund.quadTo(P(140, 98), P(170, 104));
    mund.lineTo(P(170, 118));
    mund.quadTo(P(140, 124), P(106, 118));
    mund.closeSubpath();
    p.drawPath(mund);
    oval(p, P(138, 116), 26, 7, -4, C(210, 100, 110));
    fuell(p, C(230, 150, 150));
    p.drawRect(QRectF(168, 78, 16, 90));
    fuell(p, C(200, 160, 150));
    p.drawRoundedRect(QRectF(148, 146, 26, 26), 6, 6);
    fuell(p, C(220, 190, 190));
    p.drawRect(QRectF(152, 170, 16, 60));
    linie(p, C(190, 160, 160), 1.2);
    for (qreal y = 174; y < 230; y += 7)
        p.drawLine(P(152, y), P(168, y));
    // lungs
    QPainterPath links(P(150, 226));
    links.cubicTo(P(110, 200), P(56, 250), P(60, 390));
    links.quadTo(P(110, 400), P(150, 376));
    links.closeSubpath();
    QPainterPath rechts(P(170, 226));
    rechts.cubicTo(P(210, 200), P(264, 250), P(260, 390));
    rechts.quadTo(P(216, 400), P(200, 380));
    rechts.lineTo(P(176, 300));
    rechts.closeSubpath();
    fuell(p, C(240, 150, 160));
    p.drawPath(links);
    p.drawPath(rechts);
    // bronchi
    linie(p, C(220, 190, 190), 7);
    p.drawLine(P(160, 228), P(128, 260));
    p.drawLine(P(160, 228), P(192, 260));
    linie(p, C(220, 190, 190), 3);
    for (const auto &[a, b] : {std::pair{P(128, 260), P(100, 300)}, std::pair{P(128, 260), P(120, 320)},
                               std::pair{P(192, 260), P(220, 300)}, std::pair{P(192, 260), P(204, 320)},
                               std::pair{P(100, 300), P(86, 340)}, std::pair{P(220, 300), P(236, 340)}})
        p.drawLine(a, b);
    // heart
    QPainterPath herz(P(196, 370));
    herz.cubicTo(P(150, 340), P(160, 290), P(190, 300));
    herz.cubicTo(P(220, 290), P(236, 330), P(196, 370));
    fuell(p, C(200, 40, 50));
    p.drawPath(herz);
    // diaphragm
    linie(p, C(180, 90, 80), 7);
    p.drawArc(QRectF(50, 380, 220, 60), 10 * 16, 160 * 16);

    nummer(p, 1, P(140, 72), P(30, 40));
    nummer(p, 2, P(126, 110), P(30, 110));
    nummer(p, 3, P(176, 118), P(290, 96));
    nummer(p, 4, P(164, 158), P(290, 156));
    nummer(p, 5, P(156, 204), P(30, 186));
    nummer(p, 6, P(200, 276), P(292, 218));
    nummer(p, 7, P(92, 310), P(28, 300));
    nummer(p, 8, P(130, 394), P(28, 420));
    nummer(p, 9, P(198, 336), P(296, 322));
    nummer(p, 10, P(268, 280), P(298, 266));
}

// Seen from the front, as every body picture here: the body's right side is
// on the left of the picture. The inferior vena cava runs up on the body's
// right of the spine (picture left), the aorta on its left (picture right);
// the right kidney sits a little lower, under the liver. So the right renal
// artery passes behind the vena cava, and the long left renal vein crosses in
// front of the aorta.
void njure(QPainter &p)
{
    hintergrund(p);
    const C arterie(210, 60, 60), vene(80, 110, 200);
    const P rechteNiere(96, 200), linkeNiere(224, 182); // the body's right and left
    const qreal hohlvene = 146, aorta = 176;            // the middles of the two vessels

    // Renal arteries from the aorta; the right one goes behind the vena cava.
    linie(p, arterie, 8);
    p.drawLine(P(aorta, rechteNiere.y() - 12), rechteNiere + P(20, -12));
    p.drawLine(P(aorta, linkeNiere.y() - 14), linkeNiere + P(-20, -14));
    // The two great vessels.
    fuell(p, vene);
    p.drawRoundedRect(QRectF(hohlvene - 10, 20, 20, 322), 8, 8);
    fuell(p, arterie);
    p.drawRoundedRect(QRectF(aorta - 9, 20, 18, 312), 8, 8);
    // Renal veins into the vena cava; the left one in front of the aorta.
    linie(p, vene, 8);
    p.drawLine(rechteNiere + P(20, 6), P(hohlvene, rechteNiere.y() + 6));
    p.drawLine(linkeNiere + P(-20, 6), P(hohlvene, linkeNiere.y() + 6));

    // kidneys with their caps, the hilum towards the middle
    for (int d : {-1, 1}) {
        const P m = d < 0 ? rechteNiere : linkeNiere;
        QPainterPath bohne(m + P(d * -10, -54));
        bohne.cubicTo(m + P(d * 60, -70), m + P(d * 60, 70), m + P(d * -10, 54));
        bohne.cubicTo(m + P(d * -30, 40), m + P(d * -10, 14), m + P(d * -20, 0));
        bohne.cubicTo(m + P(d * -10, -14), m + P(d * -30, -40), m + P(d * -10, -54));
        fuell(p, C(170, 70, 60));
        p.drawPath(bohne);
        oval(p, m + P(d * 6, -58), 24, 10, d * 15, C(240, 200, 80));
    }
    // ureters, bladder, urethra
    linie(p, C(230, 210, 120), 6);
    p.drawLine(rechteNiere + P(14, 16), P(140, 392));
    p.drawLine(linkeNiere + P(-14, 16), P(180, 392));
    QPainterPath blase(P(160, 430));
    blase.cubicTo(P(100, 420), P(110, 370), P(160, 372));
    blase.cubicTo(P(210, 370), P(220, 420), P(160, 430));
    fuell(p, C(240, 220, 140));
    p.drawPath(blase);
    linie(p, C(230, 210, 120), 7);
    p.drawLine(P(160, 428), P(160, 470));

    nummer(p, 1, rechteNiere + P(-16, 22), P(24, 240));
    nummer(p, 2, linkeNiere + P(8, -58), P(292, 110));
    nummer(p, 3, P(126, 310), P(30, 310));
    nummer(p, 4, P(186, 404), P(290, 400));
    nummer(p, 5, P(160, 456), P(30, 456));
    nummer(p, 6, P(aorta, 80), P(290, 50));
    nummer(p, 7, P(hohlvene, 70), P(30, 70));
    nummer(p, 8, rechteNiere + P(26, -12), P(30, 150));
    nummer(p, 9, linkeNiere + P(-30, 6), P(292, 196));
}

void mage(QPainter &p)
{
    hintergrund(p);
    fuell(p, C(250, 226, 206));
    p.drawEllipse(P(160, 52), 34, 40);
    p.drawRect(QRectF(146, 86, 28, 30));
    p.drawPolygon(QPolygonF{P(70, 116), P(250, 116), P(240, 450), P(80, 450)});
    fuell(p, C(200, 70, 70));
    p.drawEllipse(P(160, 68), 12, 5);
    // oesophagus
    linie(p, C(220, 140, 130), 10);
    p.drawLine(P(160, 74), P(160, 170));
    p.drawLine(P(160, 170), P(184, 190));
    // liver and gall bladder
    QPainterPath leber(P(64, 176));
    leber.cubicTo(P(80, 150), P(170, 150), P(176, 180));
    leber.cubicTo(P(160, 220), P(110, 236), P(76, 232));
    leber.closeSubpath();
    fuell(p, C(150, 60, 50));
    p.drawPath(leber);
    oval(p, P(130, 238), 10, 8, 20, C(90, 150, 80));
    // stomach
    QPainterPath magen(P(180, 184));
    magen.cubicTo(P(230, 160), P(260, 210), P(230, 244));
    magen.cubicTo(P(210, 266), P(170, 258), P(164, 240));
    magen.cubicTo(P(190, 240), P(200, 210), P(180, 184));
    fuell(p, C(230, 140, 150));
    p.drawPath(magen);
    // pancreas and duodenum
    oval(p, P(196, 262), 32, 7, -8, C(240, 200, 120));
    linie(p, C(230, 170, 140), 9);
    p.drawArc(QRectF(124, 240, 40, 50), 60 * 16, 200 * 16);
    // large intestine round the small
    linie(p, C(200, 140, 110), 18);
    QPainterPath dick(P(100, 404));
    dick.lineTo(P(98, 292));
    dick.lineTo(P(224, 290));
    dick.lineTo(P(226, 390));
    dick.quadTo(P(200, 420), P(166, 410));
    p.drawPath(dick);
    linie(p, C(200, 140, 110), 12);
    p.drawLine(P(162, 412), P(160, 448));
    linie(p, C(200, 140, 110), 5);
    p.drawLine(P(98, 410), P(94, 428));
    // small intestine
    linie(p, C(240, 170, 160), 8);
    QPainterPath duenn(P(146, 290));
    for (int i = 0; i < 5; ++i) {
        duenn.quadTo(P(i % 2 ? 120 : 206, 310 + i * 16), P(i % 2 ? 206 : 120, 318 + i * 16));
    }
    p.drawPath(duenn);
    fuell(p, C(160, 60, 60));
    p.drawEllipse(P(160, 456), 4, 4);

    nummer(p, 1, P(160, 68), P(40, 50));
    nummer(p, 2, P(160, 130), P(290, 120));
    nummer(p, 3, P(222, 206), P(296, 196));
    nummer(p, 4, P(100, 190), P(24, 166));
    nummer(p, 5, P(130, 240), P(24, 232));
    nummer(p, 6, P(210, 260), P(296, 250));
    nummer(p, 7, P(128, 272), P(24, 282));
    nummer(p, 8, P(170, 336), P(296, 340));
    nummer(p, 9, P(226, 320), P(296, 298));
    nummer(p, 10, P(94, 424), P(24, 408));
    nummer(p, 11, P(162, 430), P(296, 422));
    nummer(p, 12, P(160, 456), P(24, 458));
}

void mun(QPainter &p)
{
    hintergrund(p, C(246, 218, 196), C(236, 200, 176));
    // nose above, chin below
    linie(p, C(200, 150, 120), 3);
    p.drawArc(QRectF(130, 30, 60, 40), 200 * 16, 140 * 16);
    p.drawArc(QRectF(120, 420, 80, 30), 200 * 16, 140 * 16);
    // lips and the open mouth
    fuell(p, C(210, 90, 100));
    p.drawEllipse(P(160, 240), 132, 116);
    fuell(p, C(110, 20, 30));
    p.drawEllipse(P(160, 240), 116, 94);
    // palate, throat and uvula at the back, the tongue in front
    p.save();
    QPainterPath innen;
    innen.addEllipse(P(160, 240), 116, 94);
    p.setClipPath(innen);
    oval(p, P(160, 196), 96, 48, 0, C(226, 120, 132));
    oval(p, P(160, 248), 38, 30, 0, C(80, 10, 20));
    oval(p, P(160, 226), 6, 13, 0, C(236, 130, 140));
    p.restore();
    // gums and teeth along the two arches, inside the opening
    p.save();
    QPainterPath oeffnung;
    oeffnung.addEllipse(P(160, 240), 116, 94);
    p.setClipPath(oeffnung);
    for (int reihe : {-1, 1}) {
        // the arch: a half ellipse round the middle of the mouth
        const qreal rx = 104, ry = reihe < 0 ? 84 : 80;
        linie(p, C(240, 140, 150), 22);
        p.drawArc(QRectF(160 - rx, 240 - ry, 2 * rx, 2 * ry), reihe < 0 ? 0 : 180 * 16, 180 * 16);
        // eight teeth each side: two incisors, a canine, five molars
        const qreal schritt[8] = {0.13, 0.13, 0.14, 0.15, 0.17, 0.19, 0.2, 0.2};
        for (int d : {-1, 1}) {
            qreal phi = 0;
            for (int k = 0; k < 8; ++k) {
                const qreal mitte = phi + schritt[k] / 2;
                phi += schritt[k];
                const P fuss(160 + d * rx * std::sin(mitte), 240 + reihe * ry * std::cos(mitte));
                const qreal b = (k < 2 ? 20 : k == 2 ? 18 : 24) * (1 - 0.05 * k);
                const qreal h = (k < 2 ? 30 : k == 2 ? 32 : 22) * (1 - 0.06 * k);
                p.save();
                p.translate(fuss);
                p.rotate(-d * reihe * mitte * 180 / M_PI);
                umriss(p, C(250, 248, 236), C(200, 196, 180), 1);
                const QRectF zahn(-b / 2, reihe < 0 ? 2 : -h - 2, b, h);
                p.drawRoundedRect(zahn, 4, 4);
                if (k == 2) {
                    fuell(p, C(250, 248, 236));
                    if (reihe < 0)
                        p.drawPolygon(QPolygonF{P(-b / 2, zahn.bottom() - 2), P(0, zahn.bottom() + 6), P(b / 2, zahn.bottom() - 2)});
                    else
                        p.drawPolygon(QPolygonF{P(-b / 2, zahn.top() + 2), P(0, zahn.top() - 6), P(b / 2, zahn.top() + 2)});
                }
                p.restore();
            }
        }
    }
    // the tongue inside the lower arch
    QPainterPath zunge(P(92, 300));
    zunge.cubicTo(P(100, 236), P(220, 236), P(228, 300));
    zunge.quadTo(P(160, 312), P(92, 300));
    fuell(p, C(230, 110, 120));
    p.drawPath(zunge);
    linie(p, C(200, 80, 90), 2);
    p.drawLine(P(160, 262), P(160, 300));
    p.restore();
    // corners of the mouth
    fuell(p, C(190, 80, 90));
    p.drawEllipse(P(30, 240), 6, 8);
    p.drawEllipse(P(290, 240), 6, 8);

    nummer(p, 1, P(200, 130), P(290, 90));
    nummer(p, 2, P(204, 350), P(290, 388));
    nummer(p, 3, P(150, 178), P(30, 90));
    nummer(p, 4, P(124, 182), P(24, 176));
    nummer(p, 5, P(236, 200), P(298, 172));
    nummer(p, 6, P(196, 280), P(298, 300));
    nummer(p, 7, P(212, 212), P(298, 232));
    nummer(p, 8, P(160, 230), P(24, 230));
    nummer(p, 9, P(112, 166), P(24, 130));
    nummer(p, 10, P(30, 244), P(24, 290));
}

// A long bone from a to b, w thick, with knobbed ends.
void knochenstueck(QPainter &p, P a, P b, qreal w)
{
    p.setPen(QPen(knochenRand, w + 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    p.setPen(QPen(knochen, w, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    for (const P &e : {a, b})
        oval(p, e, w * 0.75, w * 0.6, 0, knochen, knochenRand);
}

void skelett(QPainter &p)
{
    hintergrund(p, C(214, 224, 236), C(184, 198, 218));
    // spine, ribs, sternum, clavicles
    for (int i = 0; i < 22; ++i)
        oval(p, P(160, 96 + i * 7.6), 7, 3.4, 0, knochen, knochenRand);
    linie(p, knochenRand, 7);
    for (int i = 0; i < 8; ++i) {
        const qreal y = 128 + i * 11;
        const qreal w = 44 + std::min(i, 4) * 4;
        p.setPen(QPen(knochen, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(160 - w, y - 6, w, 30 - i), 90 * 16, 140 * 16);
        p.drawArc(QRectF(160, y - 6, w, 30 - i), -50 * 16, 140 * 16);
    }
    umriss(p, knochen, knochenRand);
    p.drawRoundedRect(QRectF(154, 122, 12, 78), 5, 5);
    knochenstueck(p, P(156, 118), P(110, 110), 6);
    knochenstueck(p, P(164, 118), P(210, 110), 6);
    // skull and jaw
    oval(p, P(160, 46), 30, 34, 0, knochen, knochenRand);
    fuell(p, C(30, 34, 50));
    p.drawEllipse(P(148, 44), 8, 9);
    p.drawEllipse(P(172, 44), 8, 9);
    p.drawPolygon(QPolygonF{P(160, 54), P(154, 66), P(166, 66)});
    QPainterPath kiefer(P(136, 70));
    kiefer.quadTo(P(140, 98), P(160, 100));
    kiefer.quadTo(P(180, 98), P(184, 70));
    kiefer.lineTo(P(176, 76));
    kiefer.lineTo(P(144, 76));
    kiefer.closeSubpath();
    umriss(p, knochen, knochenRand);
    p.drawPath(kiefer);
    linie(p, knochenRand, 1);
    for (int k = 0; k < 7; ++k)
        p.drawLine(P(146 + k * 4.5, 72), P(146 + k * 4.5, 78));
    // pelvis
    QPainterPath becken(P(160, 250));
    becken.cubicTo(P(130, 234), P(100, 244), P(106, 276));
    becken.cubicTo(P(110, 296), P(136, 300), P(146, 296));
    becken.lineTo(P(160, 304));
    becken.lineTo(P(174, 296));
    becken.cubicTo(P(184, 300), P(210, 296), P(214, 276));
    becken.cubicTo(P(220, 244), P(190, 234), P(160, 250));
    umriss(p, knochen, knochenRand);
    p.drawPath(becken);
    fuell(p, C(196, 208, 226));
    p.drawEllipse(P(134, 282), 8, 6);
    p.drawEllipse(P(186, 282), 8, 6);
    // arms: upper arm, ulna (inner) and radius (outer), hand
    for (int d : {-1, 1}) {
        knochenstueck(p, P(160 + d * 52, 122), P(160 + d * 64, 204), 9);
        knochenstueck(p, P(160 + d * 62, 212), P(160 + d * 64, 276), 5);
        knochenstueck(p, P(160 + d * 70, 212), P(160 + d * 82, 274), 5);
        linie(p, knochen, 3);
        for (int k = 0; k < 5; ++k)
            p.drawLine(P(160 + d * (64 + k * 4), 284), P(160 + d * (62 + k * 5), 310));
        // legs: thigh bone, knee cap, shin bone (inner) and calf bone (outer), foot
        knochenstueck(p, P(160 + d * 26, 296), P(160 + d * 22, 378), 11);
        oval(p, P(160 + d * 22, 390), 7, 8, 0, knochen, knochenRand);
        knochenstueck(p, P(160 + d * 17, 402), P(160 + d * 17, 452), 8);
        knochenstueck(p, P(160 + d * 33, 404), P(160 + d * 32, 450), 4);
        linie(p, knochen, 3);
        for (int k = 0; k < 5; ++k)
            p.drawLine(P(160 + d * (14 + k * 4), 458), P(160 + d * (12 + k * 6), 474));
    }

    nummer(p, 1, P(176, 30), P(290, 36));
    nummer(p, 2, P(150, 94), P(30, 80));
    nummer(p, 3, P(196, 113), P(290, 100));
    nummer(p, 4, P(160, 160), P(30, 130));
    nummer(p, 5, P(120, 176), P(24, 176));
    nummer(p, 6, P(160, 224), P(24, 220));
    nummer(p, 7, P(218, 164), P(296, 160));
    nummer(p, 8, P(223, 250), P(296, 236));
    nummer(p, 9, P(238, 250), P(298, 272));
    nummer(p, 10, P(116, 270), P(24, 268));
    nummer(p, 11, P(183, 338), P(296, 326));
    nummer(p, 12, P(138, 390), P(24, 384));
    nummer(p, 13, P(177, 428), P(296, 404));
    nummer(p, 14, P(192, 440), P(298, 452));
}

} // namespace

QImage kroppsbild(int program)
{
    void (*const rita[])(QPainter &) = {kroppen, huvudet, hals, njure, mage, mun, skelett};
    if (program < 21301 || program > 21307)
        return {};
    QImage bild(QSize(int(B), int(H)), QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    rita[program - 21301](p);
    return bild;
}
