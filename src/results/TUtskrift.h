#pragma once
// The worksheet printing window: the sheet and its answer key.

#include <QDialog>

class TUtskrift : public QDialog
{
    Q_OBJECT
public:
    explicit TUtskrift(QWidget *parent = nullptr);
};
