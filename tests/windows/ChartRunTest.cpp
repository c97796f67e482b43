// The chart run: how the input reaches the birth record, how the positions become
// houses, pictures and labels on the chart window, and which windows it leaves up.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QTest>
#include <QToolBar>
#include <cmath>

#include "astro/Astro.h"
#include "chart/BirthInput.h"
#include "chart/ChartData.h"
#include "windows/frmDisplay.h"
#include "windows/frmMain.h"
#include "windows/frmMain_ChartRun.h"
#include "platform/Forms.h"
#include "windows/MDI.h"
#include "windows/ExitScreenRoad.h"
#include "windows/frmExitScreen.h"
#include "windows/frmStartup.h"
#include "support/Doubles.h"
#include "support/SampleCharts.h"

using platform::Form;

namespace {

const QString CRLF = QStringLiteral("\r\n");

// ---- A chart on the chart window ------------------------------------------------------

// The chart window showing charts built from chosen longitudes; which body goes to
// which house is tested with the chart's values.
class ChartFillTest : public testing_doubles::WindowTest {
 protected:
  frmDisplay& Fill(const std::array<double, BodyCount>& longitudes, std::initializer_list<Body> retrograde = {}) {
    ChartReadings readings;
    readings.Longitudes = longitudes;
    for (Body body : retrograde) readings.Retrograde[static_cast<std::size_t>(body)] = true;
    BuildChart(CurrentChart, readings, astro::BirthRecordData{}, 0);
    frmDisplay& display = Form<frmDisplay>::Get();
    chartrun::ShowChart(display, CurrentChart);
    return display;
  }
  static QString House(frmDisplay& display, int house) {
    return display.lblNatal[static_cast<std::size_t>(house - 1)]->text();
  }
  // The sign number (1 = Aries) whose picture house `house` shows, 0 for none.
  static int PictureOf(frmDisplay& display, int house) {
    const QImage shown = display.imgSign[static_cast<std::size_t>(house - 1)]->pixmap().toImage();
    for (int n = 1; n <= 12; ++n) {
      if (shown == display.IMG.ListImages(n).toImage()) return n;
    }
    return 0;
  }
};

using samples::LongitudeAt;

TEST_F(ChartFillTest, AscendantInLeoWithTheSunAndMercuryRetrogradeInVirgo) {
  frmDisplay& display = Fill({LongitudeAt(Sign::Leo, 10, 5), LongitudeAt(Sign::Cancer, 3, 44),
                              LongitudeAt(Sign::Virgo, 2, 11), LongitudeAt(Sign::Cancer, 28, 0),
                              LongitudeAt(Sign::Taurus, 14, 9), LongitudeAt(Sign::Sagittarius, 1, 30),
                              LongitudeAt(Sign::Aquarius, 19, 2), LongitudeAt(Sign::Leo, 22, 47)},
                             {Body::Mercury});
  EXPECT_EQ(House(display, 1), CRLF + "Sun" + CRLF + "Asc");
  EXPECT_EQ(House(display, 2), CRLF + "Mercury (R) ");
  EXPECT_EQ(House(display, 12), CRLF + "Moon" + CRLF + "Venus");
  EXPECT_EQ(House(display, 10), CRLF + "Mars");
  EXPECT_EQ(House(display, 5), CRLF + "Jupiter");
  EXPECT_EQ(House(display, 7), CRLF + "Saturn");
  EXPECT_EQ(PictureOf(display, 1), 5);   // Leo
  EXPECT_EQ(PictureOf(display, 2), 6);   // Virgo
  EXPECT_EQ(PictureOf(display, 12), 4);  // Cancer

  EXPECT_EQ(display.lblLagna->text(), "Leo");
  EXPECT_EQ(display.lblRashi->text(), "Cancer");
  const std::array<const char*, 7> positions{"10 Leo 05", "03 Can 44", "02 Vir 11", "28 Can 00",
                                             "14 Tau 09", "01 Sag 30", "19 Aqu 02"};
  for (std::size_t i = 0; i <= 6; ++i) EXPECT_EQ(display.Planet[i]->text(), positions[i]);
  EXPECT_EQ(display.Planet[9]->text(), "22 Leo 47");
  for (std::size_t i : {7u, 8u, 10u, 15u}) EXPECT_TRUE(display.Planet[i]->text().isEmpty());

  // The hidden sign labels keep each sign's list.
  const auto signs = display.SignLabels();
  EXPECT_EQ(signs[static_cast<std::size_t>(Sign::Leo)]->text(), House(display, 1));
  EXPECT_EQ(signs[static_cast<std::size_t>(Sign::Cancer)]->text(), House(display, 12));
  EXPECT_TRUE(signs[static_cast<std::size_t>(Sign::Libra)]->text().isEmpty());
  for (QLabel* sign : signs) EXPECT_FALSE(sign->isVisibleTo(&display));
}

TEST_F(ChartFillTest, ASecondChartLeavesNoTraceOfTheFirst) {
  frmDisplay& display = Fill({LongitudeAt(Sign::Leo, 10, 5), LongitudeAt(Sign::Cancer, 3, 44),
                              LongitudeAt(Sign::Virgo, 2, 11), LongitudeAt(Sign::Cancer, 28, 0),
                              LongitudeAt(Sign::Taurus, 14, 9), LongitudeAt(Sign::Sagittarius, 1, 30),
                              LongitudeAt(Sign::Aquarius, 19, 2), LongitudeAt(Sign::Leo, 22, 47)},
                             {Body::Saturn});
  const double scorpio = LongitudeAt(Sign::Scorpio, 5, 0);
  Fill({scorpio, scorpio, scorpio, scorpio, scorpio, scorpio, scorpio, scorpio});
  EXPECT_EQ(House(display, 1), CRLF + "Sun" + CRLF + "Moon" + CRLF + "Mercury" + CRLF + "Venus" + CRLF +
                                   "Mars" + CRLF + "Jupiter" + CRLF + "Saturn" + CRLF + "Asc");
  for (int house = 2; house <= 12; ++house) EXPECT_TRUE(House(display, house).isEmpty()) << house;
  for (int house = 1; house <= 12; ++house) EXPECT_EQ(PictureOf(display, house), (6 + house) % 12 + 1);
  EXPECT_EQ(display.lblLagna->text(), "Scorpio");
  EXPECT_EQ(display.lblRashi->text(), "Scorpio");
  EXPECT_EQ(display.Planet[9]->text(), "05 Sco 00");
  const auto signs = display.SignLabels();
  EXPECT_TRUE(signs[static_cast<std::size_t>(Sign::Leo)]->text().isEmpty());
}

TEST_F(ChartFillTest, LongitudesNamingNoSignKeepTheSunSignAndThePictures) {
  frmDisplay& display = Fill({LongitudeAt(Sign::Leo, 10, 5), LongitudeAt(Sign::Cancer, 3, 44),
                              LongitudeAt(Sign::Virgo, 2, 11), LongitudeAt(Sign::Cancer, 28, 0),
                              LongitudeAt(Sign::Taurus, 14, 9), LongitudeAt(Sign::Sagittarius, 1, 30),
                              LongitudeAt(Sign::Aquarius, 19, 2), LongitudeAt(Sign::Leo, 22, 47)});
  // A Sun at 360 degrees leaves the Sun sign as it was and places no Sun; an
  // ascendant that is no number changes no picture and starts the houses at Aries.
  Fill({360.0, LongitudeAt(Sign::Cancer, 3, 44), LongitudeAt(Sign::Virgo, 2, 11), LongitudeAt(Sign::Cancer, 28, 0),
        LongitudeAt(Sign::Taurus, 14, 9), LongitudeAt(Sign::Sagittarius, 1, 30), LongitudeAt(Sign::Aquarius, 19, 2),
        std::nan("")});
  EXPECT_EQ(display.lblLagna->text(), "Leo");
  EXPECT_EQ(House(display, 1), QString());
  EXPECT_EQ(House(display, 2), CRLF + "Mars");
  EXPECT_EQ(House(display, 4), CRLF + "Moon" + CRLF + "Venus");
  EXPECT_EQ(House(display, 5), QString());
  EXPECT_EQ(PictureOf(display, 1), 5);  // still the pictures of the Leo chart
  EXPECT_EQ(PictureOf(display, 12), 4);
}

// ---- The whole run through the input window ------------------------------------------

class ChartRunTest : public testing_doubles::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Form<frmStartup>::Get();
    input = &Form<frmMain>::Show();
    input->txtName->setText(QStringLiteral("  Ada  Byron "));
    input->cboMonth->setCurrentIndex(2);   // March
    input->cboDate->setCurrentIndex(4);    // 5
    input->cboYear->setCurrentText(QStringLiteral("1975"));
    input->cboHour->setCurrentIndex(14);
    input->cboMinute->setCurrentIndex(7);
    input->txtLatDegree->setText(QStringLiteral("40"));
    input->txtLatMinute->setText(QStringLiteral("42"));
    input->txtLongDegree->setText(QStringLiteral("74"));
    input->txtLongMinute->setText(QStringLiteral("0"));
    input->optLongEast[1]->setChecked(true);
    input->txtCity->setText(QStringLiteral(" New York"));
    input->txtState->setText(QStringLiteral("NY"));
    input->txtCountry->setText(QStringLiteral("USA "));
  }
  void Calculate() {
    QTest::mouseClick(input->cmdCalculate, Qt::LeftButton);
    QApplication::processEvents();
  }
  static std::vector<QString> Houses() {
    std::vector<QString> houses;
    for (QLabel* label : Form<frmDisplay>::IfLoaded()->lblNatal) houses.push_back(label->text());
    return houses;
  }
  frmMain* input = nullptr;
};

