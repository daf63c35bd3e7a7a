#pragma once
// A drawn shape (rectangle, rounded rectangle or circle) with a brush and a
// pen colour, as the windows use for title boxes, badges and the lamp.

#include <QColor>
#include <QWidget>

class ShapeWidget : public QWidget
{
    Q_OBJECT
public:
    enum class Form { Rectangle, RoundRect, Circle };

    explicit ShapeWidget(Form form, QWidget *parent = nullptr);

    void setBrushColor(const QColor &c);
    QColor brushColor() const { return m_brush; }
    void setPenColor(const QColor &c);
    void setBrushStyle(Qt::BrushStyle s);
    void setPenStyle(Qt::PenStyle s, int width = 1);

    // How far in from the shape's side its outline runs at depth pixels in
    // from the top or bottom: 0 along a straight side, more in a rounded
    // corner. A box laid on the shape that far in stays inside it.
    int indrag(int djup) const;

signals:
    void mousePressed();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *) override;

private:
    Form m_form;
    QColor m_brush = Qt::white;
    QColor m_pen = Qt::black;
    Qt::BrushStyle m_style = Qt::SolidPattern;
    Qt::PenStyle m_penStyle = Qt::SolidLine;
    int m_penWidth = 1;
};

// A colour from a hexadecimal number in blue-green-red order (0x0000FF is
// red), the order in which the program writes its colours.
QColor bgrFarg(quint32 bgr);
