#pragma once
// The show routines of the windows the menus open, by window class name
// ("TSKRIV", "TRegList1" …). A window registers itself once its code exists;
// a menu button whose window is not registered is shown disabled.

#include <QString>
#include <QtGlobal>

#include <functional>

// A show routine without arguments (create, show modally, free).
void registreraFonster(const QString &klass, std::function<void()> visa);

// A show routine that takes a number (the spelling-list window: list 1 or 2).
void registreraFonster(const QString &klass, std::function<void(qint32)> visa);

void avregistreraFonster(const QString &klass);

bool harFonster(const QString &klass);

// Calls the window's show routine, handing argument to one that takes a
// number. False when the window is not registered.
bool visaFonster(const QString &klass, qint32 argument = 0);
