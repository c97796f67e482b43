// The yardstick of the start-up benchmark: a bare Qt Widgets program, one main
// window shown, ending after its first paint.
//
// With --text the window holds one line of text, as the smallest program that
// shows words does: the first text drawn sets up the font database and renders
// glyphs, a few milliseconds that an empty window never pays and every window
// with a caption, label or button does.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include "ProgramStart.h"

namespace {

class FirstPaintQuits : public QMainWindow {
 protected:
  bool event(QEvent* event) override {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return handled;
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  UseOffscreenUnlessAsked();
  QApplication app(argc, argv);
  FirstPaintQuits window;
  window.setWindowTitle(QStringLiteral("Yardstick"));
  if (QCoreApplication::arguments().contains(QStringLiteral("--text"))) {
    window.setCentralWidget(new QLabel(QStringLiteral("Hello, world")));
  }
  window.resize(640, 480);
  window.show();
  return QApplication::exec();
}
