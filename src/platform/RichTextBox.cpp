#include "platform/RichTextBox.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "platform/Look.h"

namespace {

// Marks the characters of a link the box recognised itself, so that a later scan
// can take the link look off again when the text around it changes.
constexpr int DetectedLinkProperty = QTextFormat::UserProperty + 1;

// Web addresses as users write them: a scheme or "www." up to the next blank,
// without the punctuation that closes a sentence.
const QRegularExpression& UrlPattern() {
  static const QRegularExpression pattern(
      QStringLiteral(R"((?:\b(?:https?|ftp|file|news|telnet|gopher)://|\bmailto:|\bwww\.)[^\s<>"]+)"),
      QRegularExpression::CaseInsensitiveOption);
  return pattern;
}

qsizetype TrimmedUrlLength(const QString& url) {
  qsizetype n = url.size();
  while (n > 0 && QStringLiteral(".,;:!?)]}'").contains(url.at(n - 1))) --n;
  return n;
}

QString NormaliseBreaks(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

// One laid-out line of a printed document, in document coordinates.
struct PrintLine {
  QTextLine line;
  QPointF origin;  // where its block's layout stands
  qreal top = 0;
  qreal bottom = 0;
  bool keepWithNext = false;  // no page break may follow it
};

// A block set in bold throughout is a heading or a label: it belongs on the page
// of what follows it.
bool IsHeading(const QTextBlock& block) {
  if (block.text().trimmed().isEmpty()) return false;
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    if (!fragment.text().trimmed().isEmpty() && fragment.charFormat().fontWeight() <= QFont::Medium) {
      return false;
    }
  }
  return true;
}

// Every line of the laid-out document in reading order. A heading, together with
// any headings and empty lines after it, is kept with the first line of the text
// that follows; a heading with no text after it stands alone.
std::vector<PrintLine> PrintLines(QTextDocument& doc) {
  std::vector<PrintLine> lines;
  QAbstractTextDocumentLayout* layout = doc.documentLayout();
  std::size_t keepFrom = 0;  // first line of the open run of headings
  bool inHeadings = false;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    const QRectF box = layout->blockBoundingRect(block);
    const QTextLayout* blockLayout = block.layout();
    const QPointF origin = box.topLeft() - blockLayout->boundingRect().topLeft();
    const bool heading = IsHeading(block);
    const bool empty = block.text().trimmed().isEmpty();
    if (!heading && !empty && inHeadings) {
      for (std::size_t i = keepFrom; i < lines.size(); ++i) lines[i].keepWithNext = true;
    }
    if (heading && !inHeadings) keepFrom = lines.size();
    if (heading) inHeadings = true;
    if (!heading && !empty) inHeadings = false;
    for (int i = 0; i < blockLayout->lineCount(); ++i) {
      const QTextLine line = blockLayout->lineAt(i);
      const qreal top = origin.y() + line.y();
      lines.push_back({line, origin, top, top + line.height(), false});
    }
  }
  return lines;
}

// The index of the first line of every page: as many whole lines as fit, the page
// ending before a heading run rather than after it. A run of headings too long for
// a page of its own is cut where the page is full.
std::vector<std::size_t> PageStarts(const std::vector<PrintLine>& lines, qreal pageHeight) {
  std::vector<std::size_t> firsts;
  std::size_t first = 0;
  while (first < lines.size()) {
    firsts.push_back(first);
    std::size_t end = first + 1;  // a line taller than the page still gets one
    while (end < lines.size() && lines[end].bottom - lines[first].top <= pageHeight) ++end;
    std::size_t cut = end;
    if (end < lines.size()) {
      while (cut > first + 1 && lines[cut - 1].keepWithNext) --cut;
      if (lines[cut - 1].keepWithNext) cut = end;
    }
    first = cut;
  }
  return firsts;
}

}  // namespace

