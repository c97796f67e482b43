// The chart as data: what the chart run makes of the calculators' results, built
// once per chart. The chart window draws it; the chakra boxes, the report, Export
// and Save As read it together with the birth record, never another window's
// controls.
#pragma once

#include <QString>
#include <array>

inline constexpr int HouseCount = 12;
inline constexpr int ChakraBoxCount = 12;

// House (1..12) shown in chakra box 0..11. Box 2m is the emissive and box 2m+1
// the receptive side of chakra row m+1; the emissive column holds houses 2 to 7
// and the receptive column houses 1, 12, 11, 10, 9, 8, so each row pairs two
// houses mirrored about the boundary between houses 1 and 2.
inline constexpr std::array<int, ChakraBoxCount> ChakraBoxHouses{2, 1, 3, 12, 4, 11, 5, 10, 6, 9, 7, 8};

struct ChartData {
  // The bodies of each sign, Aries first: each name preceded by CR LF, Sun to
  // Saturn in order (with their retrograde marks) and "Asc" last.
  std::array<QString, 12> SignContents;
  // House k+1 holds the bodies of sign (a + k) mod 12, a being the first sign
  // whose contents hold "Asc" (Aries when none does).
  std::array<QString, HouseCount> Houses;
  // The sign picture (1 Aries .. 12 Pisces) of house k+1; all 0 when the
  // ascendant's position has no sign code, and the window keeps its pictures.
  std::array<int, HouseCount> HousePictures{};
  // Position texts of the Sun .. Saturn, then the ascendant ("05 Ari 07").
  std::array<QString, 8> Positions;
  // The Sun's sign by its full name; kept from the previous chart when the Sun's
  // position has no sign code.
  QString SunSign;
  // The Moon's sign by its full name.
  QString MoonSign;
  // The house texts as the chakra boxes show them, box by box.
  std::array<QString, ChakraBoxCount> ChakraBoxes;
  // The time-zone row the chart was computed with; Save As stores it.
  int ZoneRow = 0;
};

// The chart of the current birth record; every chart run rebuilds it.
inline ChartData CurrentChart;

// Rebuilds chart from the calculators' shared results (positions, body names with
// their retrograde marks, sign codes and the Moon's sign) and the zone row.
void BuildChart(ChartData& chart, int zoneRow);

// The twelve chakra box texts of a chart's houses.
std::array<QString, ChakraBoxCount> ChakraBoxTexts(const std::array<QString, HouseCount>& houses);
