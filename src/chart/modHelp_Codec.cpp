#include "chart/modHelp_Codec.h"

namespace {

// The single-byte code of one UTF-16 unit: ISO-8859-1, with "?" for anything the
// set cannot represent (as the platform's single-byte conversion does).
int SingleByteCode(QChar c) {
  const char16_t unit = c.unicode();
  return unit <= 0xFF ? static_cast<int>(unit) : static_cast<int>('?');
}

QString Shift(const QString& text, int shift) {
  if (text.size() > CodecMaxLength) return QString();
  QString result;
  result.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    // A character beyond the basic plane is one character of the set, not two.
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ++i;
    const int code = (SingleByteCode(c) + shift + 256) % 256;
    result.append(QChar(static_cast<char16_t>(code)));
  }
  return result;
}

}  // namespace

QString EncodeText(const QString& text) { return Shift(text, CodecShift); }

QString DecodeText(const QString& text) { return Shift(text, -CodecShift); }
