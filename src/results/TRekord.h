#pragma once
// The record-table window: shows where the entry in RekordPost ranks in the
// table RekordFilNamn, and stores it there when the player says so. Nothing
// is typed in it.

#include "results/rekordtabell.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;

class TRekord : public QDialog
{
    Q_OBJECT
public:
    explicit TRekord(QWidget *parent = nullptr);

    // False when the table could not be opened: the player has been told,
    // and the window is not to be shown.
    bool isOpen() const { return m_open; }

    // The rows as shown, with the new entry in its place.
    const RankedTable &table() const { return m_tabell; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    bool oppnaTabell();
    void visaTabell();
    void rullaTillNyRad();
    bool sparaTabell();
    void Button1Click(); // "Tillbaka och &spara - Enter"
    void SlutaClick();   // "Tillbaka &utan att spara - ESC"

    QFrame *m_OverPanelen = nullptr;
    QLabel *m_Label1 = nullptr;
    QFrame *m_RekordPanelen = nullptr;
    QFrame *m_RekordPanel2 = nullptr;
    QTableWidget *m_StringGrid1 = nullptr;
    QFrame *m_VPanel = nullptr;
    QFrame *m_HPanel = nullptr;
    QFrame *m_NederPanelen = nullptr;
    QPushButton *m_Sluta = nullptr;
    QPushButton *m_Button1 = nullptr;

    RankedTable m_tabell;
    QString m_fil;        // the table file on disk
    bool m_open = false;
    bool m_race = false;  // results are race times, lower is better
    bool m_rullad = false;
};

// Creates the window, runs it modally and frees it. The caller has set
// RekordPost (Namn, Resultat) and RekordFilNamn.
void TRekord_Visa();
