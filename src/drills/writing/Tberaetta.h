#pragma once
// Story writing: the pupil browses story beginnings of three lines each,
// picks one, goes on writing the story line by line in German, and can print
// it. No answer is checked and nothing is counted.

#include <QDialog>
#include <QStringList>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

class Tberaetta : public QDialog
{
    Q_OBJECT
public:
    explicit Tberaetta(QWidget *parent = nullptr);

    // Reads the story file DataFilNamn. False, after the message
    // "Filen <name> finns inte eller är felaktig", when it cannot be read:
    // the window is then not to be shown.
    bool FormCreate();

    // Components, each with its field's name as its object name.
    QFrame *Panel1 = nullptr; // red frame of the story panel
    QFrame *Panel2 = nullptr; // the lines on show
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Panel3 = nullptr; // heading
    QFrame *Panel4 = nullptr; // browsing and choosing
    QToolButton *SpeedButton1 = nullptr; // next story
    QToolButton *SpeedButton2 = nullptr; // previous story
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr; // story counter
    QPushButton *Button1 = nullptr;
    QPushButton *BitBtn1 = nullptr; // "OK"
    QLabel *Panel8 = nullptr;       // hint
    QFrame *Panel5 = nullptr;       // instructions while writing
    QLineEdit *Edit1 = nullptr;
    QFrame *Panel6 = nullptr; // the finished story
    QLabel *Panel7 = nullptr;
    QPlainTextEdit *Memo2 = nullptr;
    QPushButton *BitBtn2 = nullptr; // "&Drucken"
    QPushButton *Button2 = nullptr; // "&Neue Geschichte"
    QPushButton *Button3 = nullptr;

    // The lines of the story file without its "#" lines, followed by the
    // number of stories.
    const QStringList &Memo1() const { return m_rader; }
    int antalBerattelser() const { return m_antal; }
    int berattelse() const { return m_nummer; }

    // Event handlers.
    void SpeedButton1Click();
    void SpeedButton2Click();
    void BitBtn1Click();
    void Edit1Enter();
    void Button2Click();
    void BitBtn2Click();

    // The lines of Memo2, as they are printed.
    QStringList berattelsensRader() const;

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void byggKomponenter();
    void lagUt();
    void bladdra(int steg, bool medTangent);
    void visaBorjan();
    QString rad(int index) const;

    QStringList m_rader;
    int m_antal = 0;
    int m_nummer = 1;
};

// Creates the window, shows it modally and frees it.
void Tberaetta_Visa();