TEST_F(ChartRunTest, CopiesTheInputsAndShowsTheMainWindowInPlaceOfTheInputWindow) {
  // A zone with negative minutes: the record keeps the amounts unsigned.
  int row = 0;
  while (row < 71 && astro::TimeZoneMinutes[static_cast<std::size_t>(row)] != "-30") ++row;
  ASSERT_LT(row, 71);
  input->cboTimeZone->setCurrentIndex(row);
  input->chkDST->setCheckState(Qt::PartiallyChecked);
  input->optLatSouth[1]->setChecked(true);
  ShowExitScreen();
  input->show();
  Calculate();

  EXPECT_TRUE(d.messages->shown.empty());
  const astro::BirthRecordData& r = astro::BirthRecord;
  EXPECT_EQ(r.BirthName, "Ada  Byron");
  EXPECT_EQ(r.BirthMonth, 3);
  EXPECT_EQ(r.BirthDay, 5);
  EXPECT_EQ(r.BirthYear, 1975);
  EXPECT_EQ(r.BirthHour, 14);
  EXPECT_EQ(r.BirthMinute, 7);
  const std::string hoursText = astro::TimeZoneHours[static_cast<std::size_t>(row)];
  EXPECT_EQ(astro::TzHoursText, hoursText);
  EXPECT_EQ(astro::TzMinutesText, "-30");
  EXPECT_EQ(r.TzHours, std::abs(std::stoi(hoursText)));
  EXPECT_EQ(r.TzMinutes, 30);
  EXPECT_EQ(r.LatDegree, 40);
  EXPECT_EQ(r.LatMinute, 42);
  EXPECT_EQ(r.LongDegree, 74);
  EXPECT_EQ(r.LongMinute, 0);
  EXPECT_FALSE(r.IsEast);
  EXPECT_TRUE(r.IsSouth);
  EXPECT_TRUE(r.IsDST);
  EXPECT_EQ(r.BirthCity, "New York");
  EXPECT_EQ(r.BirthState, "NY");
  EXPECT_EQ(r.BirthCountry, "USA");

  ASSERT_TRUE(Form<MDI>::IsLoaded());
  EXPECT_TRUE(Form<MDI>::IfLoaded()->isVisible());
  EXPECT_FALSE(input->isVisible());
  EXPECT_TRUE(Form<frmMain>::IsLoaded());
  EXPECT_FALSE(Form<frmStartup>::IfLoaded()->isVisible());
  EXPECT_FALSE(Form<frmExitScreen>::IfLoaded()->isVisible());

  // The chart window, loaded by the run, shows this record and the computed chart.
  frmDisplay& display = *Form<frmDisplay>::IfLoaded();
  EXPECT_TRUE(display.isVisible());
  EXPECT_EQ(display.lblName->text(), "Name: Ada  Byron");
  EXPECT_EQ(display.lblDOB->text(), "Date of Birth: March 5, 1975");
  EXPECT_EQ(display.lblTOB->text(), "Time of Birth: 14 Hour 7 Minute");
  EXPECT_EQ(display.lblLatitude->text(), "Latitude: 40 Degree 42 Minute");
  EXPECT_EQ(display.lblCity->text(), "City: New York");
  EXPECT_EQ(display.Planet[0]->text().toStdString(), astro::PlanetPositions[0]);
  EXPECT_EQ(display.Planet[9]->text().toStdString(), astro::PlanetPositions[7]);
  EXPECT_EQ(display.lblRashi->text().toStdString(), astro::RashiName);
  const auto houses = Houses();
  EXPECT_TRUE(houses[0].endsWith(CRLF + "Asc"));
  int bodies = 0;
  for (const QString& house : houses) {
    if (!house.isEmpty()) {
      EXPECT_TRUE(house.startsWith(CRLF));
    }
    bodies += static_cast<int>(house.count(CRLF));
  }
  EXPECT_EQ(bodies, 8);
  EXPECT_EQ(display.txtChakraPlanets[1]->text(), houses[0]);  // house 1 is Ajna's receptive side
  EXPECT_EQ(display.txtChakraPlanets[0]->text(), houses[1]);
}

