// Quitting: the one way the program ends.
#pragma once

#include <functional>

// Unloads every loaded window, each unload handler at most once, then ends the
// program. Unload handlers that call it again (the start-up form, the exit
// screen) finish the same quit instead of starting another.
void QuitApplication();

// True while QuitApplication is unloading windows; the exit-screen road uses it
// so that windows closing during the quit bring up nothing new.
bool QuitInProgress();

// The last step of QuitApplication, ending the process's event loop. Tests
// replace it so the test process keeps running; the previous step is returned.
std::function<void()> SetEndProgramStep(std::function<void()> step);
