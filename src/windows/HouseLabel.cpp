#include "windows/HouseLabel.h"

#include <QPainter>
#include <QPalette>

#include "chart/WheelGeometry.h"

HouseLabel::HouseLabel(QWidget* wheel, int house, const QFont& numberFont)
    : QLabel(wheel), house_(house), numberFont_(numberFont) {
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setGeometry(HouseLabelRoom(house_, HouseLayout{}));
}

void HouseLabel::ShowHouse(const House& house) {
  names_ = PlacementTexts(house);
  QLabel::setText(HouseText(house));
  setGeometry(HouseLabelRoom(house_, Layout()));
}

void HouseLabel::ShowPlaceholder(const QString& text) {
  names_.clear();
  QLabel::setText(text);
  layout_ = Cached{text, names_, font(), HouseLayout{}};
  setGeometry(HouseLabelRoom(house_, layout_->layout));
}

const HouseLayout& HouseLabel::Layout() const {
  if (!layout_ || layout_->text != text() || layout_->names != names_ || layout_->font != font()) {
    layout_ = Cached{text(), names_, font(), LayOutHouse(house_, names_, font(), numberFont_)};
  }
  return layout_->layout;
}

void HouseLabel::paintEvent(QPaintEvent* event) {
  const HouseLayout& layout = Layout();
  // A list that keeps its written place is drawn as any label draws its text.
  if (layout.asWritten && pos() == wheel::kHouseSpots[static_cast<std::size_t>(house_)].list) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.setFont(layout.font);
  for (const PlacedName& placed : layout.names) painter.drawText(placed.baseline - QPointF(pos()), placed.name);
}
