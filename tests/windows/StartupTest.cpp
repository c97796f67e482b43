// Start-up: the second instance, the steps of a normal start, steps that fail,
// the co-brand pick, and what every run sets up first.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPixmapCache>
#include <stdexcept>

#include "windows/frmMain.h"
#include "platform/Forms.h"
#include "windows/MDI.h"
#include "windows/frmExitScreen.h"
#include "windows/frmStartup.h"
#include "windows/modHelp_QuitApplication.h"
#include "support/QuitRecordingTest.h"

using platform::Form;

namespace {

using StartupTest = testing_doubles::QuitRecordingTest;

// Which of the two overlapping labels lies on top: the later sibling.
QLabel* TopBrandLabel(frmMain& main) {
  const QObjectList& order = main.fraFullBrand->children();
  return order.indexOf(main.lblCobrand) > order.indexOf(main.lblFullBrand) ? main.lblCobrand : main.lblFullBrand;
}

TEST_F(StartupTest, SecondInstanceShowsItsMessageAndQuitsWithoutAnyWindow) {
  d.instance->available = false;
  Form<frmStartup>::Get();
  ASSERT_EQ(d.messages->shown.size(), 1u);
  EXPECT_EQ(d.messages->shown[0].text, QStringLiteral("Application is already running"));
  EXPECT_EQ(d.messages->shown[0].icon, platform::MsgIcon::Information);
  EXPECT_EQ(d.messages->shown[0].buttons, platform::MsgButtons::OK);
  EXPECT_TRUE(d.messages->shown[0].title.isEmpty());
  // Nothing else of the start runs.
  EXPECT_EQ(d.random->randomizeCalls, 0);
  EXPECT_EQ(d.settings->saves, 0);
  EXPECT_FALSE(Form<frmMain>::IsLoaded());

  // The quit follows from the event loop.
  QCoreApplication::processEvents();
  EXPECT_FALSE(Form<frmStartup>::IsLoaded());
  EXPECT_TRUE(platform::LoadedForms().empty());
  EXPECT_EQ(ends, 1);
}

TEST_F(StartupTest, NormalStartShowsOnlyTheInputWindow) {
  frmStartup& startup = Form<frmStartup>::Get();
  EXPECT_EQ(d.instance->calls, 1);
  EXPECT_EQ(d.random->randomizeCalls, 1);
  // The reminder ran: a first start stores its two values.
  EXPECT_EQ(d.settings->values.size(), 2);
  EXPECT_TRUE(d.messages->shown.empty());
  ASSERT_TRUE(Form<frmMain>::IsLoaded());
  EXPECT_TRUE(Form<frmMain>::Get().isVisible());
  EXPECT_FALSE(startup.isVisible());
  EXPECT_FALSE(Form<MDI>::IsLoaded());
  EXPECT_FALSE(Form<frmExitScreen>::IsLoaded());
  EXPECT_GE(startup.intCoBrandRandomNumber, 1);
  EXPECT_LE(startup.intCoBrandRandomNumber, 6);

  // Hiding the start-up form again, from anywhere, shows nothing; nor does a
  // request to show it.
  for (int i = 0; i < 3; ++i) Form<frmStartup>::Hide();
  EXPECT_FALSE(startup.isVisible());
  startup.show();
  EXPECT_FALSE(startup.isVisible());
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible()) {
      EXPECT_EQ(w->objectName(), QStringLiteral("frmMain"));
    }
  }
  EXPECT_EQ(ends, 0);
}

