#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QSignalSpy>
#include <QTest>

#include "platform/RichTextBox.h"
#include "support/Doubles.h"

namespace {

class RichTextBoxTest : public testing_doubles::WindowTest {};

// Pages of a PDF file as its page objects count them.
int PdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray data = file.readAll();
  return static_cast<int>(data.count("/Type /Page\n") + data.count("/Type /Page ") +
                          data.count("/Type /Page>") + data.count("/Type /Page/"));
}

TEST_F(RichTextBoxTest, RunsKeepTheirOwnFormatInOrder) {
  RichTextBox box;
  box.SetText(QStringLiteral("old text"));
  box.SetText(QString());
  EXPECT_EQ(box.Text(), QString());
  EXPECT_EQ(box.SelStart(), 0);

  box.SetSelColor(QColor(255, 0, 0));
  box.SetSelBold(true);
  box.SetSelFontSize(12);
  box.SetSelText(QStringLiteral("red"));
  box.SetSelBold(false);
  box.SetSelColor(QColor(0, 128, 0));
  box.SetSelText(QStringLiteral("green\r\n"));
  box.SetSelFontSize(10);
  box.SetSelColor(QColor(0, 0, 255));
  box.SetSelText(QStringLiteral("blue"));

  EXPECT_EQ(box.Text(), QStringLiteral("redgreen\nblue"));
  EXPECT_EQ(box.SelStart(), 13);

  const QTextCharFormat red = box.FormatAt(1);
  EXPECT_EQ(red.foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(red.fontWeight(), QFont::Bold);
  EXPECT_DOUBLE_EQ(red.fontPointSize(), 12);
  const QTextCharFormat green = box.FormatAt(4);
  EXPECT_EQ(green.foreground().color(), QColor(0, 128, 0));
  EXPECT_NE(green.fontWeight(), QFont::Bold);
  EXPECT_DOUBLE_EQ(green.fontPointSize(), 12);
  const QTextCharFormat blue = box.FormatAt(9);
  EXPECT_EQ(blue.foreground().color(), QColor(0, 0, 255));
  EXPECT_DOUBLE_EQ(blue.fontPointSize(), 10);
}

TEST_F(RichTextBoxTest, SelectionAndInsertReplacingIt) {
  RichTextBox box;
  box.SetText(QStringLiteral("Hello World"));
  box.SetSelStart(6);
  box.SetSelLength(5);
  EXPECT_EQ(box.SelStart(), 6);
  EXPECT_EQ(box.SelLength(), 5);
  box.SetSelText(QStringLiteral("There"));
  EXPECT_EQ(box.Text(), QStringLiteral("Hello There"));
  EXPECT_EQ(box.SelLength(), 0);
  box.SetSelStart(2);
  box.SetSelLength(100);  // clipped at the end
  EXPECT_EQ(box.SelLength(), 9);
  box.SetSelLength(0);
  EXPECT_EQ(box.SelLength(), 0);
  EXPECT_EQ(box.SelStart(), 2);
}

TEST_F(RichTextBoxTest, FindIgnoresCaseAndMatchesInsideWords) {
  RichTextBox box;
  box.SetText(QStringLiteral("\r\nSun\r\nMercury (R) \r\nAsc"));
  EXPECT_EQ(box.Find(QStringLiteral("sun")), 1);
  EXPECT_EQ(box.Find(QStringLiteral("MERCURY")), 5);
  EXPECT_EQ(box.Find(QStringLiteral("cur")), 8);
  EXPECT_EQ(box.Find(QStringLiteral("Pluto")), -1);
  EXPECT_EQ(box.Find(QString()), -1);
  box.SetText(QString());
  EXPECT_EQ(box.Find(QStringLiteral("Sun")), -1);
}

TEST_F(RichTextBoxTest, AddressesBecomeLinksAndOnlyThey) {
  RichTextBox box;
  box.SetAutoUrlDetect(true);
  box.SetSelColor(QColor(0, 0, 255));
  box.SetSelBold(true);
  box.SetSelText(QStringLiteral("Visit https://www.site.example/page now. Also www.other.example."));
  const QString text = box.Text();
  const int first = static_cast<int>(text.indexOf(QStringLiteral("https")));
  const int second = static_cast<int>(text.indexOf(QStringLiteral("www.other")));
  EXPECT_FALSE(box.IsLinkAt(first - 1));
  EXPECT_TRUE(box.IsLinkAt(first));
  EXPECT_TRUE(box.IsLinkAt(first + 28));
  EXPECT_FALSE(box.IsLinkAt(first + 29));  // the blank after it
  EXPECT_TRUE(box.IsLinkAt(second));
  EXPECT_FALSE(box.IsLinkAt(static_cast<int>(text.size()) - 1));  // the closing full stop
  // The link keeps the run's own look.
  EXPECT_EQ(box.FormatAt(first).foreground().color(), QColor(0, 0, 255));
  EXPECT_EQ(box.FormatAt(first).fontWeight(), QFont::Bold);
  EXPECT_TRUE(box.FormatAt(first).fontUnderline());

  // Text inserted after a link does not carry its look.
  box.SetSelText(QStringLiteral(" plain"));
  EXPECT_FALSE(box.IsLinkAt(static_cast<int>(box.Text().size()) - 2));
  EXPECT_FALSE(box.FormatAt(static_cast<int>(box.Text().size()) - 2).fontUnderline());
  // Switching detection off takes the look away.
  box.SetAutoUrlDetect(false);
  EXPECT_FALSE(box.IsLinkAt(first));
}

TEST_F(RichTextBoxTest, MouseOverLinkIsReportedWithItsRange) {
  RichTextBox box;
  box.resize(600, 200);
  box.show();
  box.SetAutoUrlDetect(true);
  box.SetLinkEvents(true);
  box.SetText(QStringLiteral("Go to http://a.example/x today"));
  QSignalSpy spy(&box, &RichTextBox::LinkNotify);
  const QPoint onLink = box.PointOf(10);
  QTest::mousePress(box.Viewport(), Qt::LeftButton, {}, onLink);
  QTest::mouseRelease(box.Viewport(), Qt::LeftButton, {}, onLink);
  ASSERT_EQ(spy.count(), 2);
  EXPECT_EQ(spy.at(0).at(0).value<QEvent::Type>(), QEvent::MouseButtonPress);
  EXPECT_EQ(spy.at(0).at(1).value<Qt::MouseButton>(), Qt::LeftButton);
  const int start = spy.at(0).at(2).toInt();
  const int length = spy.at(0).at(3).toInt();
  EXPECT_EQ(box.TextRange(start, length), QStringLiteral("http://a.example/x"));
  EXPECT_EQ(spy.at(1).at(0).value<QEvent::Type>(), QEvent::MouseButtonRelease);

  spy.clear();
  QTest::mouseClick(box.Viewport(), Qt::LeftButton, {}, box.PointOf(2));  // not a link
  EXPECT_EQ(spy.count(), 0);

  box.SetLinkEvents(false);
  QTest::mouseClick(box.Viewport(), Qt::LeftButton, {}, onLink);
  EXPECT_EQ(spy.count(), 0);
}

TEST_F(RichTextBoxTest, TypedAddressIsRecognisedWhenTheEventLoopRuns) {
  RichTextBox box;
  box.show();
  box.SetAutoUrlDetect(true);
  box.setFocus();
  QTest::keyClicks(box.Viewport()->parentWidget(), QStringLiteral("see www.typed.example ok"));
  QCoreApplication::processEvents();
  EXPECT_TRUE(box.IsLinkAt(6));
  EXPECT_FALSE(box.IsLinkAt(1));
}

TEST_F(RichTextBoxTest, PrintsWholeContentOverAsManyPagesAsNeeded) {
  RichTextBox box;
  box.SetSelFontSize(12);
  box.SetSelText(QStringLiteral("One short line"));
  box.SelPrint(d.printer->CurrentPrinter());
  EXPECT_EQ(PdfPages(d.printer->PdfPath()), 1);

  QString lines;
  for (int i = 0; i < 300; ++i) lines += QStringLiteral("Line %1 of the long text\r\n").arg(i);
  box.SetText(QString());
  box.SetSelFontSize(12);
  box.SetSelText(lines);
  box.SetSelStart(0);  // nothing selected: the whole box, not what is visible
  box.SelPrint(d.printer->CurrentPrinter());
  // 300 lines of 12 points need well over five pages of any paper size.
  EXPECT_GE(PdfPages(d.printer->PdfPath()), 5);
}

}  // namespace
