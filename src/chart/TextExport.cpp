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
  lines.append(Latin1(QStringLiteral("Date of Birth: %1 %2, %3")
                          .arg(MonthNameText(r.BirthMonth))
                          .arg(r.BirthDay)
                          .arg(r.BirthYear)));
  lines.append(Latin1(
      QStringLiteral("Time of Birth: %1 Hour %2 Minute").arg(r.BirthHour).arg(r.BirthMinute)));
  lines.append(Latin1(
      QStringLiteral("Latitude: %1 Degree %2 Minute ").arg(r.LatDegree).arg(r.LatMinute)));
  lines.append(Latin1(
      QStringLiteral("Longitude: %1 Degree %2 Minute ").arg(r.LongDegree).arg(r.LongMinute)));
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
