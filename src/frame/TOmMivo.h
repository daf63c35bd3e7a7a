#pragma once
// The about box: title and version, credits, the maker, and on request a
// panel of the maker's other programs.

#include <QDialog>
#include <QList>

class QFrame;
class QLabel;
class QPushButton;

class TOmMivo : public QDialog
{
    Q_OBJECT
public:
    explicit TOmMivo(QWidget *parent = nullptr);

    QLabel *Image1 = nullptr; // the background picture
    QLabel *Image2 = nullptr; // the logo that shows the product panel
    QLabel *Image4 = nullptr;
    QLabel *Image5 = nullptr;
    QLabel *Image6 = nullptr;
    QLabel *Label1 = nullptr;
    QFrame *Panel1 = nullptr;
    QPushButton *Button1 = nullptr;

    void FormCreate();
    void Button1Click();
    void Image1Click();
    void Image2Click();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    quint8 m_panelVisas = 0;
};

void TOmMivo_Visa();
