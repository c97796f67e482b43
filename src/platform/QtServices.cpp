// The Qt implementations of the platform services.
#include "platform/Services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QLockFile>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QUrl>
#include <QUrlQuery>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "SiteConfig.h"

#ifdef ORMANDEL_HAVE_CUPS
#include <cups/cups.h>
#endif

namespace platform {

MsgAnswer MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) {
  return Service<IMessageBox>().Show(text, buttons, icon, title);
}

bool ShellOpen(const QString& address) {
  if (Service<IShellOpen>().Open(address)) return true;
  // Without a web browser the desktop opens nothing and says so only on standard
  // error: the user is told, with the address to copy from the box.
  MsgBox(CannotOpenAddressMessage(address), MsgButtons::OK, MsgIcon::Critical);
  return false;
}

QString CannotOpenAddressMessage(const QString& address) {
  return QStringLiteral("The web page could not be opened: the desktop found no web browser to show it. "
                        "You can copy its address from here and open it yourself:\n\n%1")
      .arg(address);
}

namespace {

class QtMessageBox final : public IMessageBox {
 public:
  MsgAnswer Show(const QString& text, MsgButtons buttons, MsgIcon icon,
                 const QString& title) override {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? AppTitle : title);
    // Messages may carry file names or other user text: show them literally, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    // An address or a file name in a message can be selected and copied.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.setIcon(icon == MsgIcon::Critical      ? QMessageBox::Critical
                : icon == MsgIcon::Information ? QMessageBox::Information
                                               : QMessageBox::NoIcon);
    if (buttons == MsgButtons::YesNo) {
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
    } else {
      box.setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (buttons == MsgButtons::OK) return MsgAnswer::OK;
    return answer == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
  }
};

class QtShellOpen final : public IShellOpen {
 public:
  bool Open(const QString& address) override {
    return QDesktopServices::openUrl(QUrl::fromUserInput(address));
  }
};

class QtSettingsStore final : public ISettingsStore {
 public:
  QString Get(const QString& application, const QString& section, const QString& name) override {
    QSettings settings(QStringLiteral("QZ Astrology"), application);
    return settings.value(section + QLatin1Char('/') + name).toString();
  }
  void Save(const QString& application, const QString& section, const QString& name,
            const QString& value) override {
    QSettings settings(QStringLiteral("QZ Astrology"), application);
    settings.setValue(section + QLatin1Char('/') + name, value);
    settings.sync();
    // Said once a run: the values only steer the program, and several are
    // written together.
    if (settings.status() == QSettings::NoError || reported_) return;
    reported_ = true;
    MsgBox(QStringLiteral("The program's settings could not be saved in the file \"%1\" (the "
                          "folder cannot be written to, or the disk is full).")
               .arg(settings.fileName()),
           MsgButtons::OK, MsgIcon::Critical);
  }

 private:
  bool reported_ = false;
};

// "Description (*.ext)|*.ext" -> "Description (*.ext)"
QString QtFilter(const QString& filter) {
  const qsizetype bar = filter.indexOf(QLatin1Char('|'));
  if (bar < 0) return filter;
  const QString description = filter.left(bar);
  const QString pattern = filter.mid(bar + 1);
  if (description.contains(pattern)) return description;
  return description + QStringLiteral(" (") + pattern + QLatin1Char(')');
}

// The longest file name, in bytes, that the folder's file system takes; -1 when
// it cannot be told (the folder does not exist).
long MaxNameBytes(const QString& folder) {
  return ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
}

