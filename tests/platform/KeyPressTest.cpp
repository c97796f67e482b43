// The key-press helper's own contract: its handlers never outlive the window
// that registered them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <memory>
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


// Return and Enter press the focused push button as Space does, once, in a plain
// window and in a dialog whose buttons press themselves; a text box keeps Return.
TEST(PressFocusedButtonsOnReturn, ReturnAndEnterPressTheFocusedButtonOnce) {
  struct Case {
    bool inDialog;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int clicks;
  };
  const Case cases[] = {
      {false, Qt::Key_Return, Qt::NoModifier, 1}, {false, Qt::Key_Enter, Qt::KeypadModifier, 1},
      {false, Qt::Key_Space, Qt::NoModifier, 1},  {false, Qt::Key_Return, Qt::ControlModifier, 0},
      {true, Qt::Key_Return, Qt::NoModifier, 1},  {true, Qt::Key_Enter, Qt::KeypadModifier, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "dialog " << c.inDialog << " key " << c.key);
    std::unique_ptr<QWidget> window(c.inDialog ? new QDialog : new QWidget);
    auto* button = new QPushButton(QStringLiteral("Go"), window.get());
    auto* box = new QLineEdit(window.get());
    box->move(0, 40);
    int clicks = 0;
    int returns = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    QObject::connect(box, &QLineEdit::returnPressed, [&] { ++returns; });
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    button->setFocus();
    QTest::keyClick(button, c.key, c.modifiers);
    EXPECT_EQ(clicks, c.clicks);

    clicks = 0;
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(returns, 1);
    if (!c.inDialog) {
      EXPECT_EQ(clicks, 0);
    }
  }
}

}  // namespace
