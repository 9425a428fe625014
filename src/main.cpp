// Entry point of the Tervane program: the Qt side of the framework, the
// printers, and the application object, whose InitInstance runs the start-up.
#include <string>
#include <vector>

#include "shell/TervaneApp.h"
#include "framework/Services.h"
#include "framework/qt/QtApplication.h"
#include "framework/qt/QtPrint.h"

int main(int argc, char** argv) {
  tervane::fw::QtApplication qt(argc, argv);
  tervane::fw::QtFramework framework("");
  tervane::fw::QtPrintService printing;
  tervane::fw::Services services = tervane::fw::CurrentServices();
  services.printing = &printing;
  const tervane::fw::ScopedServices installed(services);

  const std::vector<std::string> arguments(argv + 1, argv + argc);
  tervane::ScopedApp scope;
  if (!scope.app().InitInstance(arguments)) return scope.app().ExitCode();
  qt.Exec();
  return scope.app().ExitCode();
}
