#include "chart/TextExport.h"

#include <array>

#include "chart/ZodiacText.h"
#include "chart/ChartFile.h"

namespace {

QByteArray Latin1(const QString& text) { return text.toLatin1(); }

}  // namespace

QList<QByteArray> ChartExportLines(const ChartData& chart) {
  const astro::BirthRecordData& r = chart.Birth;
  QList<QByteArray> lines;
  lines.append(Latin1(QStringLiteral("Name: ") + DocumentText(r.BirthName)));
  lines.append(Latin1(DateOfBirthText(r, MonthNameText(r.BirthMonth))));
  lines.append(Latin1(TimeOfBirthText(r)));
  // The coordinates end with a blank here, unlike on the chart window.
  lines.append(Latin1(LatitudeText(r) + QLatin1Char(' ')));
  lines.append(Latin1(LongitudeText(r) + QLatin1Char(' ')));
  lines.append(Latin1(QStringLiteral("City: ") + DocumentText(r.BirthCity)));
  lines.append(Latin1(QStringLiteral("State: ") + DocumentText(r.BirthState)));
  lines.append(Latin1(QStringLiteral("Country: ") + DocumentText(r.BirthCountry)));
  lines.append(QByteArray("\r"));
  lines.append(QByteArray("Planetary Position"));
  for (const Placement& placement : chart.Placements) {
    lines.append(Latin1(BodyText(placement.body) + QLatin1Char(' ') + PositionText(placement)));
  }
  lines.append(QByteArray("\r"));
  lines.append(Latin1(QStringLiteral("Lagna: ") + SignText(chart.SunSign)));
  lines.append(Latin1(QStringLiteral("Rashi: ") + SignText(chart.MoonSign)));
  return lines;
}
