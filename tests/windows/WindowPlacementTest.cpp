// Where the windows open: their frames inside the screen's free area, title bar
// and menus within reach. CTest runs these twice: on the default screen, and on a
// 1366 x 768 screen at twice the scale, where the input window is larger than
// the free area.
#include <QApplication>
#include <QScreen>
#include <QTest>

#include "platform/Forms.h"
#include "windows/MDI.h"
#include "windows/frmAbout.h"
#include "windows/frmExitScreen.h"
#include "windows/frmMain.h"
#include "windows/frmSave.h"
#include "windows/frmStartup.h"
#include "support/Doubles.h"

using platform::Form;

namespace {

class WindowPlacementTest : public testing_doubles::WindowTest {
 protected:
  // The frame starts inside the free area, and lies wholly inside it when it is
  // no larger or (mustFit) when the window can be made smaller.
  static void ExpectOnScreen(QWidget& window, bool mustFit = false) {
    QTest::qWait(20);  // the window system's answers to the placement
    SCOPED_TRACE(window.objectName().toStdString());
    const QRect available = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    EXPECT_TRUE(available.contains(frame.topLeft()))
        << frame.x() << "," << frame.y() << " in " << available.width() << "x" << available.height();
    if (mustFit || frame.width() <= available.width()) {
      EXPECT_LE(frame.right(), available.right());
    }
    if (mustFit || frame.height() <= available.height()) {
      EXPECT_LE(frame.bottom(), available.bottom());
    }
  }
};

TEST_F(WindowPlacementTest, EveryWindowOpensInsideTheScreensFreeArea) {
  Form<frmStartup>::Get();
  ExpectOnScreen(Form<frmMain>::Show());
  ExpectOnScreen(Form<frmAbout>::Show());
  Form<frmAbout>::Unload();
  ExpectOnScreen(Form<frmSave>::Show());
  Form<frmSave>::Unload();
  ExpectOnScreen(Form<frmExitScreen>::Show());
}

TEST_F(WindowPlacementTest, TheMainWindowRestoredFromMaximisedFitsTheFreeArea) {
  // Started from the input window, as a chart run does.
  Form<frmStartup>::Get();
  Form<frmMain>::Show();
  QApplication::processEvents();
  MDI& mdi = Form<MDI>::Show();
  QApplication::processEvents();
  ASSERT_TRUE(mdi.isMaximized());
  mdi.showNormal();
  ExpectOnScreen(mdi, true);
  // Restored again after being maximised by the user.
  mdi.showMaximized();
  QApplication::processEvents();
  mdi.showNormal();
  ExpectOnScreen(mdi, true);
}

}  // namespace