// Qt's own file dialog (the same on every desktop, so every option below holds),
// which also refuses a name in a folder that does not exist when asked to. For
// saving it takes the name exactly as typed: Qt reads quotes in the name box as
// marks around several names (quote"d.kdw would become d.kdw), so such a name is
// taken over here; and a name too long for the file system is refused with a
// message instead of a Save button that silently stops working.
class ProgramFileDialog final : public QFileDialog {
 public:
  ProgramFileDialog(QWidget* parent, const QString& title, bool save, bool pathMustExist,
                    bool extensionRequired)
      : QFileDialog(parent, title), save_(save), pathMustExist_(pathMustExist),
        extensionRequired_(save && extensionRequired) {
    setOption(QFileDialog::DontUseNativeDialog, true);
    setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    nameEdit_ = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (auto* buttons = findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))) {
      saveButton_ = buttons->button(QDialogButtonBox::Save);
    }
    if (save_ && nameEdit_ && saveButton_) {
      // Runs after Qt's own handler of the name box, which sets the button first.
      connect(nameEdit_, &QLineEdit::textChanged, this, [this] { KeepSaveButtonOn(); });
      saveButton_->installEventFilter(this);
    }
  }

  // The path accepted, when the dialog took the typed name over from Qt.
  const std::optional<QString>& TypedPath() const { return typedPath_; }

  void accept() override {
    const QString typed = nameEdit_ ? nameEdit_->text() : QString();
    // Qt adds the default extension only to a name without a dot; a name that
    // must end with it is completed here.
    const bool exact = save_ && (typed.contains(QLatin1Char('"')) ||
                                 (extensionRequired_ && !typed.trimmed().isEmpty() &&
                                  TypedSavePath(typed) != TypedFullPath(typed)));
    const QString path = exact ? TypedSavePath(typed) : selectedFiles().value(0);
    const QFileInfo info(path);
    if (!path.isEmpty() && !info.isDir()) {
      if (pathMustExist_ && !info.absoluteDir().exists()) {
        return Warn(QStringLiteral("%1\nThe folder does not exist.\nCheck the folder name and try again.")
                        .arg(QDir::toNativeSeparators(info.absoluteFilePath())));
      }
      const long maxBytes = MaxNameBytes(info.absolutePath());
      const qsizetype bytes = QFile::encodeName(info.fileName()).size();
      if (save_ && !info.exists() && maxBytes > 0 && bytes > maxBytes) {
        return Warn(QStringLiteral("The file name is too long: this folder takes names of at most %1 "
                                   "bytes, and this name has %2 (letters beyond A to Z take two or "
                                   "more).\nChoose a shorter name.")
                        .arg(maxBytes)
                        .arg(bytes));
      }
    }
    if (!exact) return QFileDialog::accept();
    if (info.isDir()) {  // a folder typed in the name box is opened, as Qt does
      setDirectory(path);
      nameEdit_->clear();
      return;
    }
    if (info.exists() && !testOption(QFileDialog::DontConfirmOverwrite)) {
      const QString question =
          QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(info.fileName());
      QMessageBox box(QMessageBox::Warning, DialogCaption(), question,
                      QMessageBox::Yes | QMessageBox::No, this);
      box.setDefaultButton(QMessageBox::No);
      box.setTextFormat(Qt::PlainText);
      if (box.exec() != QMessageBox::Yes) return;
    }
    typedPath_ = path;
    QDialog::accept();
  }

 protected:
  // Qt turns the Save button off for names it would refuse without a word; while
  // the name box holds a name it stays on, and accept() says what is wrong.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == saveButton_ && event->type() == QEvent::EnabledChange) KeepSaveButtonOn();
    return QFileDialog::eventFilter(watched, event);
  }

 private:
  void KeepSaveButtonOn() {
    if (!saveButton_->isEnabled() && !nameEdit_->text().trimmed().isEmpty()) saveButton_->setEnabled(true);
  }

  QString DialogCaption() const { return windowTitle().isEmpty() ? AppTitle : windowTitle(); }

  void Warn(const QString& text) {
    QMessageBox box(QMessageBox::Warning, DialogCaption(), text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();  // the dialog stays open
  }

  // The typed name in the dialog's folder, or as the full path it is.
  QString TypedFullPath(const QString& typed) const {
    return QDir::isAbsolutePath(typed) ? typed : directory().absoluteFilePath(typed);
  }

  // The typed path with the default extension when the name has none, or, when
  // the extension is required, when the name does not end with it. A folder is
  // left as it is.
  QString TypedSavePath(const QString& typed) const {
    QString path = TypedFullPath(typed);
    const QString suffix = defaultSuffix();
    const QFileInfo info(path);
    if (suffix.isEmpty() || info.isDir()) return path;
    const bool complete = extensionRequired_
                              ? info.fileName().endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive)
                              : info.fileName().contains(QLatin1Char('.'));
    return complete ? path : path + QLatin1Char('.') + suffix;
  }

  bool save_;
  bool pathMustExist_;
  bool extensionRequired_;
  QLineEdit* nameEdit_ = nullptr;
  QPushButton* saveButton_ = nullptr;
  std::optional<QString> typedPath_;
};

