// The yardstick of the start-up benchmark: a bare Qt Widgets program, one main
// window shown, ending after its first paint. It prints the steady clock's
// nanoseconds when the event loop runs again after that paint, as the program's
// start-up benchmark counts a window painted.
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
#include <chrono>
#include <cstdio>

#include "ProgramStart.h"

namespace {

class FirstPaintQuits : public QMainWindow {
 protected:
  bool event(QEvent* event) override {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::Paint && !painted_) {
      painted_ = true;
      QTimer::singleShot(0, qApp, [] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("painted at %lld\n",
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        QCoreApplication::quit();
      });
    }
    return handled;
  }

 private:
  bool painted_ = false;
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
