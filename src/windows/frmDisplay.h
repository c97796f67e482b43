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
#include <QPoint>
#include <QPointF>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <optional>

#include "platform/Pictures.h"
#include <vector>


class QGroupBox;
class QCloseEvent;

// A multi-line text box with a vertical scroll bar whose text() returns exactly
// what setText() stored (line breaks written as carriage return and line feed
// stay that way), while the box shows one body per line.
class ChartTextBox : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit ChartTextBox(QWidget* parent = nullptr);
  void setText(const QString& text);
  QString text() const { return text_; }

 private:
  bool FitLines(const QStringList& lines);
  QStringList PairedLines(const QStringList& lines) const;

  QString text_;
};

// A house label of the wheel. Its text is the list the chart run wrote, a line
// break before each body. The label shows the list as written, from its place,
// while every line stays inside the house; a list that would run over the
// house's edges is laid out anew over the whole house: the names flow side by
// side from its top, line by line within its edges, in the largest of a few font
// sizes that holds them all.
class HouseLabel : public QLabel {
  Q_OBJECT
 public:
  // house: 0 for house 1; place: the top-left corner of the list as written.
  HouseLabel(QWidget* wheel, int house, const QPoint& place);
  // Writes the list and gives the label the room it needs. Written through a
  // plain QLabel pointer the label keeps its room and fits the list into that.
  void setText(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void PlaceFor(const QString& text);
  bool FitsAsWritten(const QString& text) const;
  // Where each name starts (its baseline, in the label's coordinates) when the
  // names flow through the house in this font; fewer places than names when they
  // do not all fit.
  std::vector<QPointF> Flow(const QStringList& names, const QFont& font) const;

  // How the list is drawn, worked out for one text, geometry and font and kept
  // for the paints that follow (the window and its snapshots draw it again).
  struct Layout {
    QString text;
    QRect geometry;
    QFont font;
    bool asWritten;
    QFont flowFont;             // when not as written: the names in this font
    QStringList names;          // ... at these baselines
    std::vector<QPointF> places;
  };
  const Layout& CurrentLayout() const;

  int house_;
  QPoint place_;
  mutable std::optional<Layout> layout_;
};

class frmDisplay : public QWidget {
  Q_OBJECT
 public:
  frmDisplay();
  void Form_Load();

  // Decodes the pictures and loads the fonts this window shows into the
  // once-a-run caches, without building the window.
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
