#include "chart/WheelLayout.h"

#include <QFontMetricsF>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "chart/WheelGeometry.h"

namespace {

using namespace wheel;

// How far the ink keeps from the slice's edges. A list keeps its written place
// while its ink lies inside the slice; a list the layout places keeps clear of
// the lines the picture draws, with a little more room from the disc's edge and
// the ring of numbers, as the window's design does.
struct Margins {
  double side;  // from the dividing lines
  double ring;  // from the disc's edge and the ring of house numbers
};
constexpr Margins kWrittenMargins{0.0, 0.0};
constexpr Margins kBoxMargins{0.5, 0.5};
constexpr Margins kPlacedMargins{2.0, 4.0};

// How far a moved list may go from its written place, in pixels.
constexpr int kFurthestMove = 48;

// The sines and cosines of the angles where each house starts and ends, worked
// out once: the search below asks about thousands of places per house.
struct HouseSides {
  double cosFirst, sinFirst, cosLast, sinLast;
};

const std::array<HouseSides, 12>& AllHouseSides() {
  static const std::array<HouseSides, 12> sides = [] {
    std::array<HouseSides, 12> all{};
    for (int h = 0; h < 12; ++h) {
      const double first = HouseStart(h) * std::numbers::pi / 180.0;
      const double last = (HouseStart(h) + kHouseSpan) * std::numbers::pi / 180.0;
      all[static_cast<std::size_t>(h)] = {std::cos(first), std::sin(first), std::cos(last), std::sin(last)};
    }
    return all;
  }();
  return sides;
}

// The distances of a point from house h's two dividing lines (positive inside)
// and from the centre.
struct PointPlace {
  double first, last, radius;
};

PointPlace PlaceOf(QPointF point, int h) {
  const HouseSides& s = AllHouseSides()[static_cast<std::size_t>(h)];
  const double x = point.x() - kCentreX;
  const double y = kCentreY - point.y();  // up is positive
  return {s.cosFirst * y - s.sinFirst * x, x * s.sinLast - y * s.cosLast, std::hypot(x, y)};
}

double Clearance(QPointF point, int h) {
  const PointPlace p = PlaceOf(point, h);
  return std::min({p.first, p.last, kDiscRadius - p.radius, p.radius - kNumbersEdge});
}

// The points of a path's elements. The curves of a glyph lie within the hull of
// their control points, so these points bound the outline on every side.
std::vector<QPointF> OutlinePoints(const QPainterPath& path) {
  std::vector<QPointF> points;
  points.reserve(static_cast<std::size_t>(path.elementCount()));
  for (int i = 0; i < path.elementCount(); ++i) points.emplace_back(path.elementAt(i));
  return points;
}

// The convex hull of points (monotone chain). The slice's dividing lines and the
// disc's edge bound a convex region, so the hull's corners stand for the whole
// outline there.
std::vector<QPointF> Hull(std::vector<QPointF> points) {
  std::sort(points.begin(), points.end(), [](QPointF a, QPointF b) {
    return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
  });
  if (points.size() < 3) return points;
  const auto cross = [](QPointF o, QPointF a, QPointF b) {
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
  };
  std::vector<QPointF> hull(2 * points.size());
  std::size_t k = 0;
  for (const QPointF& p : points) {
    while (k >= 2 && cross(hull[k - 2], hull[k - 1], p) <= 0) --k;
    hull[k++] = p;
  }
  for (std::size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
    while (k >= lower && cross(hull[k - 2], hull[k - 1], points[i]) <= 0) --k;
    hull[k++] = points[i];
  }
  hull.resize(k - 1);
  return hull;
}

// A name's outline measured once, with its baseline starting at the origin.
struct NameShape {
  QString name;
  std::vector<QPointF> points;
  std::vector<QPointF> hull;
  QRectF ink;
  double advance = 0;
};

NameShape ShapeOf(const QString& name, const QFont& font) {
  NameShape shape;
  shape.name = name;
  const QPainterPath outline = NameOutline(name, font, QPointF());
  shape.points = OutlinePoints(outline);
  shape.hull = Hull(shape.points);
  shape.ink = outline.boundingRect();
  shape.advance = QFontMetricsF(font).horizontalAdvance(name);
  return shape;
}

// A name's ink box standing for its outline: inside the slice, the box holds
// the outline inside too.
NameShape BoxShapeOf(const QString& name, const QFontMetricsF& metrics) {
  NameShape shape;
  shape.name = name;
  shape.ink = metrics.tightBoundingRect(name);
  shape.hull = {shape.ink.topLeft(), shape.ink.topRight(), shape.ink.bottomRight(), shape.ink.bottomLeft()};
  shape.points = shape.hull;
  return shape;
}

// What a list must keep clear of besides its slice's edges.
struct Obstacles {
  std::vector<QRectF> marks;
};

bool InsideSlice(const NameShape& shape, QPointF at, int h, Margins margins, const Obstacles& obstacles) {
  const QRectF ink = shape.ink.translated(at);
  for (const QPointF& corner : shape.hull) {
    const PointPlace p = PlaceOf(corner + at, h);
    if (p.first < margins.side || p.last < margins.side || p.radius > kDiscRadius - margins.ring) return false;
  }
  // The ring of numbers is round on the wrong side for the hull: the box's
  // nearest point to the centre settles most places, every point the rest.
  const double nearestX = std::clamp(kCentreX, ink.left(), ink.right());
  const double nearestY = std::clamp(kCentreY, ink.top(), ink.bottom());
  if (std::hypot(nearestX - kCentreX, nearestY - kCentreY) < kNumbersEdge + margins.ring) {
    for (const QPointF& point : shape.points) {
      if (PlaceOf(point + at, h).radius < kNumbersEdge + margins.ring) return false;
    }
  }
  const QRectF near = ink.adjusted(-1, -1, 1, 1);
  return std::none_of(obstacles.marks.begin(), obstacles.marks.end(),
                      [&](const QRectF& mark) { return mark.intersects(near); });
}

bool AllInside(const std::vector<NameShape>& shapes, const std::vector<QPointF>& baselines, int h, Margins margins,
               const Obstacles& obstacles) {
  for (std::size_t n = 0; n < shapes.size(); ++n) {
    if (!InsideSlice(shapes[n], baselines[n], h, margins, obstacles)) return false;
  }
  return true;
}

std::vector<NameShape> Shapes(const QStringList& names, const QFont& font) {
  std::vector<NameShape> shapes;
  shapes.reserve(static_cast<std::size_t>(names.size()));
  for (const QString& name : names) shapes.push_back(ShapeOf(name, font));
  return shapes;
}

HouseLayout Answer(bool asWritten, bool fits, const QFont& font, const std::vector<NameShape>& shapes,
                   const std::vector<QPointF>& baselines) {
  HouseLayout layout;
  layout.asWritten = asWritten;
  layout.fits = fits;
  layout.font = font;
  for (std::size_t n = 0; n < shapes.size(); ++n) layout.names.push_back({shapes[n].name, baselines[n]});
  return layout;
}

// The whole-pixel moves within kFurthestMove, nearest first.
const std::vector<QPoint>& Moves() {
  static const std::vector<QPoint> moves = [] {
    std::vector<QPoint> all;
    for (int dy = -kFurthestMove; dy <= kFurthestMove; ++dy) {
      for (int dx = -kFurthestMove; dx <= kFurthestMove; ++dx) {
        if (dx * dx + dy * dy <= kFurthestMove * kFurthestMove) all.emplace_back(dx, dy);
      }
    }
    std::stable_sort(all.begin(), all.end(), [](QPoint a, QPoint b) {
      return a.x() * a.x() + a.y() * a.y() < b.x() * b.x() + b.y() * b.y();
    });
    return all;
  }();
  return moves;
}

// The written list moved as one to the nearest place where every name keeps to
// the slice; the names stand on whole pixels.
std::optional<std::vector<QPointF>> Moved(const std::vector<NameShape>& shapes, const std::vector<QPointF>& written,
                                          int h, const Obstacles& obstacles) {
  std::vector<QPointF> start;
  for (const QPointF& p : written) start.emplace_back(std::round(p.x()), std::round(p.y()));
  std::vector<QPointF> moved(start.size());
  const QRectF room = QRectF(HouseBounds(h));
  QRectF block;
  for (std::size_t n = 0; n < shapes.size(); ++n) block |= shapes[n].ink.translated(start[n]);
  for (const QPoint& move : Moves()) {
    if (!room.contains(block.translated(move))) continue;
    for (std::size_t n = 0; n < start.size(); ++n) moved[n] = start[n] + move;
    if (AllInside(shapes, moved, h, kPlacedMargins, obstacles)) return moved;
  }
  return std::nullopt;
}

// Where each name starts when the names flow through the room from its top, side
// by side, line by line; names that find no place inside the slice are left out
// unless anywhere is set, when they take the next place in the room whatever
// the slice.
std::vector<QPointF> Flow(const std::vector<NameShape>& shapes, const QFont& font, int h, const Obstacles& obstacles,
                          bool anywhere) {
  const QFontMetricsF metrics(font);
  const double gap = metrics.horizontalAdvance(QStringLiteral("  "));
  const double ascent = std::ceil(metrics.ascent());
  const double lineHeight = std::ceil(metrics.height());
  const QRectF room = QRectF(HouseBounds(h));
  std::vector<QPointF> places;
  double top = room.top();
  double cursor = room.left();
  bool rowUsed = false;
  for (const NameShape& shape : shapes) {
    for (;;) {
      if (top + lineHeight > room.bottom() && !anywhere) return places;
      double x = cursor;
      const auto fits = [&](double at) {
        return anywhere || InsideSlice(shape, QPointF(at, top + ascent), h, kPlacedMargins, obstacles);
      };
      while (x + shape.advance <= room.right() && !fits(x)) x += 1.0;
      if (x + shape.advance <= room.right() || (anywhere && !rowUsed)) {
        places.emplace_back(x, top + ascent);
        cursor = x + shape.advance + gap;
        rowUsed = true;
        break;
      }
      // The next line starts below this one, or a pixel lower while no name has
      // found room on it yet.
      top += rowUsed ? lineHeight : 1.0;
      cursor = room.left();
      rowUsed = false;
    }
  }
  return places;
}

}  // namespace

