// The main window's chart documents: Save As, Export, Save As JPEG and the
// snapshot of the chart window taken on every activation.
#include <QComboBox>
#include <QLabel>
#include <QVariant>

#include "astro/Shared.h"
#include "chart/ChartData.h"
#include "chart/ChartFile.h"
#include "chart/TextExport.h"
#include "windows/frmDisplay.h"
#include "windows/frmMain.h"
#include "windows/modSaveForm.h"
#include "platform/Forms.h"
#include "platform/Services.h"
#include "windows/MDI.h"

namespace {

// The name the picture dialog proposes: the last one chosen in it while this
// main window is loaded.
constexpr const char* JpegDialogFileProperty = "JpegDialogFile";

// The save dialog of Save As and Export: it proposes the name last chosen in
// either, asks before replacing a file and wants an existing folder.
std::optional<QString> AskDocumentName(const QString& title, const QString& filter,
                                       const QString& extension) {
  platform::FileDialogRequest request;
  request.fileName = ChartDialogFile;
  request.title = title;
  request.filter = filter;
  request.defaultExt = extension;
  request.overwritePrompt = true;
  request.pathMustExist = true;
  std::optional<QString> chosen = platform::Service<platform::IFileDialogs>().ShowSave(request);
  if (chosen) ChartDialogFile = *chosen;
  return chosen;
}

}  // namespace

void MDI::mnuSaveAs_Click() {
  const std::optional<QString> chosen =
      AskDocumentName(platform::AppTitle, QStringLiteral("QZ Astrology Ormandel (*.kdw)|*.kdw"),
                      QStringLiteral("kdw"));
  if (!chosen || !AcceptCharactersNotKept(*chosen, astro::BirthRecord)) return;
  WriteChartFile(*chosen, ChartFileFields(astro::BirthRecord, CurrentChart.ZoneRow));
}

void MDI::mnuExport_Click() {
  const std::optional<QString> chosen =
      AskDocumentName(QStringLiteral("Select the destination text file "),
                      QStringLiteral("Export Chart As Text (*.txt)|*.txt"), QStringLiteral("txt"));
  if (!chosen || !AcceptCharactersNotKept(*chosen, astro::BirthRecord)) return;
  WriteDocumentLines(*chosen, ChartExportLines(CurrentChart.SunSign, CurrentChart.MoonSign));
}

void MDI::mnuSaveAsJpeg_Click() {
  platform::FileDialogRequest request;
  request.fileName = property(JpegDialogFileProperty).toString();
  request.filter = QStringLiteral("JPEG Image (*.jpg)|*.jpg");
  request.defaultExt = QStringLiteral("JPG");
  const std::optional<QString> chosen = platform::Service<platform::IFileDialogs>().ShowSave(request);
  if (!chosen || chosen->isEmpty()) return;  // a cancelled dialog saves nothing
  setProperty(JpegDialogFileProperty, *chosen);
  SaveChartAsJpeg(*chosen);
}

void MDI::MDIForm_Activate() {
  // An activation that arrives while this window is being unloaded must not load
  // a chart window that no main window would hold.
  if (platform::Form<MDI>::IfLoaded() != this) return;
  frmDisplay& display = platform::Form<frmDisplay>::Get();
  display.Picture1->setPicture(SnapFormPicture(display));
}
