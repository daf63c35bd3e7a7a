#pragma once
// The worksheet printing window: the sheet and its answer key.

#include <QDialog>

class QListWidget;

class TUtskrift : public QDialog
{
    Q_OBJECT
public:
    explicit TUtskrift(QWidget *parent = nullptr);

    QListWidget *ListBox1 = nullptr; // the sheet
    QListWidget *ListBox2 = nullptr; // the answer key
};
