#include "windows/modSaveForm.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <QPixmap>
#include <QWidget>

#include "chart/ChartFile.h"
#include "windows/frmDisplay.h"
#include "platform/Forms.h"
#include "platform/Services.h"

QImage SnapWindowPicture(QWidget& window, bool clientArea, int left, int top, int width,
                         int height) {
  if (width <= 0 || height <= 0) return QImage();
  QWidget& source = clientArea ? window : *window.window();
  return source.grab(QRect(left, top, width, height)).toImage();
}

QImage SnapFormPicture(QWidget& form) {
  const QSize client = form.contentsRect().size();
  return SnapWindowPicture(form, true, 0, 0, client.width(), client.height());
}

QString TimeStampName(bool shortForm) {
  const QString stamp =
      platform::Service<platform::IClock>().Now().toString(QStringLiteral("yyyyMMddhhmmsszzz"));
  return shortForm ? stamp.left(8) : stamp;
}

void SplitPath(const QString& path, QString& folder, QString& file) {
  const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
  if (slash < 0) return;
  folder = path.left(slash);
  file = path.mid(slash + 1);
}

bool FileExists(const QString& path) { return QFileInfo(path).isFile(); }

QString UniqueJpegPath(QString folder, QString file) {
  if (folder.isEmpty()) folder = QCoreApplication::applicationDirPath();
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  while (folder.contains(QStringLiteral("//"))) folder.replace(QStringLiteral("//"), QStringLiteral("/"));

  if (file.isEmpty()) {
    file = TimeStampName(true) + QStringLiteral(".jpg");
  } else if (file.contains(QLatin1Char('.'))) {
    file.replace(QStringLiteral(".bmp"), QStringLiteral(".jpg"));
  } else {
    file += QStringLiteral(".jpg");
  }

  if (!FileExists(folder + file)) return folder + file;
  for (int n = 1; n <= 999; ++n) {
    QString candidate = file;
    candidate.replace(QLatin1Char('.'), QStringLiteral("_%1.").arg(n, 3, 10, QLatin1Char('0')));
    if (!FileExists(folder + candidate)) return folder + candidate;
  }
  platform::MsgBox(QStringLiteral("There are too many Copies of this file  ") + file,
                   platform::MsgButtons::OK, platform::MsgIcon::Critical,
                   QStringLiteral(" UNABLE  TO  CREATE  NEW  FILE") + file);
  return QString();
}

void TellCannotWrite(const QString& path, const QString& reason) {
  platform::MsgBox(CannotWriteMessage(path, reason), platform::MsgButtons::OK, platform::MsgIcon::Critical);
}

bool WriteWholeFileOrTell(const QString& path, const QByteArray& bytes) {
  QString reason;
  if (WriteWholeFile(path, bytes, &reason)) return true;
  TellCannotWrite(path, reason);
  return false;
}

QString DocumentDialogProposal(const QString& lastChosen, const QString& extension) {
  if (lastChosen.isEmpty()) return QString();
  QString name = lastChosen;
  const qsizetype nameStart = name.lastIndexOf(QLatin1Char('/')) + 1;
  for (const QLatin1String documentExtension : {QLatin1String(".kdw"), QLatin1String(".txt")}) {
    if (name.size() - nameStart > documentExtension.size() &&
        name.endsWith(documentExtension, Qt::CaseInsensitive)) {
      name.chop(documentExtension.size());
      break;
    }
  }
  return name + QLatin1Char('.') + extension;
}

namespace {

// The chosen path with everything from the first dot of its file name on
// replaced by ".jpg"; dots in folder names are kept.
QString JpegName(const QString& chosen) {
  const qsizetype nameStart = chosen.lastIndexOf(QLatin1Char('/')) + 1;
  const qsizetype dot = chosen.indexOf(QLatin1Char('.'), nameStart);
  return (dot < 0 ? chosen : chosen.left(dot)) + QStringLiteral(".jpg");
}

// The picture as JPEG bytes at the best quality; the empty array (after telling
// the user) when it cannot be encoded.
QByteArray JpegBytes(const QImage& picture, const QString& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpg");
  writer.setQuality(JpegQuality);
  if (picture.isNull() || !writer.write(picture)) {
    const QString reason = picture.isNull() ? QStringLiteral("there is no picture to save")
                                            : writer.errorString();
    TellCannotWrite(path, reason);
    return QByteArray();
  }
  return bytes;
}

}  // namespace

QString SavePictureAsJpeg(const QImage& picture, const QString& fileName) {
  QString folder;
  QString file;
  SplitPath(JpegName(fileName), folder, file);
  const QString target = UniqueJpegPath(folder, file);
  if (target.isEmpty()) return QString();
  // The file appears only when it is complete, and no other file is left behind.
  const QByteArray bytes = JpegBytes(picture, target);
  if (bytes.isEmpty() || !WriteWholeFileOrTell(target, bytes)) return QString();
  return target;
}

void SaveChartAsJpeg(const QString& fileName) {
  // The chart window as it stands now, rendered afresh when the user saves it.
  SavePictureAsJpeg(SnapFormPicture(platform::Form<frmDisplay>::Get()), fileName);
}
