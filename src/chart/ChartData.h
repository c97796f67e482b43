// The chart as data: what the chart run makes of the calculators' results, built
// once per chart. It holds values (signs, bodies, longitudes, retrograde marks,
// the birth record); every text the windows show or the documents write is made
// from them where it is shown or written, by the one function for it below.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "astro/Shared.h"

inline constexpr int HouseCount = 12;
inline constexpr int ChakraBoxCount = 12;
inline constexpr int SignCount = 12;

// The signs in zodiac order; the number is the index of the zodiac table, and the
// sign's picture is number + 1.
enum class Sign { Aries, Taurus, Gemini, Cancer, Leo, Virgo, Libra, Scorpio, Sagittarius, Capricorn, Aquarius, Pisces };

// The bodies of a chart, in the order of the position rows and the house lists.
enum class Body { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Ascendant };
inline constexpr int BodyCount = 8;

// One body where the calculators put it: its longitude in degrees as its position
// text shows it, and whether it was retrograde on the birth date.
struct Placement {
  Body body = Body::Sun;
  double longitude = 0.0;
  bool retrograde = false;
  bool operator==(const Placement&) const = default;
};

// One house of the wheel: its sign and the bodies standing in that sign, in body
// order.
struct House {
  Sign sign = Sign::Aries;
  std::vector<Placement> placements;
  bool operator==(const House&) const = default;
};

// House (1..12) shown in chakra box 0..11. Box 2m is the emissive and box 2m+1
// the receptive side of chakra row m+1; the emissive column holds houses 2 to 7
// and the receptive column houses 1, 12, 11, 10, 9, 8, so each row pairs two
// houses mirrored about the boundary between houses 1 and 2.
inline constexpr std::array<int, ChakraBoxCount> ChakraBoxHouses{2, 1, 3, 12, 4, 11, 5, 10, 6, 9, 7, 8};

struct ChartData {
  // Every body, Sun to Saturn and the ascendant, whether it has a sign or not.
  std::array<Placement, BodyCount> Placements{};
  // The ascendant's sign; none when its longitude names no sign (360 or beyond,
  // not a number). House 1 then takes Aries and the window keeps its pictures.
  std::optional<Sign> AscendantSign;
  // House k+1 takes the k-th sign after the ascendant's.
  std::array<House, HouseCount> Houses{};
  // The Sun's and the Moon's signs; each is kept from the previous chart when the
  // body's longitude names no sign.
  std::optional<Sign> SunSign;
  std::optional<Sign> MoonSign;
  // The birth data the chart was computed from.
  astro::BirthRecordData Birth;
  // The time-zone row the chart was computed with; Save As stores it.
  int ZoneRow = 0;
};

// The chart of the current birth record; every chart run rebuilds it.
inline ChartData CurrentChart;

// What the chart is built from: each body's longitude in degrees (Sun to Saturn,
// then the ascendant) and the retrograde marks of Mercury to Saturn.
struct ChartReadings {
  std::array<double, BodyCount> Longitudes{};
  std::array<bool, BodyCount> Retrograde{};
};

// The calculators' results of the last chart run, read once.
ChartReadings ReadCalculatorResults();

// Rebuilds chart from readings, the birth record and the zone row.
void BuildChart(ChartData& chart, const ChartReadings& readings, const astro::BirthRecordData& birth, int zoneRow);

// Rebuilds chart from the last chart run: the calculators' results and BirthRecord.
void BuildChart(ChartData& chart, int zoneRow);

// The sign a longitude in degrees falls in, as its longitude text names it; none
// from 360 on and for a longitude that is not a number.
std::optional<Sign> SignOfLongitude(double longitude);

// The house (0..11) whose sign is sign.
std::size_t HouseOfSign(const ChartData& chart, Sign sign);

// The house chakra box 0..11 shows.
const House& ChakraBoxHouse(const ChartData& chart, int box);

// ---- Texts made from the chart -----------------------------------------------------

// "Aries" .. "Pisces"; the empty text for none.
QString SignText(std::optional<Sign> sign);

// The birth data lines the chart window and the export share: "Date of Birth:
// March 5, 1975" with the month as given, "Time of Birth: 14 Hour 7 Minute",
// "Latitude: 18 Degree 31 Minute", "Longitude: 73 Degree 51 Minute".
QString DateOfBirthText(const astro::BirthRecordData& birth, const QString& month);
QString TimeOfBirthText(const astro::BirthRecordData& birth);
QString LatitudeText(const astro::BirthRecordData& birth);
QString LongitudeText(const astro::BirthRecordData& birth);

// "Sun" .. "Saturn", "Asc".
QString BodyText(Body body);

// A body as the house lists name it: "Mercury (R) " when retrograde.
QString PlacementText(const Placement& placement);

// The names of a house's bodies as its list writes them, in the house's order.
QStringList PlacementTexts(const House& house);

// The position text of a body ("05 Ari 07"), as the calculators write it.
QString PositionText(const Placement& placement);

// The list of a house as the wheel's labels and the chakra boxes show it: each
// body on a line of its own, every line preceded by CR LF.
QString HouseText(const House& house);
