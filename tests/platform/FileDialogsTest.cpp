// The program's open and save dialogs, driven on the offscreen platform: the
// overwrite question, the folder that must exist, the file that must exist for
// opening, the default extension and the proposed name.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Services.h"

using platform::FileDialogRequest;
using platform::IFileDialogs;
using platform::MakeQtService;

namespace {

using Step = std::function<void(QWidget*)>;

struct Script {
  std::vector<Step> steps;
  std::size_t next = 0;
  QWidget* last = nullptr;
  int unchanged = 0;  // checks since `last` came up
  std::vector<QString> seen;  // class names of the modal windows met, in order
};

// Runs each step on the next modal window that comes up (a message box over the
// dialog, or the dialog again when the box is gone). The next check is scheduled
// before a step runs, since a step may open a box and wait in its event loop. A
// modal window met after the last step, or one that stays up after its step, is
// noted and closed, so that a test that goes wrong fails instead of waiting; the
// checks end with the script.
void Poll(const std::weak_ptr<Script>& weak) {
  QTimer::singleShot(5, [weak] {
    const std::shared_ptr<Script> script = weak.lock();
    if (!script) return;
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return Poll(weak);
    if (modal == script->last) {
      // Still up two seconds after its step: the step did not take.
      if (++script->unchanged == 400) {
        script->seen.push_back(QStringLiteral("still open"));
        static_cast<QDialog*>(modal)->reject();
      }
      return Poll(weak);
    }
    script->last = modal;
    script->unchanged = 0;
    script->seen.push_back(QString::fromLatin1(modal->metaObject()->className()));
    Poll(weak);
    if (script->next == script->steps.size()) return static_cast<QDialog*>(modal)->reject();
    const Step step = script->steps[script->next++];
    step(modal);
  });
}

std::shared_ptr<Script> Drive(std::vector<Step> steps) {
  auto script = std::make_shared<Script>();
  script->steps = std::move(steps);
  Poll(script);
  return script;
}

// Steps. A step that meets the wrong kind of window closes it, so that a failing
// test never leaves a dialog waiting.
Step Choose(const QString& path) {
  return [path](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (!dialog) return static_cast<QDialog*>(modal)->reject();
    // selectFile leaves the name box alone while it has the focus, as it may once
    // a message box over the dialog has closed; the previous name would be taken.
    if (QWidget* focus = dialog->focusWidget()) focus->clearFocus();
    dialog->selectFile(path);
    static_cast<QDialog*>(dialog)->accept();  // as the dialog's Open or Save button does
  };
}

Step Cancel() {
  return [](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); };
}

Step Answer(QMessageBox::StandardButton button, QString* text) {
  return [button, text](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box) return static_cast<QDialog*>(modal)->reject();
    *text = box->text();
    if (QAbstractButton* b = box->button(button)) {
      b->click();
    } else {
      box->reject();
    }
  };
}

class FileDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    QFile file(Existing());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  QString Existing() const { return folder.filePath(QStringLiteral("anna.kdw")); }
  FileDialogRequest SaveChart() const {
    FileDialogRequest request;
    request.title = QStringLiteral("Save Chart");
    request.filter = QStringLiteral("QZ Astrology Ormandel (*.kdw)|*.kdw");
    request.defaultExt = QStringLiteral("kdw");
    request.overwritePrompt = true;
    request.pathMustExist = true;
    return request;
  }
  QTemporaryDir folder;
  std::unique_ptr<IFileDialogs> dialogs = MakeQtService<IFileDialogs>();
};

