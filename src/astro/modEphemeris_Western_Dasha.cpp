#include "astro/modEphemeris_Western_Dasha.h"

#include <cmath>
#include <ctime>
#include <utility>

#include "astro/modEphemeris_WesternHelpers.h"

namespace astro {

namespace {

// A lord index held inside 0..8, so no caller can read past the lord tables.
int ValidLord(int lord) { return lord < 0 || lord > 8 ? 0 : lord; }

// The lord after lord, 8 wrapping round to 0.
int NextLord(int lord) { return lord >= 8 ? 0 : lord + 1; }

// A lord index in 0..8 from any real: the floor of n, with anything outside the
// range (including a value that is not a number) held at its nearest end.
int LordIndex(double n) {
  if (!(n >= 0.0)) return 0;
  if (n >= 8.0) return 8;
  return static_cast<int>(n);
}

// The nakshatra slot of n = 60 * longitude / 800. A longitude in 0..360 gives
// 0..27 (27, the empty slot, only at exactly 360); the index is held inside the
// 28 slots whatever the value, so no longitude reads outside the table.
int NakshatraIndex(double n) {
  if (!(n >= 0.0)) return 0;
  if (n >= 27.0) return 27;
  return static_cast<int>(n);
}

// Years of lord's mahadasha as the fraction of the whole 120-year cycle.
double CycleShare(int lord) { return DashaYears[static_cast<std::size_t>(lord)] / 120.0; }

// The sub-period walk shared by both sub-period helpers: from the mahadasha's own
// lord, add each lord's share until the sum passes the elapsed part.
struct SubPeriod {
  int Lord;
  double Sum;
};

SubPeriod FindSubPeriod(double rem, int lord) {
  lord = ValidLord(lord);
  const double elapsed = 1.0 - rem;
  double c = 0.0;
  int j = lord;
  for (int step = 0; step < 9; ++step) {
    c += CycleShare(j);
    if (c > elapsed) break;
    j = NextLord(j);
  }
  return {j, c};
}

// Plain decimal text of the floor of a real.
std::string FloorText(double x) { return detail::WholeText(std::floor(x)); }

// Nearest whole number, halves to the even neighbour.
double RoundHalfEven(double x) {
  const double lower = std::floor(x);
  const double diff = x - lower;
  if (diff > 0.5) return lower + 1.0;
  if (diff < 0.5) return lower;
  return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

std::string LordsText(int lord, int sub, int subsub) {
  std::string text(DashaLordCode(lord));
  text += '/';
  text += DashaLordCode(sub);
  text += '/';
  text += DashaLordCode(subsub);
  return text;
}

// The Julian day number of a date.
double DayJD(std::chrono::local_days day) {
  const std::chrono::year_month_day date{day};
  return JulianDayNumber(static_cast<int>(static_cast<unsigned>(date.month())),
                         static_cast<int>(static_cast<unsigned>(date.day())),
                         static_cast<int>(date.year()));
}

}  // namespace

std::chrono::local_seconds SystemLocalTime() {
  using namespace std::chrono;
  const std::time_t now = std::time(nullptr);
  // localtime_r reads the zone rules once per run; localtime would look at the
  // zone file again on every call.
  std::tm parts{};
  if (localtime_r(&now, &parts) == nullptr) return local_seconds{seconds{now}};
  const local_days date{year{parts.tm_year + 1900} / (parts.tm_mon + 1) / parts.tm_mday};
  return date + hours{parts.tm_hour} + minutes{parts.tm_min} + seconds{parts.tm_sec};
}

std::chrono::local_days PresentLocalDate() {
  return std::chrono::floor<std::chrono::days>(PresentLocalTime ? PresentLocalTime() : SystemLocalTime());
}

std::string_view DashaLordCode(int lord) {
  return DashaLords.substr(static_cast<std::size_t>(2 * ValidLord(lord)), 2);
}

int DashaSubLord(double rem, int lord) { return FindSubPeriod(rem, lord).Lord; }

int DashaSubSubLord(double rem, int lord) {
  const SubPeriod sub = FindSubPeriod(rem, lord);
  const double remSub = (sub.Sum - (1.0 - rem)) / CycleShare(sub.Lord);
  return DashaSubLord(remSub, sub.Lord);
}

std::string RunningDasha(double days, int lord) {
  // Bring a negative count into the cycle; the bound keeps a count that is not a
  // finite number from spinning (it then lands in lord's own mahadasha).
  if (!std::isfinite(days)) days = 0.0;
  lord = ValidLord(lord);
  days = detail::RaiseAboveZero(days, DashaCycleDays);
  double c = 0.0;
  int j = lord;
  for (int step = 0; step < 9; ++step) {
    c += DaysPerYear * DashaYears[static_cast<std::size_t>(j)];
    if (c > days) break;
    j = NextLord(j);
  }
  const double frac = (c - days) / (DaysPerYear * DashaYears[static_cast<std::size_t>(j)]);
  return LordsText(j, DashaSubLord(frac, j), DashaSubSubLord(frac, j));
}

DashaAtBirth DashaBirthSection(double longitude, double birthJD) {
  DashaAtBirth result;
  // Our longitudes are always finite; anything else is read as 0 rather than
  // letting the reduction below spin or the date text see a non-number.
  if (!std::isfinite(longitude)) longitude = 0.0;
  double n = 60.0 * longitude / 800.0;
  result.Nakshatra = NakshatraNames[static_cast<std::size_t>(NakshatraIndex(n))];
  n = detail::ReduceBelow(n, 9.0, true);
  result.Lord = LordIndex(n);
  const double rem = 1.0 - (n - std::floor(n));
  const int sub = DashaSubLord(rem, result.Lord);
  const int subsub = DashaSubSubLord(rem, result.Lord);
  result.End = birthJD + DaysPerYear * DashaYears[static_cast<std::size_t>(result.Lord)] * rem;
  result.Lords = LordsText(result.Lord, sub, subsub);
  result.Next = NextLord(result.Lord);
  std::string code(DashaLordCode(result.Next));
  result.NextText = code + "/" + code + "  " + JDToDateText(result.End);
  return result;
}

std::string DashaBalance(double end, int lord, double topoEnd, int topoLord) {
  lord = ValidLord(lord);
  topoLord = ValidLord(topoLord);
  double b = RoundHalfEven(std::fabs(topoEnd - end));
  if (topoLord != lord) {
    // The two estimates fall in different mahadashas: measure against the length
    // of the later one (only the second form is rounded again).
    if (lord < topoLord) {
      b = DaysPerYear * DashaYears[static_cast<std::size_t>(topoLord)] - b;
    } else {
      b = RoundHalfEven(std::fabs(DaysPerYear * DashaYears[static_cast<std::size_t>(lord)] - b));
    }
  }
  std::string text;
  const double y = std::floor(b / DaysPerYear);
  if (y != 0.0) {
    text = FloorText(y) + " year ";
    b -= DaysPerYear * y;
  }
  const double m = std::floor(b / 30.0);
  if (m != 0.0) text += FloorText(m) + " month(s) ";
  const double d = detail::ReduceBelow(b, 30.0, true);
  text += FloorText(d) + " days";
  return text;
}

DashaTexts DashaOf(double longitude, double topoLongitude, double birthJD, std::chrono::local_days today) {
  DashaAtBirth geo = DashaBirthSection(longitude, birthJD);
  DashaAtBirth topo = DashaBirthSection(topoLongitude, birthJD);
  const double todayJD = DayJD(today);
  DashaTexts texts;
  texts.DashaBalanceText = DashaBalance(geo.End, geo.Lord, topo.End, topo.Lord);
  texts.RunningDashaText = RunningDasha(todayJD - geo.End, geo.Next);
  texts.TopoRunningDashaText = RunningDasha(todayJD - topo.End, topo.Next);
  texts.MoonNakshatra = std::move(geo.Nakshatra);
  texts.MoonDashaLords = std::move(geo.Lords);
  texts.NextDashaText = std::move(geo.NextText);
  texts.TopoMoonNakshatra = std::move(topo.Nakshatra);
  texts.TopoDashaLords = std::move(topo.Lords);
  texts.TopoNextDashaText = std::move(topo.NextText);
  return texts;
}

}  // namespace astro
