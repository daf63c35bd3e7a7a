#pragma once
// The mouse on the option panels of the choice windows, and the panel it
// marks. The windows number
// their panels from 2: entry k of a panel table is panel k + 1, as
// PanelMouseMove(panel) and RaettTest(panel, knapp) take it.

#include "frame/vrsku1.h"

#include <QLabel>

#include <array>
#include <cstddef>
#include <functional>

class QColor;
class QEvent;
class QObject;

// The panel number of o in paneler[1..], 0 when it is none of them.
template <std::size_t N>
int panelNummer(const QObject *o, const std::array<QLabel *, N> &paneler)
{
    for (std::size_t k = 1; k < N; ++k)
        if (o == paneler[k])
            return int(k) + 1;
    return 0;
}

// Moving over panel: over(panel); a press: klick(panel, 0) for the left
// button, klick(panel, 1) for the right one, nothing for another. True when
// e was a move or a press.
bool panelMus(QEvent *e, int panel, const std::function<void(int)> &over,
              const std::function<void(int, int)> &klick);

// An option panel marked (yellow and sunk, as the mouse over it shows) or
// not (raised in the panels' own colour), with black letters.
void markeraPanel(QLabel *panel, bool markerad, const QColor &markeradFarg, const QColor &farg);
