#include "platform/Look.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QFontDatabase>
#include <QHash>
#include <QTextLayout>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QTextDocument>
#include <QWindow>
#include <algorithm>
#include <array>

namespace platform {

QColor ClassicColor(int number) {
  static constexpr std::array<std::array<int, 3>, 16> palette{{
      {0, 0, 0},       {0, 0, 128},     {0, 128, 0},   {0, 128, 128},
      {128, 0, 0},     {128, 0, 128},   {128, 128, 0}, {192, 192, 192},
      {128, 128, 128}, {0, 0, 255},     {0, 255, 0},   {0, 255, 255},
      {255, 0, 0},     {255, 0, 255},   {255, 255, 0}, {255, 255, 255},
  }};
  const auto& rgb = palette[static_cast<std::size_t>(((number % 16) + 16) % 16)];
  return QColor(rgb[0], rgb[1], rgb[2]);
}

void SetForeColor(QWidget* control, const QColor& colour) {
  QPalette palette = control->palette();
  for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
    palette.setColor(role, colour);
  }
  control->setPalette(palette);
}

void SetBackColor(QWidget* control, const QColor& colour, const QColor& textColour) {
  QPalette palette = control->palette();
  palette.setColor(QPalette::Window, colour);
  palette.setColor(QPalette::Base, colour);
  palette.setColor(QPalette::WindowText, textColour);
  palette.setColor(QPalette::Text, textColour);
  control->setPalette(palette);
  control->setAutoFillBackground(true);
}

QColor LinkOnDesktop(const QWidget* control) { return control->palette().color(QPalette::Link); }

QLabel* MakeLabel(QWidget* parent, const LabelLayout& layout) {
  auto* label = new QLabel(layout.text, parent);
  label->setObjectName(QLatin1String(layout.name));
  label->setTextFormat(Qt::PlainText);
  if (layout.font) label->setFont(*layout.font);
  if (layout.colour.isValid()) SetForeColor(label, layout.colour);
  label->setAlignment(layout.alignment);
  label->setWordWrap(layout.wordWrap);
  label->setAutoFillBackground(layout.fillBackground);
  if (!layout.twips.isEmpty()) {
    PlaceTw(label, layout.twips.x(), layout.twips.y(), layout.twips.width(), layout.twips.height());
  }
  return label;
}

void InstallFontSubstitutions() {
  for (const char* face : {"Verdana", "MS Sans Serif", "Arial", "Tahoma", "Microsoft Sans Serif"}) {
    QFont::insertSubstitution(QString::fromLatin1(face), QStringLiteral("DejaVu Sans"));
  }
  QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("DejaVu Serif"));
}

namespace {

// The fonts asked for so far in this run, by face, size and style. The windows
// are built afresh on every load; sharing one font object per variant spares
// resolving the same font again for every control.
QHash<QString, QFont>& MadeFonts() {
  static QHash<QString, QFont>* fonts = [] {
    qAddPostRoutine([] { MadeFonts().clear(); });
    return new QHash<QString, QFont>;
  }();
  return *fonts;
}

// The face itself when it is installed, otherwise the installed face it is
// substituted by. The font then names a face Qt finds at once: Qt draws the
// same font either way, but for a face it does not have it first searches its
// database in vain and works out fallbacks for the missing face as well.
QString InstalledFace(const QString& face) {
  static const QStringList installed = QFontDatabase::families();
  if (installed.contains(face, Qt::CaseInsensitive)) return face;
  for (const QString& substitute : QFont::substitutes(face)) {
    if (installed.contains(substitute, Qt::CaseInsensitive)) return substitute;
  }
  return face;
}

}  // namespace

QFont UiFont(const QString& face, double pointSize, bool bold, bool italic, bool underline) {
  const QString key = QStringLiteral("%1|%2|%3%4%5")
                          .arg(face)
                          .arg(pointSize, 0, 'g', 17)
                          .arg(int(bold))
                          .arg(int(italic))
                          .arg(int(underline));
  QHash<QString, QFont>& fonts = MadeFonts();
  auto found = fonts.constFind(key);
  if (found == fonts.constEnd()) {
    QFont font(InstalledFace(face));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    found = fonts.insert(key, font);
  }
  return *found;
}

