// The chart window's snapshot taken on each activation of the main window, and
// Save As JPEG from the main window's menu.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QTemporaryDir>

#include "windows/frmDisplay.h"
#include "windows/modSaveForm.h"
#include "platform/Forms.h"
#include "windows/MDI.h"
#include "support/Doubles.h"

using platform::Form;

namespace {

class JpegWindowTest : public testing_doubles::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    mdi = &Form<MDI>::Show();
    QApplication::processEvents();
  }
  QString Path(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }
  void SaveJpeg(const std::optional<QString>& answer) {
    d.files->answers.push_back(answer);
    mdi->mnuSaveAsJpeg->trigger();
  }
  QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }

  MDI* mdi = nullptr;
  QTemporaryDir dir;
};

TEST_F(JpegWindowTest, ActivationKeepsASnapshotOfTheChartWindowsClientArea) {
  frmDisplay& display = Form<frmDisplay>::Get();
  display.Picture1->setPicture(QImage());
  mdi->MDIForm_Activate();
  ASSERT_TRUE(display.Picture1->hasPicture());
  EXPECT_EQ(display.Picture1->picture().size(), display.contentsRect().size());

  // A new activation replaces it with what the window shows now.
  display.lblLagna->setText(QStringLiteral("Sagittarius Sagittarius"));
  const QImage before = display.Picture1->picture();
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(mdi, &activate);
  EXPECT_NE(display.Picture1->picture(), before);
}

TEST_F(JpegWindowTest, TheSnapshotIsTakenOnceTheChartIsOnScreenNotWhenItIsSaved) {
  frmDisplay& display = Form<frmDisplay>::Get();
  const QImage onScreen = SnapFormPicture(display);
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(mdi, &activate);
  display.repaint();
  QApplication::processEvents();
  // A change after the activation shows in the next snapshot, not in this one.
  display.lblLagna->setText(QStringLiteral("Sagittarius Sagittarius"));
  EXPECT_EQ(display.Picture1->picture(), onScreen);
}

TEST_F(JpegWindowTest, ACoveringWindowDoesNotLeakIntoTheSnapshot) {
  frmDisplay& display = Form<frmDisplay>::Get();
  QWidget cover;
  cover.setAutoFillBackground(true);
  QPalette p = cover.palette();
  p.setColor(QPalette::Window, QColor(1, 254, 1));
  cover.setPalette(p);
  cover.setGeometry(QRect(display.mapToGlobal(QPoint(0, 0)), display.size()));
  cover.show();
  cover.raise();
  QApplication::processEvents();
  mdi->MDIForm_Activate();
  const QImage snap = display.Picture1->picture().convertToFormat(QImage::Format_RGB32);
  bool leaked = false;
  for (int y = 0; y < snap.height() && !leaked; y += 7)
    for (int x = 0; x < snap.width() && !leaked; x += 7)
      leaked = snap.pixelColor(x, y) == QColor(1, 254, 1);
  EXPECT_FALSE(leaked);
}

TEST_F(JpegWindowTest, SaveAsJpegWritesTheStoredSnapshot) {
  mdi->MDIForm_Activate();
  const QImage stored = Form<frmDisplay>::Get().Picture1->picture();
  SaveJpeg(Path(QStringLiteral("chart.png")));
  ASSERT_EQ(d.files->saveRequests.size(), 1u);
  const platform::FileDialogRequest& request = d.files->saveRequests[0];
  EXPECT_EQ(request.filter, QStringLiteral("JPEG Image (*.jpg)|*.jpg"));
  EXPECT_EQ(request.defaultExt, QStringLiteral("JPG"));
  EXPECT_EQ(request.title, QString());
  EXPECT_FALSE(request.overwritePrompt);

  ASSERT_EQ(Files(), QStringList{"chart.jpg"});
  QImageReader reader(Path(QStringLiteral("chart.jpg")));
  EXPECT_EQ(reader.format(), QByteArray("jpeg"));
  const QImage written = reader.read();
  EXPECT_EQ(written.size(), stored.size());
  // Best quality: a pixel of the white background stays white.
  EXPECT_EQ(written.pixelColor(written.width() / 2, written.height() - 3).lightness(),
            stored.pixelColor(stored.width() / 2, stored.height() - 3).lightness());

  // The next dialog proposes the last name; saving it again numbers the copy.
  SaveJpeg(Path(QStringLiteral("chart.jpg")));
  EXPECT_EQ(d.files->saveRequests[1].fileName, Path(QStringLiteral("chart.png")));
  EXPECT_EQ(Files(), (QStringList{"chart.jpg", "chart_001.jpg"}));
}

TEST_F(JpegWindowTest, ACancelledPictureDialogSavesNothing) {
  SaveJpeg(Path(QStringLiteral("chart.jpg")));
  SaveJpeg(std::nullopt);
  SaveJpeg(QString());
  EXPECT_EQ(Files(), QStringList{"chart.jpg"});
  EXPECT_TRUE(d.messages->shown.empty());
}

TEST_F(JpegWindowTest, AnUnwritableFolderIsReported) {
  {
    QFile f(Path(QStringLiteral("blocker")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  SaveJpeg(Path(QStringLiteral("blocker/chart.jpg")));
  ASSERT_EQ(d.messages->shown.size(), 1u);
  EXPECT_TRUE(d.messages->shown[0].text.contains(Path(QStringLiteral("blocker/chart.jpg"))));
  EXPECT_EQ(Files(), QStringList{"blocker"});
}

}  // namespace
