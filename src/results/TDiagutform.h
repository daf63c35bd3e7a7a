#pragma once
// Prints the diagnosis protocol.

#include <QDialog>

class TDiagutform : public QDialog
{
    Q_OBJECT
public:
    explicit TDiagutform(QWidget *parent = nullptr);
};
