// The birth-data input window: the user types one person's birth data here, the
// window filters keystrokes, checks the whole input (ValidateInput), offers the
// latitude-and-longitude lookup and starts the chart run. The chart run, Open and
// the start-up form read and set the controls directly, so they are public.
#pragma once

#include <QMainWindow>
#include <array>

#include "chart/BirthInput.h"
#include "platform/KeyPress.h"
#include "platform/Services.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

class frmMain : public QMainWindow {
  Q_OBJECT
 public:
  frmMain();

  // True only when every input check passes; shows at most one message.
  bool ValidateInput();
  // The birth data as the controls hold it.
  BirthInput Input() const;

  // ---- Controls -----------------------------------------------------------------
  QLineEdit* txtName = nullptr;
  QComboBox* cboMonth = nullptr;
  QComboBox* cboDate = nullptr;
  QComboBox* cboYear = nullptr;
  QComboBox* cboHour = nullptr;
  QComboBox* cboMinute = nullptr;
  QComboBox* cboTimeZone = nullptr;
  QCheckBox* chkDST = nullptr;
  QLineEdit* txtLatDegree = nullptr;
  QLineEdit* txtLatMinute = nullptr;
  std::array<QRadioButton*, 2> optLatSouth{};  // (0) North, (1) South
  QLineEdit* txtLongDegree = nullptr;
  QLineEdit* txtLongMinute = nullptr;
  std::array<QRadioButton*, 2> optLongEast{};  // (0) East, (1) West
  QLineEdit* txtCity = nullptr;
  QLineEdit* txtState = nullptr;
  QLineEdit* txtCountry = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* cmdCalculate = nullptr;
  QPushButton* cmdOpen = nullptr;
  // The common dialog of cmdOpen: the properties of the next file dialog.
  platform::FileDialogRequest CD;
  QFrame* fraFullBrand = nullptr;
  QLabel* lblCobrand = nullptr;
  QLabel* lblFullBrand = nullptr;
  QLabel* lblURL = nullptr;

  // Static texts.
  QLabel* lblWelcome = nullptr;
  QLabel* lblInstruction = nullptr;
  QLabel* lblName = nullptr;
  QLabel* lblBirthday = nullptr;
  QLabel* lblTimeOfBirth = nullptr;
  QLabel* lblHourMinute = nullptr;
  QLabel* lblTimeZone = nullptr;
  QLabel* lblLatitude = nullptr;
  QLabel* lblLongitude = nullptr;
  std::array<QLabel*, 2> lblDegMin{};  // (0) latitude row, (1) longitude row
  QLabel* lblCity = nullptr;
  QLabel* lblState = nullptr;
  QLabel* lblCountry = nullptr;

  // ---- Menus --------------------------------------------------------------------
  QMenu* mnuFile = nullptr;
  QAction* mnuCalculate = nullptr;
  QAction* mnuExit = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* mnuOnline = nullptr;
  QAction* mnuVisit = nullptr;
  QAction* mnuUpdate = nullptr;
  QAction* mnuAbout = nullptr;
  QAction* mnuDonate = nullptr;
  QAction* mnuMakeMoney = nullptr;

 public slots:
  void Form_Load();
  // Brings the co-branding offer (coBrand) or the full-brand offer to the front
  // of the offers' box: the one the user sees.
  void BringOfferToFront(bool coBrand);
  void Form_Unload();

  void cmdCalculate_Click();  // the chart run (frmMain_ChartRun.cpp)
  void mnuCalculate_Click();
  void cmdOpen_Click();  // opens a saved chart (frmMain_Open.cpp)
  void Command1_Click();

  // Key filters: KeyAscii is the typed character's code; set to 0 it is refused.
  void txtName_KeyPress(int& KeyAscii);
  void txtCity_KeyPress(int& KeyAscii);
  void txtState_KeyPress(int& KeyAscii);
  void txtCountry_KeyPress(int& KeyAscii);
  void txtLatDegree_KeyPress(int& KeyAscii);
  void txtLatMinute_KeyPress(int& KeyAscii);
  void txtLongDegree_KeyPress(int& KeyAscii);
  void txtLongMinute_KeyPress(int& KeyAscii);

  void mnuExit_Click();
  void mnuAbout_Click();
  void lblCobrand_Click();
  void lblURL_Click();
  void mnuVisit_Click();
  void mnuOnline_Click();
  void mnuUpdate_Click();
  void mnuDonate_Click();
  void mnuMakeMoney_Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Routes the text boxes' key presses to their key filters.
  platform::ControlEvents controlEvents;

  void BuildControls();
  void BuildMenus();
  void LettersFilter(QLineEdit* box, int& KeyAscii);
  void DigitsFilter(int& KeyAscii);

  bool centred_ = false;
};
