#pragma once
// The word bank of the story puzzle: a list whose words are dragged off as
// soon as the left button goes down on one.

#include <QListWidget>

class Ordbank : public QListWidget
{
    Q_OBJECT
public:
    explicit Ordbank(QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dropEvent(QDropEvent *e) override;
};
