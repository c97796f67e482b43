// The whole road in one process, through the program's real windows: start-up,
// birth input, chart, report, Save As, New, Open, Export, Save As JPEG, Back,
// Exit to the exit screen, refer-a-friend and Exit. Every message box, dialog and
// opened address goes through the recording platform doubles.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>

#include "astro/Shared.h"
#include "chart/ChartFile.h"
#include "platform/RichTextBox.h"
#include "windows/frmDisplay.h"
#include "windows/frmMain.h"
#include "windows/frmSave.h"
#include "platform/Forms.h"
#include "windows/MDI.h"
#include "windows/frmExitScreen.h"
#include "windows/frmStartup.h"
#include "chart/modHelp_Codec.h"
#include "windows/modHelp_QuitApplication.h"
#include "windows/modHelp_UpdateReminder.h"
#include "windows/modHelp_WebLinks.h"
#include "support/QuitRecordingTest.h"

using platform::Form;

namespace {

class WholeRoadTest : public testing_doubles::QuitRecordingTest {
 protected:
  void SetUp() override {
    QuitRecordingTest::SetUp();
    ChartDialogFile.clear();
  }

  QString Path(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }

  static void Type(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
  }

  // 21 June 1984, 6:45, first zone row, 77°13' east, 28°37' north.
  void EnterBirth(frmMain& f) {
    Type(f.txtName, QStringLiteral("Mira Kaul"));
    f.cboMonth->setCurrentIndex(5);
    f.cboDate->setCurrentIndex(20);
    f.cboYear->setCurrentText(QStringLiteral("1984"));
    f.cboHour->setCurrentIndex(6);
    f.cboMinute->setCurrentIndex(45);
    f.cboTimeZone->setCurrentIndex(40);
    Type(f.txtLongDegree, QStringLiteral("77"));
    Type(f.txtLongMinute, QStringLiteral("13"));
    f.optLongEast[0]->setChecked(true);
    Type(f.txtLatDegree, QStringLiteral("28"));
    Type(f.txtLatMinute, QStringLiteral("37"));
    f.optLatSouth[0]->setChecked(true);
    Type(f.txtCity, QStringLiteral("Delhi"));
    Type(f.txtState, QStringLiteral("Delhi"));
    Type(f.txtCountry, QStringLiteral("India"));
  }

  // The program's windows that are on screen, by name.
  static QStringList VisibleWindows() {
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->isVisible() && !w->objectName().isEmpty()) names << w->objectName();
    }
    names.sort();
    return names;
  }

  QTemporaryDir dir;
};

