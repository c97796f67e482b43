// The report printed through the program's own printer service to a real CUPS
// server that the test script starts: the printer chosen in the real print
// dialog, a job that lands as a PDF named after the program and the person, a
// queue that refuses jobs, a printer removed after it was chosen and a stopped
// server, each told to the user, and the printer ready for the next choice
// after a failure. Skipped where no such server was started.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <signal.h>

#include "chart/ChartData.h"
#include "platform/Forms.h"
#include "support/Doubles.h"
#include "windows/frmSave.h"

using platform::Form;

namespace {

class RealPrintTest : public testing_doubles::WindowTest {
 protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("ORMANDEL_TEST_CUPS_SERVER")) {
      GTEST_SKIP() << "no CUPS print server was started for this run (scripts/test starts one as root "
                      "where CUPS and its PDF printer are installed)";
    }
    // Before the first printer of the process asks CUPS for its server.
    qputenv("CUPS_SERVER", qgetenv("ORMANDEL_TEST_CUPS_SERVER"));
    WindowTest::SetUp();
    platform::Install<platform::IPrinter>(platform::MakeQtService<platform::IPrinter>());
    savedName_ = CurrentChart.Birth.BirthName;
    CurrentChart.Birth.BirthName = "Anna";
  }
  void TearDown() override {
    if (qEnvironmentVariableIsEmpty("ORMANDEL_TEST_CUPS_SERVER")) return;
    CurrentChart.Birth.BirthName = savedName_;
    platform::Install<platform::IPrinter>(std::make_unique<testing_doubles::PdfPrinter>());
    WindowTest::TearDown();
  }

  // Picks the queue in the real print dialog, driven from a timer; a dialog left
  // open fails the test after two seconds instead of waiting.
  bool Choose(const QString& queue) {
    QString chosen;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      if (auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"))) {
        printers->setCurrentIndex(printers->findText(queue));
        chosen = printers->currentText();
      }
      dialog->accept();
    });
    QTimer::singleShot(2000, [] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        ADD_FAILURE() << "the print dialog stayed open";
        dialog->reject();
      }
    });
    const bool accepted = platform::Service<platform::IPrinter>().ShowPrinterDialog(true, true);
    return accepted && chosen == queue;
  }

  // The messages shown by one click on the report window's Print.
  std::vector<testing_doubles::ShownMessage> PrintReport() {
    d.messages->shown.clear();
    frmSave& form = Form<frmSave>::Show();
    QApplication::processEvents();
    QTest::mouseClick(form.cmdPrint, Qt::LeftButton);
    Form<frmSave>::Unload();
    return d.messages->shown;
  }

  static bool Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
  }

  // The PDF that the queue wrote for a job named after Anna since `since`,
  // waited for up to half a minute; it is removed once found.
  static QByteArray LandedPdf(const QDateTime& since) {
    const QDir out(qEnvironmentVariable("ORMANDEL_TEST_CUPS_OUT"));
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 30000) {
      for (const QFileInfo& file : out.entryInfoList({QStringLiteral("QZ_Astrology_Ormandel_-_Anna*.pdf")}, QDir::Files)) {
        if (file.lastModified() < since.addSecs(-1)) continue;
        QFile pdf(file.filePath());
        if (!pdf.open(QIODevice::ReadOnly)) continue;
        const QByteArray data = pdf.readAll();
        if (!data.trimmed().endsWith("%%EOF")) continue;  // still being written
        pdf.remove();
        return data;
      }
      QTest::qWait(200);
    }
    return {};
  }

  std::string savedName_;
};

TEST_F(RealPrintTest, JobsLandNamedAndFailuresAreToldWithTheReason) {
  // A queue that takes the job: the report lands as a PDF named after the job.
  ASSERT_TRUE(Choose(QStringLiteral("PDF")));
  QDateTime since = QDateTime::currentDateTime();
  EXPECT_TRUE(PrintReport().empty());
  const QByteArray pdf = LandedPdf(since);
  ASSERT_FALSE(pdf.isEmpty()) << "no PDF named after the job came out of the queue";
  EXPECT_TRUE(pdf.startsWith("%PDF"));

  // A queue that refuses jobs: told, in the print system's words.
  ASSERT_TRUE(Choose(QStringLiteral("Rejecting")));
  std::vector<testing_doubles::ShownMessage> shown = PrintReport();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].icon, platform::MsgIcon::Critical);
  EXPECT_TRUE(shown[0].text.startsWith(QStringLiteral("The report was not printed: the printer \"Rejecting\" did "
                                                      "not take the job: ")))
      << shown[0].text.toStdString();
  EXPECT_TRUE(shown[0].text.contains(QStringLiteral("not accepting jobs"))) << shown[0].text.toStdString();

  // A printer removed after it was chosen.
  ASSERT_TRUE(Choose(QStringLiteral("Removed")));
  ASSERT_TRUE(Run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), QStringLiteral("Removed")}));
  shown = PrintReport();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, QStringLiteral("The report was not printed: the printer \"Removed\" is no longer "
                                          "installed.\nCheck the printer, or choose another under File, Print, "
                                          "and print again."));

  // After the failures the next choice takes and prints.
  ASSERT_TRUE(Choose(QStringLiteral("PDF")));
  since = QDateTime::currentDateTime();
  EXPECT_TRUE(PrintReport().empty());
  EXPECT_FALSE(LandedPdf(since).isEmpty());

  // The print server stopped after the printer was chosen (the test script
  // starts it again for the next run).
  const pid_t server = static_cast<pid_t>(qEnvironmentVariableIntValue("ORMANDEL_TEST_CUPS_PID"));
  ASSERT_GT(server, 0);
  ASSERT_EQ(::kill(server, SIGTERM), 0);
  QElapsedTimer waited;
  waited.start();
  while (::kill(server, 0) == 0 && waited.elapsed() < 10000) QTest::qWait(100);
  shown = PrintReport();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].text.startsWith(QStringLiteral("The report was not printed: the print server does not answer")))
      << shown[0].text.toStdString();
}

}  // namespace
