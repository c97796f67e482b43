// The report window: its controls, clickable links, printing, and how the main
// window opens it and picks the printer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "SiteConfig.h"
#include "astro/Shared.h"
#include "chart/ChartData.h"
#include "platform/RichTextBox.h"
#include "windows/frmDisplay.h"
#include "windows/frmSave.h"
#include "platform/Forms.h"
#include "platform/Look.h"
#include "windows/MDI.h"
#include "windows/modHelp_WebLinks.h"
#include "support/Doubles.h"

using platform::Form;

namespace {

class frmSaveTest : public testing_doubles::WindowTest {
 protected:
  frmSave& ShowReport() {
    frmSave& form = Form<frmSave>::Show();
    QApplication::processEvents();
    return form;
  }
  // Position of a character well inside the n-th visit line's address.
  int AddressPosition(const RichTextBox& box, int n) {
    const QString address = QString::fromUtf8(site::WebSite);
    qsizetype at = -1;
    for (int i = 0; i <= n; ++i) at = box.Text().indexOf(address, at + 1);
    return static_cast<int>(at + address.size() / 2);
  }
  int PdfPages() {
    QFile file(d.printer->PdfPath());
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray data = file.readAll();
    return static_cast<int>(data.count("/Type /Page\n") + data.count("/Type /Page ") +
                            data.count("/Type /Page>") + data.count("/Type /Page/"));
  }
};

TEST_F(frmSaveTest, ControlsStandWhereDesigned) {
  frmSave& form = ShowReport();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("QZ Astrology Ormandel v1.35"));
  EXPECT_EQ(form.RTB->geometry(), platform::TwRect(30, 600, 6135, 4575));
  EXPECT_EQ(form.cmdPrint->geometry(), platform::TwRect(5165, 5207, 1000, 400));
  EXPECT_EQ(form.cmdPrint->text(), QStringLiteral("&Print"));
  EXPECT_EQ(form.lblURL->geometry(), platform::TwRect(217, 30, 5760, 420));
  EXPECT_TRUE(form.lblURL->font().bold());
  EXPECT_EQ(form.fraFullBrand->geometry(), platform::TwRect(30, 5640, 6135, 800));
  EXPECT_EQ(form.lblCobrand->parentWidget(), form.fraFullBrand);
  EXPECT_EQ(form.lblFullBrand->parentWidget(), form.fraFullBrand);
  EXPECT_FALSE(form.RTB1->isVisible());
  EXPECT_TRUE(form.RTB->isVisible());
  EXPECT_NE(form.findChild<RichTextBox*>(QStringLiteral("RTB")), nullptr);
  EXPECT_TRUE(form.RTB->Text().startsWith(QStringLiteral("QZ Astrology Ormandel Report")));
  EXPECT_EQ(form.RTB->SelStart(), 0);  // the reader starts at the title
}

TEST_F(frmSaveTest, LeftPressOnAVisitLineOpensItOnceAndNothingElseOpensIt) {
  frmSave& form = ShowReport();
  RichTextBox& rtb = *form.RTB;
  const int first = AddressPosition(rtb, 0);
  ASSERT_TRUE(rtb.IsLinkAt(first));
  const QPoint onLink = rtb.PointOf(first);

  QTest::mouseMove(rtb.Viewport(), onLink);
  QTest::mousePress(rtb.Viewport(), Qt::RightButton, {}, onLink);
  QTest::mouseRelease(rtb.Viewport(), Qt::RightButton, {}, onLink);
  EXPECT_TRUE(d.shell->opened.isEmpty());

  QTest::mousePress(rtb.Viewport(), Qt::LeftButton, {}, onLink);
  ASSERT_EQ(d.shell->opened.size(), 1);
  EXPECT_EQ(d.shell->opened.front(), QString::fromUtf8(site::WebSite));
  // The box went on handling the press: the insertion point moved into the link.
  EXPECT_GE(rtb.SelStart(), first - 2);
  QTest::mouseRelease(rtb.Viewport(), Qt::LeftButton, {}, onLink);
  EXPECT_EQ(d.shell->opened.size(), 1);

  // A press on ordinary text opens nothing.
  QTest::mouseClick(rtb.Viewport(), Qt::LeftButton, {}, rtb.PointOf(3));
  EXPECT_EQ(d.shell->opened.size(), 1);
}

