// The chakra report's text from the chart: which entries, in which order, and the
// tables and long texts it is written from.
#include <gtest/gtest.h>

#include <QStringList>

#include "SiteConfig.h"
#include "chart/modOrmandel_Report.h"
#include "support/SampleCharts.h"

namespace {

class ReportTest : public ::testing::Test {
 protected:
  // The report's plain text, with each line break as one "\n".
  static QString Build(const ChartData& chart) {
    QString text;
    for (const ReportRun& run : ChakraReportRuns(chart)) text += run.Text;
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  }
  // The lines of the placement entries, between the two headings.
  static QStringList Placements(const ChartData& chart) {
    const QString text = Build(chart);
    const QString from = QStringLiteral("Detailed Interpretation of Planets in Different Chakras\n");
    const qsizetype start = text.indexOf(from) + from.size();
    const qsizetype end = text.indexOf(QStringLiteral("Description of Different Chakras"));
    return text.mid(start, end - start).split(QLatin1Char('\n'));
  }
};

QString Visit() {
  return QStringLiteral("For Detailed Analysis Please Visit ") + QString::fromUtf8(site::WebSite);
}

TEST_F(ReportTest, EmptyBoxesGiveHeadingsBackToBackAndTheSixDescriptions) {
  const QString text = Build(samples::ChartWithBoxes({}));
  FillReportTables();
  QString expected = QStringLiteral("QZ Astrology Ormandel Report\n\n") + Visit() + QStringLiteral("\n\n") +
                     QString(IntroText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) +
                     QStringLiteral("\n\nDetailed Interpretation of Planets in Different Chakras\n"
                                    "Description of Different Chakras\n");
  for (int k = 1; k <= 6; ++k) {
    expected += ChakraNames[k] + QStringLiteral("\nDescription\n") + ChakraDescriptions[k] +
                QStringLiteral("\nSymbol: \n") + ChakraSymbols[k] + QStringLiteral("\nSanskrit Name: \n") +
                ChakraSanskritNames[k] + QStringLiteral("\nKeywords: \n") + ChakraKeywords[k] +
                QStringLiteral("\nColor: \n") + ChakraColors[k] + QStringLiteral("\nPosition: \n") +
                ChakraPositions[k] + QStringLiteral("\n\n");
  }
  expected += Visit();
  EXPECT_EQ(text, expected);
  // The introduction speaks of the crown chakra, but it is never described or placed.
  EXPECT_FALSE(text.contains(ChakraNames[0], Qt::CaseInsensitive));
  EXPECT_FALSE(text.contains(QStringLiteral("Sahasrara")));
}

TEST_F(ReportTest, EntriesFollowBoxOrderThenBodyOrderAndTheAscendantHasNone) {
  const QStringList lines = Placements(samples::ChartWithBoxes({
      {0, {Body::Saturn}},
      {5, {Body::Sun}},
      {5, {Body::Mars}},
      {5, {Body::Ascendant}},
      {7, {Body::Mercury, 0.0, true}},  // the entry names the planet without its mark
      {9, {Body::Moon}},
      {11, {Body::Jupiter}},
  }));
  FillReportTables();
  const QStringList expected{
      QStringLiteral("Saturn is placed in the Third Eye Chakra (Ajna)"),
      QStringLiteral("Type: Emissive"), EmissiveText, EmissiveReadings[6], QString(),
      QStringLiteral("Sun is placed in the Heart Chakra (Anahata)"),
      QStringLiteral("Type: Receptive"), ReceptiveText, ReceptiveReadings[0], QString(),
      QStringLiteral("Mars is placed in the Heart Chakra (Anahata)"),
      QStringLiteral("Type: Receptive"), ReceptiveText, ReceptiveReadings[4], QString(),
      QStringLiteral("Mercury is placed in the Navel Chakra (Manipura)"),
      QStringLiteral("Type: Receptive"), ReceptiveText, ReceptiveReadings[2], QString(),
      QStringLiteral("Moon is placed in the Sacral Chakra (Swadhisthanna)"),
      QStringLiteral("Type: Receptive"), ReceptiveText, ReceptiveReadings[1], QString(),
      QStringLiteral("Jupiter is placed in the Root Chakra (Muladhara)"),
      QStringLiteral("Type: Receptive"), ReceptiveText, ReceptiveReadings[5], QString(),
      QString(),  // what follows the last entry: the next heading's line
  };
  EXPECT_EQ(lines, expected);
}

TEST_F(ReportTest, EmissiveAndReceptiveSidesOfEveryRow) {
  for (int box = 0; box < ChakraBoxCount; ++box) {
    const QStringList lines = Placements(samples::ChartWithBoxes({{box, {Body::Venus}}}));
    ASSERT_GE(lines.size(), 4) << box;
    FillReportTables();
    EXPECT_EQ(lines[0], QStringLiteral("Venus is placed in the ") + ChakraNames[1 + box / 2]) << box;
    EXPECT_EQ(lines[1], box % 2 == 0 ? QStringLiteral("Type: Emissive") : QStringLiteral("Type: Receptive"));
    EXPECT_EQ(lines[3], box % 2 == 0 ? EmissiveReadings[3] : ReceptiveReadings[3]);
  }
}

TEST_F(ReportTest, BuildingTwiceGivesTheSameText) {
  const ChartData chart = samples::EveryBodyInEveryHouse();
  const QString first = Build(chart);
  EXPECT_EQ(Build(chart), first);
}

TEST_F(ReportTest, TablesAndLongTexts) {
  FillReportTables();
  EXPECT_EQ(ChakraPlanetNames[0], QStringLiteral("Sun"));
  EXPECT_EQ(ChakraPlanetNames[9], QStringLiteral("Pluto"));
  EXPECT_EQ(ChakraNames[0], QStringLiteral("Crown chakra (Sahasrara)"));
  EXPECT_EQ(ChakraNames[5], QStringLiteral("Sacral Chakra (Swadhisthanna)"));
  EXPECT_EQ(ChakraPositions[0], QString());
  EXPECT_EQ(ChakraKeywords[6], QStringLiteral("Patience and Greediness"));

  struct Long {
    const QString& text;
    const char* opening;
    qsizetype length;
  };
  const QStringList intro = IntroText.split(QStringLiteral("\r\n\r\n"));
  ASSERT_EQ(intro.size(), 3);
  const std::vector<Long> texts{
      {intro[0], "QZ Astrology Ormandel provides you with an overview", 253},
      {intro[1], "Based on a person's natal or birth information,", 325},
      {intro[2], "Chakras are the energy nodes all through the body", 520},
      {EmissiveText, "This refers to the energy that is being sent out or used up.", 195},
      {ReceptiveText, "The Yin side of each chakra, it refers to the energy", 196},
      {ChakraKeywords[0], "Kundalini Shakti rises up the spinal column to unite with Shiva here.", 167},
      {ChakraDescriptions[0], "This chakra is all about perception and intelligence", 79},
      {ChakraDescriptions[1], "This state governs the nature of approach", 65},
      {ChakraDescriptions[2], "This chakra is all about expressing oneself", 156},
      {ChakraDescriptions[3], "World treats heart as the symbol of love", 154},
      {ChakraDescriptions[4], "The name itself suggests the location of this chakra", 174},
      {ChakraDescriptions[5], "This chakra is located just above the root chakra", 124},
      {ChakraDescriptions[6], "This chakra is the root center at the bottom part of spine", 135},
      {EmissiveReadings[0], "Sun enhances your controlling power.", 36},
      {EmissiveReadings[1], "This gives you a deep emotional feelings", 75},
      {EmissiveReadings[2], "This increases mental control", 62},
      {EmissiveReadings[3], "You are seductive as well as erotic.", 117},
      {EmissiveReadings[4], "You are brave, dynamic, energetic and courageous.", 49},
      {EmissiveReadings[5], "You are a logical, rational and a wise person.", 46},
      {EmissiveReadings[6], "You are strategic, economic", 66},
      {EmissiveReadings[7], "You are spiritual and highly conscious", 60},
      {EmissiveReadings[8], "You tend to use your energy on a spiritual level.", 49},
      {EmissiveReadings[9], "You are passionate about astrology and the occult.", 50},
      {ReceptiveReadings[0], "This results in the human body receiving", 123},
      {ReceptiveReadings[1], "This enhances the receptive power of the native.", 140},
      {ReceptiveReadings[2], "The native get easily influenced", 101},
      {ReceptiveReadings[3], "You start getting a feeling of being loved", 118},
      {ReceptiveReadings[4], "You are active, energetic and dynamic.", 38},
      {ReceptiveReadings[5], "You are full of energy and interests.", 37},
      {ReceptiveReadings[6], "You lack energy and courage.", 28},
      {ReceptiveReadings[7], "You experience sudden outbursts of energy", 68},
      {ReceptiveReadings[8], "In spite of your low energy level", 99},
      {ReceptiveReadings[9], "You are passionate and understanding.", 37},
  };
  for (const Long& t : texts) {
    EXPECT_TRUE(t.text.startsWith(QString::fromUtf8(t.opening))) << t.opening;
    EXPECT_EQ(t.text.size(), t.length) << t.opening;
  }
  EXPECT_FALSE(ChakraKeywords[0].endsWith(QLatin1Char('.')));
}

}  // namespace
