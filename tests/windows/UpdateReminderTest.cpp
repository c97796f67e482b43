// The update reminder: first start, the 14-day window both ways, the answers,
// the counter, unreadable values replaced, and dates that read back in every locale.
#include <QLocale>
#include <clocale>

#include "chart/modHelp_Codec.h"
#include "windows/modHelp_UpdateReminder.h"
#include "windows/modHelp_WebLinks.h"
#include "support/ChildTest.h"
#include "support/Doubles.h"

using platform::MsgAnswer;

namespace {

class UpdateReminderTest : public testing_doubles::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  }
  void TearDown() override {
    QLocale::setDefault(QLocale::system());
    WindowTest::TearDown();
  }

  QDate Today() const { return d.clock->now.date(); }
  static QString Key(const char* name) {
    return testing_doubles::MemorySettingsStore::Key(ReminderApplicationName(), QStringLiteral("Settings"),
                                                     EncodeText(QLatin1String(name)));
  }
  QString Stored(const char* name) const { return DecodeText(d.settings->values.value(Key(name))); }
  void Store(const char* name, const QString& value) { d.settings->values.insert(Key(name), EncodeText(value)); }
  void StoreDate(const QDate& date, const char* install = "1") {
    Store("Duration", ReminderDateText(date));
    Store("Install", QLatin1String(install));
    d.settings->saves = 0;
  }
  QString DownloadPage() const {
    return HomePageAddress() + QStringLiteral("/qz-free-astrology-ormandel/download-qz-free-astrology-ormandel.html");
  }
};

TEST_F(UpdateReminderTest, FirstStartCreatesBothValuesSilently) {
  CheckForUpdateReminder();
  EXPECT_TRUE(d.messages->shown.empty());
  EXPECT_EQ(Stored("Install"), QStringLiteral("1"));
  EXPECT_EQ(ParseReminderDate(Stored("Duration"), Today()), Today());
  // Names and values are stored coded, under the executable's name.
  EXPECT_EQ(d.settings->values.size(), 2);
  EXPECT_FALSE(d.settings->values.contains(testing_doubles::MemorySettingsStore::Key(
      ReminderApplicationName(), QStringLiteral("Settings"), QStringLiteral("Install"))));
  EXPECT_EQ(d.settings->values.value(Key("Install")), EncodeText(QStringLiteral("1")));
  EXPECT_EQ(strDurationName, EncodeText(QStringLiteral("Duration")));
  EXPECT_EQ(strInstallName, EncodeText(QStringLiteral("Install")));
  EXPECT_TRUE(d.shell->opened.isEmpty());
}

TEST_F(UpdateReminderTest, WithinFourteenDaysNothingHappens) {
  for (int days : {-14, -1, 0, 1, 14}) {
    StoreDate(Today().addDays(days));
    CheckForUpdateReminder();
    EXPECT_TRUE(d.messages->shown.empty()) << days;
    EXPECT_EQ(d.settings->saves, 0) << days;
  }
}

TEST_F(UpdateReminderTest, FurtherAwayAsksAndStoresToday) {
  for (int days : {-15, 15, -400}) {
    d.messages->shown.clear();
    d.shell->opened.clear();
    d.messages->answers = {MsgAnswer::No};
    StoreDate(Today().addDays(days));
    CheckForUpdateReminder();
    ASSERT_EQ(d.messages->shown.size(), 1u) << days;
    const auto& box = d.messages->shown[0];
    EXPECT_EQ(box.text, QStringLiteral("There maybe an update to this software available\r"
                                       "Do you want to check for an update?"));
    EXPECT_EQ(box.buttons, platform::MsgButtons::YesNo);
    EXPECT_EQ(box.icon, platform::MsgIcon::Information);
    EXPECT_TRUE(box.title.isEmpty());
    EXPECT_EQ(ParseReminderDate(Stored("Duration"), Today()), Today());
    EXPECT_EQ(Stored("Install"), QStringLiteral("1"));
    EXPECT_TRUE(d.shell->opened.isEmpty()) << "No opens nothing";
  }

  // Yes: the same writes, then the download page.
  d.messages->answers = {MsgAnswer::Yes};
  StoreDate(Today().addDays(-30), "-3");
  CheckForUpdateReminder();
  EXPECT_EQ(Stored("Install"), QStringLiteral("3"));
  EXPECT_EQ(ParseReminderDate(Stored("Duration"), Today()), Today());
  EXPECT_EQ(d.shell->opened, QStringList{DownloadPage()});

  // Right after, the stored date is today: no question.
  d.messages->shown.clear();
  CheckForUpdateReminder();
  EXPECT_TRUE(d.messages->shown.empty());
}

TEST_F(UpdateReminderTest, CounterIsReadAsARoundedWholeNumber) {
  const std::vector<std::pair<QString, QString>> counters{
      {"-3", "3"}, {"1", "1"}, {"2.5", "2"}, {"3.5", "4"}, {"-7.6", "8"}, {" 12 ", "12"}};
  for (const auto& [stored, rewritten] : counters) {
    d.messages->answers = {MsgAnswer::No};
    StoreDate(Today().addDays(-20));
    Store("Install", stored);
    CheckForUpdateReminder();
    EXPECT_EQ(Stored("Install"), rewritten) << stored.toStdString();
  }
}

