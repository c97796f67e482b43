#include "platform/Forms.h"

#include <QEvent>
#include <QTimer>

#include <algorithm>

#include "platform/Look.h"

namespace platform {

std::vector<LoadedForm>& LoadedForms() {
  static std::vector<LoadedForm> forms;
  return forms;
}

namespace {

// Brings a window back inside the screen's free area when it is restored from
// maximised (or full screen, or minimised): the size it is restored to may be
// larger than the screen, or leave its title bar off it. The window system may
// apply the restored geometry before or after the change of state, so the
// window is kept on the screen after the change and after the resize that
// follows it, once the window system has answered each.
class RestoredOnScreen final : public QObject {
 public:
  explicit RestoredOnScreen(QWidget* window) : QObject(window), window_(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != window_ || !window_->isWindow()) return false;
    const bool restored = (window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen |
                                                     Qt::WindowMinimized)) == 0;
    if (event->type() == QEvent::WindowStateChange) {
      restoring_ = restored;
      if (restored) KeepSoon();
    } else if (event->type() == QEvent::Resize && restoring_) {
      restoring_ = false;
      if (restored) KeepSoon();
    }
    return false;
  }

  // A window resized again in the meantime (by the program or the user) is left
  // as it was made.
  void KeepSoon() {
    QTimer::singleShot(0, window_, [window = window_, size = window_->size()] {
      if (window->size() == size && !window->isMaximized() && !window->isMinimized() && !window->isFullScreen()) {
        KeepOnScreen(window);
      }
    });
  }

 private:
  QWidget* window_;
  bool restoring_ = false;
};

}  // namespace

void RegisterLoadedForm(QWidget* widget, std::function<void()> unload) {
  widget->installEventFilter(new RestoredOnScreen(widget));
  LoadedForms().push_back({widget, std::move(unload)});
}

void UnregisterLoadedForm(QWidget* widget) {
  auto& forms = LoadedForms();
  forms.erase(std::remove_if(forms.begin(), forms.end(),
                             [widget](const LoadedForm& f) { return f.widget == widget || f.widget.isNull(); }),
              forms.end());
}

}  // namespace platform
