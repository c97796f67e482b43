#include "platform/Pictures.h"

#include <QGuiApplication>

// Registering twice is harmless; it keeps the compiled-in pictures linked into
// any program that shows one of them. (The resource's initialiser is declared at
// global scope, so this cannot sit in a namespace.)
static void RegisterPictures() { Q_INIT_RESOURCE(assets); }

namespace {

QString DoubleSizePath(const QString& path) {
  return QString(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
}

}  // namespace

namespace platform {

QPixmap LoadPicture(const QString& path) {
  RegisterPictures();
  if (qApp && qApp->devicePixelRatio() > 1.5) {
    QPixmap picture(DoubleSizePath(path));
    if (!picture.isNull()) {
      picture.setDevicePixelRatio(2.0);
      return picture;
    }
  }
  return QPixmap(path);
}

QIcon LoadIcon(const QString& path) {
  RegisterPictures();
  QIcon icon(path);
  icon.addFile(DoubleSizePath(path));
  return icon;
}

QIcon ProgramIcon() {
  RegisterPictures();
  return QIcon(QStringLiteral(":/assets/icon.png"));
}

}  // namespace platform

void PictureList::Add(const QString& key, const QPixmap& picture) {
  pictures_.push_back(picture);
  keys_.push_back(key);
}

QPixmap PictureList::ListImages(int number) const {
  if (number < 1 || number > Count()) return QPixmap();
  return pictures_[static_cast<std::size_t>(number - 1)];
}

QPixmap PictureList::ListImages(const QString& key) const {
  const int index = static_cast<int>(keys_.indexOf(key));
  return index < 0 ? QPixmap() : ListImages(index + 1);
}

QString PictureList::Key(int number) const {
  if (number < 1 || number > Count()) return QString();
  return keys_[number - 1];
}
