// The look shared by every window: positions in twips, the classic 16-colour
// palette, and the font faces the windows ask for.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>
#include <optional>

class QLabel;

namespace platform {

// Window positions and sizes are designed in twips, 15 to a pixel.
inline constexpr int TwipsPerPixel = 15;
constexpr int Px(int twips) { return (twips + (twips >= 0 ? 7 : -7)) / TwipsPerPixel; }
constexpr int Twips(int pixels) { return pixels * TwipsPerPixel; }
inline QRect TwRect(int left, int top, int width, int height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}
// Places a control at a designed position given in twips.
inline void PlaceTw(QWidget* w, int left, int top, int width, int height) {
  w->setGeometry(TwRect(left, top, width, height));
}

// The classic 16-colour palette by number: 0 black, 1 navy, 2 green, 3 teal,
// 4 maroon, 5 purple, 6 olive, 7 silver, 8 grey, 9 blue, 10 lime, 11 aqua,
// 12 red, 13 fuchsia, 14 yellow, 15 white. Numbers outside 0..15 wrap.
QColor ClassicColor(int number);

// The colour a control draws its text in, for every kind of control (labels,
// buttons and check boxes, text boxes).
void SetForeColor(QWidget* control, const QColor& colour);
// The colour a control fills its background with, and the colour its texts
// (labels, text boxes) are drawn in on it: a control that paints its own
// background never takes its text colour from the desktop, where it might not
// read. Buttons keep the desktop's face and text colours.
void SetBackColor(QWidget* control, const QColor& colour, const QColor& textColour);

// The colour of a link drawn on the desktop's own background: the desktop's link
// colour, blue on a light desktop and a light blue on a dark one.
QColor LinkOnDesktop(const QWidget* control);

// A label as a window designs it. The text is shown as it stands (never as rich
// text); what is left out comes from the parent (font, colour) or stays Qt's
// default (left and vertically centred, one line).
struct LabelLayout {
  const char* name = "";  // the objectName
  QString text = {};
  QRect twips = {};  // left, top, width, height in twips; empty: the caller places it
  std::optional<QFont> font = std::nullopt;
  QColor colour = {};  // the text colour; invalid: the parent's
  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
  bool wordWrap = false;
  // Paints its own background (the parent's colour), hiding whatever lies behind it.
  bool fillBackground = false;
};

// Builds the label `layout` describes, as a child of `parent`.
QLabel* MakeLabel(QWidget* parent, const LabelLayout& layout);

// A font by the face a window asks for ("Verdana", "MS Sans Serif"); faces
// that are not installed are substituted by an installed one (DejaVu Sans).
// One font object per face, size and style is made a run and shared.
QFont UiFont(const QString& face, double pointSize, bool bold = false,
             bool italic = false, bool underline = false);

// Moves a window so that its frame stands centred in its screen's free area (a
// frame not yet drawn counts as large as those of the windows shown). A window
// that can be resized is first made no larger than that area, so it also fits
// when restored from maximised; a window larger than the area starts at its
// top-left corner, so its title bar and menus stay within reach.
void CentreOnScreen(QWidget* window);

// The tooltip that shows text as it stands, even when it looks like markup.
QString PlainToolTip(const QString& text);

// Shows text on one line of label within width pixels. A text too wide is cut
// with "…" and its whole text becomes the label's tooltip; a text that fits is
// shown whole, without a tooltip.
void SetElidedText(QLabel* label, const QString& text, int width);

// Shows text word-wrapped in label as far as the label's height holds lines; a
// text cut short ends its last line with "…" and its whole text becomes the
// label's tooltip; a text that fits is shown whole, without a tooltip.
void SetElidedWrappedText(QLabel* label, const QString& text);

// Registers the font substitutions; called once at start-up and by the tests.
void InstallFontSubstitutions();

}  // namespace platform
