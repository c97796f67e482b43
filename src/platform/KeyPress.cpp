#include "platform/KeyPress.h"

#include <QCoreApplication>
#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace platform {

int TypedCharacterCode(const QKeyEvent& key) {
  const bool ctrl = key.modifiers().testFlag(Qt::ControlModifier);
  const bool alt = key.modifiers().testFlag(Qt::AltModifier);
  // Alt+key reaches the menu and the access keys; it types nothing into the box.
  if (alt && !ctrl) return 0;
  switch (key.key()) {
    case Qt::Key_Backspace:
      return ctrl ? 127 : 8;
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 0;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Escape:
      return 27;
    default:
      break;
  }
  if (ctrl && !alt && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z) return key.key() - Qt::Key_A + 1;
  const QString text = key.text();
  if (text.isEmpty()) return 0;
  const char16_t first = text.front().unicode();
  if (first == 127) return 0;  // some platforms give Delete this text
  return first;
}

namespace {

// Watches the key presses of the whole application for Return and Enter on a
// focused push button.
class ReturnPressesButton final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* button = qobject_cast<QPushButton*>(watched);
    if (!button || !button->hasFocus() || !button->isEnabled()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    if (button->autoDefault() || button->isDefault()) return false;  // presses itself
    // A key held down presses once, as Space does.
    if (!key->isAutoRepeat()) button->click();
    return true;
  }
};

}  // namespace

void PressFocusedButtonsOnReturn() {
  static ReturnPressesButton* filter = nullptr;
  if (filter || !QCoreApplication::instance()) return;
  filter = new ReturnPressesButton(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(filter);
}

ControlEvents::Handlers& ControlEvents::Watch(QWidget* control) {
  auto [entry, added] = handlers_.try_emplace(control);
  if (added) {
    control->installEventFilter(this);
    // A control destroyed before the window leaves no entry behind.
    connect(control, &QObject::destroyed, this, [this](QObject* gone) { handlers_.erase(gone); });
  }
  return entry->second;
}

void ControlEvents::KeyPress(QWidget* control, KeyFilter filter) { Watch(control).keyPress = std::move(filter); }

void ControlEvents::Focus(QWidget* control, Handler gotFocus, Handler lostFocus) {
  Handlers& handlers = Watch(control);
  handlers.gotFocus = std::move(gotFocus);
  handlers.lostFocus = std::move(lostFocus);
}

bool ControlEvents::eventFilter(QObject* watched, QEvent* event) {
  const auto found = handlers_.find(watched);
  if (found == handlers_.end()) return false;
  // Each handler runs from a copy: it may close the window and so end this entry.
  switch (event->type()) {
    case QEvent::FocusIn:
      if (const Handler gotFocus = found->second.gotFocus) gotFocus();
      return false;
    case QEvent::FocusOut:
      if (const Handler lostFocus = found->second.lostFocus) lostFocus();
      return false;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::InputMethod:
      if (const KeyFilter filter = found->second.keyPress) return FilterKey(filter, event);
      return false;
    default:
      return false;
  }
}

bool ControlEvents::FilterKey(const KeyFilter& filter, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    // A combination that types a refused character (Ctrl+C, Ctrl+V) must reach the
    // key press below instead of acting as the control's own shortcut.
    if (TypedCharacterCode(*static_cast<QKeyEvent*>(event)) != 0) event->accept();
    return false;
  }
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers();
    // An Alt combination that found no menu or access key is a command, not typing:
    // it types nothing, so the control must not take its text either.
    if (mods.testFlag(Qt::AltModifier) && !mods.testFlag(Qt::ControlModifier)) return !key->text().isEmpty();
    int KeyAscii = TypedCharacterCode(*key);
    if (KeyAscii == 0) return false;  // types no character: not filtered
    filter(KeyAscii);
    return KeyAscii == 0;  // a refused key never reaches the control
  }
  // Characters composed through an input method are typed characters too.
  const QString commit = static_cast<QInputMethodEvent*>(event)->commitString();
  for (const QChar c : commit) {
    int KeyAscii = c.unicode();
    filter(KeyAscii);
    if (KeyAscii == 0) return true;
  }
  return false;
}

}  // namespace platform
