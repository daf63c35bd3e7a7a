#pragma once
// The program's manual: the text of VRSKMAN.TXT on screen, printed whole or
// as the part selected.

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace Printing {
class Sheet;
}

class TManual : public QDialog
{
    Q_OBJECT
public:
    explicit TManual(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QPlainTextEdit *Memo2 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Regelknapp = nullptr;

    // False when the manual could not be read; the window is then closed.
    bool isOpen() const { return m_oppen; }
    // The lines of the manual as shown, each indented by two blanks.
    const QStringList &rader() const { return m_rader; }

    void FormCreate();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void RegelknappClick();

    // The page number at the top right of a page.
    static void SkrivSidNr(Printing::Sheet &s, int sida);

    int exec() override;

protected:
    void keyPressEvent(QKeyEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    // Prints the lines from forstaY millimetres down; nothing for no lines.
    void skrivUt(const QStringList &rader, int forstaY);

    QStringList m_rader;
    bool m_oppen = false;
};

void TManual_Visa();
