// The fixed row texts of the eight retrograde tables, written by
// tools/retrogrades/generate.sh into modRetrogrades_Tables.cpp. Each array has one
// slot more than the planet has periods; the last slot is the empty text.
#pragma once

#include <array>
#include <string_view>

namespace astro::retro_rows {

extern const std::array<std::string_view, 477> MercuryRetroStartRows;
extern const std::array<std::string_view, 477> MercuryRetroEndRows;
extern const std::array<std::string_view, 96> VenusRetroStartRows;
extern const std::array<std::string_view, 96> VenusRetroEndRows;
extern const std::array<std::string_view, 72> MarsRetroStartRows;
extern const std::array<std::string_view, 72> MarsRetroEndRows;
extern const std::array<std::string_view, 140> JupiterRetroStartRows;
extern const std::array<std::string_view, 140> JupiterRetroEndRows;
extern const std::array<std::string_view, 147> SaturnRetroStartRows;
extern const std::array<std::string_view, 147> SaturnRetroEndRows;
extern const std::array<std::string_view, 151> UranusRetroStartRows;
extern const std::array<std::string_view, 151> UranusRetroEndRows;
extern const std::array<std::string_view, 151> NeptuneRetroStartRows;
extern const std::array<std::string_view, 151> NeptuneRetroEndRows;
extern const std::array<std::string_view, 152> PlutoRetroStartRows;
extern const std::array<std::string_view, 152> PlutoRetroEndRows;

}  // namespace astro::retro_rows
