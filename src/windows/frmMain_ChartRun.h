// The steps of the chart run that work on the chart window, apart from the input
// window, so the houses can be checked for any set of positions.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

struct ChartData;
class frmDisplay;
class frmMain;

namespace chartrun {

// A number as the chart run reads it from a text: leading and trailing blanks
// removed, an optional sign, digits with an optional decimal part, rounded to the
// nearest whole number with halves going to the even neighbour. Nothing when the
// text is not such a number or the result leaves the 16-bit range.
std::optional<std::int16_t> ReadWholeNumber(const QString& text);

// Copies the input window's controls into the birth record and the zone texts.
// False, with nothing changed, when a control holds a text that is no number in
// the 16-bit range or no time-zone row is selected.
bool CopyInputs(const frmMain& input);

// Draws a chart on the chart window: positions, Sun and Moon signs, the bodies of
// each house and the houses' sign pictures.
void ShowChart(frmDisplay& display, const ChartData& chart);

}  // namespace chartrun