TEST_F(StartupTest, ReminderQuestionComesBeforeTheInputWindow) {
  d.settings->Save(QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"), QString());  // unrelated value
  // A stored reminder date long ago: the question is shown while no window is.
  class Probe final : public platform::IMessageBox {
   public:
    platform::MsgAnswer Show(const QString&, platform::MsgButtons, platform::MsgIcon, const QString&) override {
      inputWindowLoadedAtQuestion = Form<frmMain>::IsLoaded();
      ++shown;
      return platform::MsgAnswer::No;
    }
    bool inputWindowLoadedAtQuestion = true;
    int shown = 0;
  };
  auto probe = std::make_unique<Probe>();
  Probe* seen = probe.get();
  platform::Install<platform::IMessageBox>(std::move(probe));
  // First start stores today; move the clock a month on for the second start.
  Form<frmStartup>::Get();
  testing_doubles::UnloadAllForms();
  d.clock->now = d.clock->now.addDays(30);
  Form<frmStartup>::Get();
  EXPECT_EQ(seen->shown, 1);
  EXPECT_FALSE(seen->inputWindowLoadedAtQuestion);
  EXPECT_TRUE(Form<frmMain>::Get().isVisible());
}

TEST_F(StartupTest, FailingStepsAreSkipped) {
  class BrokenSettings final : public platform::ISettingsStore {
   public:
    QString Get(const QString&, const QString&, const QString&) override { throw std::runtime_error("store"); }
    void Save(const QString&, const QString&, const QString&, const QString&) override {
      throw std::runtime_error("store");
    }
  };
  class BrokenRandom final : public platform::IRandom {
   public:
    void Randomize() override { throw std::runtime_error("seed"); }
    float Rnd() override { throw std::runtime_error("draw"); }
  };
  platform::Install<platform::ISettingsStore>(std::make_unique<BrokenSettings>());
  platform::Install<platform::IRandom>(std::make_unique<BrokenRandom>());
  frmStartup& startup = Form<frmStartup>::Get();
  EXPECT_TRUE(Form<frmMain>::Get().isVisible());
  EXPECT_FALSE(startup.isVisible());
  EXPECT_EQ(startup.intCoBrandRandomNumber, 0);
  platform::Install<platform::ISettingsStore>(nullptr);
  platform::Install<platform::IRandom>(nullptr);
}

TEST_F(StartupTest, FailingStepsAreReportedOnTheErrorStream) {
  class BrokenRandom final : public platform::IRandom {
   public:
    void Randomize() override { throw std::runtime_error("no seed"); }
    float Rnd() override { throw 7; }
  };
  platform::Install<platform::IRandom>(std::make_unique<BrokenRandom>());
  testing::internal::CaptureStderr();
  Form<frmStartup>::Get();
  const std::string written = testing::internal::GetCapturedStderr();
  platform::Install<platform::IRandom>(nullptr);
  EXPECT_NE(written.find("Start-up step \"randomize\" failed: no seed\n"), std::string::npos) << written;
  EXPECT_NE(written.find("Start-up step \"CoBrand_Randomize\" failed: unknown exception\n"), std::string::npos)
      << written;
}

TEST_F(StartupTest, CoBrandPickBringsExactlyOneLabelToTheFront) {
  frmStartup& startup = Form<frmStartup>::Get();
  frmMain& main = Form<frmMain>::Get();
  // Draws at the edges of the six numbers.
  const std::vector<std::pair<float, int>> draws{{0.0f, 1},       {0.1666f, 1}, {0.1667f, 2}, {0.4f, 3},
                                                 {0.5f, 4},       {0.7f, 5},    {0.84f, 6},   {0.99999994f, 6}};
  for (const auto& [r, number] : draws) {
    d.random->values = {r};
    startup.CoBrand_Randomize();
    EXPECT_EQ(startup.intCoBrandRandomNumber, number) << r;
    EXPECT_EQ(TopBrandLabel(main), number % 2 ? main.lblCobrand : main.lblFullBrand) << r;
  }

  // Over many draws of the generator each label comes out on top about half the time.
  int cobrand = 0;
  const int starts = 600;
  for (int i = 0; i < starts; ++i) {
    startup.CoBrand_Randomize();
    const bool odd = startup.intCoBrandRandomNumber % 2 != 0;
    ASSERT_EQ(TopBrandLabel(main), odd ? main.lblCobrand : main.lblFullBrand);
    if (odd) ++cobrand;
  }
  EXPECT_GT(cobrand, starts * 4 / 10);
  EXPECT_LT(cobrand, starts * 6 / 10);
}

TEST_F(StartupTest, UnloadingTheStartupFormQuits) {
  Form<frmStartup>::Get();
  Form<frmStartup>::Unload();
  EXPECT_TRUE(platform::LoadedForms().empty());
  EXPECT_EQ(ends, 1);
}

// Over a session of charts a cache of drawn pictures would only fill (see
// SetUpApplication): none is kept.
TEST(SetUpApplicationTest, KeepsNoDrawnPictures) {
  SetUpApplication();
  QPixmap picture(16, 16);
  picture.fill(Qt::red);
  QPixmapCache::insert(QStringLiteral("drawn picture"), picture);
  QPixmap found;
  EXPECT_FALSE(QPixmapCache::find(QStringLiteral("drawn picture"), &found));
}

}  // namespace
