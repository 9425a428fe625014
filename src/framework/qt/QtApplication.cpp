#include "framework/qt/QtApplication.h"

#include <QApplication>
#include <QMainWindow>
#include <QWidget>

#include <clocale>

#include "framework/DialogBackend.h"
#include "framework/Services.h"
#include "framework/qt/QtDialogBackend.h"
#include "framework/qt/QtFrame.h"
#include "framework/qt/QtServices.h"

namespace tervane::fw {

void ResetNumericLocale() { std::setlocale(LC_NUMERIC, "C"); }

QtApplication::QtApplication(int& argc, char** argv) : app_(std::make_unique<QApplication>(argc, argv)) {
  QApplication::setQuitOnLastWindowClosed(false);
  ResetNumericLocale();
}

QtApplication::~QtApplication() = default;

int QtApplication::Exec() { return QApplication::exec(); }

QApplication& EnsureQtApplication() {
  if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) return *existing;
  static int argc = 1;
  static char name[] = "tervane";
  static char* argv[] = {name, nullptr};
  // Kept until the process ends.
  static QApplication* app = new QApplication(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ResetNumericLocale();
  return *app;
}

namespace {

bool IsSplash(const QWidget* w) { return (w->windowFlags() & Qt::WindowType_Mask) == Qt::SplashScreen; }

}  // namespace

QWidget* DialogOwner() {
  if (QApplication::instance() == nullptr) return nullptr;
  if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal->isVisible()) return modal;
  if (QWidget* active = QApplication::activeWindow(); active != nullptr && active->isVisible() && !IsSplash(active))
    return active;
  QWidget* any = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (!top->isVisible() || IsSplash(top) || top->windowType() == Qt::Popup || top->windowType() == Qt::ToolTip) continue;
    if (qobject_cast<QMainWindow*>(top) != nullptr) return top;
    if (any == nullptr) any = top;
  }
  return any;
}

struct QtFramework::Parts {
  explicit Parts(std::string helpFile) : help(std::move(helpFile)) {}
  QtBackendFactory factory;
  QtMessageBoxService messageBox;
  QtFileDialogService fileDialogs;
  QtShellService shell;
  QtHelpService help;
  QtClockService clock;
  QtWindowFactory windows;
  WindowFactory* previousWindows = nullptr;
  BackendFactory* previousFactory = nullptr;
  Services previousServices;
};

QtFramework::QtFramework(std::string helpFile) : parts_(std::make_unique<Parts>(std::move(helpFile))) {
  parts_->previousFactory = InstallBackendFactory(&parts_->factory);
  parts_->previousWindows = InstallWindowFactory(&parts_->windows);
  Services services = CurrentServices();
  services.messageBox = &parts_->messageBox;
  services.fileDialogs = &parts_->fileDialogs;
  services.shell = &parts_->shell;
  services.help = &parts_->help;
  services.clock = &parts_->clock;
  parts_->previousServices = InstallServices(services);
}

QtFramework::~QtFramework() {
  InstallServices(parts_->previousServices);
  InstallBackendFactory(parts_->previousFactory);
  InstallWindowFactory(parts_->previousWindows);
}

}  // namespace tervane::fw
