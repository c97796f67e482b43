// The main window: its look, menus, check-mark groups, toolbar, links, placement
// and the roads back to the input window and on to the exit screen.
#include <QAction>
#include <QFile>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "windows/frmDisplay.h"
#include "windows/frmMain.h"
#include "chart/ChartData.h"
#include "platform/Forms.h"
#include "windows/MDI.h"
#include "windows/MDI_Placement.h"
#include "windows/frmExitScreen.h"
#include "windows/frmStartup.h"
#include "windows/modHelp_WebLinks.h"
#include "support/Doubles.h"

using platform::Form;

namespace {

class MDITest : public testing_doubles::WindowTest {
 protected:
  MDI& ShowMain() {
    MDI& mdi = Form<MDI>::Show();
    QApplication::processEvents();
    return mdi;
  }
  // The address a web-link procedure opens, as the shell double records it.
  QString AddressOf(void (*open)()) {
    const auto before = d.shell->opened.size();
    open();
    const QString address = d.shell->opened.at(before);
    d.shell->opened.removeAt(before);
    return address;
  }
  QToolButton* ToolButton(MDI& mdi, const QString& key) {
    for (QAction* action : mdi.TB->actions()) {
      if (action->data().toString() == key) return qobject_cast<QToolButton*>(mdi.TB->widgetForAction(action));
    }
    return nullptr;
  }
  QColor TextColour(QLabel* label) { return label->palette().color(QPalette::WindowText); }
};

TEST_F(MDITest, LoadsWithCaptionsChildWindowAndDefaultCheckMarks) {
  MDI& mdi = ShowMain();
  EXPECT_EQ(mdi.windowTitle(), "QZ Astrology Ormandel v1.35");
  EXPECT_FALSE(mdi.windowIcon().isNull());
  EXPECT_TRUE(mdi.isMaximized());
  EXPECT_EQ(mdi.lblHeading->text(), "QZ Astrology Ormandel");
  EXPECT_TRUE(mdi.lblURL->text().endsWith("Visit " + HomePageAddress() + " Now"));
  EXPECT_EQ(mdi.Label1->text(), "For Analysis of this Natal chart log onto " + HomePageAddress());
  EXPECT_TRUE(mdi.lblCobrand->text().startsWith("Co-brand this software for your site.  Increase"));
  EXPECT_TRUE(mdi.lblCobrand->text().contains("name &  link here. See \"Help\" for details.    Click Here"));
  EXPECT_EQ(mdi.cmdInterpretation->text(), "&Interpretation");
  EXPECT_EQ(mdi.cmdBack->text(), "&Back");
  EXPECT_EQ(mdi.cmdExit->text(), "E&xit");

  // The chart window is the one child window, loaded with the main window.
  ASSERT_TRUE(Form<frmDisplay>::IsLoaded());
  ASSERT_EQ(mdi.workspace->subWindowList().size(), 1);
  EXPECT_EQ(mdi.workspace->subWindowList().front()->widget(), Form<frmDisplay>::IfLoaded());
  EXPECT_TRUE(Form<frmDisplay>::IfLoaded()->isVisible());

  for (QAction* checked : {mdi.mnuToolBar, mdi.mnuStatusBar, mdi.mnuColorOff, mdi.mnuChart, mdi.mnuSouth}) {
    EXPECT_TRUE(checked->isChecked()) << checked->objectName().toStdString();
  }
  for (QAction* unchecked : {mdi.mnuNorth, mdi.mnuNatal, mdi.mnuColorOn, mdi.mnuSub_Hora,
                             mdi.mnuSub_Drekkana, mdi.mnuSub_Sapthamsa, mdi.mnuSub_Navamsa,
                             mdi.mnuSub_Dasamsa, mdi.mnuSub_Dwadasamsa}) {
    EXPECT_FALSE(unchecked->isChecked()) << unchecked->objectName().toStdString();
  }
  EXPECT_TRUE(mdi.TB->isVisible());
}

TEST_F(MDITest, RestoredFromMaximisedTheWindowStandsInTheMiddleOfTheScreen) {
  MDI& mdi = Form<MDI>::Get();
  mdi.setWindowState(Qt::WindowNoState);
  mdi.show();
  QApplication::processEvents();
  const QRect available = mdi.screen()->availableGeometry();
  const QRect frame = mdi.frameGeometry();
  // Centred, but a window larger than the screen starts at its top-left corner;
  // a few pixels of tolerance for the frame the platform adds once shown.
  const int left = std::max(available.left(), available.center().x() - frame.width() / 2);
  const int top = std::max(available.top(), available.center().y() - frame.height() / 2);
  EXPECT_NEAR(frame.left(), left, 8);
  EXPECT_NEAR(frame.top(), top, 8);
}

TEST_F(MDITest, TheShownChartGivesNoChakraBoxTheFocus) {
  MDI& mdi = ShowMain();
  mdi.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&mdi));
  QApplication::processEvents();
  frmDisplay& display = *Form<frmDisplay>::IfLoaded();
  for (ChartTextBox* box : display.txtChakraPlanets) {
    EXPECT_FALSE(box->hasFocus()) << box->objectName().toStdString();
  }
}

