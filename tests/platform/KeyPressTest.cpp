// The key-press helper's own contract: its handlers never outlive the window
// that registered them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include "platform/KeyPress.h"

namespace {

// A window whose focus handler reads the window: it must never run once the
// window's own destructor has begun, while the controls are still being torn down.
class Window final : public QWidget {
 public:
  explicit Window(bool& ranOnGoneWindow) : ranOnGoneWindow_(ranOnGoneWindow) {
    box = new QLineEdit(this);
    other = new QLineEdit(this);
    events.Focus(box, [] {}, [this] { ranOnGoneWindow_ = ranOnGoneWindow_ || gone_; });
  }
  ~Window() override { gone_ = true; }

  QLineEdit* box = nullptr;
  QLineEdit* other = nullptr;

 private:
  bool& ranOnGoneWindow_;
  bool gone_ = false;
  platform::ControlEvents events;
};

TEST(ControlEvents, DestroyingAWindowWithAFocusedBoxRunsNoHandlerOfThatWindow) {
  bool ranOnGoneWindow = false;
  int lostFocus = 0;
  {
    auto* window = new Window(ranOnGoneWindow);
    platform::ControlEvents counter;
    counter.Focus(window->other, [] {}, [&] { ++lostFocus; });
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    window->other->setFocus();
    window->box->setFocus();
    EXPECT_EQ(lostFocus, 1);  // the handlers do run while the window lives
    delete window;
  }
  EXPECT_FALSE(ranOnGoneWindow);
}

}  // namespace
