// The chart window as a freshly loaded window shows it: the birth data written by
// its load step, the layout of its regions, the legend, the initial wheel, the
// chakra panel and the pictures it is built from.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QResource>
#include <QScrollBar>
#include <QTest>

#include "astro/Shared.h"
#include "chart/ChartData.h"
#include "windows/frmDisplay.h"
#include "platform/Forms.h"
#include "support/Doubles.h"

namespace {

using platform::Form;

class frmDisplayTest : public testing_doubles::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    CurrentChart.Birth = astro::BirthRecordData{};
  }
};

astro::BirthRecordData SampleRecord() {
  astro::BirthRecordData r;
  r.BirthName = "Ada Lovelace";
  r.BirthMonth = 3;
  r.BirthDay = 5;
  r.BirthYear = 1975;
  r.BirthHour = 14;
  r.BirthMinute = 7;
  r.LatDegree = 40;
  r.LatMinute = 42;
  r.LongDegree = 74;
  r.LongMinute = 0;
  r.IsSouth = true;
  r.BirthCity = "New York";
  r.BirthState = "NY";
  r.BirthCountry = "USA";
  return r;
}

TEST_F(frmDisplayTest, LoadWritesTheBirthDataWithTheMonthByNameAndNoLeadingZeros) {
  CurrentChart.Birth = SampleRecord();
  frmDisplay& f = Form<frmDisplay>::Get();
  EXPECT_EQ(f.lblName->text(), "Name: Ada Lovelace");
  EXPECT_EQ(f.lblDOB->text(), "Date of Birth: March 5, 1975");
  EXPECT_EQ(f.lblTOB->text(), "Time of Birth: 14 Hour 7 Minute");
  EXPECT_EQ(f.lblLatitude->text(), "Latitude: 40 Degree 42 Minute");
  EXPECT_EQ(f.lblLongitude->text(), "Longitude: 74 Degree 0 Minute");
  EXPECT_EQ(f.lblCity->text(), "City: New York");
  EXPECT_EQ(f.lblState->text(), "State: NY");
  EXPECT_EQ(f.lblCountry->text(), "Country: USA");
}

TEST_F(frmDisplayTest, EveryMonthIsWrittenByItsEnglishNameAndMidnightReadsZero) {
  const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                          "July",    "August",   "September", "October", "November", "December"};
  for (int m = 1; m <= 12; ++m) {
    CurrentChart.Birth = SampleRecord();
    CurrentChart.Birth.BirthMonth = static_cast<std::int16_t>(m);
    CurrentChart.Birth.BirthDay = 1;
    CurrentChart.Birth.BirthYear = 1901;
    CurrentChart.Birth.BirthHour = 0;
    CurrentChart.Birth.BirthMinute = 0;
    frmDisplay& f = Form<frmDisplay>::Get();
    EXPECT_EQ(f.lblDOB->text(), QStringLiteral("Date of Birth: %1 1, 1901").arg(months[m - 1]));
    EXPECT_EQ(f.lblTOB->text(), "Time of Birth: 0 Hour 0 Minute");
    Form<frmDisplay>::Unload();
  }
}

TEST_F(frmDisplayTest, SouthernAndWesternPlacesReadLikeNorthernAndNegativesKeepTheirSign) {
  CurrentChart.Birth = SampleRecord();
  CurrentChart.Birth.LatDegree = 33;
  CurrentChart.Birth.LatMinute = 52;
  CurrentChart.Birth.IsSouth = true;
  CurrentChart.Birth.LongDegree = -12;
  CurrentChart.Birth.LongMinute = 5;
  CurrentChart.Birth.IsEast = false;
  frmDisplay& f = Form<frmDisplay>::Get();
  EXPECT_EQ(f.lblLatitude->text(), "Latitude: 33 Degree 52 Minute");
  EXPECT_EQ(f.lblLongitude->text(), "Longitude: -12 Degree 5 Minute");
}

TEST_F(frmDisplayTest, EachLoadWritesTheCurrentRecord) {
  CurrentChart.Birth = SampleRecord();
  Form<frmDisplay>::Get();
  Form<frmDisplay>::Unload();
  CurrentChart.Birth.BirthName = "Second Person";
  EXPECT_EQ(Form<frmDisplay>::Get().lblName->text(), "Name: Second Person");
}

