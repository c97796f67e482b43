// Saving a chart from the main window and opening it again in the input window,
// through the real windows and buttons.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <tuple>
#include <variant>
#include <vector>

#include "astro/Shared.h"
#include "chart/ChartFile.h"
#include "windows/frmDisplay.h"
#include "windows/frmMain.h"
#include "platform/Forms.h"
#include "windows/MDI.h"
#include "chart/modHelp_Codec.h"
#include "support/Doubles.h"

using platform::Form;

namespace {

const QStringList MarchFields = {
    "Asha Rao", "3",  "5",    "1975",  "14",    "7",    "12",          "73",   "51",
    "18",       "31", "True", "False", "False", "Pune", "Maharashtra", "India"};

class ChartFileWindowTest : public testing_doubles::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ChartDialogFile.clear();
  }

  QString Path(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }

  frmMain& Input() {
    frmMain& input = Form<frmMain>::Show();
    QApplication::processEvents();
    return input;
  }

  static void Type(QLineEdit* box, const QString& text) {
    box->clear();
    QTest::keyClicks(box, text);
  }

  // The input of 5 March 1975, 14:07, zone row 12, 73°51' east, 18°31' north.
  void EnterMarchChart(frmMain& f) {
    Type(f.txtName, QStringLiteral("  Asha Rao "));
    f.cboMonth->setCurrentIndex(2);
    f.cboDate->setCurrentIndex(4);
    f.cboYear->setCurrentText(QStringLiteral("1975"));
    f.cboHour->setCurrentIndex(14);
    f.cboMinute->setCurrentIndex(7);
    f.cboTimeZone->setCurrentIndex(12);
    Type(f.txtLongDegree, QStringLiteral("73"));
    Type(f.txtLongMinute, QStringLiteral("51"));
    Type(f.txtLatDegree, QStringLiteral("18"));
    Type(f.txtLatMinute, QStringLiteral("31"));
    f.optLongEast[0]->setChecked(true);
    f.optLatSouth[0]->setChecked(true);
    f.chkDST->setChecked(false);
    Type(f.txtCity, QStringLiteral("Pune"));
    Type(f.txtState, QStringLiteral("Maharashtra"));
    Type(f.txtCountry, QStringLiteral("India"));
  }

  MDI& RunChart(frmMain& f) {
    QTest::mouseClick(f.cmdCalculate, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(Form<MDI>::IsLoaded());
    return Form<MDI>::Get();
  }

  void SaveAs(MDI& mdi, const QString& path) {
    d.files->answers.push_back(path);
    mdi.mnuSaveAs->trigger();
  }

  void Open(frmMain& f, const std::optional<QString>& path) {
    d.files->answers.push_back(path);
    QTest::mouseClick(f.cmdOpen, Qt::LeftButton);
    QApplication::processEvents();
  }

  // Writes a chart file of the given plain lines, each encoded, CR LF ended.
  void WriteFields(const QString& path, const QStringList& fields) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (const QString& field : fields) file.write(EncodeText(field).toLatin1() + "\r\n");
  }

  QStringList DecodedLines(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QList<QByteArray> raw = file.readAll().split('\n');
    EXPECT_TRUE(raw.takeLast().isEmpty());
    QStringList lines;
    for (QByteArray& line : raw) {
      EXPECT_TRUE(line.endsWith('\r'));
      lines.append(DecodeText(QString::fromLatin1(line.chopped(1))));
    }
    return lines;
  }

  QTemporaryDir dir;
};

