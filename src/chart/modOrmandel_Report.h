// The chakra report: which planet stands in which chakra box of the chart, what
// that means, and a description of the six chakras, as a list of styled runs that
// the report window writes into its rich-text box.
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "chart/ChartData.h"

// ---- The report's tables, refilled (identically) by every report ---------------------
// The chakras, 0 the crown chakra (never printed), 1..6 the chart window's rows
// from the third eye down to the root.
inline constexpr int ChakraCount = 7;
extern std::array<QString, ChakraCount> ChakraNames;
extern std::array<QString, ChakraCount> ChakraDescriptions;
extern std::array<QString, ChakraCount> ChakraSymbols;
extern std::array<QString, ChakraCount> ChakraSanskritNames;
extern std::array<QString, ChakraCount> ChakraKeywords;
extern std::array<QString, ChakraCount> ChakraColors;
extern std::array<QString, ChakraCount> ChakraPositions;

// The planets the report can name, Sun to Pluto, with their readings on each side
// of a chakra; a chart holds Sun to Saturn.
inline constexpr int ChakraPlanetCount = 10;
extern std::array<QString, ChakraPlanetCount> ChakraPlanetNames;
extern std::array<QString, ChakraPlanetCount> EmissiveReadings;
extern std::array<QString, ChakraPlanetCount> ReceptiveReadings;

extern QString IntroText;
extern QString EmissiveText;
extern QString ReceptiveText;

// Fills every table above.
void FillReportTables();

// ---- The report ---------------------------------------------------------------------
// One stretch of the report in one style: bold or not, a colour number of the
// classic 16-colour palette and a point size. Line breaks are "\r\n".
struct ReportRun {
  QString Text;
  bool Bold = false;
  int Colour = 0;
  double PointSize = 10;
  bool operator==(const ReportRun&) const = default;
};

// The whole report from a chart: the bodies of each chakra box's house, box by box
// (box 2m the emissive, box 2m+1 the receptive side of chakra m+1).
std::vector<ReportRun> ChakraReportRuns(const ChartData& chart);
