#pragma once
// Opens an exercise window as the menu does: the file is named and checked,
// the window is built, shown and made the active one.

#include "frame/datafiles.h"
#include "frame/vrsku1.h"

#include <QApplication>
#include <QString>

#include <memory>

// Opens window on file in run mode (0 practice, 1 worksheet …). The window is
// only replaced when the file can be used; then it is returned, else null.
template <class W>
W *openExercise(std::unique_ptr<W> &window, const QString &file, quint8 mode)
{
    DataFilNamn = file;
    OvningsLage = mode;
    if (!Kolla(file))
        return nullptr;
    window = std::make_unique<W>();
    window->FormCreate();
    window->show();
    QApplication::setActiveWindow(window.get());
    return window.get();
}
