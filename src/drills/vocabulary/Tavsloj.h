#pragma once
// Reveal the story ("Rätsel lösen"): a short German story of VRS63000.DAT
// shown with every word masked by stars, which the pupil uncovers by dragging
// words of the word bank onto their places or by typing words of the story.

#include "drills/vocabulary/Avslojning.h"

#include <QDialog>
#include <array>

class Ordbank;
class Ordruta;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

class Tavsloj : public QDialog
{
    Q_OBJECT
public:
    explicit Tavsloj(QWidget *parent = nullptr);

    QFrame *Panel4 = nullptr; // the choice
    QLabel *Label52 = nullptr;
    QListWidget *ListBox2 = nullptr; // the story numbers
    QGroupBox *GroupBox1 = nullptr;
    QRadioButton *RadioButton1 = nullptr; // drag the words
    QRadioButton *RadioButton2 = nullptr; // type the words
    QPushButton *Button2 = nullptr; // "&Abbrechen"
    QFrame *Panel1 = nullptr; // the story
    std::array<QLabel *, Avslojning::Rader + 1> namn{};        // namn1..namn7
    std::array<Ordruta *, Avslojning::Platser + 1> Label{};    // Label1..Label49
    Ordbank *ListBox1 = nullptr; // the word bank
    QFrame *Panel7 = nullptr; // the guess
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button1 = nullptr; // "Die Geschichte &sehen"
    QFrame *Statistik = nullptr;
    QLabel *Panel5 = nullptr; // right answers
    QLabel *Panel6 = nullptr; // solved words
    QLabel *Panel8 = nullptr; // tries
    QLabel *status = nullptr;

    void FormShow();
    void ListBox2DblClick();
    void utruta(int k, const QString &ord);
    void Edit1KeyPress();
    void Button1Click();
    void Button2Click();
    void Resett();
    void letastorys();
    void Getwords();
    void VisaStory();
    void HideStory();
    void Textkoll();
    void UpdateInfo();
    void OrdnaLabels();

    const Avslojning &pussel() const { return m_pussel; }

protected:
    void showEvent(QShowEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    QStringList lasFilen(bool *ok = nullptr) const;
    void visaPlats(int p, const QString &text);
    void fyllBanken();
    void escape();

    Avslojning m_pussel;
    bool m_valjer = true; // the choice of a text is up (Panel4)
};

// Creates the window, shows it modally and frees it.
void Tavsloj_Visa();
