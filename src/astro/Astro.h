// The whole public interface of the astronomical computation.
#pragma once

#include "astro/Shared.h"
#include "astro/Numbers.h"
#include "astro/Zodiac.h"
#include "astro/modEphemeris_WesternHelpers.h"
#include "astro/modPlanetPosition_WesternTimeZones.h"
#include "astro/modEphemeris_Western_Moon.h"
#include "astro/modEphemeris_Western_Dasha.h"
#include "astro/modPlanetPosition_WesternAscendant.h"
#include "astro/modPlanetPosition_WesternPlanets.h"
#include "astro/modRetrogrades.h"
