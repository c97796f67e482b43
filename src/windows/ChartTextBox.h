// The text box of a chakra row.
#pragma once

#include <QPlainTextEdit>
#include <QString>

// A multi-line text box with a vertical scroll bar whose text() returns exactly
// what setText() stored (line breaks written as carriage return and line feed
// stay that way), while the box shows one body per line, fitted to the box as
// FitChakraBox answers.
class ChartTextBox : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit ChartTextBox(QWidget* parent = nullptr);
  void setText(const QString& text);
  QString text() const { return text_; }

 private:
  QString text_;
};
