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

  // The coordinate boxes reach the birth record as whole numbers. Text that no
  // key filter let through (pasted, or read from a chart file) or a number no
  // place on the globe has is refused, naming the box. Degrees at the pole or
  // at the date line leave no room for minutes.
  struct Coordinate {
    const QString* degree;
    const QString* minute;
    InputField degreeField, minuteField;
    const char* degreeName;
    const char* minuteName;
    int maxDegree;
  };
  const std::array<Coordinate, 2> coordinates{{
      {&in.LongDegree, &in.LongMinute, InputField::LongDegree, InputField::LongMinute, "degree of longitude",
       "minute of longitude", 180},
      {&in.LatDegree, &in.LatMinute, InputField::LatDegree, InputField::LatMinute, "degree of latitude",
       "minute of latitude", 90},
  }};
  const auto outOfRange = [](const QString& text, int max) {
    const std::optional<std::int16_t> value = DigitsOnly(text) ? ReadWholeNumber(text) : std::nullopt;
    return !value || *value > max;
  };
  const auto rangeProblem = [](const char* what, int max, InputField field) {
    return InputProblem{QStringLiteral("The %1 must be a whole number from 0 to %2, typed as digits only.")
                            .arg(QLatin1String(what))
                            .arg(max),
                        false, field};
  };
  for (const Coordinate& c : coordinates) {
    if (outOfRange(*c.degree, c.maxDegree)) return rangeProblem(c.degreeName, c.maxDegree, c.degreeField);
    if (outOfRange(*c.minute, 59)) return rangeProblem(c.minuteName, 59, c.minuteField);
    if (*ReadWholeNumber(*c.degree) == c.maxDegree && *ReadWholeNumber(*c.minute) != 0) {
      return InputProblem{QStringLiteral("At %1 degrees the %2 must be 0.")
                              .arg(c.maxDegree)
                              .arg(QLatin1String(c.minuteName)),
                          false, c.minuteField};
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
