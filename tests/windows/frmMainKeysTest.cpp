// The keystroke filters of the input window's text boxes, driven by real key presses.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "windows/frmMain.h"
#include "platform/Forms.h"
#include "support/Doubles.h"

namespace {

using platform::Form;
using platform::MsgIcon;

class frmMainKeysTest : public testing_doubles::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    f = &Form<frmMain>::Show();
  }

  // Sends one typed character that QTest cannot spell with a plain char.
  static void TypeText(QWidget* box, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, text);
    QApplication::sendEvent(box, &release);
  }

  QStringList Messages() const {
    QStringList texts;
    for (const auto& m : d.messages->shown) texts << m.text;
    return texts;
  }

  frmMain* f = nullptr;
};

TEST_F(frmMainKeysTest, LettersBoxesTakeLettersAndBlanksOnly) {
  for (QLineEdit* box : {f->txtName, f->txtCity, f->txtState, f->txtCountry}) {
    SCOPED_TRACE(box->objectName().toStdString());
    d.messages->shown.clear();
    box->clear();
    QTest::keyClicks(box, "Ab Yz");
    EXPECT_EQ(box->text(), "Ab Yz");
    EXPECT_TRUE(d.messages->shown.empty());

    for (const QString& refused : {QString("7"), QString("'"), QString("."), QString("-"), QString::fromUtf8("é")}) {
      d.messages->shown.clear();
      f->txtLatDegree->setFocus();  // the refusal puts the focus back on the box
      TypeText(box, refused);
      EXPECT_EQ(box->text(), "Ab Yz") << refused.toStdString();
      ASSERT_EQ(d.messages->shown.size(), 1u) << refused.toStdString();
      EXPECT_EQ(d.messages->shown[0].text, "Please enter only letters");
      EXPECT_EQ(d.messages->shown[0].icon, MsgIcon::Critical);
      EXPECT_EQ(d.messages->shown[0].buttons, platform::MsgButtons::OK);
      EXPECT_TRUE(d.messages->shown[0].title.isEmpty());
      EXPECT_EQ(f->focusWidget(), box);
    }
  }
}

TEST_F(frmMainKeysTest, DigitsBoxesTakeDigitsOnlyAndLeaveTheFocus) {
  for (QLineEdit* box : {f->txtLatDegree, f->txtLatMinute, f->txtLongDegree, f->txtLongMinute}) {
    SCOPED_TRACE(box->objectName().toStdString());
    d.messages->shown.clear();
    box->clear();
    QTest::keyClicks(box, "0957");
    EXPECT_EQ(box->text(), "0957");
    EXPECT_TRUE(d.messages->shown.empty());

    for (const QString& refused : {QString("a"), QString(" "), QString("'"), QString("-"), QString("."),
                                  QString::fromUtf8("é")}) {
      d.messages->shown.clear();
      f->txtName->setFocus();
      TypeText(box, refused);
      EXPECT_EQ(box->text(), "0957") << refused.toStdString();
      ASSERT_EQ(d.messages->shown.size(), 1u) << refused.toStdString();
      EXPECT_EQ(d.messages->shown[0].text, "Please enter only numbers");
      EXPECT_EQ(d.messages->shown[0].icon, MsgIcon::Critical);
      EXPECT_EQ(f->focusWidget(), f->txtName);  // not moved
    }
  }
}

TEST_F(frmMainKeysTest, ControlCombinationsCountByTheirCharacterCode) {
  QApplication::clipboard()->setText("Pasted");
  for (QLineEdit* box : {f->txtName, f->txtLatDegree}) {
    SCOPED_TRACE(box->objectName().toStdString());
    const QString start = box == f->txtName ? "Ab Cd" : "12";
    box->setText(start);
    box->selectAll();
    d.messages->shown.clear();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);  // code 3
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);  // code 22
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);  // code 24
    EXPECT_EQ(box->text(), start);
    EXPECT_EQ(QApplication::clipboard()->text(), "Pasted");  // the copy did not act
    ASSERT_EQ(d.messages->shown.size(), 3u);

    // Ctrl+Backspace is 127 and passes: the box deletes the word before the cursor.
    d.messages->shown.clear();
    box->end(false);
    QTest::keyClick(box, Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_TRUE(d.messages->shown.empty());
    EXPECT_EQ(box->text(), box == f->txtName ? "Ab " : "");
  }
}

TEST_F(frmMainKeysTest, KeysThatTypeNothingPassSilently) {
  f->txtCity->setText("Rome");
  f->txtLongMinute->setText("45");
  for (QLineEdit* box : {f->txtCity, f->txtLongMinute}) {
    SCOPED_TRACE(box->objectName().toStdString());
    const QString before = box->text();
    box->end(false);
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Shift);
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_Delete);  // deletes the last character
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_TRUE(d.messages->shown.empty());
    EXPECT_EQ(box->text(), before.left(before.size() - 2));
  }
}

TEST_F(frmMainKeysTest, EnterAndEscapeAreCharactersAltCombinationsAreNot) {
  f->txtCountry->setText("Peru");
  QTest::keyClick(f->txtCountry, Qt::Key_Return);  // code 13
  QTest::keyClick(f->txtLatMinute, Qt::Key_Escape);  // code 27
  ASSERT_EQ(d.messages->shown.size(), 2u);
  EXPECT_EQ(d.messages->shown[0].text, "Please enter only letters");
  EXPECT_EQ(d.messages->shown[1].text, "Please enter only numbers");

  // Alt+letter belongs to the menus and access keys, not to the box.
  d.messages->shown.clear();
  QTest::keyClick(f->txtCountry, Qt::Key_X, Qt::AltModifier);
  QTest::keyClick(f->txtLatMinute, Qt::Key_X, Qt::AltModifier);
  EXPECT_TRUE(d.messages->shown.empty());
  EXPECT_EQ(f->txtCountry->text(), "Peru");

  // Alt+F still opens the File menu from inside a filtered box.
  f->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(f));
  f->txtName->setFocus();
  QTest::keyClick(f->txtName, Qt::Key_F, Qt::AltModifier);
  EXPECT_TRUE(f->mnuFile->isVisible());
  f->mnuFile->hide();
  EXPECT_TRUE(d.messages->shown.empty());
}

TEST_F(frmMainKeysTest, TextSetOtherwiseIsNotFiltered) {
  // Opening a saved chart or pasting through the context menu bypasses the filters.
  f->txtName->setText("O'Neil-Smith");
  f->txtLatDegree->setText("-12.5");
  f->txtName->insert("2");
  EXPECT_EQ(f->txtName->text(), "O'Neil-Smith2");
  EXPECT_TRUE(d.messages->shown.empty());
}


TEST_F(frmMainKeysTest, ReturnAndEnterOnTheFocusedButtonPressIt) {
  f->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(f));
  f->txtName->clear();
  for (const auto& [key, modifiers] : {std::pair{Qt::Key_Return, Qt::KeyboardModifiers(Qt::NoModifier)},
                                       std::pair{Qt::Key_Enter, Qt::KeyboardModifiers(Qt::KeypadModifier)}}) {
    d.messages->shown.clear();
    f->cmdCalculate->setFocus();
    QTest::keyClick(f->cmdCalculate, key, modifiers);
    EXPECT_EQ(Messages(), QStringList{"Please Enter Your Name"});
  }
}

}  // namespace
