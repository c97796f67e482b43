#include "windows/MDI.h"
#include "windows/MDI_Placement.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "windows/frmDisplay.h"
#include "windows/frmMain.h"
#include "platform/Forms.h"
#include "platform/LinkLabel.h"
#include "platform/Look.h"
#include "platform/Pictures.h"
#include "platform/Services.h"
#include "windows/ExitScreenRoad.h"
#include "windows/frmAbout.h"
#include "windows/modHelp_WebLinks.h"
#include "windows/ProgramTexts.h"

using platform::Form;
using platform::PlaceTw;
using platform::Px;
using platform::UiFont;

namespace {

const QColor StripColour(255, 199, 6);
const QColor LinkBlue(0, 0, 255);

// Heights in twips of the strips and the toolbar; the chart workspace takes the rest.
constexpr int TopStripHeight = 720;
constexpr int BottomStripHeight = 600;
constexpr int ToolBarHeight = 420;

// The designed widths of the controls MDIForm_Resize places.
constexpr int ExitWidth = 1095;
constexpr int BackWidth = 1095;
constexpr int InterpretationWidth = 1695;
constexpr int HeadingWidth = 5400;
constexpr int URLWidth = 5520;

QWidget* Strip(QWidget* parent, const char* name, int heightTw) {
  auto* strip = new QWidget(parent);
  strip->setObjectName(QString::fromLatin1(name));
  platform::SetBackColor(strip, StripColour, platform::ClassicColor(0));
  strip->setFixedHeight(Px(heightTw));
  return strip;
}

// A label never clips its caption: it keeps its designed width unless the
// caption needs more room.
void PlaceLabelTw(QLabel* label, int left, int top, int width, int height) {
  PlaceTw(label, left, top, width, height);
  if (label->sizeHint().width() > label->width()) label->resize(label->sizeHint().width(), label->height());
}

QString AnalysisLinkCaption() {
  return QStringLiteral("For Analysis of this Natal chart log onto ") + HomePageAddress();
}

// Gives a one-line label `width` pixels and shows as much of text as they hold,
// ending with "…" when cut; nothing is measured while its width stays the same.
void FitLineLabel(QLabel* label, int width, const QString& text) {
  if (width == label->width()) return;
  label->resize(width, label->height());
  platform::SetElidedText(label, text, label->contentsRect().width());
}

// The advertising labels' full width in twips: their texts take two lines.
constexpr int AdvertWidth = 10800;

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, const QFont& font,
                    int widthTw) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setFont(font);
  PlaceTw(button, 0, 77, widthTw, 400);
  return button;
}

QAction* Entry(QMenu* menu, const char* name, const QString& caption, bool checkable = false) {
  auto* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  action->setCheckable(checkable);
  return action;
}

QMenu* SubMenu(QMenu* parent, const char* name, const QString& caption) {
  auto* menu = parent->addMenu(caption);
  menu->setObjectName(QString::fromLatin1(name));
  menu->menuAction()->setObjectName(QString::fromLatin1(name));
  return menu;
}

// A toolbar button's picture, by its file name ("new", "save", "print", "help").
QString ToolBarPicture(const char* file) {
  return QStringLiteral(":/assets/toolbar/%1.png").arg(QLatin1String(file));
}

QAction* Separator(QMenu* menu, const char* name = nullptr) {
  auto* separator = menu->addSeparator();
  if (name) separator->setObjectName(QString::fromLatin1(name));
  return separator;
}

}  // namespace

MDI::MDI() {
  setObjectName(QStringLiteral("MDI"));
  setWindowTitle(VersionedTitle());
  setWindowIcon(platform::ProgramIcon());
  // The toolbar is switched on and off through the View menu only, so its state
  // and the menu's check mark always agree.
  setContextMenuPolicy(Qt::NoContextMenu);

  BuildToolBar();
  BuildStrips();
  BuildMenus();

  // Started centred on the screen and maximised.
  resize(Px(15360), Px(11520));
  // Restored from maximised it stands in the middle of the screen, no larger
  // than the screen's free area.
  platform::CentreOnScreen(this);
  setWindowState(Qt::WindowMaximized);
}

void MDI::PrepareLooks() {
  for (const char* file : {"new", "save", "print", "help"}) platform::LoadIcon(ToolBarPicture(file));
  // The chart's sub-window asks the style for its title-bar pictures when it is
  // built; the first such ask of a run loads Qt's image-format readers.
  for (const QStyle::StandardPixmap picture : {QStyle::SP_TitleBarMenuButton, QStyle::SP_TitleBarMaxButton}) {
    QApplication::style()->standardIcon(picture);
  }
}

