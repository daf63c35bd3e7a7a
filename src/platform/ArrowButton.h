#pragma once
// One half of a spin button: a push button with an arrow up or down that
// fills the middle of its face, drawn dark on the light face so that it can
// be seen at every size (the style's own arrow is a few pixels of grey).
// A disabled button greys its arrow.

#include <QToolButton>

class ArrowButton : public QToolButton
{
    Q_OBJECT
public:
    explicit ArrowButton(Qt::ArrowType riktning, QWidget *parent = nullptr);

    Qt::ArrowType riktning() const { return m_riktning; }
    // The triangle drawn, in the button's own pixels.
    QPolygon pil() const;

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    Qt::ArrowType m_riktning;
};
