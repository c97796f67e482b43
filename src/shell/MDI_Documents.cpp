// The main window's chart documents: Save As, Export, Save As JPEG and the
// snapshot of the chart window taken on every activation.
#include "shell/MDI.h"

void MDI::mnuSaveAs_Click() {}
void MDI::mnuExport_Click() {}
void MDI::mnuSaveAsJpeg_Click() {}
void MDI::MDIForm_Activate() {}
