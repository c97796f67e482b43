// The chart run behind "Get My Ormandel".
#include "chart/frmMain.h"

void frmMain::cmdCalculate_Click() {}