TEST_F(frmDisplayTest, WindowHasItsCaptionSizeAndWhiteBackground) {
  frmDisplay& f = Form<frmDisplay>::Get();
  EXPECT_EQ(f.objectName(), "frmDisplay");
  EXPECT_EQ(f.windowTitle(), "QZ Astrology Ormandel v1.25");
  EXPECT_EQ(f.size(), QSize(1000, 530));
  EXPECT_EQ(f.palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_FALSE(f.windowIcon().isNull());
}

TEST_F(frmDisplayTest, KeyControlsStandAtTheirDesignedPlaces) {
  frmDisplay& f = Form<frmDisplay>::Get();
  EXPECT_EQ(f.lblName->pos(), QPoint(24, 8));
  EXPECT_EQ(f.lblLongitude->pos(), QPoint(24, 176));
  EXPECT_EQ(f.fraWestern->geometry(), QRect(24, 224, 227, 200));
  EXPECT_EQ(f.fraVedic->geometry(), QRect(24, 448, 227, 75));
  EXPECT_EQ(f.Picture3->geometry(), QRect(268, 4, 450, 81));
  EXPECT_EQ(f.picNatal->geometry(), QRect(267, 93, 450, 431));
  EXPECT_EQ(f.Picture2->geometry(), QRect(736, 24, 249, 497));
  EXPECT_EQ(f.Label7->geometry().topLeft(), QPoint(808, 0));
  EXPECT_EQ(f.Planet[9]->pos(), QPoint(124, 173));
  EXPECT_EQ(f.PlanetName[13]->pos(), QPoint(10, 173));
  EXPECT_EQ(f.lblLagna->pos(), QPoint(124, 21));
  EXPECT_EQ(f.lblRashi->pos(), QPoint(124, 47));
  // House 1 just below the left end of the horizontal axis, house 10 at the top.
  EXPECT_EQ(f.lblNatal[0]->pos(), QPoint(64, 216));
  EXPECT_EQ(f.imgSign[0]->geometry(), QRect(19, 248, 20, 20));
  EXPECT_EQ(f.imgSign[9]->pos(), QPoint(168, 8));
  EXPECT_EQ(f.lblNatalPosition[0]->text(), "12");
  EXPECT_EQ(f.lblNatalPosition[0]->pos(), QPoint(24, 136));
  EXPECT_EQ(f.lblNatalPosition[1]->text(), "1");
  EXPECT_EQ(f.txtChakraPlanets[0]->geometry(), QRect(4, 48, 80, 67));
  EXPECT_EQ(f.txtChakraPlanets[11]->geometry(), QRect(158, 424, 80, 67));
  EXPECT_EQ(f.Image2[5]->geometry(), QRect(95, 437, 53, 53));
  for (std::size_t k = 0; k < 12; ++k) {
    EXPECT_EQ(f.lblNatal[k]->objectName(), QStringLiteral("lblNatal(%1)").arg(k));
    EXPECT_EQ(f.lblNatal[k]->parentWidget(), f.picNatal);
  }
}

TEST_F(frmDisplayTest, OnlyTheEightPositionRowsAndTwoDetailRowsShow) {
  frmDisplay& f = Form<frmDisplay>::Get();
  const QRect western = f.fraWestern->rect();
  const QStringList names{"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn"};
  for (int i = 0; i < 16; ++i) {
    const auto idx = static_cast<std::size_t>(i);
    const bool shownName = i <= 6 || i == 13;
    const bool shownValue = i <= 6 || i == 9;
    EXPECT_EQ(western.contains(f.PlanetName[idx]->geometry()), shownName) << "PlanetName " << i;
    EXPECT_EQ(western.contains(f.Planet[idx]->geometry()), shownValue) << "Planet " << i;
    EXPECT_TRUE(f.Planet[idx]->text().isEmpty());
    if (i <= 6) {
      EXPECT_EQ(f.PlanetName[idx]->text(), names[i]);
    }
  }
  EXPECT_EQ(f.PlanetName[13]->text(), "Asc");
  EXPECT_EQ(f.fraWestern->title(), "Planetary Positions");
  EXPECT_EQ(f.fraVedic->title(), "Other Details");
  EXPECT_EQ(f.Label1->text(), "Sun Sign");
  EXPECT_EQ(f.Label17->text(), "Moon Sign");
  EXPECT_TRUE(f.fraVedic->rect().contains(f.lblRashi->geometry()));
}

TEST_F(frmDisplayTest, LegendKeepsItsOddPictureNumberingWithNamesInZodiacOrder) {
  frmDisplay& f = Form<frmDisplay>::Get();
  const auto& signs = frmDisplay::SignNames();
  // Aries is picture 11 and Pisces picture 0; the others match their sign.
  const std::array<int, 12> pictureOfSign{11, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0};
  for (std::size_t s = 0; s < 12; ++s) {
    QLabel* name = f.Label8[s];
    QLabel* picture = f.Image1[static_cast<std::size_t>(pictureOfSign[s])];
    EXPECT_EQ(name->text(), signs[s]);
    EXPECT_EQ(name->objectName(), QStringLiteral("Label8(%1)").arg(s));
    // The name stands to the right of its picture on the same row.
    EXPECT_EQ(name->y(), picture->y()) << signs[s].toStdString();
    EXPECT_EQ(name->x(), picture->x() + 24) << signs[s].toStdString();
    EXPECT_EQ(picture->pixmap().toImage(), f.IMG.ListImages(static_cast<int>(s) + 1).toImage());
  }
  // Four columns of three rows: Aries, Taurus, Gemini down the first column.
  EXPECT_EQ(f.Image1[11]->pos(), QPoint(8, 8));
  EXPECT_EQ(f.Image1[1]->pos(), QPoint(8, 32));
  EXPECT_EQ(f.Image1[2]->pos(), QPoint(8, 56));
  EXPECT_EQ(f.Image1[3]->pos(), QPoint(112, 8));
  EXPECT_EQ(f.Image1[0]->pos(), QPoint(344, 56));
  EXPECT_EQ(f.Label8[0]->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

TEST_F(frmDisplayTest, FreshWindowShowsNatalHousesWithLibraInHouseOne) {
  frmDisplay& f = Form<frmDisplay>::Show();
  const auto labels = f.SignLabels();
  for (std::size_t k = 0; k < 12; ++k) {
    const std::size_t sign = (6 + k) % 12;
    EXPECT_EQ(f.lblNatal[k]->text(), "Natal");
    EXPECT_EQ(f.imgSign[k]->pixmap().toImage(),
              f.IMG.ListImages(static_cast<int>(sign) + 1).toImage());
    QLabel* signLabel = labels[sign];
    EXPECT_EQ(signLabel->text(), frmDisplay::SignNames()[sign]);
    EXPECT_TRUE(signLabel->isVisible());
    EXPECT_EQ(signLabel->objectName(), "lblNatal" + frmDisplay::SignNames()[sign]);
    // Just below the house label of its house.
    EXPECT_EQ(signLabel->x(), f.lblNatal[k]->x());
    EXPECT_GT(signLabel->y(), f.lblNatal[k]->y());
    EXPECT_LT(signLabel->y(), f.lblNatal[k]->y() + 25);
  }
  EXPECT_EQ(labels[0], f.lblNatalAries);
  EXPECT_EQ(labels[11], f.lblNatalPisces);
  for (std::size_t i = 0; i < 16; ++i) EXPECT_TRUE(f.Planet[i]->text().isEmpty());
  EXPECT_TRUE(f.lblLagna->text().isEmpty());
  EXPECT_TRUE(f.lblRashi->text().isEmpty());
  for (ChartTextBox* box : f.txtChakraPlanets) EXPECT_TRUE(box->text().isEmpty());
}

TEST_F(frmDisplayTest, ChakraPanelHasHeadingsTipsRowColoursAndEmblems) {
  frmDisplay& f = Form<frmDisplay>::Get();
  EXPECT_EQ(f.Label7->text(), "ORMANDEL");
  EXPECT_EQ(f.lblCaptions[0]->text(), "Emissive");
  EXPECT_EQ(f.lblCaptions[1]->text(), "CHAKRA");
  EXPECT_EQ(f.lblCaptions[2]->text(), "Receptive");
  EXPECT_TRUE(f.lblCaptions[0]->toolTip().startsWith("Refers to the energy that is being sent out"));
  EXPECT_TRUE(f.lblCaptions[2]->toolTip().startsWith("The Yin side of each chakra"));
  EXPECT_EQ(f.lblCaptions[1]->palette().color(QPalette::Window), QColor(128, 0, 0));
  EXPECT_EQ(f.lblCaptions[1]->palette().color(QPalette::WindowText), QColor(Qt::white));

  const QStringList names{"Ajna", "Vishuddha", "Anahata", "Manipura", "Swadistana", "Muladhara"};
  const std::array<QColor, 6> colours{QColor(255, 192, 255), QColor(192, 192, 255),
                                      QColor(192, 255, 255), QColor(192, 255, 192),
                                      QColor(255, 255, 192), QColor(255, 224, 192)};
  for (std::size_t m = 0; m < 6; ++m) {
    EXPECT_EQ(f.lblCaptions[3 + m]->text(), names[static_cast<int>(m)]);
    ChartTextBox* emissive = f.txtChakraPlanets[2 * m];
    ChartTextBox* receptive = f.txtChakraPlanets[2 * m + 1];
    EXPECT_EQ(emissive->palette().color(QPalette::Base), colours[m]);
    EXPECT_EQ(receptive->palette().color(QPalette::Base), colours[m]);
    EXPECT_LT(emissive->x(), receptive->x());
    EXPECT_EQ(emissive->y(), receptive->y());
    EXPECT_EQ(emissive->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_FALSE(f.Image2[m]->pixmap().isNull());
  }
}

TEST_F(frmDisplayTest, ChakraBoxKeepsItsTextExactlyAndShowsOneBodyPerLine) {
  frmDisplay& f = Form<frmDisplay>::Get();
  House house;
  house.placements = {{Body::Sun}, {Body::Mercury, 0.0, true}, {Body::Ascendant}};
  f.txtChakraPlanets[3]->ShowHouse(house);
  EXPECT_EQ(f.txtChakraPlanets[3]->text(), "\r\nSun\r\nMercury (R) \r\nAsc");
  EXPECT_EQ(f.txtChakraPlanets[3]->toPlainText(), "\nSun\nMercury (R) \nAsc");
  EXPECT_TRUE(f.txtChakraPlanets[3]->isReadOnly());
}

TEST_F(frmDisplayTest, ChakraBoxesNeitherTakeTheFocusUnaskedNorDrawATextCursor) {
  frmDisplay& f = Form<frmDisplay>::Show();
  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  ChartTextBox* first = f.txtChakraPlanets[0];
  EXPECT_NE(QApplication::focusWidget(), first);
  House house;
  house.placements = {{Body::Sun}, {Body::Ascendant}};
  first->ShowHouse(house);
  const QImage unfocused = first->grab().toImage();

  // A click still gives the box the focus, so the mouse can select and copy,
  // but the box looks the same as before: no caret.
  QTest::mouseClick(first->viewport(), Qt::LeftButton, {}, QPoint(30, 20));
  EXPECT_EQ(QApplication::focusWidget(), first);
  EXPECT_EQ(first->grab().toImage(), unfocused);
  EXPECT_EQ(first->text(), "\r\nSun\r\nAsc");
}

TEST_F(frmDisplayTest, PictureListIsNumberedFromOneAndKeyedBySign) {
  frmDisplay& f = Form<frmDisplay>::Get();
  ASSERT_EQ(f.IMG.Count(), 12);
  EXPECT_EQ(f.IMG.Key(1), "Aries");
  EXPECT_EQ(f.IMG.Key(12), "Pisces");
  EXPECT_EQ(f.IMG.ListImages("Leo").toImage(), f.IMG.ListImages(5).toImage());
  EXPECT_TRUE(f.IMG.ListImages(0).isNull());
  EXPECT_TRUE(f.IMG.ListImages(13).isNull());
  EXPECT_TRUE(f.IMG.ListImages("leo").isNull());
  // Different signs have different pictures.
  EXPECT_NE(f.IMG.ListImages(1).toImage(), f.IMG.ListImages(2).toImage());
}

TEST_F(frmDisplayTest, CloseBoxUnloadsTheWindow) {
  frmDisplay& f = Form<frmDisplay>::Show();
  f.close();
  EXPECT_FALSE(Form<frmDisplay>::IsLoaded());
}

struct Asset {
  const char* path;
  int width;
  int height;
};

TEST(PictureResources, EveryPictureLoadsAtItsSizeWithItsDoubleSizeVariant) {
  // Loading the window once registers the pictures.
  platform::LoadPicture(QStringLiteral(":/assets/icon.png"));
  std::vector<Asset> assets{{":/assets/wheel.png", 450, 431},
                            {":/assets/icon.png", 64, 64},
                            {":/assets/toolbar/new.png", 16, 16},
                            {":/assets/toolbar/save.png", 16, 16},
                            {":/assets/toolbar/print.png", 16, 16},
                            {":/assets/toolbar/help.png", 16, 16}};
  for (const QString& sign : frmDisplay::SignNames()) {
    static std::vector<std::string> keep;
    keep.push_back(":/assets/signs/" + sign.toLower().toStdString() + ".png");
    assets.push_back({keep.back().c_str(), 20, 20});
  }
  static const char* chakra[] = {":/assets/chakra/1.png", ":/assets/chakra/2.png",
                                 ":/assets/chakra/3.png", ":/assets/chakra/4.png",
                                 ":/assets/chakra/5.png", ":/assets/chakra/6.png"};
  for (const char* path : chakra) assets.push_back({path, 40, 40});

  for (const Asset& a : assets) {
    const QString path = QString::fromLatin1(a.path);
    QPixmap picture(path);
    ASSERT_FALSE(picture.isNull()) << a.path;
    EXPECT_EQ(picture.size(), QSize(a.width, a.height)) << a.path;
    QString doubled = path;
    doubled.replace(".png", "@2x.png");
    QPixmap big(doubled);
    ASSERT_FALSE(big.isNull()) << doubled.toStdString();
    EXPECT_EQ(big.size(), QSize(2 * a.width, 2 * a.height)) << doubled.toStdString();
  }
}

}  // namespace
