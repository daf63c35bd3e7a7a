#pragma once
// The platform style, with the buttons' bevels drawn through one palette
// object for each look.
//
// The style keeps pictures of the bevels it draws, keyed by the palette
// object of each button; every button on a coloured panel has a palette
// object of its own, so the style drew every bevel afresh, antialiased, each
// time a window opened, and kept a picture of it that was never used again.
// Drawn with one palette object for all the buttons whose palettes are
// equal, one kept picture serves all the buttons that look alike.
//
// The focused push button carries a focus frame from the moment it has the
// focus: the platform style draws one only after the focus was moved with
// Tab, and the pupils press Enter on the button that the window focused.
// A focused tool button (an arrow, the lamp button) carries a dotted frame
// the same way.

#include <QPalette>
#include <QProxyStyle>

#include <vector>

class ButtonCacheStyle : public QProxyStyle
{
    Q_OBJECT
public:
    explicit ButtonCacheStyle(QStyle *base = nullptr);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;

private:
    // The palette object that stands for all palettes equal to p.
    const QPalette &likadan(const QPalette &p) const;

    mutable std::vector<QPalette> m_paletter;
};
