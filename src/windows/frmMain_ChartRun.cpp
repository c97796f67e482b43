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

// Sign codes and full names, index 0 Aries .. 11 Pisces.
constexpr std::array<const char*, 12> SignCodes{"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                                "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
constexpr std::array<const char*, 12> SignFullNames{
    "Aries", "Taurus", "Gemini",  "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

const QString LineBreak = QStringLiteral("\r\n");

using platform::TrimBlanks;

// Characters 4 to 6 of a position text ("05 Ari 07"): its sign code.
std::string SignCodeOf(const std::string& position) {
  return position.size() > 3 ? position.substr(3, 3) : std::string();
}

// The sign index of a code in the sign table, or -1 when it is none of the twelve.
int SignIndexOf(const std::string& code) {
  for (std::size_t j = 0; j < SignCodes.size(); ++j) {
    if (code == SignCodes[j]) return static_cast<int>(j);
  }
  return -1;
}

std::optional<std::int16_t> AbsoluteWholeNumber(const QString& text) {
  const auto value = ReadWholeNumber(text);
  if (!value || *value == INT16_MIN) return std::nullopt;
  return static_cast<std::int16_t>(*value < 0 ? -*value : *value);
}

// Empties the house labels, then the sign labels Aries..Pisces, so nothing of
// the previous chart is left.
void ClearChart(frmDisplay& display) {
  for (QLabel* house : display.lblNatal) house->setText(QString());
  for (QLabel* sign : display.SignLabels()) sign->setText(QString());
}

// Sun..Saturn into Planet(0..6), the ascendant into Planet(9).
void WritePositions(frmDisplay& display) {
  for (std::size_t i = 0; i <= 6; ++i) {
    display.Planet[i]->setText(QString::fromStdString(astro::PlanetPositions[i]));
  }
  display.Planet[9]->setText(QString::fromStdString(astro::PlanetPositions[7]));
}

// The Sun's sign by its full name, and the Moon's sign.
void WriteSunAndMoonSigns(frmDisplay& display) {
  const int sunSign = SignIndexOf(SignCodeOf(astro::PlanetPositions[0]));
  if (sunSign >= 0) {
    display.lblLagna->setText(QString::fromLatin1(SignFullNames[static_cast<std::size_t>(sunSign)]));
  }
  display.lblRashi->setText(QString::fromStdString(astro::RashiName));
}

// Each body's name appended to the label of its sign, Sun to
// Saturn in order, then "Asc" to the ascendant's sign.
void GatherBodies(const std::array<QLabel*, 12>& signLabels) {
  auto append = [&signLabels](const std::string& position, const QString& name) {
    const int sign = SignIndexOf(SignCodeOf(position));
    if (sign < 0) return;
    QLabel* label = signLabels[static_cast<std::size_t>(sign)];
    label->setText(label->text() + LineBreak + name);
  };
  for (std::size_t i = 0; i <= 6; ++i) {
    append(astro::PlanetPositions[i], QString::fromStdString(astro::PlanetNames[i]));
  }
  append(astro::PlanetPositions[7], QStringLiteral("Asc"));
}

// House k+1 gets the bodies of sign (a + k) mod 12, a being the first
// sign whose text holds "Asc" (Aries when none does).
void RotateHouses(frmDisplay& display, const std::array<QString, 12>& signContents) {
  std::size_t ascendant = 0;
  for (std::size_t j = 0; j < signContents.size(); ++j) {
    if (signContents[j].contains(QLatin1String("Asc"))) {
      ascendant = j;
      break;
    }
  }
  for (std::size_t k = 0; k < 12; ++k) {
    display.lblNatal[k]->setText(signContents[(ascendant + k) % 12]);
  }
}

// House k+1 shows picture ((b + k) mod 12) + 1, b being the ascendant's
// sign by its code in SignAbbrevs; no picture changes when the code matches none.
void SetSignPictures(frmDisplay& display) {
  const std::string code = SignCodeOf(astro::PlanetPositions[7]);
  for (std::size_t b = 0; b < 12; ++b) {
    if (astro::SignAbbrevs[b] != code) continue;
    for (std::size_t k = 0; k < 12; ++k) {
      display.imgSign[k]->setPixmap(display.IMG.ListImages(static_cast<int>((b + k) % 12) + 1));
    }
    return;
  }
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

void FillChart(frmDisplay& display) {
  const std::array<QLabel*, 12> signLabels = display.SignLabels();
  ClearChart(display);
  WritePositions(display);
  WriteSunAndMoonSigns(display);
  GatherBodies(signLabels);
  // The sign labels only gather the bodies by sign; the houses show them,
  // turned so that the ascendant's sign is house 1.
  std::array<QString, 12> signContents;
  for (std::size_t j = 0; j < 12; ++j) signContents[j] = signLabels[j]->text();
  for (QLabel* sign : signLabels) sign->hide();
  for (QLabel* house : display.lblNatal) house->setText(QString());
  RotateHouses(display, signContents);
  SetSignPictures(display);
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
  // The chart window is loaded here when it is not, after the birth
  // record is complete, so its birth-data labels show this chart.
  chartrun::FillChart(platform::Form<frmDisplay>::Get());
  FillChakraBoxes();
  platform::Form<MDI>::Show();
  // The input window is only hidden: it keeps its inputs for Back and New.
  platform::Form<frmStartup>::Hide();
  HideExitScreen();
  hide();
}
