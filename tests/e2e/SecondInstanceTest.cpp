// Starting the real program while it already runs: the second process tells the
// user "Application is already running" and ends; the first keeps running.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A fresh per-user environment: its own settings, runtime folder and user name,
// so the two processes meet each other and nothing else.
QProcessEnvironment FreshUser(const QTemporaryDir& home) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("HOME"), home.path());
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
  env.insert(QStringLiteral("USER"), QStringLiteral("ormandeltest"));
  return env;
}

// Waits until the file exists; false after the time allowed.
bool WaitForFile(const QString& path, QProcess& owner) {
  for (int i = 0; i < 600 && owner.state() == QProcess::Running; ++i) {
    if (QFile::exists(path)) return true;
    QTest::qWait(100);
  }
  return QFile::exists(path);
}

TEST(SecondInstanceTest, SecondStartTellsTheUserAndEndsLeavingTheFirstRunning) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("runtime")));
  QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const QProcessEnvironment env = FreshUser(home);

  QProcess first;
  first.setProcessEnvironment(env);
  first.start(QStringLiteral(ORMANDEL_EXE), {});
  ASSERT_TRUE(first.waitForStarted(30000));
  // The first start holds the lock and has run the reminder's first start.
  ASSERT_TRUE(WaitForFile(home.filePath(QStringLiteral("runtime/ormandel-ormandeltest.lock")), first))
      << first.readAllStandardError().toStdString();
  EXPECT_TRUE(WaitForFile(home.filePath(QStringLiteral("config/QZ Astrology/ormandel.conf")), first));

  QProcess second;
  second.setProcessEnvironment(env);
  second.start(QStringLiteral(ORMANDEL_EXE), {});
  ASSERT_TRUE(second.waitForStarted(30000));
  ASSERT_TRUE(second.waitForFinished(120000));
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_TRUE(QString::fromLocal8Bit(second.readAllStandardError())
                  .contains(QStringLiteral("Application is already running")));

  // The first instance is untouched: still running, still holding its lock.
  QTest::qWait(200);
  EXPECT_EQ(first.state(), QProcess::Running);
  EXPECT_TRUE(QFile::exists(home.filePath(QStringLiteral("runtime/ormandel-ormandeltest.lock"))));
  first.kill();
  first.waitForFinished(30000);

  // With the first gone, a new start is a first instance again and keeps running.
  QFile::remove(home.filePath(QStringLiteral("runtime/ormandel-ormandeltest.lock")));
  QProcess third;
  third.setProcessEnvironment(env);
  third.start(QStringLiteral(ORMANDEL_EXE), {});
  ASSERT_TRUE(third.waitForStarted(30000));
  EXPECT_TRUE(WaitForFile(home.filePath(QStringLiteral("runtime/ormandel-ormandeltest.lock")), third));
  EXPECT_EQ(third.state(), QProcess::Running);
  EXPECT_FALSE(QString::fromLocal8Bit(third.readAllStandardError())
                   .contains(QStringLiteral("Application is already running")));
  third.kill();
  third.waitForFinished(30000);
}

}  // namespace
