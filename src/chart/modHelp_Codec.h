// The text codec of saved charts and of the update reminder's settings: every
// character's single-byte (ISO-8859-1) code is raised by a fixed shift on encoding
// and lowered by it on decoding, counting round from 255 to 0. It keeps texts from
// being read at a glance; it is no protection.
#pragma once

#include <QString>

// The shift of the codec. Files and settings written with one value can be read
// back only with the same value, so it never changes.
inline constexpr int CodecShift = 5;

// Texts longer than this give the empty result (lengths are 16-bit counts).
inline constexpr int CodecMaxLength = 32767;

// The coded form of text: each code raised by CodecShift. The last CodecShift
// codes (251..255: û ü ý þ ÿ) go round to 0..CodecShift-1, codes that the
// encoder never produced before, so every text coded earlier still decodes
// exactly as it did. A character outside ISO-8859-1 counts as "?".
QString EncodeText(const QString& text);

// The plain form of a coded text: each code lowered by CodecShift, the codes
// below it going round to the top of the range.
QString DecodeText(const QString& text);
