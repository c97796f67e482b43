// The exit screen: its look, the support text, the links, the watermarks, the
// space filter of the e-mail boxes, the refer-a-friend checks and address, and
// the Exit button and close box that quit.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

#include "platform/Forms.h"
#include "windows/ExitScreenRoad.h"
#include "windows/frmExitScreen.h"
#include "windows/modHelp_QuitApplication.h"
#include "windows/modHelp_WebLinks.h"
#include "windows/modTellAFriend.h"
#include "support/QuitRecordingTest.h"

using platform::Form;
using platform::MsgIcon;

namespace {

class ExitScreenTest : public testing_doubles::QuitRecordingTest {
 protected:
  frmExitScreen& Screen() {
    ShowExitScreen();
    frmExitScreen& w = Form<frmExitScreen>::Get();
    w.activateWindow();
    return w;
  }

  // Fills the four visible boxes and submits.
  void Submit(frmExitScreen& w, const QString& name, const QString& email, const QString& friendName,
              const QString& friendEmail) {
    w.txtName->setText(name);
    w.txtEmail->setText(email);
    w.txtFriendName->setText(friendName);
    w.txtFriendEmail->setText(friendEmail);
    QTest::mouseClick(w.cmdSubmit, Qt::LeftButton);
  }

  QStringList Messages() const {
    QStringList texts;
    for (const auto& m : d.messages->shown) texts << m.text;
    return texts;
  }
};

TEST_F(ExitScreenTest, ShowsItsDesignedWindow) {
  frmExitScreen& w = Screen();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("QZ Astrology Ormandel v1.35"));
  EXPECT_EQ(w.size(), QSize(741, 315));
  EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(w.testAttribute(Qt::WA_ShowWithoutActivating));
  EXPECT_FALSE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(w.Label1->text(), QStringLiteral("QZ Astrology Ormandel v1.35"));
  EXPECT_TRUE(w.Check1->text().startsWith(QStringLiteral("Click Here To Visit ")));
  EXPECT_TRUE(w.Check1->text().endsWith(QUrl(HomePageAddress()).host() + QStringLiteral(" Now")));
  EXPECT_EQ(w.cmdClose->text(), QStringLiteral("E&xit"));
  EXPECT_EQ(w.fraReferAFriend->title(), QStringLiteral("Refer A Friend"));
  EXPECT_EQ(w.fraDownload->title(), QStringLiteral("Download Velmora Softwares"));
  EXPECT_EQ(w.cmdSubmit->text(), QStringLiteral("Refer A Friend &Now"));
  EXPECT_EQ(w.lblGoToHome->text(), QStringLiteral("Click Here To Visit Velmora Softwares"));
  EXPECT_TRUE(w.Label3->text().contains(QStringLiteral("interests.") + QString(61, QLatin1Char(' ')) +
                                        QStringLiteral("All the programs")));
  EXPECT_TRUE(w.Label3->text().endsWith(QStringLiteral("friends and family. ")));
  EXPECT_EQ(w.txtName->text(), QStringLiteral("Your Name"));
  EXPECT_EQ(w.txtEmail->text(), QStringLiteral("Your Email Address"));
  EXPECT_EQ(w.txtFriendName->text(), QStringLiteral("Friend's Name"));
  EXPECT_EQ(w.txtFriendEmail->text(), QStringLiteral("Friend's Email Address"));
  EXPECT_EQ(w.MessageText(), QStringLiteral("Your Message\r\n"));
  // The message box lies below the frame's visible area.
  EXPECT_GE(w.txtMessage->y(), w.fraReferAFriend->height());
  // Every visible text fits its control.
  for (QWidget* c : std::initializer_list<QWidget*>{w.Label1, w.Check1, w.cmdSubmit, w.cmdClose}) {
    EXPECT_LE(c->sizeHint().width(), c->width()) << c->objectName().toStdString();
  }
  for (QLabel* wrapped : {w.Label2, w.Label3, w.lblGoToHome}) {
    EXPECT_LE(wrapped->heightForWidth(wrapped->width()), wrapped->height()) << wrapped->objectName().toStdString();
  }
  w.grab().save(QDir::temp().filePath(QStringLiteral("frmExitScreen.png")));
}

