#include "results/TDiagutform.h"

TDiagutform::TDiagutform(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Diagutform"));
    setWindowTitle(QStringLiteral("Varmiko"));
}
