#include <gtest/gtest.h>

#include <QFile>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <climits>
#include <vector>

#include "platform/RichTextBox.h"
#include "windows/modOrmandel_ReportWindow.h"
#include "support/Doubles.h"
#include "support/SampleCharts.h"

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

// A paint device of printer pages that keeps every piece of text drawn on it, page
// by page and where it stands, as a PDF keeps text even where a clip hides it.
class TextRecorder final : public QPaintDevice {
 public:
  struct Piece {
    int page;
    QString text;
    bool bold;
    qreal top;
    qreal bottom;
  };
  TextRecorder(QSize size, int dpi) : size_(size), dpi_(dpi) {}
  QPaintEngine* paintEngine() const override { return &engine_; }
  bool NewPage() {
    ++engine_.page;
    return true;
  }
  int Pages() const { return engine_.page + 1; }
  const std::vector<Piece>& Pieces() const { return engine_.pieces; }

 protected:
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth: return size_.width();
      case PdmHeight: return size_.height();
      case PdmWidthMM: return size_.width() * 254 / dpi_ / 10;
      case PdmHeightMM: return size_.height() * 254 / dpi_ / 10;
      case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return dpi_;
      case PdmDepth: return 32;
      case PdmNumColors: return INT_MAX;
      case PdmDevicePixelRatio: return 1;
      case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
      default: return QPaintDevice::metric(metric);
    }
  }

 private:
  struct Engine final : QPaintEngine {
    Engine() : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF& at, const QTextItem& item) override {
      const qreal baseline = painter()->combinedTransform().map(at).y();
      pieces.push_back({page, item.text(), item.font().bold(), baseline - item.ascent(),
                        baseline + item.descent()});
    }
    Type type() const override { return User; }
    int page = 0;
    std::vector<Piece> pieces;
  };
  QSize size_;
  int dpi_;
  mutable Engine engine_;
};

QString WithoutBlanks(QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); }

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
  box.SelPrint(d.printer->printer);
  EXPECT_EQ(PdfPages(d.printer->PdfPath()), 1);

  QString lines;
  for (int i = 0; i < 300; ++i) lines += QStringLiteral("Line %1 of the long text\r\n").arg(i);
  box.SetText(QString());
  box.SetSelFontSize(12);
  box.SetSelText(lines);
  box.SetSelStart(0);  // nothing selected: the whole box, not what is visible
  box.SelPrint(d.printer->printer);
  // 300 lines of 12 points need well over five pages of any paper size.
  EXPECT_GE(PdfPages(d.printer->PdfPath()), 5);
}

// The longest report: every planet in every box. Each page holds whole lines only,
// each line is printed once, and a bold heading or label never ends a page.
TEST_F(RichTextBoxTest, PagesHoldWholeLinesOnceAndKeepHeadingsWithWhatFollows) {
  RichTextBox report;
  FillReportTables();
  WriteReportRuns(report, ChakraReportRuns(samples::EveryBodyInEveryHouse()));

  QPrinter& printer = d.printer->printer;
  const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
  TextRecorder recorder(page.toSize(), printer.resolution());
  ASSERT_TRUE(report.SelPrint(recorder, page, [&recorder] { return recorder.NewPage(); }));
  ASSERT_GE(recorder.Pages(), 3);

  QString printed;
  for (const TextRecorder::Piece& piece : recorder.Pieces()) {
    printed += piece.text;
    EXPECT_GE(piece.top, -0.5) << piece.page << ": " << piece.text.toStdString();
    EXPECT_LE(piece.bottom, page.height() + 0.5) << piece.page << ": " << piece.text.toStdString();
  }
  EXPECT_EQ(WithoutBlanks(printed), WithoutBlanks(report.Text()));

  for (int p = 0; p + 1 < recorder.Pages(); ++p) {
    qreal lastTop = -1;
    for (const TextRecorder::Piece& piece : recorder.Pieces()) {
      if (piece.page == p) lastTop = std::max(lastTop, piece.top);
    }
    QString lastLine;
    bool allBold = true;
    for (const TextRecorder::Piece& piece : recorder.Pieces()) {
      if (piece.page != p || piece.top < lastTop - 1) continue;
      lastLine += piece.text;
      allBold = allBold && (piece.bold || piece.text.trimmed().isEmpty());
    }
    EXPECT_FALSE(allBold) << "page " << p + 1 << " ends with " << lastLine.toStdString();
  }

  // The printer itself is paged the same way.
  ASSERT_TRUE(report.SelPrint(printer));
  EXPECT_EQ(PdfPages(d.printer->PdfPath()), recorder.Pages());
}

}  // namespace
