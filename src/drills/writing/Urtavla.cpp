#include "drills/writing/Urtavla.h"

#include <QPainter>
#include <QPolygon>

#include <cmath>
#include <numbers>

namespace {

// Where each numeral's text goes relative to its point on the dial, in 24ths
// of the text's height (upward) and width (leftward). The 7 takes its upward
// shift from the text's width.
struct SiffraPlats
{
    int upp;
    int vanster;
};
constexpr SiffraPlats kSiffror[13] = {
    {0, 0}, {17, 3}, {15, 0}, {11, 0}, {8, 6}, {4, 4}, {8, 12}, {5, 20}, {8, 24}, {10, 24}, {14, 21}, {17, 15}, {14, 12},
};

const QColor kAqua(0, 255, 255);
const QColor kBla(0, 0, 255);
const QColor kLime(0, 255, 0);
const QColor kRod(255, 0, 0);

} // namespace

Urtavla::Urtavla(QWidget *parent)
    : QWidget(parent)
{
}

Urtavla::Visare Urtavla::visarvinklar(int post)
{
    const int n = qMax(1, post);
    const int h = (n - 1) / 12;
    const int m = (n - 1) % 12;
    // The hour hand moves on by 2.5 degrees per five minutes, rounded to the
    // even neighbour: 2.5 gives 2, 7.5 gives 8.
    const int golv = 5 * m / 2;
    const int steg = (m % 2 == 0 || golv % 2 == 0) ? golv : golv + 1;
    return Visare{30 * h + steg, 30 * m};
}

QPoint Urtavla::punkt(int a, int L) const
{
    const double t = a * 2 * std::numbers::pi / 360;
    const int cx = width() / 2;
    const int cy = height() / 2;
    return QPoint(int(std::lround(cx - std::cos(t) * L)), int(std::lround(cy - std::sin(t) * L)));
}

void Urtavla::setPost(int post)
{
    m_post = post;
    update();
}

void Urtavla::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::black);
    p.setBrush(kAqua);
    p.drawRect(2, 2, width() - 3, height() - 3);

    const int R = radie();
    const int H = timvisarlangd();
    const int D = height() / 25;
    const QPoint mitt(width() / 2, height() / 2);

    QFont f(QStringLiteral("Courier New"));
    f.setBold(true);
    f.setPixelSize(qMax(1, height() / 12));
    p.setFont(f);
    const QFontMetrics fm(f);
    for (int k = 1; k <= 12; ++k) {
        const QString text = QString::number(k);
        const QPoint P = punkt((30 * k) % 360 + 90, R + 8);
        const int tw = fm.horizontalAdvance(text);
        const int th = fm.height();
        const int upp = (k == 7 ? tw : th) * kSiffror[k].upp / 24;
        const QRect ruta(P.x() - tw * kSiffror[k].vanster / 24, P.y() - upp, tw, th);
        p.drawText(ruta, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    }

    const Visare v = visarvinklar(m_post);
    auto visare = [&](int vinkel, int langd, int sida, const QColor &farg) {
        const QPoint spets = punkt(vinkel + 90, langd);
        p.setBrush(farg);
        p.drawPolygon(QPolygon({mitt, spets, punkt((vinkel + 80) % 360, sida)}));
        p.drawPolygon(QPolygon({mitt, spets, punkt((vinkel + 100) % 360, sida)}));
    };
    visare(v.timme, H, H / 2, kBla);
    p.setBrush(kLime);
    p.drawEllipse(punkt(v.timme + 90, H / 2), D, D);
    visare(v.minut, R, R / 3, kRod);
}
