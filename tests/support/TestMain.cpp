// Main of every window test executable: one QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/KeyPress.h"
#include "platform/Look.h"
#include "platform/Style.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  platform::InstallFontSubstitutions();
  platform::InstallStyle();
  platform::PressFocusedButtonsOnReturn();
  return RUN_ALL_TESTS();
}
