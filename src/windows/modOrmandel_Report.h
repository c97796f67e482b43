// The chakra report: which planet stands in which chakra box of the chart window,
// what that means, and a description of the six chakras of the chart, written as
// formatted text into the report window's rich-text box.
#pragma once

#include <QString>
#include <array>

#include "chart/ChartData.h"

class RichTextBox;

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

// The planets looked for in the boxes, Sun to Pluto, with their readings on each
// side of a chakra.
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

// Writes the whole report into report from the texts of the twelve chakra boxes
// (box 2m the emissive, box 2m+1 the receptive side of chakra m+1). A planet
// stands in a box when its name occurs in the box text, letter case ignored; the
// box text is loaded into searchBuffer for that search.
void WriteChakraReport(RichTextBox& report, RichTextBox& searchBuffer,
                       const std::array<QString, ChakraBoxCount>& boxTexts);

// The report of the chart on screen: reads the chart window's chakra boxes,
// searches with its hidden search box and writes the report window's RTB. Loads
// either window first when it is not loaded.
void BuildChakraReport();
