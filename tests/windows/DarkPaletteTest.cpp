// Every text of every window reads under a dark desktop palette: a window that
// paints its own background gives its texts their colours with it, and one that
// leaves its background to the desktop leaves its text colours too. Measured as
// the contrast ratio (WCAG) between the colour a text is drawn in and the colour
// most of its control shows in the rendered window.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

#include "platform/Forms.h"
#include "windows/MDI.h"
#include "windows/frmAbout.h"
#include "windows/frmDisplay.h"
#include "windows/frmExitScreen.h"
#include "windows/frmMain.h"
#include "windows/frmSave.h"
#include "windows/frmStartup.h"
#include "support/Doubles.h"

using platform::Form;

namespace {

double Luminance(QColor colour) {
  const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double ContrastRatio(QColor a, QColor b) {
  const double x = Luminance(a), y = Luminance(b);
  return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The colour most pixels of rect show.
QColor MostPixels(const QImage& image, const QRect& rect) {
  std::map<QRgb, int> count;
  const QRect inside = rect.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) ++count[image.pixel(x, y)];
  }
  QRgb most = 0;
  int best = -1;
  for (const auto& [colour, n] : count) {
    if (n > best) std::tie(most, best) = std::tie(colour, n);
  }
  return QColor::fromRgb(most);
}

// The texts a control shows, the colours they are drawn in and where they stand.
struct TextInk {
  QString text;
  std::vector<QColor> inks;
  QRect area;  // in the window's coordinates
  std::optional<QColor> background = std::nullopt;  // a palette colour rather than what shows
};

std::optional<TextInk> InkOf(QWidget& window, QWidget* w) {
  const auto areaOf = [&](QWidget* v) { return QRect(v->mapTo(&window, QPoint(0, 0)), v->size()); };
  const QPalette& p = w->palette();
  if (auto* label = qobject_cast<QLabel*>(w)) return TextInk{label->text(), {p.color(w->foregroundRole())}, areaOf(w)};
  if (qobject_cast<QToolButton*>(w)) return std::nullopt;  // pictures only
  if (auto* button = qobject_cast<QPushButton*>(w)) {
    return TextInk{button->text(), {p.color(QPalette::ButtonText)}, areaOf(w), p.color(QPalette::Button)};
  }
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return TextInk{button->text(), {p.color(QPalette::WindowText)}, areaOf(w)};
  if (auto* box = qobject_cast<QLineEdit*>(w)) return TextInk{box->text(), {p.color(QPalette::Text)}, areaOf(w)};
  if (auto* list = qobject_cast<QComboBox*>(w)) {
    return TextInk{list->currentText(), {p.color(QPalette::ButtonText)}, areaOf(w), p.color(QPalette::Button)};
  }
  if (auto* frame = qobject_cast<QGroupBox*>(w)) {
    QRect title = areaOf(w);
    title.setHeight(frame->fontMetrics().height());
    return TextInk{frame->title(), {p.color(QPalette::WindowText)}, title};
  }
  if (auto* box = qobject_cast<QPlainTextEdit*>(w)) {
    return TextInk{box->toPlainText(), {p.color(QPalette::Text)}, areaOf(box->viewport())};
  }
  if (auto* box = qobject_cast<QTextEdit*>(w)) {
    TextInk ink{box->toPlainText(), {}, areaOf(box->viewport())};
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
      for (auto run = block.begin(); !run.atEnd(); ++run) {
        const QTextCharFormat format = run.fragment().charFormat();
        ink.inks.push_back(format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                                             : p.color(QPalette::Text));
      }
    }
    return ink;
  }
  return std::nullopt;
}

