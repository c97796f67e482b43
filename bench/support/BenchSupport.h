// What the window benchmarks share: a filled input window, a watch for a
// window's paint, the report window closed once it is painted, and the peak
// memory of the process.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QWidget;
class frmMain;

namespace bench {

// The input window loaded through the start-up form and shown, filled with one
// of a range of birth data (date, time and place vary with variant).
frmMain& FilledInputWindow(int variant = 0);
void FillInput(frmMain& input, int variant);

// Runs deferred deletions and pending events, as the event loop would between
// two clicks.
void Settle();

// Watches the whole program for paint events: Painted() turns true once a
// widget of each expected kind has received one. A repaint draws a window and
// all its children in one pass, so when the event loop returns from delivering
// the last of them the window is on screen.
class PaintWatch : public QObject {
 public:
  using Target = std::function<bool(const QWidget&)>;
  explicit PaintWatch(std::vector<Target> targets);
  ~PaintWatch() override;
  // True once the event loop has run after the pass that painted the last
  // expected widget: that pass drew, and put on the screen, all of them.
  bool Painted() const { return paintedNs_ >= 0; }
  // The steady clock's nanoseconds at that moment, before anything else the
  // event loop had queued behind the paint; -1 before.
  long long PaintedNs() const { return paintedNs_; }
  // Processes events until Painted() or the bound in milliseconds passes;
  // false when it passed.
  bool WaitPainted(int boundMs = 5000);
  // Runs once, from the event loop, at the moment Painted() turns true.
  std::function<void()> onPainted;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<Target> waiting_;
  long long paintedNs_ = -1;
};

// A widget named name, a window of its own or inside one.
PaintWatch::Target Named(const char* name);
// The page of a rich-text box named box: where its text is drawn.
PaintWatch::Target TextPageOf(const char* box);

// Clicks Interpretation on the loaded main window and returns the nanoseconds
// from the click until the report window, text included, was painted; the
// window is then closed (as the user would) and unloaded. -1 when the report
// window was not painted.
long long ReportClickToPaintedNs();

// Clicks "Get My Ormandel" on the input window and returns the nanoseconds from
// the click until the main window and the chart window in it were painted; -1
// when they were not.
long long ChartClickToPaintedNs(frmMain& input);

// Back from the main window to the input window, with the unloaded windows
// deleted.
void BackToInput();

// VmHWM and VmRSS of /proc/self/status in kB; 0 when not readable.
struct Memory {
  long peakKb = 0;
  long residentKb = 0;
};
Memory ProcessMemory();

// Minor page faults of the process so far (the kernel mapping in a page on first
// touch): on virtual machines each costs several microseconds.
long MinorFaults();

// The steady clock in nanoseconds, as the figures above count it.
long long NowNs();

double Median(std::vector<double> values);

}  // namespace bench