TEST_F(frmSaveTest, ReloadingOrLoadingAgainDoesNotOpenTwice) {
  ShowReport();
  Form<frmSave>::Unload();
  QApplication::processEvents();
  frmSave& form = ShowReport();
  form.Form_Load();  // a second load of the same window
  RichTextBox& rtb = *form.RTB;
  // The report was rebuilt: still exactly two visit lines.
  EXPECT_EQ(rtb.Text().count(QStringLiteral("For Detailed Analysis Please Visit")), 2);
  const int last = AddressPosition(rtb, 1);
  ASSERT_TRUE(rtb.IsLinkAt(last));
  rtb.Viewport()->update();
  QApplication::processEvents();
  QTest::mouseClick(rtb.Viewport(), Qt::LeftButton, {}, rtb.PointOf(last));
  EXPECT_EQ(d.shell->opened.size(), 1);
}

TEST_F(frmSaveTest, OverlongLinkIsCutTo1023Characters) {
  frmSave& form = ShowReport();
  const QString longLink = QStringLiteral("http://x.example/") + QString(2000, QLatin1Char('a'));
  form.RTB->SetText(QStringLiteral("see ") + longLink);
  ASSERT_TRUE(form.RTB->IsLinkAt(10));
  QTest::mousePress(form.RTB->Viewport(), Qt::LeftButton, {}, form.RTB->PointOf(10));
  ASSERT_EQ(d.shell->opened.size(), 1);
  EXPECT_EQ(d.shell->opened.front(), longLink.left(frmSave::MaxLinkLength));
}

TEST_F(frmSaveTest, AdvertisingLabelsOpenTheirPages) {
  frmSave& form = ShowReport();
  QTest::mouseClick(form.lblURL, Qt::LeftButton);
  ASSERT_EQ(d.shell->opened.size(), 1);
  QTest::mouseClick(form.lblCobrand, Qt::LeftButton);
  ASSERT_EQ(d.shell->opened.size(), 2);
  QTest::mouseClick(form.lblFullBrand, Qt::LeftButton);
  EXPECT_EQ(d.shell->opened.size(), 2);

  const QStringList clicked = d.shell->opened;
  d.shell->opened.clear();
  OpenHomePage();
  OpenCoBrandPage();
  EXPECT_EQ(clicked, d.shell->opened);
}

TEST_F(frmSaveTest, PrintCollapsesTheSelectionAndPrintsTheWholeReport) {
  const ChartData saved = CurrentChart;
  for (House& house : CurrentChart.Houses) house.placements = {{Body::Sun}, {Body::Moon}, {Body::Venus}, {Body::Mars}};
  CurrentChart.Birth.BirthName = "Anna";
  frmSave& form = ShowReport();
  form.RTB->SetSelStart(0);
  form.RTB->SetSelLength(5);  // a selection would print only itself
  QTest::mouseClick(form.cmdPrint, Qt::LeftButton);
  EXPECT_EQ(form.RTB->SelLength(), 0);
  // 48 entries and the six descriptions fill many pages.
  EXPECT_GE(PdfPages(), 5);
  EXPECT_TRUE(d.messages->shown.empty());
  EXPECT_EQ(d.printer->jobs, QStringList{QStringLiteral("QZ Astrology Ormandel - Anna")});

  // The hidden plain copy, between the two "Report Generated By" lines.
  const QString generated = QStringLiteral("Report Generated By ") + QString::fromUtf8(site::WebSite);
  const QString copy = form.RTB1->Text();
  EXPECT_TRUE(copy.startsWith(generated + QStringLiteral("\n\nQZ Astrology Ormandel Report\n")));
  EXPECT_TRUE(copy.endsWith(QStringLiteral("\n\n") + generated + QStringLiteral("\n\n")));

  // Without a name the job is named after the program alone.
  CurrentChart.Birth.BirthName.clear();
  QTest::mouseClick(form.cmdPrint, Qt::LeftButton);
  CurrentChart = saved;
  EXPECT_EQ(d.printer->jobs.value(1), QStringLiteral("QZ Astrology Ormandel"));
}

