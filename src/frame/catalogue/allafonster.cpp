// The exercise windows and pages that the program has, by the class names
// the catalogue uses. A window that is not listed here leaves its menu
// buttons disabled.

#include "drills/writing/TSKRIV.h"
#include "frame/catalogue/fonsterregister.h"

#include <QString>

void registreraAllaFonster()
{
    registreraFonster(QStringLiteral("TSKRIV"), TSKRIV_Visa);
}