TEST_F(ChartFileWindowTest, SaveAsWritesTheMarchChartAndOpenGivesTheSameChart) {
  frmMain& f = Input();
  EnterMarchChart(f);
  MDI& mdi = RunChart(f);
  const auto positions = astro::PlanetPositions;
  const QString lagna = Form<frmDisplay>::Get().lblLagna->text();

  const QString path = Path(QStringLiteral("asha.kdw"));
  SaveAs(mdi, path);
  ASSERT_EQ(d.files->saveRequests.size(), 1u);
  const platform::FileDialogRequest& request = d.files->saveRequests[0];
  EXPECT_EQ(request.filter, QStringLiteral("QZ Astrology Ormandel (*.kdw)|*.kdw"));
  EXPECT_EQ(request.defaultExt, QStringLiteral("kdw"));
  EXPECT_EQ(request.title, QStringLiteral("QZ Astrology Ormandel"));
  EXPECT_EQ(request.fileName, QString());
  EXPECT_TRUE(request.overwritePrompt);
  EXPECT_TRUE(request.pathMustExist);
  EXPECT_EQ(ChartDialogFile, path);
  EXPECT_EQ(DecodedLines(path), MarchFields);  // names and places as trimmed by the run

  // Back to the input window, change everything, then open the saved chart.
  QTest::mouseClick(mdi.cmdBack, Qt::LeftButton);
  QApplication::processEvents();
  frmMain& g = Input();
  Type(g.txtName, QStringLiteral("Other"));
  g.cboMonth->setCurrentIndex(10);
  g.cboYear->setCurrentIndex(0);
  g.cboTimeZone->setCurrentIndex(3);
  g.optLongEast[1]->setChecked(true);
  g.optLatSouth[1]->setChecked(true);
  g.chkDST->setChecked(true);
  Type(g.txtCity, QStringLiteral("Elsewhere"));
  astro::PlanetPositions = {};

  Open(g, path);
  ASSERT_EQ(d.files->openRequests.size(), 1u);
  const platform::FileDialogRequest& open = d.files->openRequests[0];
  EXPECT_EQ(open.title, QStringLiteral("Select the source file"));
  EXPECT_EQ(open.filter, QStringLiteral("QZ Astrology Ormandel (*.kdw)|*.kdw"));
  EXPECT_EQ(open.defaultExt, QStringLiteral("kdw"));
  EXPECT_EQ(open.fileName, QString());
  EXPECT_TRUE(open.fileMustExist);

  EXPECT_EQ(g.txtName->text(), QStringLiteral("Asha Rao"));
  EXPECT_EQ(g.cboMonth->currentIndex(), 2);
  EXPECT_EQ(g.cboDate->currentText(), QStringLiteral("5"));
  EXPECT_EQ(g.cboYear->currentText(), QStringLiteral("1975"));
  EXPECT_EQ(g.cboHour->currentText(), QStringLiteral("14"));
  EXPECT_EQ(g.cboMinute->currentText(), QStringLiteral("7"));
  EXPECT_EQ(g.cboTimeZone->currentIndex(), 12);
  EXPECT_EQ(g.txtLongDegree->text(), QStringLiteral("73"));
  EXPECT_EQ(g.txtLongMinute->text(), QStringLiteral("51"));
  EXPECT_EQ(g.txtLatDegree->text(), QStringLiteral("18"));
  EXPECT_EQ(g.txtLatMinute->text(), QStringLiteral("31"));
  EXPECT_TRUE(g.optLongEast[0]->isChecked());
  EXPECT_TRUE(g.optLatSouth[0]->isChecked());
  EXPECT_FALSE(g.chkDST->isChecked());
  EXPECT_EQ(g.txtCity->text(), QStringLiteral("Pune"));
  EXPECT_EQ(g.txtState->text(), QStringLiteral("Maharashtra"));
  EXPECT_EQ(g.txtCountry->text(), QStringLiteral("India"));

  // The chart run ran again: the same chart is on screen, the input window hidden.
  ASSERT_TRUE(Form<MDI>::IsLoaded());
  EXPECT_TRUE(Form<MDI>::Get().isVisible());
  EXPECT_FALSE(g.isVisible());
  EXPECT_EQ(astro::PlanetPositions, positions);
  EXPECT_EQ(Form<frmDisplay>::Get().lblLagna->text(), lagna);
  EXPECT_EQ(astro::BirthRecord.BirthName, "Asha Rao");
  EXPECT_TRUE(d.messages->shown.empty());
}

