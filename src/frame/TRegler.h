#pragma once
// The rule page of the current program number, opened by the rules buttons
// of the exercise windows and by "Nya regler".

#include <QDialog>

class QLabel;
class QPushButton;
class QTextBrowser;
class QWidget;

class TRegler : public QDialog
{
    Q_OBJECT
public:
    explicit TRegler(QWidget *parent = nullptr);

    QWidget *Panel1 = nullptr;
    QLabel *Image1 = nullptr;
    QTextBrowser *WebBrowser1 = nullptr;
    QPushButton *Button1 = nullptr;

    // Chooses the page for Programtal, loads it and lays out the window.
    void Webregel();
};

// Shows the rule page of Programtal, which the caller has set.
void TRegler_Visa();
