#pragma once
// The show routines of the menus: each creates its menu, shows it modally
// and frees it when it closes.

#include <QString>

// The menu of a class name ("TF21"); nothing when there is none.
void visaMeny(const QString &klass);

// The six menus of the main window.
void TF1_Visa();
void TF2_Visa();
void TF3_Visa();
void TF4_Visa();
// Grammatik: OvningsLage := 0 unless it is 1 (worksheet mode stays).
void TF5_Visa();
void TF6_Visa();

// The sub-menus.
void TF21_Visa();
void TF212_Visa();
void TF213_Visa();
void TF2131_Visa();
void TF2132_Visa();
void TF2133_Visa();
void TF31_Visa();
void TF51_Visa();
void TF512_Visa();
void TF514_Visa();
void TF52_Visa();
void TF53_Visa();
void TF54_Visa();
void TF55_Visa();
void TF551_Visa();
void TF552_Visa();
void TF56_Visa();
void TF561_Visa();
void TF562_Visa();
void TF563_Visa();
void TF564_Visa();
void TF565_Visa();
void TF566_Visa();
void TF567_Visa();
void TF57_Visa();