RichTextBox::RichTextBox(QWidget* parent) : QWidget(parent), edit_(new QTextEdit(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(edit_);
  edit_->setAcceptRichText(false);
  edit_->setLineWrapMode(QTextEdit::WidgetWidth);
  // The texts come in colours of their own, which read on white, not on
  // whatever the desktop's text boxes are; the scroll bar keeps the desktop's.
  QPalette colours = edit_->palette();
  colours.setColor(QPalette::Base, Qt::white);
  colours.setColor(QPalette::Text, Qt::black);
  edit_->setPalette(colours);
  // Until the box is first shown its scroll bar stands, so the text is first laid
  // out at the width a long text is read in; showEvent lets it come and go.
  edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  edit_->document()->setDefaultFont(platform::UiFont(QStringLiteral("MS Sans Serif"), 8.25));
  edit_->viewport()->setMouseTracking(true);
  edit_->viewport()->installEventFilter(this);
  setFocusProxy(edit_);
  connect(edit_->document(), &QTextDocument::contentsChange, this, &RichTextBox::ContentsChange);
}

// ---- Text and selection -------------------------------------------------------------

void RichTextBox::SetText(const QString& text) {
  edit_->setPlainText(NormaliseBreaks(text));
  QTextCursor cursor = edit_->textCursor();
  cursor.movePosition(QTextCursor::Start);
  edit_->setTextCursor(cursor);
  FlushLinks();
}

QString RichTextBox::Text() const { return edit_->toPlainText(); }

int RichTextBox::SelStart() const { return edit_->textCursor().selectionStart(); }

void RichTextBox::SetSelStart(int start) {
  QTextCursor cursor = edit_->textCursor();
  cursor.setPosition(std::clamp(start, 0, CharacterCount()));
  edit_->setTextCursor(cursor);
}

int RichTextBox::SelLength() const {
  const QTextCursor cursor = edit_->textCursor();
  return cursor.selectionEnd() - cursor.selectionStart();
}

void RichTextBox::SetSelLength(int length) {
  QTextCursor cursor = edit_->textCursor();
  const int start = cursor.selectionStart();
  cursor.setPosition(start);
  cursor.setPosition(std::clamp(start + std::max(length, 0), 0, CharacterCount()),
                     QTextCursor::KeepAnchor);
  edit_->setTextCursor(cursor);
}

int RichTextBox::CharacterCount() const {
  // The document counts one closing paragraph separator that is not text.
  return edit_->document()->characterCount() - 1;
}

// ---- Formatting for the selection or the next insertion -----------------------------------

bool RichTextBox::SelBold() const { return edit_->currentCharFormat().fontWeight() >= QFont::Bold; }

void RichTextBox::SetSelBold(bool bold) {
  QTextCharFormat format;
  format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
  edit_->mergeCurrentCharFormat(format);
}

QColor RichTextBox::SelColor() const {
  const QTextCharFormat format = edit_->currentCharFormat();
  return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                          : QColor(Qt::black);
}

void RichTextBox::SetSelColor(const QColor& color) {
  QTextCharFormat format;
  format.setForeground(color);
  edit_->mergeCurrentCharFormat(format);
}

double RichTextBox::SelFontSize() const {
  const QTextCharFormat format = edit_->currentCharFormat();
  return format.hasProperty(QTextFormat::FontPointSize)
             ? format.fontPointSize()
             : edit_->document()->defaultFont().pointSizeF();
}

void RichTextBox::SetSelFontSize(double points) {
  if (points <= 0) return;
  QTextCharFormat format;
  format.setFontPointSize(points);
  edit_->mergeCurrentCharFormat(format);
}

namespace {

// The format new text is inserted in: a link look belongs to the link the box
// recognised, never to new text.
QTextCharFormat InsertFormat(QTextCharFormat format) {
  format.clearProperty(DetectedLinkProperty);
  format.setAnchor(false);
  format.clearProperty(QTextFormat::AnchorHref);
  format.clearProperty(QTextFormat::TextUnderlineStyle);
  format.setFontUnderline(false);
  return format;
}

}  // namespace

void RichTextBox::SetSelText(const QString& text) {
  QTextCursor cursor = edit_->textCursor();
  const QTextCharFormat format = InsertFormat(edit_->currentCharFormat());
  cursor.insertText(NormaliseBreaks(text), format);
  edit_->setTextCursor(cursor);
  edit_->setCurrentCharFormat(format);
  FlushLinks();
}

void RichTextBox::WriteRuns(const std::vector<StyledRun>& runs) {
  SetText(QString());
  QTextCursor cursor = edit_->textCursor();
  QTextCharFormat format = edit_->currentCharFormat();
  // One edit: the document is laid out once at its end, not after every run.
  cursor.beginEditBlock();
  for (const StyledRun& run : runs) {
    if (run.pointSize > 0) format.setFontPointSize(run.pointSize);
    format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    format.setForeground(run.colour);
    format = InsertFormat(format);
    cursor.insertText(NormaliseBreaks(run.text), format);
  }
  cursor.endEditBlock();
  edit_->setTextCursor(cursor);
  edit_->setCurrentCharFormat(format);
  FlushLinks();
}

// ---- Searching ------------------------------------------------------------------------

int RichTextBox::Find(const QString& text) const {
  if (text.isEmpty()) return -1;
  return static_cast<int>(Text().indexOf(text, 0, Qt::CaseInsensitive));
}

QString RichTextBox::TextRange(int start, int length) const {
  const QString all = Text();
  if (start < 0 || length <= 0 || start >= all.size()) return {};
  return all.mid(start, length);
}

QTextCharFormat RichTextBox::FormatAt(int position) const {
  QTextCursor cursor(edit_->document());
  cursor.setPosition(std::clamp(position + 1, 0, CharacterCount()));
  return cursor.charFormat();
}

bool RichTextBox::IsLinkAt(int position) const {
  int start = 0;
  int length = 0;
  return LinkRangeAt(position, start, length);
}

// ---- Printing -------------------------------------------------------------------------

bool RichTextBox::SelPrint(QPrinter& printer) const {
  return SelPrint(printer, printer.pageRect(QPrinter::DevicePixel).size(),
                  [&printer] { return printer.newPage(); });
}

bool RichTextBox::SelPrint(QPaintDevice& device, const QSizeF& page,
                           const std::function<bool()>& newPage) const {
  std::unique_ptr<QTextDocument> copy;
  const QTextCursor selection = edit_->textCursor();
  if (selection.hasSelection()) {
    copy = std::make_unique<QTextDocument>();
    copy->setDefaultFont(edit_->document()->defaultFont());
    QTextCursor(copy.get()).insertFragment(selection.selection());
  } else {
    copy.reset(edit_->document()->clone());
  }

  QPainter painter;
  if (!painter.begin(&device)) return false;
  // Lay the copy out on the device itself, so that fonts are measured at its
  // resolution, in one column as wide as the page; the pages are then cut
  // between its lines.
  copy->documentLayout()->setPaintDevice(&device);
  copy->setDocumentMargin(0);
  copy->setTextWidth(page.width());
  const std::vector<PrintLine> lines = PrintLines(*copy);
  const std::vector<std::size_t> firsts = PageStarts(lines, page.height());
  painter.setPen(Qt::black);
  bool paged = true;
  for (std::size_t p = 0; p < firsts.size(); ++p) {
    if (p > 0 && !newPage()) {
      paged = false;
      break;
    }
    const std::size_t end = p + 1 < firsts.size() ? firsts[p + 1] : lines.size();
    painter.save();
    painter.translate(0, -lines[firsts[p]].top);
    // Only the page's own lines are drawn: a clip would hide the others on
    // paper, but a PDF would still carry their text.
    for (std::size_t i = firsts[p]; i < end; ++i) lines[i].line.draw(&painter, lines[i].origin);
    painter.restore();
  }
  return painter.end() && paged;
}

// ---- Links ----------------------------------------------------------------------------

void RichTextBox::SetAutoUrlDetect(bool on) {
  if (autoUrlDetect_ == on) return;
  autoUrlDetect_ = on;
  dirtyFrom_ = 0;
  dirtyTo_ = CharacterCount();
  FlushLinks();
}

void RichTextBox::ContentsChange(int position, int /*removed*/, int added) {
  if (detecting_) return;
  const bool wasClean = dirtyFrom_ < 0;
  dirtyFrom_ = wasClean ? position : std::min(dirtyFrom_, position);
  dirtyTo_ = std::max(wasClean ? 0 : dirtyTo_, position + added);
  // Our own edits flush at once; a user's typing is scanned when the event loop is
  // back, since the document must not be changed while it reports a change.
  if (wasClean) QTimer::singleShot(0, this, [this] { FlushLinks(); });
}

void RichTextBox::FlushLinks() {
  if (dirtyFrom_ < 0) return;
  const int from = dirtyFrom_;
  const int to = dirtyTo_;
  dirtyFrom_ = dirtyTo_ = -1;
  DetectLinks(from, to);
}

void RichTextBox::DetectLinks(int from, int to) {
  QTextDocument* doc = edit_->document();
  const int count = CharacterCount();
  QTextBlock block = doc->findBlock(std::clamp(from, 0, count));
  const QTextBlock last = doc->findBlock(std::clamp(to, 0, count));
  if (!block.isValid()) return;

  detecting_ = true;
  for (;; block = block.next()) {
    // Take the link look off what was recognised before, then recognise afresh.
    // The ranges are gathered first: changing a format splits and merges the
    // fragments being walked.
    std::vector<std::pair<int, int>> stale;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.charFormat().hasProperty(DetectedLinkProperty)) {
        stale.emplace_back(fragment.position(), fragment.position() + fragment.length());
      }
    }
    for (const auto& [start, end] : stale) {
      QTextCursor cursor(doc);
      cursor.setPosition(start);
      cursor.setPosition(end, QTextCursor::KeepAnchor);
      QTextCharFormat plain = cursor.charFormat();
      plain.clearProperty(DetectedLinkProperty);
      plain.setAnchor(false);
      plain.clearProperty(QTextFormat::AnchorHref);
      plain.setFontUnderline(false);
      cursor.setCharFormat(plain);
    }
    if (autoUrlDetect_) {
      const QString text = block.text();
      auto matches = UrlPattern().globalMatch(text);
      while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const qsizetype length = TrimmedUrlLength(match.captured());
        if (length <= 0) continue;
        QTextCursor cursor(doc);
        cursor.setPosition(block.position() + static_cast<int>(match.capturedStart()));
        cursor.setPosition(block.position() + static_cast<int>(match.capturedStart() + length),
                           QTextCursor::KeepAnchor);
        QTextCharFormat link;
        link.setProperty(DetectedLinkProperty, true);
        link.setAnchor(true);
        link.setAnchorHref(match.captured().left(length));
        link.setFontUnderline(true);
        cursor.mergeCharFormat(link);
      }
    }
    if (block == last || !block.next().isValid()) break;
  }
  detecting_ = false;
}

