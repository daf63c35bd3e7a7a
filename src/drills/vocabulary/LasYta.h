#pragma once
// The silver sheet the reading text is written on. Words are written in
// black at pixel positions and erased again by painting their place in the
// sheet's own colour, so the text vanishes word by word where it stands.

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

class LasYta : public QWidget
{
    Q_OBJECT
public:
    explicit LasYta(QWidget *parent = nullptr);

    static QColor silver() { return QColor(192, 192, 192); }

    // Empties the sheet.
    void rensa();
    // Writes text in black with its top-left corner at (x, y).
    void skriv(int x, int y, const QString &text);
    // Erases text written from (x, y): its place takes the sheet's colour.
    void sudda(int x, int y, const QString &text);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    struct Text
    {
        QPoint plats;
        QString text;
    };
    QList<Text> m_texter;
    QList<QRect> m_suddat;
};
