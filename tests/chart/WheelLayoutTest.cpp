// The wheel's layout: every house's list stays whole inside its slice, clear of
// the house numbers and sign pictures, each name once; the chakra boxes' fit.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <algorithm>
#include <string>

#include "chart/WheelGeometry.h"
#include "chart/WheelLayout.h"
#include "platform/Look.h"

namespace {

QFont ListFont() { return platform::UiFont(QStringLiteral("Verdana"), 8.25); }
QFont NumberFont() { return platform::UiFont(QStringLiteral("Verdana"), 12); }

// The rules every answer keeps, whatever the house holds.
void ExpectReadable(int house, const QStringList& names, const HouseLayout& layout, const std::string& what) {
  ASSERT_EQ(layout.names.size(), static_cast<std::size_t>(names.size())) << what;
  QStringList drawn;
  std::vector<QRectF> inks;
  const QRect room = HouseLabelRoom(house, layout).adjusted(-1, -1, 1, 1);
  for (const PlacedName& placed : layout.names) {
    drawn.append(placed.name);
    const QPainterPath outline = NameOutline(placed.name, layout.font, placed.baseline);
    const QRectF ink = outline.boundingRect();
    if (layout.fits) {
      EXPECT_GE(SliceClearance(outline, house), 0.0) << what << ": " << placed.name.toStdString() << " leaves its slice";
      for (const QRectF& mark : WheelMarks(NumberFont())) {
        EXPECT_FALSE(mark.intersects(ink)) << what << ": " << placed.name.toStdString() << " covers a number or picture";
      }
    }
    EXPECT_TRUE(QRectF(room).contains(ink)) << what << ": " << placed.name.toStdString() << " is cut by its label";
    for (const QRectF& other : inks) EXPECT_FALSE(other.intersects(ink)) << what << ": names overlap";
    inks.push_back(ink);
  }
  // Each name once, whole.
  QStringList expected = names;
  expected.sort();
  drawn.sort();
  EXPECT_EQ(drawn, expected) << what;
}

TEST(LayOutHouse, EveryHouseHoldsOneToEightBodiesWholeInsideItsSlice) {
  const QStringList bodies{"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Asc"};
  for (int house = 0; house < 12; ++house) {
    for (int count = 1; count <= 8; ++count) {
      for (bool retrograde : {false, true}) {
        // Starting with the Sun, and with Jupiter so a long name stands alone.
        for (int first : {0, 5}) {
          QStringList names;
          for (int i = 0; i < count; ++i) {
            const int body = (first + i) % 8;
            names.append(bodies[body] + (retrograde && body >= 2 && body <= 6 ? " (R)" : ""));
          }
          const std::string what = "house " + std::to_string(house + 1) + ": " + names.join(", ").toStdString();
          const HouseLayout layout = LayOutHouse(house, names, ListFont(), NumberFont());
          EXPECT_TRUE(layout.fits) << what;
          ExpectReadable(house, names, layout, what);
        }
      }
    }
  }
}

TEST(LayOutHouse, AListInsideItsSliceKeepsItsWrittenPlaceAndOneLeaningOverMovesInside) {
  struct Case {
    int house;
    QStringList names;
    bool asWritten;
  };
  const std::vector<Case> cases{
      {0, {"Sun", "Asc"}, true},
      {11, {"Jupiter"}, true},
      {6, {"Moon", "Venus"}, true},
      // Written from house 2's place, "Mercury (R)" reaches into house 3.
      {1, {"Sun", "Mercury (R)"}, false},
      {2, {"Mercury (R)", "Venus"}, false},
  };
  const QFontMetricsF metrics(ListFont());
  for (const Case& c : cases) {
    const std::string what = "house " + std::to_string(c.house + 1) + ": " + c.names.join(", ").toStdString();
    const HouseLayout layout = LayOutHouse(c.house, c.names, ListFont(), NumberFont());
    EXPECT_EQ(layout.asWritten, c.asWritten) << what;
    ExpectReadable(c.house, c.names, layout, what);
    if (c.asWritten) {
      const QPointF place(wheel::kHouseSpots[static_cast<std::size_t>(c.house)].list);
      for (std::size_t n = 0; n < layout.names.size(); ++n) {
        const double line = static_cast<double>(n + 1);
        EXPECT_EQ(layout.names[n].baseline, place + QPointF(0, line * metrics.lineSpacing() + metrics.ascent())) << what;
      }
      EXPECT_EQ(HouseLabelRoom(c.house, layout).topLeft(), place.toPoint()) << what;
    } else {
      // A short list moves as it is written, in its own size, one name under another.
      EXPECT_EQ(layout.font, ListFont()) << what;
      EXPECT_EQ(layout.names[0].baseline.x(), layout.names[1].baseline.x()) << what;
    }
  }
}

TEST(LayOutHouse, AListNoSizeHoldsIsStillDrawnWholeEachNameOnce) {
  const QStringList names(12, QStringLiteral("Mercury (R)"));
  const HouseLayout layout = LayOutHouse(3, names, ListFont(), NumberFont());
  EXPECT_FALSE(layout.fits);
  EXPECT_EQ(layout.font.pointSizeF(), kCrowdedSizes.back());
  ExpectReadable(3, names, layout, "twelve long names");
}

TEST(FitChakraBox, ListsShrinkThenLoseTheBlankLineThenPairUp) {
  const QFont font = ListFont();
  const QSize room(62, 65);
  struct Case {
    QStringList names;
    QString lines;  // joined with "|"
    double size;
    double margin;
    bool whole;
  };
  const std::vector<Case> cases{
      {{}, "", 8.25, 4.0, true},
      {{"Sun", "Asc"}, "|Sun|Asc", 8.25, 4.0, true},
      {{"Sun", "Moon", "Mars", "Venus"}, "|Sun|Moon|Mars|Venus", 7.5, 2.0, true},
      {{"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter"}, "Sun|Moon|Mercury|Venus|Mars|Jupiter", 6.0, 2.0, true},
      {{"Sun", "Moon", "Mercury (R) ", "Venus", "Mars", "Jupiter (R) ", "Saturn (R) ", "Asc"},
       "Sun  Moon|Mercury (R)|Venus  Mars|Jupiter (R)|Saturn (R)|Asc", 6.0, 2.0, true},
  };
  for (const Case& c : cases) {
    const ChakraBoxFit fit = FitChakraBox(c.names, font, room);
    const std::string what = c.names.join(", ").toStdString();
    EXPECT_EQ(fit.lines.join('|'), c.lines) << what;
    EXPECT_EQ(fit.font.pointSizeF(), c.size) << what;
    EXPECT_EQ(fit.margin, c.margin) << what;
    EXPECT_EQ(fit.whole, c.whole) << what;
    const QFontMetricsF metrics(fit.font);
    for (const QString& line : fit.lines) EXPECT_LE(metrics.horizontalAdvance(line.trimmed()), room.width() - 2 * fit.margin);
  }
}

}  // namespace
