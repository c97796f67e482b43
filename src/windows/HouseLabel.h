// A house label of the chart wheel.
#pragma once

#include <QFont>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <optional>

#include "chart/ChartData.h"
#include "chart/WheelLayout.h"

// A house label of the wheel. Its text is the house's list, a line break before
// each body. The label shows the list as the wheel's layout answers for the
// house's body names (LayOutHouse): as written from the house's list place
// while that keeps inside the house, otherwise moved or flowed through the
// house in a smaller font, and takes the room that answer needs.
class HouseLabel : public QLabel {
  Q_OBJECT
 public:
  // house: 0 for house 1; numberFont: the font of the wheel's house numbers,
  // which the list keeps clear of.
  HouseLabel(QWidget* wheel, int house, const QFont& numberFont);
  // Shows the list of a chart's house and gives the label the room it needs.
  void ShowHouse(const House& house);
  // Shows a text that is no list of bodies (what a fresh window shows until its
  // first chart) exactly as written from the house's list place.
  void ShowPlaceholder(const QString& text);
  // The layout of the body names the label shows, in its font.
  const HouseLayout& Layout() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The layout worked out for one list of names and font, kept for the paints that
  // follow (the window and its pictures draw it again).
  struct Cached {
    QString text;
    QStringList names;
    QFont font;
    HouseLayout layout;
  };

  int house_;
  QFont numberFont_;
  QStringList names_;
  mutable std::optional<Cached> layout_;
};
