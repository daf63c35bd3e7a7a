#pragma once
// A racing car seen from the side, drawn in its body colour: the cars of the
// sein race.

#include <QColor>
#include <QWidget>

class Bilbild : public QWidget
{
    Q_OBJECT
public:
    explicit Bilbild(const QColor &kaross, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor m_kaross;
};
