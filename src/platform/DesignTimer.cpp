#include "platform/DesignTimer.h"

DesignTimer::DesignTimer(QObject *parent, int interval, bool enabled)
    : QObject(parent)
    , m_interval(interval)
    , m_enabled(enabled)
{
    connect(&m_timer, &QTimer::timeout, this, &DesignTimer::timeout);
    update();
}

void DesignTimer::setInterval(int ms)
{
    m_interval = ms;
    update();
}

void DesignTimer::setEnabled(bool on)
{
    m_enabled = on;
    update();
}

void DesignTimer::update()
{
    if (m_enabled && m_interval > 0) {
        if (!m_timer.isActive() || m_timer.interval() != m_interval)
            m_timer.start(m_interval);
    } else {
        m_timer.stop();
    }
}