TEST_F(MDITest, MenusHaveTheirCaptionsAndTheDesignedOffEntriesAreHidden) {
  MDI& mdi = ShowMain();
  auto captions = [](QMenu* menu) {
    QStringList texts;
    for (QAction* a : menu->actions()) texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
  };
  QStringList bar;
  for (QAction* a : mdi.menuBar()->actions()) bar << a->text();
  EXPECT_EQ(bar, QStringList({"&File", "&View", "&Help", "&Donate", "Make Money &Online"}));
  EXPECT_EQ(captions(mdi.mnuFile),
            QStringList({"&New", "-", "Save &As", "Save As &JPEG", "-", "&Export Chart As Text", "-",
                         "&Print", "-", "&Back", "-", "E&xit"}));
  EXPECT_EQ(captions(mdi.mnuView), QStringList({"&Toolbar", "&Status Bar", "-", "&Chart Style",
                                                "Colo&r Style", "-", "&Chart", "&Divisional Charts"}));
  EXPECT_EQ(captions(mdi.mnuChartStyle), QStringList({"&North Indian", "&South Indian", "&Natal Indian"}));
  EXPECT_EQ(captions(mdi.mnuColor), QStringList({"O&n", "O&ff"}));
  EXPECT_EQ(captions(mdi.mnuDivisionalCharts),
            QStringList({"&Hora", "&Drekkana", "&Sapthamsa", "&Navamsa", "&D&asamsa", "D&wadasamsa"}));
  EXPECT_EQ(captions(mdi.mnuHelp), QStringList({"&Online Help", "&Visit Us Online", "-",
                                                "Check for Software &Update", "-", "&About Software"}));
  for (QMenu* menu : {mdi.mnuFile, mdi.mnuView, mdi.mnuChartStyle, mdi.mnuColor,
                      mdi.mnuDivisionalCharts, mdi.mnuHelp}) {
    for (QAction* a : menu->actions()) EXPECT_TRUE(a->shortcut().isEmpty());
  }

  const QList<QAction*> off{mdi.mnuStatusBar, mdi.mnuViewSeparator1, mdi.mnuChartStyle->menuAction(),
                            mdi.mnuColor->menuAction(), mdi.mnuViewSeparator2, mdi.mnuChart,
                            mdi.mnuDivisionalCharts->menuAction(), mdi.mnuMakeMoney};
  for (QAction* a : mdi.menuBar()->actions() + mdi.mnuFile->actions() + mdi.mnuView->actions() +
                        mdi.mnuHelp->actions()) {
    EXPECT_EQ(a->isVisible(), !off.contains(a)) << a->text().toStdString();
  }
}

