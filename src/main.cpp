#include <QApplication>

#include "platform/Forms.h"
#include "platform/Look.h"
#include "windows/frmStartup.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  platform::InstallFontSubstitutions();
  // The hidden start-up form runs the program's start; the program ends through
  // QuitApplication, never because the last window was closed.
  QApplication::setQuitOnLastWindowClosed(false);
  platform::Form<frmStartup>::Get();
  return QApplication::exec();
}