std::optional<QString> RunFileDialog(const FileDialogRequest& request, bool save) {
  ProgramFileDialog dialog(QApplication::activeWindow(), request.title, save, request.pathMustExist,
                           request.extensionRequired);
  dialog.setFileMode(!save && request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setNameFilter(QtFilter(request.filter));
  if (!request.defaultExt.isEmpty()) dialog.setDefaultSuffix(request.defaultExt);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
  if (!request.fileName.isEmpty()) {
    const QFileInfo info(request.fileName);
    if (info.isAbsolute()) dialog.setDirectory(info.absolutePath());
    dialog.selectFile(info.fileName());
  }
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  if (dialog.TypedPath()) return QDir::cleanPath(*dialog.TypedPath());
  if (dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QDir::cleanPath(dialog.selectedFiles().constFirst());
}

class QtFileDialogs final : public IFileDialogs {
 public:
  std::optional<QString> ShowOpen(const FileDialogRequest& request) override {
    return RunFileDialog(request, false);
  }
  std::optional<QString> ShowSave(const FileDialogRequest& request) override {
    return RunFileDialog(request, true);
  }
};

#ifdef ORMANDEL_HAVE_CUPS
// Why the print server does not answer; nothing when it does.
std::optional<QString> PrintServerSilence() {
  http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 5000, nullptr);
  if (http) {
    httpClose(http);
    return std::nullopt;
  }
  return QString::fromUtf8(cupsLastErrorString());
}

// Whether the print server knows the queue. The question also leaves CUPS's last
// answer of this thread fresh, so what it holds after the job is about the job.
bool QueueKnown(const QString& name) {
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.toLocal8Bit().constData(), nullptr);
  if (!dest) return false;
  cupsFreeDests(1, dest);
  return true;
}

// Why the print system refused the job just handed to it; nothing when it took
// it. Qt hands the job to CUPS as the painter ends and keeps CUPS's answer to
// itself; CUPS keeps the last answer of the thread.
std::optional<QString> JobRefusal() {
  if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE) return std::nullopt;
  return QString::fromUtf8(cupsLastErrorString());
}
#else
std::optional<QString> PrintServerSilence() { return std::nullopt; }
bool QueueKnown(const QString&) { return true; }
std::optional<QString> JobRefusal() { return std::nullopt; }
#endif

// Qt's print dialog on Linux offers a page range (and odd or even pages) even
// when its options leave the range out; without a range the choice is hidden, so
// the dialog shows nothing that the print would not do.
class ProgramPrintDialog final : public QPrintDialog {
 public:
  ProgramPrintDialog(QPrinter* printer, QWidget* parent, bool noPageRange)
      : QPrintDialog(printer, parent), noPageRange_(noPageRange) {}

  void setVisible(bool visible) override {
    QPrintDialog::setVisible(visible);
    if (!visible || !noPageRange_) return;
    if (auto* range = findChild<QWidget*>(QStringLiteral("gbPrintRange"))) range->hide();
  }

 private:
  bool noPageRange_;
};

class QtPrinter final : public IPrinter {
 public:
  PrintResult Print(const QString& docName, const std::function<bool(QPrinter&)>& draw) override {
    PrintResult result = PrintOnPrinter(*printer_, docName, draw);
    // A job whose painter could not start can leave Qt's printer marked active
    // for good, refusing every later setting ("Cannot be changed while printer is
    // active"); the next choice and job get a fresh printer with what was chosen.
    if (result.outcome == PrintResult::Outcome::NotStarted) Renew();
    return result;
  }

  bool ShowPrinterDialog(bool noPageRange, bool noPrintToFile) override {
    ProgramPrintDialog dialog(printer_.get(), QApplication::activeWindow(), noPageRange);
    QAbstractPrintDialog::PrintDialogOptions options = dialog.options();
    if (noPageRange) options &= ~(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintSelection);
    if (noPrintToFile) options &= ~QAbstractPrintDialog::PrintToFile;
    dialog.setOptions(options);
    return dialog.exec() == QDialog::Accepted;
  }

