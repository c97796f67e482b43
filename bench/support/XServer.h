// A real X server for the benchmarks, as a desktop user's program meets one:
// Xvfb with one 1366 x 768 screen in 24-bit colour and shared-memory pictures
// (MIT-SHM), started on a free display and ended with this object.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

namespace bench {

class XServer {
 public:
  // Starts the server and waits until it takes connections; Started() says
  // whether it did.
  XServer();
  ~XServer();
  XServer(const XServer&) = delete;
  XServer& operator=(const XServer&) = delete;

  bool Started() const { return !display_.isEmpty(); }
  // ":N"; empty when the server did not start.
  QString Display() const { return display_; }
  // Why the server did not start.
  QString Failure() const { return failure_; }

  // environment made to draw on this server through Qt's X11 platform.
  QProcessEnvironment Environment(QProcessEnvironment environment) const;
  // This process made to draw on it; called before the QApplication is made.
  void UseForThisProcess() const;

 private:
  QProcess server_;
  QString display_;
  QString failure_;
};

}  // namespace bench
