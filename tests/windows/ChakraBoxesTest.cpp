// The chakra boxes take the houses in their mirrored pairs, text unchanged.
#include <gtest/gtest.h>

#include <QLabel>

#include "windows/frmDisplay.h"
#include "windows/modOrmandel_ChakraBoxes.h"
#include "platform/Forms.h"
#include "support/Doubles.h"

namespace {

using platform::Form;

class ChakraBoxesTest : public testing_doubles::WindowTest {};

TEST_F(ChakraBoxesTest, EveryBoxTakesItsHouse) {
  frmDisplay& f = Form<frmDisplay>::Get();
  for (int house = 1; house <= 12; ++house) {
    f.lblNatal[static_cast<std::size_t>(house - 1)]->setText(QStringLiteral("\r\nHouse%1").arg(house));
  }
  FillChakraBoxes();
  // Emissive column (even boxes) houses 2..7, receptive column houses 1, 12, 11, 10, 9, 8.
  const std::array<int, 12> expected{2, 1, 3, 12, 4, 11, 5, 10, 6, 9, 7, 8};
  for (std::size_t box = 0; box < 12; ++box) {
    EXPECT_EQ(f.txtChakraPlanets[box]->text(), QStringLiteral("\r\nHouse%1").arg(expected[box]))
        << "box " << box;
  }
  EXPECT_EQ(ChakraBoxHouses, expected);
}

TEST_F(ChakraBoxesTest, TextIsCopiedUnchangedAndEmptyHousesGiveEmptyBoxes) {
  frmDisplay& f = Form<frmDisplay>::Get();
  for (QLabel* house : f.lblNatal) house->setText(QString());
  const QString first = QStringLiteral("\r\nSun\r\nMercury (R) \r\nAsc");
  f.lblNatal[0]->setText(first);
  f.lblNatal[1]->setText(QStringLiteral("\r\nmoon"));
  FillChakraBoxes();
  EXPECT_EQ(f.txtChakraPlanets[1]->text(), first);
  EXPECT_EQ(f.txtChakraPlanets[0]->text(), "\r\nmoon");
  for (std::size_t box = 2; box < 12; ++box) EXPECT_TRUE(f.txtChakraPlanets[box]->text().isEmpty());
}

TEST_F(ChakraBoxesTest, ASecondChartLeavesNoTraceOfTheFirst) {
  frmDisplay& f = Form<frmDisplay>::Get();
  for (QLabel* house : f.lblNatal) house->setText(QStringLiteral("\r\nSaturn"));
  FillChakraBoxes();
  for (QLabel* house : f.lblNatal) house->setText(QString());
  f.lblNatal[6]->setText(QStringLiteral("\r\nVenus"));
  FillChakraBoxes();
  for (std::size_t box = 0; box < 12; ++box) {
    EXPECT_EQ(f.txtChakraPlanets[box]->text(), box == 10 ? QString("\r\nVenus") : QString());
  }
}

TEST_F(ChakraBoxesTest, LoadsTheChartWindowWhenNeeded) {
  ASSERT_FALSE(Form<frmDisplay>::IsLoaded());
  FillChakraBoxes();
  ASSERT_TRUE(Form<frmDisplay>::IsLoaded());
  // A fresh window's houses read "Natal", and so do the boxes after the copy.
  for (ChartTextBox* box : Form<frmDisplay>::Get().txtChakraPlanets) EXPECT_EQ(box->text(), "Natal");
}

}  // namespace