// The lowest contrast of each shown text of the window, by control.
std::map<QString, double> Contrasts(QWidget& window, const QWidget* leaveOut = nullptr) {
  QTest::qWait(20);
  const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  std::map<QString, double> contrasts;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window) || (leaveOut && leaveOut->isAncestorOf(w))) continue;
    const std::optional<TextInk> ink = InkOf(window, w);
    if (!ink || ink->text.trimmed().isEmpty() || ink->area.isEmpty()) continue;
    const QColor background = ink->background.value_or(MostPixels(image, ink->area));
    double lowest = 21;
    for (const QColor& colour : ink->inks) lowest = std::min(lowest, ContrastRatio(colour, background));
    contrasts[window.objectName() + QLatin1Char('/') + w->objectName() + QLatin1Char(' ') + ink->text.left(30)] =
        lowest;
  }
  return contrasts;
}

QPalette DarkPalette() {
  QPalette dark;
  dark.setColor(QPalette::Window, QColor(53, 53, 53));
  dark.setColor(QPalette::WindowText, Qt::white);
  dark.setColor(QPalette::Base, QColor(42, 42, 42));
  dark.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
  dark.setColor(QPalette::Text, Qt::white);
  dark.setColor(QPalette::Button, QColor(53, 53, 53));
  dark.setColor(QPalette::ButtonText, Qt::white);
  dark.setColor(QPalette::ToolTipBase, QColor(53, 53, 53));
  dark.setColor(QPalette::ToolTipText, Qt::white);
  dark.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
  dark.setColor(QPalette::Link, QColor(42, 130, 218));
  dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
  dark.setColor(QPalette::HighlightedText, Qt::black);
  return dark;
}

class DarkPaletteTest : public testing_doubles::WindowTest {
 protected:
  void TearDown() override {
    WindowTest::TearDown();
    QApplication::setPalette(original_);
  }

  // Every window with a chart drawn, report and exit screen included.
  std::map<QString, double> AllWindows() {
    std::map<QString, double> all;
    const auto add = [&all](const std::map<QString, double>& some) { all.insert(some.begin(), some.end()); };
    Form<frmStartup>::Get();
    frmMain& input = Form<frmMain>::Show();
    add(Contrasts(input));
    input.txtName->setText(QStringLiteral("Ada Byron"));
    input.txtLatDegree->setText(QStringLiteral("40"));
    input.txtLatMinute->setText(QStringLiteral("42"));
    input.txtLongDegree->setText(QStringLiteral("74"));
    input.txtLongMinute->setText(QStringLiteral("0"));
    input.txtCity->setText(QStringLiteral("New York"));
    input.txtState->setText(QStringLiteral("NY"));
    input.txtCountry->setText(QStringLiteral("USA"));
    QTest::mouseClick(input.cmdCalculate, Qt::LeftButton);
    EXPECT_TRUE(d.messages->shown.empty());
    frmDisplay& chart = Form<frmDisplay>::Get();
    add(Contrasts(*Form<MDI>::IfLoaded(), &chart));
    add(Contrasts(chart));
    add(Contrasts(Form<frmAbout>::Show()));
    Form<frmAbout>::Unload();
    add(Contrasts(Form<frmSave>::Show()));
    Form<frmSave>::Unload();
    add(Contrasts(Form<frmExitScreen>::Show()));
    testing_doubles::UnloadAllForms();
    return all;
  }

  const QPalette original_ = QApplication::palette();
};

TEST_F(DarkPaletteTest, EveryTextReadsUnderADarkDesktopPalette) {
  const std::map<QString, double> light = AllWindows();
  QApplication::setPalette(DarkPalette());
  const std::map<QString, double> dark = AllWindows();
  ASSERT_GT(dark.size(), 100u);
  for (const auto& [text, contrast] : dark) {
    // At least 3:1, or as much as the same text has on a light desktop (the house
    // numbers stand on the wheel's picture, whose colours are fixed).
    const auto onLight = light.find(text);
    const double least = std::min(3.0, onLight == light.end() ? 3.0 : onLight->second - 0.01);
    EXPECT_GE(contrast, least) << text.toStdString();
  }
}

}  // namespace
