// Numbers as the chart run reads them from the input window's texts.
#include <gtest/gtest.h>

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

}  // namespace
