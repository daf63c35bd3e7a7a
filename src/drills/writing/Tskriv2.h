#pragma once
// The two-answer exercise: the pupil sees a word with its Swedish meaning and
// types two German forms of it (the comparative and the superlative), each in
// its own box, one after the other. An item is right when both are. The rest
// is the typed-answer window's: run modes, score squares, diagnosis strip,
// error rounds, end panel, reward picture and praise.

#include "drills/writing/TSKRIV.h"

class Tskriv2 : public TSKRIV
{
    Q_OBJECT
public:
    explicit Tskriv2(QWidget *parent = nullptr);

    // Window fields besides the template's.
    quint8 SvarsSteg = 0;          // 1 from the first answer until the second
    bool ForstaSvaretRatt = false; // the first answer of the item was right

    // Components of this window. Some are the template's under the names
    // this window gives them.
    QLabel *SvenskaLabel = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLabel *SvarsLabel1 = nullptr; // Label5
    QLabel *SvarsLabel2 = nullptr;
    ShapeWidget *SkiljeShape1 = nullptr;
    ShapeWidget *SkiljeShape2 = nullptr;
    ShapeWidget *LampShape1 = nullptr; // LampShape
    ShapeWidget *LampShape2 = nullptr;
    QToolButton *Lampknapp = nullptr;  // lampknapp
    QPushButton *Regelknapp = nullptr; // regelknapp
    QPushButton *Button4 = nullptr;    // BitBtn1

    // Event handlers. The key handlers return true when they took the key.
    bool Edit1KeyPress(int key);
    bool Edit2KeyPress(int key);
    void Timer1Timer() override;
    void KollaEdit1();
    void KollaEdit2();
    void LampknappClick() override;
    void LampShape1MouseDown();

protected:
    void Edit1Change() override;    // KollaEdit1
    void LampShapeMouseDown() override; // LampShape1MouseDown
    void visaRattelse() override;
    void raknaLedtradar() override;
    bool harRegelknapp() const override;
    void visaFragan() override;
    void efterSkapandet() override;
    void aktiveraSvar() override;
    // Worksheet: the word on one or two lines, then the writing line on the
    // sheet and both forms with the Swedish word in the key; the section
    // carries no instruction line.
    QList<TUtskrift::Rad> arbetsbladUppgift(const QString &prefix, bool franKlart) override;
    QList<TUtskrift::Rad> arbetsbladAvsnitt() override;

    bool eventFilter(QObject *o, QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    bool m_andraSvaretRatt = false;
    void forstaSvaret();
    void andraSvaret();
    void placeraLampor();
    bool lampanKollar() const;
};

// Creates the window, shows it modally and frees it.
void Tskriv2_Visa();