TEST_F(FileDialogsTest, OverwriteIsAskedAndNoKeepsTheDialogOpen) {
  QString question, question2;
  auto script = Drive({Choose(Existing()), Answer(QMessageBox::No, &question), Choose(Existing()),
                     Answer(QMessageBox::Yes, &question2)});
  EXPECT_EQ(dialogs->ShowSave(SaveChart()), QDir::cleanPath(Existing()));
  EXPECT_EQ(script->next, 4u);
  EXPECT_TRUE(question.contains(QStringLiteral("anna.kdw"))) << question.toStdString();
  EXPECT_EQ(question, question2);

  // Without the question an existing file is taken at once.
  FileDialogRequest quiet = SaveChart();
  quiet.overwritePrompt = false;
  script = Drive({Choose(Existing())});
  EXPECT_EQ(dialogs->ShowSave(quiet), QDir::cleanPath(Existing()));
  EXPECT_EQ(script->seen.size(), 1u);
}

TEST_F(FileDialogsTest, AFolderThatDoesNotExistIsRefused) {
  QString message;
  const QString lost = folder.filePath(QStringLiteral("no such folder/chart.kdw"));
  auto script = Drive({Choose(lost), Answer(QMessageBox::Ok, &message), Cancel()});
  EXPECT_EQ(dialogs->ShowSave(SaveChart()), std::nullopt);
  ASSERT_EQ(script->seen.size(), 3u);
  EXPECT_EQ(script->seen[1], QStringLiteral("QMessageBox"));
  EXPECT_EQ(script->seen[2], QStringLiteral("QFileDialog"));  // still open after the box
  EXPECT_TRUE(message.contains(QStringLiteral("does not exist"))) << message.toStdString();
  EXPECT_FALSE(QDir(folder.filePath(QStringLiteral("no such folder"))).exists());
}

TEST_F(FileDialogsTest, OpeningNeedsAnExistingFile) {
  FileDialogRequest open;
  open.title = QStringLiteral("Open Chart");
  open.filter = QStringLiteral("QZ Astrology Ormandel (*.kdw)|*.kdw");
  open.defaultExt = QStringLiteral("kdw");
  open.fileMustExist = true;
  QString message;
  auto script = Drive({Choose(folder.filePath(QStringLiteral("missing.kdw"))),
                     Answer(QMessageBox::Ok, &message), Choose(Existing())});
  EXPECT_EQ(dialogs->ShowOpen(open), QDir::cleanPath(Existing()));
  EXPECT_EQ(script->next, 3u);
  EXPECT_TRUE(message.contains(QStringLiteral("missing.kdw"))) << message.toStdString();

  // The name typed without its extension finds the file with it.
  script = Drive({Choose(folder.filePath(QStringLiteral("anna")))});
  EXPECT_EQ(dialogs->ShowOpen(open), QDir::cleanPath(Existing()));
}

TEST_F(FileDialogsTest, ProposedNameDefaultExtensionAndCancel) {
  FileDialogRequest request = SaveChart();
  request.fileName = folder.filePath(QStringLiteral("proposed.kdw"));
  QString proposedFolder, proposedFile;
  auto script = Drive({[&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (!dialog) return static_cast<QDialog*>(modal)->reject();
    proposedFolder = dialog->directory().absolutePath();
    proposedFile = dialog->selectedFiles().value(0);
    Choose(folder.filePath(QStringLiteral("typed")))(modal);
  }});
  EXPECT_EQ(dialogs->ShowSave(request), folder.filePath(QStringLiteral("typed.kdw")));
  EXPECT_EQ(proposedFolder, QDir(folder.path()).absolutePath());
  EXPECT_EQ(proposedFile, QDir::cleanPath(folder.filePath(QStringLiteral("proposed.kdw"))));

  // A name with an extension of its own keeps it.
  script = Drive({Choose(folder.filePath(QStringLiteral("notes.txt")))});
  EXPECT_EQ(dialogs->ShowSave(request), folder.filePath(QStringLiteral("notes.txt")));

  script = Drive({Cancel()});
  EXPECT_EQ(dialogs->ShowSave(request), std::nullopt);
}

