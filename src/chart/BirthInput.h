// The birth data as the input window holds it, the checks it must pass before a
// chart is computed, and its copy into the birth record. No window is needed:
// the input window hands over its texts and choices and shows what comes back.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

struct BirthInput {
  QString Name, City, State, Country;
  QString LatDegree, LatMinute, LongDegree, LongMinute;
  bool North = false, South = false;  // the latitude's two choices
  bool East = false, West = false;    // the longitude's two choices
  int MonthIndex = 0;                 // 0 January .. 11 December; -1 none
  int DayIndex = 0;                   // 0 the 1st .. 30 the 31st; -1 none
  QString DayText, YearText, HourText, MinuteText;
  int ZoneRow = -1;                   // the time-zone table row; -1 none
  bool DST = false;
};

// The box that takes the focus after a message.
enum class InputField { None, Name, LongDegree, LongMinute, LatDegree, LatMinute, City, State, Country };

// What the user is told about the first input that fails its check.
struct InputProblem {
  QString Message;
  bool Information = false;  // the information icon; otherwise critical
  InputField Focus = InputField::None;
  // A missing hemisphere choice is set to South latitude or East longitude
  // after the message.
  enum class Default { None, LatSouth, LongEast } Choose = Default::None;
};

// The first failing check of the whole input, in the order the user is told:
// the boxes that must not be empty (blanks pass), the hemisphere choices, the
// day within its month, then the coordinate boxes as digits within the globe:
// longitude degrees up to 180, latitude degrees up to 90, minutes up to 59, and
// no minutes at 180 or 90 degrees.
std::optional<InputProblem> CheckBirthInput(const BirthInput& input);

// A number as the chart run reads it from a text: leading and trailing blanks
// removed, an optional sign, digits with an optional decimal part, rounded to the
// nearest whole number with halves going to the even neighbour. Nothing when the
// text is not such a number or the result leaves the 16-bit range.
std::optional<std::int16_t> ReadWholeNumber(const QString& text);

// Copies the input into the birth record and the zone texts. False, with
// nothing changed, when a text is no number in the 16-bit range or the zone row
// is none of the table's.
bool CopyBirthInput(const BirthInput& input);
