#include "framework/testing/FakeServices.h"

#include "framework/DialogTemplate.h"
#include "framework/testing/HeadlessBackend.h"
#include "framework/testing/RecordingDC.h"

namespace tervane::fw {

int FakeMessageBox::Show(const std::string& text, const std::string& caption, MessageButtons buttons,
                         MessageIcon icon) {
  shown_.push_back(Shown{text, caption, buttons, icon});
  HeadlessSession::NoteMessageBox(text);
  if (!answers_.empty()) {
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  switch (buttons) {
    case MessageButtons::Ok: return IDOK;
    case MessageButtons::YesNo: return IDNO;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel: break;
  }
  return IDCANCEL;
}

std::vector<std::string> FakeMessageBox::Texts() const {
  std::vector<std::string> texts;
  for (const Shown& s : shown_) texts.push_back(s.text);
  return texts;
}

namespace {
std::optional<std::string> Next(std::deque<std::optional<std::string>>& queue) {
  if (queue.empty()) return std::nullopt;
  std::optional<std::string> answer = std::move(queue.front());
  queue.pop_front();
  return answer;
}
}  // namespace

std::optional<std::string> FakeFileDialogs::OpenFile(const FileDialogOptions& options) {
  openCalls_.push_back(options);
  return Next(opens_);
}

std::optional<std::string> FakeFileDialogs::SaveFile(const FileDialogOptions& options) {
  saveCalls_.push_back(options);
  return Next(saves_);
}

bool FakeShell::OpenWithDesktop(const std::string& pathOrUrl) {
  opened_.push_back(pathOrUrl);
  return succeed;
}

bool FakeShell::StartProgram(const std::string& program, const std::vector<std::string>& arguments) {
  started_.push_back(Started{program, arguments});
  return succeed;
}

bool FakeHelp::ShowTopic(const std::string& location) {
  requests_.push_back(location);
  return succeed;
}

bool FakeHelp::ShowDefault() {
  requests_.push_back("<default>");
  return succeed;
}

// ---- printing ----------------------------------------------------------------------

class FakePrinting::JobDC : public RecordingDC {
 public:
  JobDC(const Options& options, FakePrinting* owner, std::size_t index)
      : RecordingDC(options), owner_(owner), alive_(owner->alive_), index_(index) {}
  ~JobDC() override {
    if (!*alive_) return;
    Job& job = owner_->jobs_[index_];
    job.lines = Lines();
    job.pages = PagesPrinted();
    job.finished = true;
  }

 private:
  FakePrinting* owner_;
  std::shared_ptr<bool> alive_;
  std::size_t index_;
};

FakePrinting::FakePrinting() : alive_(std::make_shared<bool>(true)) {
  page.printerName = "Fake Printer";
  page.dpiX = page.dpiY = 600;
  page.pageWidth = 4800;
  page.pageHeight = 6300;
}

FakePrinting::~FakePrinting() { *alive_ = false; }

PrinterSelection FakePrinting::Make(const std::string& request) {
  Job job;
  job.request = request;
  jobs_.push_back(job);
  RecordingDC::Options options;
  options.dpiX = page.dpiX;
  options.dpiY = page.dpiY;
  options.deviceSize = Size{page.pageWidth, page.pageHeight};
  options.printer = true;
  PrinterSelection selection;
  selection.page = page;
  selection.dc = std::make_unique<JobDC>(options, this, jobs_.size() - 1);
  return selection;
}

PrinterSelection FakePrinting::PrintSetup() {
  ++setupCalls_;
  const bool give = !answers_.empty() && answers_.front();
  if (!answers_.empty()) answers_.pop_front();
  return give ? Make("setup") : PrinterSelection{};
}

PrinterSelection FakePrinting::Print(const PrintDialogOptions& options) {
  printCalls_.push_back(options);
  const bool give = !answers_.empty() && answers_.front();
  if (!answers_.empty()) answers_.pop_front();
  if (!give) return PrinterSelection{};
  PrinterSelection selection = Make("print");
  selection.page.fromPage = options.minPage;
  selection.page.toPage = options.maxPage;
  return selection;
}

PrinterSelection FakePrinting::DirectPrinter(const std::string& printerName) {
  if (!directAvailable) return PrinterSelection{};
  return Make("direct:" + printerName);
}

Services FakeServices::AsServices() {
  Services s;
  s.messageBox = &messageBox;
  s.fileDialogs = &fileDialogs;
  s.shell = &shell;
  s.help = &help;
  s.clock = &clock;
  return s;
}

ScopedFakeServices::ScopedFakeServices() { previous_ = InstallServices(AsServices()); }

ScopedFakeServices::~ScopedFakeServices() { InstallServices(previous_); }

}  // namespace tervane::fw
