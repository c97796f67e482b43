// The report window: the chakra report of the chart on screen in a rich-text box
// whose web addresses are links, a Print button, and the maker's advertising
// lines. Shown modally by the main window's Interpretation button; every load
// rebuilds the report.
#pragma once

#include <QDialog>
#include <QEvent>

class QCloseEvent;
class QGroupBox;
class QLabel;
class QPushButton;
class RichTextBox;

class frmSave : public QDialog {
  Q_OBJECT
 public:
  frmSave();

  // Longest link handed to the browser; a longer one is cut to this length.
  static constexpr int MaxLinkLength = 1023;

  QLabel* lblURL = nullptr;
  RichTextBox* RTB = nullptr;
  QPushButton* cmdPrint = nullptr;
  QGroupBox* fraFullBrand = nullptr;
  QLabel* lblFullBrand = nullptr;
  QLabel* lblCobrand = nullptr;
  RichTextBox* RTB1 = nullptr;  // collects a plain copy of what is printed; never shown

 public slots:
  void Form_Load();
  void cmdPrint_Click();
  void lblURL_Click();
  void lblCobrand_Click();
  // Mouse activity over a link of the report: a left-button press opens it.
  void RTB_LinkNotify(QEvent::Type type, Qt::MouseButton button, int linkStart, int linkLength);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Turns on link recognition and link events of RTB; once per window.
  void EnableRtbLinks();
  bool linksEnabled_ = false;
};
