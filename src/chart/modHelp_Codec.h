// The text codec of saved charts and of the update reminder's settings: every
// character's single-byte (ISO-8859-1) code is raised by a fixed shift on encoding
// and lowered by it on decoding. It keeps texts from being read at a glance; it is
// no protection.
#pragma once

#include <QString>

// The shift of the codec. Files and settings written with one value can be read
// back only with the same value, so it never changes.
inline constexpr int CodecShift = 5;

// Texts longer than this give the empty result (lengths are 16-bit counts).
inline constexpr int CodecMaxLength = 32767;

// The coded form of text: each code raised by CodecShift; a character whose new
// code would pass 255 is left out. A character outside ISO-8859-1 counts as "?".
QString EncodeText(const QString& text);

// The plain form of a coded text: each code lowered by CodecShift; a character
// whose new code would fall below 0 is left out.
QString DecodeText(const QString& text);