QRect HouseBounds(int house) {
  double left = kCentreX, right = kCentreX, top = kCentreY, bottom = kCentreY;
  for (int degree = 0; degree <= static_cast<int>(kHouseSpan); ++degree) {
    for (double radius : {kNumbersEdge, kDiscRadius}) {
      const QPointF point = Polar(radius, HouseStart(house) + degree);
      left = std::min(left, point.x());
      right = std::max(right, point.x());
      top = std::min(top, point.y());
      bottom = std::max(bottom, point.y());
    }
  }
  return QRectF(QPointF(left, top), QPointF(right, bottom)).toAlignedRect();
}

QRect HouseLabelRoom(int house, const HouseLayout& layout) {
  const QRect bounds = HouseBounds(house);
  QRect room = layout.asWritten ? QRect(kHouseSpots[static_cast<std::size_t>(house)].list, bounds.bottomRight())
                                : bounds;
  if (!layout.fits) {
    for (const PlacedName& placed : layout.names) {
      room |= NameOutline(placed.name, layout.font, placed.baseline).boundingRect().toAlignedRect().adjusted(0, 0, 1, 1);
    }
  }
  return room.intersected(QRect(0, 0, kWidth, kHeight));
}

QPainterPath NameOutline(const QString& name, const QFont& font, QPointF baseline) {
  QPainterPath path;
  path.addText(baseline, font, name);
  return path;
}

