#pragma once
// The anthem page of the Germany menu: the third verse of "Das Lied der
// Deutschen" drawn on the page, a note on its history, and a button that
// plays the melody.

#include <QDialog>
#include <QStringList>
#include <array>

class QFrame;
class QLabel;
class QPushButton;

class THymn : public QDialog
{
    Q_OBJECT
public:
    explicit THymn(QWidget *parent = nullptr);

    QLabel *Image1 = nullptr; // the canvas the verse is drawn on
    QLabel *Label1 = nullptr;
    // KompLabel1, KompLabel2, KompLabel3, Komplabel4, KompLabel5, KompLabel6
    std::array<QLabel *, 6> KompLabel{};
    QLabel *Label2 = nullptr; // hidden: sets the line step
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *TestLabel = nullptr; // hidden: measures the lines
    QFrame *AvbrytPanel1 = nullptr;
    QPushButton *Button1 = nullptr; // "&Avbryt"
    QFrame *SpelaPanel1 = nullptr;
    QPushButton *Button2 = nullptr; // "&Spela upp"
    QPushButton *Button3 = nullptr; // "A&vbryt Uppspelning"

    void FormCreate();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void NationalHymn();
    void SkrivHymnen();

    const QStringList &HymnRader() const { return m_HymnRader; }
    bool HymnSpelas() const { return m_HymnSpelas == 1; }
    int HymnTopp() const { return m_HymnTopp; }
    int HymnRadsteg() const { return m_HymnRadsteg; }
    // Where line k (1..12) of the verse was drawn, its left edge and top.
    QPoint radPlats(int k) const;

public slots:
    void reject() override;

private:
    QStringList m_HymnRader;
    quint8 m_HymnSpelas = 0;
    int m_HymnTopp = 0;
    int m_HymnRadsteg = 0;
    int m_HymnX = 0;
};

// Creates the page, shows it modally and frees it.
void THymn_Visa();
