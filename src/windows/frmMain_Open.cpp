// Opening a previously saved reading into the input window: the fields of the
// chart file go back into their controls, then the chart run recomputes the chart.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>

#include "astro/Numbers.h"
#include "chart/ChartFile.h"
#include "windows/frmMain.h"
#include "platform/Forms.h"
#include "windows/ExitScreenRoad.h"
#include "windows/frmStartup.h"

namespace {

// Selects the entry whose text equals the field exactly; no match keeps the list.
void SelectText(QComboBox* list, const QString& field) {
  const int index = list->findText(field, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index >= 0) list->setCurrentIndex(index);
}

// Selects a list row; a row the list does not have keeps the list as it was.
void SelectRow(QComboBox* list, std::optional<double> row) {
  if (!row) return;
  const double rounded = astro::RoundHalfEven(*row);
  if (rounded >= 0 && rounded < list->count()) list->setCurrentIndex(static_cast<int>(rounded));
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

  if (name.size() >= 3 && !name.endsWith(QStringLiteral("kdw"), Qt::CaseSensitive)) {
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
  const QStringList& f = *read;

  txtName->setText(f[cfName]);
  if (const std::optional<double> month = FieldNumber(f[cfMonth])) SelectRow(cboMonth, *month - 1);
  SelectText(cboDate, f[cfDay]);
  SelectText(cboYear, f[cfYear]);
  SelectText(cboHour, f[cfHour]);
  SelectText(cboMinute, f[cfMinute]);
  SelectRow(cboTimeZone, FieldNumber(f[cfTimeZone]));
  txtLongDegree->setText(f[cfLongDegree]);
  txtLongMinute->setText(f[cfLongMinute]);
  txtLatDegree->setText(f[cfLatDegree]);
  txtLatMinute->setText(f[cfLatMinute]);
  SelectOption(optLongEast[0], optLongEast[1], FieldFlag(f[cfEast]));
  SelectOption(optLatSouth[1], optLatSouth[0], FieldFlag(f[cfSouth]));
  chkDST->setChecked(FieldFlag(f[cfDST]));
  txtCity->setText(f[cfCity]);
  txtState->setText(f[cfState]);
  txtCountry->setText(f[cfCountry]);

  cmdCalculate_Click();
  platform::Form<frmStartup>::Hide();
  HideExitScreen();
}
