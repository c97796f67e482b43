// The Moon's nakshatra and its Vimshottari dasha: the lunar mansion at birth, the
// mahadasha, sub-period and sub-sub-period lords running at birth and today, the
// next mahadasha with its starting date, and the day difference between the
// geocentric and the topocentric estimates of that date.
#pragma once

#include <array>
#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace astro {

// 0..26 the 27 nakshatras of 800 arc minutes each; slot 27 stays empty (it is
// read only at a longitude of exactly 360).
inline constexpr std::array<std::string_view, 28> NakshatraNames = {
    "Aswini",          "Bharani",         "Krittika",     "Rohini",   "Mrigsira",
    "Ardra",           "Punarvasu",       "Pushya",       "Aslesha",  "Magha",
    "Purbha Phalguni", "Uttara Phalguni", "Hasta",        "Chitra",   "Swati",
    "Vishakha",        "Anuradha",        "Jyeshtha",     "Mula",     "P.Shadya",
    "U.Shadya",        "Shravana",        "Dhanishtha",   "Shatbisha", "Purbha Phadra",
    "Uttara Phadra",   "Revati",          ""};

// The nine lord codes, two letters each: 0 Ke, 1 Ve, 2 Su, 3 Mo, 4 Ma, 5 Ra, 6 Ju,
// 7 Sa, 8 Me. The lord of nakshatra k is lord k mod 9.
inline constexpr std::string_view DashaLords = "KeVeSuMoMaRaJuSaMe";

// Years of each lord's mahadasha (120 in all); slot 9 stays empty.
inline constexpr std::array<int, 10> DashaYears = {7, 20, 6, 10, 7, 18, 16, 19, 17, 0};

inline constexpr double DaysPerYear = 365.25;
inline constexpr double DashaCycleDays = 43830.0;  // 120 years

// The present local date and time the running dasha is computed for. The program
// leaves it on the system clock; tests replace it. An empty function also means
// the system clock.
using LocalClock = std::function<std::chrono::local_seconds()>;
std::chrono::local_seconds SystemLocalTime();
inline LocalClock PresentLocalTime = SystemLocalTime;

// The date of PresentLocalTime (of the system clock when it is empty).
std::chrono::local_days PresentLocalDate();

// Texts of the nakshatra and dasha section, overwritten by every chart run
// (CalcMoonAndDasha).
inline std::string MoonNakshatra;
inline std::string TopoMoonNakshatra;
inline std::string MoonDashaLords;
inline std::string TopoDashaLords;
inline std::string NextDashaText;
inline std::string TopoNextDashaText;
inline std::string DashaBalanceText;
inline std::string RunningDashaText;
inline std::string TopoRunningDashaText;

// Index of the sub-period lord running when the fraction rem (0..1) of lord's
// mahadasha is still to run.
int DashaSubLord(double rem, int lord);
// Index of the sub-sub-period lord at the same point.
int DashaSubSubLord(double rem, int lord);
// Lords text "Ma/Su/Sb" of the periods running days after the start of lord's
// mahadasha; a negative count is moved forward by whole 120-year cycles.
std::string RunningDasha(double days, int lord);

// The two-letter code of lord i (0..8).
std::string_view DashaLordCode(int lord);

// What the birth section derives from one Moon longitude.
struct DashaAtBirth {
  std::string Nakshatra;
  std::string Lords;     // "Ve/Su/Mo"
  std::string NextText;  // "Su/Su  (M/D/Y) 6/3/1990"
  int Lord = 0;          // mahadasha lord at birth
  int Next = 0;          // the lord that follows it
  double End = 0.0;      // Julian day on which the birth mahadasha ends
};

// The birth section for a longitude in degrees (0..360) and the birth's Julian day.
DashaAtBirth DashaBirthSection(double longitude, double birthJD);

// The years-months-days text of the day difference between the two estimates
// of the end of the birth mahadasha.
std::string DashaBalance(double end, int lord, double topoEnd, int topoLord);

// Every text of the nakshatra and dasha section, named as the shared texts.
struct DashaTexts {
  std::string MoonNakshatra;
  std::string TopoMoonNakshatra;
  std::string MoonDashaLords;
  std::string TopoDashaLords;
  std::string NextDashaText;
  std::string TopoNextDashaText;
  std::string DashaBalanceText;
  std::string RunningDashaText;
  std::string TopoRunningDashaText;
};

// The section from the geocentric and topocentric Moon longitudes (degrees), the
// birth's Julian day and the present date the running periods are told for.
DashaTexts DashaOf(double longitude, double topoLongitude, double birthJD, std::chrono::local_days today);

}  // namespace astro