TEST_F(ChartRunTest, TheMenuEntryRunsTheSameChart) {
  input->mnuCalculate->trigger();
  ASSERT_TRUE(Form<MDI>::IsLoaded());
  EXPECT_FALSE(input->isVisible());
  EXPECT_EQ(astro::BirthRecord.BirthName, "Ada  Byron");
}

TEST_F(ChartRunTest, InvalidInputChangesNothing) {
  Calculate();
  const astro::BirthRecordData before = astro::BirthRecord;
  const std::string tzBefore = astro::TzHoursText;
  const auto housesBefore = Houses();
  frmDisplay* display = Form<frmDisplay>::IfLoaded();
  const QString sunBefore = display->Planet[0]->text();
  auto unchanged = [&](const char* what) {
    EXPECT_EQ(astro::BirthRecord.BirthName, before.BirthName) << what;
    EXPECT_EQ(astro::BirthRecord.BirthYear, before.BirthYear) << what;
    EXPECT_EQ(astro::BirthRecord.LatDegree, before.LatDegree) << what;
    EXPECT_EQ(astro::BirthRecord.TzHours, before.TzHours) << what;
    EXPECT_EQ(astro::TzHoursText, tzBefore) << what;
    EXPECT_EQ(Form<frmDisplay>::IfLoaded(), display) << what;
    EXPECT_EQ(Houses(), housesBefore) << what;
    EXPECT_EQ(display->Planet[0]->text(), sunBefore) << what;
  };

  // The run started again while the chart is up, with changed and faulty input.
  input->cboYear->setCurrentText(QStringLiteral("2001"));
  input->txtName->clear();
  input->cmdCalculate_Click();
  ASSERT_EQ(d.messages->shown.size(), 1u);
  EXPECT_EQ(d.messages->shown[0].text, "Please Enter Your Name");
  unchanged("empty name");

  // Pasted text or a number beyond 16 bits in a coordinate box computes nothing.
  input->txtName->setText(QStringLiteral("Ada"));
  for (const char* pasted : {"40x", "70000", "4 0", "-3"}) {
    input->txtLatDegree->setText(QString::fromLatin1(pasted));
    input->cmdCalculate_Click();
    unchanged(pasted);
  }
  EXPECT_EQ(d.messages->shown.size(), 5u);

  // No time-zone row selected: nothing is read.
  input->txtLatDegree->setText(QStringLiteral("40"));
  input->cboTimeZone->setCurrentIndex(-1);
  input->cmdCalculate_Click();
  ASSERT_EQ(d.messages->shown.size(), 6u);
  EXPECT_EQ(d.messages->shown.back().icon, platform::MsgIcon::Critical);
  unchanged("no zone");

  // From the input window after Back: no main window comes up.
  Form<MDI>::IfLoaded()->cmdBack_Click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  input->txtName->clear();
  Calculate();
  EXPECT_FALSE(Form<MDI>::IsLoaded());
  EXPECT_FALSE(Form<frmDisplay>::IsLoaded());
  EXPECT_TRUE(input->isVisible());
  EXPECT_EQ(astro::BirthRecord.BirthYear, before.BirthYear);
}

