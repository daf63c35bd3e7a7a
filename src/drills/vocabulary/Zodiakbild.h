#pragma once
// The zodiac picture of the horoscope window: the twelve signs round the
// edge of a 772 x 600 picture, each in the place where the window's marker
// frames it, drawn over the night sky that the window paints behind it. A
// press reports its point in picture pixels.

#include <QWidget>

class QPainter;

class Zodiakbild : public QWidget
{
    Q_OBJECT
public:
    explicit Zodiakbild(QWidget *parent = nullptr);

    static constexpr int Bredd = 772;
    static constexpr int Hojd = 600;
    static constexpr int RutBredd = 136;
    static constexpr int RutHojd = 126;

    // The night sky over yta: dark blue, lightest round mitt, with stars of
    // its own, the same every time it is drawn.
    static void ritaHimmel(QPainter &p, const QRect &yta, QPointF mitt);

signals:
    void MouseDown(int x, int y);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
};
