#include "platform/KeyboardFocus.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

// Windows the pupil works in; popups, tooltips and menus come and go on
// their own.
bool arFonster(const QObject *o)
{
    const auto *w = qobject_cast<const QWidget *>(o);
    if (!w || !w->isWindow())
        return false;
    const Qt::WindowType typ = w->windowType();
    return typ == Qt::Window || typ == Qt::Dialog;
}

bool arEnter(const QKeyEvent *k)
{
    return (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
           && (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

void KeyboardFocus::install()
{
    static QPointer<KeyboardFocus> filter;
    if (filter || !qApp)
        return;
    filter = new KeyboardFocus(qApp);
    qApp->installEventFilter(filter);
}

bool KeyboardFocus::eventFilter(QObject *o, QEvent *e)
{
    switch (e->type()) {
    case QEvent::KeyPress:
        if (auto *knapp = qobject_cast<QAbstractButton *>(o);
            knapp && (qobject_cast<QPushButton *>(o) || qobject_cast<QToolButton *>(o))) {
            const auto *k = static_cast<QKeyEvent *>(e);
            if (arEnter(k) && knapp->isVisible() && knapp->isEnabled()) {
                // A held key presses once: the key that answered the last
                // item must not run on into the end panel's button.
                if (!k->isAutoRepeat())
                    knapp->click();
                return true;
            }
        }
        break;
    case QEvent::Show:
        if (!e->spontaneous() && arFonster(o))
            fonsterVisas(static_cast<QWidget *>(o));
        break;
    case QEvent::Hide:
        if (!e->spontaneous() && arFonster(o))
            fonsterDolt(static_cast<QWidget *>(o));
        break;
    default:
        break;
    }
    return QObject::eventFilter(o, e);
}

void KeyboardFocus::fonsterVisas(QWidget *fonster)
{
    m_under.removeIf([fonster](const Under &u) { return !u.fonster || u.fonster == fonster; });
    QWidget *aktiv = QApplication::activeWindow();
    if (aktiv && aktiv != fonster)
        m_under.append(Under{fonster, aktiv});
}

void KeyboardFocus::fonsterDolt(QWidget *fonster)
{
    QPointer<QWidget> under;
    for (const Under &u : std::as_const(m_under))
        if (u.fonster == fonster)
            under = u.under;
    m_under.removeIf([fonster](const Under &u) { return !u.fonster || u.fonster == fonster; });
    // Once the window is gone and the code that closed it has run (it may
    // move the focus in the window below, or open another window).
    QTimer::singleShot(0, this, [under] { aktiveraUnder(under); });
}

void KeyboardFocus::aktiveraUnder(QWidget *under)
{
    if (const QWidget *aktiv = QApplication::activeWindow(); aktiv && aktiv->isVisible())
        return; // a window has the keys already
    // The topmost modal window is the only one that may take the keys;
    // without one, the window that was active when the closed one opened.
    QWidget *mal = QApplication::activeModalWidget();
    if (!mal)
        mal = under;
    if (!mal || !mal->isVisible())
        return;
    mal->activateWindow();
}
