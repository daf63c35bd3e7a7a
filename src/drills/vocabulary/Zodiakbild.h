#pragma once
// The zodiac picture of the horoscope window: the twelve signs round the
// edge of a 772 x 600 night sky, each in the place where the window's marker
// frames it. A press reports its point in picture pixels.

#include <QWidget>

class Zodiakbild : public QWidget
{
    Q_OBJECT
public:
    explicit Zodiakbild(QWidget *parent = nullptr);

    static constexpr int Bredd = 772;
    static constexpr int Hojd = 600;
    static constexpr int RutBredd = 136;
    static constexpr int RutHojd = 126;

signals:
    void MouseDown(int x, int y);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
};