TEST_F(ExitScreenTest, SupportTextIsPickedOnceAtTheFirstLoad) {
  const std::vector<std::pair<float, int>> picks{{0.0f, 0}, {0.2499f, 0}, {0.25f, 1}, {0.6f, 2}, {0.99999994f, 3}};
  for (const auto& [r, pick] : picks) {
    testing_doubles::UnloadAllForms();
    d.random->values = {r};
    const int seeded = d.random->randomizeCalls;
    frmExitScreen& w = Screen();
    EXPECT_EQ(d.random->randomizeCalls, seeded + 1);
    EXPECT_EQ(w.Label2->text(), frmExitScreen::SupportTexts[static_cast<std::size_t>(pick)]) << r;
  }
  EXPECT_TRUE(frmExitScreen::SupportTexts[2].startsWith(QStringLiteral("Velmora is a FREE online discussion forum")));

  // Later showings keep the text.
  const QString first = Form<frmExitScreen>::Get().Label2->text();
  d.random->values = {0.0f, 0.3f, 0.6f, 0.9f};
  for (int i = 0; i < 4; ++i) {
    HideExitScreen();
    ShowExitScreen();
    EXPECT_EQ(Form<frmExitScreen>::Get().Label2->text(), first);
  }
}

TEST_F(ExitScreenTest, CheckBoxOpensTheHomePageOnceAndNeverStaysTicked) {
  frmExitScreen& w = Screen();
  QTest::mouseClick(w.Check1, Qt::LeftButton);
  EXPECT_EQ(d.shell->opened, QStringList{HomePageAddress()});
  EXPECT_FALSE(w.Check1->isChecked());
  QTest::mouseClick(w.Check1, Qt::LeftButton);
  EXPECT_EQ(d.shell->opened.size(), 2);
  EXPECT_FALSE(w.Check1->isChecked());

  d.shell->opened.clear();
  QTest::mouseClick(w.lblGoToHome, Qt::LeftButton);
  ASSERT_EQ(d.shell->opened.size(), 1);
  EXPECT_TRUE(d.shell->opened[0].endsWith(QStringLiteral("/velmorasoftwares")));
}

TEST_F(ExitScreenTest, WatermarksGoOnFocusAndComeBackOnBlankBoxes) {
  frmExitScreen& w = Screen();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  w.txtName->setFocus();
  EXPECT_EQ(w.txtName->text(), QString());
  w.txtEmail->setFocus();
  EXPECT_EQ(w.txtName->text(), QStringLiteral("Your Name"));
  EXPECT_EQ(w.txtEmail->text(), QString());

  // Only blanks count as empty; the watermark is compared with case.
  w.txtEmail->setText(QStringLiteral("   "));
  w.txtFriendName->setFocus();
  EXPECT_EQ(w.txtEmail->text(), QStringLiteral("Your Email Address"));
  EXPECT_EQ(w.txtFriendName->text(), QString());
  w.txtFriendName->setText(QStringLiteral("friend's name"));
  w.txtFriendEmail->setFocus();
  EXPECT_EQ(w.txtFriendName->text(), QStringLiteral("friend's name"));
  EXPECT_EQ(w.txtFriendEmail->text(), QString());
  w.txtFriendEmail->setText(QStringLiteral("  Friend's Email Address "));
  w.txtName->setFocus();
  w.txtFriendEmail->setFocus();
  EXPECT_EQ(w.txtFriendEmail->text(), QString());

  // The message's initial text ends in a line break: not the watermark alone.
  w.txtMessage->setFocus();
  EXPECT_EQ(w.MessageText(), QStringLiteral("Your Message\r\n"));
  w.SetMessageText(QStringLiteral("  "));
  w.txtName->setFocus();
  EXPECT_EQ(w.MessageText(), QStringLiteral("Your Message"));
  w.txtMessage->setFocus();
  EXPECT_EQ(w.MessageText(), QString());
}

