// Where the chart window draws the texts of its wheel and its chakra boxes. No
// widget is involved: the layout works on fonts, their metrics and the glyphs'
// outlines, and the window applies the answer.
//
// A house's list of bodies stands inside the house's slice of the wheel's disc
// (between its two dividing lines, inside the disc's edge and outside the ring
// of house numbers), clear of every house number and sign picture. Since the
// slices do not overlap, lists that keep to their own slices never touch each
// other. Everything is measured on the glyphs' outlines, not on text boxes.
#pragma once

#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// The font sizes, largest first, a crowded list of bodies is tried in.
inline constexpr std::array<double, 5> kCrowdedSizes{8.25, 7.5, 7.0, 6.5, 6.0};

// One body name and the left end of its baseline, in the wheel's pixels.
struct PlacedName {
  QString name;
  QPointF baseline;
};

struct HouseLayout {
  // The list keeps the place, font and line breaks it was written with.
  bool asWritten = true;
  // Every name lies whole inside its house's slice, clear of the house numbers
  // and sign pictures. When false no layout in any of the sizes tried keeps to
  // the slice, and names says what is least bad (see LayOutHouse).
  bool fits = true;
  // The names are drawn in this font, one each at its baseline.
  QFont font;
  std::vector<PlacedName> names;
};

// The box round house h's part of the disc (0 for house 1), in the wheel's pixels.
QRect HouseBounds(int house);

// The box a house label takes on the wheel: from the list's written place to the
// far corner of the house while the list keeps its place, the whole house's box
// otherwise; always on the wheel, and always holding every name's ink.
QRect HouseLabelRoom(int house, const HouseLayout& layout);

// How house h lays out its list. names are the house's body names as its list
// writes them, one a line from the second line of the house's list place down
// (the list starts with a line break); blanks round a name are not drawn. font
// is the list's font and numberFont the house numbers'.
// In order of preference the names stay where they were written; or move
// together, one under another as written, to the nearest place inside the slice;
// or flow side by side, line by line, through the slice in the largest of
// kCrowdedSizes that holds them all. When none of these keeps to the slice the
// answer has fits false and the names flow over the house's box in the smallest
// size, each once and whole, from the top of the house's box down.
HouseLayout LayOutHouse(int house, const QStringList& names, const QFont& font, const QFont& numberFont);

// The outline of a name drawn with its baseline starting at baseline.
QPainterPath NameOutline(const QString& name, const QFont& font, QPointF baseline);

// How far, in pixels, the outline keeps inside house h's slice: the least
// distance of its points from the two dividing lines, the disc's edge and the
// ring of house numbers; negative when it reaches out of the slice by that much.
double SliceClearance(const QPainterPath& outline, int house);

// The ink boxes of the house numbers and sign pictures the window draws on the
// wheel, in the wheel's pixels.
std::vector<QRectF> WheelMarks(const QFont& numberFont);

// How a chakra box shows its list: room is the width and height, in pixels,
// inside the box's frame and beside its scroll bar.
struct ChakraBoxFit {
  QStringList lines;  // one entry a line
  QFont font;
  double margin = 4.0;  // the document's margin round the lines
  bool whole = true;    // every line shows whole without scrolling
};

// names are the body names of the box's house as its list writes them; the box
// shows the list's blank first line, then each body on a line of its own.
// Keeps each body on a line of its own and, where it can, every line in sight: a
// list wider or taller than the box is shown in the largest of kCrowdedSizes
// that holds it, with a narrower margin. When that is not enough the blank line
// the list starts with goes, then short names share a line two blanks apart.
// When even that does not fit, the lines show in the smallest size and scroll.
ChakraBoxFit FitChakraBox(const QStringList& names, const QFont& font, QSize room);
