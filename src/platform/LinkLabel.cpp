#include "platform/LinkLabel.h"

#include <QEvent>
#include <QMouseEvent>
#include <QObject>

#include <utility>

namespace platform {

namespace {

class LinkWatcher final : public QObject {
 public:
  LinkWatcher(QLabel* label, std::function<void()> onClick)
      : QObject(label), label_(label), onClick_(std::move(onClick)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == label_ && event->type() == QEvent::MouseButtonRelease) {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton && label_->rect().contains(mouse->position().toPoint())) {
        // A copy: the handler may close the window, and the label with it.
        const std::function<void()> run = onClick_;
        if (run) run();
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QLabel* label_;
  std::function<void()> onClick_;
};

}  // namespace

void MakeLinkLabel(QLabel* label, std::function<void()> onClick) {
  label->setCursor(Qt::PointingHandCursor);
  label->installEventFilter(new LinkWatcher(label, std::move(onClick)));
}

}  // namespace platform
