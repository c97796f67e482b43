#include "chart/TextExport.h"

#include <array>

#include "astro/Shared.h"
#include "chart/ZodiacText.h"
#include "chart/ChartFile.h"

namespace {

QByteArray Latin1(const QString& text) { return text.toLatin1(); }

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

QList<QByteArray> ChartExportLines(const QString& lagna, const QString& rashi) {
  const astro::BirthRecordData& r = astro::BirthRecord;
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
  // Every slot of the position tables but the last, which stays empty.
  for (std::size_t i = 0; i + 1 < astro::PositionNames.size(); ++i) {
    lines.append(Latin1(FromStd(astro::PositionNames[i]) + QLatin1Char(' ') +
                        FromStd(astro::PlanetPositions[i])));
  }
  lines.append(QByteArray("\r"));
  lines.append(Latin1(QStringLiteral("Lagna: ") + lagna));
  lines.append(Latin1(QStringLiteral("Rashi: ") + rashi));
  return lines;
}
