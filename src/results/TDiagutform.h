#pragma once
// Prints the diagnosis protocol. The window is never shown: the protocol
// copies its table into StringGrid1 and has it printed.

#include "platform/PermanentWindow.h"

#include <QDialog>

class QTableWidget;
class QWidget;

class TDiagutform : public QDialog
{
    Q_OBJECT
public:
    explicit TDiagutform(QWidget *parent = nullptr);

    // The protocol's table as copied by its "&Skriv ut".
    QTableWidget *StringGrid1 = nullptr;

    // Prints StringGrid1 on A4 as the protocol of the pupil in AktivDiagnos:
    // the title, then one ruled row per table row. The columns begin at
    // KolumnProcent of the width between the margins; a column too narrow
    // for its texts is widened from the others (the font shrinks only when
    // the whole width is too small). False when nothing was printed (the
    // print dialog was cancelled, or the printer could not be opened).
    bool SkrivutDiaggen(QWidget *dialogParent = nullptr);
};

// The protocol's printing window of the run; created when first reached once
// the start has made it available.
extern PermanentWindow<TDiagutform> Diagutform;
