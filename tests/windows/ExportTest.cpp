// The text export from the main window, byte for byte, and the file name it
// shares with Save As.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

#include "chart/ChartData.h"
#include "chart/ChartFile.h"
#include "windows/frmDisplay.h"
#include "platform/Forms.h"
#include "windows/modSaveForm.h"
#include "windows/MDI.h"
#include "support/Doubles.h"
#include "support/SampleBirths.h"
#include "support/SampleCharts.h"

using platform::Form;

namespace {

class ExportTest : public testing_doubles::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ChartDialogFile.clear();
    // Asha Rao's birth with positions chosen for the test; every value of the
    // export comes from the current chart.
    const samples::SampleBirth asha = samples::AshaRao();
    using samples::LongitudeAt;
    ChartReadings readings;
    readings.Longitudes = {LongitudeAt(Sign::Pisces, 20, 14), LongitudeAt(Sign::Virgo, 5, 33),      LongitudeAt(Sign::Pisces, 2, 9),
                           LongitudeAt(Sign::Aries, 11, 40),  LongitudeAt(Sign::Capricorn, 28, 1), LongitudeAt(Sign::Pisces, 17, 52),
                           LongitudeAt(Sign::Cancer, 13, 6),  LongitudeAt(Sign::Cancer, 29, 58)};
    BuildChart(CurrentChart, readings, asha.Record, asha.ZoneRow);
    mdi = &Form<MDI>::Show();
    QApplication::processEvents();
  }

  QString Path(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }

  QByteArray Export(const QString& path) {
    d.files->answers.push_back(path);
    mdi->mnuExport->trigger();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  MDI* mdi = nullptr;
  QTemporaryDir dir;
};

const QByteArray MarchExport =
    "Name: Asha Rao\r\n"
    "Date of Birth: March 5, 1975\r\n"
    "Time of Birth: 14 Hour 7 Minute\r\n"
    "Latitude: 18 Degree 31 Minute \r\n"
    "Longitude: 73 Degree 51 Minute \r\n"
    "City: Pune\r\n"
    "State: Maharashtra\r\n"
    "Country: India\r\n"
    "\r\r\n"
    "Planetary Position\r\n"
    "Sun 20 Pis 14\r\n"
    "Moon 05 Vir 33\r\n"
    "Mercury 02 Pis 09\r\n"
    "Venus 11 Ari 40\r\n"
    "Mars 28 Cap 01\r\n"
    "Jupiter 17 Pis 52\r\n"
    "Saturn 13 Can 06\r\n"
    "Asc 29 Can 58\r\n"
    "\r\r\n"
    "Lagna: Pisces\r\n"
    "Rashi: Virgo\r\n";

TEST_F(ExportTest, WritesTheTwentyOneLinesByteForByte) {
  const QString path = Path(QStringLiteral("asha.txt"));
  EXPECT_EQ(Export(path), MarchExport);
  ASSERT_EQ(d.files->saveRequests.size(), 1u);
  const platform::FileDialogRequest& request = d.files->saveRequests[0];
  EXPECT_EQ(request.title, QStringLiteral("Select the destination text file "));
  EXPECT_EQ(request.filter, QStringLiteral("Export Chart As Text (*.txt)|*.txt"));
  EXPECT_EQ(request.defaultExt, QStringLiteral("txt"));
  EXPECT_TRUE(request.overwritePrompt);
  EXPECT_TRUE(request.pathMustExist);
  EXPECT_EQ(ChartDialogFile, path);
  EXPECT_TRUE(d.messages->shown.empty());
}

TEST_F(ExportTest, ZeroesNegativesAndTextsOutsideTheCharacterSet) {
  CurrentChart.Birth.BirthHour = 0;
  CurrentChart.Birth.BirthMinute = 0;
  CurrentChart.Birth.LongDegree = -5;
  CurrentChart.Birth.BirthMonth = 12;
  CurrentChart.Birth.BirthName = "Zo\xC3\xAB \xE2\x82\xAC";  // e-diaeresis, then a euro sign
  const QList<QByteArray> lines = Export(Path(QStringLiteral("z.txt"))).split('\n');
  ASSERT_EQ(lines.size(), 22);
  EXPECT_EQ(lines[0], QByteArray("Name: Zo\xEB ?\r"));
  EXPECT_EQ(lines[1], QByteArray("Date of Birth: December 5, 1975\r"));
  EXPECT_EQ(lines[2], QByteArray("Time of Birth: 0 Hour 0 Minute\r"));
  EXPECT_EQ(lines[4], QByteArray("Longitude: -5 Degree 51 Minute \r"));
  // The euro sign was named, and the export went ahead on the answer Yes.
  ASSERT_EQ(d.messages->shown.size(), 1u);
  EXPECT_TRUE(d.messages->shown[0].text.contains(QStringLiteral("\u20ac")));
}

