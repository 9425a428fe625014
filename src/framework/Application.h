#pragma once
// The framework's application class: the main frame, the documents, the
// profile with its recent-file list, and the standard commands that act
// without a document (New, Open, the recent files, Print Setup, Exit).
//
// It registers the recent-file and Exit commands itself; a derived class
// maps New, Open and Print Setup to OnFileNew, OnFileOpen and
// OnFilePrintSetup as it chooses.

#include <memory>
#include <string>

#include "framework/Commands.h"
#include "framework/DocManager.h"
#include "framework/Profile.h"

namespace tervane::fw {

class FrameWindow;
struct CommandLineInfo;

class Application : public CommandTarget {
 public:
  Application();
  ~Application() override;

  FrameWindow* MainFrame() const { return mainFrame_.get(); }
  // Takes the main frame (connecting its route to this application).
  void SetMainFrame(std::unique_ptr<FrameWindow> frame);
  // Closes every document without asking and destroys the main frame.
  void DestroyMainFrame();

  DocManager& Documents() { return documents_; }

  // Reads the recent-file list (of `maxRecentFiles` entries) and the preview
  // settings from the profile file at `profilePath` (empty: memory only).
  // A profile that is there but cannot be read is reported and left alone;
  // a later write that fails is reported once (SettingNotKeptText).
  void LoadStdProfileSettings(const std::string& profilePath, int maxRecentFiles);
  Profile& GetProfile() { return *profile_; }
  RecentFileList& RecentFiles() { return recentFiles_; }
  // Puts a path first in the recent-file list and writes the list.
  void AddToRecentFileList(const std::string& path);
  // Pages the print preview shows side by side (1 or 2), kept in the profile.
  int PreviewPages() const { return previewPages_; }
  void SetPreviewPages(int pages);

  // The folder the program was started in (file names on the command line
  // and in the recent-file menu are taken relative to it).
  const std::string& CurrentDirectory() const { return currentDirectory_; }
  void SetCurrentDirectory(std::string directory) { currentDirectory_ = std::move(directory); }

  // Standard commands.
  void OnFileNew();
  void OnFileOpen();
  void OnFilePrintSetup();
  void OnAppExit();
  void OnOpenRecentFile(int index);
  void OnUpdateRecentFileMenu(CmdUI& ui);

  // Carries out what the command line asks: a new document, a file to open,
  // a file to print. False when the program should end now: the file could
  // not be opened (exit code 1), or it was printed (exit code 0 when every
  // page was printed, else 1). Direct printing is refused while the main
  // frame has Print Direct disabled (OnDirectPrintRefused says so).
  virtual bool ProcessShellCommand(const CommandLineInfo& info);

  // Asks to save every modified document; false when the user cancelled.
  bool SaveAllModified() { return documents_.SaveAllModified(); }
  void CloseAllDocuments() { documents_.CloseAllDocuments(); }

  // The exit status of the program.
  int ExitCode() const { return exitCode_; }
  void SetExitCode(int code) { exitCode_ = code; }

 protected:
  // Direct printing from the command line found nothing to print.
  virtual void OnDirectPrintRefused();

 private:
  std::unique_ptr<FrameWindow> mainFrame_;
  DocManager documents_;
  void ReportProfileWrite(bool written);

  std::unique_ptr<Profile> profile_;
  bool profileFailureShown_ = false;
  RecentFileList recentFiles_;
  int previewPages_ = 1;
  std::string currentDirectory_;
  int exitCode_ = 0;
};

inline constexpr const char* kSettingsSection = "Settings";
inline constexpr const char* kPreviewPagesEntry = "PreviewPages";
// The message when the profile is there but cannot be read (the reason follows).
inline constexpr const char* kProfileNotReadText =
    "The program's settings (recent files, print preview) could not be read and are not changed.";

}  // namespace tervane::fw
