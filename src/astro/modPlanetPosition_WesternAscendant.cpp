#include "astro/modPlanetPosition_WesternAscendant.h"

#include <cmath>

#include "astro/Shared.h"
#include "astro/modEphemeris_WesternHelpers.h"

namespace astro {

double NormalizeDegrees(double& angle) {
  if (angle < 0) angle += 360;
  if (angle > 360) angle -= 360;
  return angle;
}

double Ayanamsa1900(double T) {
  const double omega = detail::ReduceBelow((933060 - 6962911 * T + 7.5 * T * T) / 3600, 360, true);
  const double twiceSun = (2013816 + 259205536 * T) / 3600;
  const double a = 1.27 * std::sin(twiceSun * DegToRad) + 17.23 * std::sin(omega * DegToRad) -
                   T * (5025.64 + 1.11 * T);
  return (a - 80861.27) / 3600;
}

std::string FormatSignedDMS(double& angle) {
  const double sign = angle < 0 ? -1.0 : 1.0;
  angle = std::fabs(angle);
  const double d = std::floor(angle);
  const double f = angle - d;
  const double m = std::floor(60 * f);
  const double s = std::floor(60 * (60 * f - m));
  std::string text;
  text.reserve(24);
  detail::AppendWholeText(text, sign * d);
  text += "\u00B0 ";
  detail::AppendWholeText(text, m);
  text += "' ";
  detail::AppendWholeText(text, s);
  text += '"';
  return text;
}

std::array<double, 25> HousePoints(double ascendant, double midheaven) {
  std::array<double, 25> points{};
  // Midheaven to ascendant: houses 10 to 12, not normalised.
  double d = ascendant - midheaven;
  if (d < 0) d += 360;
  d /= 6;
  for (int i = 0; i <= 6; ++i) points[18 + i] = midheaven + i * d;
  // Descendant to midheaven: houses 7 to 9.
  double descendant = ascendant + 180;
  NormalizeDegrees(descendant);
  d = midheaven - descendant;
  if (d < 0) d += 360;
  d /= 6;
  for (int i = 0; i <= 6; ++i) {
    double point = ascendant + 180 + i * d;
    points[12 + i] = NormalizeDegrees(point);
  }
  // The other six houses lie opposite.
  for (int i = 0; i <= 11; ++i) {
    double point = points[i + 12] + 180;
    points[i] = NormalizeDegrees(point);
  }
  return points;
}

AscendantResult AscendantOf(const BirthRecordData& b) {
  AscendantResult result;
  AscendantWorkingValues& w = result.Values;

  w.LocalTime = b.BirthHour + b.BirthMinute / 60.0;
  w.ZoneAmount = b.TzHours + b.TzMinutes / 60.0;
  w.Longitude = b.LongDegree + b.LongMinute / 60.0;
  if (b.IsEast) w.Longitude = -w.Longitude;  // 0 east stays -0, which counts as west
  w.Latitude = b.LatDegree + b.LatMinute / 60.0;
  if (b.IsSouth) w.Latitude = -w.Latitude;

  // Daylight saving always moves universal time one hour earlier.
  if (b.IsDST) w.ZoneAmount += w.Longitude < 0 ? 1 : -1;

  w.BirthJD = JulianDayNumber(b.BirthMonth, b.BirthDay, b.BirthYear);

  // The birthplace's hemisphere decides the direction, not the zone's sign; the
  // date stays as entered and the day fraction carries any overflow.
  w.UT = w.Longitude < 0 ? w.LocalTime - w.ZoneAmount : w.LocalTime + w.ZoneAmount;
  w.T = (w.BirthJD - 2415020 + w.UT / 24 - 0.5) / 36525;

  // The ayanamsha is computed and shown, then zeroed: the results are tropical.
  w.AyanamsaComputed = Ayanamsa1900(w.T);
  double shown = w.AyanamsaComputed;
  result.AyanamsaText = FormatSignedDMS(shown);
  w.Ayanamsa = 0;

  double ramc = 15 * (6.6460656 + 2400.0513 * w.T + 0.0000258 * w.T * w.T + w.UT) - w.Longitude;
  ramc = detail::ReduceBelow(ramc, 360, true);  // a negative value is left as it is
  w.RAMC = ramc * DegToRad;
  w.Obliquity = (23.452294 - 0.0130125 * w.T) * DegToRad;

  double mc = ATan2(std::tan(w.RAMC), std::cos(w.Obliquity));
  if (mc < 0) mc += Pi;
  if (std::sin(w.RAMC) < 0) mc += Pi;
  w.Midheaven = mc * RadToDeg;

  const double phi = w.Latitude * DegToRad;
  double asc = ATan2(std::cos(w.RAMC),
                     -std::sin(w.RAMC) * std::cos(w.Obliquity) - std::sin(w.Obliquity) * std::tan(phi));
  if (asc < 0) asc += Pi;
  if (std::cos(w.RAMC) < 0) asc += Pi;
  w.Ascendant = detail::ReduceBelow(asc * RadToDeg, 360, true);

  w.Ascendant += w.Ayanamsa;
  w.Midheaven += w.Ayanamsa;

  result.AscendantText = FormatLongitude(NormalizeDegrees(w.Ascendant));
  result.MidheavenText = FormatLongitude(NormalizeDegrees(w.Midheaven));
  return result;
}

void CalcAscendant() {
  const AscendantResult& result = LastResults.Ascendant.emplace(AscendantOf(BirthRecord));
  AscendantText = result.AscendantText;
  MidheavenText = result.MidheavenText;
  AyanamsaText = result.AyanamsaText;
}

}  // namespace astro
