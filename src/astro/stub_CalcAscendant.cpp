// Placeholder until the module that computes this lands; it then deletes this file.
#include "astro/Pending.h"
void astro::CalcAscendant() {}
