// The chart picture: a window rendered into an image, and the JPEG writer that
// saves the chart window's picture under a name that never overwrites an
// existing file (chart.jpg, then chart_001.jpg .. chart_999.jpg).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QWidget;

// JPEG quality of saved pictures, on the 0..100 scale: the best.
inline constexpr int JpegQuality = 100;

// The window's client area rendered into an image. Rendering the window itself
// (not copying the screen) keeps any window that covers it out of the picture.
QImage SnapFormPicture(QWidget& form);

// Part of a window rendered into an image: (left, top, width, height) in pixels
// of the client area, or of the whole top-level window when clientArea is false.
QImage SnapWindowPicture(QWidget& window, bool clientArea, int left, int top, int width,
                         int height);

// Saves the chart window, rendered as it is at this moment, for the name chosen
// in the picture dialog: the extension of the file name is replaced by ".jpg" and the first free
// numbered name is taken. Tells the user when nothing can be written.
void SaveChartAsJpeg(const QString& fileName);

// Saves picture as SaveChartAsJpeg does. The path written, or the empty text when
// nothing was written.
QString SavePictureAsJpeg(const QImage& picture, const QString& fileName);

// The path to write: folder + file, or the first free numbered variant of the
// file; the empty text (after telling the user) when all 999 are taken. An empty
// folder is the program's own folder; an empty file the short time stamp.
QString UniqueJpegPath(QString folder, QString file);

// The local time as 17 digits (year, month, day, hour, minute, second,
// millisecond), or its first 8 (the date) when shortForm is true.
QString TimeStampName(bool shortForm);

// Splits path at its last "/" into the folder (without that "/") and the file
// name; a path without "/" leaves folder and file unchanged.
void SplitPath(const QString& path, QString& folder, QString& file);

// True when path names an existing ordinary file (folders do not count).
bool FileExists(const QString& path);

// The name a document's save dialog proposes: the name last chosen in the Save
// As or Export dialog with this dialog's own extension (no dot) in place of
// either document's extension ("anna.kdw" becomes "anna.txt" for the export), so
// that accepting a proposal never replaces the other kind of document. Empty
// when nothing was chosen yet.
QString DocumentDialogProposal(const QString& lastChosen, const QString& extension);

// Writes bytes as the whole file at path (see WriteWholeFile); when that fails,
// tells the user which file could not be written and why, and returns false.
bool WriteWholeFileOrTell(const QString& path, const QByteArray& bytes);
