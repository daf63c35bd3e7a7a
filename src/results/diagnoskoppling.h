#pragma once
// What an exercise window tells the diagnosis protocol that started it. The
// protocol window installs these while it is open; without it they do
// nothing.

#include <QString>

#include <functional>

struct Diagnoskoppling
{
    std::function<void(bool)> aktiveraProtokollet;             // enable or disable the protocol window
    std::function<void(int rad, const QString &text)> skrivStatus; // a status cell of the protocol
    std::function<void()> doljPanel2;                          // hide the protocol's panel 2
};

Diagnoskoppling &diagnoskoppling();

// Convenience calls that do nothing when no protocol is open.
void aktiveraProtokollet();
void skrivProtokollStatus(int rad, const QString &text);
void doljProtokollPanel2();
