#include "windows/ChartTextBox.h"

#include <QScrollBar>
#include <QTextDocument>

#include "chart/WheelLayout.h"

ChartTextBox::ChartTextBox(QWidget* parent) : QPlainTextEdit(parent) {
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setFrameShape(QFrame::Box);
  setFrameShadow(QFrame::Plain);
  // Only the chart fills the chakra boxes; the user may select with the mouse and
  // copy. Without keyboard selection the box draws no text cursor, and it takes
  // the focus only when clicked, so neither the window nor its snapshot ever
  // shows a caret blinking in the first box.
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  setFocusPolicy(Qt::ClickFocus);
}

void ChartTextBox::ShowHouse(const House& house) {
  text_ = HouseText(house);
  const QSize room(width() - 2 * frameWidth() - verticalScrollBar()->sizeHint().width(), height() - 2 * frameWidth());
  const ChakraBoxFit fit = FitChakraBox(PlacementTexts(house), font(), room);
  document()->setDefaultFont(fit.font);
  document()->setDocumentMargin(fit.margin);
  setPlainText(fit.lines.join(QLatin1Char('\n')));
}
