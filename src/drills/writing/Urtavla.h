#pragma once
// The analogue clock of the telling-the-time exercise: a dial with the
// numerals 1 to 12, a blue hour hand with a lime dot and a red minute hand
// drawn over it. Item n of the exercise's data file shows (n - 1) div 12
// o'clock (0 as twelve) and 5 x ((n - 1) mod 12) minutes.

#include <QPoint>
#include <QWidget>

class Urtavla : public QWidget
{
    Q_OBJECT
public:
    explicit Urtavla(QWidget *parent = nullptr);

    // Angles of the hands in degrees, clockwise from twelve o'clock.
    struct Visare
    {
        int timme = 0;
        int minut = 0;
    };
    static Visare visarvinklar(int post);

    // The point at angle a (degrees; 90 is straight above the centre, 180 to
    // its right) and length L from the centre of the dial.
    QPoint punkt(int a, int L) const;

    // Radius of the dial and length of the hour hand.
    int radie() const { return width() * 9 / 24; }
    int timvisarlangd() const { return (radie() / 12) * 9; }

    int post() const { return m_post; }
    void setPost(int post);

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    int m_post = 1;
};
