#pragma once
// Qt implementations of the services that reach outside the process: message
// boxes, file dialogs, the desktop's programs, other programs, help and the
// clock. (Printing has its own, QtPrint.h.)

#include <QUrl>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/Services.h"

namespace tervane::fw {

// Opens a URL with the desktop's program for it; true when that worked.
using UrlOpener = std::function<bool(const QUrl&)>;
// A local file through the desktop's opener on the PATH, waiting for its
// answer (OpenFileWithDesktopOpener); a web address, or any URL when there is
// no such opener, through QDesktopServices::openUrl.
bool OpenUrlWithDesktop(const QUrl& url);

class QtMessageBoxService final : public MessageBoxService {
 public:
  int Show(const std::string& text, const std::string& caption, MessageButtons buttons,
           MessageIcon icon) override;
};

// The toolkit's own file dialog (the same on every desktop). Patterns match
// without regard to case, as they do on the system the files come from.
class QtFileDialogService final : public FileDialogService {
 public:
  std::optional<std::string> OpenFile(const FileDialogOptions& options) override;
  std::optional<std::string> SaveFile(const FileDialogOptions& options) override;
};

// "Tervane Files (*.NAT)" with "*.NAT" as a Qt name filter: the patterns in
// parentheses at the end, separated by spaces (added when the description
// does not end with them already).
std::string QtNameFilter(const FileFilter& filter);

class QtShellService final : public ShellService {
 public:
  explicit QtShellService(UrlOpener opener = OpenUrlWithDesktop);
  // A web address (with a scheme such as "https:" or "mailto:") or the path
  // of an existing file or folder; anything else fails without asking the
  // desktop.
  bool OpenWithDesktop(const std::string& pathOrUrl) override;
  bool StartProgram(const std::string& program, const std::vector<std::string>& arguments) override;

 private:
  UrlOpener opener_;
};

// Help is a file of HTML pages: either a folder of pages (the help file's
// path, or that path without its extension, names a folder) whose topics are
// its files, or a single file the desktop opens as a whole.
class QtHelpService final : public HelpService {
 public:
  explicit QtHelpService(std::string helpFile, UrlOpener opener = OpenUrlWithDesktop);
  // "<help file>::/<topic>"; an empty help file part means this service's help
  // file. A topic that is not there, or a help file that cannot be shown,
  // fails.
  bool ShowTopic(const std::string& location) override;
  // The folder's "index.htm" or "index.html", or the single file.
  bool ShowDefault() override;

  // The local file a location leads to (empty when there is none).
  std::string Resolve(const std::string& location) const;

 private:
  std::string helpFile_;
  UrlOpener opener_;
};

class QtClockService final : public ClockService {
 public:
  LocalDateTime Now() const override;
};

}  // namespace tervane::fw
