#pragma once
// Start-up of the Qt side of the framework: the application object (with the
// numeric locale put back to "C" right after it exists, since Qt sets the
// process locale from the environment) and the installation of the Qt dialog
// backend and services.

#include <memory>
#include <string>

class QApplication;
class QWidget;

namespace tervane::fw {

class QtBackendFactory;
class QtMessageBoxService;
class QtFileDialogService;
class QtShellService;
class QtHelpService;
class QtClockService;

// The program's application object. One per process. Closing a window never
// ends the program by itself: only the main frame's own close ends its event
// loop.
class QtApplication {
 public:
  QtApplication(int& argc, char** argv);
  ~QtApplication();
  QtApplication(const QtApplication&) = delete;
  QtApplication& operator=(const QtApplication&) = delete;

  QApplication& Application() { return *app_; }
  // Runs the main event loop; returns the program's exit code.
  int Exec();

 private:
  std::unique_ptr<QApplication> app_;
};

// For tests and tools: the process's application object, made on first use
// (with the same locale reset) and kept until the process ends.
QApplication& EnsureQtApplication();

// The window a dialog of the program belongs to: the modal dialog that runs
// now, else the active window, else the program's main window, else any
// visible window of the program (null when none is shown). A dialog without an
// owner would be a window of its own, whose closing Qt could take for the end
// of the program.
QWidget* DialogOwner();

// Puts LC_NUMERIC back to "C", so that numbers are formatted and parsed the
// same on every desktop.
void ResetNumericLocale();

// Installs the Qt dialog and window backends and the Qt services for the life of the
// object, and restores what was installed before. Printing is left as it was
// installed (it has its own service). `helpFile` is the path of the help file.
class QtFramework {
 public:
  explicit QtFramework(std::string helpFile);
  ~QtFramework();
  QtFramework(const QtFramework&) = delete;
  QtFramework& operator=(const QtFramework&) = delete;

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace tervane::fw
