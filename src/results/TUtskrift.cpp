#include "results/TUtskrift.h"

TUtskrift::TUtskrift(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Utskrift"));
    setWindowTitle(QStringLiteral("Varmiko"));
}
