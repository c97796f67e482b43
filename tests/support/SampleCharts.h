// Charts for the tests and benchmarks that need one without running the
// calculators: bodies put into chosen signs, and the crowded chart no birth gives.
#pragma once

#include <array>
#include <initializer_list>
#include <utility>

#include "chart/ChartData.h"

namespace samples {

// The longitude whose position text reads "degree code minute", half a second on.
inline double LongitudeAt(Sign sign, int degree, int minute) {
  return 30.0 * static_cast<int>(sign) + degree + minute / 60.0 + 0.5 / 3600;
}

// A chart whose bodies (Sun to Saturn, then the ascendant) stand at 15 degrees of
// the given signs, with the given bodies retrograde.
inline ChartData ChartInSigns(const std::array<Sign, BodyCount>& signs, std::initializer_list<Body> retrograde = {}) {
  ChartReadings readings;
  for (std::size_t i = 0; i < signs.size(); ++i) readings.Longitudes[i] = LongitudeAt(signs[i], 15, 0);
  for (Body body : retrograde) readings.Retrograde[static_cast<std::size_t>(body)] = true;
  ChartData chart;
  BuildChart(chart, readings, astro::BirthRecordData{}, 0);
  return chart;
}

// Every body, Mercury to Saturn retrograde, in every house: the longest report and
// the fullest chakra boxes there can be.
inline ChartData EveryBodyInEveryHouse() {
  ChartData chart = ChartInSigns({});
  for (House& house : chart.Houses) {
    house.placements.clear();
    for (int b = 0; b < BodyCount; ++b) {
      const auto body = static_cast<Body>(b);
      house.placements.push_back({body, 0.0, body >= Body::Mercury && body <= Body::Saturn});
    }
  }
  return chart;
}

// A chart whose chakra boxes (0..11) hold the given bodies, in the order given,
// and nothing else.
inline ChartData ChartWithBoxes(std::initializer_list<std::pair<int, Placement>> entries) {
  ChartData chart;
  for (const auto& [box, placement] : entries) {
    chart.Houses[static_cast<std::size_t>(ChakraBoxHouses[static_cast<std::size_t>(box)] - 1)].placements.push_back(
        placement);
  }
  return chart;
}

}  // namespace samples
