// Save As JPEG from the main window's menu: the chart window's picture.
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QImageWriter>
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

// The picture as the JPEG writer encodes it, decoded again.
QImage AsJpeg(const QImage& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpg");
  writer.setQuality(JpegQuality);
  EXPECT_TRUE(writer.write(picture));
  return QImage::fromData(bytes, "jpg");
}

TEST_F(JpegWindowTest, SaveAsJpegWritesTheChartWindowAsItIsWhenSaved) {
  frmDisplay& display = Form<frmDisplay>::Get();
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
  EXPECT_EQ(written.size(), display.contentsRect().size());
  EXPECT_EQ(written, AsJpeg(SnapFormPicture(display)));

  // A change to the chart window since the main window was last activated is in
  // the next picture.
  display.lblLagna->setText(QStringLiteral("Sagittarius Sagittarius"));
  const QImage changed = AsJpeg(SnapFormPicture(display));
  EXPECT_NE(changed, written);
  // The next dialog proposes the last name; saving it again numbers the copy.
  SaveJpeg(Path(QStringLiteral("chart.jpg")));
  EXPECT_EQ(d.files->saveRequests[1].fileName, Path(QStringLiteral("chart.png")));
  EXPECT_EQ(Files(), (QStringList{"chart.jpg", "chart_001.jpg"}));
  EXPECT_EQ(QImage(Path(QStringLiteral("chart_001.jpg"))), changed);
}

TEST_F(JpegWindowTest, ACoveringWindowDoesNotLeakIntoThePicture) {
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
  SaveJpeg(Path(QStringLiteral("chart.jpg")));
  const QImage snap = QImage(Path(QStringLiteral("chart.jpg"))).convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(snap.isNull());
  bool leaked = false;
  for (int y = 0; y < snap.height() && !leaked; y += 7)
    for (int x = 0; x < snap.width() && !leaked; x += 7) {
      const QColor c = snap.pixelColor(x, y);
      leaked = c.red() < 40 && c.green() > 215 && c.blue() < 40;
    }
  EXPECT_FALSE(leaked);
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
