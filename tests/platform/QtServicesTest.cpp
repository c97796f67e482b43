// The Qt implementations of the platform services that run headless: the message
// box (closed from a timer), the settings store, the file dialogs' filter and
// options, the single-instance lock, and the clock and random generator.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLockFile>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <functional>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include "platform/Services.h"
#include "support/ChildTest.h"
#include "support/Doubles.h"

namespace {

using namespace platform;

// Runs `act` on the first modal window once it is up, from inside its event loop.
// A window that `act` leaves open is closed two seconds later and the test fails,
// instead of waiting until the suite's time-out.
void WhenModalShown(std::function<void(QWidget*)> act) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
      timer->stop();
      timer->deleteLater();
      act(modal);
      QTimer::singleShot(2000, [window = QPointer<QWidget>(modal)] {
        if (!window || !window->isVisible()) return;
        ADD_FAILURE() << "a modal window stayed open: " << window->metaObject()->className();
        if (auto* dialog = qobject_cast<QDialog*>(window.data())) dialog->reject();
      });
    }
  });
  timer->start();
}

struct SeenBox {
  QString caption, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  Qt::TextFormat format = Qt::AutoText;
  Qt::TextInteractionFlags interaction;
};

SeenBox ShowAndClose(IMessageBox& service, const QString& text, MsgButtons buttons, MsgIcon icon,
                     const QString& title, QMessageBox::StandardButton press, MsgAnswer* answer) {
  SeenBox seen;
  WhenModalShown([&seen, press](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    seen.caption = box->windowTitle();
    seen.text = box->text();
    seen.format = box->textFormat();
    seen.interaction = box->textInteractionFlags();
    seen.icon = box->icon();
    seen.buttons = box->standardButtons();
    seen.defaultButton = box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton;
    box->button(press)->click();
  });
  *answer = service.Show(text, buttons, icon, title);
  return seen;
}

TEST(QtMessageBox, CaptionIconsButtonsAndAnswers) {
  auto service = MakeQtService<IMessageBox>();
  MsgAnswer answer{};

  SeenBox seen = ShowAndClose(*service, "Please enter only letters", MsgButtons::OK, MsgIcon::Critical, {},
                              QMessageBox::Ok, &answer);
  EXPECT_EQ(seen.caption, "QZ Astrology Ormandel");  // no title of its own
  EXPECT_EQ(seen.text, "Please enter only letters");
  EXPECT_EQ(seen.icon, QMessageBox::Critical);
  EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  EXPECT_EQ(answer, MsgAnswer::OK);

  seen = ShowAndClose(*service, "Date", MsgButtons::OK, MsgIcon::Information, {}, QMessageBox::Ok, &answer);
  EXPECT_EQ(seen.icon, QMessageBox::Information);
  seen = ShowAndClose(*service, "Plain", MsgButtons::OK, MsgIcon::None, "Own Title", QMessageBox::Ok, &answer);
  EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
  EXPECT_EQ(seen.caption, "Own Title");

  seen = ShowAndClose(*service, "Update?", MsgButtons::YesNo, MsgIcon::Information, {}, QMessageBox::No, &answer);
  EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(seen.defaultButton, QMessageBox::Yes);
  EXPECT_EQ(answer, MsgAnswer::No);
  ShowAndClose(*service, "Update?", MsgButtons::YesNo, MsgIcon::None, {}, QMessageBox::Yes, &answer);
  EXPECT_EQ(answer, MsgAnswer::Yes);

  // A file name that looks like markup is shown as typed.
  seen = ShowAndClose(*service, "Cannot write <b>chart</b>.kdw", MsgButtons::OK, MsgIcon::Critical, {},
                      QMessageBox::Ok, &answer);
  EXPECT_EQ(seen.format, Qt::PlainText);
  EXPECT_EQ(seen.text, "Cannot write <b>chart</b>.kdw");
  // and can be selected and copied
  EXPECT_TRUE(seen.interaction.testFlag(Qt::TextSelectableByMouse));
}

// The desktop's own answer without a web browser: nothing to start the address
// with on the path. The user is told, with the address.
TEST(QtShellOpen, WithoutABrowserTheUserIsToldTheAddress) {
  QTemporaryDir emptyPath;
  ASSERT_TRUE(emptyPath.isValid());
  const QByteArray path = qgetenv("PATH");
  const QByteArray browser = qgetenv("BROWSER");
  qputenv("PATH", emptyPath.path().toLocal8Bit());
  qunsetenv("BROWSER");
  testing_doubles::Doubles d = testing_doubles::InstallDoubles();
  platform::Install<IShellOpen>(nullptr);  // the Qt one
  const QString address = QStringLiteral("https://www.example.invalid/donate.html");
  EXPECT_FALSE(ShellOpen(address));
  qputenv("PATH", path);
  if (!browser.isEmpty()) qputenv("BROWSER", browser);
  ASSERT_EQ(d.messages->shown.size(), 1u);
  EXPECT_EQ(d.messages->shown[0].text, CannotOpenAddressMessage(address));
  EXPECT_TRUE(d.messages->shown[0].text.contains(address));
}

