// The start of a benchmark program that runs the program's own start-up: the
// offscreen platform unless another is asked for, then StartProgram as the
// program's main does.
#pragma once

#include <QByteArray>

inline void UseOffscreenUnlessAsked() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}
