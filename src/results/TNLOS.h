#pragma once
// The new-password dialog: the new password is typed twice. It serves the
// pupil (from the protocol) and the teacher; the old password is the Losen
// of AktivDiagnos.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// 1 after a new password was confirmed; the dialog clears it when it opens.
extern quint8 LosenOk;

class TNLOS : public QDialog
{
    Q_OBJECT
public:
    explicit TNLOS(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *maskedit1 = nullptr;
    QPushButton *BitBtn1 = nullptr; // "&Abbrechen"

    void maskedit1Enter();
    void maskedit1Change();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void meddela(const QString &text, bool noch);

    QString m_forsta;         // the first entry, held until it is repeated
    bool m_meddelande = false; // a reproach shows until the entry changes
};

// Creates the dialog, shows it modally and frees it. A confirmed password is
// in the Losen of AktivDiagnos (cut to 10 characters) and LosenOk is 1;
// "&Abbrechen", Esc and the window's close change nothing.
void TNLOS_Visa();