bool RichTextBox::LinkRangeAt(int position, int& start, int& length) const {
  const QTextBlock block = edit_->document()->findBlock(position);
  if (!block.isValid()) return false;
  int linkStart = -1;
  int linkEnd = -1;
  QString href;
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    const QTextCharFormat format = fragment.charFormat();
    const bool isLink = format.hasProperty(DetectedLinkProperty) && format.isAnchor();
    const int fStart = fragment.position();
    const int fEnd = fStart + fragment.length();
    if (isLink && linkEnd == fStart && format.anchorHref() == href) {
      linkEnd = fEnd;  // the same link, split by a change of bold or colour
    } else if (isLink) {
      if (linkStart >= 0 && position < linkEnd) break;
      linkStart = fStart;
      linkEnd = fEnd;
      href = format.anchorHref();
    } else {
      if (linkStart >= 0 && position < linkEnd) break;
      linkStart = linkEnd = -1;
    }
  }
  if (linkStart < 0 || position < linkStart || position >= linkEnd) return false;
  start = linkStart;
  length = linkEnd - linkStart;
  return true;
}

int RichTextBox::PositionAtPoint(const QPoint& viewportPoint) const {
  const QPoint documentPoint(viewportPoint.x() + edit_->horizontalScrollBar()->value(),
                             viewportPoint.y() + edit_->verticalScrollBar()->value());
  return edit_->document()->documentLayout()->hitTest(documentPoint, Qt::ExactHit);
}

