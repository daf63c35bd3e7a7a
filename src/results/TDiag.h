#pragma once
// The diagnosis register dialog: a pupil picks his or her name from the
// register or enters a new one, gives the password when the record has one,
// and gets the diagnosis protocol. The name "LÄRARE" with the teacher's
// password opens the teacher panel: archive the register, delete single
// pupils with or without their password, help, and (the key "Ä" on "Info")
// a new teacher password. Pupil screens speak German, the teacher's Swedish.
// A pupil whose protocol another program has open is told so before the
// protocol opens here too.

#include <QDialog>
#include <QRect>

#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The password of the pupil chosen in the list (at most 10 characters).
extern QString ElevLosen;
// The teacher's delete choice: 0 none, 2 with the pupil's password, 3 without.
extern quint8 RaderaTyp;

// Shows the diagnosis protocol of AktivDiagnos modally. The protocol window
// installs its show routine here; until one is installed, choosing a pupil
// only loads the record into AktivDiagnos. An empty function removes it.
void setShowProtocol(std::function<void()> show);

class TDiag : public QDialog
{
    Q_OBJECT
public:
    explicit TDiag(QWidget *parent = nullptr);

    QFrame *Panel1 = nullptr; // outer panel
    QFrame *Panel2 = nullptr; // inner panel
    QLabel *OverskriftLabel = nullptr;
    QLabel *FelLosenLabel = nullptr;
    QLabel *SkrivLosenLabel = nullptr;
    QLabel *SkrivDittNamnLabel = nullptr;
    QLabel *ListOverskriftLabel = nullptr;
    QListWidget *ListBox1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *NyAnvandareButton = nullptr;
    QPushButton *AvbrytButton = nullptr;
    QLineEdit *MaskEdit1 = nullptr;
    QFrame *Panel3 = nullptr; // the teacher panel
    QLabel *LararLabel = nullptr;
    QPushButton *Button1 = nullptr; // "Ta bort alla diagnoser"
    QPushButton *Button3 = nullptr; // "Ta bort enstaka med lösen"
    QPushButton *Button4 = nullptr; // "Ta bort enstaka utan lösen"
    QPushButton *Button2 = nullptr; // "Info"
    QFrame *Regelpanel = nullptr;   // the help panel
    QLabel *RegelRubrik = nullptr;
    QLabel *RegelText = nullptr;
    QPushButton *Button5 = nullptr; // "Stäng"

    // Wrong passwords given since the dialog opened (pupil and teacher).
    int felaktigaLosen() const { return m_felAntal; }

    void VisaListbox();

    // Event handlers.
    void ListBox1Enter();
    void ListBox1DblClick(QListWidgetItem *item);
    void ListBox1Radera();
    void NyAnvandareButtonClick();
    void Edit1Enter();
    void MaskEdit1Enter();
    void AvbrytButtonClick();
    void Button1Click();
    void Button2Click();
    void Button2Ae(); // "Ä" while "Info" has the focus
    void Button3Click();
    void Button4Click();
    void Button5Click();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void reject() override;

private:
    void FormCreate();
    void byggKomponenter();
    void placera();
    void valjNamn(bool dubbelklick);
    void fragaLosen();
    void felLosen();
    void visaLararPanel();
    void visaProtokollet(bool nyElev);
    QListWidgetItem *valdPost() const;
    // A line over the entries: its text, fitted into the right column.
    void skrivRad(QLabel *l, const QString &text);

    QRect m_hogerSpalt; // the column of the name and password entries

    int m_felAntal = 0;
    bool m_larare = false;       // the name entered is the teacher's
    bool m_antagen = false;      // the teacher's password was accepted
    bool m_lararKontroll = true; // the teacher's password is still to be asked for
};

// Shows the register dialog modally, unless DiagAvbruten is set. Whatever the
// way out, OvningsLage is 0 (practice) afterwards.
void TDiag_Visa();
