// Main of every window test executable: one QApplication on the offscreen platform,
// in surroundings of its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>

#include "platform/KeyPress.h"
#include "platform/Look.h"

namespace {

// HOME, the settings, caches and data folders and the session's runtime folder
// all point into a folder of the build, for this process and every program it
// starts: a test run leaves the user's own files as they were (Qt's file dialog
// keeps its history in the settings folder, the program its settings there and
// its single-instance lock in the runtime folder, where it would meet a copy the
// user is running).
void UseFoldersOfTheBuild() {
  const QString home = QStringLiteral(ORMANDEL_TEST_HOME);
  const struct {
    const char* variable;
    const char* folder;
  } folders[] = {{"HOME", ""},
                 {"XDG_CONFIG_HOME", "/.config"},
                 {"XDG_CACHE_HOME", "/.cache"},
                 {"XDG_DATA_HOME", "/.local/share"},
                 {"XDG_STATE_HOME", "/.local/state"},
                 {"XDG_RUNTIME_DIR", "/runtime"}};
  for (const auto& [variable, folder] : folders) {
    const QString path = home + QLatin1String(folder);
    QDir().mkpath(path);
    qputenv(variable, QFile::encodeName(path));
  }
  // Qt takes a runtime folder only when it is private to the user.
  QFile::setPermissions(home + QStringLiteral("/runtime"),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  // No test reaches the user's print server and printers: tests meet a server
  // that is not there (the real-print test turns to the one the test script
  // starts).
  qputenv("CUPS_SERVER", QFile::encodeName(home + QStringLiteral("/no-print-server")));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  UseFoldersOfTheBuild();
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  platform::InstallFontSubstitutions();
  platform::PressFocusedButtonsOnReturn();
  return RUN_ALL_TESTS();
}
