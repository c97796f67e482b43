#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/Forms.h"
#include "platform/Look.h"
#include "support/Doubles.h"

namespace {

int loads = 0;
int unloads = 0;

class SampleForm : public QWidget {
 public:
  void Form_Load() { ++loads; }
  void Form_Unload() {
    ++unloads;
    platform::Form<SampleForm>::Unload();  // re-entry must not run the handler twice
  }
};

using Sample = platform::Form<SampleForm>;

TEST(Forms, LoadOnFirstUseUnloadOnceReloadAfresh) {
  loads = unloads = 0;
  EXPECT_FALSE(Sample::IsLoaded());
  SampleForm& first = Sample::Get();
  Sample::Get();
  EXPECT_EQ(loads, 1);
  EXPECT_TRUE(Sample::IsLoaded());
  EXPECT_EQ(platform::LoadedForms().size(), 1u);
  EXPECT_EQ(platform::LoadedForms().front().widget, &first);

  Sample::Unload();
  Sample::Unload();
  EXPECT_EQ(unloads, 1);
  EXPECT_FALSE(Sample::IsLoaded());
  EXPECT_TRUE(platform::LoadedForms().empty());

  Sample::Hide();  // never loads
  EXPECT_FALSE(Sample::IsLoaded());
  Sample::Get();
  EXPECT_EQ(loads, 2);
  testing_doubles::UnloadAllForms();
  EXPECT_EQ(unloads, 2);
}

TEST(Look, TwipsAndPalette) {
  EXPECT_EQ(platform::Px(15), 1);
  EXPECT_EQ(platform::Px(6750), 450);
  EXPECT_EQ(platform::Px(22), 1);
  EXPECT_EQ(platform::Px(23), 2);
  EXPECT_EQ(platform::ClassicColor(1), QColor(0, 0, 128));
  EXPECT_EQ(platform::ClassicColor(8), QColor(128, 128, 128));
  EXPECT_EQ(platform::ClassicColor(12), QColor(255, 0, 0));
}

TEST(Look, CentreOnScreenPutsTheWindowInTheMiddleOfTheFreeArea) {
  QWidget window;
  window.resize(300, 200);
  platform::CentreOnScreen(&window);
  const QScreen* screen = QGuiApplication::primaryScreen();
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(window.geometry().center(), screen->availableGeometry().center());
  EXPECT_EQ(window.size(), QSize(300, 200));
}

}  // namespace
