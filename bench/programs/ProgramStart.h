// The start of a benchmark program that runs the program's own start-up: the
// surroundings of a desktop session (unless the caller set them), then
// StartProgram as the program's main does.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

// The offscreen platform with one desktop-sized screen (1920 x 1080 at 96 dpi,
// from the file the build names), so the main window fits on it as on a user's
// desktop; the platform's default screen is narrower than the main window, which
// then lays out and paints once more for its scroll bar. Only the screen's size
// differs: the windows are drawn and timed in full.
//
// And the session's runtime folder in memory, as a desktop session has it
// (/run/user/<id>): the program keeps its single-instance lock there, and Qt
// syncs the lock file to its disk when taking it. Without the variable Qt falls
// back to a folder under /tmp, which here is on disk.
//
// And the settings folder in the build: the program's settings and Qt's file
// dialog history that a benchmark run writes stay out of the user's own.
inline void UseOffscreenUnlessAsked() {
  const QString config = QStringLiteral(ORMANDEL_BENCH_CONFIG_HOME);
  if (QDir().mkpath(config)) qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + ORMANDEL_BENCH_SCREEN_CONFIG);
  }
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && QFileInfo(QStringLiteral("/dev/shm")).isWritable()) {
    const QString folder = QStringLiteral("/dev/shm/ormandel-bench-runtime-%1").arg(QString::number(getuid()));
    if (QDir().mkpath(folder) && QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
      qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
    }
  }
}
