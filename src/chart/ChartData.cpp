#include "chart/ChartData.h"

#include <algorithm>
#include <limits>

#include "astro/Astro.h"
#include "chart/ZodiacText.h"

namespace {

const QString LineBreak = QStringLiteral("\r\n");

Sign SignAfter(Sign first, std::size_t steps) {
  return static_cast<Sign>((static_cast<std::size_t>(first) + steps) % SignCount);
}

}  // namespace

ChartReadings ReadCalculatorResults() {
  ChartReadings readings;
  // Before the planets' first run no body has a longitude, and none a sign.
  readings.Longitudes.fill(std::numeric_limits<double>::quiet_NaN());
  if (const auto& planets = astro::LastResults.Planets) {
    std::copy_n(planets->Longitudes.begin(), BodyCount, readings.Longitudes.begin());
  }
  // The retrograde answers run from Mercury, the first body that can turn, to
  // Pluto; the chart has Mercury to Saturn.
  if (const auto& marks = astro::LastResults.Retrogrades) {
    const auto mercury = static_cast<std::size_t>(Body::Mercury);
    for (std::size_t k = mercury; k <= static_cast<std::size_t>(Body::Saturn); ++k) {
      readings.Retrograde[k] = (*marks)[k - mercury];
    }
  }
  return readings;
}

std::optional<Sign> SignOfLongitude(double longitude) {
  const int sign = astro::SignOfLongitude(longitude);
  if (sign < 0) return std::nullopt;
  return static_cast<Sign>(sign);
}

void BuildChart(ChartData& chart, const ChartReadings& readings, const astro::BirthRecordData& birth, int zoneRow) {
  chart.Birth = birth;
  chart.ZoneRow = zoneRow;
  for (std::size_t i = 0; i < chart.Placements.size(); ++i) {
    chart.Placements[i] = {static_cast<Body>(i), readings.Longitudes[i], readings.Retrograde[i]};
  }
  if (const auto sun = SignOfLongitude(readings.Longitudes[0])) chart.SunSign = sun;
  if (const auto moon = SignOfLongitude(readings.Longitudes[1])) chart.MoonSign = moon;

  // The signs turned into houses, the ascendant's sign first; each body goes to
  // the house of its sign, and a body without a sign to none.
  chart.AscendantSign = SignOfLongitude(readings.Longitudes[static_cast<std::size_t>(Body::Ascendant)]);
  const Sign first = chart.AscendantSign.value_or(Sign::Aries);
  for (std::size_t k = 0; k < chart.Houses.size(); ++k) {
    chart.Houses[k].sign = SignAfter(first, k);
    chart.Houses[k].placements.clear();
  }
  for (const Placement& placement : chart.Placements) {
    if (const auto sign = SignOfLongitude(placement.longitude)) {
      chart.Houses[HouseOfSign(chart, *sign)].placements.push_back(placement);
    }
  }
}

void BuildChart(ChartData& chart, int zoneRow) {
  BuildChart(chart, ReadCalculatorResults(), astro::BirthRecord, zoneRow);
}

std::size_t HouseOfSign(const ChartData& chart, Sign sign) {
  const auto first = static_cast<std::size_t>(chart.Houses[0].sign);
  return (static_cast<std::size_t>(sign) + SignCount - first) % SignCount;
}

const House& ChakraBoxHouse(const ChartData& chart, int box) {
  return chart.Houses[static_cast<std::size_t>(ChakraBoxHouses[static_cast<std::size_t>(box)] - 1)];
}

QString SignText(std::optional<Sign> sign) {
  return sign ? SignNameText(static_cast<std::size_t>(*sign)) : QString();
}

QString DateOfBirthText(const astro::BirthRecordData& birth, const QString& month) {
  return QStringLiteral("Date of Birth: %1 %2, %3").arg(month).arg(birth.BirthDay).arg(birth.BirthYear);
}

QString TimeOfBirthText(const astro::BirthRecordData& birth) {
  return QStringLiteral("Time of Birth: %1 Hour %2 Minute").arg(birth.BirthHour).arg(birth.BirthMinute);
}

QString LatitudeText(const astro::BirthRecordData& birth) {
  return QStringLiteral("Latitude: %1 Degree %2 Minute").arg(birth.LatDegree).arg(birth.LatMinute);
}

QString LongitudeText(const astro::BirthRecordData& birth) {
  return QStringLiteral("Longitude: %1 Degree %2 Minute").arg(birth.LongDegree).arg(birth.LongMinute);
}

QString BodyText(Body body) {
  static const std::array<QString, BodyCount> names{
      QStringLiteral("Sun"),     QStringLiteral("Moon"),    QStringLiteral("Mercury"), QStringLiteral("Venus"),
      QStringLiteral("Mars"),    QStringLiteral("Jupiter"), QStringLiteral("Saturn"),  QStringLiteral("Asc")};
  return names[static_cast<std::size_t>(body)];
}

QString PlacementText(const Placement& placement) {
  return placement.retrograde ? BodyText(placement.body) + QStringLiteral(" (R) ") : BodyText(placement.body);
}

QString PositionText(const Placement& placement) {
  return QString::fromStdString(astro::PositionText(placement.longitude));
}

QStringList PlacementTexts(const House& house) {
  QStringList names;
  for (const Placement& placement : house.placements) names.append(PlacementText(placement));
  return names;
}

QString HouseText(const House& house) {
  QString text;
  for (const QString& name : PlacementTexts(house)) text += LineBreak + name;
  return text;
}
