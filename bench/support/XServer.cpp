#include "support/XServer.h"

#include <QElapsedTimer>

namespace bench {

XServer::XServer() {
  // -displayfd 1: the server picks a free display and writes its number on its
  // standard output once it takes connections.
  server_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                         QStringLiteral("0"), QStringLiteral("1366x768x24"), QStringLiteral("+extension"),
                                         QStringLiteral("MIT-SHM"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
  if (!server_.waitForStarted(10000)) {
    failure_ = QStringLiteral("Xvfb could not be started: ") + server_.errorString();
    return;
  }
  QByteArray said;
  QElapsedTimer clock;
  clock.start();
  while (!said.contains('\n') && clock.elapsed() < 20000 && server_.state() == QProcess::Running) {
    server_.waitForReadyRead(200);
    said += server_.readAllStandardOutput();
  }
  const QString number = QString::fromLatin1(said).trimmed();
  bool isNumber = false;
  number.toInt(&isNumber);
  if (!isNumber) {
    failure_ = QStringLiteral("Xvfb did not say its display: ") + QString::fromLocal8Bit(server_.readAllStandardError());
    return;
  }
  display_ = QLatin1Char(':') + number;
}

XServer::~XServer() {
  if (server_.state() == QProcess::NotRunning) return;
  server_.terminate();
  if (!server_.waitForFinished(5000)) {
    server_.kill();
    server_.waitForFinished(5000);
  }
}

QProcessEnvironment XServer::Environment(QProcessEnvironment environment) const {
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  environment.insert(QStringLiteral("DISPLAY"), display_);
  return environment;
}

void XServer::UseForThisProcess() const {
  qputenv("QT_QPA_PLATFORM", "xcb");
  qputenv("DISPLAY", display_.toLocal8Bit());
}

}  // namespace bench
