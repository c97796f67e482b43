// The yardstick of the start-up benchmark: a bare Qt Widgets program, one main
// window shown, ending after its first paint.
#include <QApplication>
#include <QEvent>
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
  window.resize(640, 480);
  window.show();
  return QApplication::exec();
}