TEST_F(MDITest, ToolbarEntryHidesAndShowsTheToolbarStatusBarFlipsOnlyItself) {
  MDI& mdi = ShowMain();
  mdi.mnuToolBar->trigger();
  EXPECT_FALSE(mdi.mnuToolBar->isChecked());
  EXPECT_FALSE(mdi.TB->isVisible());
  mdi.mnuToolBar->trigger();
  EXPECT_TRUE(mdi.mnuToolBar->isChecked());
  EXPECT_TRUE(mdi.TB->isVisible());

  mdi.mnuStatusBar_Click();
  EXPECT_FALSE(mdi.mnuStatusBar->isChecked());
  EXPECT_TRUE(mdi.mnuToolBar->isChecked());
  EXPECT_TRUE(mdi.TB->isVisible());
  mdi.mnuStatusBar_Click();
  EXPECT_TRUE(mdi.mnuStatusBar->isChecked());
}

TEST_F(MDITest, ChartStyleEntriesAreARadioGroup) {
  MDI& mdi = ShowMain();
  mdi.mnuNorth->trigger();
  EXPECT_TRUE(mdi.mnuNorth->isChecked());
  EXPECT_FALSE(mdi.mnuSouth->isChecked());
  EXPECT_FALSE(mdi.mnuNatal->isChecked());
  // Choosing the checked entry again keeps it checked.
  mdi.mnuNorth->trigger();
  EXPECT_TRUE(mdi.mnuNorth->isChecked());
  mdi.mnuNatal_Click();
  EXPECT_FALSE(mdi.mnuNorth->isChecked());
  EXPECT_FALSE(mdi.mnuSouth->isChecked());
  EXPECT_TRUE(mdi.mnuNatal->isChecked());
}

TEST_F(MDITest, ColourEntriesSwapTheirMarksAndRecolourTheSignLabels) {
  MDI& mdi = ShowMain();
  frmDisplay& display = *Form<frmDisplay>::IfLoaded();
  const auto labels = display.SignLabels();

  mdi.mnuColorOn->trigger();
  EXPECT_TRUE(mdi.mnuColorOn->isChecked());
  EXPECT_FALSE(mdi.mnuColorOff->isChecked());
  const std::array<QColor, 12> on{QColor(0, 0, 0),     QColor(0, 0, 128),   QColor(0, 128, 0),
                                  QColor(0, 128, 128), QColor(128, 0, 0),   QColor(128, 0, 128),
                                  QColor(128, 128, 128), QColor(0, 0, 0),   QColor(0, 0, 128),
                                  QColor(0, 128, 0),   QColor(0, 128, 128), QColor(128, 0, 0)};
  for (std::size_t i = 0; i < 12; ++i) {
    EXPECT_EQ(TextColour(labels[i]), on[i]) << labels[i]->objectName().toStdString();
  }
  EXPECT_EQ(TextColour(display.lblNatalLibra), QColor(128, 128, 128));

  mdi.mnuColorOff->trigger();
  EXPECT_TRUE(mdi.mnuColorOff->isChecked());
  EXPECT_FALSE(mdi.mnuColorOn->isChecked());
  for (QLabel* label : labels) EXPECT_EQ(TextColour(label), QColor(0, 0, 0));
}

TEST_F(MDITest, DivisionalEntriesHideTheChartWindowUntilChartIsChosen) {
  MDI& mdi = ShowMain();
  frmDisplay* display = Form<frmDisplay>::IfLoaded();
  mdi.mnuSub_Navamsa->trigger();
  EXPECT_FALSE(display->isVisible());
  EXPECT_FALSE(mdi.mnuChart->isChecked());
  EXPECT_TRUE(mdi.mnuSub_Navamsa->isChecked());

  mdi.mnuSub_Hora_Click();
  EXPECT_TRUE(mdi.mnuSub_Hora->isChecked());
  for (QAction* other : {mdi.mnuSub_Drekkana, mdi.mnuSub_Sapthamsa, mdi.mnuSub_Navamsa,
                         mdi.mnuSub_Dasamsa, mdi.mnuSub_Dwadasamsa}) {
    EXPECT_FALSE(other->isChecked());
  }

  mdi.mnuChart->trigger();
  EXPECT_EQ(Form<frmDisplay>::IfLoaded(), display);  // the same chart, kept while hidden
  EXPECT_TRUE(display->isVisible());
  EXPECT_FALSE(mdi.mnuChart->isChecked());
  EXPECT_TRUE(mdi.mnuSub_Hora->isChecked());
}

