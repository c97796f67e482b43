#include "chart/ChartData.h"

#include <string>

#include "astro/Shared.h"
#include "chart/ZodiacText.h"

namespace {

const QString LineBreak = QStringLiteral("\r\n");

// Characters 4 to 6 of a position text ("05 Ari 07"): its sign code.
std::string SignCodeOf(const std::string& position) {
  return position.size() > 3 ? position.substr(3, 3) : std::string();
}

}  // namespace

std::array<QString, ChakraBoxCount> ChakraBoxTexts(const std::array<QString, HouseCount>& houses) {
  std::array<QString, ChakraBoxCount> boxes;
  for (std::size_t box = 0; box < boxes.size(); ++box) {
    boxes[box] = houses[static_cast<std::size_t>(ChakraBoxHouses[box] - 1)];
  }
  return boxes;
}

void BuildChart(ChartData& chart, int zoneRow) {
  chart.ZoneRow = zoneRow;
  for (std::size_t i = 0; i < chart.Positions.size(); ++i) {
    chart.Positions[i] = QString::fromStdString(astro::PlanetPositions[i]);
  }

  const int sunSign = astro::SignIndexOfCode(SignCodeOf(astro::PlanetPositions[0]));
  if (sunSign >= 0) chart.SunSign = SignNameText(static_cast<std::size_t>(sunSign));
  chart.MoonSign = QString::fromStdString(astro::RashiName);

  // Each body's name goes to the list of its sign; a position without a sign code
  // places nothing.
  chart.SignContents = {};
  auto append = [&chart](const std::string& position, const QString& name) {
    const int sign = astro::SignIndexOfCode(SignCodeOf(position));
    if (sign >= 0) chart.SignContents[static_cast<std::size_t>(sign)] += LineBreak + name;
  };
  for (std::size_t i = 0; i <= 6; ++i) {
    append(astro::PlanetPositions[i], QString::fromStdString(astro::PlanetNames[i]));
  }
  append(astro::PlanetPositions[7], QStringLiteral("Asc"));

  // The signs turned into houses, the ascendant's sign first.
  std::size_t ascendant = 0;
  for (std::size_t j = 0; j < chart.SignContents.size(); ++j) {
    if (chart.SignContents[j].contains(QLatin1String("Asc"))) {
      ascendant = j;
      break;
    }
  }
  for (std::size_t k = 0; k < chart.Houses.size(); ++k) {
    chart.Houses[k] = chart.SignContents[(ascendant + k) % 12];
  }

  // The pictures follow the ascendant's sign as the sign table names it.
  chart.HousePictures = {};
  const std::string code = SignCodeOf(astro::PlanetPositions[7]);
  for (std::size_t b = 0; b < 12; ++b) {
    if (astro::SignAbbrevs[b] != code) continue;
    for (std::size_t k = 0; k < chart.HousePictures.size(); ++k) {
      chart.HousePictures[k] = static_cast<int>((b + k) % 12) + 1;
    }
    break;
  }

  chart.ChakraBoxes = ChakraBoxTexts(chart.Houses);
}
