#include <QApplication>

#include "windows/frmStartup.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  StartProgram();
  return QApplication::exec();
}