TEST_F(MDITest, TheChartWindowCannotBeClosedOnItsOwn) {
  MDI& mdi = ShowMain();
  mdi.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&mdi));
  frmDisplay* display = Form<frmDisplay>::IfLoaded();
  CurrentChart.SunSign = Sign::Pisces;
  QMdiSubWindow* sub = mdi.ChartSubWindow();
  mdi.workspace->setActiveSubWindow(sub);

  // No close box where the title bar would have one, and no Close in its menu.
  QStyleOptionTitleBar bar;
  bar.initFrom(sub);
  bar.titleBarFlags = Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint;
  bar.subControls = QStyle::SC_All;
  bar.rect = QRect(0, 0, sub->width(), sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, &bar, sub));
  const QRect closeBox = sub->style()->subControlRect(QStyle::CC_TitleBar, &bar, QStyle::SC_TitleBarCloseButton, sub);
  ASSERT_FALSE(closeBox.isEmpty());
  QTest::mouseClick(sub, Qt::LeftButton, {}, closeBox.center());
  for (QAction* entry : sub->systemMenu()->actions()) {
    EXPECT_FALSE(entry->isVisible() && entry->text().remove('&') == "Close");
  }
  // Nor does double-clicking its title bar, or any other way of closing it.
  QTest::mouseDClick(sub, Qt::LeftButton, {}, QPoint(sub->width() / 2, bar.rect.height() / 2));
  QTest::keyClick(display, Qt::Key_F4, Qt::ControlModifier);
  QTest::keyClick(display, Qt::Key_W, Qt::ControlModifier);
  mdi.workspace->closeActiveSubWindow();
  mdi.workspace->closeAllSubWindows();
  EXPECT_FALSE(sub->close());
  EXPECT_FALSE(display->close());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  EXPECT_EQ(Form<frmDisplay>::IfLoaded(), display);
  EXPECT_EQ(mdi.ChartSubWindow(), sub);
  EXPECT_EQ(mdi.workspace->subWindowList(), QList<QMdiSubWindow*>{sub});
  EXPECT_TRUE(display->isVisible());
  EXPECT_FALSE(sub->isMinimized() || sub->isMaximized());
  // The export still carries the chart.
  QTemporaryDir folder;
  d.files->answers = {folder.filePath(QStringLiteral("chart.txt"))};
  mdi.mnuExport->trigger();
  QFile exported(folder.filePath(QStringLiteral("chart.txt")));
  ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
  EXPECT_TRUE(exported.readAll().contains("\r\nLagna: Pisces\r\n"));
}

TEST_F(MDITest, ResizePlacesButtonsFromTheRightAndCentresTheHeadings) {
  // Outer width, then the places of Exit, Back, Interpretation, heading, invitation.
  struct Row {
    int outer, exit, back, interpretation, heading, url;
  };
  for (const Row& row : {Row{15360, 13965, 12770, 10975, 4980, 4920},
                         // A half twip rounds away from zero, to the same pixel as before.
                         Row{15375, 13980, 12785, 10990, 4988, 4928},
                         // No lower bound: a narrow window gives negative places.
                         Row{1001, -394, -1589, -3384, -2200, -2260}}) {
    const MdiPlacement p = PlaceOnResize(row.outer, 1095, 1095, 1695, 5400, 5520);
    EXPECT_EQ(p.exitLeft, row.exit) << row.outer;
    EXPECT_EQ(p.backLeft, row.back) << row.outer;
    EXPECT_EQ(p.interpretationLeft, row.interpretation) << row.outer;
    EXPECT_EQ(p.headingLeft, row.heading) << row.outer;
    EXPECT_EQ(p.urlLeft, row.url) << row.outer;
  }

  MDI& mdi = ShowMain();
  EXPECT_EQ(mdi.cmdExit->width() * 15, 1095);
  EXPECT_EQ(mdi.cmdBack->width() * 15, 1095);
  EXPECT_EQ(mdi.cmdInterpretation->width() * 15, 1695);
  mdi.setWindowState(Qt::WindowNoState);
  // An outer width of 1024 pixels is 15360 twips.
  mdi.resize(1024 - (mdi.frameGeometry().width() - mdi.width()), 700);
  QApplication::processEvents();
  ASSERT_EQ(mdi.frameGeometry().width(), 1024);
  EXPECT_EQ(mdi.cmdExit->x(), 931);           // 13965 twips
  EXPECT_EQ(mdi.cmdBack->x(), 851);           // 12770 twips
  EXPECT_EQ(mdi.cmdInterpretation->x(), 732); // 10975 twips
  EXPECT_EQ(mdi.lblHeading->x(), (1024 - mdi.lblHeading->width()) / 2);
  EXPECT_EQ(mdi.cmdExit->y(), 5);             // top 77 twips
}