TEST_F(FileDialogsTest, ARequiredExtensionEndsEveryNameAndItsFileIsAskedAbout) {
  FileDialogRequest request = SaveChart();
  request.extensionRequired = true;
  const std::vector<std::pair<QString, QString>> rows{
      {"UPPER.KDW", "UPPER.KDW"},
      {"Mr. Smith", "Mr. Smith.kdw"},
      {"chart-2024.12.09", "chart-2024.12.09.kdw"},
      {"notes.txt", "notes.txt.kdw"},
      {"plain", "plain.kdw"},
  };
  for (const auto& [typed, saved] : rows) {
    auto script = Drive({Choose(folder.filePath(typed))});
    EXPECT_EQ(dialogs->ShowSave(request), folder.filePath(saved)) << typed.toStdString();
  }

  // The completed name is the one asked about when it exists.
  QFile(folder.filePath(QStringLiteral("Mr. Smith.kdw"))).open(QIODevice::WriteOnly);
  QString question;
  auto script = Drive({Choose(folder.filePath(QStringLiteral("Mr. Smith"))), Answer(QMessageBox::Yes, &question)});
  EXPECT_EQ(dialogs->ShowSave(request), folder.filePath(QStringLiteral("Mr. Smith.kdw")));
  EXPECT_TRUE(question.contains(QStringLiteral("Mr. Smith.kdw"))) << question.toStdString();

  // Without the requirement a name with a dot is kept as typed.
  script = Drive({Choose(folder.filePath(QStringLiteral("Mr. Smith")))});
  EXPECT_EQ(dialogs->ShowSave(SaveChart()), folder.filePath(QStringLiteral("Mr. Smith")));
}

TEST_F(FileDialogsTest, ANameIsSavedExactlyAsTypedOrRefusedWithTheReason) {
  // Quotes belong to the name; Qt alone would read them as marks around names.
  const QString quoted = folder.filePath(QStringLiteral("quote\"d.kdw"));
  auto script = Drive({Choose(quoted)});
  EXPECT_EQ(dialogs->ShowSave(SaveChart()), quoted);
  script = Drive({Choose(folder.filePath(QStringLiteral("say \"hi\"")))});
  EXPECT_EQ(dialogs->ShowSave(SaveChart()), folder.filePath(QStringLiteral("say \"hi\".kdw")));

  // Such a name that exists is still asked about.
  QFile(quoted).open(QIODevice::WriteOnly);
  QString question;
  script = Drive({Choose(quoted), Answer(QMessageBox::No, &question), Cancel()});
  EXPECT_EQ(dialogs->ShowSave(SaveChart()), std::nullopt);
  EXPECT_TRUE(question.contains(QStringLiteral("quote\"d.kdw"))) << question.toStdString();

  // A name longer than the file system takes, typed and saved with the button.
  QString message;
  bool saveEnabled = false;
  script = Drive({[&](QWidget* modal) {
                    auto* dialog = qobject_cast<QFileDialog*>(modal);
                    auto* edit = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
                    auto* buttons = dialog ? dialog->findChild<QDialogButtonBox*>() : nullptr;
                    QPushButton* save = buttons ? buttons->button(QDialogButtonBox::Save) : nullptr;
                    if (!edit || !save) return static_cast<QDialog*>(modal)->reject();
                    edit->setText(QString(300, QLatin1Char('a')) + QStringLiteral(".kdw"));
                    saveEnabled = save->isEnabled();
                    if (!saveEnabled) return static_cast<QDialog*>(modal)->reject();
                    save->click();
                  },
                  Answer(QMessageBox::Ok, &message), Cancel()});
  EXPECT_EQ(dialogs->ShowSave(SaveChart()), std::nullopt);
  EXPECT_TRUE(saveEnabled);
  ASSERT_EQ(script->seen.size(), 3u);
  EXPECT_EQ(script->seen[1], QStringLiteral("QMessageBox"));
  EXPECT_TRUE(message.contains(QStringLiteral("too long")) && message.contains(QStringLiteral("255")))
      << message.toStdString();
}

}  // namespace

