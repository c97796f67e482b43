// QuitApplication: every loaded window unloaded with its handler run once, the
// re-entry from the start-up form and the exit screen, windows that unload
// handlers load, and one end of the program per quit.
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <map>

#include "windows/frmMain.h"
#include "platform/Forms.h"
#include "windows/ExitScreenRoad.h"
#include "windows/MDI.h"
#include "windows/frmExitScreen.h"
#include "windows/frmStartup.h"
#include "windows/modHelp_QuitApplication.h"
#include "support/QuitRecordingTest.h"

using platform::Form;

namespace {

std::map<QString, int> unloads;

// Windows whose unload handlers count, re-enter the quit or load another window.
template <int N>
class Counted : public QWidget {
 public:
  Counted() { setObjectName(QStringLiteral("Counted%1").arg(N)); }
  void Form_Unload() {
    ++unloads[objectName()];
    if constexpr (N == 1) QuitApplication();
    if constexpr (N == 2) Form<Counted<3>>::Get();
  }
};

class QuitTest : public testing_doubles::QuitRecordingTest {
 protected:
  void SetUp() override {
    QuitRecordingTest::SetUp();
    unloads.clear();
  }
};

TEST_F(QuitTest, EveryWindowIsUnloadedOnceAndTheProgramEndsOnce) {
  Form<Counted<0>>::Get();
  Form<Counted<1>>::Get();  // re-enters
  Form<Counted<2>>::Get();  // loads Counted<3> while unloading
  Form<Counted<4>>::Get();
  Form<Counted<5>>::Get();
  QuitApplication();
  EXPECT_TRUE(platform::LoadedForms().empty());
  for (const char* name : {"Counted0", "Counted1", "Counted2", "Counted3", "Counted4", "Counted5"}) {
    EXPECT_EQ(unloads[QLatin1String(name)], 1) << name;
  }
  EXPECT_EQ(ends, 1);
  EXPECT_EQ(loadedAtEnd, 0u);
  EXPECT_FALSE(QuitInProgress());

  // A later quit is a quit of its own.
  Form<Counted<0>>::Get();
  QuitApplication();
  EXPECT_EQ(unloads[QStringLiteral("Counted0")], 2);
  EXPECT_EQ(ends, 2);
}

TEST_F(QuitTest, ExitFromTheExitScreenUnloadsTheWholeProgram) {
  // The program after the user left the chart: start-up form, input window and
  // main window loaded and hidden, the exit screen up.
  Form<frmStartup>::Get();
  Form<frmMain>::Get();
  Form<MDI>::Get();
  QPointer<QWidget> startup = &Form<frmStartup>::Get();
  ShowExitScreen();
  ASSERT_TRUE(Form<frmExitScreen>::IsLoaded());
  QTest::mouseClick(Form<frmExitScreen>::Get().cmdClose, Qt::LeftButton);

  for (const auto& f : platform::LoadedForms()) ADD_FAILURE() << f.widget->objectName().toStdString();
  EXPECT_FALSE(Form<frmStartup>::IsLoaded());
  EXPECT_FALSE(Form<frmMain>::IsLoaded());
  EXPECT_FALSE(Form<MDI>::IsLoaded());
  EXPECT_FALSE(Form<frmExitScreen>::IsLoaded());
  EXPECT_EQ(ends, 1);
  // No window is left on screen, and the unloaded windows go away with the event loop.
  for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(startup.isNull());
}

TEST_F(QuitTest, WindowsClosingDuringTheQuitBringUpNoExitScreen) {
  // The input window's and main window's unloads show the exit screen; during a
  // quit they must not load it again.
  Form<frmStartup>::Get();
  Form<MDI>::Get();
  QuitApplication();
  EXPECT_FALSE(Form<frmExitScreen>::IsLoaded());
  EXPECT_TRUE(platform::LoadedForms().empty());
  EXPECT_EQ(ends, 1);
}

TEST_F(QuitTest, TheDefaultEndLeavesNestedEventLoopsAlone) {
  // Outside the main loop the program's own end step does nothing, so it can
  // neither end a test process nor cut short a modal window's loop.
  ASSERT_TRUE(defaultEnd);
  defaultEnd();
  QCoreApplication::processEvents();
  QEventLoop loop;
  QTimer::singleShot(0, &loop, [&loop] { loop.exit(7); });
  EXPECT_EQ(loop.exec(), 7);
}

}  // namespace