 private:
  void Renew() {
    auto fresh = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (printer_->outputFormat() == QPrinter::NativeFormat) {
      if (!printer_->printerName().isEmpty()) fresh->setPrinterName(printer_->printerName());
    } else if (!printer_->outputFileName().isEmpty()) {
      fresh->setOutputFileName(printer_->outputFileName());
    }
    fresh->setPageLayout(printer_->pageLayout());
    fresh->setCopyCount(printer_->copyCount());
    fresh->setCollateCopies(printer_->collateCopies());
    fresh->setDuplex(printer_->duplex());
    fresh->setColorMode(printer_->colorMode());
    printer_ = std::move(fresh);
  }

  std::unique_ptr<QPrinter> printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
};

class QtClock final : public IClock {
 public:
  QDateTime Now() override { return QDateTime::currentDateTime(); }
};

class QtRandom final : public IRandom {
 public:
  void Randomize() override {
    generator_.seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
  }
  float Rnd() override {
    // generateDouble is in [0, 1); rounding to float may reach 1.0f, so keep below it.
    const float r = static_cast<float>(generator_.generateDouble());
    return r < 1.0f ? r : 0.99999994f;
  }

 private:
  QRandomGenerator generator_{1u};
};

// Takes the operating system's lock on the open file when no process holds it,
// as every running copy of the program does on its lock file for the whole
// run; the lock lasts until the file is closed. False when a process holds it.
bool LockUnheldFile(int fd) {
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return false;
  struct flock query {};
  query.l_type = F_WRLCK;
  query.l_whence = SEEK_SET;
  return ::fcntl(fd, F_GETLK, &query) == 0 && query.l_type == F_UNLCK;
}

// A lock file that does not name a copy on this machine in the form QLockFile
// writes (empty, garbage, cut short, or from another host name) is stale when
// no process holds it, and is removed. That happens under the guard file
// QLockFile itself uses when it removes a stale lock, so two starts cannot both
// remove and take it. A lock naming a copy here is left to QLockFile, which
// checks whether that process still runs the program.
bool RemoveUnownedLock(QLockFile& lock, const QString& path) {
  qint64 pid = 0;
  QString host;
  QString application;
  if (lock.getLockInfo(&pid, &host, &application) &&
      (host.isEmpty() || host == QSysInfo::machineHostName())) {
    return false;
  }
  QLockFile guard(path + QStringLiteral(".rmlock"));
  if (!guard.tryLock(0)) return false;
  const QByteArray name = QFile::encodeName(path);
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat opened {};
  struct stat named {};
  // Only a regular file, still the one under that name, is removed.
  const bool removed = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && LockUnheldFile(fd) &&
                       ::lstat(name.constData(), &named) == 0 && named.st_dev == opened.st_dev &&
                       named.st_ino == opened.st_ino && ::unlink(name.constData()) == 0;
  ::close(fd);
  return removed;
}

// Why no file can be made in the folder, as the system says: a small file is
// made, written and removed there.
QString CannotCreateReason(const QString& folder) {
  QByteArray name = QFile::encodeName(folder + QStringLiteral("/.ormandel-XXXXXX"));
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return QString::fromLocal8Bit(std::strerror(errno));
  const bool written = ::write(fd, "0", 1) == 1;
  const int error = errno;
  ::close(fd);
  ::unlink(name.constData());
  return written ? QStringLiteral("the lock file could not be written")
                 : QString::fromLocal8Bit(std::strerror(error));
}

class QtSingleInstance final : public ISingleInstance {
 public:
  // The lock lives in the session's runtime folder, or in the temporary folder
  // when there is none or no file can be made in it. When neither takes it,
  // the user is told which folders and why, and the program runs without the
  // guard this time: only a copy that really runs keeps another from starting.
  bool Acquire() override {
    QStringList folders;
    if (const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        !runtime.isEmpty()) {
      folders.append(runtime);
    }
    folders.append(QDir::tempPath());
    QStringList failures;
    for (const QString& folder : folders) {
      if (const std::optional<bool> taken = TryLockIn(folder)) return *taken;
      failures.append(QStringLiteral("\"%1\" (%2)").arg(folder, CannotCreateReason(folder)));
    }
    const QString message =
        QStringLiteral("The program could not make sure that it runs only once: its lock file could "
                       "not be created in the folder %1. It starts anyway; do not start it a second "
                       "time while this copy runs.")
            .arg(failures.join(QStringLiteral(" or in ")));
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
    MsgBox(message, MsgButtons::OK, MsgIcon::Information);
    return true;
  }

