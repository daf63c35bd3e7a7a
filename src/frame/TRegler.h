#pragma once
// The rule page of the current program number.

void TRegler_Visa();
