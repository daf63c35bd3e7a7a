#pragma once
// The horoscope: the pupil picks a zodiac sign from the list or on the
// picture and reads a German horoscope of seven lines drawn at random from
// the sign's part of VRS62000.DAT and its three closing lines; the words of
// VRS62000.ORD can be opened beside it and the text printed.

#include "drills/vocabulary/horoskop.h"

#include <QDialog>

class QFrame;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class ShapeWidget;
class Zodiakbild;

class Thoroskop : public QDialog
{
    Q_OBJECT
public:
    explicit Thoroskop(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr; // "HOROSKOP"
    QLabel *Label2 = nullptr; // the sign's symbol, left
    QLabel *Label3 = nullptr; // and right
    QWidget *Bildyta = nullptr; // the picture with its marker and list
    Zodiakbild *Image1 = nullptr;
    ShapeWidget *hrut = nullptr;
    QListWidget *ListBox3 = nullptr;
    QPushButton *Button4 = nullptr; // "&Abbrechen": closes the window
    QFrame *Panel1 = nullptr; // the text
    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *Button3 = nullptr; // "&Vokabeln"
    QPushButton *BitBtn1 = nullptr; // "&Drucken"
    QPushButton *Button1 = nullptr; // "&Abbrechen": back to the signs
    QFrame *ordlista = nullptr; // the vocabulary
    QPlainTextEdit *Memo2 = nullptr;
    QPushButton *Button2 = nullptr; // "&Abbrechen": closes the vocabulary
    QLabel *Testlabel = nullptr;
    QLabel *TestLabel2 = nullptr;

    void FormCreate();
    void FormShow();
    void ListBox3Click();
    void ListBox3DblClick();
    void ListBox3KeyPress();
    void Image1MouseDown(int x, int y);
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void BitBtn1Click();
    void StjLista();
    void Horoscoptext();
    // False after a message when the vocabulary file can't be read.
    bool MemoOrdLista();

    double MellanslagBredd() const { return m_MellanslagBredd; }
    const HoroSlumpTabell &HoroSlump() const { return m_HoroSlump; }

protected:
    void showEvent(QShowEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    // Widths in fractions of a pixel, as the lists lay their text out, so
    // that padding with blanks reaches the column it aims at.
    double bredd(const QLabel *l, const QString &text) const;

    double m_MellanslagBredd = 1;
    HoroSlumpTabell m_HoroSlump{};
};

// Creates the window, shows it modally and frees it.
void Thoroskop_Visa();
