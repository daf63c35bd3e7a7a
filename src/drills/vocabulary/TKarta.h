#pragma once
// The map page of the Germany menu: the map of the federal states, at a size
// chosen by the screen's width, and four facts about the country.

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QPushButton;

class TKarta : public QDialog
{
    Q_OBJECT
public:
    explicit TKarta(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *Image1 = nullptr;
    std::array<QLabel *, 4> KartLabel{}; // KartLabel1..KartLabel4
    QFrame *AvbrytPanel1 = nullptr;
    QPushButton *Button1 = nullptr;

    void FormCreate();
    void Button1Click();
};

// Creates the page, shows it modally and frees it.
void TKarta_Visa();