void MDI::BuildToolBar() {
  TB = new QToolBar(this);
  TB->setObjectName(QStringLiteral("TB"));
  TB->setMovable(false);
  TB->setFloatable(false);
  TB->setIconSize(QSize(16, 16));
  TB->setFixedHeight(Px(ToolBarHeight));
  TB->toggleViewAction()->setEnabled(false);
  addToolBar(Qt::TopToolBarArea, TB);

  static const std::array<const char*, 4> keys{"New", "Save", "Print", "Help"};
  static const std::array<const char*, 4> files{"new", "save", "print", "help"};
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const QString path = ToolBarPicture(files[i]);
    IL[i] = platform::LoadPicture(path);
    const QString key = QString::fromLatin1(keys[i]);
    QAction* button = TB->addAction(platform::LoadIcon(path), key);
    button->setData(key);
    button->setObjectName(QStringLiteral("TB.") + key);
    button->setToolTip(key);
  }
  connect(TB, &QToolBar::actionTriggered, this, &MDI::TB_ButtonClick);
}

void MDI::BuildStrips() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("MDIClient"));
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  // The heading strip under the toolbar.
  picTop = Strip(central, "picTop", TopStripHeight);
  lblHeading = platform::MakeLabel(picTop, {.name = "lblHeading", .text = platform::AppTitle,
                                            .font = UiFont(QStringLiteral("Verdana"), 18, true),
                                            .alignment = Qt::AlignCenter});
  PlaceLabelTw(lblHeading, 0, 0, HeadingWidth, 435);
  lblURL = platform::MakeLabel(picTop, {.name = "lblURL",
                                        .text = HomePageInvitation(),
                                        .font = UiFont(QStringLiteral("Verdana"), 8.25, false, false, true),
                                        .alignment = Qt::AlignCenter});
  PlaceLabelTw(lblURL, 0, 450, URLWidth, 225);
  headingWidth_ = lblHeading->width();
  invitationWidth_ = lblURL->width();
  layout->addWidget(picTop);

  // The workspace that holds the chart window.
  workspace = new QMdiArea(central);
  workspace->setObjectName(QStringLiteral("workspace"));
  workspace->setBackground(Qt::white);
  workspace->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  workspace->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  layout->addWidget(workspace, 1);

  // The button strip at the bottom.
  Picture1 = Strip(central, "Picture1", BottomStripHeight);
  const QFont boldLink = UiFont(QStringLiteral("Verdana"), 8.25, true, false, true);
  const auto advert = [&](const char* name, const QString& text) {
    return platform::MakeLabel(
        Picture1, {name, text, {0, 0, AdvertWidth, 405}, boldLink, LinkBlue, Qt::AlignLeft | Qt::AlignTop, true, true});
  };
  lblFullBrand = advert("lblFullBrand", FullBrandOffer());
  lblCobrand = advert("lblCobrand", CoBrandOffer(4));
  lblCobrand->raise();  // the co-branding offer lies on top of the other one

  Label1 = platform::MakeLabel(Picture1, {.name = "Label1",
                                          .text = AnalysisLinkCaption(),
                                          .font = UiFont(QStringLiteral("Verdana"), 8.25, true),
                                          .colour = LinkBlue});
  PlaceLabelTw(Label1, 0, 405, 6795, 195);
  analysisLinkWidth_ = Label1->width();

  cmdInterpretation = Button(Picture1, "cmdInterpretation", QStringLiteral("&Interpretation"),
                             UiFont(QStringLiteral("Verdana"), 8.25, true), InterpretationWidth);
  cmdBack = Button(Picture1, "cmdBack", QStringLiteral("&Back"),
                   UiFont(QStringLiteral("MS Sans Serif"), 8.25), BackWidth);
  cmdExit = Button(Picture1, "cmdExit", QStringLiteral("E&xit"),
                   UiFont(QStringLiteral("Verdana"), 8.25), ExitWidth);
  layout->addWidget(Picture1);
  setCentralWidget(central);

  connect(cmdInterpretation, &QPushButton::clicked, this, &MDI::cmdInterpretation_Click);
  connect(cmdBack, &QPushButton::clicked, this, &MDI::cmdBack_Click);
  connect(cmdExit, &QPushButton::clicked, this, &MDI::cmdExit_Click);
  platform::MakeLinkLabel(lblURL, [this] { lblURL_Click(); });
  platform::MakeLinkLabel(lblCobrand, [this] { lblCobrand_Click(); });
  platform::MakeLinkLabel(Label1, [this] { Label1_Click(); });
}

