// The chart run behind "Get My Ormandel": checks the input, copies it into the
// birth record, runs the calculators, fills the chart window and shows the main
// window in place of the input window.
#include "windows/frmMain_ChartRun.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <array>
#include <cfenv>
#include <cmath>
#include <string>

#include "astro/Astro.h"
#include "chart/ChartData.h"
#include "windows/frmDisplay.h"
#include "windows/frmMain.h"
#include "windows/modOrmandel_ChakraBoxes.h"
#include "platform/Forms.h"
#include "platform/Services.h"
#include "platform/Text.h"
#include "windows/ExitScreenRoad.h"
#include "windows/MDI.h"
#include "windows/frmStartup.h"

namespace chartrun {
namespace {

using platform::TrimBlanks;

std::optional<std::int16_t> AbsoluteWholeNumber(const QString& text) {
  const auto value = ReadWholeNumber(text);
  if (!value || *value == INT16_MIN) return std::nullopt;
  return static_cast<std::int16_t>(*value < 0 ? -*value : *value);
}

}  // namespace

std::optional<std::int16_t> ReadWholeNumber(const QString& text) {
  static const QRegularExpression number(QStringLiteral("^[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)$"));
  const QString trimmed = TrimBlanks(text);
  if (!number.match(trimmed).hasMatch()) return std::nullopt;
  bool ok = false;
  const double value = trimmed.toDouble(&ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  // Halves go to the even neighbour.
  const int previousMode = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const double rounded = std::nearbyint(value);
  std::fesetround(previousMode);
  if (rounded < INT16_MIN || rounded > INT16_MAX) return std::nullopt;
  return static_cast<std::int16_t>(rounded);
}

bool CopyInputs(const frmMain& input) {
  const int row = input.cboTimeZone->currentIndex();
  if (row < 0 || row >= static_cast<int>(astro::TimeZoneHours.size())) return false;
  const auto zone = static_cast<std::size_t>(row);
  const QString zoneHours = QString::fromStdString(astro::TimeZoneHours[zone]);
  const QString zoneMinutes = QString::fromStdString(astro::TimeZoneMinutes[zone]);

  const auto day = ReadWholeNumber(input.cboDate->currentText());
  const auto year = ReadWholeNumber(input.cboYear->currentText());
  const auto hour = ReadWholeNumber(input.cboHour->currentText());
  const auto minute = ReadWholeNumber(input.cboMinute->currentText());
  const auto tzHours = AbsoluteWholeNumber(zoneHours);
  const auto tzMinutes = AbsoluteWholeNumber(zoneMinutes);
  const auto longDegree = ReadWholeNumber(input.txtLongDegree->text());
  const auto longMinute = ReadWholeNumber(input.txtLongMinute->text());
  const auto latDegree = ReadWholeNumber(input.txtLatDegree->text());
  const auto latMinute = ReadWholeNumber(input.txtLatMinute->text());
  const int month = input.cboMonth->currentIndex() + 1;
  // A text that reads as no 16-bit number must not reach the calculators wrapped
  // or as garbage: the chart is then not computed at all.
  if (!day || !year || !hour || !minute || !tzHours || !tzMinutes || !longDegree ||
      !longMinute || !latDegree || !latMinute || month < 1 || month > 12) {
    return false;
  }

  astro::BirthRecordData& record = astro::BirthRecord;
  record.BirthName = TrimBlanks(input.txtName->text()).toStdString();
  record.BirthMonth = static_cast<std::int16_t>(month);
  record.BirthDay = *day;
  record.BirthYear = *year;
  record.BirthHour = *hour;
  record.BirthMinute = *minute;
  record.TzHours = *tzHours;
  record.TzMinutes = *tzMinutes;
  astro::TzHoursText = zoneHours.toStdString();
  astro::TzMinutesText = zoneMinutes.toStdString();
  record.LongDegree = *longDegree;
  record.LongMinute = *longMinute;
  record.LatDegree = *latDegree;
  record.LatMinute = *latMinute;
  record.IsEast = input.optLongEast[0]->isChecked();
  record.IsSouth = input.optLatSouth[1]->isChecked();
  record.IsDST = input.chkDST->checkState() != Qt::Unchecked;
  record.BirthCity = TrimBlanks(input.txtCity->text()).toStdString();
  record.BirthState = TrimBlanks(input.txtState->text()).toStdString();
  record.BirthCountry = TrimBlanks(input.txtCountry->text()).toStdString();
  return true;
}

void ShowChart(frmDisplay& display, const ChartData& chart) {
  for (std::size_t i = 0; i <= 6; ++i) display.Planet[i]->setText(chart.Positions[i]);
  display.Planet[9]->setText(chart.Positions[7]);
  if (!chart.SunSign.isEmpty()) display.lblLagna->setText(chart.SunSign);
  display.lblRashi->setText(chart.MoonSign);
  // The hidden sign labels keep each sign's list of bodies; the houses show them.
  const std::array<QLabel*, 12> signLabels = display.SignLabels();
  for (std::size_t j = 0; j < signLabels.size(); ++j) {
    signLabels[j]->setText(chart.SignContents[j]);
    signLabels[j]->hide();
  }
  for (std::size_t k = 0; k < display.lblNatal.size(); ++k) display.lblNatal[k]->setText(chart.Houses[k]);
  if (chart.HousePictures[0] != 0) {
    for (std::size_t k = 0; k < display.imgSign.size(); ++k) {
      display.imgSign[k]->setPixmap(display.IMG.ListImages(chart.HousePictures[k]));
    }
  }
}

}  // namespace chartrun

void frmMain::cmdCalculate_Click() {
  // ValidateInput has already told the user what is wrong.
  if (!ValidateInput()) return;
  astro::LoadTimeZones();
  // A second guard behind ValidateInput: nothing reaches the calculators that
  // does not read as a whole number.
  if (!chartrun::CopyInputs(*this)) {
    platform::MsgBox(QStringLiteral("The birth data could not be read as whole numbers. Please check "
                                    "the latitude, the longitude and the time zone."),
                     platform::MsgButtons::OK, platform::MsgIcon::Critical);
    return;
  }
  astro::CalcAscendant();
  astro::CalcMoonAndDasha();
  astro::CalcPlanetPositions();
  astro::MarkRetrogrades();
  BuildChart(CurrentChart, cboTimeZone->currentIndex());
  // The chart window is loaded here when it is not, after the birth record is
  // complete, so its birth-data labels show this chart.
  frmDisplay& display = platform::Form<frmDisplay>::Get();
  chartrun::ShowChart(display, CurrentChart);
  FillChakraBoxes(display, CurrentChart);
  platform::Form<MDI>::Show();
  // The input window is only hidden: it keeps its inputs for Back and New.
  platform::Form<frmStartup>::Hide();
  HideExitScreen();
  hide();
}
