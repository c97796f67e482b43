#include "windows/frmStartup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPixmapCache>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include "windows/MDI.h"
#include "windows/frmDisplay.h"
#include "windows/frmMain.h"
#include "platform/Failure.h"
#include "platform/Forms.h"
#include "platform/KeyPress.h"
#include "platform/Look.h"
#include "platform/Services.h"
#include "windows/modHelp_QuitApplication.h"
#include "windows/modHelp_UpdateReminder.h"
#include "windows/ProgramTexts.h"

const QString frmStartup::AlreadyRunningMessage = QStringLiteral("Application is already running");

namespace {

// Runs one step of the start-up; a failing step is reported on the error stream
// and skipped, and the next one runs.
void RunStep(const char* name, const std::function<void()>& step) {
  platform::RunReportingFailure(std::string("Start-up step \"") + name + "\"", step);
}

// Platforms without a screen the user can see or answer a box on.
bool Headless() {
  const QString name = QGuiApplication::platformName();
  return name == QLatin1String("offscreen") || name == QLatin1String("minimal");
}

// A moment after the input window has been painted for the first time, when the
// event loop is free, decodes the pictures of the main window and its chart
// window, so the first chart does not wait for them; the user is typing the
// birth data meanwhile. The moment's delay keeps this work out of the start
// itself, which ends with the input window on screen. Builds no window.
class PrepareChartOnceInputPainted final : public QObject {
 public:
  static constexpr int PrepareDelayMs = 100;

  explicit PrepareChartOnceInputPainted(QWidget* input) : QObject(input) { input->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QTimer::singleShot(PrepareDelayMs, qApp, [] {
        RunStep("prepare the chart's pictures", [] {
          MDI::PrepareLooks();
          frmDisplay::PrepareLooks();
        });
      });
      deleteLater();
    }
    return false;
  }
};

}  // namespace

frmStartup::frmStartup() {
  setObjectName(QStringLiteral("frmStartup"));
  setWindowTitle(VersionedTitle());
}

void frmStartup::Form_Load() {
  bool secondInstance = false;
  RunStep("single instance", [&] { secondInstance = !platform::Service<platform::ISingleInstance>().Acquire(); });
  if (secondInstance) {
    RunStep("second instance report", [&] { ReportSecondInstance(); });
    // The quit runs from the event loop: this form is still being loaded here, and
    // it is one of the windows the quit unloads.
    QMetaObject::invokeMethod(this, &QuitApplication, Qt::QueuedConnection);
    return;
  }
  RunStep("randomize", [] { platform::Service<platform::IRandom>().Randomize(); });
  RunStep("update reminder", [] { CheckForUpdateReminder(); });
  RunStep("show frmMain", [] { new PrepareChartOnceInputPainted(&platform::Form<frmMain>::Show()); });
  RunStep("CoBrand_Randomize", [this] { CoBrand_Randomize(); });
}

void frmStartup::ReportSecondInstance() {
  // Also on the error stream, for whoever started the program from a terminal or
  // a script and sees no window.
  std::fprintf(stderr, "%s\n", AlreadyRunningMessage.toLocal8Bit().constData());
  std::fflush(stderr);
  if (Headless()) {
    // Nobody can answer a box on a platform without a screen: dismiss it as soon
    // as it is up, so the second instance still ends.
    QTimer::singleShot(0, this, [] {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box && box->isVisible() && box->text() == AlreadyRunningMessage) box->close();
      }
    });
  }
  platform::MsgBox(AlreadyRunningMessage, platform::MsgButtons::OK, platform::MsgIcon::Information);
}

void frmStartup::Form_Unload() { QuitApplication(); }

void frmStartup::CoBrand_Randomize() {
  const float r = platform::Service<platform::IRandom>().Rnd();
  intCoBrandRandomNumber = static_cast<std::int16_t>(1 + static_cast<int>(std::floor(6.0f * r)));
  platform::Form<frmMain>::Get().BringOfferToFront(intCoBrandRandomNumber % 2 != 0);
}

void frmStartup::setVisible(bool /*visible*/) { QWidget::setVisible(false); }

void frmStartup::closeEvent(QCloseEvent* event) {
  event->accept();
  platform::Form<frmStartup>::Unload();
}

void SetUpApplication() {
  platform::InstallFontSubstitutions();
  platform::PressFocusedButtonsOnReturn();
  QApplication::setQuitOnLastWindowClosed(false);
  QPixmapCache::setCacheLimit(0);
}

void StartProgram() {
  SetUpApplication();
  platform::Form<frmStartup>::Get();
}
