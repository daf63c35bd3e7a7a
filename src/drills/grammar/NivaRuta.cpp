#include "drills/grammar/NivaRuta.h"

#include "frame/scale.h"
#include "platform/ShapeWidget.h"

#include <QLabel>
#include <QProgressBar>

namespace {

const QColor kNavy = bgrFarg(0x800000);
const QColor kYellow = bgrFarg(0x00FFFF);

} // namespace

NivaRuta::NivaRuta(const QString &rubrik, Siffra siffra, int skalning, QWidget *parent)
    : QFrame(parent)
    , m_siffra(siffra)
{
    setObjectName(QStringLiteral("NivPanel"));
    auto skala = [skalning](int px) { return px * skalning / 100; };
    resize(skala(300), skala(110));
    NivYtterShape = new ShapeWidget(ShapeWidget::Form::RoundRect, this);
    NivYtterShape->setObjectName(QStringLiteral("NivYtterShape"));
    NivYtterShape->setBrushColor(kYellow);
    NivYtterShape->setGeometry(0, 0, width(), height());
    NivInnerShape = new ShapeWidget(ShapeWidget::Form::RoundRect, this);
    NivInnerShape->setObjectName(QStringLiteral("NivInnerShape"));
    NivInnerShape->setBrushColor(kNavy);
    NivInnerShape->setGeometry(skala(6), skala(6), skala(110), height() - skala(12));

    auto etikett = [&](const char *namn, int px) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(namn));
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(qMax(1, skala(px)));
        f.setBold(true);
        l->setFont(f);
        textfarg(l, kYellow);
        l->setAlignment(Qt::AlignCenter);
        return l;
    };
    NivLabel1 = etikett("NivLabel1", 23);
    NivLabel1->setText(rubrik);
    NivLabel1->adjustSize();
    NivLabel2 = etikett("NivLabel2", 23);

    Gauge1 = new QProgressBar(this);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setTextVisible(false);
    Gauge1->setRange(0, 1);
    Gauge1->setValue(0);
    Gauge1->setStyleSheet(QStringLiteral("QProgressBar { background: navy; border: 0px; }"
                                         "QProgressBar::chunk { background: aqua; }"));
    visaNiva(1, 0);
}

void NivaRuta::RitaNivRutan(bool visa)
{
    const QRect y = NivYtterShape->geometry();
    NivInnerShape->setGeometry(y.left() + 6, y.top() + 6, NivInnerShape->width(), y.height() - 12);
    const QRect i = NivInnerShape->geometry();
    // The bar keeps the inner box's 6 pixels from the frame's edge on the
    // right as well, also in the frame's rounded corners.
    const int hoger = y.right() - 6 - NivYtterShape->indrag(i.top() - y.top());
    Gauge1->setGeometry(i.right() + 1 + 12, i.top(), qMax(8, hoger - (i.right() + 12)), i.height());
    if (m_siffra == Siffra::Nederkant)
        NivLabel1->setGeometry(i.left(), i.top() + 2, i.width(), NivLabel1->height());
    else
        NivLabel1->setGeometry(i.left(), i.top() + (i.height() / 2 - NivLabel1->height()) / 2, i.width(),
                               NivLabel1->height());
    placeraSiffran();
    NivLabel1->raise();
    NivLabel2->raise();
    setVisible(visa);
}

void NivaRuta::visaNiva(qint32 niva, qint32 rad)
{
    static constexpr int storlek[] = {18, 24, 30};
    if (rad >= 0 && rad <= 2) {
        QFont f = NivLabel2->font();
        f.setPointSize(storlek[rad]);
        NivLabel2->setFont(f);
    }
    NivLabel2->setText(QString::number(niva));
    placeraSiffran();
    NivLabel2->repaint();
}

void NivaRuta::placeraSiffran()
{
    NivLabel2->adjustSize();
    const QRect i = NivInnerShape->geometry();
    const int h = NivLabel2->height();
    if (m_siffra == Siffra::Nederkant)
        NivLabel2->setGeometry(i.left() + 8, i.top() + i.height() - 4 - h, i.width() - 16, h);
    else
        NivLabel2->setGeometry(i.left(), i.top() + i.height() / 2 + (i.height() / 2 - h) / 2, i.width(), h);
}

void NivaRuta::sattProgress(qint32 progress)
{
    Gauge1->setValue(qBound(Gauge1->minimum(), progress, Gauge1->maximum()));
}

void NivaRuta::sattMaxValue(qint32 max)
{
    const int v = Gauge1->value();
    Gauge1->setRange(0, qMax(1, max));
    sattProgress(v);
}

QRect NivaRuta::ytterYta() const
{
    return QRect(pos() + NivYtterShape->pos(), NivYtterShape->size());
}
