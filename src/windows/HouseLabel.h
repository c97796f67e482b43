// A house label of the chart wheel.
#pragma once

#include <QFont>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <optional>

#include "chart/WheelLayout.h"

// A house label of the wheel. Its text is the list the chart run wrote, a line
// break before each body. The label shows the list as the wheel's layout
// answers for its house (LayOutHouse): as written from the house's list place
// while that keeps inside the house, otherwise moved or flowed through the
// house in a smaller font, and takes the room that answer needs.
class HouseLabel : public QLabel {
  Q_OBJECT
 public:
  // house: 0 for house 1; numberFont: the font of the wheel's house numbers,
  // which the list keeps clear of.
  HouseLabel(QWidget* wheel, int house, const QFont& numberFont);
  // Writes the list and gives the label the room it needs. Written through a
  // plain QLabel pointer the label keeps its room and draws the list's layout
  // inside that.
  void setText(const QString& text);
  // Shows a text that is no list of bodies (what a fresh window shows until its
  // first chart) exactly as written from the house's list place.
  void ShowPlaceholder(const QString& text);
  // The layout of the list the label holds, in its font.
  const HouseLayout& Layout() const;

  // The lines of a house's list as the layout reads them: line breaks written
  // as carriage return and line feed, blanks round each name dropped.
  static QStringList ListLines(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The layout worked out for one text and font, kept for the paints that
  // follow (the window and its pictures draw it again).
  struct Cached {
    QString text;
    QFont font;
    HouseLayout layout;
  };

  int house_;
  QFont numberFont_;
  mutable std::optional<Cached> layout_;
};
