// The whole-input check of the input window and its latitude-and-longitude lookup.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <tuple>
#include <vector>

#include "SiteConfig.h"
#include "windows/frmMain.h"
#include "platform/Forms.h"
#include "support/Doubles.h"

namespace {

using platform::Form;
using platform::MsgIcon;

class frmMainValidateTest : public testing_doubles::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    f = &Form<frmMain>::Show();
    f->txtName->setText("Anna");
    f->txtLongDegree->setText("77");
    f->txtLongMinute->setText("13");
    f->txtLatDegree->setText("28");
    f->txtLatMinute->setText("36");
    f->txtCity->setText("New Delhi");
    f->txtState->setText("Delhi");
    f->txtCountry->setText("India");
  }

  void SetDate(int day, int monthIndex, int year) {
    f->cboDate->setCurrentIndex(day - 1);
    f->cboMonth->setCurrentIndex(monthIndex);
    f->cboYear->setCurrentText(QString::number(year));
    ASSERT_EQ(f->cboYear->currentText(), QString::number(year));
  }

  // Runs the check and expects exactly one message.
  void ExpectRefused(const QString& message, MsgIcon icon) {
    d.messages->shown.clear();
    EXPECT_FALSE(f->ValidateInput());
    ASSERT_EQ(d.messages->shown.size(), 1u);
    EXPECT_EQ(d.messages->shown[0].text, message);
    EXPECT_EQ(d.messages->shown[0].icon, icon);
    EXPECT_EQ(d.messages->shown[0].buttons, platform::MsgButtons::OK);
    EXPECT_TRUE(d.messages->shown[0].title.isEmpty());
  }

  void ExpectPassed() {
    d.messages->shown.clear();
    EXPECT_TRUE(f->ValidateInput());
    EXPECT_TRUE(d.messages->shown.empty());
  }

  frmMain* f = nullptr;
};

// The rules themselves are tested with CheckBirthInput; here the window shows
// their answer: the message and its icon, the focus, the choices defaulted.

TEST_F(frmMainValidateTest, CompleteInputPassesWithoutAMessage) { ExpectPassed(); }

TEST_F(frmMainValidateTest, EachEmptyBoxGivesItsMessageAndTheFocus) {
  for (QLineEdit* box : {f->txtName, f->txtLongDegree, f->txtLongMinute, f->txtLatDegree, f->txtLatMinute,
                         f->txtCity, f->txtState, f->txtCountry}) {
    SCOPED_TRACE(box->objectName().toStdString());
    const QString kept = box->text();
    box->clear();
    f->cmdOpen->setFocus();
    ExpectRefused(CheckBirthInput(f->Input())->Message, MsgIcon::Critical);
    EXPECT_EQ(f->focusWidget(), box);
    box->setText(kept);
  }
}

TEST_F(frmMainValidateTest, DirectionsMissingAreReportedThenDefaulted) {
  // Both pairs cleared, as a partly read chart could leave them.
  for (QRadioButton* option : f->optLatSouth) option->group()->setExclusive(false);
  for (QRadioButton* option : f->optLatSouth) option->setChecked(false);
  for (QRadioButton* option : f->optLongEast) option->group()->setExclusive(false);
  for (QRadioButton* option : f->optLongEast) option->setChecked(false);

  ExpectRefused("Please Select Direction For The Latitude", MsgIcon::Critical);
  EXPECT_TRUE(f->optLatSouth[1]->isChecked());  // South is selected afterwards
  ExpectRefused("Please Select Direction For The Longitude", MsgIcon::Critical);
  EXPECT_TRUE(f->optLongEast[0]->isChecked());  // East is selected afterwards
  ExpectPassed();
}

TEST_F(frmMainValidateTest, ADayTheMonthDoesNotHaveIsToldWithTheInformationIcon) {
  SetDate(31, 3, 1990);  // 31 April
  ExpectRefused("Please Enter Correct Date Or Month !", MsgIcon::Information);
}

TEST_F(frmMainValidateTest, ACoordinateOffTheGlobeIsRefusedWithTheFocusOnItsBox) {
  const std::vector<std::tuple<QLineEdit*, QString, QString>> boxes{
      {f->txtLongDegree, "200", "The degree of longitude must be a whole number from 0 to 180, typed as digits only."},
      {f->txtLongMinute, "12.5", "The minute of longitude must be a whole number from 0 to 59, typed as digits only."},
      {f->txtLatDegree, "95", "The degree of latitude must be a whole number from 0 to 90, typed as digits only."},
      {f->txtLatMinute, "70", "The minute of latitude must be a whole number from 0 to 59, typed as digits only."},
  };
  for (const auto& [box, bad, message] : boxes) {
    SCOPED_TRACE(message.toStdString());
    const QString kept = box->text();
    box->setText(bad);
    f->txtName->setFocus();
    ExpectRefused(message, MsgIcon::Critical);
    EXPECT_EQ(f->focusWidget(), box);
    EXPECT_EQ(box->text(), bad);  // nothing changed
    box->setText(kept);
  }
  f->txtLatDegree->setText("90");
  f->txtLatMinute->setText("0");
  ExpectPassed();
}

class frmMainLookupTest : public frmMainValidateTest {};

TEST_F(frmMainLookupTest, EmptyPlaceBoxesStopTheLookup) {
  const std::vector<std::pair<QLineEdit*, QString>> rows{
      {f->txtCity, "Please Enter City"}, {f->txtState, "Please Enter State"}, {f->txtCountry, "Please Enter Country"}};
  for (const auto& [box, message] : rows) {
    SCOPED_TRACE(message.toStdString());
    const QString kept = box->text();
    box->clear();
    d.messages->shown.clear();
    f->txtName->setFocus();
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    ASSERT_EQ(d.messages->shown.size(), 1u);
    EXPECT_EQ(d.messages->shown[0].text, message);
    EXPECT_EQ(d.messages->shown[0].icon, MsgIcon::Critical);
    EXPECT_EQ(f->focusWidget(), box);
    EXPECT_EQ(d.lookup->created, 0);
    box->setText(kept);
  }
}

TEST_F(frmMainLookupTest, EachClickCallsANewLookupWithTheQueryAndHomeSite) {
  f->txtCity->setText(" Paris");
  f->txtState->setText("Ile de France ");
  f->txtCountry->setText("France");
  QTest::mouseClick(f->Command1, Qt::LeftButton);
  QTest::mouseClick(f->Command1, Qt::LeftButton);
  EXPECT_EQ(d.lookup->created, 2);
  ASSERT_EQ(d.lookup->calls.size(), 2u);
  EXPECT_EQ(d.lookup->calls[0].query, " Paris Ile de France  France Latitude Longitude");  // as typed
  EXPECT_EQ(d.lookup->calls[0].homeSite, QString::fromUtf8(site::WebSite));
  EXPECT_TRUE(d.messages->shown.empty());
  // Nothing in the window changes.
  EXPECT_EQ(f->txtCity->text(), " Paris");
  EXPECT_TRUE(f->txtLatDegree->text() == "28" && f->txtLongDegree->text() == "77");
}

TEST_F(frmMainLookupTest, WithoutAComponentTheClickDoesNothingMore) {
  d.lookup->installed = false;
  QTest::mouseClick(f->Command1, Qt::LeftButton);
  EXPECT_TRUE(d.lookup->calls.empty());
  EXPECT_TRUE(d.messages->shown.empty());
}

}  // namespace
