#include "framework/Services.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "framework/DeviceContext.h"
#include "framework/DialogTemplate.h"
#include "framework/Document.h"

namespace tervane::fw {

namespace {

std::string& RememberedFolder() {
  static std::string folder;
  return folder;
}

std::string& PrintFileProposal() {
  static std::string path;
  return path;
}

bool IsFolder(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_directory(path, ec);
}

std::string FolderOf(const std::string& path) {
  if (path.empty()) return {};
  const std::filesystem::path p(path);
  if (!p.has_parent_path()) return {};
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::absolute(p.parent_path(), ec);
  return ec ? std::string() : folder.string();
}

// Stand-ins for services nobody installed: they act as a user who cancels.
class StandInMessageBox : public MessageBoxService {
 public:
  int Show(const std::string&, const std::string&, MessageButtons buttons, MessageIcon) override {
    switch (buttons) {
      case MessageButtons::Ok: return IDOK;
      case MessageButtons::YesNo: return IDNO;
      case MessageButtons::OkCancel:
      case MessageButtons::YesNoCancel: break;
    }
    return IDCANCEL;
  }
};

class StandInFileDialogs : public FileDialogService {
 public:
  std::optional<std::string> OpenFile(const FileDialogOptions&) override { return std::nullopt; }
  std::optional<std::string> SaveFile(const FileDialogOptions&) override { return std::nullopt; }
};

class StandInPrinting : public PrintService {
 public:
  PrinterSelection PrintSetup() override { return PrinterSelection{}; }
  PrinterSelection Print(const PrintDialogOptions&) override { return PrinterSelection{}; }
};

class StandInShell : public ShellService {
 public:
  bool OpenWithDesktop(const std::string&) override { return false; }
  bool StartProgram(const std::string&, const std::vector<std::string>&) override { return false; }
};

class StandInHelp : public HelpService {
 public:
  bool ShowTopic(const std::string&) override { return false; }
  bool ShowDefault() override { return false; }
};

class SystemClock : public ClockService {
 public:
  LocalDateTime Now() const override {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    LocalDateTime now;
    if (localtime_r(&t, &tm) == nullptr) return now;
    now.year = tm.tm_year + 1900;
    now.month = tm.tm_mon + 1;
    now.day = tm.tm_mday;
    now.hour = tm.tm_hour;
    now.minute = tm.tm_min;
    now.second = tm.tm_sec;
    now.dayOfWeek = tm.tm_wday;
    return now;
  }
};

Services& Installed() {
  static Services services;
  return services;
}

}  // namespace

std::string ApplyDefaultExtension(const std::string& path, const std::string& extension) {
  if (path.empty() || extension.empty()) return path;
  const std::size_t slash = path.find_last_of('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.empty() || name.find('.') != std::string::npos) return path;
  return path + "." + extension;
}

PrinterSelection PrintService::DirectPrinter(const std::string&) { return PrinterSelection{}; }

PrintPageInfo PrintService::CurrentPage() {
  PrintPageInfo page;
  page.dpiX = page.dpiY = 600;
  page.pageWidth = 4800;
  page.pageHeight = 6300;
  page.paperWidth = 5100;
  page.paperHeight = 6600;
  page.printableLeft = page.printableTop = 150;
  return page;
}

Services InstallServices(const Services& services) {
  Services previous = Installed();
  Installed() = services;
  return previous;
}

const Services& CurrentServices() { return Installed(); }

MessageBoxService& MessageBoxes() {
  static StandInMessageBox standIn;
  return Installed().messageBox != nullptr ? *Installed().messageBox : standIn;
}

FileDialogService& FileDialogs() {
  static StandInFileDialogs standIn;
  return Installed().fileDialogs != nullptr ? *Installed().fileDialogs : standIn;
}

PrintService& Printing() {
  static StandInPrinting standIn;
  return Installed().printing != nullptr ? *Installed().printing : standIn;
}

ShellService& Shell() {
  static StandInShell standIn;
  return Installed().shell != nullptr ? *Installed().shell : standIn;
}

HelpService& Help() {
  static StandInHelp standIn;
  return Installed().help != nullptr ? *Installed().help : standIn;
}

const ClockService& Clock() {
  static SystemClock standIn;
  return Installed().clock != nullptr ? *Installed().clock : standIn;
}

int ShowMessage(const std::string& text, MessageButtons buttons, MessageIcon icon) {
  return MessageBoxes().Show(text, Installed().applicationTitle, buttons, icon);
}

// ---- folders and proposals of file dialogs ------------------------------------

std::string DefaultDialogFolder() {
  if (const Document* document = ActiveDocument()) {
    const std::string folder = FolderOf(document->PathName());
    if (IsFolder(folder)) return folder;
  }
  if (IsFolder(RememberedFolder())) return RememberedFolder();
  const char* home = std::getenv("HOME");
  if (home != nullptr && IsFolder(home)) return home;
  return {};
}

void RememberDialogFolder(const std::string& chosenPath) {
  const std::string folder = FolderOf(chosenPath);
  if (IsFolder(folder)) RememberedFolder() = folder;
}

void ForgetDialogFolder() { RememberedFolder().clear(); }

ScopedPrintFileProposal::ScopedPrintFileProposal(std::string path) : previous_(PrintFileProposal()) {
  PrintFileProposal() = std::move(path);
}

ScopedPrintFileProposal::~ScopedPrintFileProposal() { PrintFileProposal() = previous_; }

const std::string& ProposedPrintFile() { return PrintFileProposal(); }

}  // namespace tervane::fw
