// The text box of a chakra row.
#pragma once

#include <QPlainTextEdit>
#include <QString>

#include "chart/ChartData.h"

// A multi-line text box with a vertical scroll bar that shows a house's list:
// text() returns the list as written (a line break, carriage return and line
// feed, before each body), while the box shows one body per line, fitted to the
// box as FitChakraBox answers.
class ChartTextBox : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit ChartTextBox(QWidget* parent = nullptr);
  void ShowHouse(const House& house);
  QString text() const { return text_; }

 private:
  QString text_;
};