void MDI::BuildMenus() {
  // A checkable entry's handler sets its check marks itself, so the automatic
  // toggle of a checkable entry is undone before the handler runs.
  auto wire = [this](QAction* action, void (MDI::*handler)()) {
    connect(action, &QAction::triggered, this, [this, action, handler](bool checked) {
      if (action->isCheckable()) action->setChecked(!checked);
      (this->*handler)();
    });
  };
  QMenuBar* bar = menuBar();

  mnuFile = bar->addMenu(QStringLiteral("&File"));
  mnuFile->setObjectName(QStringLiteral("mnuFile"));
  mnuNew = Entry(mnuFile, "mnuNew", QStringLiteral("&New"));
  Separator(mnuFile);
  mnuSaveAs = Entry(mnuFile, "mnuSaveAs", QStringLiteral("Save &As"));
  mnuSaveAsJpeg = Entry(mnuFile, "mnuSaveAsJpeg", QStringLiteral("Save As &JPEG"));
  Separator(mnuFile);
  mnuExport = Entry(mnuFile, "mnuExport", QStringLiteral("&Export Chart As Text"));
  Separator(mnuFile);
  mnuPrint = Entry(mnuFile, "mnuPrint", QStringLiteral("&Print"));
  Separator(mnuFile);
  mnuBack = Entry(mnuFile, "mnuBack", QStringLiteral("&Back"));
  Separator(mnuFile);
  mnuExit = Entry(mnuFile, "mnuExit", QStringLiteral("E&xit"));

  mnuView = bar->addMenu(QStringLiteral("&View"));
  mnuView->setObjectName(QStringLiteral("mnuView"));
  mnuToolBar = Entry(mnuView, "mnuToolBar", QStringLiteral("&Toolbar"), true);
  mnuStatusBar = Entry(mnuView, "mnuStatusBar", QStringLiteral("&Status Bar"), true);
  mnuViewSeparator1 = Separator(mnuView, "mnuViewSeparator1");
  mnuChartStyle = SubMenu(mnuView, "mnuChartStyle", QStringLiteral("&Chart Style"));
  mnuNorth = Entry(mnuChartStyle, "mnuNorth", QStringLiteral("&North Indian"), true);
  mnuSouth = Entry(mnuChartStyle, "mnuSouth", QStringLiteral("&South Indian"), true);
  mnuNatal = Entry(mnuChartStyle, "mnuNatal", QStringLiteral("&Natal Indian"), true);
  mnuColor = SubMenu(mnuView, "mnuColor", QStringLiteral("Colo&r Style"));
  mnuColorOn = Entry(mnuColor, "mnuColorOn", QStringLiteral("O&n"), true);
  mnuColorOff = Entry(mnuColor, "mnuColorOff", QStringLiteral("O&ff"), true);
  mnuViewSeparator2 = Separator(mnuView, "mnuViewSeparator2");
  mnuChart = Entry(mnuView, "mnuChart", QStringLiteral("&Chart"), true);
  mnuDivisionalCharts = SubMenu(mnuView, "mnuDivisionalCharts", QStringLiteral("&Divisional Charts"));
  mnuSub_Hora = Entry(mnuDivisionalCharts, "mnuSub_Hora", QStringLiteral("&Hora"), true);
  mnuSub_Drekkana = Entry(mnuDivisionalCharts, "mnuSub_Drekkana", QStringLiteral("&Drekkana"), true);
  mnuSub_Sapthamsa = Entry(mnuDivisionalCharts, "mnuSub_Sapthamsa", QStringLiteral("&Sapthamsa"), true);
  mnuSub_Navamsa = Entry(mnuDivisionalCharts, "mnuSub_Navamsa", QStringLiteral("&Navamsa"), true);
  mnuSub_Dasamsa = Entry(mnuDivisionalCharts, "mnuSub_Dasamsa", QStringLiteral("&D&asamsa"), true);
  mnuSub_Dwadasamsa = Entry(mnuDivisionalCharts, "mnuSub_Dwadasamsa", QStringLiteral("D&wadasamsa"), true);

  mnuHelp = bar->addMenu(QStringLiteral("&Help"));
  mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
  mnuOnline = Entry(mnuHelp, "mnuOnline", QStringLiteral("&Online Help"));
  mnuVisit = Entry(mnuHelp, "mnuVisit", QStringLiteral("&Visit Us Online"));
  Separator(mnuHelp);
  mnuUpdate = Entry(mnuHelp, "mnuUpdate", QStringLiteral("Check for Software &Update"));
  Separator(mnuHelp);
  mnuAbout = Entry(mnuHelp, "mnuAbout", QStringLiteral("&About Software"));

  mnuDonate = bar->addAction(QStringLiteral("&Donate"));
  mnuDonate->setObjectName(QStringLiteral("mnuDonate"));
  mnuMakeMoney = bar->addAction(QStringLiteral("Make Money &Online"));
  mnuMakeMoney->setObjectName(QStringLiteral("mnuMakeMoney"));

  // Entries for views the program does not have are hidden; nothing shows them again.
  for (QAction* off : {mnuStatusBar, mnuViewSeparator1, mnuChartStyle->menuAction(),
                       mnuColor->menuAction(), mnuViewSeparator2, mnuChart,
                       mnuDivisionalCharts->menuAction(), mnuMakeMoney}) {
    off->setVisible(false);
  }

  wire(mnuNew, &MDI::mnuNew_Click);
  wire(mnuSaveAs, &MDI::mnuSaveAs_Click);
  wire(mnuSaveAsJpeg, &MDI::mnuSaveAsJpeg_Click);
  wire(mnuExport, &MDI::mnuExport_Click);
  wire(mnuPrint, &MDI::mnuPrint_Click);
  wire(mnuBack, &MDI::mnuBack_Click);
  wire(mnuExit, &MDI::mnuExit_Click);
  wire(mnuToolBar, &MDI::mnuToolBar_Click);
  wire(mnuStatusBar, &MDI::mnuStatusBar_Click);
  wire(mnuNorth, &MDI::mnuNorth_Click);
  wire(mnuSouth, &MDI::mnuSouth_Click);
  wire(mnuNatal, &MDI::mnuNatal_Click);
  wire(mnuColorOn, &MDI::mnuColorOn_Click);
  wire(mnuColorOff, &MDI::mnuColorOff_Click);
  wire(mnuChart, &MDI::mnuChart_Click);
  wire(mnuSub_Hora, &MDI::mnuSub_Hora_Click);
  wire(mnuSub_Drekkana, &MDI::mnuSub_Drekkana_Click);
  wire(mnuSub_Sapthamsa, &MDI::mnuSub_Sapthamsa_Click);
  wire(mnuSub_Navamsa, &MDI::mnuSub_Navamsa_Click);
  wire(mnuSub_Dasamsa, &MDI::mnuSub_Dasamsa_Click);
  wire(mnuSub_Dwadasamsa, &MDI::mnuSub_Dwadasamsa_Click);
  wire(mnuOnline, &MDI::mnuOnline_Click);
  wire(mnuVisit, &MDI::mnuVisit_Click);
  wire(mnuUpdate, &MDI::mnuUpdate_Click);
  wire(mnuAbout, &MDI::mnuAbout_Click);
  wire(mnuDonate, &MDI::mnuDonate_Click);
  wire(mnuMakeMoney, &MDI::mnuMakeMoney_Click);
}

