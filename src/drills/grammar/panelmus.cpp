#include "drills/grammar/panelmus.h"

#include <QColor>
#include <QEvent>
#include <QMouseEvent>

bool panelMus(QEvent *e, int panel, const std::function<void(int)> &over,
              const std::function<void(int, int)> &klick)
{
    if (e->type() == QEvent::MouseMove) {
        over(panel);
        return true;
    }
    if (e->type() == QEvent::MouseButtonPress) {
        const auto *m = static_cast<QMouseEvent *>(e);
        if (m->button() == Qt::LeftButton)
            klick(panel, 0);
        else if (m->button() == Qt::RightButton)
            klick(panel, 1);
        return true;
    }
    return false;
}

void markeraPanel(QLabel *panel, bool markerad, const QColor &markeradFarg, const QColor &farg)
{
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, markerad ? markeradFarg : farg);
    pal.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(pal);
    panel->setFrameStyle(QFrame::Panel | (markerad ? QFrame::Sunken : QFrame::Raised));
    panel->setLineWidth(2);
}
