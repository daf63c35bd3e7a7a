#include "results/TUtskrift.h"

#include <QListWidget>

TUtskrift::TUtskrift(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Utskrift"));
    setWindowTitle(QStringLiteral("Varmiko"));

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox2 = new QListWidget(this);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
}