TEST(QtSettingsStore, RoundTripInAPrivateLocation) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());

  auto store = MakeQtService<ISettingsStore>();
  EXPECT_EQ(store->Get("ormandel", "Settings", "Duration"), QString());  // missing: empty text

  // Values the text codec produces: blanks at the ends, separators, quotes, 8-bit
  // codes, and the codes 0..4 that carry the letters at the top of the set.
  const QString awkward = QStringLiteral("  a=b;c,d \"q\" \\x/y ") + QChar(0x7f) + QChar(0xff) + QChar(0x01) +
                          QChar(0x00) + QChar(0x04);
  store->Save("ormandel", "Settings", "Duration", awkward);
  store->Save("ormandel", "Settings", "Install", "3");
  store->Save("other", "Settings", "Install", "9");
  EXPECT_EQ(store->Get("ormandel", "Settings", "Duration"), awkward);
  EXPECT_EQ(store->Get("ormandel", "Settings", "Install"), "3");
  EXPECT_EQ(store->Get("ormandel", "Other", "Install"), QString());

  store->Save("ormandel", "Settings", "Install", "4");  // overwrite
  auto again = MakeQtService<ISettingsStore>();       // read back by a fresh store
  EXPECT_EQ(again->Get("ormandel", "Settings", "Install"), "4");
  EXPECT_EQ(again->Get("other", "Settings", "Install"), "9");
  EXPECT_EQ(again->Get("ormandel", "Settings", "Duration"), awkward);

  // The values went to the private folder, not the user's own settings.
  EXPECT_FALSE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST(QtSettingsStore, AFailedWriteIsToldOnceNamingTheFile) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString blocker = folder.filePath(QStringLiteral("blocker"));  // a file where a folder must go
  QFile(blocker).open(QIODevice::WriteOnly);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker);
  auto messages = std::make_unique<testing_doubles::RecordingMessageBox>();
  auto* shown = &messages->shown;
  Install<IMessageBox>(std::move(messages));

  auto store = MakeQtService<ISettingsStore>();
  store->Save("ormandel", "Settings", "Install", "1");
  store->Save("ormandel", "Settings", "Duration", "9/12/2026");
  ASSERT_EQ(shown->size(), 1u);
  EXPECT_TRUE(shown->at(0).text.contains(blocker)) << shown->at(0).text.toStdString();
  Install<IMessageBox>(nullptr);
}

struct SeenDialog {
  QStringList filters;
  QString suffix, title;
  QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
  QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
  bool confirmOverwrite = false;
};

std::optional<QString> RunDialog(IFileDialogs& dialogs, const FileDialogRequest& request, bool save,
                                 const QString& choose, SeenDialog* seen) {
  WhenModalShown([seen, choose](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    seen->filters = dialog->nameFilters();
    seen->suffix = dialog->defaultSuffix();
    seen->title = dialog->windowTitle();
    seen->mode = dialog->acceptMode();
    seen->fileMode = dialog->fileMode();
    seen->confirmOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
    if (choose.isEmpty()) {
      dialog->reject();
    } else {
      // selectFile leaves the name box alone while it has the focus.
      if (QWidget* focus = dialog->focusWidget()) focus->clearFocus();
      dialog->selectFile(choose);
      static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, as its Open button does
    }
  });
  return save ? dialogs.ShowSave(request) : dialogs.ShowOpen(request);
}