TEST_F(ChartFileWindowTest, ControlCharactersInTheBoxesDoNotSpoilTheSavedChart) {
  // A chart file whose name line holds a lone LF byte: it decodes to a control
  // character that stays in the name box after opening.
  const QString odd = Path(QStringLiteral("odd.kdw"));
  {
    QFile file(odd);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(EncodeText(QStringLiteral("Asha")).toLatin1() + "\n" +
               EncodeText(QStringLiteral("Rao")).toLatin1() + "\r\n");
    for (int i = 1; i < MarchFields.size(); ++i)
      file.write(EncodeText(MarchFields[i]).toLatin1() + "\r\n");
  }
  frmMain& f = Input();
  Open(f, odd);
  ASSERT_TRUE(Form<MDI>::IsLoaded());
  // A pasted backspace character in the place boxes, then the chart run again.
  QTest::mouseClick(Form<MDI>::Get().cmdBack, Qt::LeftButton);
  QApplication::processEvents();
  frmMain& g = Input();
  g.txtCity->setText(QStringLiteral("Pu\bne\b"));
  g.txtState->setText(QStringLiteral("\bMaharashtra"));
  MDI& mdi = RunChart(g);

  const QString path = Path(QStringLiteral("clean.kdw"));
  SaveAs(mdi, path);
  QStringList expected = MarchFields;
  expected[cfName] = QStringLiteral("AshaRao");
  EXPECT_EQ(DecodedLines(path), expected);

  QTest::mouseClick(mdi.cmdBack, Qt::LeftButton);
  QApplication::processEvents();
  frmMain& h = Input();
  Open(h, path);
  EXPECT_EQ(h.txtName->text(), QStringLiteral("AshaRao"));
  EXPECT_EQ(h.txtCity->text(), QStringLiteral("Pune"));
  EXPECT_EQ(h.txtState->text(), QStringLiteral("Maharashtra"));
  EXPECT_EQ(h.txtCountry->text(), QStringLiteral("India"));
  EXPECT_EQ(h.cboTimeZone->currentIndex(), 12);
  EXPECT_TRUE(Form<MDI>::IsLoaded());
  EXPECT_TRUE(d.messages->shown.empty());
}

TEST_F(ChartFileWindowTest, SaveAsProposesTheLastNameAndACancelWritesNothing) {
  frmMain& f = Input();
  EnterMarchChart(f);
  MDI& mdi = RunChart(f);
  const QString first = Path(QStringLiteral("first.kdw"));
  SaveAs(mdi, first);
  d.files->answers.push_back(std::nullopt);
  mdi.mnuSaveAs->trigger();
  ASSERT_EQ(d.files->saveRequests.size(), 2u);
  EXPECT_EQ(d.files->saveRequests[1].fileName, first);
  EXPECT_EQ(ChartDialogFile, first);  // a cancel keeps the name
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"first.kdw"});
}

TEST_F(ChartFileWindowTest, AnUnwritableSaveTellsTheUserAndKeepsTheBlocker) {
  frmMain& f = Input();
  EnterMarchChart(f);
  MDI& mdi = RunChart(f);
  const QString blocker = Path(QStringLiteral("file"));
  WriteFields(blocker, {"keep"});
  SaveAs(mdi, blocker + QStringLiteral("/chart.kdw"));
  ASSERT_EQ(d.messages->shown.size(), 1u);
  EXPECT_TRUE(d.messages->shown[0].text.contains(blocker + QStringLiteral("/chart.kdw")));
  EXPECT_EQ(DecodedLines(blocker), QStringList{"keep"});
}

TEST_F(ChartFileWindowTest, AnyLetterCaseOfTheExtensionOpensAndOtherNamesAreRefused) {
  frmMain& f = Input();
  const QString other = Path(QStringLiteral("chart.txt"));
  WriteFields(other, MarchFields);
  Open(f, other);
  ASSERT_EQ(d.messages->shown.size(), 1u);
  EXPECT_EQ(d.messages->shown[0].text, QStringLiteral("Please Check The File."));
  EXPECT_EQ(d.messages->shown[0].icon, platform::MsgIcon::Critical);
  EXPECT_EQ(d.messages->shown[0].title, QString());
  EXPECT_EQ(f.txtName->text(), QString());
  EXPECT_FALSE(Form<MDI>::IsLoaded());

  const QString upper = Path(QStringLiteral("UPPER.KDW"));
  WriteFields(upper, MarchFields);
  Open(f, upper);
  EXPECT_EQ(d.messages->shown.size(), 1u);
  EXPECT_TRUE(Form<MDI>::IsLoaded());
  EXPECT_EQ(astro::BirthRecord.BirthName, "Asha Rao");
}

TEST_F(ChartFileWindowTest, ACancelledOpenDoesNothing) {
  frmMain& f = Input();
  Open(f, std::nullopt);
  EXPECT_TRUE(d.messages->shown.empty());
  EXPECT_FALSE(Form<MDI>::IsLoaded());
  EXPECT_TRUE(f.isVisible());
}

