// Small text helpers shared by the windows.
#pragma once

#include <QString>

namespace platform {

// Removes leading and trailing blanks (spaces only; tabs and line breaks stay).
inline QString TrimBlanks(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text.at(first) == QLatin1Char(' ')) ++first;
  while (last > first && text.at(last - 1) == QLatin1Char(' ')) --last;
  return text.mid(first, last - first);
}

}  // namespace platform