// ---- Load, resize, unload ------------------------------------------------------------

void MDI::MDIForm_Load() {
  // The chart window is the frame's one child window.
  AdoptChartWindow(Form<frmDisplay>::Get());
  // The default check marks, set afresh on every load.
  mnuToolBar->setChecked(true);
  mnuStatusBar->setChecked(true);
  mnuColorOff->setChecked(true);
  mnuChart->setChecked(true);
  mnuSouth->setChecked(true);
}

void MDI::MDIForm_Resize() {
  using platform::Twips;
  const MdiPlacement p = PlaceOnResize(Twips(frameGeometry().width()), Twips(cmdExit->width()),
                                       Twips(cmdBack->width()), Twips(cmdInterpretation->width()),
                                       Twips(headingWidth_), Twips(invitationWidth_));
  const auto moveLeft = [](QWidget* w, int leftTw) { w->move(Px(leftTw), w->y()); };
  moveLeft(cmdExit, p.exitLeft);
  moveLeft(cmdBack, p.backLeft);
  moveLeft(cmdInterpretation, p.interpretationLeft);
  moveLeft(lblHeading, p.headingLeft);
  moveLeft(lblURL, p.urlLeft);
  FitHeadingTexts();
  FitStripTexts();
}

// On a window narrower than the heading strip's texts, a text spans the whole
// strip and ends with an ellipsis instead of being cut on both sides, and
// carries its whole text as its tooltip.
void MDI::FitHeadingTexts() {
  const int across = width();  // the strip spans the window
  const auto fit = [across](QLabel* label, int fullWidth, const QString& text) {
    if (across < fullWidth) label->move(0, label->y());
    FitLineLabel(label, std::min(fullWidth, across), text);
  };
  fit(lblHeading, headingWidth_, platform::AppTitle);
  fit(lblURL, invitationWidth_, HomePageInvitation());
}

