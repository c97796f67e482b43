#include "platform/RichTextBox.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPainter>
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

}  // namespace

RichTextBox::RichTextBox(QWidget* parent) : QWidget(parent), edit_(new QTextEdit(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(edit_);
  edit_->setAcceptRichText(false);
  edit_->setLineWrapMode(QTextEdit::WidgetWidth);
  edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
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

void RichTextBox::SetSelText(const QString& text) {
  QTextCursor cursor = edit_->textCursor();
  QTextCharFormat format = edit_->currentCharFormat();
  // A link look belongs to the link the box recognised, never to new text.
  format.clearProperty(DetectedLinkProperty);
  format.setAnchor(false);
  format.clearProperty(QTextFormat::AnchorHref);
  format.clearProperty(QTextFormat::TextUnderlineStyle);
  format.setFontUnderline(false);
  cursor.insertText(NormaliseBreaks(text), format);
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
  if (!painter.begin(&printer)) return false;
  // Lay the copy out on the printer itself, so that fonts are measured at its
  // resolution, and cut it into pages of the printable area.
  copy->documentLayout()->setPaintDevice(&printer);
  copy->setDocumentMargin(0);
  const QRectF page = printer.pageRect(QPrinter::DevicePixel);
  copy->setPageSize(page.size());
  const int pages = std::max(copy->pageCount(), 1);
  for (int i = 0; i < pages; ++i) {
    if (i > 0) printer.newPage();
    const QRectF view(0, i * page.height(), page.width(), page.height());
    painter.save();
    painter.translate(0, -view.top());
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = view;
    context.palette.setColor(QPalette::Text, Qt::black);
    painter.setClipRect(view);
    copy->documentLayout()->draw(&painter, context);
    painter.restore();
  }
  return painter.end();
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
