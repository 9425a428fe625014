#include "framework/FakeServices.h"

#include "framework/DialogTemplate.h"
#include "framework/HeadlessBackend.h"

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
