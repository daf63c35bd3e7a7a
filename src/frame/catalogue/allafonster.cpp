// The exercise windows and pages that the program has, by the class names
// the catalogue uses, and the menus behind the main window's buttons. A
// window that is not listed here leaves its menu buttons disabled.

#include "drills/writing/TSKRIV.h"
#include "frame/catalogue/fonsterregister.h"
#include "frame/catalogue/meny.h"
#include "frame/huvudmeny.h"
#include "results/TDiag.h"

#include <QString>

void registreraAllaFonster()
{
    registreraFonster(QStringLiteral("TSKRIV"), TSKRIV_Visa);

    MainMenuHooks &h = mainMenuHooks();
    h.TF1_Visa = TF1_Visa;
    h.TF2_Visa = TF2_Visa;
    h.TF3_Visa = TF3_Visa;
    h.TF4_Visa = TF4_Visa;
    h.TF5_Visa = TF5_Visa;
    h.TF6_Visa = TF6_Visa;
    h.TDiag_Visa = TDiag_Visa;
}
