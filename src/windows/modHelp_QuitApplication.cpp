#include "windows/modHelp_QuitApplication.h"

#include <QCoreApplication>
#include <QWidget>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/Failure.h"
#include "platform/Forms.h"

namespace {

// Ends the main event loop. Posted rather than called, so it also works when the
// quit happens before the loop has started (a second instance at start-up) and
// after the unloaded windows' deferred deletions. QCoreApplication::quit does
// nothing when the main loop is not running, so nested loops are never disturbed.
void QuitEventLoop() {
  if (QCoreApplication* app = QCoreApplication::instance()) {
    QMetaObject::invokeMethod(app, &QCoreApplication::quit, Qt::QueuedConnection);
  }
}

std::function<void()>& EndProgramStep() {
  static std::function<void()> step = QuitEventLoop;
  return step;
}

// Nesting depth of QuitApplication; more than 1 while an unload handler re-enters.
int quitDepth = 0;
// The windows whose unload this quit has started (identity only, never dereferenced).
std::vector<const QWidget*> unloadStarted;

// The next loaded window whose unload this quit has not started yet, with its
// name for the error stream.
std::pair<std::function<void()>, std::string> NextUnload() {
  for (const platform::LoadedForm& form : platform::LoadedForms()) {
    const QWidget* widget = form.widget.data();
    if (!widget) continue;
    if (std::find(unloadStarted.begin(), unloadStarted.end(), widget) != unloadStarted.end()) continue;
    unloadStarted.push_back(widget);
    return {form.unload, widget->objectName().toStdString()};
  }
  return {};
}

}  // namespace

void QuitApplication() {
  ++quitDepth;
  // A window that an unload handler loads is unloaded as well; the bound only
  // guards against handlers that keep loading windows for ever.
  for (int guard = 0; guard < 1000; ++guard) {
    const auto [unload, name] = NextUnload();
    if (!unload) break;
    // A failing unload handler does not stop the quit.
    platform::RunReportingFailure("Unloading " + name, unload);
  }
  --quitDepth;
  // A re-entered call leaves the end to the outermost one, which runs it once,
  // when every unload handler has returned.
  if (quitDepth > 0) return;
  unloadStarted.clear();
  if (EndProgramStep()) EndProgramStep()();
}

bool QuitInProgress() { return quitDepth > 0; }

std::function<void()> SetEndProgramStep(std::function<void()> step) {
  std::function<void()> previous = std::move(EndProgramStep());
  EndProgramStep() = std::move(step);
  return previous;
}
