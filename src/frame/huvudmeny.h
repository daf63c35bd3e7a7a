#pragma once
// The windows the main window's buttons open. The menus, the diagnosis
// register, the manual and the about box fill in their show routine here,
// and the printing window how a new sheet empties it; a button whose hook
// is still empty opens nothing.

#include <functional>

struct MainMenuHooks
{
    std::function<void()> TF1_Visa;     // "Tyskland"
    std::function<void()> TF2_Visa;     // "Dina ord"
    std::function<void()> TF3_Visa;     // "Tala"
    std::function<void()> TF4_Visa;     // "Skriva"
    std::function<void()> TF5_Visa;     // "Grammatik"
    std::function<void()> TF6_Visa;     // "Läsa"
    std::function<void()> TDiag_Visa;   // "Diagnos"
    std::function<void()> TManual_Visa; // "Manual"
    std::function<void()> TOmMivo_Visa; // "Om Varmiko"
    // "Göra arbetsblad" and "Avaktivera arbetsblad": nothing collected
    // before is printed with the new sheet, or with none.
    std::function<void()> TomArbetsbladet;
};

// The one table of the run.
MainMenuHooks &mainMenuHooks();

// Calls a hook when it is set.
void runHook(const std::function<void()> &hook);
