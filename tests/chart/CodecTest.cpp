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

TEST(Codec, TheTopFiveCodesGoRoundToTheBytesOlderTextsNeverHeld) {
  EXPECT_EQ(EncodeText(Codes({'x', 255, 'y'})), Codes({'x' + CodecShift, CodecShift - 1, 'y' + CodecShift}));
  EXPECT_EQ(EncodeText(Codes({251, 252, 253, 254, 255})), Codes({0, 1, 2, 3, 4}));
  EXPECT_EQ(DecodeText(Codes({0, 1, 2, 3, 4})), Codes({251, 252, 253, 254, 255}));
  EXPECT_EQ(DecodeText(EncodeText(QStringLiteral("M\u00fcller \u00fb\u00fc\u00fd\u00fe\u00ff"))),
            QStringLiteral("M\u00fcller \u00fb\u00fc\u00fd\u00fe\u00ff"));

  // Older texts hold the codes from the shift up: each still decodes as before.
  QString coded;
  for (int c = CodecShift; c <= 255; ++c) coded.append(QChar(static_cast<char16_t>(c)));
  const QString decoded = DecodeText(coded);
  ASSERT_EQ(decoded.size(), 256 - CodecShift);
  for (int i = 0; i < decoded.size(); ++i) EXPECT_EQ(decoded.at(i).unicode(), i);
  EXPECT_EQ(EncodeText(decoded), coded);
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
