// Where the main window's strips put their buttons and heading texts when the
// window is resized, in twips from the window's left edge: the buttons stand
// from the right edge (Exit 300 twips in, Back and Interpretation each 100 twips
// left of the next), the heading and the forum invitation are centred. A window
// narrower than the controls gives negative places.
#pragma once

struct MdiPlacement {
  int exitLeft = 0;
  int backLeft = 0;
  int interpretationLeft = 0;
  int headingLeft = 0;
  int urlLeft = 0;
};

// The placement for an outer window width and the controls' widths, all in twips.
constexpr MdiPlacement PlaceOnResize(int outerWidth, int exitWidth, int backWidth, int interpretationWidth,
                                     int headingWidth, int urlWidth) {
  // Half of a width in whole twips, a half rounded away from zero.
  const auto centred = [outerWidth](int width) {
    const int room = outerWidth - width;
    return (room + (room >= 0 ? 1 : -1)) / 2;
  };
  MdiPlacement p;
  p.exitLeft = outerWidth - exitWidth - 300;
  p.backLeft = p.exitLeft - backWidth - 100;
  p.interpretationLeft = p.backLeft - interpretationWidth - 100;
  p.headingLeft = centred(headingWidth);
  p.urlLeft = centred(urlWidth);
  return p;
}
