#pragma once
// The window of the two spelling-reform lists: list 1 the changes (old and
// new spelling), list 2 the alternative spellings.

#include "platform/PermanentWindow.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QLabel;
class QPushButton;
class QTreeWidget;

// The list the next window shows: 1, or 2 for every other value.
extern quint16 RegListNummer;

class TRegList1 : public QDialog
{
    Q_OBJECT
public:
    explicit TRegList1(QWidget *parent = nullptr);

    QTreeWidget *ListView1 = nullptr;
    QPushButton *Button1 = nullptr;
    QLabel *Label1 = nullptr;

    void FormCreate();
    void Button1Click();
};

// One line of a list file split into its two columns at the first tab; a
// line without a tab is all left column.
QPair<QString, QString> delaListrad(const QString &rad);

// The file of list 1, or of list 2 for every other value, under PCPath else
// CDPath; when it is under neither, "<PATH>  finns inte eller är felaktig."
// is shown and the result is empty.
QString RegListFil(int lista);

// Shows list 1 or 2.
void TRegList1_Visa(int lista);

// The spelling-list window of the start, which reads list 2 when it is
// created; created when first reached once the start has made it available.
extern PermanentWindow<TRegList1> RegList1;
