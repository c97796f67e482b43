// The chart window filled by hand with a sample chart, drawn off screen. Set
// ORMANDEL_RENDER_DIR to keep the pictures for a look.
#include <gtest/gtest.h>

#include <QBitmap>
#include <QImage>
#include <QRegion>
#include <QLabel>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "astro/Shared.h"
#include "chart/ChartData.h"
#include "windows/frmDisplay.h"
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

// A house holding the given bodies; the ones marked are retrograde.
House Holding(std::initializer_list<Body> bodies, std::initializer_list<Body> retrograde = {}) {
  House house;
  for (Body body : bodies) house.placements.push_back({body, 0.0, std::find(retrograde.begin(), retrograde.end(), body) != retrograde.end()});
  return house;
}

using Houses = std::array<House, 12>;

// Shows the twelve houses, with the sign pictures starting at firstSign (0 Aries
// .. 11 Pisces) in house 1, and fills the chakra boxes from them.
void FillHouses(frmDisplay& f, const Houses& houses, int firstSign) {
  for (std::size_t k = 0; k < 12; ++k) {
    f.lblNatal[k]->ShowHouse(houses[k]);
    f.imgSign[k]->setPixmap(f.IMG.ListImages(static_cast<int>((firstSign + k) % 12) + 1));
  }
  for (QLabel* sign : f.SignLabels()) sign->hide();
  for (std::size_t box = 0; box < 12; ++box) {
    f.txtChakraPlanets[box]->ShowHouse(houses[static_cast<std::size_t>(ChakraBoxHouses[box] - 1)]);
  }
}

// Leo rising with the Sun; Mercury retrograde in Virgo; a crowded Capricorn.
void FillSampleChart(frmDisplay& f) {
  const char* positions[] = {"12 Leo 04", "03 Sco 51", "27 Vir 30", "14 Can 09",
                             "08 Cap 44", "21 Cap 02", "29 Cap 59"};
  for (std::size_t i = 0; i < 7; ++i) f.Planet[i]->setText(positions[i]);
  f.Planet[9]->setText("02 Leo 18");
  f.lblLagna->setText("Leo");
  f.lblRashi->setText("Scorpio");
  Houses houses{};
  houses[0] = Holding({Body::Sun, Body::Ascendant});
  houses[1] = Holding({Body::Mercury}, {Body::Mercury});
  houses[3] = Holding({Body::Moon});
  houses[6] = Holding({Body::Mars, Body::Jupiter, Body::Saturn}, {Body::Jupiter, Body::Saturn});
  houses[10] = Holding({Body::Venus});
  FillHouses(f, houses, 4);
}

TEST_F(frmDisplayRenderTest, SampleChartDrawsEveryRegion) {
  CurrentChart.Birth = astro::BirthRecordData{};
  CurrentChart.Birth.BirthName = "Sample Person";
  CurrentChart.Birth.BirthMonth = 8;
  CurrentChart.Birth.BirthDay = 23;
  CurrentChart.Birth.BirthYear = 1984;
  CurrentChart.Birth.BirthHour = 6;
  CurrentChart.Birth.BirthMinute = 45;
  CurrentChart.Birth.LatDegree = 51;
  CurrentChart.Birth.LatMinute = 30;
  CurrentChart.Birth.LongDegree = 0;
  CurrentChart.Birth.LongMinute = 7;
  CurrentChart.Birth.BirthCity = "London";
  CurrentChart.Birth.BirthState = "England";
  CurrentChart.Birth.BirthCountry = "United Kingdom";

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


// The eight bodies of a chart, three of them retrograde, in one house.
const House kEightBodies = Holding({Body::Sun, Body::Moon, Body::Mercury, Body::Venus, Body::Mars, Body::Jupiter,
                                    Body::Saturn, Body::Ascendant},
                                   {Body::Mercury, Body::Jupiter, Body::Saturn});

// Every house holding the same bodies.
Houses AllHolding(const House& house) {
  Houses houses;
  houses.fill(house);
  return houses;
}

// The pixels, in the wheel's coordinates, where a house label really draws.
QRegion InkOf(QLabel* label) {
  const QImage ink = label->grab().toImage().convertToFormat(QImage::Format_ARGB32);
  return QRegion(QBitmap::fromImage(ink.createAlphaMask())).translated(label->pos());
}

// Every house's text stands whole inside its label, and touches neither another
// house's text nor another house's sign picture or number.
void ExpectHousesReadable(frmDisplay& f, const char* chart) {
  std::array<QRegion, 12> inks;
  for (std::size_t k = 0; k < 12; ++k) inks[k] = InkOf(f.lblNatal[k]);
  for (std::size_t k = 0; k < 12; ++k) {
    if (inks[k].isEmpty()) continue;
    const QRect room = f.lblNatal[k]->geometry();
    const QRect ink = inks[k].boundingRect();
    EXPECT_LT(ink.right(), room.right()) << chart << ": house " << k + 1 << " is cut on the right";
    EXPECT_LT(ink.bottom(), room.bottom()) << chart << ": house " << k + 1 << " is cut at the bottom";
    // One pixel round the text stays clear.
    const QRegion near = inks[k] + inks[k].translated(1, 0) + inks[k].translated(-1, 0) +
                         inks[k].translated(0, 1) + inks[k].translated(0, -1);
    for (std::size_t other = 0; other < 12; ++other) {
      if (other == k) continue;
      EXPECT_FALSE(near.intersects(inks[other]))
          << chart << ": house " << k + 1 << " runs into house " << other + 1;
      EXPECT_FALSE(near.intersects(f.imgSign[other]->geometry()))
          << chart << ": house " << k + 1 << " runs under the sign of house " << other + 1;
      EXPECT_FALSE(near.intersects(f.lblNatalPosition[(other + 1) % 12]->geometry()))
          << chart << ": house " << k + 1 << " runs over the number of house " << other + 1;
    }
  }
}

// Every chakra box shows each body on a line of its own, none wrapped or cut.
void ExpectChakraEntriesWhole(frmDisplay& f, const char* chart) {
  for (std::size_t b = 0; b < f.txtChakraPlanets.size(); ++b) {
    ChartTextBox* box = f.txtChakraPlanets[b];
    const int room = box->viewport()->width() - 2 * static_cast<int>(box->document()->documentMargin());
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
      box->document()->documentLayout()->blockBoundingRect(block);  // lays the line out
      EXPECT_EQ(block.layout()->lineCount(), 1) << chart << ": box " << b << " wraps " << block.text().toStdString();
      EXPECT_LE(block.layout()->lineAt(0).naturalTextWidth(), room)
          << chart << ": box " << b << " cuts " << block.text().toStdString();
    }
  }
}

