// Opening a previously saved reading into the input window: the fields of the
// chart file go back into their controls, then the chart run recomputes the chart.
// A file with a field that cannot be read is refused whole.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <variant>

#include "chart/ChartFile.h"
#include "windows/frmMain.h"
#include "platform/Forms.h"
#include "windows/ExitScreenRoad.h"

namespace {

QStringList EntryTexts(const QComboBox* list) {
  QStringList texts;
  texts.reserve(list->count());
  for (int row = 0; row < list->count(); ++row) texts.append(list->itemText(row));
  return texts;
}

// Selects the first of a pair of option buttons when on, else the second.
void SelectOption(QRadioButton* whenOn, QRadioButton* whenOff, bool on) {
  (on ? whenOn : whenOff)->setChecked(true);
}

}  // namespace

void frmMain::cmdOpen_Click() {
  CD.fileName.clear();
  CD.title = QStringLiteral("Select the source file");
  CD.filter = QStringLiteral("QZ Astrology Ormandel (*.kdw)|*.kdw");
  CD.defaultExt = QStringLiteral("kdw");
  CD.overwritePrompt = false;
  CD.pathMustExist = true;
  CD.fileMustExist = true;
  const std::optional<QString> chosen = platform::Service<platform::IFileDialogs>().ShowOpen(CD);
  if (!chosen) return;  // cancelled: nothing to open, nothing to say
  const QString name = *chosen;
  CD.fileName = name;

  // Save As keeps a name that ends in ".kdw" in any letter case, so Open takes
  // every letter case too; other names are no chart files.
  if (name.size() >= 3 && !name.endsWith(QStringLiteral("kdw"), Qt::CaseInsensitive)) {
    platform::MsgBox(QStringLiteral("Please Check The File."), platform::MsgButtons::OK,
                     platform::MsgIcon::Critical);
    return;
  }
  if (name.isEmpty()) return;

  QString reason;
  const std::optional<QStringList> read = ReadChartFile(name, &reason);
  if (!read) {
    platform::MsgBox(CannotReadMessage(name, reason), platform::MsgButtons::OK,
                     platform::MsgIcon::Critical);
    return;
  }
  // Every field is read before any control changes: a file that cannot be read
  // whole leaves the window as the user had it, and no chart is drawn.
  const ChartFileLists lists{EntryTexts(cboDate), EntryTexts(cboYear), EntryTexts(cboHour),
                             EntryTexts(cboMinute), cboMonth->count(), cboTimeZone->count()};
  const std::variant<ChartFileEntries, ChartFileProblem> entries = ReadChartFileEntries(*read, lists);
  if (const auto* problem = std::get_if<ChartFileProblem>(&entries)) {
    platform::MsgBox(UnreadableChartMessage(name, *problem), platform::MsgButtons::OK,
                     platform::MsgIcon::Critical);
    return;
  }
  const ChartFileEntries& e = std::get<ChartFileEntries>(entries);

  txtName->setText(e.Name);
  cboMonth->setCurrentIndex(e.Month);
  cboDate->setCurrentIndex(e.Day);
  cboYear->setCurrentIndex(e.Year);
  cboHour->setCurrentIndex(e.Hour);
  cboMinute->setCurrentIndex(e.Minute);
  cboTimeZone->setCurrentIndex(e.Zone);
  txtLongDegree->setText(e.LongDegree);
  txtLongMinute->setText(e.LongMinute);
  txtLatDegree->setText(e.LatDegree);
  txtLatMinute->setText(e.LatMinute);
  SelectOption(optLongEast[0], optLongEast[1], e.East);
  SelectOption(optLatSouth[1], optLatSouth[0], e.South);
  chkDST->setChecked(e.DST);
  txtCity->setText(e.City);
  txtState->setText(e.State);
  txtCountry->setText(e.Country);

  cmdCalculate_Click();
  HideExitScreen();
}