TEST_F(ChartRunTest, ARunAfterBackStartsAFreshMainWindowWithTheOtherChart) {
  Calculate();
  const auto first = Houses();
  MDI* mdi = Form<MDI>::IfLoaded();
  mdi->mnuToolBar_Click();
  mdi->mnuColorOn_Click();
  mdi->mnuNorth_Click();
  mdi->mnuSub_Hora_Click();
  QTest::mouseClick(mdi->cmdBack, Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_TRUE(input->isVisible());
  EXPECT_EQ(input->txtName->text(), "  Ada  Byron ");

  input->txtName->setText(QStringLiteral("Grace"));
  input->cboMonth->setCurrentIndex(9);
  input->cboHour->setCurrentIndex(3);
  Calculate();
  MDI& again = *Form<MDI>::IfLoaded();
  for (QAction* checked : {again.mnuToolBar, again.mnuStatusBar, again.mnuColorOff, again.mnuChart, again.mnuSouth}) {
    EXPECT_TRUE(checked->isChecked()) << checked->objectName().toStdString();
  }
  EXPECT_FALSE(again.mnuSub_Hora->isChecked());
  EXPECT_TRUE(again.TB->isVisible());
  frmDisplay& display = *Form<frmDisplay>::IfLoaded();
  EXPECT_TRUE(display.isVisible());
  EXPECT_EQ(display.lblName->text(), "Name: Grace");
  EXPECT_EQ(display.lblDOB->text(), "Date of Birth: October 5, 1975");
  EXPECT_NE(Houses(), first);
  for (QLabel* sign : display.SignLabels()) EXPECT_FALSE(sign->isVisibleTo(&display));
}

TEST_F(ChartRunTest, RunningAgainWhileTheChartIsUpReplacesIt) {
  Calculate();
  frmDisplay* display = Form<frmDisplay>::IfLoaded();
  input->cboHour->setCurrentIndex(3);
  input->txtName->setText(QStringLiteral("Grace"));
  CopyBirthInput(input->Input());
  astro::CalcAscendant();
  astro::CalcMoonAndDasha();
  astro::CalcPlanetPositions();
  astro::MarkRetrogrades();
  const std::array<std::string, 9> expected = astro::PlanetPositions;
  input->cmdCalculate_Click();
  EXPECT_EQ(Form<frmDisplay>::IfLoaded(), display);
  for (std::size_t i = 0; i <= 6; ++i) EXPECT_EQ(display->Planet[i]->text().toStdString(), expected[i]);
  EXPECT_TRUE(Houses()[0].endsWith(CRLF + "Asc"));
}

TEST_F(ChartRunTest, MarkupInTheBirthTextsIsShownAsItStands) {
  const QString name = QStringLiteral("<b>Bold</b> <i>It</i>");
  const QString city = QStringLiteral("<i>") + QString(40, QLatin1Char('W')) + QStringLiteral("</i>");
  input->txtName->setText(name);
  input->txtCity->setText(city);
  Calculate();
  ASSERT_TRUE(d.messages->shown.empty());
  frmDisplay& display = *Form<frmDisplay>::IfLoaded();
  EXPECT_EQ(display.lblName->text(), QStringLiteral("Name: ") + name);
  // The long city is cut; its tooltip reads as the whole raw text.
  ASSERT_FALSE(display.lblCity->toolTip().isEmpty());
  QTextDocument tip;
  tip.setHtml(display.lblCity->toolTip());
  EXPECT_EQ(tip.toPlainText(), QStringLiteral("City: ") + city);
  // No label of any window renders these texts as markup.
  for (QWidget* widget : QApplication::allWidgets()) {
    const auto* label = qobject_cast<QLabel*>(widget);
    if (label && label->text().contains(QStringLiteral("</i>"))) {
      EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
    }
  }
}

}  // namespace
