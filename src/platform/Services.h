// The platform services the windows call. Each is a small interface; the program
// runs on the Qt implementations (QtServices.cpp), tests install recording doubles.
// No window talks to the Qt service behind an interface directly.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;

namespace platform {

// ---- Message box -------------------------------------------------------------
enum class MsgIcon { None, Critical, Information };
enum class MsgButtons { OK, YesNo };  // Yes/No has Yes as the default button
enum class MsgAnswer { OK, Yes, No };

// Caption of every message box that is shown without a title of its own.
inline const QString AppTitle = QStringLiteral("QZ Astrology Ormandel");

class IMessageBox {
 public:
  virtual ~IMessageBox() = default;
  // An empty title shows AppTitle in the caption.
  virtual MsgAnswer Show(const QString& text, MsgButtons buttons, MsgIcon icon,
                         const QString& title) = 0;
};

// ---- Shell open: hands a web address to the default browser, never waits ------
// False when the desktop could not open it.
class IShellOpen {
 public:
  virtual ~IShellOpen() = default;
  virtual bool Open(const QString& address) = 0;
};

// ---- Per-user settings store --------------------------------------------------
class ISettingsStore {
 public:
  virtual ~ISettingsStore() = default;
  // The empty text when the value is missing.
  virtual QString Get(const QString& application, const QString& section,
                      const QString& name) = 0;
  // Creates or overwrites.
  virtual void Save(const QString& application, const QString& section,
                    const QString& name, const QString& value) = 0;
};

// ---- File dialogs ------------------------------------------------------------
struct FileDialogRequest {
  QString fileName;    // the name proposed
  QString title;
  QString filter;      // one filter: "Description (*.ext)|*.ext"
  QString defaultExt;  // appended to a typed name that has none ("kdw", no dot)
  // Save: defaultExt is appended to every name that does not already end with
  // it (in any letter case), dots in the name notwithstanding.
  bool extensionRequired = false;
  bool overwritePrompt = false;
  bool pathMustExist = false;
  bool fileMustExist = false;
};

class IFileDialogs {
 public:
  virtual ~IFileDialogs() = default;
  // The full path chosen, or nothing when the user cancelled.
  virtual std::optional<QString> ShowOpen(const FileDialogRequest& request) = 0;
  virtual std::optional<QString> ShowSave(const FileDialogRequest& request) = 0;
};

// ---- Printer -----------------------------------------------------------------
// How a print job ended. A job that did not print says why in `reason`, a clause
// that completes "... was not printed: ", in the system's own words where it
// gives any.
struct PrintResult {
  enum class Outcome { Printed, NotStarted, NotPrinted };
  Outcome outcome = Outcome::Printed;
  QString reason;  // empty unless NotPrinted
};

class IPrinter {
 public:
  virtual ~IPrinter() = default;
  // One job on the application's current printer, named docName in the print
  // queue. draw paints the pages onto the printer and returns false when the
  // painter or a page could not be started. The whole document is printed,
  // whatever range the printer carried.
  virtual PrintResult Print(const QString& docName, const std::function<bool(QPrinter&)>& draw) = 0;
  // The printer dialog; a confirmed choice becomes the current printer.
  // False when the user cancelled.
  virtual bool ShowPrinterDialog(bool noPageRange, bool noPrintToFile) = 0;
};

// A job on the given printer as the Qt printer service runs it: a queue that is
// gone or a print system that refused the job is reported, not swallowed.
PrintResult PrintOnPrinter(QPrinter& printer, const QString& docName,
                           const std::function<bool(QPrinter&)>& draw);

// ---- Clock and random ----------------------------------------------------------
class IClock {
 public:
  virtual ~IClock() = default;
  virtual QDateTime Now() = 0;
  QDate Today() { return Now().date(); }
};

class IRandom {
 public:
  virtual ~IRandom() = default;
  virtual void Randomize() = 0;  // seed from the clock
  virtual float Rnd() = 0;       // a single-precision draw in [0, 1)
};

// ---- Single instance ---------------------------------------------------------
class ISingleInstance {
 public:
  virtual ~ISingleInstance() = default;
  // Takes the per-user lock for the rest of the run; false when another
  // instance of the program holds it. When no lock can be made at all, the user
  // is told and the run goes on without it (true).
  virtual bool Acquire() = 0;
};

// ---- Location lookup ---------------------------------------------------------
// The outside component behind the input window's lookup button. A new one is
// made for every click.
class ILocationLookup {
 public:
  virtual ~ILocationLookup() = default;
  virtual void Lookup(const QString& query, const QString& homeSite) = 0;
};

class ILocationLookupFactory {
 public:
  virtual ~ILocationLookupFactory() = default;
  // Nothing when no lookup component is installed.
  virtual std::unique_ptr<ILocationLookup> Create() = 0;
};

// ---- Installing and reaching the services ----------------------------------------
template <class I>
std::unique_ptr<I> MakeQtService();

template <>
std::unique_ptr<IMessageBox> MakeQtService<IMessageBox>();
template <>
std::unique_ptr<IShellOpen> MakeQtService<IShellOpen>();
template <>
std::unique_ptr<ISettingsStore> MakeQtService<ISettingsStore>();
template <>
std::unique_ptr<IFileDialogs> MakeQtService<IFileDialogs>();
template <>
std::unique_ptr<IPrinter> MakeQtService<IPrinter>();
template <>
std::unique_ptr<IClock> MakeQtService<IClock>();
template <>
std::unique_ptr<IRandom> MakeQtService<IRandom>();
template <>
std::unique_ptr<ISingleInstance> MakeQtService<ISingleInstance>();
template <>
std::unique_ptr<ILocationLookupFactory> MakeQtService<ILocationLookupFactory>();

template <class I>
struct ServiceSlot {
  static inline std::unique_ptr<I> current;
};

// The installed service, or the Qt one on first use when none was installed.
template <class I>
I& Service() {
  auto& current = ServiceSlot<I>::current;
  if (!current) current = MakeQtService<I>();
  return *current;
}

// Replaces the service (tests install their doubles here); nullptr goes back to Qt's.
template <class I>
void Install(std::unique_ptr<I> service) {
  ServiceSlot<I>::current = std::move(service);
}

// Shorthands for the calls every window makes.
MsgAnswer MsgBox(const QString& text, MsgButtons buttons = MsgButtons::OK,
                 MsgIcon icon = MsgIcon::None, const QString& title = {});
// Opens the address through the shell open service; when that fails, tells the
// user with the address (message box texts can be selected and copied) and
// returns false.
bool ShellOpen(const QString& address);
QString CannotOpenAddressMessage(const QString& address);

}  // namespace platform