TEST_F(ChartFileWindowTest, FlagLinesTakeNumbersWordsAndEmptyAsTrue) {
  struct Case {
    QString east, south, dst;
    bool isEast, isSouth, isDst;
  };
  const std::vector<Case> cases = {
      {"1", "0", "false", true, false, false},
      {"0", "TRUE", "", false, true, true},
      {"False", "junk", "2", false, true, true},
  };
  int n = 0;
  for (const Case& c : cases) {
    frmMain& f = Input();
    QStringList fields = MarchFields;
    fields[cfEast] = c.east;
    fields[cfSouth] = c.south;
    fields[cfDST] = c.dst;
    const QString path = Path(QStringLiteral("flags%1.kdw").arg(n++));
    WriteFields(path, fields);
    Open(f, path);
    EXPECT_EQ(f.optLongEast[0]->isChecked(), c.isEast) << c.east.toStdString();
    EXPECT_EQ(f.optLongEast[1]->isChecked(), !c.isEast) << c.east.toStdString();
    EXPECT_EQ(f.optLatSouth[1]->isChecked(), c.isSouth) << c.south.toStdString();
    EXPECT_EQ(f.optLatSouth[0]->isChecked(), !c.isSouth) << c.south.toStdString();
    EXPECT_EQ(f.chkDST->isChecked(), c.isDst) << c.dst.toStdString();
    EXPECT_EQ(astro::BirthRecord.IsEast, c.isEast);
    EXPECT_EQ(astro::BirthRecord.IsSouth, c.isSouth);
    EXPECT_EQ(astro::BirthRecord.IsDST, c.isDst);
    testing_doubles::UnloadAllForms();
  }
  EXPECT_TRUE(d.messages->shown.empty());
}

TEST_F(ChartFileWindowTest, AnEmptyNameLineStopsTheRunAtTheNameCheck) {
  frmMain& f = Input();
  QStringList fields = MarchFields;
  fields[cfName] = QString();
  const QString path = Path(QStringLiteral("noname.kdw"));
  WriteFields(path, fields);
  Open(f, path);
  EXPECT_EQ(f.txtName->text(), QString());
  EXPECT_EQ(f.txtCity->text(), QStringLiteral("Pune"));
  ASSERT_EQ(d.messages->shown.size(), 1u);
  EXPECT_EQ(d.messages->shown[0].text, QStringLiteral("Please Enter Your Name"));
  EXPECT_FALSE(Form<MDI>::IsLoaded());
}

TEST_F(ChartFileWindowTest, ACoordinateOffTheGlobeInAFileMeetsTheInputChecks) {
  frmMain& f = Input();
  QStringList fields = MarchFields;
  fields[cfLatDegree] = "95";
  fields[cfLatMinute] = "70";
  const QString path = Path(QStringLiteral("pole.kdw"));
  WriteFields(path, fields);
  Open(f, path);
  ASSERT_EQ(d.messages->shown.size(), 1u);
  EXPECT_EQ(d.messages->shown[0].text,
            QStringLiteral("The degree of latitude must be a whole number from 0 to 90, typed as digits only."));
  EXPECT_EQ(f.focusWidget(), f.txtLatDegree);
  EXPECT_FALSE(Form<MDI>::IsLoaded());
}

