// The program's start, from the process start until the input window has been
// painted, and then the program's own quit. Run it beside the yardstick (a bare
// Qt Widgets window started the same way) and compare the whole processes.
#include <QApplication>
#include <cstdio>

#include "ProgramStart.h"
#include "support/BenchSupport.h"
#include "windows/frmStartup.h"
#include "windows/modHelp_QuitApplication.h"

int main(int argc, char* argv[]) {
  UseOffscreenUnlessAsked();
  QApplication app(argc, argv);
  bench::PaintWatch watch({bench::Named("frmMain")});
  bool painted = false;
  watch.onPainted = [&painted] {
    painted = true;
    QuitApplication();
  };
  StartProgram();
  QApplication::exec();
  if (!painted) {
    std::fprintf(stderr, "the input window was never painted\n");
    return 1;
  }
  return 0;
}
