#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include "windows/modHelp.h"

namespace {

QString Codes(std::initializer_list<int> codes) {
  QString s;
  for (int c : codes) s.append(QChar(static_cast<char16_t>(c)));
  return s;
}

TEST(Codec, EmptyTextStaysEmpty) {
  EXPECT_EQ(EncodeText(QString()), QString());
  EXPECT_EQ(DecodeText(QString()), QString());
}

TEST(Codec, LettersAreShiftedUpAndBack) {
  const QString coded = EncodeText(QStringLiteral("abc"));
  EXPECT_EQ(coded, Codes({'a' + CodecShift, 'b' + CodecShift, 'c' + CodecShift}));
  EXPECT_EQ(DecodeText(coded), QStringLiteral("abc"));
}

TEST(Codec, CodesThatLeaveTheByteRangeAreDropped) {
  EXPECT_EQ(EncodeText(Codes({'x', 255, 'y'})), Codes({'x' + CodecShift, 'y' + CodecShift}));
  EXPECT_EQ(DecodeText(Codes({0, 'x'})), Codes({'x' - CodecShift}));
  // The highest code that survives encoding, and the lowest that survives decoding.
  EXPECT_EQ(EncodeText(Codes({255 - CodecShift})), Codes({255}));
  EXPECT_EQ(DecodeText(Codes({CodecShift})), Codes({0}));
}

TEST(Codec, DecodingPlainTextDropsLowCodesAndLowersTheRest) {
  QString plain;
  for (int c = 0; c < 40; ++c) plain.append(QChar(static_cast<char16_t>(c)));
  const QString decoded = DecodeText(plain);
  ASSERT_EQ(decoded.size(), 40 - CodecShift);
  for (int i = 0; i < decoded.size(); ++i) EXPECT_EQ(decoded.at(i).unicode(), i);
}

TEST(Codec, FieldTextsComeBackUnchanged) {
  QStringList texts = {QStringLiteral("True"), QStringLiteral("False"),
                       QStringLiteral("Anna Maria von Berg"), QStringLiteral("  "),
                       QStringLiteral("Orl\u00e9ans")};
  for (int n = 0; n <= 2050; ++n) texts.append(QString::number(n));
  for (const QString& t : texts) {
    const QString coded = EncodeText(t);
    for (QChar c : coded) {
      EXPECT_GE(c.unicode(), CodecShift);
      EXPECT_LE(c.unicode(), 255);
    }
    EXPECT_EQ(DecodeText(coded), t);
  }
}

TEST(Codec, CharactersOutsideTheSetBecomeQuestionMarks) {
  // One character beyond the basic plane is still one character of the set.
  const QString text = QStringLiteral("a\u20ac") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("b");
  EXPECT_EQ(DecodeText(EncodeText(text)), QStringLiteral("a??b"));
}

TEST(Codec, OverLongTextGivesTheEmptyText) {
  const QString longest(CodecMaxLength, QLatin1Char('a'));
  EXPECT_EQ(EncodeText(longest).size(), CodecMaxLength);
  EXPECT_EQ(EncodeText(longest + QLatin1Char('a')), QString());
  EXPECT_EQ(DecodeText(longest + QLatin1Char('a')), QString());
}

TEST(Codec, TheArgumentIsNotChanged) {
  const QString text = QStringLiteral("Pune");
  const QString copy = text;
  EncodeText(text);
  DecodeText(text);
  EXPECT_EQ(text, copy);
}

}  // namespace
