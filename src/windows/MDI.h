// The main window of a computed chart: a frame whose only child window is the
// chart window, with the toolbar, the two coloured strips with their labels and
// buttons, and the menus of the chart documents, the view options, the maker's
// pages and the about box. The chart run shows it; Back and New return to the
// input window, Exit and the close box lead to the exit screen.
#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QString>
#include <array>

class QAction;
class QCloseEvent;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPushButton;
class QToolBar;
class QWidget;
class frmDisplay;

class MDI : public QMainWindow {
  Q_OBJECT
 public:
  MDI();

  // Decodes the toolbar pictures and the chart sub-window's title-bar pictures
  // into the once-a-run caches, without building the window.
  static void PrepareLooks();


  // ---- Controls -----------------------------------------------------------------
  QToolBar* TB = nullptr;
  // The toolbar's pictures, keyed "New", "Save", "Print", "Help".
  std::array<QPixmap, 4> IL;
  QWidget* picTop = nullptr;
  QLabel* lblHeading = nullptr;
  QLabel* lblURL = nullptr;
  QMdiArea* workspace = nullptr;
  QWidget* Picture1 = nullptr;
  QLabel* lblCobrand = nullptr;
  QLabel* lblFullBrand = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* cmdInterpretation = nullptr;
  QPushButton* cmdBack = nullptr;
  QPushButton* cmdExit = nullptr;

  // ---- Menus --------------------------------------------------------------------
  QMenu* mnuFile = nullptr;
  QAction* mnuNew = nullptr;
  QAction* mnuSaveAs = nullptr;
  QAction* mnuSaveAsJpeg = nullptr;
  QAction* mnuExport = nullptr;
  QAction* mnuPrint = nullptr;
  QAction* mnuBack = nullptr;
  QAction* mnuExit = nullptr;

  QMenu* mnuView = nullptr;
  QAction* mnuToolBar = nullptr;
  QAction* mnuStatusBar = nullptr;
  QAction* mnuViewSeparator1 = nullptr;
  QMenu* mnuChartStyle = nullptr;
  QAction* mnuNorth = nullptr;
  QAction* mnuSouth = nullptr;
  QAction* mnuNatal = nullptr;
  QMenu* mnuColor = nullptr;
  QAction* mnuColorOn = nullptr;
  QAction* mnuColorOff = nullptr;
  QAction* mnuViewSeparator2 = nullptr;
  QAction* mnuChart = nullptr;
  QMenu* mnuDivisionalCharts = nullptr;
  QAction* mnuSub_Hora = nullptr;
  QAction* mnuSub_Drekkana = nullptr;
  QAction* mnuSub_Sapthamsa = nullptr;
  QAction* mnuSub_Navamsa = nullptr;
  QAction* mnuSub_Dasamsa = nullptr;
  QAction* mnuSub_Dwadasamsa = nullptr;

  QMenu* mnuHelp = nullptr;
  QAction* mnuOnline = nullptr;
  QAction* mnuVisit = nullptr;
  QAction* mnuUpdate = nullptr;
  QAction* mnuAbout = nullptr;
  QAction* mnuDonate = nullptr;
  QAction* mnuMakeMoney = nullptr;

  // The sub-window of the workspace that holds the chart window, while it does.
  QMdiSubWindow* ChartSubWindow() const { return chartSubWindow_; }

 public slots:
  void MDIForm_Load();
  void MDIForm_Resize();
  void MDIForm_Unload();

  void cmdInterpretation_Click();  // MDI_Report.cpp
  void cmdBack_Click();
  void cmdExit_Click();

  void mnuNew_Click();
  void mnuSaveAs_Click();      // MDI_Documents.cpp
  void mnuSaveAsJpeg_Click();  // MDI_Documents.cpp
  void mnuExport_Click();      // MDI_Documents.cpp
  void mnuPrint_Click();       // MDI_Report.cpp
  void mnuBack_Click();
  void mnuExit_Click();

  void mnuToolBar_Click();
  void mnuStatusBar_Click();
  void mnuNorth_Click();
  void mnuSouth_Click();
  void mnuNatal_Click();
  void mnuColorOn_Click();
  void mnuColorOff_Click();
  void mnuChart_Click();
  void mnuSub_Hora_Click();
  void mnuSub_Drekkana_Click();
  void mnuSub_Sapthamsa_Click();
  void mnuSub_Navamsa_Click();
  void mnuSub_Dasamsa_Click();
  void mnuSub_Dwadasamsa_Click();

  void mnuOnline_Click();
  void mnuVisit_Click();
  void mnuUpdate_Click();
  void mnuAbout_Click();
  void mnuDonate_Click();
  void mnuMakeMoney_Click();

  // Dispatches by the clicked button's key ("New", "Save", "Print", "Help").
  void TB_ButtonClick(QAction* Button);

  void Label1_Click();
  void lblURL_Click();
  void lblCobrand_Click();

 protected:
  // Refuses every close of the chart window's sub-window.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildToolBar();
  void BuildStrips();
  void BuildMenus();
  // Puts the chart window into the workspace (loading it when needed) and shows it.
  void ShowChartWindow();
  void HideChartWindow();
  void AdoptChartWindow(frmDisplay& display);
  void CheckDivisional(QAction* clicked);
  void SetSignColours(bool colourOn);
  // Narrows the heading strip's texts to the window's width.
  void FitHeadingTexts();
  // Narrows the bottom strip's texts to the room left of its buttons.
  void FitStripTexts();

  QMdiSubWindow* chartSubWindow_ = nullptr;
  // The width Label1 takes when it has room for its whole caption.
  int analysisLinkWidth_ = 0;
  // The widths the heading and the home-page invitation take when whole.
  int headingWidth_ = 0;
  int invitationWidth_ = 0;
};
