#pragma once
// One menu of the exercise catalogue, built from its entry in the table: a
// navy panel (maroon in worksheet mode), a yellow title and a column of
// buttons, the last of which closes the menu.

#include "frame/catalogue/katalog.h"

#include <QDialog>
#include <QList>

class QFrame;
class QLabel;
class QPushButton;

class MenyFonster : public QDialog
{
    Q_OBJECT
public:
    explicit MenyFonster(const KatalogMeny &meny, QWidget *parent = nullptr);

    const KatalogMeny &meny() const { return m_meny; }

    QFrame *Panel1 = nullptr;
    QLabel *Label1 = nullptr;
    QList<QPushButton *> knappar; // Button1 … from the top, the back button last

    // What a click on button nr (from 1) does.
    void knappKlick(int nr);

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    void FormCreate();
    void bygg();

    const KatalogMeny &m_meny;
};
