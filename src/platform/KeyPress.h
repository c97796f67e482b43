// The key-press helper: every window hands its controls' key filters and focus
// handlers to one ControlEvents, which watches the controls and turns their key
// events into typed character codes the same way for every window.
#pragma once

#include <QObject>

#include <functional>
#include <map>

class QKeyEvent;
class QWidget;

namespace platform {

// The character code a key press types, as the key filters count it: the text's
// character, Ctrl+letter as 1..26, Backspace 8, Ctrl+Backspace 127, Enter 13,
// Escape 27. Keys that type nothing (arrows, Delete, Home, End, Tab, modifiers,
// Alt combinations) give 0.
int TypedCharacterCode(const QKeyEvent& key);

// Makes Return and Enter press the focused push button of every window, as
// Space does. A button that already takes Return itself (a dialog's default
// buttons) keeps doing so; other controls, text boxes among them, keep their own
// handling of Return. Installed once on the application.
void PressFocusedButtonsOnReturn();

// A window holds one of these as a member (not as a child), so it goes away
// before the window's controls do: focus changes while the controls are being
// destroyed then reach no handler of a window that is already gone.
class ControlEvents final : public QObject {
 public:
  // KeyAscii is the typed character's code; a filter that sets it to 0 refuses
  // the character, and it never reaches the control.
  using KeyFilter = std::function<void(int& KeyAscii)>;
  using Handler = std::function<void()>;

  // Runs `filter` on every character typed into `control`, by key or through an
  // input method. Alt combinations are commands, not typing: they reach the menus
  // and access keys and the control takes no text from them.
  void KeyPress(QWidget* control, KeyFilter filter);
  // Runs `gotFocus` and `lostFocus` when `control` gains or loses the focus.
  void Focus(QWidget* control, Handler gotFocus, Handler lostFocus);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Handlers {
    KeyFilter keyPress;
    Handler gotFocus;
    Handler lostFocus;
  };
  Handlers& Watch(QWidget* control);
  bool FilterKey(const KeyFilter& filter, QEvent* event);

  std::map<const QObject*, Handlers> handlers_;
};

}  // namespace platform