TEST(QtFileDialogs, FilterOptionsAndAnswers) {
  QTemporaryDir folder;
  const QString existing = folder.filePath("anna.kdw");
  {
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  auto dialogs = MakeQtService<IFileDialogs>();
  SeenDialog seen;

  FileDialogRequest open;
  open.title = "Open Chart";
  open.filter = "QZ Astrology Ormandel (*.kdw)|*.kdw";
  open.defaultExt = "kdw";
  open.fileMustExist = true;
  open.fileName = folder.filePath("x.kdw");
  EXPECT_EQ(RunDialog(*dialogs, open, false, existing, &seen), QDir::cleanPath(existing));
  EXPECT_EQ(seen.filters, QStringList{"QZ Astrology Ormandel (*.kdw)"});
  EXPECT_EQ(seen.title, "Open Chart");
  EXPECT_EQ(seen.suffix, "kdw");
  EXPECT_EQ(seen.mode, QFileDialog::AcceptOpen);
  EXPECT_EQ(seen.fileMode, QFileDialog::ExistingFile);

  // A description without the pattern gets it added; a cancel is reported as nothing.
  FileDialogRequest save;
  save.filter = "Text Files|*.txt";
  save.defaultExt = "txt";
  save.overwritePrompt = true;
  EXPECT_EQ(RunDialog(*dialogs, save, true, {}, &seen), std::nullopt);
  EXPECT_EQ(seen.filters, QStringList{"Text Files (*.txt)"});
  EXPECT_EQ(seen.mode, QFileDialog::AcceptSave);
  EXPECT_TRUE(seen.confirmOverwrite);

  save.filter = "JPEG Image (*.jpg)|*.jpg";
  save.overwritePrompt = false;
  save.defaultExt = "jpg";
  EXPECT_EQ(RunDialog(*dialogs, save, true, folder.filePath("chart"), &seen), folder.filePath("chart.jpg"));
  EXPECT_EQ(seen.filters, QStringList{"JPEG Image (*.jpg)"});
  EXPECT_FALSE(seen.confirmOverwrite);
}

class QtSingleInstanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(runtime.isValid());
    saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
  }
  void TearDown() override { qputenv("XDG_RUNTIME_DIR", saved); }
  QTemporaryDir runtime;  // private to the user (0700), as a runtime folder must be
  QByteArray saved;
};

TEST_F(QtSingleInstanceTest, TheLockIsHeldForTheRunAndRefusedToASecond) {
  auto first = MakeQtService<ISingleInstance>();
  EXPECT_TRUE(first->Acquire());
  auto second = MakeQtService<ISingleInstance>();
  EXPECT_FALSE(second->Acquire());
  EXPECT_FALSE(second->Acquire());
  first.reset();  // the first run ends
  auto third = MakeQtService<ISingleInstance>();
  EXPECT_TRUE(third->Acquire());
}

TEST_F(QtSingleInstanceTest, ALockLeftByADeadRunIsTakenOver) {
  // Find the lock file the service uses by taking and releasing it once.
  {
    auto probe = MakeQtService<ISingleInstance>();
    ASSERT_TRUE(probe->Acquire());
  }
  const QStringList left = QDir(runtime.path()).entryList({"*.lock"}, QDir::Files | QDir::Hidden);
  ASSERT_EQ(left.size(), 0) << "the lock file is removed when the run ends";
  QStringList created;
  {
    auto probe = MakeQtService<ISingleInstance>();
    ASSERT_TRUE(probe->Acquire());
    created = QDir(runtime.path()).entryList({"*.lock"}, QDir::Files | QDir::Hidden);
  }
  ASSERT_EQ(created.size(), 1);
  // A crashed run leaves its file behind, naming a process that no longer exists.
  qint64 deadPid = 4190000;
  while (::kill(static_cast<pid_t>(deadPid), 0) == 0) ++deadPid;
  QFile stale(runtime.filePath(created.front()));
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  stale.write(QByteArray::number(deadPid) + "\normandel\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  stale.close();
  auto next = MakeQtService<ISingleInstance>();
  EXPECT_TRUE(next->Acquire());
}

// A lock file that names no running copy in a form QLockFile can read is taken
// over; the same file held by a live process is not.
TEST_F(QtSingleInstanceTest, AnUnreadableLockIsTakenOverUnlessALiveProcessHoldsIt) {
  const QString user = qEnvironmentVariable("USER");
  const QString path =
      runtime.filePath(QStringLiteral("ormandel-%1.lock").arg(user.isEmpty() ? QStringLiteral("user") : user));
  auto leave = [&](const QByteArray& contents) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(contents), contents.size());
  };
  for (const QByteArray& contents : {QByteArray(), QByteArray("\x01garbage\xff\n\n"), QByteArray("12x\n")}) {
    leave(contents);
    auto next = MakeQtService<ISingleInstance>();
    EXPECT_TRUE(next->Acquire()) << contents.toHex().toStdString();
    EXPECT_FALSE(MakeQtService<ISingleInstance>()->Acquire()) << "the taken lock holds";
  }

  // A child process holds the operating system's locks on a garbled lock file, as
  // a running copy does; the start is refused until the child ends.
  leave("garbage");
  int ready[2];
  int release[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(release), 0);
  const QByteArray name = QFile::encodeName(path);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::close(ready[0]);
    ::close(release[1]);
    const int fd = ::open(name.constData(), O_RDWR);
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    const bool held = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fcntl(fd, F_SETLK, &whole) == 0;
    const char answer = held ? 'y' : 'n';
    if (::write(ready[1], &answer, 1) != 1) ::_exit(1);
    char wait = 0;
    (void)::read(release[0], &wait, 1);
    ::_exit(0);
  }
  ::close(ready[1]);
  ::close(release[0]);
  char answer = 0;
  ASSERT_EQ(::read(ready[0], &answer, 1), 1);
  ASSERT_EQ(answer, 'y');
  EXPECT_FALSE(MakeQtService<ISingleInstance>()->Acquire());
  EXPECT_TRUE(QFile::exists(path));
  ::close(release[1]);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ::close(ready[0]);
  EXPECT_TRUE(MakeQtService<ISingleInstance>()->Acquire());
}