TEST_F(ExportTest, ControlCharactersInTextsKeepTheTwentyOneLines) {
  CurrentChart.Birth.BirthName = "Asha\r\nRao\x08";
  CurrentChart.Birth.BirthCity = "Pu\nne";
  CurrentChart.Birth.BirthState = "\x05Maharashtra";
  CurrentChart.Birth.BirthCountry = "In\tdia\r";
  QByteArray expected = MarchExport;
  expected.replace("Name: Asha Rao", "Name: AshaRao");
  EXPECT_EQ(Export(Path(QStringLiteral("c.txt"))), expected);
}

TEST_F(ExportTest, ExportAndSaveAsProposeTheLastNameWithTheirOwnExtension) {
  Export(Path(QStringLiteral("x.txt")));
  d.files->answers.push_back(std::nullopt);
  mdi->mnuSaveAs->trigger();
  ASSERT_EQ(d.files->saveRequests.size(), 2u);
  EXPECT_EQ(d.files->saveRequests[1].fileName, Path(QStringLiteral("x.kdw")));
  EXPECT_TRUE(d.files->saveRequests[1].extensionRequired);
  EXPECT_FALSE(d.files->saveRequests[0].extensionRequired);

  const QString saved = Path(QStringLiteral("anna.kdw"));
  d.files->answers.push_back(saved);
  mdi->mnuSaveAs->trigger();
  d.files->answers.push_back(std::nullopt);
  mdi->mnuExport->trigger();
  ASSERT_EQ(d.files->saveRequests.size(), 4u);
  EXPECT_EQ(d.files->saveRequests[3].fileName, Path(QStringLiteral("anna.txt")));
  EXPECT_EQ(ChartDialogFile, saved);  // the cancel kept it
}

TEST(DocumentDialogProposal, TakesTheDialogsOwnExtensionInPlaceOfEitherDocuments) {
  const std::vector<std::tuple<QString, QString, QString>> rows{
      // last chosen, extension, proposal
      {"", "kdw", ""},
      {"/d/anna.kdw", "txt", "/d/anna.txt"},
      {"/d/anna.kdw", "kdw", "/d/anna.kdw"},
      {"/d/x.txt", "kdw", "/d/x.kdw"},
      {"/d/UPPER.KDW", "txt", "/d/UPPER.txt"},
      {"/d/Notes.TXT", "kdw", "/d/Notes.kdw"},
      {"/d/chart-2024.12.09", "kdw", "/d/chart-2024.12.09.kdw"},
      {"/d/my.notes", "txt", "/d/my.notes.txt"},
      {"/d.txt/.kdw", "txt", "/d.txt/.kdw.txt"},  // a name that is only the extension
  };
  for (const auto& [last, extension, proposal] : rows) {
    EXPECT_EQ(DocumentDialogProposal(last, extension), proposal) << last.toStdString();
  }
}

TEST_F(ExportTest, ACancelWritesNothingAndAnExistingFileIsReplacedWhole) {
  const QString path = Path(QStringLiteral("old.txt"));
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(4000, '#'));
  }
  d.files->answers.push_back(std::nullopt);
  mdi->mnuExport->trigger();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().size(), 4000);
  file.close();
  EXPECT_EQ(Export(path), MarchExport);
}

TEST_F(ExportTest, AnUnwritableTargetTellsTheUserNamingTheFile) {
  const QString blocker = Path(QStringLiteral("plain-file"));
  {
    QFile f(blocker);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("keep");
  }
  const QString path = blocker + QStringLiteral("/x.txt");
  EXPECT_EQ(Export(path), QByteArray());
  ASSERT_EQ(d.messages->shown.size(), 1u);
  EXPECT_TRUE(d.messages->shown[0].text.contains(path));
  EXPECT_EQ(d.messages->shown[0].icon, platform::MsgIcon::Critical);
  QFile f(blocker);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("keep"));
}

}  // namespace
