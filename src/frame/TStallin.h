#pragma once
// The settings dialog: how many seconds the right answer stays shown after a
// wrong answer. Opening it also switches the reward pictures on.

#include <QDialog>

class QLabel;
class QPushButton;
class QToolButton;

class TStallin : public QDialog
{
    Q_OBJECT
public:
    explicit TStallin(QWidget *parent = nullptr);

    QLabel *TidLabel = nullptr;
    QToolButton *SpinUpp = nullptr;
    QToolButton *SpinNed = nullptr;
    QPushButton *SparaButton = nullptr;
    QPushButton *AvbrytButton = nullptr;

    void SpinButton1UpClick();
    void SpinButton1DownClick();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    // Up and Down change the value; true when the key was one of them.
    bool pil(const QKeyEvent *e);
};

void TStallin_Visa();
