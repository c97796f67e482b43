// The exit screen: stays up when the user leaves the chart or the input window.
// It asks the user to support the maker's forum (one of four texts, picked at its
// first load and kept for the run), links to the maker's home page and catalogue,
// carries the refer-a-friend form and holds the Exit button that ends the program.
#pragma once

#include <QWidget>
#include <array>

#include "platform/KeyPress.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class frmExitScreen : public QWidget {
  Q_OBJECT
 public:
  frmExitScreen();

  // The four support texts, by the number of the random pick.
  static const std::array<QString, 4> SupportTexts;

  QLabel* Picture1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QCheckBox* Check1 = nullptr;
  QPushButton* cmdClose = nullptr;
  QGroupBox* fraReferAFriend = nullptr;
  QLineEdit* txtName = nullptr;
  QLineEdit* txtEmail = nullptr;
  QLineEdit* txtFriendName = nullptr;
  QLineEdit* txtFriendEmail = nullptr;
  QPushButton* cmdSubmit = nullptr;
  // Multi-line; it lies below the frame's visible area, so it is never seen.
  QPlainTextEdit* txtMessage = nullptr;
  QGroupBox* fraDownload = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* lblGoToHome = nullptr;

  // The message box's text with line breaks as carriage return and line feed.
  QString MessageText() const;
  void SetMessageText(const QString& text);

 public slots:
  void Form_Load();
  void Form_Unload();
  void cmdClose_Click();
  void Check1_Click();
  void lblGoToHome_Click();
  void cmdSubmit_Click();

  void txtName_GotFocus();
  void txtEmail_GotFocus();
  void txtMessage_GotFocus();
  void txtFriendName_GotFocus();
  void txtFriendEmail_GotFocus();
  void txtName_LostFocus();
  void txtEmail_LostFocus();
  void txtMessage_LostFocus();
  void txtFriendName_LostFocus();
  void txtFriendEmail_LostFocus();

  // KeyAscii is the typed character's code; set to 0 the key is discarded.
  void txtEmail_KeyPress(int& KeyAscii);
  void txtFriendEmail_KeyPress(int& KeyAscii);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Routes the boxes' focus changes and the e-mail boxes' key presses.
  platform::ControlEvents controlEvents;

  void BuildReferAFriendFrame();
  void BuildDownloadFrame();
  void SpaceFilter(QLineEdit* box, int& KeyAscii);
};
