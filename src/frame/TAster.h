#pragma once
// The score squares beside an exercise: a column of squares, one per item of
// the round, filled from the bottom up. A right item shows a star of coloured
// triangles, a wrong one a white square, an item still to come the
// background colour.

#include <QBrush>
#include <QColor>
#include <QList>
#include <QPen>
#include <QRandomGenerator>
#include <QWidget>

#include <array>

class QPainter;

class TAster : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int MaxAntalRutor READ maxAntalRutor WRITE setMaxAntalRutor)
    Q_PROPERTY(int RutNummer READ rutNummer WRITE setRutNummer)
    Q_PROPERTY(bool Ratt READ ratt WRITE setRatt)
    Q_PROPERTY(bool Starta READ starta WRITE setStarta)
    Q_PROPERTY(bool Visa READ visa WRITE setVisa)
    Q_PROPERTY(QColor AsterColor READ asterColor WRITE setAsterColor)
    Q_PROPERTY(QBrush Brush READ brush WRITE setBrush)
    Q_PROPERTY(QPen Pen READ pen WRITE setPen)

public:
    static constexpr int MaxRutor = 10;

    explicit TAster(QWidget *parent = nullptr);

    // The side of one square in pixels for a screen of this height.
    static int AsterRutStorlek(int skarmHojd);
    int rutStorlek() const { return m_rutStorlek; }

    // Squares of the round (items per round), at most 10.
    int maxAntalRutor() const { return m_maxAntalRutor; }
    void setMaxAntalRutor(int antal);

    // Squares answered so far, at most MaxAntalRutor. After a complete round
    // the first lower value begins a new one with all squares right again.
    int rutNummer() const { return m_rutNummer; }
    void setRutNummer(int nummer);

    // Writing false marks square RutNummer as wrong; writing true does nothing.
    bool ratt() const { return m_rattFlaggor[m_rutNummer] == 1; }
    void setRatt(bool ratt);

    // Writing true marks every square right again; every write draws new colours.
    bool starta() const { return m_starta; }
    void setStarta(bool starta);

    bool visa() const { return m_visa; }
    void setVisa(bool visa);

    QColor asterColor() const { return m_asterColor; }
    void setAsterColor(const QColor &farg);

    QBrush brush() const { return m_brush; }
    void setBrush(const QBrush &brush);
    QPen pen() const { return m_pen; }
    void setPen(const QPen &pen);

    // Square 1..10 (1 the lowest): 1 right, 0 wrong.
    quint8 rattFlagga(int ruta) const;
    // The answered squares that show white, lowest first.
    QList<int> vitaRutor() const;

    // The colours and the angle step of a square's star.
    struct Stjarna
    {
        QColor penna;
        int steg = 0;
        QColor fyllning1;
        QColor fyllning2;
    };
    Stjarna stjarna(int ruta) const;

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void BlandaFarger();
    void allaRatt();
    void ritaStjarna(QPainter &p, int ruta, int y) const;

    using Index = std::array<int, MaxRutor + 1>; // squares 0..10

    int m_rutStorlek = 38;
    int m_maxAntalRutor = MaxRutor;
    int m_rutNummer = 0;
    bool m_starta = true;
    bool m_visa = true;
    QColor m_asterColor{0xF0, 0xF0, 0xF0};
    QBrush m_brush{Qt::white};
    QPen m_pen{Qt::black};
    std::array<quint8, MaxRutor + 1> m_rattFlaggor{};
    Index m_pennIndex{};
    Index m_stegIndex{};
    Index m_fyllIndex1{};
    Index m_fyllIndex2{};
    // The squares' own colours never take numbers from the program's
    // generator, so they do not change the order of the items.
    QRandomGenerator m_slump{QRandomGenerator::global()->generate()};
};
