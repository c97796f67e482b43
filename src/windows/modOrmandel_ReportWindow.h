// The chakra report written into a rich-text box, and the report of the chart on
// screen written into the report window.
#pragma once

#include <vector>

#include "chart/modOrmandel_Report.h"

class RichTextBox;

// Replaces the box's content with the runs, each in its style.
void WriteReportRuns(RichTextBox& box, const std::vector<ReportRun>& runs);

// The report of the current chart's chakra boxes into the report window's RTB;
// loads the report window first when it is not loaded.
void BuildChakraReport();
