// The report as the report window shows it: each run in its style, and the
// chart's boxes read when the window loads.
#include <gtest/gtest.h>

#include <QStringList>

#include "SiteConfig.h"
#include "platform/RichTextBox.h"
#include "windows/frmDisplay.h"
#include "windows/frmSave.h"
#include "windows/modOrmandel_ReportWindow.h"
#include "platform/Forms.h"
#include "platform/Look.h"
#include "support/Doubles.h"
#include "support/SampleCharts.h"

namespace {

class ReportWindowTest : public testing_doubles::WindowTest {
 protected:
  QString Build(const ChartData& chart) {
    WriteReportRuns(report, ChakraReportRuns(chart));
    return report.Text();
  }
  RichTextBox report;
};

QString Visit() {
  return QStringLiteral("For Detailed Analysis Please Visit ") + QString::fromUtf8(site::WebSite);
}

// The run that holds the first occurrence of needle (after from) has this look.
struct Look {
  bool bold;
  QColor color;
  double size;
};

void ExpectLook(const RichTextBox& box, const QString& needle, const Look& look, qsizetype from = 0) {
  const qsizetype at = box.Text().indexOf(needle, from);
  ASSERT_GE(at, 0) << needle.toStdString();
  for (qsizetype i : {at, at + needle.size() - 1}) {
    const QTextCharFormat format = box.FormatAt(static_cast<int>(i));
    EXPECT_EQ(format.fontWeight() >= QFont::Bold, look.bold) << needle.toStdString();
    EXPECT_EQ(format.foreground().color(), look.color) << needle.toStdString();
    EXPECT_DOUBLE_EQ(format.fontPointSize(), look.size) << needle.toStdString();
  }
}

TEST_F(ReportWindowTest, RunsCarryTheirBoldColourAndSize) {
  Build(samples::ChartWithBoxes({{4, {Body::Saturn}}, {9, {Body::Jupiter}}}));
  FillReportTables();
  using platform::ClassicColor;
  const QColor navy = ClassicColor(1), green = ClassicColor(2), maroon = ClassicColor(4),
               purple = ClassicColor(5), blue = ClassicColor(9), red = ClassicColor(12);
  ExpectLook(report, QStringLiteral("QZ Astrology Ormandel Report"), {true, navy, 12});
  ExpectLook(report, Visit(), {true, blue, 10});
  ExpectLook(report, QStringLiteral("QZ Astrology Ormandel provides"), {false, blue, 10});
  ExpectLook(report, QStringLiteral("Detailed Interpretation of Planets"), {true, maroon, 10});
  ExpectLook(report, QStringLiteral("Saturn is placed in the Heart Chakra (Anahata)"), {true, green, 10});
  ExpectLook(report, QStringLiteral("Type: Emissive"), {true, purple, 10});
  ExpectLook(report, EmissiveText, {false, purple, 10});
  ExpectLook(report, EmissiveReadings[6], {false, blue, 10});
  ExpectLook(report, QStringLiteral("Type: Receptive"), {true, purple, 10});
  ExpectLook(report, ReceptiveText, {false, purple, 10});
  ExpectLook(report, ReceptiveReadings[5], {false, red, 10});
  ExpectLook(report, QStringLiteral("Description of Different Chakras"), {true, maroon, 10});
  const qsizetype descriptions = report.Text().indexOf(QStringLiteral("Description of Different"));
  ExpectLook(report, ChakraNames[6], {true, green, 10}, descriptions);
  ExpectLook(report, QStringLiteral("Sanskrit Name: "), {true, purple, 10});
  ExpectLook(report, ChakraSanskritNames[6], {false, purple, 10});
  ExpectLook(report, ChakraPositions[6], {false, purple, 10});
  // The closing visit line.
  ExpectLook(report, Visit(), {true, blue, 10}, report.Text().size() - Visit().size());
}

// The whole road to the report window: the current chart into the report
// window's box.
TEST_F(ReportWindowTest, BuildChakraReportReadsTheCurrentChart) {
  const ChartData saved = CurrentChart;
  CurrentChart = samples::ChartWithBoxes({{1, {Body::Sun}}, {1, {Body::Ascendant}}, {10, {Body::Venus}}});
  frmSave& save = platform::Form<frmSave>::Get();  // its load builds the report
  const QString text = save.RTB->Text();
  EXPECT_TRUE(text.contains(QStringLiteral("Sun is placed in the Third Eye Chakra (Ajna)\nType: Receptive")));
  EXPECT_TRUE(text.contains(QStringLiteral("Venus is placed in the Root Chakra (Muladhara)\nType: Emissive")));
  EXPECT_EQ(text.count(QStringLiteral(" is placed in the ")), 2);
  CurrentChart = saved;
}

}  // namespace
