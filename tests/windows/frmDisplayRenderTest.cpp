// The chart window filled by hand with a sample chart, drawn off screen. Set
// ORMANDEL_RENDER_DIR to keep the pictures for a look.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>

#include "astro/Shared.h"
#include "chart/ChartData.h"
#include "windows/frmDisplay.h"
#include "windows/modOrmandel_ChakraBoxes.h"
#include "platform/Forms.h"
#include "support/Doubles.h"

namespace {

using platform::Form;

class frmDisplayRenderTest : public testing_doubles::WindowTest {
 protected:
  static void Keep(const QImage& image, const char* name) {
    const QByteArray folder = qgetenv("ORMANDEL_RENDER_DIR");
    if (!folder.isEmpty()) image.save(QString::fromLocal8Bit(folder) + "/" + name);
  }
};

// Leo rising with the Sun; Mercury retrograde in Virgo; a crowded Capricorn.
void FillSampleChart(frmDisplay& f) {
  const char* positions[] = {"12 Leo 04", "03 Sco 51", "27 Vir 30", "14 Can 09",
                             "08 Cap 44", "21 Cap 02", "29 Cap 59"};
  for (std::size_t i = 0; i < 7; ++i) f.Planet[i]->setText(positions[i]);
  f.Planet[9]->setText("02 Leo 18");
  f.lblLagna->setText("Leo");
  f.lblRashi->setText("Scorpio");
  const QStringList houses{"\r\nSun\r\nAsc", "\r\nMercury (R) ", "", "\r\nMoon", "", "",
                           "\r\nMars\r\nJupiter (R) \r\nSaturn (R) ", "", "", "", "\r\nVenus", ""};
  for (std::size_t k = 0; k < 12; ++k) {
    f.lblNatal[k]->setText(houses[static_cast<int>(k)]);
    f.imgSign[k]->setPixmap(f.IMG.ListImages(static_cast<int>((4 + k) % 12) + 1));
  }
  for (QLabel* sign : f.SignLabels()) sign->hide();
  ChartData chart;
  for (std::size_t k = 0; k < 12; ++k) chart.Houses[k] = houses[static_cast<int>(k)];
  chart.ChakraBoxes = ChakraBoxTexts(chart.Houses);
  FillChakraBoxes(f, chart);
}

TEST_F(frmDisplayRenderTest, SampleChartDrawsEveryRegion) {
  astro::BirthRecord = astro::BirthRecordData{};
  astro::BirthRecord.BirthName = "Sample Person";
  astro::BirthRecord.BirthMonth = 8;
  astro::BirthRecord.BirthDay = 23;
  astro::BirthRecord.BirthYear = 1984;
  astro::BirthRecord.BirthHour = 6;
  astro::BirthRecord.BirthMinute = 45;
  astro::BirthRecord.LatDegree = 51;
  astro::BirthRecord.LatMinute = 30;
  astro::BirthRecord.LongDegree = 0;
  astro::BirthRecord.LongMinute = 7;
  astro::BirthRecord.BirthCity = "London";
  astro::BirthRecord.BirthState = "England";
  astro::BirthRecord.BirthCountry = "United Kingdom";

  frmDisplay& f = Form<frmDisplay>::Show();
  const QImage fresh = f.grab().toImage();
  Keep(fresh, "frmDisplay-fresh.png");
  FillSampleChart(f);
  const QImage chart = f.grab().toImage();
  Keep(chart, "frmDisplay-chart.png");

  ASSERT_EQ(chart.size(), QSize(1000, 530));
  // The wheel's orange disc shows between the house labels, and the chart differs
  // from the fresh window.
  const QColor disc = chart.pixelColor(f.picNatal->x() + 225 + 150, f.picNatal->y() + 215 + 80);
  EXPECT_GT(disc.red(), 200);
  EXPECT_GT(disc.green(), 120);
  EXPECT_LT(disc.blue(), 120);
  EXPECT_NE(fresh, chart);
  // The chakra boxes show their row colours.
  const QPoint box = f.txtChakraPlanets[2]->mapTo(&f, QPoint(20, 60));
  EXPECT_EQ(chart.pixelColor(box), QColor(192, 192, 255));
}

}  // namespace