// On a window too narrow for the strip's texts beside its buttons, the texts end
// before the Interpretation button instead of running under the buttons: the
// adverts wrap within the room left and Label1 ends with an ellipsis, as does
// an advert's last line when the advert no longer fits. A text that no longer
// shows whole carries it as its tooltip.
void MDI::FitStripTexts() {
  const int room = std::max(0, cmdInterpretation->x() - Px(100));
  // A label keeps its width, and nothing is measured, while the room does not
  // change it (on every window but a narrow one it has its full width).
  for (auto [advert, text] : {std::pair{lblFullBrand, FullBrandOffer()}, std::pair{lblCobrand, CoBrandOffer(4)}}) {
    const int width = std::min(Px(AdvertWidth), room);
    if (width == advert->width()) continue;
    advert->resize(width, advert->height());
    platform::SetElidedWrappedText(advert, text);
  }
  FitLineLabel(Label1, std::min(analysisLinkWidth_, room), AnalysisLinkCaption());
}

void MDI::MDIForm_Unload() {
  // The child window goes first, so the chart on screen is gone afterwards.
  Form<frmDisplay>::Unload();
  ShowExitScreen();
}

// ---- The chart window in the workspace -------------------------------------------------

void MDI::AdoptChartWindow(frmDisplay& display) {
  if (chartSubWindow_ && chartSubWindow_->widget() == &display) return;
  // The chart window cannot be closed on its own: it holds the chart that the
  // report, the export, the files and the picture read, and it goes only with
  // the main window. Its sub-window shows its caption but no buttons: a close
  // box comes with every minimise or maximise button of a sub-window, and a
  // chart minimised to a title bar would be nearly as lost. So it has no close
  // box, no Close (nor its shortcut) in its system menu, and it refuses every
  // other close, such as closing all sub-windows.
  auto* sub = new QMdiSubWindow(workspace, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  sub->setObjectName(QStringLiteral("ChartSubWindow"));
  sub->setAttribute(Qt::WA_DeleteOnClose, false);
  sub->installEventFilter(this);
  sub->setWidget(&display);
  sub->setWindowIcon(windowIcon());
  workspace->addSubWindow(sub);
  sub->move(0, 0);
  sub->adjustSize();
  chartSubWindow_ = sub;
  connect(&display, &QObject::destroyed, sub, [this, sub] {
    if (chartSubWindow_ == sub) chartSubWindow_ = nullptr;
    workspace->removeSubWindow(sub);
    sub->deleteLater();
  });
  display.show();
  sub->show();
}

void MDI::ShowChartWindow() {
  frmDisplay& display = Form<frmDisplay>::Get();
  AdoptChartWindow(display);
  display.show();
  chartSubWindow_->show();
  chartSubWindow_->raise();
}

void MDI::HideChartWindow() {
  if (chartSubWindow_) chartSubWindow_->hide();
}

// ---- Roads -------------------------------------------------------------------------

void MDI::cmdExit_Click() {
  ShowExitScreen();
  Form<MDI>::Unload();
}

void MDI::mnuExit_Click() { cmdExit_Click(); }

void MDI::cmdBack_Click() {
  Form<MDI>::Unload();
  HideExitScreen();
  Form<frmMain>::Show();
}

void MDI::mnuBack_Click() { cmdBack_Click(); }

void MDI::mnuNew_Click() {
  Form<frmMain>::Show();
  Form<MDI>::Unload();
  HideExitScreen();
}

// ---- View menu ---------------------------------------------------------------------

void MDI::mnuToolBar_Click() {
  if (mnuToolBar->isChecked()) {
    mnuToolBar->setChecked(false);
    TB->hide();
  } else {
    mnuToolBar->setChecked(true);
    TB->show();
  }
}

void MDI::mnuStatusBar_Click() { mnuStatusBar->setChecked(!mnuStatusBar->isChecked()); }

void MDI::mnuNorth_Click() {
  mnuNorth->setChecked(true);
  mnuSouth->setChecked(false);
  mnuNatal->setChecked(false);
}

void MDI::mnuSouth_Click() {
  mnuNorth->setChecked(false);
  mnuSouth->setChecked(true);
  mnuNatal->setChecked(false);
}

void MDI::mnuNatal_Click() {
  mnuNorth->setChecked(false);
  mnuSouth->setChecked(false);
  mnuNatal->setChecked(true);
}

void MDI::SetSignColours(bool colourOn) {
  // Colour numbers Aries..Pisces; Libra takes grey and Scorpio starts again at black.
  static constexpr std::array<int, 12> on{0, 1, 2, 3, 4, 5, 8, 0, 1, 2, 3, 4};
  frmDisplay* display = Form<frmDisplay>::IfLoaded();
  if (!display) return;
  const auto labels = display->SignLabels();
  for (std::size_t i = 0; i < labels.size(); ++i) {
    if (!labels[i]) continue;
    platform::SetForeColor(labels[i], platform::ClassicColor(colourOn ? on[i] : 0));
  }
}

void MDI::mnuColorOn_Click() {
  mnuColorOn->setChecked(true);
  mnuColorOff->setChecked(false);
  SetSignColours(true);
}

void MDI::mnuColorOff_Click() {
  mnuColorOff->setChecked(true);
  mnuColorOn->setChecked(false);
  SetSignColours(false);
}

void MDI::mnuChart_Click() { ShowChartWindow(); }

void MDI::CheckDivisional(QAction* clicked) {
  HideChartWindow();
  mnuChart->setChecked(false);
  for (QAction* entry : {mnuSub_Dasamsa, mnuSub_Drekkana, mnuSub_Dwadasamsa, mnuSub_Hora,
                         mnuSub_Navamsa, mnuSub_Sapthamsa}) {
    entry->setChecked(entry == clicked);
  }
}

void MDI::mnuSub_Hora_Click() { CheckDivisional(mnuSub_Hora); }
void MDI::mnuSub_Drekkana_Click() { CheckDivisional(mnuSub_Drekkana); }
void MDI::mnuSub_Sapthamsa_Click() { CheckDivisional(mnuSub_Sapthamsa); }
void MDI::mnuSub_Navamsa_Click() { CheckDivisional(mnuSub_Navamsa); }
void MDI::mnuSub_Dasamsa_Click() { CheckDivisional(mnuSub_Dasamsa); }
void MDI::mnuSub_Dwadasamsa_Click() { CheckDivisional(mnuSub_Dwadasamsa); }

// ---- Help menu, links and toolbar ------------------------------------------------------

void MDI::mnuOnline_Click() { OpenOnlineHelpPage(); }
void MDI::mnuVisit_Click() { OpenHomePage(); }
void MDI::mnuUpdate_Click() { OpenDownloadPage(); }
void MDI::mnuDonate_Click() { OpenDonatePage(); }
void MDI::mnuMakeMoney_Click() { OpenFullBrandPage(); }
void MDI::Label1_Click() { OpenHomePage(); }
void MDI::lblURL_Click() { OpenHomePage(); }
void MDI::lblCobrand_Click() { OpenCoBrandPage(); }

void MDI::mnuAbout_Click() { Form<frmAbout>::Get().exec(); }

void MDI::TB_ButtonClick(QAction* Button) {
  if (!Button) return;
  const QString key = Button->data().toString();
  if (key == QLatin1String("New")) {
    mnuNew_Click();
  } else if (key == QLatin1String("Save")) {
    mnuSaveAs_Click();
  } else if (key == QLatin1String("Print")) {
    mnuPrint_Click();
  } else if (key == QLatin1String("Help")) {
    OpenOnlineHelpPage();
  }
}

// ---- Events ------------------------------------------------------------------------

void MDI::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  MDIForm_Resize();
}

void MDI::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  MDIForm_Resize();
}

bool MDI::eventFilter(QObject* watched, QEvent* event) {
  if (watched == chartSubWindow_ && event->type() == QEvent::Close) {
    event->ignore();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MDI::closeEvent(QCloseEvent* event) {
  event->accept();
  Form<MDI>::Unload();
}
