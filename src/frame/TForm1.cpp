#include "frame/TForm1.h"

#include "frame/startup.h"
#include "frame/vrsku1.h"

TForm1::TForm1(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Varmiko"));
    FormCreate();
}

void TForm1::FormCreate()
{
    MusOverBild = 0;
    BildListaNy = 1;
    // The settings file's values take effect for the run.
    HaemtaVrskaINI();
    DiktamVisning = 0;
    DiagnosPathKlar = 0;
    TestaScoreDirectory();
}
