// Picture names and the JPEG writer: extension replaced by ".jpg", numbered
// copies _001.._999 taking the first free number, and nothing overwritten.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

#include "windows/modSaveForm.h"
#include "support/Doubles.h"

namespace {

QImage Sample() {
  QImage image(120, 80, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.fillRect(10, 10, 50, 30, QColor(255, 128, 0));
  return image;
}

class JpegNamingTest : public testing_doubles::WindowTest {
 protected:
  QTemporaryDir dir;
  QString Path(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }
  void Touch(const QString& name) {
    QFile f(Path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
  }
  QStringList Files() const {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
  }
};

TEST_F(JpegNamingTest, NewNameThenNumberedCopiesWithTheFirstFreeNumber) {
  const QString chosen = Path(QStringLiteral("chart.jpg"));
  EXPECT_EQ(SavePictureAsJpeg(Sample(), chosen), chosen);
  EXPECT_EQ(SavePictureAsJpeg(Sample(), chosen), Path(QStringLiteral("chart_001.jpg")));
  EXPECT_EQ(SavePictureAsJpeg(Sample(), chosen), Path(QStringLiteral("chart_002.jpg")));
  ASSERT_TRUE(QFile::remove(Path(QStringLiteral("chart_001.jpg"))));
  EXPECT_EQ(SavePictureAsJpeg(Sample(), chosen), Path(QStringLiteral("chart_001.jpg")));
  EXPECT_EQ(Files(), (QStringList{"chart.jpg", "chart_001.jpg", "chart_002.jpg"}));
  EXPECT_TRUE(d.messages->shown.empty());
}

TEST_F(JpegNamingTest, TheWrittenFileIsABestQualityJpegOfThePicture) {
  const QString path = SavePictureAsJpeg(Sample(), Path(QStringLiteral("chart.jpg")));
  QImageReader reader(path);
  EXPECT_EQ(reader.format(), QByteArray("jpeg"));
  const QImage back = reader.read();
  ASSERT_EQ(back.size(), QSize(120, 80));
  const QColor inside = back.pixelColor(30, 20);
  EXPECT_NEAR(inside.red(), 255, 6);
  EXPECT_NEAR(inside.green(), 128, 6);
  EXPECT_NEAR(inside.blue(), 0, 6);
  EXPECT_EQ(Files(), QStringList{"chart.jpg"});  // no BMP or temporary file left
}

TEST_F(JpegNamingTest, EveryExtensionBecomesJpg) {
  EXPECT_EQ(SavePictureAsJpeg(Sample(), Path(QStringLiteral("chart.final.jpg"))),
            Path(QStringLiteral("chart.jpg")));
  EXPECT_EQ(SavePictureAsJpeg(Sample(), Path(QStringLiteral("plain"))),
            Path(QStringLiteral("plain.jpg")));
  EXPECT_EQ(SavePictureAsJpeg(Sample(), Path(QStringLiteral("pic.png"))),
            Path(QStringLiteral("pic.jpg")));
  EXPECT_EQ(SavePictureAsJpeg(Sample(), Path(QStringLiteral("Pic.JPG"))),
            Path(QStringLiteral("Pic.jpg")));
}

TEST_F(JpegNamingTest, DotsInFolderNamesAreKept) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("anna.maria")));
  const QString chosen = Path(QStringLiteral("anna.maria/chart.png"));
  EXPECT_EQ(SavePictureAsJpeg(Sample(), chosen), Path(QStringLiteral("anna.maria/chart.jpg")));
  EXPECT_TRUE(QFile::exists(Path(QStringLiteral("anna.maria/chart.jpg"))));
  // A folder without a dot in its file name part.
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("v1.2")));
  EXPECT_EQ(SavePictureAsJpeg(Sample(), Path(QStringLiteral("v1.2/chart"))),
            Path(QStringLiteral("v1.2/chart.jpg")));
}

