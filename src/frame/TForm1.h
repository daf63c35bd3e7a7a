#pragma once
// The main window: the program's first and last screen.

#include <QWidget>

class TForm1 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);

private:
    void FormCreate();
};
