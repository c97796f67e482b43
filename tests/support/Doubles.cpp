#include "support/Doubles.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

#include "platform/Forms.h"

namespace testing_doubles {

platform::MsgAnswer RecordingMessageBox::Show(const QString& text, platform::MsgButtons buttons,
                                              platform::MsgIcon icon, const QString& title) {
  shown.push_back({text, buttons, icon, title});
  if (buttons == platform::MsgButtons::OK) return platform::MsgAnswer::OK;
  if (answers.empty()) return platform::MsgAnswer::Yes;
  const platform::MsgAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

QString MemorySettingsStore::Get(const QString& application, const QString& section,
                                 const QString& name) {
  return values.value(Key(application, section, name));
}

void MemorySettingsStore::Save(const QString& application, const QString& section,
                               const QString& name, const QString& value) {
  values.insert(Key(application, section, name), value);
  ++saves;
}

namespace {
std::optional<QString> NextAnswer(std::deque<std::optional<QString>>& answers) {
  if (answers.empty()) return std::nullopt;
  std::optional<QString> answer = answers.front();
  answers.pop_front();
  return answer;
}
}  // namespace

std::optional<QString> ScriptedFileDialogs::ShowOpen(const platform::FileDialogRequest& request) {
  openRequests.push_back(request);
  return NextAnswer(answers);
}

std::optional<QString> ScriptedFileDialogs::ShowSave(const platform::FileDialogRequest& request) {
  saveRequests.push_back(request);
  return NextAnswer(answers);
}

PdfPrinter::PdfPrinter() {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(PdfPath());
}

platform::PrintResult PdfPrinter::Print(const QString& docName, const std::function<bool(QPrinter&)>& draw) {
  jobs.append(docName);
  platform::PrintResult result = platform::PrintOnPrinter(printer, docName, draw);
  if (refusal && result.outcome == platform::PrintResult::Outcome::Printed) {
    result = {platform::PrintResult::Outcome::NotPrinted, *refusal};
  }
  return result;
}

bool PdfPrinter::ShowPrinterDialog(bool noPageRange, bool noPrintToFile) {
  ++dialogsShown;
  lastNoPageRange = noPageRange;
  lastNoPrintToFile = noPrintToFile;
  return dialogAnswer;
}

float ScriptedRandom::Rnd() {
  if (!values.empty()) {
    const float v = values.front();
    values.pop_front();
    return v;
  }
  state = state * 1103515245u + 12345u;
  return static_cast<float>((state >> 8) & 0xFFFFu) / 65536.0f;
}

namespace {
class RecordingLocationLookup final : public platform::ILocationLookup {
 public:
  explicit RecordingLocationLookup(std::vector<LookupCall>& calls) : calls_(calls) {}
  void Lookup(const QString& query, const QString& homeSite) override {
    calls_.push_back({query, homeSite});
  }

 private:
  std::vector<LookupCall>& calls_;
};
}  // namespace

std::unique_ptr<platform::ILocationLookup> RecordingLocationLookupFactory::Create() {
  if (!installed) return nullptr;
  ++created;
  return std::make_unique<RecordingLocationLookup>(calls);
}

template <class I, class D>
D* InstallOne() {
  auto owned = std::make_unique<D>();
  D* raw = owned.get();
  platform::Install<I>(std::move(owned));
  return raw;
}

Doubles InstallDoubles() {
  Doubles d;
  d.messages = InstallOne<platform::IMessageBox, RecordingMessageBox>();
  d.shell = InstallOne<platform::IShellOpen, RecordingShellOpen>();
  d.settings = InstallOne<platform::ISettingsStore, MemorySettingsStore>();
  d.files = InstallOne<platform::IFileDialogs, ScriptedFileDialogs>();
  d.printer = InstallOne<platform::IPrinter, PdfPrinter>();
  d.clock = InstallOne<platform::IClock, FixedClock>();
  d.random = InstallOne<platform::IRandom, ScriptedRandom>();
  d.instance = InstallOne<platform::ISingleInstance, FakeSingleInstance>();
  d.lookup = InstallOne<platform::ILocationLookupFactory, RecordingLocationLookupFactory>();
  return d;
}

void UnloadAllForms() {
  // Unload the most recently loaded first; an unload handler may unload others.
  for (int guard = 0; guard < 100 && !platform::LoadedForms().empty(); ++guard) {
    auto unload = platform::LoadedForms().back().unload;
    unload();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

void WindowTest::SetUp() {
  UnloadAllForms();
  d = InstallDoubles();
}

void WindowTest::TearDown() { UnloadAllForms(); }

}  // namespace testing_doubles
