// The about box: the program's icon, name and version, a short description, a note
// on co-branding and two link labels. Shown modally; OK, Enter, Escape or the close
// box unload it, so every opening looks the same.
#pragma once

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QPushButton;

class frmAbout : public QDialog {
  Q_OBJECT
 public:
  frmAbout();

  QLabel* picIcon = nullptr;
  QPushButton* cmdOK = nullptr;
  QLabel* lblHomePage = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* lblCobrand = nullptr;
  QFrame* Line2 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label1 = nullptr;
  std::array<QFrame*, 1> Line1{};

 public slots:
  void Form_Load();
  void cmdOK_Click();
  void lblHomePage_Click();
  void lblCobrand_Click();
  // Escape presses OK, as the window's cancel button.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
};