TEST_F(MDITest, OnANarrowWindowTheStripTextsEndWithinItAndKeepTheirWholeTextAsTooltip) {
  MDI& mdi = ShowMain();
  mdi.setWindowState(Qt::WindowNoState);
  mdi.resize(640, 480);
  QApplication::processEvents();
  if (!qEnvironmentVariableIsEmpty("ORMANDEL_SHOTS")) mdi.grab().save(qEnvironmentVariable("ORMANDEL_SHOTS") + "/MDI-narrow.png");
  const int buttons = mdi.cmdInterpretation->x();
  for (QLabel* text : {mdi.lblCobrand, mdi.lblFullBrand, mdi.Label1}) {
    EXPECT_LT(text->geometry().right(), buttons) << text->objectName().toStdString();
  }
  EXPECT_TRUE(mdi.Label1->text().endsWith(QChar(0x2026)));
  EXPECT_EQ(mdi.Label1->toolTip(), "For Analysis of this Natal chart log onto " + HomePageAddress());
  // An advert cut short ends its last line with "…" and shows no line more than it holds.
  for (QLabel* advert : {mdi.lblCobrand, mdi.lblFullBrand}) {
    EXPECT_TRUE(advert->text().endsWith(QChar(0x2026))) << advert->text().toStdString();
    EXPECT_LE(advert->heightForWidth(advert->width()), advert->height()) << advert->text().toStdString();
  }
  EXPECT_TRUE(mdi.lblCobrand->toolTip().endsWith("Click Here for more info on co-branding."));

  // Narrower than the heading strip's invitation, it spans the strip and ends with "…".
  mdi.resize(460, 480);
  QApplication::processEvents();
  EXPECT_EQ(mdi.lblURL->geometry(), QRect(0, mdi.lblURL->y(), mdi.width(), mdi.lblURL->height()));
  EXPECT_TRUE(mdi.lblURL->text().endsWith(QChar(0x2026)));
  EXPECT_TRUE(mdi.lblURL->toolTip().endsWith(HomePageAddress() + " Now"));
  EXPECT_EQ(mdi.lblHeading->text(), "QZ Astrology Ormandel");
  if (!qEnvironmentVariableIsEmpty("ORMANDEL_SHOTS")) mdi.grab().save(qEnvironmentVariable("ORMANDEL_SHOTS") + "/MDI-narrower.png");

  // Wide again, every text is whole in its designed place.
  mdi.resize(1600, 800);
  QApplication::processEvents();
  EXPECT_EQ(mdi.lblCobrand->width() * 15, 10800);
  EXPECT_EQ(mdi.Label1->text(), "For Analysis of this Natal chart log onto " + HomePageAddress());
  EXPECT_TRUE(mdi.Label1->toolTip().isEmpty());
  EXPECT_TRUE(mdi.lblCobrand->toolTip().isEmpty());
  EXPECT_TRUE(mdi.lblCobrand->text().endsWith("info on co-branding."));
  EXPECT_TRUE(mdi.lblURL->text().endsWith(" Now"));
  EXPECT_TRUE(mdi.lblURL->toolTip().isEmpty());
  EXPECT_NEAR(mdi.lblURL->x() * 2 + mdi.lblURL->width(), mdi.width(), 4);  // centred again
}

