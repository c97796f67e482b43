// The main window's chart documents: Save As, Export and Save As JPEG.
#include <QComboBox>
#include <QLabel>
#include <QVariant>

#include "astro/Shared.h"
#include "chart/ChartData.h"
#include "chart/ChartFile.h"
#include "chart/TextExport.h"
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
// either with its own extension, asks before replacing a file and wants an
// existing folder.
std::optional<QString> AskDocumentName(const QString& title, const QString& filter,
                                       const QString& extension, bool extensionRequired) {
  platform::FileDialogRequest request;
  request.fileName = DocumentDialogProposal(ChartDialogFile, extension);
  request.extensionRequired = extensionRequired;
  request.title = title;
  request.filter = filter;
  request.defaultExt = extension;
  request.overwritePrompt = true;
  request.pathMustExist = true;
  std::optional<QString> chosen = platform::Service<platform::IFileDialogs>().ShowSave(request);
  if (chosen) ChartDialogFile = *chosen;
  return chosen;
}

// Before a document of the record is written to path: when some characters cannot
// be kept, says which and asks whether to write it anyway. True when there is
// nothing to lose or the user answered Yes.
bool AcceptCharactersNotKept(const QString& path, const astro::BirthRecordData& record) {
  const QString lost = CharactersNotKept(record);
  if (lost.isEmpty()) return true;
  const QString question =
      QStringLiteral("The file \"%1\" can hold only Western European letters. These characters "
                     "cannot be kept and will be written as \"?\":\n%2\n\nDo you want to save anyway?")
          .arg(path, lost);
  return platform::MsgBox(question, platform::MsgButtons::YesNo, platform::MsgIcon::Information) ==
         platform::MsgAnswer::Yes;
}

}  // namespace

void MDI::mnuSaveAs_Click() {
  // Every name ends with ".kdw", so that Open reads back every chart saved.
  const std::optional<QString> chosen =
      AskDocumentName(platform::AppTitle, QStringLiteral("QZ Astrology Ormandel (*.kdw)|*.kdw"),
                      QStringLiteral("kdw"), true);
  if (!chosen || !AcceptCharactersNotKept(*chosen, CurrentChart.Birth)) return;
  const QStringList fields = ChartFileFields(CurrentChart.Birth, CurrentChart.ZoneRow);
  WriteWholeFileOrTell(*chosen, DocumentBytes(ChartFileLines(fields)));
}

void MDI::mnuExport_Click() {
  const std::optional<QString> chosen =
      AskDocumentName(QStringLiteral("Select the destination text file "),
                      QStringLiteral("Export Chart As Text (*.txt)|*.txt"), QStringLiteral("txt"), false);
  if (!chosen || !AcceptCharactersNotKept(*chosen, CurrentChart.Birth)) return;
  const QList<QByteArray> lines = ChartExportLines(CurrentChart);
  WriteWholeFileOrTell(*chosen, DocumentBytes(lines));
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
