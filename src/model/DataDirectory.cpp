#include "model/DataDirectory.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

#include "framework/Desktop.h"
#include "framework/Services.h"

namespace tervane {

namespace {

bool IsDirectory(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_directory(path, ec);
}

}  // namespace

void TrimTrailingWhitespace(std::string& text) {
  const std::size_t last = text.find_last_not_of(" \t\r\n");
  if (last == std::string::npos)
    text.clear();
  else
    text.erase(last + 1);
}

bool CreateDirectoryPath(const std::string& path) {
  std::string work = path;
  TrimTrailingWhitespace(work);
  if (work.empty()) return false;
  if (work.size() > 1 && work.back() == '/') work.pop_back();
  if (IsDirectory(work)) return true;
  // Every prefix that ends before a "/", then the whole path.
  for (std::size_t slash = work.find('/', 1); ; slash = work.find('/', slash + 1)) {
    const std::string level = slash == std::string::npos ? work : work.substr(0, slash);
    if (!level.empty() && !IsDirectory(level)) ::mkdir(level.c_str(), 0755);  // a failure shows at the end
    if (slash == std::string::npos) break;
  }
  return IsDirectory(work);
}

bool GetLocalAppDataPath(std::string& out) {
  out = fw::UserDataHome();
  if (out.empty()) {
    fw::ShowMessage(kNoLocalDataPathMessage, fw::MessageButtons::Ok, fw::MessageIcon::Error);
    return false;
  }
  return true;
}

void GetDataDirectory(std::string& out) {
  out.clear();
  std::string base;
  if (!GetLocalAppDataPath(base)) {
    fw::ShowMessage(kNoDataPathMessage, fw::MessageButtons::Ok, fw::MessageIcon::Error);
    return;
  }
  const std::string directory = base + "/Mirelo/Tervane";
  if (!CreateDirectoryPath(directory)) {
    fw::ShowMessage(kCannotCreateDataDirectoryMessage, fw::MessageButtons::Ok, fw::MessageIcon::Error);
    return;
  }
  out = directory;
}

}  // namespace tervane
