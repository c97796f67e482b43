// The chart wheel's geometry, in the wheel picture's own pixels (450 x 431, y
// down): its centre, the radii of its rings, the angles of the twelve houses and
// where the chart window puts each house's list, number and sign picture. The
// picture tool draws the wheel from it and the chart window lays the houses out
// on it, so both always agree.
#pragma once

#include <QPoint>
#include <QPointF>
#include <array>
#include <cmath>
#include <numbers>

namespace wheel {

inline constexpr int kWidth = 450;
inline constexpr int kHeight = 431;

inline constexpr double kCentreX = 225.0;
inline constexpr double kCentreY = 215.5;
// The inner circle with the emblem.
inline constexpr double kInnerRadius = 58.0;
// The house numbers the picture draws round the inner circle are centred this
// far out, and reach no further than kNumbersEdge.
inline constexpr double kNumbersRadius = kInnerRadius + 14.0;
inline constexpr double kNumbersEdge = 84.0;
// The orange disc the twelve houses divide; the spectrum band runs from its edge
// to kBandOuterRadius.
inline constexpr double kDiscRadius = 188.0;
inline constexpr double kBandOuterRadius = 213.0;

// House h (0 for house 1) spans kHouseSpan degrees from HouseStart(h), counted
// counter-clockwise from the right end of the horizontal axis: house 1 lies just
// below its left end.
inline constexpr double kHouseSpan = 30.0;
constexpr double HouseStart(int h) { return 180.0 + kHouseSpan * h; }

// The point at radius and degrees (counter-clockwise, as above) from the centre.
inline QPointF Polar(double radius, double degrees) {
  const double a = degrees * std::numbers::pi / 180.0;
  return QPointF(kCentreX + radius * std::cos(a), kCentreY - radius * std::sin(a));
}

// Where the chart window puts house h's parts, in the wheel's pixels: the
// top-left corner of the list of bodies as the chart writes it, of the house
// number and of the sign picture (kSignPictureSize square).
struct HouseSpot {
  QPoint list;
  QPoint number;
  QPoint picture;
};
inline constexpr int kSignPictureSize = 20;

inline constexpr std::array<HouseSpot, 12> kHouseSpots{{
    {{64, 216}, {23, 248}, {19, 248}},
    {{112, 272}, {64, 328}, {59, 328}},
    {{169, 296}, {144, 384}, {136, 387}},
    {{232, 304}, {264, 400}, {256, 398}},
    {{296, 264}, {344, 360}, {340, 360}},
    {{337, 216}, {408, 272}, {404, 272}},
    {{344, 144}, {416, 160}, {413, 160}},
    {{313, 72}, {376, 80}, {376, 80}},
    {{232, 32}, {288, 16}, {288, 16}},
    {{160, 40}, {168, 8}, {168, 8}},
    {{96, 80}, {88, 48}, {88, 48}},
    {{56, 144}, {24, 136}, {25, 136}},
}};

}  // namespace wheel
