#include "platform/Pictures.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>

// Registering twice is harmless; it keeps the compiled-in pictures linked into
// any program that shows one of them. (The resource's initialiser is declared at
// global scope, so this cannot sit in a namespace.)
static void RegisterPictures() { Q_INIT_RESOURCE(assets); }

namespace {

QString DoubleSizePath(const QString& path) {
  return QString(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
}

// The pictures and icons decoded so far in this run. The windows are built
// afresh on every load; they share these instead of decoding the same PNGs
// again. Emptied when the application object goes, as pixmaps must not
// outlive it.
struct Decoded {
  QHash<QString, QPixmap> pictures;
  QHash<QString, QIcon> icons;
};

Decoded& DecodedPictures() {
  static Decoded* decoded = [] {
    qAddPostRoutine([] {
      DecodedPictures().pictures.clear();
      DecodedPictures().icons.clear();
    });
    return new Decoded;
  }();
  return *decoded;
}

QPixmap DecodePicture(const QString& path) {
  if (qApp && qApp->devicePixelRatio() > 1.5) {
    QPixmap picture(DoubleSizePath(path));
    if (!picture.isNull()) {
      picture.setDevicePixelRatio(2.0);
      return picture;
    }
  }
  return QPixmap(path);
}

}  // namespace

namespace platform {

QPixmap LoadPicture(const QString& path) {
  RegisterPictures();
  // The key tells the double-size variant apart, for screens that change scale.
  const bool doubleSize = qApp && qApp->devicePixelRatio() > 1.5;
  const QString key = (doubleSize ? QStringLiteral("2x:") : QStringLiteral("1x:")) + path;
  QHash<QString, QPixmap>& pictures = DecodedPictures().pictures;
  auto found = pictures.constFind(key);
  if (found == pictures.constEnd()) found = pictures.insert(key, DecodePicture(path));
  return *found;
}

QIcon LoadIcon(const QString& path) {
  RegisterPictures();
  QHash<QString, QIcon>& icons = DecodedPictures().icons;
  auto found = icons.constFind(path);
  if (found == icons.constEnd()) {
    QIcon icon(path);
    icon.addFile(DoubleSizePath(path));
    found = icons.insert(path, icon);
  }
  return *found;
}

QIcon ProgramIcon() {
  RegisterPictures();
  QHash<QString, QIcon>& icons = DecodedPictures().icons;
  const QString key = QStringLiteral("program");
  auto found = icons.constFind(key);
  if (found == icons.constEnd()) found = icons.insert(key, QIcon(QStringLiteral(":/assets/icon.png")));
  return *found;
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
