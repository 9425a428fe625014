#pragma once
// Services that reach outside the process, injected so that every flow can be
// tested without a person, a printer or a display. The program installs the
// real ones once at start-up; tests install fakes (framework/testing/FakeServices.h).
// A service left unset behaves as a user who cancels: message boxes answer IDOK
// for OK boxes, IDNO for Yes/No and IDCANCEL otherwise, file and print dialogs
// are cancelled, the shell and help report failure, the clock reads the system time.

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tervane::fw {

class DeviceContext;

// ---- message boxes ---------------------------------------------------------

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Warning, Error, Question };

class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  // Shows the text and returns the answer: IDOK, IDCANCEL, IDYES or IDNO.
  virtual int Show(const std::string& text, const std::string& caption, MessageButtons buttons,
                   MessageIcon icon) = 0;
};

// ---- file dialogs ----------------------------------------------------------

struct FileFilter {
  std::string description;  // "Tervane Files (*.NAT)"
  std::string patterns;     // "*.NAT", several separated by ';'
};

struct FileDialogOptions {
  std::string title;                // empty: the dialog's standard title
  std::vector<FileFilter> filters;  // in the order offered; the first is selected
  std::string defaultExtension;     // without the dot; added to a name without one
  std::string proposedName;         // file name (or path) proposed to the user
  std::string initialDirectory;     // empty: the dialog's own choice
  bool askOverwrite = true;         // save: ask before replacing an existing file
  bool mustExist = true;            // open: the file must exist
};

class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  // The chosen path, or nothing when the user cancelled.
  virtual std::optional<std::string> OpenFile(const FileDialogOptions& options) = 0;
  virtual std::optional<std::string> SaveFile(const FileDialogOptions& options) = 0;
};

// The folder a file dialog opens in when its caller names none: the folder of
// the open project, else the folder of the file last chosen in a file dialog
// (for the rest of the session), else the home folder.
std::string DefaultDialogFolder();
// Remembers the folder of a file chosen in a file dialog.
void RememberDialogFolder(const std::string& chosenPath);
// Forgets the remembered folder (tests).
void ForgetDialogFolder();

// The file a print to a file proposes while the object lives: a full path
// whose name tells the project and the printout. Printing without one
// proposes nothing of its own.
class ScopedPrintFileProposal {
 public:
  explicit ScopedPrintFileProposal(std::string path);
  ~ScopedPrintFileProposal();
  ScopedPrintFileProposal(const ScopedPrintFileProposal&) = delete;
  ScopedPrintFileProposal& operator=(const ScopedPrintFileProposal&) = delete;

 private:
  std::string previous_;
};
// The proposal in force, or empty.
const std::string& ProposedPrintFile();

// Adds ".ext" to a path whose file name has no extension (ext without the dot).
std::string ApplyDefaultExtension(const std::string& path, const std::string& extension);

// ---- printing --------------------------------------------------------------

struct PrintPageInfo {
  std::string printerName;
  int pageWidth = 0;    // printable area in device pixels
  int pageHeight = 0;
  int dpiX = 0;
  int dpiY = 0;
  // The whole sheet in device pixels and where the printable area starts on
  // it (0 when not known: the print preview then takes a quarter inch).
  int paperWidth = 0;
  int paperHeight = 0;
  int printableLeft = 0;
  int printableTop = 0;
  bool landscape = false;
  int copies = 1;
  int fromPage = 1;     // pages chosen by the user (1-based, inclusive)
  int toPage = 1;
};

struct PrintDialogOptions {
  int minPage = 1;
  int maxPage = 1;
  bool allowPageRange = true;
};

// A printer device context ready for a document, with its page info; `dc` is
// null when the user cancelled or no printer could be had.
struct PrinterSelection {
  std::unique_ptr<DeviceContext> dc;
  PrintPageInfo page;
};

class PrintService {
 public:
  virtual ~PrintService() = default;
  // The Print Setup dialog: printer, paper, orientation. The chosen settings
  // are kept for the next print; the returned DC is for the chosen printer.
  virtual PrinterSelection PrintSetup() = 0;
  // The Print dialog: printer, page range, copies.
  virtual PrinterSelection Print(const PrintDialogOptions& options) = 0;

  // ---- printing without a dialog (the view's direct printing and preview) ----
  // The default printer (empty name) or the named one, where a name ending in
  // ".pdf" is that PDF file; every page is printed. Null `dc` when there is none.
  virtual PrinterSelection DirectPrinter(const std::string& printerName);
  // The page printing would use now (the print preview lays its pages out on
  // it): by default US Letter at 600 dpi less a quarter inch on every side.
  virtual PrintPageInfo CurrentPage();
};

// ---- shell, programs, help -------------------------------------------------

class ShellService {
 public:
  virtual ~ShellService() = default;
  // Opens a file or web page with the desktop's program for it; false on failure.
  virtual bool OpenWithDesktop(const std::string& pathOrUrl) = 0;
  // Starts another program (without waiting); false when it could not be started.
  virtual bool StartProgram(const std::string& program, const std::vector<std::string>& arguments) = 0;
};

class HelpService {
 public:
  virtual ~HelpService() = default;
  // Shows a topic given as the help file path followed by "::/" and the topic
  // file name (or the help file path alone for its default page).
  virtual bool ShowTopic(const std::string& location) = 0;
  // Shows the help file at its default page.
  virtual bool ShowDefault() = 0;
};

// ---- clock -----------------------------------------------------------------

struct LocalDateTime {
  int year = 1970;
  int month = 1;      // 1..12
  int day = 1;        // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int dayOfWeek = 4;  // 0 Sunday .. 6 Saturday
};

class ClockService {
 public:
  virtual ~ClockService() = default;
  virtual LocalDateTime Now() const = 0;
};

// ---- installation ----------------------------------------------------------

// The services in use. Not owned: whoever installs them keeps them alive.
struct Services {
  MessageBoxService* messageBox = nullptr;
  FileDialogService* fileDialogs = nullptr;
  PrintService* printing = nullptr;
  ShellService* shell = nullptr;
  HelpService* help = nullptr;
  ClockService* clock = nullptr;
  // Caption of the framework's own message boxes.
  std::string applicationTitle = "Tervane";
};

// Installs a set of services and returns the previous set.
Services InstallServices(const Services& services);
const Services& CurrentServices();

// Installs services for the life of the object and restores the previous ones.
class ScopedServices {
 public:
  explicit ScopedServices(const Services& services) : previous_(InstallServices(services)) {}
  ~ScopedServices() { InstallServices(previous_); }
  ScopedServices(const ScopedServices&) = delete;
  ScopedServices& operator=(const ScopedServices&) = delete;

 private:
  Services previous_;
};

// The installed service, or the built-in stand-in when none is installed.
MessageBoxService& MessageBoxes();
FileDialogService& FileDialogs();
PrintService& Printing();
ShellService& Shell();
HelpService& Help();
const ClockService& Clock();

// Shows a message box with the application's title.
int ShowMessage(const std::string& text, MessageButtons buttons = MessageButtons::Ok,
                MessageIcon icon = MessageIcon::None);

}  // namespace tervane::fw
