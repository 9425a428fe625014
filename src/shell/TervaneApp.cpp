#include "shell/TervaneApp.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

#include "model/DataDirectory.h"
#include "shell/InfoDialogs.h"
#include "shell/MainFrame.h"
#include "shell/SplashWindow.h"
#include "shell/StartDlg.h"
#include "shell/TervaneDoc.h"
#include "shell/TervaneView.h"
#include "framework/CommandLine.h"
#include "framework/Desktop.h"
#include "framework/DocManager.h"
#include "framework/Document.h"
#include "framework/Profile.h"
#include "resources/ShellResources.h"

namespace tervane {

namespace {

CTervaneApp*& CurrentApp() {
  static CTervaneApp* current = nullptr;
  return current;
}

CTervaneApp& DefaultApp() {
  static CTervaneApp app;
  return app;
}

constexpr int kRecentFiles = 6;

}  // namespace

// Help that says so when it is not installed. Topics are opened from the
// help file of the application; its default page is the help file's.
class CTervaneApp::HelpWithNotice : public fw::HelpService {
 public:
  HelpWithNotice(fw::HelpService& inner, std::string helpFile) : inner_(inner), helpFile_(std::move(helpFile)) {}

  bool ShowTopic(const std::string& location) override { return Notice(inner_.ShowTopic(location)); }
  bool ShowDefault() override { return Notice(inner_.ShowTopic(helpFile_)); }

 private:
  static bool Notice(bool shown) {
    if (!shown) fw::ShowMessage(kHelpNotInstalledMessage, fw::MessageButtons::Ok, fw::MessageIcon::Information);
    return shown;
  }

  fw::HelpService& inner_;
  std::string helpFile_;
};

CTervaneApp::CTervaneApp() {
  OnCommand(fw::ID_APP_ABOUT, &CTervaneApp::OnAppAbout);
  OnCommand(fw::ID_FILE_NEW, [this] { OnFileNew(); });
  OnCommand(fw::ID_FILE_OPEN, [this] { OnFileOpen(); });
  OnCommand(fw::ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
}

CTervaneApp::~CTervaneApp() {
  // The end of the program: the main menu, the splash window, the documents
  // and the main frame go while this object is still whole.
  if (startDialog != nullptr) {
    startDialog->DestroyWindow();
    delete startDialog;
    startDialog = nullptr;
  }
  CSplashWindow::DestroySplash();
  DestroyMainFrame();
  if (help_) fw::InstallServices(servicesBeforeHelp_);
}

std::string CTervaneApp::ChmHelpPath(const std::string& path) {
  if (path.size() >= 4) {
    std::string tail = path.substr(path.size() - 4);
    for (char& c : tail)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (tail == ".hlp") return path.substr(0, path.size() - 4) + ".chm";
  }
  return path;
}

void CTervaneApp::OnAppAbout() {
  CAboutDlg about;
  about.DoModal();
}

void CTervaneApp::OnDirectPrintRefused() {
  fw::ShowMessage(kNothingToPrintMessage, fw::MessageButtons::Ok, fw::MessageIcon::Warning);
}

bool CTervaneApp::InitInstance(const std::vector<std::string>& arguments) {
  SetExitCode(0);
  // The data directory, with its messages before anything else is shown.
  GetDataDirectory(Project().dataDirectory);
  std::error_code ec;
  const std::filesystem::path current = std::filesystem::current_path(ec);
  if (!ec) SetCurrentDirectory(current.string());

  // 1. The help file beside the program, and help that says when it is missing.
  const std::string program = fw::ProgramPath();
  std::string& helpFilePath = Project().helpFilePath;
  if (helpFilePath.empty()) helpFilePath = program + ".hlp";
  helpFilePath = ChmHelpPath(helpFilePath);
  if (!help_) {
    help_ = std::make_unique<HelpWithNotice>(fw::Help(), helpFilePath);
    fw::Services services = fw::CurrentServices();
    services.help = help_.get();
    servicesBeforeHelp_ = fw::InstallServices(services);
  }

  // 2. The command line decides whether the splash window may show.
  const fw::CommandLineInfo info = fw::ParseCommandLine(arguments);
  CSplashWindow::SetSplashEnabled(info.showSplash);

  // 3. The start-up notice: anything but OK ends the program.
  {
    CIntroDlg notice;
    if (notice.DoModal() != fw::IDOK) return false;
  }

  // Embedding and automation have nothing to drive the program here.
  if (info.runEmbedded || info.runAutomated) {
    std::fputs(kNoAutomationMessage, stderr);
    std::fputc('\n', stderr);
    SetExitCode(1);
    return false;
  }

  // 6. The profile with the recent-file list.
  LoadStdProfileSettings(fw::DefaultProfilePath("Mirelo", "Tervane"), kRecentFiles);

  // 7. The document template.
  Documents().AddTemplate(std::make_unique<fw::DocTemplate>(
      res::kDocumentResource, fw::DocumentStrings::Parse(res::kDocumentString), res::DocumentMenu(),
      [] { return std::make_unique<CTervaneDoc>(); }, [] { return std::make_unique<CChildFrame>(); }));

  // 9. The main frame (its creation shows the splash window).
  auto frame = std::make_unique<CMainFrame>();
  if (!frame->Create(res::kProgramTitle, res::MainFrameMenu())) {
    SetExitCode(1);
    return false;
  }
  SetMainFrame(std::move(frame));

  // 11. The file type with the desktop, for this user; failures do not matter.
  const fw::DocumentStrings& strings = Documents().Template()->Strings();
  fw::DesktopFileType type;
  type.mimeType = "application/x-tervane-document";
  type.description = strings.fileTypeName;
  type.pattern = "*" + strings.filterExtension;
  type.programName = res::kProgramTitle;
  type.desktopId = "tervane";
  type.comment = "Design of geosynthetic-reinforced steep soil slopes";
  type.programPath = program;
  type.printSwitch = "/p";
  fw::RegisterFileType(type, fw::UserDataHome());

  // 14. No project is opened unless the command line names one.
  fw::CommandLineInfo command = info;
  if (command.command == fw::CommandLineInfo::Shell::FileNew) command.command = fw::CommandLineInfo::Shell::FileNothing;

  // 15. The command line.
  if (!ProcessShellCommand(command)) return false;

  // 16. The main frame, maximised.
  MainFrame()->ShowWindow(fw::ShowState::Maximized);
  MainFrame()->UpdateCommandUI();
  return true;
}

CTervaneApp& App() {
  CTervaneApp* current = CurrentApp();
  return current != nullptr ? *current : DefaultApp();
}

ScopedApp::ScopedApp() : ScopedApp(std::make_unique<CTervaneApp>()) {}

ScopedApp::ScopedApp(std::unique_ptr<CTervaneApp> app) : app_(std::move(app)) {
  previous_ = CurrentApp();
  CurrentApp() = app_.get();
}

ScopedApp::~ScopedApp() {
  // The object goes while it is still the one in use: its documents and main
  // menu reach it through App() as they close.
  app_.reset();
  CurrentApp() = previous_;
}

}  // namespace tervane
