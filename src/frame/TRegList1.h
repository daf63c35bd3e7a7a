#pragma once
// The window of the two spelling-reform lists.

#include <QDialog>

class TRegList1 : public QDialog
{
    Q_OBJECT
public:
    explicit TRegList1(QWidget *parent = nullptr);
};