TEST_F(ExitScreenTest, EmailBoxesRefuseTypedSpaces) {
  frmExitScreen& w = Screen();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  for (QLineEdit* box : {w.txtEmail, w.txtFriendEmail}) {
    d.messages->shown.clear();
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("a b"));
    EXPECT_EQ(box->text(), QStringLiteral("ab"));
    ASSERT_EQ(d.messages->shown.size(), 1u);
    EXPECT_EQ(d.messages->shown[0].text, QStringLiteral("Email Address Cannot Contain Space"));
    EXPECT_EQ(d.messages->shown[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(d.messages->shown[0].title.isEmpty());
    EXPECT_TRUE(box->hasFocus());
  }
  // The name boxes take spaces.
  d.messages->shown.clear();
  w.txtName->setFocus();
  QTest::keyClicks(w.txtName, QStringLiteral("Ann Lee"));
  EXPECT_EQ(w.txtName->text(), QStringLiteral("Ann Lee"));
  EXPECT_TRUE(d.messages->shown.empty());
}

TEST_F(ExitScreenTest, SubmitChecksInOrderAndShowsTheFirstFailure) {
  frmExitScreen& w = Screen();
  struct Case {
    QString name, email, friendName, friendEmail, message;
  };
  const std::vector<Case> cases{
      // Untouched: the two watermark addresses differ and hold no "@".
      {"Your Name", "Your Email Address", "Friend's Name", "Friend's Email Address",
       "Please Enter Proper Email Address"},
      {"Ann", "", "Bob", "", "Please Enter Distinct Email Addresses"},
      {"Ann", "  a@b.c ", "Bob", "a@b.c", "Please Enter Distinct Email Addresses"},
      {"Ann", "a@b.c", "Bob", "bob.example", "Please Enter Proper Email Address"},
      {"Ann", "ab.c", "Bob", "b@b.c", "Please Enter Proper Email Address"},
      {"Ann", "a@bc", "Bob", "b@b.c", "Please Enter Proper Email Address"},
      // The e-mail checks come before the name check.
      {"Your Name", "a@b.c", "Friend's Name", "b@b.c", "Please Enter Your Name"},
      {"   ", "a@b.c", "Bob", "b@b.c", "Please Enter Your Name"},
      {"Ann", "a@b.c", "Friend's Name", "b@b.c", "Please Enter Your Friend's Name"},
      {"Ann", "a@b.c", " ", "b@b.c", "Please Enter Your Friend's Name"},
  };
  for (const Case& c : cases) {
    d.messages->shown.clear();
    Submit(w, c.name, c.email, c.friendName, c.friendEmail);
    ASSERT_EQ(d.messages->shown.size(), 1u) << c.message.toStdString();
    EXPECT_EQ(d.messages->shown[0].text, c.message);
    EXPECT_EQ(d.messages->shown[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(d.messages->shown[0].title.isEmpty());
  }
  EXPECT_TRUE(d.shell->opened.isEmpty());

  // A message of blanks only.
  d.messages->shown.clear();
  w.SetMessageText(QStringLiteral("   "));
  Submit(w, "Ann", "a@b.c", "Bob", "b@b.c");
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("Please Enter Your Message")});
  w.SetMessageText(QStringLiteral("Your Message"));
  d.messages->shown.clear();
  Submit(w, "Ann", "a@b.c", "Bob", "b@b.c");
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("Please Enter Your Message")});
  EXPECT_TRUE(d.shell->opened.isEmpty());

  // The e-mail checks take the text as it is: "." before "@" and case-only differences pass.
  w.SetMessageText(QStringLiteral("Hi"));
  d.messages->shown.clear();
  Submit(w, "Ann", "a.b@c", "Bob", "A.B@c");
  EXPECT_TRUE(d.messages->shown.empty());
  EXPECT_EQ(d.shell->opened.size(), 1);
}

TEST_F(ExitScreenTest, SubmissionOpensTheReferAFriendAddressWithEncodedValues) {
  frmExitScreen& w = Screen();
  // The message box untouched: it carries its initial text and line break.
  Submit(w, "  Ann Lee ", "ann@mail.example", "Bob #1 & co=x", "bob@mail.example");
  EXPECT_TRUE(d.messages->shown.empty());
  ASSERT_EQ(d.shell->opened.size(), 1);
  const QString site = HomePageAddress();
  const QString expected = site + QStringLiteral(
                                      "/qzvs-refer-a-friend.php?taf1=Ann%20Lee&taf2=ann%40mail.example"
                                      "&taf3=Your%20Message%0D%0A&taf4=Bob%20%231%20%26%20co%3Dx"
                                      "&taf5=bob%40mail.example&taf6=") +
                           QString::fromLatin1(QUrl::toPercentEncoding(site + QStringLiteral("/qz-free-astrology-ormandel/")));
  EXPECT_EQ(d.shell->opened[0], expected);
  EXPECT_EQ(strReferUrl, expected);
  EXPECT_EQ(strReferName, QStringLiteral("Ann Lee"));

  // The address reads back to exactly the six values, keys in order.
  const QUrl url(d.shell->opened[0]);
  EXPECT_FALSE(url.hasFragment());
  const auto items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
  ASSERT_EQ(items.size(), 6);
  const QStringList keys{"taf1", "taf2", "taf3", "taf4", "taf5", "taf6"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(items[i].first, keys[i]);
  EXPECT_EQ(items[2].second, QStringLiteral("Your Message\r\n"));
  EXPECT_EQ(items[3].second, QStringLiteral("Bob #1 & co=x"));

  // Nothing is cleared after a submission.
  EXPECT_EQ(w.txtName->text(), QStringLiteral("  Ann Lee "));
  EXPECT_TRUE(w.isVisible());
}

TEST_F(ExitScreenTest, ExitButtonAndCloseBoxQuit) {
  frmExitScreen& w = Screen();
  QTest::mouseClick(w.cmdClose, Qt::LeftButton);
  EXPECT_FALSE(Form<frmExitScreen>::IsLoaded());
  EXPECT_TRUE(platform::LoadedForms().empty());
  EXPECT_EQ(ends, 1);

  frmExitScreen& again = Screen();
  again.close();
  EXPECT_FALSE(Form<frmExitScreen>::IsLoaded());
  EXPECT_EQ(ends, 2);
}

}  // namespace
