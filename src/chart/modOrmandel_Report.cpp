// Writing the chakra report.
#include "chart/modOrmandel_Report.h"

#include "SiteConfig.h"

namespace {

const QString Break = QStringLiteral("\r\n");
const QString TwoBreaks = QStringLiteral("\r\n\r\n");

// The palette numbers the report writes in.
constexpr int Navy = 1;
constexpr int Green = 2;
constexpr int Maroon = 4;
constexpr int Purple = 5;
constexpr int Blue = 9;
constexpr int Red = 12;

// The title is larger; everything after it is in the body size.
constexpr double TitleSize = 12;
constexpr double BodySize = 10;

class RunWriter {
 public:
  void Bold(int colour, const QString& text) { runs.push_back({text, true, colour, size}); }
  void Regular(int colour, const QString& text) { runs.push_back({text, false, colour, size}); }
  double size = BodySize;
  std::vector<ReportRun> runs;
};

QString VisitLine() {
  return QStringLiteral("For Detailed Analysis Please Visit ") + QString::fromUtf8(site::WebSite);
}

void WritePlacement(RunWriter& report, int box, int planet) {
  const int chakra = 1 + box / 2;
  report.Bold(Green, ChakraPlanetNames[planet] + QStringLiteral(" is placed in the ") + ChakraNames[chakra] + Break);
  report.Bold(Purple, QStringLiteral("Type: "));
  if (box % 2 == 0) {
    report.Bold(Purple, QStringLiteral("Emissive") + Break);
    report.Regular(Purple, EmissiveText + Break);
    report.Regular(Blue, EmissiveReadings[planet] + TwoBreaks);
  } else {
    report.Bold(Purple, QStringLiteral("Receptive") + Break);
    report.Regular(Purple, ReceptiveText + Break);
    report.Regular(Red, ReceptiveReadings[planet] + TwoBreaks);
  }
}

void WriteChakraDescription(RunWriter& report, int chakra) {
  report.Bold(Green, ChakraNames[chakra] + Break);
  const std::array<std::pair<QString, const QString*>, 6> items{{
      {QStringLiteral("Description"), &ChakraDescriptions[chakra]},
      {QStringLiteral("Symbol: "), &ChakraSymbols[chakra]},
      {QStringLiteral("Sanskrit Name: "), &ChakraSanskritNames[chakra]},
      {QStringLiteral("Keywords: "), &ChakraKeywords[chakra]},
      {QStringLiteral("Color: "), &ChakraColors[chakra]},
      {QStringLiteral("Position: "), &ChakraPositions[chakra]},
  }};
  for (std::size_t i = 0; i < items.size(); ++i) {
    report.Bold(Purple, items[i].first + Break);
    report.Regular(Purple, *items[i].second + (i + 1 == items.size() ? TwoBreaks : Break));
  }
}

}  // namespace

std::vector<ReportRun> ChakraReportRuns(const ChartData& chart) {
  FillReportTables();
  RunWriter report;

  report.size = TitleSize;
  report.Bold(Navy, QStringLiteral("QZ Astrology Ormandel Report") + TwoBreaks);

  report.size = BodySize;
  report.Bold(Blue, VisitLine() + TwoBreaks);
  report.Regular(Blue, IntroText + TwoBreaks);

  report.Bold(Maroon, QStringLiteral("Detailed Interpretation of Planets in Different Chakras") + Break);
  // Each box's bodies in body order, which is the order of the planet table; the
  // ascendant has no entry.
  for (int box = 0; box < ChakraBoxCount; ++box) {
    for (const Placement& placement : ChakraBoxHouse(chart, box).placements) {
      if (placement.body != Body::Ascendant) WritePlacement(report, box, static_cast<int>(placement.body));
    }
  }

  report.Bold(Maroon, QStringLiteral("Description of Different Chakras") + Break);
  for (int chakra = 1; chakra < ChakraCount; ++chakra) WriteChakraDescription(report, chakra);

  report.Bold(Blue, VisitLine());
  return std::move(report.runs);
}
