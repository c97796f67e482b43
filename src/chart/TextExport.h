// The text export: a plain, human-readable summary of the chart on screen, 21
// lines of ISO-8859-1 text with CR LF line ends. Nothing reads it back.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "chart/ChartData.h"

inline constexpr int ExportLineCount = 21;

// The 21 lines of the export (without their CR LF) of a chart: its birth data,
// its positions and its Sun sign (lagna) and Moon sign (rashi). Lines 9 and 19
// are a lone CR, so in the file they read as the bytes 13, 13, 10. Characters
// outside ISO-8859-1 are written as "?".
QList<QByteArray> ChartExportLines(const ChartData& chart);
