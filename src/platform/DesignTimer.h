#pragma once
// A timer with two switches: it ticks only while it is enabled
// and its interval is above 0. (A QTimer with interval 0 would fire on every
// pass of the event loop; here interval 0 means stopped.)

#include <QObject>
#include <QTimer>

class DesignTimer : public QObject
{
    Q_OBJECT
public:
    explicit DesignTimer(QObject *parent = nullptr, int interval = 0, bool enabled = true);

    void setInterval(int ms);
    void setEnabled(bool on);
    int interval() const { return m_interval; }
    bool enabled() const { return m_enabled; }
    bool running() const { return m_timer.isActive(); }

signals:
    void timeout();

private:
    void update();

    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = true;
};