 private:
  // True when the lock in folder is now held, false when a running copy holds
  // it; nothing when no lock file can be made there.
  std::optional<bool> TryLockIn(const QString& folder) {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) user = QStringLiteral("user");
    const QString path = folder + QStringLiteral("/ormandel-") + user + QStringLiteral(".lock");
    lock_ = std::make_unique<QLockFile>(path);
    // QLockFile takes over a lock naming a process that has ended; one it cannot
    // read is taken over here when no running copy holds it.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) return true;
    if (lock_->error() != QLockFile::LockFailedError) {
      lock_.reset();
      return std::nullopt;
    }
    return RemoveUnownedLock(*lock_, path) && lock_->tryLock(0);
  }

  std::unique_ptr<QLockFile> lock_;
};

// Our lookup component: opens the home site's place search in the browser.
class ShellLocationLookup final : public ILocationLookup {
 public:
  void Lookup(const QString& query, const QString& homeSite) override {
    QUrl url(homeSite);
    QUrlQuery q;
    q.addQueryItem(QStringLiteral("place"), query);
    url.setQuery(q);
    ShellOpen(url.toString(QUrl::FullyEncoded));
  }
};

class QtLocationLookupFactory final : public ILocationLookupFactory {
 public:
  std::unique_ptr<ILocationLookup> Create() override { return std::make_unique<ShellLocationLookup>(); }
};

}  // namespace

PrintResult PrintOnPrinter(QPrinter& printer, const QString& docName,
                           const std::function<bool(QPrinter&)>& draw) {
  using Outcome = PrintResult::Outcome;
  const bool queue = printer.outputFormat() == QPrinter::NativeFormat;
  const QString name = printer.printerName();
  if (queue) {
    if (const auto silence = PrintServerSilence()) {
      return {Outcome::NotPrinted, QStringLiteral("the print server does not answer (%1).").arg(*silence)};
    }
    // The printer chosen may have been removed since.
    if (QPrinterInfo::printerInfo(name).isNull() || !QueueKnown(name)) {
      return {Outcome::NotPrinted, QStringLiteral("the printer \"%1\" is no longer installed.").arg(name)};
    }
  }
  printer.setDocName(docName);
  printer.setPrintRange(QPrinter::AllPages);
  if (!draw(printer)) return {Outcome::NotStarted, {}};
  if (queue) {
    if (const auto refusal = JobRefusal()) {
      return {Outcome::NotPrinted, QStringLiteral("the printer \"%1\" did not take the job: %2").arg(name, *refusal)};
    }
  }
  if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted) {
    return {Outcome::NotPrinted, QStringLiteral("the printer \"%1\" reported an error.").arg(name)};
  }
  return {};
}

template <>
std::unique_ptr<IMessageBox> MakeQtService<IMessageBox>() { return std::make_unique<QtMessageBox>(); }
template <>
std::unique_ptr<IShellOpen> MakeQtService<IShellOpen>() { return std::make_unique<QtShellOpen>(); }
template <>
std::unique_ptr<ISettingsStore> MakeQtService<ISettingsStore>() { return std::make_unique<QtSettingsStore>(); }
template <>
std::unique_ptr<IFileDialogs> MakeQtService<IFileDialogs>() { return std::make_unique<QtFileDialogs>(); }
template <>
std::unique_ptr<IPrinter> MakeQtService<IPrinter>() { return std::make_unique<QtPrinter>(); }
template <>
std::unique_ptr<IClock> MakeQtService<IClock>() { return std::make_unique<QtClock>(); }
template <>
std::unique_ptr<IRandom> MakeQtService<IRandom>() { return std::make_unique<QtRandom>(); }
template <>
std::unique_ptr<ISingleInstance> MakeQtService<ISingleInstance>() { return std::make_unique<QtSingleInstance>(); }
template <>
std::unique_ptr<ILocationLookupFactory> MakeQtService<ILocationLookupFactory>() {
  return std::make_unique<QtLocationLookupFactory>();
}

}  // namespace platform
