#include "windows/modOrmandel_ReportWindow.h"

#include "chart/ChartData.h"
#include "platform/Forms.h"
#include "platform/Look.h"
#include "platform/RichTextBox.h"
#include "windows/frmSave.h"

void WriteReportRuns(RichTextBox& box, const std::vector<ReportRun>& runs) {
  box.SetText(QString());
  for (const ReportRun& run : runs) {
    box.SetSelFontSize(run.PointSize);
    box.SetSelBold(run.Bold);
    box.SetSelColor(platform::ClassicColor(run.Colour));
    box.SetSelText(run.Text);
  }
}

void BuildChakraReport() {
  frmSave& save = platform::Form<frmSave>::Get();
  if (!save.RTB) return;
  WriteReportRuns(*save.RTB, ChakraReportRuns(CurrentChart.ChakraBoxes));
}
