#pragma once
// The keyboard as the pupils know it from other desktop programs, in every
// window at once:
// - Enter presses the push button or tool button (an arrow) that has the
//   focus (the answer boxes and lists take their own Enter before it reaches
//   a button);
// - when a window closes, the window below it is activated, so that its
//   focused control takes the keys again without a click. Without a window
//   manager, or on a platform that leaves the choice to the program, nothing
//   would be active until the pupil clicks.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

class KeyboardFocus : public QObject
{
    Q_OBJECT
public:
    // Installs the one filter on the application; a second call does nothing.
    static void install();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    using QObject::QObject;

    void fonsterVisas(QWidget *fonster);
    void fonsterDolt(QWidget *fonster);
    static void aktiveraUnder(QWidget *under);

    struct Under
    {
        QPointer<QWidget> fonster;
        QPointer<QWidget> under; // the window that was active when fonster showed
    };
    QList<Under> m_under;
};
