// Writing the chakra report.
#include "windows/modOrmandel_Report.h"

#include "SiteConfig.h"
#include "chart/ChartData.h"
#include "platform/RichTextBox.h"
#include "windows/frmDisplay.h"
#include "windows/frmSave.h"
#include "platform/Forms.h"
#include "platform/Look.h"

namespace {

const QString Break = QStringLiteral("\r\n");
const QString TwoBreaks = QStringLiteral("\r\n\r\n");

// The palette entries the report writes in.
QColor Navy() { return platform::ClassicColor(1); }
QColor Green() { return platform::ClassicColor(2); }
QColor Maroon() { return platform::ClassicColor(4); }
QColor Purple() { return platform::ClassicColor(5); }
QColor Blue() { return platform::ClassicColor(9); }
QColor Red() { return platform::ClassicColor(12); }

// A bold run that switches bold off after it; colour and size stay in force.
void BoldRun(RichTextBox& box, const QColor& color, const QString& text) {
  box.SetSelBold(true);
  box.SetSelColor(color);
  box.SetSelText(text);
  box.SetSelBold(false);
}

void RegularRun(RichTextBox& box, const QColor& color, const QString& text) {
  box.SetSelColor(color);
  box.SetSelText(text);
}

QString VisitLine() {
  return QStringLiteral("For Detailed Analysis Please Visit ") + QString::fromUtf8(site::WebSite);
}

bool PlanetInBox(RichTextBox& searchBuffer, const QString& boxText, const QString& planet) {
  searchBuffer.SetText(boxText);
  return searchBuffer.Find(planet) != -1;
}

void WritePlacement(RichTextBox& report, int box, int planet) {
  const int chakra = 1 + box / 2;
  BoldRun(report, Green(),
          ChakraPlanetNames[planet] + QStringLiteral(" is placed in the ") + ChakraNames[chakra] + Break);
  report.SetSelBold(true);
  report.SetSelColor(Purple());
  report.SetSelText(QStringLiteral("Type: "));
  if (box % 2 == 0) {
    report.SetSelText(QStringLiteral("Emissive") + Break);
    report.SetSelBold(false);
    RegularRun(report, Purple(), EmissiveText + Break);
    RegularRun(report, Blue(), EmissiveReadings[planet] + TwoBreaks);
  } else {
    report.SetSelText(QStringLiteral("Receptive") + Break);
    report.SetSelBold(false);
    RegularRun(report, Purple(), ReceptiveText + Break);
    RegularRun(report, Red(), ReceptiveReadings[planet] + TwoBreaks);
  }
}

void WriteChakraDescription(RichTextBox& report, int chakra) {
  BoldRun(report, Green(), ChakraNames[chakra] + Break);
  const std::array<std::pair<QString, const QString*>, 6> items{{
      {QStringLiteral("Description"), &ChakraDescriptions[chakra]},
      {QStringLiteral("Symbol: "), &ChakraSymbols[chakra]},
      {QStringLiteral("Sanskrit Name: "), &ChakraSanskritNames[chakra]},
      {QStringLiteral("Keywords: "), &ChakraKeywords[chakra]},
      {QStringLiteral("Color: "), &ChakraColors[chakra]},
      {QStringLiteral("Position: "), &ChakraPositions[chakra]},
  }};
  for (std::size_t i = 0; i < items.size(); ++i) {
    BoldRun(report, Purple(), items[i].first + Break);
    RegularRun(report, Purple(), *items[i].second + (i + 1 == items.size() ? TwoBreaks : Break));
  }
}

}  // namespace

void WriteChakraReport(RichTextBox& report, RichTextBox& searchBuffer,
                       const std::array<QString, ChakraBoxCount>& boxTexts) {
  FillReportTables();

  report.SetText(QString());

  report.SetSelFontSize(12);
  BoldRun(report, Navy(), QStringLiteral("QZ Astrology Ormandel Report") + TwoBreaks);

  report.SetSelFontSize(10);
  BoldRun(report, Blue(), VisitLine() + TwoBreaks);
  RegularRun(report, Blue(), IntroText + TwoBreaks);

  BoldRun(report, Maroon(), QStringLiteral("Detailed Interpretation of Planets in Different Chakras") + Break);
  for (int box = 0; box < ChakraBoxCount; ++box) {
    for (int planet = 0; planet < ChakraPlanetCount; ++planet) {
      if (PlanetInBox(searchBuffer, boxTexts[box], ChakraPlanetNames[planet])) {
        WritePlacement(report, box, planet);
      }
    }
  }

  BoldRun(report, Maroon(), QStringLiteral("Description of Different Chakras") + Break);
  for (int chakra = 1; chakra < ChakraCount; ++chakra) WriteChakraDescription(report, chakra);

  BoldRun(report, Blue(), VisitLine());
}

void BuildChakraReport() {
  frmDisplay& display = platform::Form<frmDisplay>::Get();
  frmSave& save = platform::Form<frmSave>::Get();
  if (!display.RTB || !save.RTB) return;
  WriteChakraReport(*save.RTB, *display.RTB, CurrentChart.ChakraBoxes);
}
