// The chart window: birth data, planetary positions, Sun and Moon signs, the sign
// legend, the twelve-house wheel and the six chakra rows. It is the one child
// window of the main window and also carries the chart between the program's
// steps: the chart run writes its house, sign and position labels, the chakra
// boxes are filled from the house labels and read by the report.
//
// Every control is a public member named by its control name; control arrays are
// std::array indexed from 0 (objectName "lblNatal(3)").
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <array>

#include "platform/Pictures.h"
#include "windows/ChartTextBox.h"
#include "windows/HouseLabel.h"


class QGroupBox;
class QCloseEvent;

class frmDisplay : public QWidget {
  Q_OBJECT
 public:
  frmDisplay();
  void Form_Load();

  // Decodes the pictures this window shows into the once-a-run cache, without
  // building the window.
  static void PrepareLooks();

  // The sign names Aries .. Pisces, in the order of the picture list.
  static const std::array<QString, 12>& SignNames();
  // The twelve hidden sign labels in sign order, Aries first.
  std::array<QLabel*, 12> SignLabels() const;

  // Left column: outlines and birth data.
  std::array<QWidget*, 3> Shape1{};
  QLabel* lblName = nullptr;
  QLabel* lblCity = nullptr;
  QLabel* lblState = nullptr;
  QLabel* lblCountry = nullptr;
  QLabel* lblDOB = nullptr;
  QLabel* lblTOB = nullptr;
  QLabel* lblLatitude = nullptr;
  QLabel* lblLongitude = nullptr;

  // "Planetary Positions": rows 0..6 (Sun..Saturn) and the ascendant row, whose
  // name is PlanetName(13) and whose value is Planet(9).
  QGroupBox* fraWestern = nullptr;
  std::array<QLabel*, 16> PlanetName{};
  std::array<QLabel*, 16> Planet{};

  // "Other Details".
  QGroupBox* fraVedic = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label17 = nullptr;
  QLabel* lblLagna = nullptr;  // Sun sign
  QLabel* lblRashi = nullptr;  // Moon sign

  // Sign legend.
  QWidget* Picture3 = nullptr;
  std::array<QLabel*, 12> Image1{};
  std::array<QLabel*, 12> Label8{};

  // The wheel.
  QLabel* picNatal = nullptr;
  std::array<HouseLabel*, 12> lblNatal{};      // house k+1
  std::array<QLabel*, 12> lblNatalPosition{};  // index 0 is house 12's number
  std::array<QLabel*, 12> imgSign{};           // picture of house k+1
  QLabel* lblNatalAries = nullptr;
  QLabel* lblNatalTaurus = nullptr;
  QLabel* lblNatalGemini = nullptr;
  QLabel* lblNatalCancer = nullptr;
  QLabel* lblNatalLeo = nullptr;
  QLabel* lblNatalVirgo = nullptr;
  QLabel* lblNatalLibra = nullptr;
  QLabel* lblNatalScorpio = nullptr;
  QLabel* lblNatalSagittarius = nullptr;
  QLabel* lblNatalCapricorn = nullptr;
  QLabel* lblNatalAquarius = nullptr;
  QLabel* lblNatalPisces = nullptr;

  // Images 1..12 = Aries..Pisces.
  PictureList IMG;

  // Chakra panel.
  QLabel* Label7 = nullptr;
  QWidget* Picture2 = nullptr;
  std::array<QLabel*, 9> lblCaptions{};
  std::array<ChartTextBox*, 12> txtChakraPlanets{};
  std::array<QLabel*, 6> Image2{};

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildLeftColumn();
  void BuildLegend();
  void BuildWheel();
  void BuildChakraPanel();
  void ShowInitialChart();
};