// Which fields cannot be read is ChartFileEntries' rule; the window refuses such
// a file whole, names it, keeps what the user typed and draws nothing.
TEST_F(ChartFileWindowTest, AFileWithAFieldThatCannotBeReadIsRefusedWholeAndChangesNothing) {
  QByteArray garbage;
  for (int round = 0; round < 64; ++round) {
    for (int b = 0; b < 256; ++b) garbage.append(static_cast<char>((b * 37 + round) & 0xFF));
    garbage.append(QByteArray(5000, static_cast<char>(round + 60)));
  }
  QStringList noon = MarchFields;
  noon[cfHour] = "noon";
  QStringList zone = MarchFields;
  zone[cfTimeZone] = "71";
  const std::vector<std::tuple<QString, QByteArray, QString>> files{
      {"noon.kdw", DocumentBytes(ChartFileLines(noon)), "its hour (line 5) cannot be read"},
      {"zone.kdw", DocumentBytes(ChartFileLines(zone)), "its time zone (line 7) cannot be read"},
      {"short.kdw", DocumentBytes(ChartFileLines(MarchFields.first(3))), "it ends before its year (line 4)"},
      {"empty.kdw", QByteArray(), "it ends before its name (line 1)"},
      {"garbage.kdw", garbage, "its month (line 2) cannot be read"},
  };
  for (const auto& [name, bytes, why] : files) {
    SCOPED_TRACE(name.toStdString());
    frmMain& f = Input();
    Type(f.txtName, QStringLiteral("Kept"));
    f.cboMonth->setCurrentIndex(5);
    f.cboDate->setCurrentIndex(9);
    f.cboHour->setCurrentIndex(3);
    f.cboTimeZone->setCurrentIndex(7);
    Type(f.txtLatDegree, QStringLiteral("12"));
    f.chkDST->setChecked(false);
    const QString path = Path(name);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    d.messages->shown.clear();
    Open(f, path);
    ASSERT_EQ(d.messages->shown.size(), 1u);
    EXPECT_TRUE(d.messages->shown[0].text.contains(path));
    EXPECT_TRUE(d.messages->shown[0].text.contains(why)) << d.messages->shown[0].text.toStdString();
    EXPECT_EQ(d.messages->shown[0].icon, platform::MsgIcon::Critical);
    EXPECT_EQ(f.txtName->text(), QStringLiteral("Kept"));
    EXPECT_EQ(f.txtLatDegree->text(), QStringLiteral("12"));
    EXPECT_EQ(f.cboMonth->currentIndex(), 5);
    EXPECT_EQ(f.cboDate->currentIndex(), 9);
    EXPECT_EQ(f.cboHour->currentIndex(), 3);
    EXPECT_EQ(f.cboTimeZone->currentIndex(), 7);
    EXPECT_FALSE(f.chkDST->isChecked());
    EXPECT_FALSE(Form<MDI>::IsLoaded());
    EXPECT_TRUE(f.isVisible());
    testing_doubles::UnloadAllForms();
  }
}

TEST_F(ChartFileWindowTest, AFileThatCannotBeReadIsReportedAndChangesNothing) {
  frmMain& f = Input();
  Type(f.txtName, QStringLiteral("Kept"));
  const QString path = Path(QStringLiteral("gone.kdw"));  // vanished after the dialog
  Open(f, path);
  ASSERT_EQ(d.messages->shown.size(), 1u);
  EXPECT_TRUE(d.messages->shown[0].text.contains(path));
  EXPECT_EQ(f.txtName->text(), QStringLiteral("Kept"));
}

TEST_F(ChartFileWindowTest, ANamedPipeIsRefusedAtOnceAndChangesNothing) {
  frmMain& f = Input();
  Type(f.txtName, QStringLiteral("Kept"));
  const QString path = Path(QStringLiteral("x.kdw"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
  Open(f, path);  // reading it would wait for a writer that never comes
  ASSERT_EQ(d.messages->shown.size(), 1u);
  EXPECT_TRUE(d.messages->shown[0].text.contains(path));
  EXPECT_TRUE(d.messages->shown[0].text.contains(QStringLiteral("not an ordinary file")));
  EXPECT_EQ(f.txtName->text(), QStringLiteral("Kept"));
  EXPECT_FALSE(Form<MDI>::IsLoaded());
}

TEST_F(ChartFileWindowTest, CharactersTheFileCannotHoldAreNamedBeforeSaving) {
  frmMain& f = Input();
  EnterMarchChart(f);
  f.txtName->setText(QStringLiteral("Zo\u00eb \u20acuro \u263a\u20ac"));  // pasted
  MDI& mdi = RunChart(f);
  const QString path = Path(QStringLiteral("zoe.kdw"));
  d.messages->answers.push_back(platform::MsgAnswer::No);
  SaveAs(mdi, path);
  ASSERT_EQ(d.messages->shown.size(), 1u);
  EXPECT_EQ(d.messages->shown[0].buttons, platform::MsgButtons::YesNo);
  EXPECT_TRUE(d.messages->shown[0].text.contains(QStringLiteral("\u20ac \u263a"))) << d.messages->shown[0].text.toStdString();
  EXPECT_TRUE(d.messages->shown[0].text.contains(path));
  EXPECT_FALSE(QFile::exists(path));

  d.messages->answers.push_back(platform::MsgAnswer::Yes);
  SaveAs(mdi, path);
  EXPECT_EQ(d.messages->shown.size(), 2u);
  EXPECT_EQ(DecodedLines(path).value(cfName), QStringLiteral("Zo\u00eb ?uro ??"));
}

}  // namespace
