// The main window's chakra report: the Interpretation button and Print.
#include "shell/MDI.h"

void MDI::cmdInterpretation_Click() {}
void MDI::mnuPrint_Click() {}
