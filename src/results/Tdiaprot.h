#pragma once
// The diagnosis protocol: the pupil in AktivDiagnos as a table of the
// seventeen areas with result, time of the last test and status. A row
// starts that area's test or practice in its exercise window; the protocol
// stays open and disabled beneath it, and the exercise reports back into
// AktivDiagnos. "&Avbryta" (also Esc and the window's close) saves the
// record, sets DiagAvbruten := 1 and OvningsLage := 0 and closes; the
// register dialog that opened the protocol then closes too. When the save
// fails the protocol stays open unless the pupil chooses to close it
// without saving.

#include <QByteArray>
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;

class Tdiaprot : public QDialog
{
    Q_OBJECT
public:
    explicit Tdiaprot(QWidget *parent = nullptr);
    ~Tdiaprot() override;

    // Components, each with its field's name as its object name.
    QLabel *Label1 = nullptr;
    QTableWidget *StringGrid1 = nullptr;
    QFrame *Panel2 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QFrame *Panel1 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QFrame *EscapePanel = nullptr;
    QPushButton *AvbrytButton = nullptr;
    QPushButton *LosenButton = nullptr;
    QPushButton *HjalpButton = nullptr;
    QPushButton *SkrivutButton = nullptr;
    QLabel *TestLabel = nullptr;

    // Lays the window out for a screen of that size (done for the real
    // screen on creation) and sets KolumnProcent.
    void layOut(const QSize &skarm);

    // Redraws the table from AktivDiagnos; saves the record when DiagSpara
    // is set.
    void rita_prot();

    // Enter on the table or a double click on a row: the test or the
    // practice of area ProtokollRad, or why it must wait.
    void StartaOmrade();
    void InfoText();
    void HjalpText();

    void AvbrytButtonClick();
    void LosenButtonClick();
    void HjalpButtonClick();
    void SkrivutButtonClick();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void reject() override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void byggKomponenter();
    void valjRad(int rad);
    void visaProtokollet(bool aktiv);

    bool m_stangs = false;
    int m_tabellHojd = 0;
    // The record as it was last saved or loaded, to see what an exercise changed.
    QByteArray m_sparad;
};

// Creates the protocol, shows it modally and frees it.
void Tdiaprot_Visa();
