#pragma once
// The framework's command line: a file to open, the print switches and the
// switches with which other programs start the program.
//
// A switch is a word after "/" or "-": "p" (print FILE on the default
// printer), "pt" (print FILE on the PRINTER that follows it), "dde",
// "Embedding", "Automation", "Register" / "Regserver", "Unregister" /
// "Unregserver", compared without regard to case. Since a path on this
// system starts with "/", an argument that is not one of those words is a
// file name. Other arguments are, in order, the file, then (after "pt") the
// printer, driver and port. Unknown switches are ignored.

#include <string>
#include <vector>

namespace tervane::fw {

struct CommandLineInfo {
  enum class Shell { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppRegister, AppUnregister, FileNothing };

  Shell command = Shell::FileNew;
  bool showSplash = true;
  bool runEmbedded = false;
  bool runAutomated = false;
  std::string fileName;
  std::string printerName;
  std::string driverName;
  std::string portName;
};

// Parses the arguments after the program name.
CommandLineInfo ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace tervane::fw
