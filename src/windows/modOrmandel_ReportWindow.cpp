#include "windows/modOrmandel_ReportWindow.h"

#include "chart/ChartData.h"
#include "platform/Forms.h"
#include "platform/Look.h"
#include "platform/RichTextBox.h"
#include "windows/frmSave.h"

void WriteReportRuns(RichTextBox& box, const std::vector<ReportRun>& runs) {
  std::vector<RichTextBox::StyledRun> styled;
  styled.reserve(runs.size());
  for (const ReportRun& run : runs) {
    styled.push_back({run.Text, run.PointSize, run.Bold, platform::ClassicColor(run.Colour)});
  }
  box.WriteRuns(styled);
}

void BuildChakraReport() {
  frmSave& save = platform::Form<frmSave>::Get();
  if (!save.RTB) return;
  WriteReportRuns(*save.RTB, ChakraReportRuns(CurrentChart));
}
