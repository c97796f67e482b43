// The start of a benchmark program that runs the program's own start-up: the
// offscreen platform unless another is asked for, then StartProgram as the
// program's main does.
#pragma once

#include <QByteArray>

// The offscreen platform with one desktop-sized screen (1920 x 1080 at 96 dpi,
// from the file the build names), so the main window fits on it as on a user's
// desktop; the platform's default screen is narrower than the main window, which
// then lays out and paints once more for its scroll bar. Only the screen's size
// differs: the windows are drawn and timed in full.
inline void UseOffscreenUnlessAsked() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + ORMANDEL_BENCH_SCREEN_CONFIG);
  }
}