TEST_F(frmSaveTest, APrinterThatCannotStartIsToldNotSwallowed) {
  // A PDF printer whose file lies under a regular file cannot be opened.
  QFile blocker(d.printer->folder.path() + QStringLiteral("/not-a-folder"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  d.printer->printer.setOutputFileName(blocker.fileName() + QStringLiteral("/print.pdf"));
  frmSave& form = ShowReport();
  QTest::mouseClick(form.cmdPrint, Qt::LeftButton);
  ASSERT_EQ(d.messages->shown.size(), 1u);
  EXPECT_EQ(d.messages->shown[0].icon, platform::MsgIcon::Critical);
  EXPECT_TRUE(d.messages->shown[0].text.startsWith(QStringLiteral("The report could not be printed")));
  EXPECT_TRUE(form.isVisible());
}

TEST_F(frmSaveTest, AJobThePrintSystemRefusedIsToldWithItsReason) {
  d.printer->refusal = QStringLiteral("the printer \"PDF\" did not take the job: Destination \"PDF\" is not accepting jobs.");
  frmSave& form = ShowReport();
  QTest::mouseClick(form.cmdPrint, Qt::LeftButton);
  ASSERT_EQ(d.messages->shown.size(), 1u);
  EXPECT_EQ(d.messages->shown[0].icon, platform::MsgIcon::Critical);
  EXPECT_EQ(d.messages->shown[0].text,
            QStringLiteral("The report was not printed: the printer \"PDF\" did not take the job: Destination \"PDF\" is "
                           "not accepting jobs.\nCheck the printer, or choose another under File, Print, and print again."));
  EXPECT_TRUE(form.isVisible());
}

TEST_F(frmSaveTest, InterpretationShowsTheReportModally) {
  MDI& mdi = Form<MDI>::Show();
  QApplication::processEvents();
  bool shownModal = false;
  QString firstLine;
  QTimer::singleShot(0, [&] {
    frmSave* form = Form<frmSave>::IfLoaded();
    ASSERT_NE(form, nullptr);
    shownModal = form->isVisible() && form->isModal();
    firstLine = form->RTB->Text().section(QLatin1Char('\n'), 0, 0);
    form->close();
  });
  QTest::mouseClick(mdi.cmdInterpretation, Qt::LeftButton);
  // Returned after the window closed; closing unloaded it.
  EXPECT_TRUE(shownModal);
  EXPECT_EQ(firstLine, QStringLiteral("QZ Astrology Ormandel Report"));
  EXPECT_FALSE(Form<frmSave>::IsLoaded());
}

TEST_F(frmSaveTest, EscapeUnloadsTheReportToo) {
  MDI& mdi = Form<MDI>::Show();
  QApplication::processEvents();
  QTimer::singleShot(0, [] {
    frmSave* form = Form<frmSave>::IfLoaded();
    ASSERT_NE(form, nullptr);
    QTest::keyClick(form->RTB->Viewport()->parentWidget(), Qt::Key_Escape);
  });
  QTest::mouseClick(mdi.cmdInterpretation, Qt::LeftButton);
  EXPECT_FALSE(Form<frmSave>::IsLoaded());
}

TEST_F(frmSaveTest, PrintMenuPicksThePrinterAndCancelChangesNothing) {
  MDI& mdi = Form<MDI>::Show();
  QApplication::processEvents();
  const QString before = d.printer->printer.outputFileName();
  d.printer->dialogAnswer = false;
  mdi.mnuPrint->trigger();
  EXPECT_EQ(d.printer->dialogsShown, 1);
  EXPECT_TRUE(d.printer->lastNoPageRange);
  EXPECT_TRUE(d.printer->lastNoPrintToFile);
  EXPECT_TRUE(d.messages->shown.empty());
  EXPECT_EQ(d.printer->printer.outputFileName(), before);
  EXPECT_FALSE(QFile::exists(d.printer->PdfPath()));
  EXPECT_FALSE(Form<frmSave>::IsLoaded());

  d.printer->dialogAnswer = true;
  mdi.mnuPrint->trigger();
  EXPECT_EQ(d.printer->dialogsShown, 2);
  EXPECT_FALSE(QFile::exists(d.printer->PdfPath()));  // nothing is printed from here
}

TEST_F(frmSaveTest, RenderedLook) {
  frmDisplay& display = Form<frmDisplay>::Get();
  House house;
  house.placements = {{Body::Sun}, {Body::Mercury, 0.0, true}};
  display.txtChakraPlanets[1]->ShowHouse(house);
  frmSave& form = ShowReport();
  const QImage picture = form.grab().toImage();
  EXPECT_EQ(picture.size(), form.size());
  if (!qEnvironmentVariableIsEmpty("ORMANDEL_SHOTS")) picture.save(QStringLiteral("/tmp/frmSave.png"));
}

}  // namespace
