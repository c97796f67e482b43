// Numbers as the chart run reads them from the input window's texts, and the
// checks the whole input passes before a chart is computed.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "chart/BirthInput.h"

namespace {

TEST(ChartRunNumbers, ReadsTrimmedNumbersRoundingHalvesToEven) {
  EXPECT_EQ(ReadWholeNumber("12"), 12);
  EXPECT_EQ(ReadWholeNumber("  40 "), 40);
  EXPECT_EQ(ReadWholeNumber("-5"), -5);
  EXPECT_EQ(ReadWholeNumber("+8"), 8);
  EXPECT_EQ(ReadWholeNumber("12.5"), 12);
  EXPECT_EQ(ReadWholeNumber("13.5"), 14);
  EXPECT_EQ(ReadWholeNumber("-2.5"), -2);
  EXPECT_EQ(ReadWholeNumber("0.51"), 1);
  EXPECT_EQ(ReadWholeNumber(".5"), 0);
  EXPECT_EQ(ReadWholeNumber("32767"), 32767);
  EXPECT_EQ(ReadWholeNumber("-32768"), -32768);
}

TEST(ChartRunNumbers, RefusesGarbageAndNumbersBeyondSixteenBits) {
  for (const char* text : {"", "   ", "abc", "12a", "1 2", "1e3", "0x10", "inf", "nan", "--1", ".",
                           "32768", "-32769", "32767.5", "99999999999999999999", "\t12"}) {
    EXPECT_FALSE(ReadWholeNumber(QString::fromLatin1(text)).has_value()) << text;
  }
}

// ---- The whole-input check ----------------------------------------------------------

// Anna's complete input, which passes every check.
BirthInput Complete() {
  BirthInput in;
  in.Name = "Anna";
  in.LongDegree = "77";
  in.LongMinute = "13";
  in.LatDegree = "28";
  in.LatMinute = "36";
  in.City = "New Delhi";
  in.State = "Delhi";
  in.Country = "India";
  in.North = true;
  in.East = true;
  in.MonthIndex = 0;
  in.DayIndex = 0;
  in.DayText = "1";
  in.YearText = "1990";
  in.HourText = "0";
  in.MinuteText = "0";
  in.ZoneRow = 0;
  return in;
}

struct Expected {
  QString message;  // empty: the input passes
  InputField focus = InputField::None;
  bool information = false;
  InputProblem::Default choose = InputProblem::Default::None;
};

void ExpectCheck(const BirthInput& in, const Expected& expected) {
  const std::optional<InputProblem> problem = CheckBirthInput(in);
  if (expected.message.isEmpty()) {
    EXPECT_FALSE(problem.has_value()) << (problem ? problem->Message.toStdString() : "");
    return;
  }
  ASSERT_TRUE(problem.has_value());
  EXPECT_EQ(problem->Message, expected.message);
  EXPECT_EQ(problem->Focus, expected.focus);
  EXPECT_EQ(problem->Information, expected.information);
  EXPECT_EQ(problem->Choose, expected.choose);
}

TEST(CheckBirthInput, EachEmptyBoxGivesItsMessageAndFocusAndBlanksCountAsFilled) {
  const std::vector<std::tuple<QString BirthInput::*, InputField, QString>> rows{
      {&BirthInput::Name, InputField::Name, "Please Enter Your Name"},
      {&BirthInput::LongDegree, InputField::LongDegree, "Please Enter Degree of Longitude"},
      {&BirthInput::LongMinute, InputField::LongMinute, "Please Enter Minute of Longitude"},
      {&BirthInput::LatDegree, InputField::LatDegree, "Please Enter Degree of Latitude"},
      {&BirthInput::LatMinute, InputField::LatMinute, "Please Enter Minutes of Latitude"},
      {&BirthInput::City, InputField::City, "Please Enter Your City name"},
      {&BirthInput::State, InputField::State, "Please Enter Your State name"},
      {&BirthInput::Country, InputField::Country, "Please Enter Your Country name"},
  };
  ExpectCheck(Complete(), {});
  for (const auto& [box, field, message] : rows) {
    SCOPED_TRACE(message.toStdString());
    BirthInput in = Complete();
    in.*box = QString();
    ExpectCheck(in, {message, field});
  }
  BirthInput blanks = Complete();
  blanks.Name = "   ";
  ExpectCheck(blanks, {});
}

TEST(CheckBirthInput, OnlyTheFirstFailureInTheOrderTheUserIsTold) {
  BirthInput in = Complete();
  in.Name.clear();
  in.LatDegree.clear();
  in.Country.clear();
  in.MonthIndex = 3;
  in.DayIndex = 30;
  ExpectCheck(in, {"Please Enter Your Name", InputField::Name});
  in = Complete();
  in.North = false;
  in.East = false;
  in.LatDegree = "95";
  ExpectCheck(in, {"Please Select Direction For The Latitude", InputField::None, false,
                   InputProblem::Default::LatSouth});
  in.South = true;
  ExpectCheck(in, {"Please Select Direction For The Longitude", InputField::None, false,
                   InputProblem::Default::LongEast});
  in.East = true;
  in.MonthIndex = 1;
  in.DayIndex = 29;
  ExpectCheck(in, {"Please Enter Correct Date Or Month!", InputField::None, true});
}

TEST(CheckBirthInput, DaysTheMonthDoesNotHave) {
  const QString february = "Please Enter Correct Date Or Month!";
  const QString thirty = "Please Enter Correct Date Or Month !";
  const std::vector<std::tuple<int, int, int, QString>> rows{
      // day, month index, year, message (empty: passes)
      {31, 3, 1990, thirty}, {31, 5, 1990, thirty}, {31, 8, 1990, thirty}, {31, 10, 1990, thirty},
      {30, 3, 1990, ""},     {31, 0, 1990, ""},     {31, 11, 1990, ""},
      {29, 1, 1901, february}, {28, 1, 1901, ""},  {29, 1, 1904, ""},
      {30, 1, 2000, february}, {31, 1, 2048, february},
  };
  for (const auto& [day, month, year, message] : rows) {
    SCOPED_TRACE(testing::Message() << day << "/" << month + 1 << "/" << year);
    BirthInput in = Complete();
    in.DayIndex = day - 1;
    in.DayText = QString::number(day);
    in.MonthIndex = month;
    in.YearText = QString::number(year);
    ExpectCheck(in, {message, InputField::None, !message.isEmpty()});
  }
}

TEST(CheckBirthInput, CoordinatesMustBeDigitsOfAPlaceOnTheGlobe) {
  const auto range = [](const char* what, int max) {
    return QStringLiteral("The %1 must be a whole number from 0 to %2, typed as digits only.")
        .arg(QLatin1String(what))
        .arg(max);
  };
  const QString longDegree = range("degree of longitude", 180);
  const QString longMinute = range("minute of longitude", 59);
  const QString latDegree = range("degree of latitude", 90);
  const QString latMinute = range("minute of latitude", 59);
  const QString pole = "At 90 degrees the minute of latitude must be 0.";
  const QString dateLine = "At 180 degrees the minute of longitude must be 0.";
  using F = InputField;
  const std::vector<std::tuple<const char*, const char*, const char*, const char*, QString, F>> rows{
      // longitude degree, minute, latitude degree, minute, message (empty: passes), focus
      {"180", "0", "90", "0", "", F::None},
      {"0", "59", "0", "59", "", F::None},
      {"180", "00", "90", "000", "", F::None},
      {"0", "0", "0", "00007", "", F::None},
      {"181", "0", "0", "0", longDegree, F::LongDegree},
      {"200", "99", "0", "0", longDegree, F::LongDegree},
      {"0", "60", "0", "0", longMinute, F::LongMinute},
      {"180", "1", "0", "0", dateLine, F::LongMinute},
      {"0", "0", "91", "0", latDegree, F::LatDegree},
      {"0", "0", "95", "70", latDegree, F::LatDegree},
      {"0", "0", "32767", "0", latDegree, F::LatDegree},
      {"0", "0", "0", "60", latMinute, F::LatMinute},
      {"0", "0", "90", "1", pole, F::LatMinute},
      {"0", "0", "90", "59", pole, F::LatMinute},
      // longitude is told before latitude, degrees before minutes
      {"181", "60", "91", "60", longDegree, F::LongDegree},
      {"10", "60", "91", "0", longMinute, F::LongMinute},
      // text that no key filter lets through, as pasting or a chart file leaves it
      {"-12", "0", "0", "0", longDegree, F::LongDegree},
      {"0", "12.5", "0", "0", longMinute, F::LongMinute},
      {"0", "0", " 12", "0", latDegree, F::LatDegree},
      {"0", "0", "0", "1e3", latMinute, F::LatMinute},
      {"0", "0", "0", "99999999999999999999", latMinute, F::LatMinute},
      {"+5", "0", "0", "0", longDegree, F::LongDegree},
  };
  for (const auto& [lonD, lonM, latD, latM, message, focus] : rows) {
    SCOPED_TRACE(testing::Message() << lonD << " " << lonM << " / " << latD << " " << latM);
    BirthInput in = Complete();
    in.LongDegree = lonD;
    in.LongMinute = lonM;
    in.LatDegree = latD;
    in.LatMinute = latM;
    ExpectCheck(in, {message, focus});
  }
}

}  // namespace
