// Opening a previously saved reading into the input window.
#include "chart/frmMain.h"

void frmMain::cmdOpen_Click() {}