QPoint RichTextBox::PointOf(int position) const {
  QTextCursor cursor(edit_->document());
  cursor.setPosition(std::clamp(position, 0, CharacterCount()));
  const QRect rect = edit_->cursorRect(cursor);
  return QPoint(rect.left() + 2, rect.center().y());
}

QWidget* RichTextBox::Viewport() const { return edit_->viewport(); }

void RichTextBox::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The text box has just been laid out with its scroll bar; a text that fits
  // without it is laid out once more at the whole width.
  if (edit_->verticalScrollBarPolicy() != Qt::ScrollBarAsNeeded) {
    edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  }
}

bool RichTextBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edit_->viewport()) return QWidget::eventFilter(watched, event);
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
      type != QEvent::MouseMove && type != QEvent::MouseButtonDblClick) {
    return false;
  }
  const auto* mouse = static_cast<QMouseEvent*>(event);
  int start = 0;
  int length = 0;
  const int position = PositionAtPoint(mouse->position().toPoint());
  const bool overLink = position >= 0 && LinkRangeAt(position, start, length);
  if (type == QEvent::MouseMove) {
    edit_->viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
  }
  if (overLink && linkEvents_) emit LinkNotify(type, mouse->button(), start, length);
  // The box goes on handling the mouse as usual.
  return false;
}
