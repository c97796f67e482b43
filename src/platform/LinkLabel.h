// A label that acts as a link: the hand cursor over it, and a left-button
// release inside it runs the window's click handler.
#pragma once

#include <QLabel>

#include <functional>

namespace platform {

// Gives `label` the hand cursor and calls `onClick` when the left button is
// released over it (a release after the pointer left the label does nothing).
// The watcher is owned by the label and goes away with it.
void MakeLinkLabel(QLabel* label, std::function<void()> onClick);

}  // namespace platform