namespace {

const QScreen* ScreenOf(const QWidget* window) {
  const QScreen* screen = window->screen();
  return screen ? screen : QGuiApplication::primaryScreen();
}

// How much larger than its window a frame is: the window's own once the window
// system has framed it, before then that of a framed window already shown (the
// same decorations), else nothing.
QSize FrameExtra(const QWidget* window) {
  const QSize own = window->frameGeometry().size() - window->size();
  if (!own.isNull()) return own;
  for (const QWidget* shown : QApplication::topLevelWidgets()) {
    const QSize extra = shown->frameGeometry().size() - shown->size();
    if (shown != window && shown->isVisible() && !extra.isNull()) return extra;
  }
  return own;
}

// Places the window's frame with its top-left corner at topLeft pulled inside
// `available`: back from the right and bottom edges, but never past the left and
// top ones, so the title bar and the menus stay on the screen. A window that can
// be resized is first made no larger than the area.
void PlaceInside(QWidget* window, QPoint topLeft, const QRect& available) {
  const bool framed = window->frameGeometry().size() != window->size();
  const QSize frameExtra = FrameExtra(window);
  if (window->minimumSize() != window->maximumSize()) {
    const QSize fitting = window->size().boundedTo(available.size() - frameExtra).expandedTo(window->minimumSize());
    if (fitting != window->size()) window->resize(fitting);
  }
  const QRect frame(topLeft, window->size() + frameExtra);
  const int left = std::max(std::min(frame.left(), available.right() + 1 - frame.width()), available.left());
  const int top = std::max(std::min(frame.top(), available.bottom() + 1 - frame.height()), available.top());
  if (QPoint(left, top) == window->frameGeometry().topLeft()) return;
  // Before the window system has framed the window, through the native window:
  // the window system then places the frame itself.
  QWindow* native = window->windowHandle();
  if (native && !framed) {
    native->setFramePosition(QPoint(left, top));
  } else {
    window->move(left, top);
  }
}

}  // namespace

void CentreOnScreen(QWidget* window) {
  if (const QScreen* screen = ScreenOf(window)) {
    const QRect available = screen->availableGeometry();
    QRect frame(QPoint(), window->size().boundedTo(available.size()) + FrameExtra(window));
    frame.moveCenter(available.center());
    PlaceInside(window, frame.topLeft(), available);
  }
}

QString PlainToolTip(const QString& text) {
  // Qt shows a tooltip that looks like markup as rich text; such a text is
  // escaped and kept on one line, as a plain tooltip is.
  if (!Qt::mightBeRichText(text)) return text;
  return QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped());
}

void SetElidedText(QLabel* label, const QString& text, int width) {
  const QString shown = label->fontMetrics().elidedText(text, Qt::ElideRight, width);
  label->setText(shown);
  label->setToolTip(shown == text ? QString() : PlainToolTip(text));
}

void SetElidedWrappedText(QLabel* label, const QString& text) {
  const QRect room = label->contentsRect();
  QTextLayout layout(text, label->font());
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  qreal top = 0;
  int lastStart = -1;  // where the last line that fits begins
  bool cut = false;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(room.width());
    line.setPosition(QPointF(0, top));
    top += line.height();
    if (top > room.height() && lastStart >= 0) {
      cut = true;
      break;
    }
    lastStart = line.textStart();
  }
  layout.endLayout();
  if (!cut) {
    label->setText(text);
    label->setToolTip(QString());
    return;
  }
  const QString last = label->fontMetrics().elidedText(text.mid(lastStart), Qt::ElideRight, room.width());
  label->setText(text.left(lastStart) + last);
  label->setToolTip(PlainToolTip(text));
}

}  // namespace platform
