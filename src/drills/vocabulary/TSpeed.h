#pragma once
// Reading speed ("Lästräning"): the pupil picks a text of VRS61000.DAT, reads
// it aloud while its words vanish one by one at the pace set on the scroll
// bar, and gets the time taken and the words per minute at the end.

#include "drills/vocabulary/lasning.h"

#include <QDialog>
#include <QStringList>

class DesignTimer;
class LasYta;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;

class TSpeed : public QDialog
{
    Q_OBJECT
public:
    explicit TSpeed(QWidget *parent = nullptr);

    QFrame *Panel3 = nullptr;
    QFrame *Panel4 = nullptr;
    QPushButton *Button1 = nullptr; // "&Starta"
    QPushButton *Button2 = nullptr; // "&Avbryt"
    QFrame *Panel5 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label11 = nullptr; // the pace
    QScrollBar *ScrollBar1 = nullptr;
    QLabel *Label8 = nullptr; // words
    QLabel *Label9 = nullptr; // letters
    QLabel *Label10 = nullptr; // letters per word
    QLabel *Label1 = nullptr; // hidden, measures words
    LasYta *PaintBox1 = nullptr;
    QFrame *Panel1 = nullptr;
    QFrame *Panel2 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QListWidget *ListBox1 = nullptr; // the text numbers
    DesignTimer *Timer1 = nullptr; // the word pace
    DesignTimer *Timer2 = nullptr; // seconds

    void FormCreate();
    void FormShow();
    void ListBox1DblClick();
    void Button1Click();
    void Button2Click();
    void ScrollBar1Change();
    void Timer1Timer();
    void Timer2Timer();
    void SuddaOrd();
    void Statistik();

    const QStringList &LasRader() const { return m_LasRader; }
    const Ordvandring &vandring() const { return m_vandring; }
    qint32 LasSekunder() const { return m_LasSekunder; }
    qint32 RitaX() const { return m_RitaX; }
    qint32 RitaY() const { return m_RitaY; }
    const LasStatistik &statistik() const { return m_statistik; }

protected:
    void showEvent(QShowEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void layout();

    QStringList m_LasRader;
    Ordvandring m_vandring;
    LasStatistik m_statistik;
    qint32 m_LasSekunder = 0;
    qint64 m_startMs = 0;    // stopwatch at "&Starta"
    qint64 m_sistaOrdMs = 0; // stopwatch when the last word so far vanished
    qint32 m_RitaX = 10;
    qint32 m_RitaY = 10;
};

// Creates the window, shows it modally and frees it.
void TSpeed_Visa();