double SliceClearance(const QPainterPath& outline, int house) {
  double least = kDiscRadius;
  for (const QPolygonF& polygon : outline.toFillPolygons()) {
    for (const QPointF& point : polygon) least = std::min(least, Clearance(point, house));
  }
  return least;
}

std::vector<QRectF> WheelMarks(const QFont& numberFont) {
  const QFontMetricsF metrics(numberFont);
  std::vector<QRectF> marks;
  for (int h = 0; h < 12; ++h) {
    const HouseSpot& spot = kHouseSpots[static_cast<std::size_t>(h)];
    // A number's label is as high as its font, so its text starts at the top.
    marks.push_back(metrics.tightBoundingRect(QString::number(h + 1))
                        .translated(QPointF(spot.number) + QPointF(0, metrics.ascent())));
    marks.emplace_back(QPointF(spot.picture), QSizeF(kSignPictureSize, kSignPictureSize));
  }
  return marks;
}

HouseLayout LayOutHouse(int house, const QStringList& listNames, const QFont& font, const QFont& numberFont) {
  const Obstacles obstacles{WheelMarks(numberFont)};
  QStringList names;
  std::vector<QPointF> written;
  const QFontMetricsF metrics(font);
  const QPointF place(kHouseSpots[static_cast<std::size_t>(house)].list);
  // Name n stands on line n + 1, under the line break the list starts with.
  for (qsizetype n = 0; n < listNames.size(); ++n) {
    names.append(listNames[n].trimmed());
    written.emplace_back(place.x(), place.y() + static_cast<double>(n + 1) * metrics.lineSpacing() + metrics.ascent());
  }

  // As written, every name's ink also stays inside the label's room, so none is
  // cut; a glyph that reaches left of its start by less than a pixel ("J") is
  // drawn as the label has always drawn it. Most lists are settled by the ink
  // boxes of their names, with half a pixel to spare for how the box and the
  // outline round the glyphs; the outlines settle the rest.
  const QRectF writtenRoom(place - QPointF(1, 1), QPointF(HouseBounds(house).bottomRight()) + QPointF(1, 1));
  const auto keepsPlace = [&](const NameShape& shape, QPointF baseline, Margins margins) {
    return writtenRoom.contains(shape.ink.translated(baseline)) &&
           InsideSlice(shape, baseline, house, margins, obstacles);
  };
  std::vector<NameShape> shapes;
  bool asWritten = true;
  for (qsizetype n = 0; n < names.size(); ++n) {
    const QPointF baseline = written[static_cast<std::size_t>(n)];
    if (asWritten && keepsPlace(BoxShapeOf(names[n], metrics), baseline, kBoxMargins)) {
      shapes.push_back(NameShape{names[n], {}, {}, {}, 0});
      continue;
    }
    shapes.push_back(ShapeOf(names[n], font));
    asWritten = asWritten && keepsPlace(shapes.back(), baseline, kWrittenMargins);
  }
  if (asWritten) return Answer(true, true, font, shapes, written);
  // The names settled by their boxes are measured on their outlines from here on.
  for (NameShape& shape : shapes) {
    if (shape.hull.empty()) shape = ShapeOf(shape.name, font);
  }

  if (const auto moved = Moved(shapes, written, house, obstacles)) return Answer(false, true, font, shapes, *moved);

  QFont smaller = font;
  std::vector<NameShape> smallerShapes;
  for (double size : kCrowdedSizes) {
    smaller.setPointSizeF(std::min(size, font.pointSizeF()));
    smallerShapes = Shapes(names, smaller);
    const std::vector<QPointF> places = Flow(smallerShapes, smaller, house, obstacles, false);
    if (places.size() == smallerShapes.size()) return Answer(false, true, smaller, smallerShapes, places);
  }
  // Nothing keeps to the slice: rather than leave a name out or cut it, every
  // name is drawn whole in the smallest size, flowing over the house's box.
  return Answer(false, false, smaller, smallerShapes, Flow(smallerShapes, smaller, house, obstacles, true));
}

