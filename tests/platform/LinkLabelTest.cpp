#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QWidget>

#include <QPointer>

#include "platform/LinkLabel.h"

namespace {

struct LinkFixture {
  LinkFixture() {
    window.resize(200, 100);
    label = new QLabel(QStringLiteral("Visit us"), &window);
    label->setGeometry(10, 10, 100, 20);
    platform::MakeLinkLabel(label, [this] { ++clicks; });
    window.show();
  }
  QWidget window;
  QLabel* label = nullptr;
  int clicks = 0;
};

TEST(LinkLabel, LeftClickInsideRunsTheHandlerWithTheHandCursor) {
  LinkFixture f;
  EXPECT_EQ(f.label->cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseClick(f.label, Qt::LeftButton);
  EXPECT_EQ(f.clicks, 1);
  QTest::mouseClick(f.label, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
  EXPECT_EQ(f.clicks, 2);
}

TEST(LinkLabel, OtherButtonsPressAloneAndReleaseOutsideDoNothing) {
  LinkFixture f;
  QTest::mouseClick(f.label, Qt::RightButton);
  QTest::mouseClick(f.label, Qt::MiddleButton);
  QTest::mousePress(f.label, Qt::LeftButton);
  EXPECT_EQ(f.clicks, 0);
  QTest::mouseRelease(f.label, Qt::LeftButton, Qt::NoModifier, QPoint(150, 5));  // dragged off the label
  EXPECT_EQ(f.clicks, 0);
}

TEST(LinkLabel, TheHandlerMayDeleteTheLabel) {
  QWidget window;
  auto* label = new QLabel(QStringLiteral("Close"), &window);
  label->setGeometry(0, 0, 80, 20);
  bool ran = false;
  platform::MakeLinkLabel(label, [&] {
    ran = true;
    label->deleteLater();
  });
  window.show();
  QPointer<QLabel> watch(label);
  QTest::mouseClick(label, Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(ran);
  EXPECT_TRUE(watch.isNull());
}

}  // namespace
