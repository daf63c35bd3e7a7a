#include "frame/TAster.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <cmath>
#include <numbers>

namespace {

// The indices drawn stop short of the tables' last entries: a pen is never
// blue, a triangle never white, and the two smallest steps are never used.
const std::array<QColor, 10> PennFarger = {
    QColor(0x00, 0x80, 0x00), QColor(0x00, 0x00, 0x80), QColor(0x80, 0x00, 0x80), QColor(0x00, 0x80, 0x80),
    QColor(0xFF, 0x00, 0x00), QColor(0x00, 0xFF, 0x00), QColor(0xFF, 0xFF, 0x00), QColor(0xFF, 0x00, 0xFF),
    QColor(0x00, 0xFF, 0xFF), QColor(0x00, 0x00, 0xFF)};
const std::array<QColor, 11> FyllFarger = {
    QColor(0x00, 0x80, 0x00), QColor(0x00, 0x00, 0x80), QColor(0x80, 0x00, 0x80), QColor(0x00, 0x80, 0x80),
    QColor(0xFF, 0x00, 0x00), QColor(0x00, 0xFF, 0x00), QColor(0xFF, 0xFF, 0x00), QColor(0xFF, 0x00, 0xFF),
    QColor(0x00, 0xFF, 0xFF), QColor(0x00, 0x00, 0xFF), QColor(0xFF, 0xFF, 0xFF)};
constexpr std::array<int, 8> StjarnSteg = {45, 36, 30, 26, 20, 18, 15, 9};

} // namespace

TAster::TAster(QWidget *parent)
    : QWidget(parent)
{
    const QScreen *s = screen();
    m_rutStorlek = AsterRutStorlek(s ? s->geometry().height() : 0);
    resize(m_rutStorlek, m_maxAntalRutor * m_rutStorlek);
    allaRatt();
    BlandaFarger();
}

int TAster::AsterRutStorlek(int h)
{
    if (h < 600)
        return 38;
    if (h < 768)
        return 50;
    if (h < 864)
        return 62;
    if (h < 1024)
        return 70;
    if (h < 1050)
        return 78;
    return 85;
}

void TAster::setMaxAntalRutor(int antal)
{
    antal = qBound(0, antal, MaxRutor);
    if (antal == m_maxAntalRutor)
        return;
    m_maxAntalRutor = antal;
    m_rutNummer = qMin(m_rutNummer, antal);
    updateGeometry();
    update();
}

void TAster::setRutNummer(int nummer)
{
    // The marks stay until Starta is set for the next round.
    nummer = qBound(0, nummer, m_maxAntalRutor);
    if (nummer == m_rutNummer)
        return;
    m_rutNummer = nummer;
    update();
}

void TAster::setRatt(bool ratt)
{
    if (ratt)
        return;
    m_rattFlaggor[m_rutNummer] = 0;
    update();
}

void TAster::setStarta(bool starta)
{
    m_starta = starta;
    if (starta) {
        allaRatt();
    }
    BlandaFarger();
    update();
}

void TAster::setVisa(bool visa)
{
    if (visa == m_visa)
        return;
    m_visa = visa;
    update();
}

void TAster::setAsterColor(const QColor &farg)
{
    if (farg == m_asterColor)
        return;
    m_asterColor = farg;
    update();
}

void TAster::setBrush(const QBrush &brush)
{
    if (brush == m_brush)
        return;
    m_brush = brush;
    update();
}

void TAster::setPen(const QPen &pen)
{
    if (pen == m_pen)
        return;
    m_pen = pen;
    update();
}

quint8 TAster::rattFlagga(int ruta) const
{
    return ruta >= 0 && ruta <= MaxRutor ? m_rattFlaggor[ruta] : 1;
}

QList<int> TAster::vitaRutor() const
{
    QList<int> vita;
    for (int i = 1; i <= m_rutNummer; ++i)
        if (m_rattFlaggor[i] == 0)
            vita.append(i);
    return vita;
}

TAster::Stjarna TAster::stjarna(int ruta) const
{
    ruta = qBound(0, ruta, MaxRutor);
    return {PennFarger[m_pennIndex[ruta]], StjarnSteg[m_stegIndex[ruta]], FyllFarger[m_fyllIndex1[ruta]],
            FyllFarger[m_fyllIndex2[ruta]]};
}

QSize TAster::sizeHint() const
{
    return {m_rutStorlek, m_maxAntalRutor * m_rutStorlek};
}

void TAster::allaRatt()
{
    m_rattFlaggor.fill(1);
}

void TAster::BlandaFarger()
{
    for (int i = 0; i <= MaxRutor; ++i) {
        m_pennIndex[i] = int(m_slump.bounded(9));
        m_stegIndex[i] = int(m_slump.bounded(6));
        m_fyllIndex1[i] = int(m_slump.bounded(10));
        m_fyllIndex2[i] = int(m_slump.bounded(10));
    }
}

void TAster::paintEvent(QPaintEvent *)
{
    if (!m_visa)
        return;
    const int S = m_rutStorlek;
    const int M = m_maxAntalRutor;
    const int W = width();
    QPainter p(this);
    // Squares still to come, and the margins of the white ones, show the
    // background colour.
    p.fillRect(QRect(0, 0, W, M * S), m_asterColor);
    for (int i = 1; i <= m_rutNummer; ++i) {
        const int y = (M - i) * S;
        if (m_rattFlaggor[i] == 1)
            ritaStjarna(p, i, y);
        else
            p.fillRect(QRect(4, y + 4, W - 8, S - 8), Qt::white);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1));
    for (int j = 0; j < M; ++j)
        p.drawRect(QRect(0, j * S, W - 1, S - 1));
}

// A star of triangles with alternating long and short points in two
// alternating colours.
void TAster::ritaStjarna(QPainter &p, int i, int y) const
{
    const int W = width();
    const int steg = StjarnSteg[m_stegIndex[i]];
    const int cx = W / 2;
    const int cy = W / 2 + y - 2;
    const int r = W / 2 - 8;
    const int q = m_stegIndex[i] >= 2 ? r / 2 : r / 3;
    if (r <= 0)
        return;
    p.setPen(QPen(PennFarger[m_pennIndex[i]], 1));
    auto punkt = [&](int radie, double t) {
        return QPoint(qRound(cx - radie * std::cos(t)), qRound(cy - radie * std::sin(t)));
    };
    const double grad = 2 * std::numbers::pi / 360;
    int k = 1;
    for (int a = 0; a <= 360; a += steg, ++k) {
        const double t1 = a * grad;
        const double t2 = (a + steg) * grad;
        const bool udda = k % 2 == 1;
        const QPoint horn[3] = {QPoint(cx, cy), punkt(udda ? q : r, t1), punkt(udda ? r : q, t2)};
        p.setBrush(FyllFarger[udda ? m_fyllIndex1[i] : m_fyllIndex2[i]]);
        p.drawPolygon(horn, 3);
    }
}

void TAster::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}
