// The program's pictures, compiled into the platform library from assets/: the
// twelve sign glyphs, the wheel, the chakra emblems, the toolbar pictures and the
// icon. Every window takes them from here, so they are registered once wherever
// a window is linked.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <vector>

namespace platform {

// A picture of the program's resources (":/assets/…"), in its double-size
// variant on screens that scale by two or more. Each picture is decoded once a
// run and shared by every window that shows it.
QPixmap LoadPicture(const QString& path);

// The icon of a picture with its double-size variant, for scaled screens; made
// once a run, like the program's own icon.
QIcon LoadIcon(const QString& path);

// The program's own icon.
QIcon ProgramIcon();

}  // namespace platform

// A list of pictures numbered from 1, each with a key (the sign glyphs "Aries" ..
// "Pisces" of the chart window).
class PictureList {
 public:
  void Add(const QString& key, const QPixmap& picture);
  int Count() const { return static_cast<int>(pictures_.size()); }
  // Image by number, 1 .. Count(); a null pixmap outside that range.
  QPixmap ListImages(int number) const;
  // Image by key, compared exactly; a null pixmap for an unknown key.
  QPixmap ListImages(const QString& key) const;
  QString Key(int number) const;

 private:
  std::vector<QPixmap> pictures_;
  QStringList keys_;
};