TEST_F(MDITest, ToolbarButtonsDispatchByTheirKeys) {
  MDI& mdi = ShowMain();
  QStringList keys;
  for (QAction* a : mdi.TB->actions()) keys << a->data().toString();
  EXPECT_EQ(keys, QStringList({"New", "Save", "Print", "Help"}));
  for (const QPixmap& picture : mdi.IL) EXPECT_EQ(picture.size(), QSize(16, 16));
  // Each button's icon carries the picture and its double-size variant.
  for (QAction* a : mdi.TB->actions()) {
    EXPECT_EQ(a->icon().availableSizes(), QList<QSize>({QSize(16, 16), QSize(32, 32)}))
        << a->data().toString().toStdString();
  }

  QTest::mouseClick(ToolButton(mdi, "Help"), Qt::LeftButton);
  EXPECT_EQ(d.shell->opened, QStringList({AddressOf(&OpenOnlineHelpPage)}));

  // A key compared with letter case, or an unknown one, does nothing.
  QAction stray(QStringLiteral("new"));
  stray.setData(QStringLiteral("new"));
  mdi.TB_ButtonClick(&stray);
  mdi.TB_ButtonClick(nullptr);
  EXPECT_TRUE(Form<MDI>::IsLoaded());
  EXPECT_EQ(d.shell->opened.size(), 1);

  Form<frmMain>::Get().hide();
  QTest::mouseClick(ToolButton(mdi, "New"), Qt::LeftButton);
  EXPECT_FALSE(Form<MDI>::IsLoaded());
  EXPECT_TRUE(Form<frmMain>::IfLoaded()->isVisible());
}