namespace {

// The printer dialog offers no page range (Qt's dialog shows one despite its
// options) and no printing to a file; a cancel reports false and leaves the
// printer as it was, and every dialog works on the same printer.
TEST(PrinterDialogTest, NoPageRangeNoPrintToFileAndCancelChangesNothing) {
  std::unique_ptr<platform::IPrinter> printer = MakeQtService<platform::IPrinter>();
  struct Seen {
    bool rangeOffered = true;
    bool printToFile = true;
    QPrinter* device = nullptr;
    int copies = 0;
  };
  std::vector<Seen> seen;
  const auto look = [&seen](QWidget* modal) {
    auto* dialog = qobject_cast<QPrintDialog*>(modal);
    if (dialog) {
      Seen s;
      s.rangeOffered = false;
      for (auto* choice : dialog->findChildren<QAbstractButton*>()) {
        if (choice->text().startsWith(QStringLiteral("Pages")) && choice->isVisibleTo(dialog)) s.rangeOffered = true;
      }
      s.printToFile = dialog->testOption(QAbstractPrintDialog::PrintToFile);
      s.device = dialog->printer();
      s.copies = dialog->printer()->copyCount();
      dialog->printer()->setCopyCount(s.copies + 2);  // what a cancelled dialog leaves is checked next time
      if (!qEnvironmentVariableIsEmpty("ORMANDEL_SHOTS")) dialog->grab().save(QStringLiteral("/tmp/printdialog.png"));
      seen.push_back(s);
    }
    static_cast<QDialog*>(modal)->reject();
  };
  auto script = Drive({look});
  EXPECT_FALSE(printer->ShowPrinterDialog(true, true));
  auto again = Drive({look});
  EXPECT_FALSE(printer->ShowPrinterDialog(true, true));
  ASSERT_EQ(seen.size(), 2u);
  for (const Seen& s : seen) {
    EXPECT_FALSE(s.rangeOffered);
    EXPECT_FALSE(s.printToFile);
  }
  EXPECT_EQ(seen[1].device, seen[0].device);  // a confirmed choice goes to the printer every job prints on
  EXPECT_EQ(seen[1].copies, seen[0].copies + 2);
}

QStringList qtWarnings;
void RecordWarning(QtMsgType, const QMessageLogContext&, const QString& text) { qtWarnings.append(text); }

// Without any printer the job cannot start and says so; Qt's printer would stay
// marked active after it, and refuse the next job's name and the next choice.
TEST(PrinterDialogTest, AFailedJobLeavesThePrinterReadyForTheNextChoice) {
  std::unique_ptr<platform::IPrinter> printer = MakeQtService<platform::IPrinter>();
  qtWarnings.clear();
  const QtMessageHandler previous = qInstallMessageHandler(RecordWarning);
  QStringList names;
  const auto draw = [&names](QPrinter& device) {
    names.append(device.docName());
    QPainter painter;
    return painter.begin(&device) && painter.end();
  };
  const platform::PrintResult first = printer->Print(QStringLiteral("QZ Astrology Ormandel - Anna"), draw);
  const platform::PrintResult second = printer->Print(QStringLiteral("QZ Astrology Ormandel - Ben"), draw);
  auto script = Drive({[](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); }});
  printer->ShowPrinterDialog(true, true);
  qInstallMessageHandler(previous);
  EXPECT_EQ(first.outcome, platform::PrintResult::Outcome::NotStarted);
  EXPECT_EQ(second.outcome, platform::PrintResult::Outcome::NotStarted);
  EXPECT_EQ(names.join(QStringLiteral(" | ")), QStringLiteral("QZ Astrology Ormandel - Anna | QZ Astrology Ormandel - Ben"));
  EXPECT_TRUE(qtWarnings.filter(QStringLiteral("while printer is active")).isEmpty()) << qtWarnings.join('\n').toStdString();
}

}  // namespace
