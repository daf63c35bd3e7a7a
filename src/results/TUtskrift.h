#pragma once
// The worksheet printing window: the sheet and its answer key, collected
// from the exercise windows in worksheet mode, viewed beside the exercise
// and printed with or without the answers.

#include "platform/PermanentWindow.h"

#include <QDialog>
#include <QList>
#include <QString>

class QFrame;
class QLabel;
class QListWidget;
class QListWidgetItem;

namespace Printing {
class Sheet;
}

class TUtskrift : public QDialog
{
    Q_OBJECT
public:
    explicit TUtskrift(QWidget *parent = nullptr);
    ~TUtskrift() override;

    // What a line of the sheet is. The printer lays a line out by its class,
    // which is fixed when the line is added.
    enum class RadKlass : int {
        Fortsattning = 0, // instruction, answer or writing line: belongs to the line above
        Rubrik = 1,       // section heading
        Uppgift = 2,      // numbered task
        Tom = 10,         // empty line
    };

    // One line of the sheet and the corresponding line of the answer key.
    struct Rad
    {
        RadKlass klass = RadKlass::Fortsattning;
        QString blad;  // ListBox1, the sheet
        QString facit; // ListBox2, the answer key
    };

    QFrame *Panel7 = nullptr;        // the framed panel around the lists
    QLabel *Panel8 = nullptr;        // heading "Skrivarkö"
    QListWidget *ListBox1 = nullptr; // the sheet
    QListWidget *ListBox2 = nullptr; // the answer key

    // Appends a line to both lists, in step.
    void LaggTill(const Rad &rad);
    void LaggTill(const QList<Rad> &rader);

    // The number of lines of the sheet (both lists hold as many).
    int antalRader() const;
    bool arTom() const { return antalRader() == 0; }

    // The class of line i of list 1 (ListBox1) or 2 (ListBox2): the class it
    // was added with, or for a line added without one the class its text
    // gives (RadTyp).
    RadKlass radKlass(int lista, int i) const;
    // The class the text of a line gives: empty, starting with a digit
    // (heading), a number followed by "." within its first characters (task),
    // or anything else (continuation).
    static RadKlass RadTyp(const QString &s);

    // Empties the sheet: both lists, and the sheet's counters start again
    // (SkrivRubrik := 1, SidNummer := 1, UtskriftAvsnitt := 0,
    // UtskriftPostNr := 0), so the next item is section 1, item 1.
    void TomArbetsbladet();

    // The answer of the item on screen for the answer key: S, followed by
    // " eller " and the item's alternative answers joined by ", " and ended
    // by ".", when it has any.
    static QString UtSkriftSvar(const QString &S);

    // Prints the list that MedFacit chooses (1: the answer key). The print
    // dialog opens over dialogParent (the active modal window when null).
    // False when nothing was printed: an empty sheet, or the dialog was
    // cancelled.
    bool SkrivutFraga(QWidget *dialogParent = nullptr);

    // Shows the window without modality beside the exercise window agare
    // (its parent while shown, so that it can be used while agare is
    // modal), with list 1 or 2 in front.
    void visaLista(int lista, QWidget *agare);
    // The list in front.
    QListWidget *listaIFronten() const;
    // Hides the window and lets go of agare when it is the current parent;
    // the window lives on for the whole run.
    void slappAgare(QWidget *agare);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    QListWidget *lista(int nr) const;
    QString radText(int lista, int i) const;

    // Printing.
    void skrivUt(Printing::Sheet &s, int listNr);
    void SkrivProgramRubrik(Printing::Sheet &s);
    void SkrivSidNr(Printing::Sheet &s);
    void SkrivProgramNamn(Printing::Sheet &s);
    void nySida(Printing::Sheet &s);
    int UppgiftTillNySida(Printing::Sheet &s, int i, int listNr) const;
    QStringList radbryt(Printing::Sheet &s, const QString &text) const;
    int fysiskaRader(Printing::Sheet &s, const QString &text) const;
    void skrivRad(Printing::Sheet &s, const QString &text, int forstaSteg);

    QWidget *m_agare = nullptr;
    int m_position = 0; // mm from the top of the page
    int m_listNummer = 1;
    int m_hm = 0;       // line height in mm at the body size
    int m_antal = 0;    // lines being printed
};

// The printing window of the run, which the exercise windows collect their
// sheets in; created when first reached once the start has made it available.
extern PermanentWindow<TUtskrift> Utskrift;
