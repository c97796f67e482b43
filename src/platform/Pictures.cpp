#include "platform/Pictures.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>

// Registering twice is harmless; it keeps the compiled-in pictures linked into
// any program that shows one of them. (The resource's initialiser is declared at
// global scope, so this cannot sit in a namespace.)
static void RegisterPictures() { Q_INIT_RESOURCE(assets); }

namespace {

QString DoubleSizePath(const QString& path) {
  return QString(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
}

// The picture files and icons decoded so far in this run, by file. The windows
// are built afresh on every load; they share these instead of decoding the same
// PNGs again. Emptied when the application object goes, as pixmaps must not
// outlive it.
struct Decoded {
  QHash<QString, QPixmap> files;
  QHash<QString, QIcon> icons;
};

Decoded& DecodedPictures() {
  static Decoded* decoded = [] {
    qAddPostRoutine([] {
      DecodedPictures().files.clear();
      DecodedPictures().icons.clear();
    });
    return new Decoded;
  }();
  return *decoded;
}

// One picture file, decoded once a run; a null pixmap when there is none. A file
// named "…@2x.png" is decoded at a device pixel ratio of two. The pictures are
// PNGs: read as such, Qt does not first load every image-format plugin it has
// to ask whether one of them reads the file.
QPixmap DecodedFile(const QString& file) {
  QHash<QString, QPixmap>& files = DecodedPictures().files;
  auto found = files.constFind(file);
  if (found == files.constEnd()) {
    QImageReader reader(file, "png");
    reader.setAutoDetectImageFormat(false);
    found = files.insert(file, QPixmap::fromImage(reader.read()));
  }
  return *found;
}

// An icon of the decoded pictures. Built from the pixmaps rather than from the
// file names, so Qt does not read and probe the files again; the icon holds the
// same pictures at the same sizes.
QIcon IconOf(std::initializer_list<QString> files) {
  QIcon icon;
  for (const QString& file : files) {
    const QPixmap picture = DecodedFile(file);
    if (!picture.isNull()) icon.addPixmap(picture);
  }
  return icon;
}

}  // namespace

namespace platform {

QPixmap LoadPicture(const QString& path) {
  RegisterPictures();
  if (qApp && qApp->devicePixelRatio() > 1.5) {
    QPixmap picture = DecodedFile(DoubleSizePath(path));
    if (!picture.isNull()) {
      picture.setDevicePixelRatio(2.0);
      return picture;
    }
  }
  return DecodedFile(path);
}

QIcon LoadIcon(const QString& path) {
  RegisterPictures();
  QHash<QString, QIcon>& icons = DecodedPictures().icons;
  auto found = icons.constFind(path);
  if (found == icons.constEnd()) found = icons.insert(path, IconOf({path, DoubleSizePath(path)}));
  return *found;
}

QIcon ProgramIcon() {
  RegisterPictures();
  QHash<QString, QIcon>& icons = DecodedPictures().icons;
  const QString key = QStringLiteral("program");
  auto found = icons.constFind(key);
  if (found == icons.constEnd()) found = icons.insert(key, IconOf({QStringLiteral(":/assets/icon.png")}));
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
