// The exercise windows and pages that the program has, by the class names
// the catalogue uses, and the menus behind the main window's buttons. A
// window that is not listed here leaves its menu buttons disabled.

#include "app/allafonster.h"

#include "drills/grammar/TFLERBAR.h"
#include "drills/grammar/TPassAkt.h"
#include "drills/grammar/TSEIN.h"
#include "drills/grammar/TSats.h"
#include "drills/grammar/TStegran.h"
#include "drills/vocabulary/TBilden.h"
#include "drills/vocabulary/TBildvis.h"
#include "drills/vocabulary/TDinaOrd.h"
#include "drills/vocabulary/TFalska.h"
#include "drills/vocabulary/TFlagga.h"
#include "drills/vocabulary/THymn.h"
#include "drills/vocabulary/TKarta.h"
#include "drills/vocabulary/TSpeed.h"
#include "drills/vocabulary/Tavsloj.h"
#include "drills/vocabulary/Thoroskop.h"
#include "drills/writing/TDiktam.h"
#include "drills/writing/TKlockan.h"
#include "drills/writing/TSKRIV.h"
#include "drills/writing/TSkrivinf.h"
#include "drills/writing/Tberaetta.h"
#include "drills/writing/Tskriv2.h"
#include "frame/TManual.h"
#include "frame/TOmMivo.h"
#include "frame/TRegList1.h"
#include "frame/TRegler.h"
#include "frame/catalogue/fonsterregister.h"
#include "frame/catalogue/meny.h"
#include "frame/huvudmeny.h"
#include "results/TDiag.h"
#include "results/TUtskrift.h"
#include "results/Tdiaprot.h"

#include <QString>

void registreraAllaFonster()
{
    registreraFonster(QStringLiteral("TSKRIV"), TSKRIV_Visa);
    registreraFonster(QStringLiteral("Tskriv2"), Tskriv2_Visa);
    registreraFonster(QStringLiteral("TSkrivinf"), TSkrivinf_Visa);
    registreraFonster(QStringLiteral("TKlockan"), TKlockan_Visa);
    registreraFonster(QStringLiteral("TDiktam"), TDiktam_Visa);
    registreraFonster(QStringLiteral("Tberaetta"), Tberaetta_Visa);
    registreraFonster(QStringLiteral("TDinaOrd"), TDinaOrd_Visa);
    registreraFonster(QStringLiteral("TFalska"), TFalska_Visa);
    registreraFonster(QStringLiteral("TBildvis"), TBildvis_Visa);
    registreraFonster(QStringLiteral("TBilden"), TBilden_Visa);
    registreraFonster(QStringLiteral("TFLERBAR"), TFLERBAR_Visa);
    registreraFonster(QStringLiteral("TPassAkt"), TPassAkt_Visa);
    registreraFonster(QStringLiteral("TSEIN"), TSEIN_Visa);
    registreraFonster(QStringLiteral("TStegran"), TStegran_Visa);
    registreraFonster(QStringLiteral("TSats"), TSats_Visa);
    registreraFonster(QStringLiteral("TSpeed"), TSpeed_Visa);
    registreraFonster(QStringLiteral("Thoroskop"), Thoroskop_Visa);
    registreraFonster(QStringLiteral("Tavsloj"), Tavsloj_Visa);
    registreraFonster(QStringLiteral("TKarta"), TKarta_Visa);
    registreraFonster(QStringLiteral("TFlagga"), TFlagga_Visa);
    registreraFonster(QStringLiteral("THymn"), THymn_Visa);
    registreraFonster(QStringLiteral("TRegler"), TRegler_Visa);
    registreraFonster(QStringLiteral("TRegList1"), std::function<void(qint32)>([](qint32 lista) { TRegList1_Visa(lista); }));

    MainMenuHooks &h = mainMenuHooks();
    h.TF1_Visa = TF1_Visa;
    h.TF2_Visa = TF2_Visa;
    h.TF3_Visa = TF3_Visa;
    h.TF4_Visa = TF4_Visa;
    h.TF5_Visa = TF5_Visa;
    h.TF6_Visa = TF6_Visa;
    h.TDiag_Visa = TDiag_Visa;
    setShowProtocol(Tdiaprot_Visa);
    h.TManual_Visa = TManual_Visa;
    h.TOmMivo_Visa = TOmMivo_Visa;
    h.TomArbetsbladet = [] {
        if (Utskrift)
            Utskrift->TomArbetsbladet();
    };
}
