#include "platform/Style.h"

#include <QApplication>
#include <QIcon>
#include <QProxyStyle>
#include <QStyleOption>

#include "platform/Pictures.h"

namespace platform {

namespace {

QIcon ExtensionPicture(const char* direction, std::initializer_list<int> sizes) {
  QIcon icon;
  for (int size : sizes) {
    const QPixmap picture = LoadPicture(
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-%1-%2.png")
            .arg(QLatin1String(direction))
            .arg(size));
    if (!picture.isNull()) icon.addPixmap(picture);
  }
  return icon;
}

// Whether style is Qt's own Fusion or Windows style.
bool IsQtOwn(const QStyle* style) {
  const QString name = style ? style->name().toLower() : QString();
  return name == QLatin1String("fusion") || name == QLatin1String("windows");
}

class QuickPictureStyle final : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  QIcon standardIcon(StandardPixmap standard, const QStyleOption* option, const QWidget* widget) const override {
    const bool rightToLeft =
        (option ? option->direction : QGuiApplication::layoutDirection()) == Qt::RightToLeft;
    QIcon icon;
    if (!IsQtOwn(baseStyle())) {
      // Another style may draw these buttons its own way.
    } else if (standard == SP_ToolBarHorizontalExtensionButton) {
      icon = ExtensionPicture(rightToLeft ? "h-rtl" : "h", {8, 16, 32});
    } else if (standard == SP_ToolBarVerticalExtensionButton) {
      icon = ExtensionPicture("v", {5, 10, 20});
    }
    return icon.isNull() ? QProxyStyle::standardIcon(standard, option, widget) : icon;
  }
};

}  // namespace

bool QtOwnStyle() {
  const QStyle* style = QApplication::style();
  if (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) style = proxy->baseStyle();
  return IsQtOwn(style);
}

void InstallStyle() {
  if (dynamic_cast<QuickPictureStyle*>(QApplication::style())) return;
  QApplication::setStyle(new QuickPictureStyle(QApplication::style()->name()));
}

}  // namespace platform