TEST_F(UpdateReminderTest, UnreadableValuesAreReplacedAsOnAFirstStart) {
  // A counter that is missing or no number: asked once, Yes opens the page, and
  // the counter starts again at 1 with today's date, so the next start is quiet.
  for (const char* counter : {"", "many", "1e20", "-2147483648"}) {
    d.messages->shown.clear();
    d.shell->opened.clear();
    d.messages->answers = {MsgAnswer::Yes};
    StoreDate(Today().addDays(-20), counter);
    CheckForUpdateReminder();
    CheckForUpdateReminder();
    EXPECT_EQ(d.messages->shown.size(), 1u) << counter;
    EXPECT_EQ(d.shell->opened, QStringList{DownloadPage()}) << counter;
    EXPECT_EQ(Stored("Install"), QStringLiteral("1")) << counter;
    EXPECT_EQ(ParseReminderDate(Stored("Duration"), Today()), Today()) << counter;
  }

  // A date that is no date: replaced by today without a question, and the
  // counter with it only when that cannot be read either.
  d.messages->shown.clear();
  d.shell->opened.clear();
  for (const auto& [counter, kept] : {std::pair{"many", "1"}, std::pair{"-3", "-3"}}) {
    Store("Duration", QStringLiteral("someday"));
    Store("Install", QLatin1String(counter));
    CheckForUpdateReminder();
    EXPECT_TRUE(d.messages->shown.empty()) << counter;
    EXPECT_EQ(Stored("Install"), QLatin1String(kept)) << counter;
    EXPECT_EQ(ParseReminderDate(Stored("Duration"), Today()), Today()) << counter;
  }
  // 15 days on, the reminder comes again.
  d.clock->now = d.clock->now.addDays(15);
  d.messages->answers = {MsgAnswer::No};
  CheckForUpdateReminder();
  EXPECT_EQ(d.messages->shown.size(), 1u);
  EXPECT_EQ(Stored("Install"), QStringLiteral("3"));
  EXPECT_TRUE(d.shell->opened.isEmpty());
}

TEST_F(UpdateReminderTest, StoredDatesAreLatinDigitsInAFixedOrderAndOldFormsStillRead) {
  const QDate day(2026, 3, 4);
  for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates),
                                QLocale(QLocale::English, QLocale::UnitedKingdom), QLocale(QLocale::German),
                                QLocale(QLocale::Japanese), QLocale(QLocale::French), QLocale::c(),
                                QLocale(QLocale::Arabic, QLocale::Egypt), QLocale(QLocale::Persian)}) {
    SCOPED_TRACE(locale.name().toStdString());
    QLocale::setDefault(locale);
    EXPECT_EQ(ReminderDateText(day), QStringLiteral("2026-03-04"));
    EXPECT_EQ(ParseReminderDate(DecodeText(EncodeText(ReminderDateText(day))), day), day);
    // The form stored before: the locale's short date with a four-digit year.
    QString oldFormat = locale.dateFormat(QLocale::ShortFormat);
    if (!oldFormat.contains(QLatin1String("yyyy"))) oldFormat.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    const QString old = locale.toString(day, oldFormat);
    if (locale.zeroDigit() == QLatin1Char('0')) {
      EXPECT_EQ(ParseReminderDate(old, day), day) << old.toStdString();
    }
  }
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  // The locale's own two-digit-year form taken near today.
  EXPECT_EQ(ParseReminderDate(QStringLiteral("3/4/26"), day), day);
  EXPECT_EQ(ParseReminderDate(QStringLiteral("3/4/99"), day), QDate(1999, 3, 4));
  EXPECT_FALSE(ParseReminderDate(QStringLiteral("13/45/2026"), day).has_value());
  EXPECT_FALSE(ParseReminderDate(QStringLiteral("\?\?/\?\?\?/\?\?\?\?"), day).has_value());
}

// Under a real Arabic locale (the program started with LANG=ar_EG.UTF-8), the
// reminder comes back after its days. Run by the test below in a process of its own.
TEST(UpdateReminderSystemLocale, DISABLED_ComesBackAfterFourteenDays) {
  ASSERT_EQ(QLocale::system().name(), QStringLiteral("ar_EG"));
  ASSERT_NE(QLocale::system().zeroDigit(), QStringLiteral("0"));  // Arabic-Indic digits
  testing_doubles::Doubles d = testing_doubles::InstallDoubles();
  CheckForUpdateReminder();  // the first start stores today
  EXPECT_TRUE(d.messages->shown.empty());
  d.clock->now = d.clock->now.addDays(15);
  d.messages->answers = {MsgAnswer::No};
  CheckForUpdateReminder();
  EXPECT_EQ(d.messages->shown.size(), 1u);
}

TEST(UpdateReminderSystemLocale, ComesBackUnderArabicDigits) {
  if (!std::setlocale(LC_ALL, "ar_EG.UTF-8")) {
    GTEST_SKIP() << "the locale ar_EG.UTF-8 is not installed here (scripts/test generates it)";
  }
  std::setlocale(LC_ALL, "C");
  testing_doubles::RunChildTest(QStringLiteral("UpdateReminderSystemLocale.DISABLED_ComesBackAfterFourteenDays"),
                                {{QStringLiteral("LC_ALL"), QStringLiteral("ar_EG.UTF-8")},
                                 {QStringLiteral("LANG"), QStringLiteral("ar_EG.UTF-8")}});
}

}  // namespace
