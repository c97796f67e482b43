// The main window's chakra report: the Interpretation button and Print.
#include "windows/frmSave.h"
#include "platform/Forms.h"
#include "platform/Services.h"
#include "windows/MDI.h"

// Shows the report window modally, without an owner window; returns when it closes.
void MDI::cmdInterpretation_Click() {
  frmSave& report = platform::Form<frmSave>::Get();
  report.setWindowModality(Qt::ApplicationModal);
  report.exec();
  // Escape hides the window without closing it; either way it is unloaded, so the
  // next showing loads it afresh and rebuilds the report.
  platform::Form<frmSave>::Unload();
}

// Only picks the printer the report window prints to: no page range, no printing
// to a file. A cancel changes nothing.
void MDI::mnuPrint_Click() {
  platform::Service<platform::IPrinter>().ShowPrinterDialog(true, true);
}
