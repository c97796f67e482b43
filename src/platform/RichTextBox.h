// The rich-text box: a formatted text the program writes run by run, searches,
// prints, and whose web addresses it can show as clickable links. It wraps one
// Qt text editor; nothing else in the program talks to that editor directly.
//
// Positions are zero-based character positions in the plain text, where each line
// break counts as one character.
#pragma once

#include <QColor>
#include <QEvent>
#include <QString>
#include <QTextCharFormat>
#include <QWidget>
#include <functional>
#include <vector>

class QPaintDevice;
class QPrinter;
class QTextEdit;

class RichTextBox : public QWidget {
  Q_OBJECT

 public:
  explicit RichTextBox(QWidget* parent = nullptr);

  // Replaces the whole content with plain text; the insertion point goes to the
  // start. An empty text clears the box.
  void SetText(const QString& text);
  // The whole content as plain text; line breaks read back as "\n".
  QString Text() const;

  // The selection. Setting the start collapses the selection there; setting the
  // length selects that many characters from the start (0 collapses it).
  int SelStart() const;
  void SetSelStart(int start);
  int SelLength() const;
  void SetSelLength(int length);

  // Bold, colour and point size of the selection; with nothing selected they
  // apply to the text inserted next.
  bool SelBold() const;
  void SetSelBold(bool bold);
  QColor SelColor() const;
  void SetSelColor(const QColor& color);
  double SelFontSize() const;
  void SetSelFontSize(double points);

  // Inserts text at the insertion point, replacing the selection; the insertion
  // point then stands after it, so successive insertions append. A line break may
  // be written as "\r\n", "\r" or "\n".
  void SetSelText(const QString& text);

  // A piece of text in one style, for WriteRuns.
  struct StyledRun {
    QString text;
    double pointSize = 0;  // 0 or less keeps the size of the run before
    bool bold = false;
    QColor colour;
  };
  // Replaces the whole content with the runs, each in its style: the same text
  // and formats as SetText("") followed, run by run, by SetSelFontSize,
  // SetSelBold, SetSelColor and SetSelText, written in one edit and laid out
  // and searched for links once.
  void WriteRuns(const std::vector<StyledRun>& runs);

  // Position of the first occurrence of text anywhere in the whole content,
  // letter case ignored, or -1.
  int Find(const QString& text) const;

  // Characters [start, start + length) of the plain text, clipped to the content.
  QString TextRange(int start, int length) const;

  // Prints the selection, or the whole content when nothing is selected, with its
  // formatting, over as many pages as it needs; no header, footer or page numbers.
  // Pages break between lines, so each line is printed once and whole; a line set
  // in bold throughout (a heading or a label) never ends a page but goes to the
  // next one with the first line of the text that follows it.
  // False when the printer could not be started or could not start a new page.
  bool SelPrint(QPrinter& printer) const;
  // The same onto any paint device whose pages are page (in device pixels) in
  // size; newPage starts the next page and says whether it could.
  bool SelPrint(QPaintDevice& device, const QSizeF& page, const std::function<bool()>& newPage) const;

  // Recognises web addresses in the text (now and after every change) and shows
  // them as links.
  void SetAutoUrlDetect(bool on);
  bool AutoUrlDetect() const { return autoUrlDetect_; }
  // Reports mouse activity over a link through LinkNotify.
  void SetLinkEvents(bool on) { linkEvents_ = on; }
  bool LinkEvents() const { return linkEvents_; }

  // The character format at a position (the character that starts there).
  QTextCharFormat FormatAt(int position) const;
  // Whether the character at position belongs to a detected link.
  bool IsLinkAt(int position) const;
  // Where the character at position is shown, in the coordinates of Viewport();
  // used to aim mouse events.
  QPoint PointOf(int position) const;
  // The surface that receives the mouse.
  QWidget* Viewport() const;

 signals:
  // A mouse event over a link: its type (press, release, move, double click), the
  // button that changed, and the link's character range.
  void LinkNotify(QEvent::Type type, Qt::MouseButton button, int linkStart, int linkLength);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  int CharacterCount() const;
  void ContentsChange(int position, int removed, int added);
  void FlushLinks();
  void DetectLinks(int from, int to);
  bool LinkRangeAt(int position, int& start, int& length) const;
  int PositionAtPoint(const QPoint& viewportPoint) const;

  QTextEdit* edit_;
  bool autoUrlDetect_ = false;
  bool linkEvents_ = false;
  bool detecting_ = false;
  // The span of text changed since links were last recognised; -1 when none.
  int dirtyFrom_ = -1;
  int dirtyTo_ = -1;
};
