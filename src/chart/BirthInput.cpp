#include "chart/BirthInput.h"

#include <array>
#include <utility>

#include "astro/Numbers.h"
#include "astro/Shared.h"
#include "astro/modPlanetPosition_WesternTimeZones.h"
#include "platform/Text.h"

namespace {

using platform::TrimBlanks;

std::optional<std::int16_t> AbsoluteWholeNumber(const QString& text) {
  const auto value = ReadWholeNumber(text);
  if (!value || *value == INT16_MIN) return std::nullopt;
  return static_cast<std::int16_t>(*value < 0 ? -*value : *value);
}

bool DigitsOnly(const QString& text) {
  if (text.isEmpty()) return false;
  for (const QChar c : text) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
  }
  return true;
}

InputProblem Critical(const char* message, InputField focus = InputField::None) {
  return {QLatin1String(message), false, focus};
}

}  // namespace

std::optional<std::int16_t> ReadWholeNumber(const QString& text) {
  const auto value = astro::ReadWholeNumber(text.toStdString(), INT16_MIN, INT16_MAX);
  if (!value) return std::nullopt;
  return static_cast<std::int16_t>(*value);
}

std::optional<InputProblem> CheckBirthInput(const BirthInput& in) {
  const std::array<std::tuple<const QString*, InputField, const char*>, 8> required{{
      {&in.Name, InputField::Name, "Please Enter Your Name"},
      {&in.LongDegree, InputField::LongDegree, "Please Enter Degree of Longitude"},
      {&in.LongMinute, InputField::LongMinute, "Please Enter Minute of Longitude"},
      {&in.LatDegree, InputField::LatDegree, "Please Enter Degree of Latitude"},
      {&in.LatMinute, InputField::LatMinute, "Please Enter Minutes of Latitude"},
      {&in.City, InputField::City, "Please Enter Your City name"},
      {&in.State, InputField::State, "Please Enter Your State name"},
      {&in.Country, InputField::Country, "Please Enter Your Country name"},
  }};
  for (const auto& [text, field, message] : required) {
    if (text->isEmpty()) return Critical(message, field);
  }

  if (!in.North && !in.South) {
    InputProblem problem = Critical("Please Select Direction For The Latitude");
    problem.Choose = InputProblem::Default::LatSouth;
    return problem;
  }
  if (!in.East && !in.West) {
    InputProblem problem = Critical("Please Select Direction For The Longitude");
    problem.Choose = InputProblem::Default::LongEast;
    return problem;
  }

  // Every fourth year counts as a leap year; the years offered hold no exception.
  const int year = ReadWholeNumber(in.YearText).value_or(0);
  if (in.MonthIndex == 1 && in.DayIndex >= (year % 4 == 0 ? 29 : 28)) {
    return InputProblem{QStringLiteral("Please Enter Correct Date Or Month!"), true};
  }
  const bool thirtyDays = in.MonthIndex == 3 || in.MonthIndex == 5 || in.MonthIndex == 8 || in.MonthIndex == 10;
  if (thirtyDays && in.DayIndex == 30) {
    return InputProblem{QStringLiteral("Please Enter Correct Date Or Month !"), true};
  }

  // The coordinate boxes reach the birth record as 16-bit whole numbers. Text
  // that no key filter let through (pasted) or a number too large for that is
  // refused, naming the box.
  const std::array<std::tuple<const QString*, InputField, const char*>, 4> coordinates{{
      {&in.LongDegree, InputField::LongDegree, "degree of longitude"},
      {&in.LongMinute, InputField::LongMinute, "minute of longitude"},
      {&in.LatDegree, InputField::LatDegree, "degree of latitude"},
      {&in.LatMinute, InputField::LatMinute, "minute of latitude"},
  }};
  for (const auto& [text, field, what] : coordinates) {
    if (!DigitsOnly(*text) || !ReadWholeNumber(*text)) {
      return InputProblem{QStringLiteral("The %1 must be a whole number from 0 to 32767, typed as digits only.")
                              .arg(QLatin1String(what)),
                          false, field};
    }
  }
  return std::nullopt;
}

bool CopyBirthInput(const BirthInput& in) {
  if (in.ZoneRow < 0 || in.ZoneRow >= static_cast<int>(astro::TimeZoneHours.size())) return false;
  const auto zone = static_cast<std::size_t>(in.ZoneRow);
  const QString zoneHours = QString::fromStdString(astro::TimeZoneHours[zone]);
  const QString zoneMinutes = QString::fromStdString(astro::TimeZoneMinutes[zone]);

  const auto day = ReadWholeNumber(in.DayText);
  const auto year = ReadWholeNumber(in.YearText);
  const auto hour = ReadWholeNumber(in.HourText);
  const auto minute = ReadWholeNumber(in.MinuteText);
  const auto tzHours = AbsoluteWholeNumber(zoneHours);
  const auto tzMinutes = AbsoluteWholeNumber(zoneMinutes);
  const auto longDegree = ReadWholeNumber(in.LongDegree);
  const auto longMinute = ReadWholeNumber(in.LongMinute);
  const auto latDegree = ReadWholeNumber(in.LatDegree);
  const auto latMinute = ReadWholeNumber(in.LatMinute);
  const int month = in.MonthIndex + 1;
  // A text that reads as no 16-bit number must not reach the calculators wrapped
  // or as garbage: the chart is then not computed at all.
  if (!day || !year || !hour || !minute || !tzHours || !tzMinutes || !longDegree ||
      !longMinute || !latDegree || !latMinute || month < 1 || month > 12) {
    return false;
  }

  astro::BirthRecordData& record = astro::BirthRecord;
  record.BirthName = TrimBlanks(in.Name).toStdString();
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
  record.IsEast = in.East;
  record.IsSouth = in.South;
  record.IsDST = in.DST;
  record.BirthCity = TrimBlanks(in.City).toStdString();
  record.BirthState = TrimBlanks(in.State).toStdString();
  record.BirthCountry = TrimBlanks(in.Country).toStdString();
  return true;
}
