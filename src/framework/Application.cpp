#include "framework/Application.h"

#include <utility>

#include "framework/CommandLine.h"
#include "framework/Document.h"
#include "framework/Frame.h"
#include "framework/Services.h"
#include "framework/View.h"

namespace tervane::fw {

Application::Application() : documents_(*this), profile_(std::make_unique<Profile>()) {
  for (int i = 0; i < kMaxRecentFileCommands; ++i)
    OnCommand(ID_FILE_MRU_FILE1 + i, [this, i] { OnOpenRecentFile(i); });
  OnUpdateCommand(ID_FILE_MRU_FILE1, &Application::OnUpdateRecentFileMenu);
  OnCommand(ID_APP_EXIT, &Application::OnAppExit);
}

Application::~Application() { DestroyMainFrame(); }

void Application::SetMainFrame(std::unique_ptr<FrameWindow> frame) {
  mainFrame_ = std::move(frame);
  if (mainFrame_) {
    mainFrame_->SetApplication(this);
    mainFrame_->UpdateCommandUI();
  }
}

void Application::DestroyMainFrame() {
  documents_.DeleteAllDocuments();
  if (mainFrame_) {
    mainFrame_->DestroyWindow();
    mainFrame_.reset();
  }
}

void Application::LoadStdProfileSettings(const std::string& profilePath, int maxRecentFiles) {
  profile_ = std::make_unique<Profile>(profilePath);
  recentFiles_ = RecentFileList(maxRecentFiles);
  recentFiles_.Load(*profile_);
  const int pages = profile_->GetInt(kSettingsSection, kPreviewPagesEntry, 1);
  previewPages_ = pages == 2 ? 2 : 1;
  profileFailureShown_ = false;
  if (!profile_->LoadError().empty()) {
    ShowMessage(kProfileNotReadText + std::string("\n\n") + profile_->LoadError(), MessageButtons::Ok,
                MessageIcon::Warning);
    // Its writes fail for the same reason: that was said now.
    profileFailureShown_ = true;
  }
}

void Application::ReportProfileWrite(bool written) {
  // Said once, not at every file opened, until a write succeeds again.
  if (written) {
    profileFailureShown_ = false;
    return;
  }
  if (profileFailureShown_) return;
  profileFailureShown_ = true;
  ShowMessage(SettingNotKeptText(profile_->WriteError()), MessageButtons::Ok, MessageIcon::Warning);
}

void Application::AddToRecentFileList(const std::string& path) {
  recentFiles_.Add(path);
  ReportProfileWrite(recentFiles_.Save(*profile_));
}

void Application::SetPreviewPages(int pages) {
  previewPages_ = pages == 2 ? 2 : 1;
  ReportProfileWrite(profile_->WriteInt(kSettingsSection, kPreviewPagesEntry, previewPages_));
}

void Application::OnFileNew() { documents_.OpenNewDocument(); }

void Application::OnFileOpen() { documents_.PromptAndOpen(); }

void Application::OnFilePrintSetup() { Printing().PrintSetup(); }

void Application::OnAppExit() {
  if (mainFrame_) {
    mainFrame_->Close();
  } else if (SaveAllModified()) {
    CloseAllDocuments();
  }
}

void Application::OnOpenRecentFile(int index) {
  const auto& entries = recentFiles_.Entries();
  if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) return;
  const std::string path = entries[static_cast<std::size_t>(index)];
  if (documents_.OpenDocumentFile(path) == nullptr) {
    // A file that cannot be opened leaves the list.
    const auto& now = recentFiles_.Entries();
    for (std::size_t i = 0; i < now.size(); ++i)
      if (now[i] == path) {
        recentFiles_.Remove(i);
        break;
      }
    ReportProfileWrite(recentFiles_.Save(*profile_));
  }
}

void Application::OnUpdateRecentFileMenu(CmdUI& ui) {
  const std::vector<std::string> texts = recentFiles_.MenuTexts(currentDirectory_);
  ui.Enable(!texts.empty());
  if (!texts.empty()) ui.ExpandTo(texts);
}

bool Application::ProcessShellCommand(const CommandLineInfo& info) {
  using Shell = CommandLineInfo::Shell;
  switch (info.command) {
    case Shell::FileNew:
      return documents_.OpenNewDocument() != nullptr;
    case Shell::FileOpen:
      if (documents_.OpenDocumentFile(info.fileName) != nullptr) return true;
      exitCode_ = 1;
      return false;
    case Shell::FilePrint:
    case Shell::FilePrintTo: {
      // Print and end: the program ends after this, whatever happened.
      if (documents_.OpenDocumentFile(info.fileName) == nullptr) {
        exitCode_ = 1;
        return false;
      }
      bool printed = false;
      if (mainFrame_ && mainFrame_->QueryCommand(ID_FILE_PRINT_DIRECT).enabled) {
        if (View* view = documents_.ActiveView())
          printed = view->OnFilePrintDirect(info.command == Shell::FilePrintTo ? info.printerName : std::string());
      } else {
        OnDirectPrintRefused();
      }
      exitCode_ = printed ? 0 : 1;
      CloseAllDocuments();
      return false;
    }
    case Shell::FileDDE:
    case Shell::AppRegister:
    case Shell::AppUnregister:
    case Shell::FileNothing:
      return true;
  }
  return true;
}

void Application::OnDirectPrintRefused() {}

}  // namespace tervane::fw
