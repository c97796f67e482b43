#include <gtest/gtest.h>

#include "platform/Text.h"

TEST(Text, TrimBlanksTakesOnlyOuterSpaces) {
  using platform::TrimBlanks;
  EXPECT_EQ(TrimBlanks(QStringLiteral("  Anna Maria  ")), QStringLiteral("Anna Maria"));
  EXPECT_EQ(TrimBlanks(QStringLiteral("   ")), QString());
  EXPECT_EQ(TrimBlanks(QString()), QString());
  EXPECT_EQ(TrimBlanks(QStringLiteral("\tx\r\n")), QStringLiteral("\tx\r\n"));
  EXPECT_EQ(TrimBlanks(QStringLiteral(" \u00e9t\u00e9 ")), QStringLiteral("\u00e9t\u00e9"));
}
