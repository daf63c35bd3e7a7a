#pragma once
// Looks at an open window as a pupil sees it: every visible widget lies on
// the screen and inside its parent, every caption fits the box it is drawn
// in and is not covered by a widget drawn over it, a table shows all its
// columns, and a disabled button does not look like an enabled one.

#include <QSet>
#include <QString>
#include <QStringList>

class QWidget;

class FitCheck
{
public:
    // Checks window (and every other visible top-level window over it, such
    // as the printing window shown beside an exercise) in the state named
    // state; each fault found is added to faults() as "window, state:
    // widget: what".
    void check(QWidget *window, const QString &state);

    const QStringList &faults() const { return m_faults; }
    void clearFaults()
    {
        m_faults.clear();
        m_told.clear();
    }

    // How many distinct windows (by object name and run mode) and window
    // states were checked.
    int windows() const { return int(m_windows.size()); }
    int states() const { return m_states; }
    void noteWindow(const QString &name) { m_windows.insert(name); }

    // Where png pictures of every state checked go (empty: none).
    void setShotDirectory(const QString &dir) { m_shots = dir; }

private:
    void checkOne(QWidget *window, const QString &state);
    void fault(const QString &where, const QString &what);

    QStringList m_faults;
    QSet<QString> m_told;
    QSet<QString> m_windows;
    int m_states = 0;
    QString m_shots;
    QString m_window;
    QString m_state;
};