TEST_F(frmDisplayRenderTest, CrowdedHousesAndChakraBoxesStayReadable) {
  CurrentChart.Birth = astro::BirthRecordData{};
  frmDisplay& f = Form<frmDisplay>::Show();

  // Eight bodies in house 1, the other houses holding one name each.
  const House retrogradeMars = Holding({Body::Mars}, {Body::Mars});
  Houses houses = AllHolding(retrogradeMars);
  houses[0] = kEightBodies;
  FillHouses(f, houses, 4);

  // Pisces rising with seven bodies in house 12.
  houses = Houses{};
  houses[0] = Holding({Body::Ascendant});
  houses[11] = Holding({Body::Sun, Body::Moon, Body::Mercury, Body::Venus, Body::Mars, Body::Jupiter, Body::Saturn},
                       {Body::Mercury, Body::Saturn});
  FillHouses(f, houses, 11);
  Keep(f.grab().toImage(), "frmDisplay-pisces-rising.png");
  ExpectHousesReadable(f, "Pisces rising");

  // A retrograde body and its neighbour in every house.
  houses = AllHolding(Holding({Body::Mercury, Body::Venus}, {Body::Mercury}));
  FillHouses(f, houses, 0);
  Keep(f.grab().toImage(), "frmDisplay-retrograde-neighbours.png");
  ExpectHousesReadable(f, "retrograde neighbours");
  ExpectChakraEntriesWhole(f, "retrograde neighbours");

  // All eight bodies in each house in turn.
  for (std::size_t k = 0; k < 12; ++k) {
    houses = AllHolding(retrogradeMars);
    houses[k] = kEightBodies;
    FillHouses(f, houses, 4);
    const std::string chart = "eight in house " + std::to_string(k + 1);
    Keep(f.grab().toImage(), ("frmDisplay-eight-in-house-" + std::to_string(k + 1) + ".png").c_str());
    ExpectHousesReadable(f, chart.c_str());
    ExpectChakraEntriesWhole(f, chart.c_str());
  }
}

TEST_F(frmDisplayRenderTest, LongBirthDataIsCutWithAnEllipsisAndKeptWholeInItsTooltip) {
  CurrentChart.Birth = astro::BirthRecordData{};
  CurrentChart.Birth.BirthName = "Maximilian Alexander Bartholomew von Hohenzollern-Sigmaringen";
  CurrentChart.Birth.BirthCity = "Llanfairpwllgwyngyllgogerychwyrndrobwllllantysiliogogogoch";
  CurrentChart.Birth.BirthState = "Wales";
  frmDisplay& f = Form<frmDisplay>::Show();
  Keep(f.grab().toImage(), "frmDisplay-long-name.png");
  const QString name = "Name: " + QString::fromStdString(CurrentChart.Birth.BirthName);
  const QString city = "City: " + QString::fromStdString(CurrentChart.Birth.BirthCity);
  for (auto [label, whole] : {std::pair{f.lblName, name}, std::pair{f.lblCity, city}}) {
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    EXPECT_TRUE(label->text().endsWith(QChar(0x2026))) << label->text().toStdString();
    EXPECT_EQ(label->toolTip(), whole);
  }
  EXPECT_EQ(f.lblState->text(), "State: Wales");
  EXPECT_TRUE(f.lblState->toolTip().isEmpty());
}

}  // namespace
