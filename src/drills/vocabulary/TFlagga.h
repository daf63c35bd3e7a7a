#pragma once
// The flag page of the Germany menu: the black, red and gold flag and four
// lines of its history.

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QPushButton;

class TFlagga : public QDialog
{
    Q_OBJECT
public:
    explicit TFlagga(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *Image1 = nullptr;
    // FlagLabel1, Flaglabel2, Flaglabel3, FlagLabel4
    std::array<QLabel *, 4> FlagLabel{};
    QFrame *AvbrytPanel1 = nullptr;
    QPushButton *Button1 = nullptr;

    void FormCreate();
    void Button1Click();
};

// Creates the page, shows it modally and frees it.
void TFlagga_Visa();
