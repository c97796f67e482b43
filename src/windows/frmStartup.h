// The hidden start-up form: loaded at start and never shown. Its load makes sure
// only one instance runs, seeds the random generator, runs the update reminder,
// shows the input window and picks which of the input window's two offers lies
// on top. It stays loaded for the whole run; unloading it quits the program.
#pragma once

#include <QWidget>
#include <cstdint>

class frmStartup : public QWidget {
  Q_OBJECT
 public:
  frmStartup();

  // 0 until the first pick, then the last co-brand number (1 to 6).
  std::int16_t intCoBrandRandomNumber = 0;

  // The message a second instance shows before it ends.
  static const QString AlreadyRunningMessage;

 public slots:
  void Form_Load();
  void Form_Unload();
  // Odd numbers bring the input window's co-branding offer to the front, even
  // ones its full-brand offer.
  void CoBrand_Randomize();

  // The form is never shown: a request to show it leaves it hidden, so no road
  // has to hide it.
  void setVisible(bool visible) override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ReportSecondInstance();
};

// What every run of the program sets up before its first window: the font
// substitutions, an end only through QuitApplication (never because the last
// window was closed), and no cache of drawn control pictures. The style keys
// those by palette and every window loaded afresh brings new palettes, so over
// a session such a cache fills to its bound with pictures no window shows again:
// on a real X server the program held about 65 MB after 1,000 charts and
// reports with Qt's cache, 43 MB without. Drawing them again costs nothing a
// user sees.
void SetUpApplication();

// The program's start: SetUpApplication and the hidden start-up form loaded. The
// event loop runs afterwards.
void StartProgram();