TEST_F(JpegNamingTest, NineHundredNinetyNineCopiesThenTheMessage) {
  Touch(QStringLiteral("chart.jpg"));
  for (int n = 1; n <= 998; ++n) Touch(QStringLiteral("chart_%1.jpg").arg(n, 3, 10, QLatin1Char('0')));
  const QString chosen = Path(QStringLiteral("chart.jpg"));
  EXPECT_EQ(SavePictureAsJpeg(Sample(), chosen), Path(QStringLiteral("chart_999.jpg")));
  EXPECT_TRUE(d.messages->shown.empty());

  const int before = static_cast<int>(Files().size());
  EXPECT_EQ(SavePictureAsJpeg(Sample(), chosen), QString());
  ASSERT_EQ(d.messages->shown.size(), 1u);
  const testing_doubles::ShownMessage& m = d.messages->shown[0];
  EXPECT_EQ(m.text, QStringLiteral("There are too many Copies of this file  chart.jpg"));
  EXPECT_EQ(m.title, QStringLiteral(" UNABLE  TO  CREATE  NEW  FILEchart.jpg"));
  EXPECT_EQ(m.icon, platform::MsgIcon::Critical);
  EXPECT_EQ(m.buttons, platform::MsgButtons::OK);
  EXPECT_EQ(static_cast<int>(Files().size()), before);
}

TEST_F(JpegNamingTest, UnwritableFolderTellsTheUserAndLosesNothing) {
  Touch(QStringLiteral("blocker"));
  const QString chosen = Path(QStringLiteral("blocker/chart.jpg"));
  EXPECT_EQ(SavePictureAsJpeg(Sample(), chosen), QString());
  ASSERT_EQ(d.messages->shown.size(), 1u);
  EXPECT_TRUE(d.messages->shown[0].text.contains(chosen));
  EXPECT_EQ(Files(), QStringList{"blocker"});
  QFile f(Path(QStringLiteral("blocker")));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("x"));
}

TEST_F(JpegNamingTest, AnEmptyPictureIsNotWritten) {
  EXPECT_EQ(SavePictureAsJpeg(QImage(), Path(QStringLiteral("chart.jpg"))), QString());
  EXPECT_EQ(d.messages->shown.size(), 1u);
  EXPECT_TRUE(Files().isEmpty());
}

TEST_F(JpegNamingTest, UniqueJpegPathRules) {
  d.clock->now = QDateTime(QDate(2024, 2, 9), QTime(7, 5, 3, 42));
  EXPECT_EQ(UniqueJpegPath(dir.path() + QStringLiteral("//"), QStringLiteral("a.bmp")),
            Path(QStringLiteral("a.jpg")));
  EXPECT_EQ(UniqueJpegPath(dir.path(), QString()), Path(QStringLiteral("20240209.jpg")));
  EXPECT_EQ(UniqueJpegPath(QString(), QStringLiteral("x.jpg")),
            QCoreApplication::applicationDirPath() + QStringLiteral("/x.jpg"));
  // A folder of the candidate's name is not a file: the name is free.
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("d.jpg")));
  EXPECT_TRUE(FileExists(Path(QStringLiteral("d.jpg"))) == false);
}

TEST_F(JpegNamingTest, TimeStampAndSplitPath) {
  d.clock->now = QDateTime(QDate(2024, 2, 9), QTime(7, 5, 3, 42));
  EXPECT_EQ(TimeStampName(false), QStringLiteral("20240209070503042"));
  EXPECT_EQ(TimeStampName(true), QStringLiteral("20240209"));

  QString folder = QStringLiteral("keep");
  QString file = QStringLiteral("keep");
  SplitPath(QStringLiteral("nofolder.jpg"), folder, file);
  EXPECT_EQ(folder, QStringLiteral("keep"));
  EXPECT_EQ(file, QStringLiteral("keep"));
  SplitPath(QStringLiteral("/home/a.b/c.jpg"), folder, file);
  EXPECT_EQ(folder, QStringLiteral("/home/a.b"));
  EXPECT_EQ(file, QStringLiteral("c.jpg"));
}

TEST_F(JpegNamingTest, ANameWithoutFolderGoesToTheProgramFolderUnderTheDate) {
  d.clock->now = QDateTime(QDate(1999, 12, 31), QTime(23, 59));
  const QString expected = QCoreApplication::applicationDirPath() + QStringLiteral("/19991231.jpg");
  QFile::remove(expected);
  EXPECT_EQ(SavePictureAsJpeg(Sample(), QStringLiteral("chart")), expected);
  EXPECT_TRUE(QFile::exists(expected));
  QFile::remove(expected);
}

}  // namespace
