// Recording doubles of the platform services, and the fixture that installs a
// fresh set for every window test and unloads every window afterwards.
#pragma once

#include <gtest/gtest.h>

#include <QDateTime>
#include <QMap>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "platform/Services.h"

namespace testing_doubles {

struct ShownMessage {
  QString text;
  platform::MsgButtons buttons;
  platform::MsgIcon icon;
  QString title;
};

class RecordingMessageBox final : public platform::IMessageBox {
 public:
  platform::MsgAnswer Show(const QString& text, platform::MsgButtons buttons,
                           platform::MsgIcon icon, const QString& title) override;
  std::vector<ShownMessage> shown;
  // Answers for Yes/No boxes, used in order; Yes when none is left.
  std::deque<platform::MsgAnswer> answers;
};

class RecordingShellOpen final : public platform::IShellOpen {
 public:
  bool Open(const QString& address) override {
    opened.push_back(address);
    return opens;
  }
  QStringList opened;
  bool opens = true;  // false: the desktop has no browser
};

class MemorySettingsStore final : public platform::ISettingsStore {
 public:
  QString Get(const QString& application, const QString& section, const QString& name) override;
  void Save(const QString& application, const QString& section, const QString& name,
            const QString& value) override;
  static QString Key(const QString& application, const QString& section, const QString& name) {
    return application + QLatin1Char('|') + section + QLatin1Char('|') + name;
  }
  QMap<QString, QString> values;
  int saves = 0;
};

class ScriptedFileDialogs final : public platform::IFileDialogs {
 public:
  std::optional<QString> ShowOpen(const platform::FileDialogRequest& request) override;
  std::optional<QString> ShowSave(const platform::FileDialogRequest& request) override;
  // Answers in order: a path, or nothing for a cancel. Cancel when none is left.
  std::deque<std::optional<QString>> answers;
  std::vector<platform::FileDialogRequest> openRequests;
  std::vector<platform::FileDialogRequest> saveRequests;
};

// Prints to a PDF file in a temporary folder, as the Qt service runs a job; the
// printer dialog answers as scripted, and a scripted refusal stands for a print
// system that did not take the job.
class PdfPrinter final : public platform::IPrinter {
 public:
  PdfPrinter();
  platform::PrintResult Print(const QString& docName, const std::function<bool(QPrinter&)>& draw) override;
  bool ShowPrinterDialog(bool noPageRange, bool noPrintToFile) override;
  QString PdfPath() const { return folder.path() + QStringLiteral("/print.pdf"); }
  QTemporaryDir folder;
  QPrinter printer{QPrinter::HighResolution};
  bool dialogAnswer = true;
  int dialogsShown = 0;
  bool lastNoPageRange = false;
  bool lastNoPrintToFile = false;
  std::optional<QString> refusal;
  QStringList jobs;  // the name of every job printed or tried
};

class FixedClock final : public platform::IClock {
 public:
  QDateTime Now() override { return now; }
  QDateTime now{QDate(2026, 12, 9), QTime(12, 0)};
};

// Draws the scripted values in order, then a fixed sequence of its own.
class ScriptedRandom final : public platform::IRandom {
 public:
  void Randomize() override { ++randomizeCalls; }
  float Rnd() override;
  std::deque<float> values;
  int randomizeCalls = 0;
  unsigned state = 12345u;
};

class FakeSingleInstance final : public platform::ISingleInstance {
 public:
  bool Acquire() override {
    ++calls;
    return available;
  }
  bool available = true;
  int calls = 0;
};

struct LookupCall {
  QString query;
  QString homeSite;
};

class RecordingLocationLookupFactory final : public platform::ILocationLookupFactory {
 public:
  std::unique_ptr<platform::ILocationLookup> Create() override;
  std::vector<LookupCall> calls;
  int created = 0;
  bool installed = true;
};

// Every double, freshly installed; the pointers stay owned by the service slots.
struct Doubles {
  RecordingMessageBox* messages = nullptr;
  RecordingShellOpen* shell = nullptr;
  MemorySettingsStore* settings = nullptr;
  ScriptedFileDialogs* files = nullptr;
  PdfPrinter* printer = nullptr;
  FixedClock* clock = nullptr;
  ScriptedRandom* random = nullptr;
  FakeSingleInstance* instance = nullptr;
  RecordingLocationLookupFactory* lookup = nullptr;
};

Doubles InstallDoubles();

// Unloads every loaded window and lets Qt delete them.
void UnloadAllForms();

// Base fixture of window tests: fresh doubles before, no window left after.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  Doubles d;
};

}  // namespace testing_doubles
