#pragma once
// The level box of the exercises that step through levels: a yellow frame
// round a navy box with a caption ("Niveau" or "Nivå") and the level's
// number, whose size grows with each right answer in a row, and a bar that
// shows how far up the levels the pupil has come.

#include <QFrame>
#include <QRect>

class QLabel;
class QProgressBar;
class ShapeWidget;

class NivaRuta : public QFrame
{
    Q_OBJECT
public:
    // Where the number stands in the inner box.
    enum class Siffra {
        Nederkant,   // at its bottom edge, under the caption
        NedreHalvan, // centred in its lower half, the caption in the upper half
    };

    NivaRuta(const QString &rubrik, Siffra siffra, int skalning, QWidget *parent);

    ShapeWidget *NivYtterShape = nullptr;
    ShapeWidget *NivInnerShape = nullptr;
    QLabel *NivLabel1 = nullptr;
    QLabel *NivLabel2 = nullptr;
    QProgressBar *Gauge1 = nullptr;

    // Arranges the box: the inner box 6 pixels inside the frame, the bar 12
    // pixels right of it with the same top and height. Shows or hides it.
    void RitaNivRutan(bool visa);

    // The number shows the level; its size is 18, 24 or 30 points for a run
    // of 0, 1 or 2 right answers (other runs keep the size).
    void visaNiva(qint32 niva, qint32 rad);

    // The place of the outer box in the window: the worksheet title box
    // stands there in worksheet mode.
    QRect ytterYta() const;

    // The bar: Progress and MaxValue.
    void sattProgress(qint32 progress);
    void sattMaxValue(qint32 max);

private:
    void placeraSiffran();

    Siffra m_siffra;
};
