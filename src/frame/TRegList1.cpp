#include "frame/TRegList1.h"

TRegList1::TRegList1(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("RegList1"));
    setWindowTitle(QStringLiteral("Varmiko"));
}
