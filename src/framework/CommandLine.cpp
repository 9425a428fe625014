#include "framework/CommandLine.h"

#include "framework/Text.h"

namespace tervane::fw {

namespace {

// The switch word of an argument, or "" when it is not a known switch.
std::string SwitchOf(const std::string& argument) {
  if (argument.size() < 2 || (argument[0] != '/' && argument[0] != '-')) return {};
  const std::string word = AsciiLower(argument.substr(1));
  for (const char* known : {"p", "pt", "dde", "embedding", "automation", "register", "regserver", "unregister",
                            "unregserver"})
    if (word == known) return word;
  return {};
}

}  // namespace

CommandLineInfo ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLineInfo info;
  for (const std::string& argument : arguments) {
    const std::string word = SwitchOf(argument);
    if (!word.empty()) {
      if (word == "p") {
        info.command = CommandLineInfo::Shell::FilePrint;
      } else if (word == "pt") {
        info.command = CommandLineInfo::Shell::FilePrintTo;
      } else if (word == "dde") {
        info.command = CommandLineInfo::Shell::FileDDE;
      } else if (word == "embedding") {
        info.showSplash = false;
        info.runEmbedded = true;
      } else if (word == "automation") {
        info.showSplash = false;
        info.runAutomated = true;
      } else if (word == "register" || word == "regserver") {
        info.command = CommandLineInfo::Shell::AppRegister;
      } else {
        info.command = CommandLineInfo::Shell::AppUnregister;
      }
      continue;
    }
    if (argument.empty() && info.fileName.empty()) continue;
    if (info.fileName.empty()) {
      info.fileName = argument;
      if (info.command == CommandLineInfo::Shell::FileNew) info.command = CommandLineInfo::Shell::FileOpen;
    } else if (info.command == CommandLineInfo::Shell::FilePrintTo && info.printerName.empty()) {
      info.printerName = argument;
    } else if (info.command == CommandLineInfo::Shell::FilePrintTo && info.driverName.empty()) {
      info.driverName = argument;
    } else if (info.command == CommandLineInfo::Shell::FilePrintTo && info.portName.empty()) {
      info.portName = argument;
    }
  }
  return info;
}

}  // namespace tervane::fw
