// Runs one disabled test of the running test program in a process of its own,
// for a test that needs what a process fixes at its start: its locale, or its
// user (through a command such as setpriv put before the program).
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>

namespace testing_doubles {

// Runs the test named filter ("Suite.DISABLED_Name") with the extra environment
// and expects it to pass. Skips, with the output, when the child could not run
// a test at all (the command before the program failed).
inline void RunChildTest(const QString& filter, const QList<std::pair<QString, QString>>& environment,
                         QStringList before = {}) {
  QProcess child;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  for (const auto& [name, value] : environment) env.insert(name, value);
  child.setProcessEnvironment(env);
  child.setProcessChannelMode(QProcess::MergedChannels);
  QStringList command = before;
  command << QCoreApplication::applicationFilePath() << QStringLiteral("--gtest_also_run_disabled_tests")
          << QStringLiteral("--gtest_filter=") + filter;
  child.start(command.takeFirst(), command);
  ASSERT_TRUE(child.waitForFinished(60000));
  const QString output = QString::fromLocal8Bit(child.readAll());
  if (child.exitCode() != 0 && !output.contains(QStringLiteral("[==========]"))) {
    GTEST_SKIP() << "the test could not be started: " << output.toStdString();
  }
  EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << output.toStdString();
  EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
  EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
}

}  // namespace testing_doubles
