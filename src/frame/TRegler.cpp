#include "frame/TRegler.h"

void TRegler_Visa()
{
}