// Lock folders the user cannot write to, as an ordinary user meets them (root
// writes anywhere). Run by the test below in a process of that user.
TEST(QtSingleInstanceUnwritable, DISABLED_AsAnOrdinaryUser) {
  ASSERT_NE(::geteuid(), 0u);
  testing_doubles::Doubles d = testing_doubles::InstallDoubles();
  QTemporaryDir base;
  ASSERT_TRUE(base.isValid());
  const QString runtime = base.filePath(QStringLiteral("runtime"));
  const QString temp = base.filePath(QStringLiteral("temp"));
  ASSERT_TRUE(QDir().mkpath(runtime) && QDir().mkpath(temp));
  const auto unwritable = QFile::ReadOwner | QFile::ExeOwner;
  const auto writable = unwritable | QFile::WriteOwner;
  struct Restore {
    QString runtime, temp;
    QFileDevice::Permissions writable;
    ~Restore() {
      QFile::setPermissions(runtime, writable);
      QFile::setPermissions(temp, writable);
    }
  } restore{runtime, temp, writable};
  ASSERT_TRUE(QFile::setPermissions(runtime, unwritable) && QFile::setPermissions(temp, unwritable));
  qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
  qputenv("TMPDIR", temp.toLocal8Bit());

  // Neither folder takes the lock: told at each start, naming the folder and the
  // reason, and the start goes on.
  auto first = MakeQtService<ISingleInstance>();
  EXPECT_TRUE(first->Acquire());
  ASSERT_EQ(d.messages->shown.size(), 1u);
  const QString message = d.messages->shown[0].text;
  EXPECT_TRUE(message.contains(QStringLiteral("\"%1\" (%2)").arg(temp, QString::fromLocal8Bit(std::strerror(EACCES)))))
      << message.toStdString();
  EXPECT_FALSE(message.contains(QStringLiteral("already running")));
  EXPECT_TRUE(MakeQtService<ISingleInstance>()->Acquire());
  EXPECT_EQ(d.messages->shown.size(), 2u);
  first.reset();

  // With a folder that takes it, a real second copy is refused, without a word.
  d.messages->shown.clear();
  ASSERT_TRUE(QFile::setPermissions(temp, writable));
  first = MakeQtService<ISingleInstance>();
  EXPECT_TRUE(first->Acquire());
  EXPECT_FALSE(MakeQtService<ISingleInstance>()->Acquire());
  EXPECT_TRUE(d.messages->shown.empty());
}

TEST(QtSingleInstanceUnwritable, AnUnwritableLockFolderIsToldAndTheStartGoesOn) {
  QStringList asOrdinaryUser;
  if (::geteuid() == 0) {
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty()) GTEST_SKIP() << "running as root and setpriv is missing: no ordinary user to test as";
    asOrdinaryUser << setpriv << QStringLiteral("--reuid=65534") << QStringLiteral("--regid=65534")
                   << QStringLiteral("--clear-groups");
  }
  testing_doubles::RunChildTest(QStringLiteral("QtSingleInstanceUnwritable.DISABLED_AsAnOrdinaryUser"),
                                {{QStringLiteral("TMPDIR"), QStringLiteral("/tmp")}}, asOrdinaryUser);
}

TEST(QtClockAndRandom, NowAndDrawsInRange) {
  auto clock = MakeQtService<IClock>();
  const QDateTime before = QDateTime::currentDateTime();
  const QDateTime now = clock->Now();
  EXPECT_LE(qAbs(before.secsTo(now)), 2);
  EXPECT_EQ(clock->Today(), now.date());

  auto random = MakeQtService<IRandom>();
  auto same = MakeQtService<IRandom>();
  for (int i = 0; i < 1000; ++i) {
    const float r = random->Rnd();
    EXPECT_GE(r, 0.0f);
    EXPECT_LT(r, 1.0f);
    EXPECT_EQ(r, same->Rnd());  // unseeded generators repeat the same sequence
  }
  random->Randomize();
  for (int i = 0; i < 100; ++i) {
    const float r = random->Rnd();
    EXPECT_TRUE(r >= 0.0f && r < 1.0f);
  }
}

}  // namespace
