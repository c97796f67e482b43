#include "support/BenchSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <chrono>

#include <sys/resource.h>

#include "platform/Forms.h"
#include "platform/RichTextBox.h"
#include "windows/MDI.h"
#include "windows/frmDisplay.h"
#include "windows/frmMain.h"
#include "windows/frmSave.h"
#include "windows/frmStartup.h"

namespace bench {

long long NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

namespace {

struct Place {
  const char* city;
  const char* state;
  const char* country;
  int latDegree, latMinute, longDegree, longMinute;
};

// Places across the zones, so the houses and chakra boxes differ from chart to chart.
constexpr Place kPlaces[] = {
    {"New York", "NY", "USA", 40, 43, 74, 0},
    {"Pune", "Maharashtra", "India", 18, 31, 73, 51},
    {"London", "England", "UK", 51, 30, 0, 7},
    {"Sydney", "NSW", "Australia", 33, 52, 151, 12},
    {"Chicago", "IL", "USA", 41, 52, 87, 37},
    {"Chennai", "Tamil Nadu", "India", 13, 5, 80, 16},
    {"Berlin", "Berlin", "Germany", 52, 31, 13, 24},
};

}  // namespace

void FillInput(frmMain& input, int variant) {
  const Place& place = kPlaces[static_cast<std::size_t>(variant) % std::size(kPlaces)];
  input.txtName->setText(QStringLiteral("Person %1").arg(variant));
  input.cboMonth->setCurrentIndex(variant % 12);
  input.cboDate->setCurrentIndex((variant * 7) % 28);
  input.cboYear->setCurrentText(QString::number(1940 + (variant * 13) % 70));
  input.cboHour->setCurrentIndex((variant * 5) % 24);
  input.cboMinute->setCurrentIndex((variant * 17) % 60);
  input.txtLatDegree->setText(QString::number(place.latDegree));
  input.txtLatMinute->setText(QString::number(place.latMinute));
  input.txtLongDegree->setText(QString::number(place.longDegree));
  input.txtLongMinute->setText(QString::number(place.longMinute));
  input.txtCity->setText(QLatin1String(place.city));
  input.txtState->setText(QLatin1String(place.state));
  input.txtCountry->setText(QLatin1String(place.country));
}

frmMain& FilledInputWindow(int variant) {
  platform::Form<frmStartup>::Get();
  frmMain& input = platform::Form<frmMain>::Show();
  FillInput(input, variant);
  return input;
}

void Settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

PaintWatch::PaintWatch(std::vector<Target> targets) : waiting_(std::move(targets)) {
  qApp->installEventFilter(this);
}

PaintWatch::~PaintWatch() { qApp->removeEventFilter(this); }

bool PaintWatch::WaitPainted(int boundMs) {
  QElapsedTimer clock;
  clock.start();
  while (!Painted()) {
    if (clock.elapsed() > boundMs) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
  }
  return true;
}

bool PaintWatch::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Paint || waiting_.empty() || !watched->isWidgetType()) return false;
  const auto& widget = static_cast<const QWidget&>(*watched);
  std::erase_if(waiting_, [&widget](const Target& target) { return target(widget); });
  // Queued now, so it runs as soon as this paint pass and its flush are over,
  // ahead of whatever the painting windows queue behind it.
  if (waiting_.empty()) {
    QTimer::singleShot(0, this, [this] {
      paintedNs_ = NowNs();
      if (onPainted) onPainted();
    });
  }
  return false;
}

PaintWatch::Target Named(const char* name) {
  return [name](const QWidget& w) { return w.objectName() == QLatin1String(name); };
}

PaintWatch::Target TextPageOf(const char* box) {
  return [box](const QWidget& w) {
    const QWidget* edit = w.parentWidget();
    const QWidget* owner = edit ? edit->parentWidget() : nullptr;
    return owner && owner->objectName() == QLatin1String(box) && w.objectName() == QLatin1String("qt_scrollarea_viewport");
  };
}

long long ChartClickToPaintedNs(frmMain& input) {
  PaintWatch watch({Named("MDI"), Named("frmDisplay")});
  const long long start = NowNs();
  input.cmdCalculate->click();
  if (!platform::Form<MDI>::IsLoaded() || !watch.WaitPainted()) return -1;
  return watch.PaintedNs() - start;
}

long long ReportClickToPaintedNs() {
  MDI* mdi = platform::Form<MDI>::IfLoaded();
  if (!mdi) return -1;
  // The report window runs modally inside the click; it is closed from its own
  // event loop, as the user would, once it has been painted with its text.
  PaintWatch watch({Named("frmSave"), TextPageOf("RTB")});
  long long end = -1;
  watch.onPainted = [&end] {
    end = NowNs();
    if (frmSave* report = platform::Form<frmSave>::IfLoaded()) report->reject();
  };
  // A bound, so a window that never paints ends the wait rather than the run.
  QTimer bound;
  bound.setSingleShot(true);
  QObject::connect(&bound, &QTimer::timeout, [] {
    if (frmSave* report = platform::Form<frmSave>::IfLoaded()) report->reject();
  });
  bound.start(5000);
  const long long start = NowNs();
  mdi->cmdInterpretation->click();
  return end < 0 ? -1 : end - start;
}

void BackToInput() {
  if (MDI* mdi = platform::Form<MDI>::IfLoaded()) mdi->cmdBack_Click();
  Settle();
}

Memory ProcessMemory() {
  Memory memory;
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return memory;
  for (const QByteArray& line : status.readAll().split('\n')) {
    const auto kb = [&line] { return line.mid(6).trimmed().split(' ').value(0).toLong(); };
    if (line.startsWith("VmHWM:")) memory.peakKb = kb();
    if (line.startsWith("VmRSS:")) memory.residentKb = kb();
  }
  return memory;
}

long MinorFaults() {
  rusage usage{};
  return getrusage(RUSAGE_SELF, &usage) == 0 ? usage.ru_minflt : 0;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace bench
