#pragma once
// The platform style, with the buttons' bevels kept as pictures keyed by
// what they look like.
//
// The style keeps such pictures itself, but keyed by the palette object of
// each button; every button on a coloured panel has a palette object of its
// own, so the style drew every bevel afresh, antialiased, each time a window
// opened. Keyed by size, state and colours instead, one picture serves all
// the buttons that look alike.

#include <QProxyStyle>

class ButtonCacheStyle : public QProxyStyle
{
    Q_OBJECT
public:
    explicit ButtonCacheStyle(QStyle *base = nullptr);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};