TEST_F(WholeRoadTest, StartChartDocumentsAndExit) {
  // ---- Start-up: first start, so the reminder stores its values silently.
  Form<frmStartup>::Get();
  QApplication::processEvents();
  EXPECT_EQ(VisibleWindows(), QStringList{"frmMain"});
  EXPECT_EQ(d.settings->values.size(), 2);
  frmMain& input = Form<frmMain>::Get();

  // ---- Birth data and the chart.
  EnterBirth(input);
  QTest::mouseClick(input.cmdCalculate, Qt::LeftButton);
  QApplication::processEvents();
  ASSERT_TRUE(Form<MDI>::IsLoaded());
  EXPECT_EQ(VisibleWindows(), QStringList{"MDI"});
  const auto positions = astro::PlanetPositions;
  const QString lagna = Form<frmDisplay>::Get().lblLagna->text();
  EXPECT_FALSE(lagna.isEmpty());
  EXPECT_EQ(astro::BirthRecord.BirthName, "Mira Kaul");

  // ---- The report, shown modally; closed from the event loop it runs.
  QString reportTitle;
  bool reportModal = false;
  QTimer::singleShot(0, [&] {
    frmSave* report = Form<frmSave>::IfLoaded();
    ASSERT_NE(report, nullptr);
    reportModal = report->isVisible() && report->isModal();
    reportTitle = report->RTB->Text().section(QLatin1Char('\n'), 0, 0);
    report->close();
  });
  QTest::mouseClick(Form<MDI>::Get().cmdInterpretation, Qt::LeftButton);
  EXPECT_TRUE(reportModal);
  EXPECT_EQ(reportTitle, QStringLiteral("QZ Astrology Ormandel Report"));
  EXPECT_FALSE(Form<frmSave>::IsLoaded());

  // ---- Save As.
  const QString chart = Path(QStringLiteral("mira.kdw"));
  d.files->answers.push_back(chart);
  Form<MDI>::Get().mnuSaveAs->trigger();
  ASSERT_TRUE(QFile::exists(chart));
  {
    QFile file(chart);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 18);  // 17 lines, each ended
    EXPECT_EQ(DecodeText(QString::fromLatin1(lines[0].chopped(1))), QStringLiteral("Mira Kaul"));
  }

  // ---- New: back to the input window; the exit screen is loaded and hidden again.
  Form<MDI>::Get().mnuNew->trigger();
  QApplication::processEvents();
  EXPECT_FALSE(Form<MDI>::IsLoaded());
  ASSERT_TRUE(Form<frmExitScreen>::IsLoaded());
  const QString supportText = Form<frmExitScreen>::Get().Label2->text();
  EXPECT_EQ(VisibleWindows(), QStringList{"frmMain"});

  // ---- Open the saved chart: the same chart comes back.
  astro::PlanetPositions = {};
  d.files->answers.push_back(chart);
  QTest::mouseClick(Form<frmMain>::Get().cmdOpen, Qt::LeftButton);
  QApplication::processEvents();
  ASSERT_TRUE(Form<MDI>::IsLoaded());
  EXPECT_EQ(VisibleWindows(), QStringList{"MDI"});
  EXPECT_EQ(astro::PlanetPositions, positions);
  EXPECT_EQ(Form<frmDisplay>::Get().lblLagna->text(), lagna);

  // ---- Export.
  const QString text = Path(QStringLiteral("mira.txt"));
  d.files->answers.push_back(text);
  Form<MDI>::Get().mnuExport->trigger();
  {
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString exported = QString::fromLatin1(file.readAll());
    EXPECT_TRUE(exported.contains(QStringLiteral("Mira Kaul")));
    EXPECT_TRUE(exported.contains(QStringLiteral("Lagna: ")));
    EXPECT_TRUE(exported.contains(QStringLiteral("Rashi: ")));
  }

  // ---- Save As JPEG.
  const QString picture = Path(QStringLiteral("mira.jpg"));
  d.files->answers.push_back(picture);
  Form<MDI>::Get().mnuSaveAsJpeg->trigger();
  QImage saved(picture);
  ASSERT_FALSE(saved.isNull());
  EXPECT_GT(saved.width(), 100);

  // ---- Back: the input window again, the exit screen hidden with its text kept.
  QTest::mouseClick(Form<MDI>::Get().cmdBack, Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(VisibleWindows(), QStringList{"frmMain"});
  EXPECT_EQ(Form<frmExitScreen>::Get().Label2->text(), supportText);

  // ---- The chart once more, then Exit: the exit screen stays up alone.
  QTest::mouseClick(Form<frmMain>::Get().cmdCalculate, Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(VisibleWindows(), QStringList{"MDI"});
  QTest::mouseClick(Form<MDI>::Get().cmdExit, Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(VisibleWindows(), QStringList{"frmExitScreen"});
  frmExitScreen& exitScreen = Form<frmExitScreen>::Get();
  EXPECT_EQ(exitScreen.Label2->text(), supportText);
  EXPECT_EQ(ends, 0);

  // ---- Refer a friend, typed into the boxes.
  exitScreen.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&exitScreen));
  exitScreen.txtName->setFocus();
  QTest::keyClicks(exitScreen.txtName, QStringLiteral("Mira & Co #1"));
  exitScreen.txtEmail->setFocus();
  QTest::keyClicks(exitScreen.txtEmail, QStringLiteral("mira@mail.example"));
  exitScreen.txtFriendName->setFocus();
  QTest::keyClicks(exitScreen.txtFriendName, QStringLiteral("Ravi"));
  exitScreen.txtFriendEmail->setFocus();
  QTest::keyClicks(exitScreen.txtFriendEmail, QStringLiteral("ravi@mail.example"));
  QTest::mouseClick(exitScreen.cmdSubmit, Qt::LeftButton);
  ASSERT_EQ(d.shell->opened.size(), 1);
  const QUrl referral(d.shell->opened[0]);
  EXPECT_EQ(referral.toString(QUrl::RemoveQuery), HomePageAddress() + QStringLiteral("/qzvs-refer-a-friend.php"));
  const auto items = QUrlQuery(referral).queryItems(QUrl::FullyDecoded);
  ASSERT_EQ(items.size(), 6);
  EXPECT_EQ(items[0], qMakePair(QStringLiteral("taf1"), QStringLiteral("Mira & Co #1")));
  EXPECT_EQ(items[1], qMakePair(QStringLiteral("taf2"), QStringLiteral("mira@mail.example")));
  EXPECT_EQ(items[2], qMakePair(QStringLiteral("taf3"), QStringLiteral("Your Message\r\n")));
  EXPECT_EQ(items[3], qMakePair(QStringLiteral("taf4"), QStringLiteral("Ravi")));
  EXPECT_EQ(items[4], qMakePair(QStringLiteral("taf5"), QStringLiteral("ravi@mail.example")));
  EXPECT_EQ(items[5], qMakePair(QStringLiteral("taf6"),
                                HomePageAddress() + QStringLiteral("/qz-free-astrology-ormandel/")));

  // No message box came up on the whole road.
  for (const auto& m : d.messages->shown) ADD_FAILURE() << m.text.toStdString();

  // ---- Exit: every window unloaded, the program ended once.
  QTest::mouseClick(exitScreen.cmdClose, Qt::LeftButton);
  EXPECT_TRUE(platform::LoadedForms().empty());
  EXPECT_EQ(ends, 1);
  EXPECT_EQ(loadedAtEnd, 0u);
  EXPECT_TRUE(VisibleWindows().isEmpty());
}

TEST_F(WholeRoadTest, ClosingTheInputWindowLeavesTheExitScreenAndItsCloseBoxQuits) {
  Form<frmStartup>::Get();
  Form<frmMain>::Get().close();
  QApplication::processEvents();
  EXPECT_EQ(VisibleWindows(), QStringList{"frmExitScreen"});
  EXPECT_EQ(ends, 0);
  Form<frmExitScreen>::Get().close();
  EXPECT_TRUE(platform::LoadedForms().empty());
  EXPECT_EQ(ends, 1);
}

}  // namespace