TEST_F(MDITest, LinksAndHelpEntriesOpenTheMakersPages) {
  MDI& mdi = ShowMain();
  QTest::mouseClick(mdi.Label1, Qt::LeftButton);
  QTest::mouseClick(mdi.lblURL, Qt::LeftButton);
  QTest::mouseClick(mdi.lblCobrand, Qt::LeftButton);
  // Not a link: lies under the co-branding offer and has no action.
  mdi.lblFullBrand->raise();
  QTest::mouseClick(mdi.lblFullBrand, Qt::LeftButton);
  mdi.mnuOnline->trigger();
  mdi.mnuVisit->trigger();
  mdi.mnuUpdate->trigger();
  mdi.mnuDonate->trigger();
  mdi.mnuMakeMoney_Click();
  const QStringList expected{AddressOf(&OpenHomePage),       AddressOf(&OpenHomePage),
                             AddressOf(&OpenCoBrandPage),    AddressOf(&OpenOnlineHelpPage),
                             AddressOf(&OpenHomePage),       AddressOf(&OpenDownloadPage),
                             AddressOf(&OpenDonatePage),     AddressOf(&OpenFullBrandPage)};
  EXPECT_EQ(d.shell->opened, expected);
  EXPECT_EQ(mdi.lblURL->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(mdi.lblCobrand->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(mdi.Label1->cursor().shape(), Qt::PointingHandCursor);
}

// The input window as the chart run leaves it: loaded, hidden, with its inputs.
class MDIRoadTest : public MDITest {
 protected:
  void SetUp() override {
    MDITest::SetUp();
    Form<frmStartup>::Get();
    frmMain& input = Form<frmMain>::Get();
    input.txtName->setText(QStringLiteral("Ada"));
    input.hide();
    ShowMain();
  }
  void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_F(MDIRoadTest, BackUnloadsTheChartAndShowsTheInputWindowWithItsInputs) {
  QTest::mouseClick(Form<MDI>::IfLoaded()->cmdBack, Qt::LeftButton);
  Settle();
  EXPECT_FALSE(Form<MDI>::IsLoaded());
  EXPECT_FALSE(Form<frmDisplay>::IsLoaded());
  ASSERT_TRUE(Form<frmMain>::IsLoaded());
  EXPECT_TRUE(Form<frmMain>::IfLoaded()->isVisible());
  EXPECT_EQ(Form<frmMain>::IfLoaded()->txtName->text(), "Ada");
  EXPECT_TRUE(Form<frmStartup>::IsLoaded());
  EXPECT_FALSE(Form<frmStartup>::IfLoaded()->isVisible());
  // The unload showed the exit screen; Back hid it again at once.
  ASSERT_TRUE(Form<frmExitScreen>::IsLoaded());
  EXPECT_FALSE(Form<frmExitScreen>::IfLoaded()->isVisible());
}

TEST_F(MDIRoadTest, NewAndTheBackEntryLeaveTheSameWindowsAsBack) {
  Form<MDI>::IfLoaded()->mnuNew->trigger();
  Settle();
  EXPECT_FALSE(Form<MDI>::IsLoaded());
  EXPECT_FALSE(Form<frmDisplay>::IsLoaded());
  EXPECT_TRUE(Form<frmMain>::IfLoaded()->isVisible());
  EXPECT_EQ(Form<frmMain>::IfLoaded()->txtName->text(), "Ada");
  EXPECT_FALSE(Form<frmStartup>::IfLoaded()->isVisible());
  ASSERT_TRUE(Form<frmExitScreen>::IsLoaded());
  EXPECT_FALSE(Form<frmExitScreen>::IfLoaded()->isVisible());

  Form<frmMain>::IfLoaded()->hide();
  ShowMain().mnuBack->trigger();
  Settle();
  EXPECT_FALSE(Form<MDI>::IsLoaded());
  EXPECT_TRUE(Form<frmMain>::IfLoaded()->isVisible());
}

TEST_F(MDIRoadTest, ExitTheExitEntryAndTheCloseBoxLeaveTheInputWindowHidden) {
  QTest::mouseClick(Form<MDI>::IfLoaded()->cmdExit, Qt::LeftButton);
  Settle();
  EXPECT_FALSE(Form<MDI>::IsLoaded());
  EXPECT_FALSE(Form<frmDisplay>::IsLoaded());
  EXPECT_FALSE(Form<frmMain>::IfLoaded()->isVisible());
  EXPECT_TRUE(Form<frmMain>::IsLoaded());  // the program still runs
  EXPECT_FALSE(Form<frmStartup>::IfLoaded()->isVisible());
  ASSERT_TRUE(Form<frmExitScreen>::IsLoaded());
  EXPECT_TRUE(Form<frmExitScreen>::IfLoaded()->isVisible());
  EXPECT_TRUE(Form<frmExitScreen>::IfLoaded()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  Form<frmExitScreen>::Hide();

  ShowMain().mnuExit->trigger();
  Settle();
  EXPECT_FALSE(Form<MDI>::IsLoaded());
  EXPECT_TRUE(Form<frmExitScreen>::IfLoaded()->isVisible());
  Form<frmExitScreen>::Hide();

  ShowMain().close();
  Settle();
  EXPECT_FALSE(Form<MDI>::IsLoaded());
  EXPECT_FALSE(Form<frmDisplay>::IsLoaded());
  EXPECT_FALSE(Form<frmMain>::IfLoaded()->isVisible());
  EXPECT_TRUE(Form<frmExitScreen>::IfLoaded()->isVisible());
}

TEST_F(MDIRoadTest, EveryLoadStartsFromTheDefaultCheckMarks) {
  MDI& first = *Form<MDI>::IfLoaded();
  first.mnuToolBar_Click();
  first.mnuStatusBar_Click();
  first.mnuColorOn_Click();
  first.mnuNatal_Click();
  first.mnuSub_Dasamsa_Click();
  first.cmdBack_Click();
  Settle();

  MDI& again = ShowMain();
  for (QAction* checked : {again.mnuToolBar, again.mnuStatusBar, again.mnuColorOff, again.mnuChart, again.mnuSouth}) {
    EXPECT_TRUE(checked->isChecked()) << checked->objectName().toStdString();
  }
  EXPECT_FALSE(again.mnuColorOn->isChecked());
  EXPECT_FALSE(again.mnuNatal->isChecked());
  EXPECT_FALSE(again.mnuSub_Dasamsa->isChecked());
  EXPECT_TRUE(again.TB->isVisible());
  EXPECT_TRUE(Form<frmDisplay>::IfLoaded()->isVisible());
}

}  // namespace
