#pragma once
// Worksheet mode of an exercise window: the five stacked panels at the
// bottom of the window with which the teacher lets the program pick items or
// picks them one by one, views the collected sheet and prints it with or
// without the answers. Every exercise window with a worksheet mode uses this
// class and writes the lines of its own items (ArbetsbladsAgare).

#include "results/TUtskrift.h"

#include <QList>
#include <QObject>
#include <QString>

class QFrame;
class QKeyEvent;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

// What the exercise window tells the worksheet panels.
class ArbetsbladsAgare
{
public:
    // The lines of the item on screen, for the sheet and the answer key:
    // usually the task (class Uppgift), which begins with prefix, the
    // number prefix of the item, then its answer or writing lines (class
    // Fortsattning, each beginning with a blank). franKlart is true when
    // "&Klart" of the count panel adds the item, false for "Skickas &till
    // utskrift".
    virtual QList<TUtskrift::Rad> arbetsbladUppgift(const QString &prefix, bool franKlart) = 0;
    // Shows the next item of the file (NyPost).
    virtual void arbetsbladNastaPost() = 0;
    // Closes the exercise window ("Till &menyn").
    virtual void arbetsbladStang() = 0;

    // The lines that open a new section, before its first item. By default
    // ArbetsbladsLage::standardAvsnitt(). ArbetsbladsLage::franKlart() tells
    // which path is adding.
    virtual QList<TUtskrift::Rad> arbetsbladAvsnitt();
    // The most items the count panel may ask for: by default the item count
    // of the current data file.
    virtual qint32 arbetsbladPostAntal() const;

protected:
    ~ArbetsbladsAgare() = default;
};

class ArbetsbladsLage : public QObject
{
    Q_OBJECT
public:
    // Builds the panels inside helaPanelen (SkrivutHelaPanelen of the
    // window). valjaUtLage is the window's ValjaUtLage: the panel that
    // printing returns to (1 the pick panel, 0 the main panel).
    ArbetsbladsLage(QWidget *fonster, QFrame *helaPanelen, ArbetsbladsAgare &agare, quint8 &valjaUtLage);
    ~ArbetsbladsLage() override;

    // The set-up as the window opens in worksheet mode: MedFacit := 0, the
    // next item added starts a new section, the main panel shows, and the
    // view, print and clear buttons are enabled only when the sheet has
    // lines.
    void start();

    // Keys that reach the window: Up and Down change the count while the
    // count panel shows; Esc is "Till &menyn" while the main panel shows.
    // True when the key was the worksheet's.
    bool tangent(QKeyEvent *e);

    // While lines are being added: true when "&Klart" adds them, false for
    // "Skickas &till utskrift".
    bool franKlart() const { return m_franKlart; }

    // The panel in front, the one the teacher works with now.
    bool visar(const QFrame *panel) const { return m_framst == panel; }

    // Worksheet lines that every window writes alike.
    static QString nummerPrefix(qint32 k); // "   9. ", " 10. ", "100. "
    static QString skrivLinje(int understreck = 57); // 7 blanks + underscores
    // The title lines of the current file joined by blanks (empty lines
    // left out), at most 80 characters.
    static QString avsnittsRubrik();
    // UtskriftAvsnitt + 1; UtskriftRubrik := avsnittsRubrik(); the heading
    // n + ".  " + title and, when the file has one, the instruction line of
    // six blanks + UtskriftInstruktion + ":".
    static QList<TUtskrift::Rad> standardAvsnitt();
    // UtskriftAvsnitt + 1; the heading n + ".  " + UtskriftRubrik, then
    // instruktionsrad when it isn't empty. For windows that set their own
    // title and write their instruction line their own way.
    static QList<TUtskrift::Rad> avsnitt(const QString &instruktionsrad);

    // Components, each with its field's name as its object name.
    QFrame *SkrivutHelaPanelen = nullptr;
    QFrame *SkrivutPanel1 = nullptr;
    QPushButton *SkrivutAntalButton = nullptr;
    QPushButton *ValjaUtButton = nullptr;
    QPushButton *VisaUtSkriftListaButton = nullptr;
    QPushButton *Skrivut1Button = nullptr;
    QPushButton *RensaButton = nullptr;
    QPushButton *SkrivutAvbryt1Button = nullptr;

    QFrame *SkrivutAntalPanel = nullptr;
    QWidget *SkrivutSpinButton = nullptr;
    QToolButton *SkrivutSpinUpp = nullptr; // the up half of the spin button
    QToolButton *SkrivutSpinNer = nullptr; // the down half
    QLabel *SkrivutAntalTextLabel = nullptr;
    QLabel *SkrivutAntalLabel = nullptr;
    QPushButton *SkrivutKlartButton = nullptr;
    QPushButton *SkrivutAvbryt4Button = nullptr;

    QFrame *SkrivutValPanel = nullptr;
    QPushButton *SkrivutNextButton = nullptr;
    QPushButton *SkrivutSkickaButton = nullptr;
    QPushButton *VisaUtskriftLista2Button = nullptr;
    QPushButton *Skrivut2Button = nullptr;
    QPushButton *SkrivutAvbryt2Button = nullptr;

    QFrame *SkrivutListValPanel = nullptr;
    QPushButton *SeListUtanButton = nullptr;
    QPushButton *SelistMedButton = nullptr;
    QPushButton *SkrivutAvbryt5Button = nullptr;

    QFrame *SkrivutSvarPanel = nullptr;
    QPushButton *SkrivutUtanButton = nullptr;
    QPushButton *SkrivutMedButton = nullptr;
    QPushButton *SkrivutAvbryt3Button = nullptr;

    // 1: the view panel was opened from the main panel.
    quint8 UtskriftListaVisas = 0;

    // Handlers.
    void SkrivutAntalButtonClick();
    void SkrivutSpinButtonUpClick();
    void SkrivutSpinButtonDownClick();
    void SkrivutKlartButtonClick();
    void SkrivutAvbryt4ButtonClick();
    void ValjaUtButtonClick();
    void SkrivutNextButtonClick();
    void SkrivutSkickaButtonClick();
    void VisaUtskriftLista2ButtonClick();
    void Skrivut2ButtonClick();
    void SkrivutAvbryt2ButtonClick();
    void VisaUtSkriftListaButtonClick();
    void Skrivut1ButtonClick();
    void SeListUtanButtonClick();
    void SelistMedButtonClick();
    void SkrivutAvbryt5ButtonClick();
    void SkrivutUtanButtonClick();
    void SkrivutMedButtonClick();
    void SkrivutAvbryt3ButtonClick();
    void SkrivutAv(bool av);
    void RensaButtonClick();
    void SkrivutAvbryt1ButtonClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void byggPaneler();
    void tillFronten(QFrame *panel);
    void uppdateraKnappar();
    void laggTillPoster(qint32 antal, bool franKlart);
    void skrivUt(quint8 medFacit);

    QWidget *m_fonster;
    ArbetsbladsAgare &m_agare;
    quint8 &m_valjaUtLage;
    bool m_franKlart = false;
    QFrame *m_framst = nullptr;
};
