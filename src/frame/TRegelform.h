#pragma once
// The rule page opened from the manual, for a given program number.

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTextBrowser;
class QWidget;

// The page name last chosen by this viewer.
extern QString RegelformSida;

class TRegelform : public QDialog
{
    Q_OBJECT
public:
    explicit TRegelform(QWidget *parent = nullptr);

    QWidget *Panel1 = nullptr;
    QLabel *Image1 = nullptr;
    QTextBrowser *WebBrowser1 = nullptr;
    QPushButton *Button1 = nullptr;

    // Chooses the page for Programtal, loads it and lays out the window.
    void Webregel();

protected:
    void keyPressEvent(QKeyEvent *e) override;
};

// Programtal := programtal, then shows its rule page.
void TRegelform_Visa(quint16 programtal);
