#pragma once
// Acts on a modal window from the event loop it runs, so that it never
// waits for a person.

#include <QApplication>
#include <QTimer>
#include <QWidget>

// Closes the modal window that is active once the event loop runs, if there
// is one; *opened (when given) is set when there was.
inline void closeNextModal(bool *opened = nullptr)
{
    QTimer::singleShot(0, [opened] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            if (opened)
                *opened = true;
            modal->close();
        }
    });
}