ChakraBoxFit FitChakraBox(const QStringList& names, const QFont& font, QSize room) {
  const double own = font.pointSizeF();
  ChakraBoxFit fit;
  // Tries the lines in each size in turn and keeps the first that shows them
  // all, or the smallest.
  const auto fitLines = [&](const QStringList& lines) {
    for (double size : kCrowdedSizes) {
      QFont shown = font;
      shown.setPointSizeF(std::min(size, own));
      const double margin = shown.pointSizeF() < own ? 2.0 : 4.0;
      const QFontMetricsF metrics(shown);
      double widest = 0;
      for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line.trimmed()));
      const bool wide = widest <= room.width() - 2 * margin;
      const bool high = lines.size() * metrics.lineSpacing() + 2 * margin <= room.height();
      if ((wide && high) || size == kCrowdedSizes.back()) {
        fit.font = shown;
        fit.margin = margin;
        fit.whole = wide && high;
        return fit.whole;
      }
    }
    return false;
  };
  // Each name after the first joins the line before it when both fit the box's
  // width in the smallest font.
  const auto paired = [&](const QStringList& lines) {
    QFont smallest = font;
    smallest.setPointSizeF(std::min(kCrowdedSizes.back(), own));
    const QFontMetricsF metrics(smallest);
    const QString gap = QStringLiteral("  ");
    QStringList joined;
    for (const QString& line : lines) {
      const QString name = line.trimmed();
      if (!joined.isEmpty() && metrics.horizontalAdvance(joined.back() + gap + name) <= room.width() - 4.0) {
        joined.back() += gap + name;
      } else {
        joined.append(name);
      }
    }
    return joined;
  };

  fit.lines = QStringList{QString()} + names;
  if (!fitLines(fit.lines) && !names.isEmpty()) {
    fit.lines.removeFirst();
    if (!fitLines(fit.lines)) {
      const QStringList joined = paired(fit.lines);
      if (fitLines(joined)) fit.lines = joined;
    }
  }
  return fit;
}
