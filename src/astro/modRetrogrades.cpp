// Retrograde tables and the retrograde test.
//
// Each table is loaded and read into calendar-day numbers once, at its first test;
// every later test answers from that parsed form by bisection. The rows never change
// (every load writes the same texts), so the answers are those of reading the rows
// afresh at every test and scanning them in order, without paying for parsing more
// than a thousand row texts on every chart.
#include "astro/modRetrogrades.h"

#include "astro/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <span>
#include <vector>

#include "astro/Shared.h"
#include "astro/modEphemeris_WesternHelpers.h"
#include "astro/modRetrogrades_Tables.h"

namespace astro {

namespace {

using namespace std::chrono;

template <std::size_t N>
void LoadRows(std::array<std::string, N>& starts, std::array<std::string, N>& ends,
              const std::array<std::string_view, N>& startRows, const std::array<std::string_view, N>& endRows) {
  for (std::size_t i = 0; i + 1 < N; ++i) starts[i] = startRows[i];
  for (std::size_t i = 0; i + 1 < N; ++i) ends[i] = endRows[i];
}

// The calendar day of a row "month,day,year,hour,minute," as a day count, or nothing
// when the row is no valid date and time.
std::optional<int> RowDay(std::string_view row) {
  std::array<std::string, 6> fields;
  std::size_t count = 0;
  for (std::size_t pos = 0; count < fields.size(); ++count) {
    const std::size_t comma = row.find(',', pos);
    fields[count] = row.substr(pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos);
    if (comma == std::string_view::npos) {
      ++count;
      break;
    }
    pos = comma + 1;
  }
  if (count < 5) return std::nullopt;
  const int monthValue = MonthNumber(fields[0]);
  const auto d = ReadWholeNumber(fields[1], 1, 31);
  const auto y = ReadWholeNumber(fields[2], -9999, 9999);
  const auto h = ReadWholeNumber(fields[3], 0, 23);
  const auto mi = ReadWholeNumber(fields[4], 0, 59);
  if (!d || !y || !h || !mi || monthValue < 1 || monthValue > 12) return std::nullopt;
  const year_month_day date{year{static_cast<int>(*y)}, month{unsigned(monthValue)}, day{unsigned(*d)}};
  if (!date.ok()) return std::nullopt;
  return local_days{date}.time_since_epoch().count();
}

struct Period {
  int startDay;
  int endDay;
};

struct PlanetTable {
  std::string_view name;
  void (*load)();
  std::span<const std::string> starts;  // rows 0..N-1, without the empty last slot
  std::span<const std::string> ends;
  bool parsed = false;
  std::vector<Period> periods;
};

template <std::size_t N>
std::span<const std::string> Rows(const std::array<std::string, N>& slots) {
  return std::span<const std::string>(slots.data(), N - 1);
}

std::array<PlanetTable, 8>& Tables() {
  static std::array<PlanetTable, 8> tables{{
      {"Mercury", LoadMercuryRetrogrades, Rows(MercuryRetroStart), Rows(MercuryRetroEnd), false, {}},
      {"Venus", LoadVenusRetrogrades, Rows(VenusRetroStart), Rows(VenusRetroEnd), false, {}},
      {"Mars", LoadMarsRetrogrades, Rows(MarsRetroStart), Rows(MarsRetroEnd), false, {}},
      {"Jupiter", LoadJupiterRetrogrades, Rows(JupiterRetroStart), Rows(JupiterRetroEnd), false, {}},
      {"Saturn", LoadSaturnRetrogrades, Rows(SaturnRetroStart), Rows(SaturnRetroEnd), false, {}},
      {"Uranus", LoadUranusRetrogrades, Rows(UranusRetroStart), Rows(UranusRetroEnd), false, {}},
      {"Neptune", LoadNeptuneRetrogrades, Rows(NeptuneRetroStart), Rows(NeptuneRetroEnd), false, {}},
      {"Pluto", LoadPlutoRetrogrades, Rows(PlutoRetroStart), Rows(PlutoRetroEnd), false, {}},
  }};
  return tables;
}

// Loads the table and reads its rows into day numbers, in row order. A row that is no
// valid date can match no day, so it is left out.
void Parse(PlanetTable& table) {
  table.load();
  table.periods.clear();
  table.periods.reserve(table.starts.size());
  for (std::size_t i = 0; i < table.starts.size(); ++i) {
    const auto start = RowDay(table.starts[i]);
    const auto end = RowDay(table.ends[i]);
    if (start && end) table.periods.push_back({*start, *end});
  }
  table.parsed = true;
}

constexpr std::array<std::string_view, 7> kPlainNames = {"Sun", "Moon", "Mercury", "Venus",
                                                         "Mars", "Jupiter", "Saturn"};

}  // namespace

void LoadMercuryRetrogrades() {
  LoadRows(MercuryRetroStart, MercuryRetroEnd, retro_rows::MercuryRetroStartRows, retro_rows::MercuryRetroEndRows);
}
void LoadVenusRetrogrades() {
  LoadRows(VenusRetroStart, VenusRetroEnd, retro_rows::VenusRetroStartRows, retro_rows::VenusRetroEndRows);
}
void LoadMarsRetrogrades() {
  LoadRows(MarsRetroStart, MarsRetroEnd, retro_rows::MarsRetroStartRows, retro_rows::MarsRetroEndRows);
}
void LoadJupiterRetrogrades() {
  LoadRows(JupiterRetroStart, JupiterRetroEnd, retro_rows::JupiterRetroStartRows, retro_rows::JupiterRetroEndRows);
}
void LoadSaturnRetrogrades() {
  LoadRows(SaturnRetroStart, SaturnRetroEnd, retro_rows::SaturnRetroStartRows, retro_rows::SaturnRetroEndRows);
}
void LoadUranusRetrogrades() {
  LoadRows(UranusRetroStart, UranusRetroEnd, retro_rows::UranusRetroStartRows, retro_rows::UranusRetroEndRows);
}
void LoadNeptuneRetrogrades() {
  LoadRows(NeptuneRetroStart, NeptuneRetroEnd, retro_rows::NeptuneRetroStartRows, retro_rows::NeptuneRetroEndRows);
}
void LoadPlutoRetrogrades() {
  LoadRows(PlutoRetroStart, PlutoRetroEnd, retro_rows::PlutoRetroStartRows, retro_rows::PlutoRetroEndRows);
}

std::int16_t MonthNumber(std::string& field) {
  const std::optional<double> value = ReadNumber(field);
  if (!value) return 0;
  for (int m = 1; m <= 12; ++m) {
    if (*value == m) {
      field = std::to_string(m);
      return static_cast<std::int16_t>(m);
    }
  }
  const double rounded = RoundHalfEven(*value);
  if (rounded < -32768.0 || rounded > 32767.0) return 0;
  return static_cast<std::int16_t>(rounded);
}

namespace {

// The test on one planet's table for a day number: the last period that starts on an
// earlier day is the only one that can hold the day, as the periods are disjoint and
// ascending.
bool RetrogradeOn(PlanetTable& table, int dayNumber) {
  if (!table.parsed) Parse(table);
  const Period* periods = table.periods.data();
  std::size_t low = 0, high = table.periods.size();  // periods[0..low) start before the day
  while (low < high) {
    const std::size_t mid = (low + high) / 2;
    if (periods[mid].startDay < dayNumber)
      low = mid + 1;
    else
      high = mid;
  }
  return low > 0 && periods[low - 1].endDay > dayNumber;
}

int DayNumber(RetroDateTime date) { return floor<days>(date).time_since_epoch().count(); }

}  // namespace

bool IsRetrograde(RetroDateTime date, std::string_view planet) {
  for (PlanetTable& table : Tables())
    if (table.name == planet) return RetrogradeOn(table, DayNumber(date));
  return false;
}

RetrogradeMarks RetrogradesOf(const BirthRecordData& b) {
  RetrogradeMarks marks{};
  // Numbers outside a field's range are checked first: a calendar field built from
  // them would wrap.
  const bool inRange = b.BirthMonth >= 1 && b.BirthMonth <= 12 && b.BirthDay >= 1 && b.BirthDay <= 31 &&
                       b.BirthHour >= 0 && b.BirthHour <= 23 && b.BirthMinute >= 0 && b.BirthMinute <= 59;
  if (!inRange) return marks;
  const year_month_day date{year{b.BirthYear}, month{unsigned(b.BirthMonth)}, day{unsigned(b.BirthDay)}};
  if (!date.ok()) return marks;
  const int dayNumber = DayNumber(local_days{date} + hours{b.BirthHour} + minutes{b.BirthMinute});
  auto& tables = Tables();
  for (std::size_t k = 0; k < tables.size(); ++k) marks[k] = RetrogradeOn(tables[k], dayNumber);
  return marks;
}

void MarkRetrogrades() {
  const RetrogradeMarks& marks = LastResults.Retrogrades.emplace(RetrogradesOf(BirthRecord));
  std::copy(marks.begin(), marks.end(), RetroFlags.begin());
  for (std::size_t k = 0; k < kPlainNames.size(); ++k) PlanetNames[k] = kPlainNames[k];
  for (std::size_t k = 0; k < 5; ++k)
    if (marks[k]) PlanetNames[k + 2] += " (R) ";
}

}  // namespace astro
