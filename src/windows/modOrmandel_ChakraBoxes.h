// The chakra boxes of the chart window: each of the six chakra rows pairs two
// houses, an emissive box on the left and a receptive box on the right.
#pragma once

struct ChartData;
class frmDisplay;

// Shows the bodies of each chakra box's house in the window's boxes.
void FillChakraBoxes(frmDisplay& chart, const ChartData& data);
