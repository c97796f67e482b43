// The chart window's part of the chart run: drawing the chart data, apart from
// the input window, so the drawing can be checked for any chart.
#pragma once

struct ChartData;
class frmDisplay;

namespace chartrun {

// Draws a chart on the chart window: positions, Sun and Moon signs, the bodies of
// each house and the houses' sign pictures.
void ShowChart(frmDisplay& display, const ChartData& chart);

}  // namespace chartrun
