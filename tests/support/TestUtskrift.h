#pragma once
// A fresh printing window that stands in as the program's Utskrift while it
// lives, its sheet empty.

#include "results/TUtskrift.h"

class TestUtskrift
{
public:
    TestUtskrift()
    {
        Utskrift = &m_fonster;
        Utskrift->TomArbetsbladet();
    }
    ~TestUtskrift() { Utskrift = nullptr; }
    TestUtskrift(const TestUtskrift &) = delete;
    TestUtskrift &operator=(const TestUtskrift &) = delete;

private:
    TUtskrift m_fonster;
};
