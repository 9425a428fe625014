#include "framework/Desktop.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <thread>

#include "framework/FileIo.h"
#include "framework/Services.h"

namespace tervane::fw {

namespace {

bool IsAbsolute(const char* path) { return path != nullptr && path[0] == '/'; }

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// An argument of a desktop entry's Exec line: quoted, with the characters the
// standard reserves escaped, and '%' doubled.
std::string ExecArgument(const std::string& text) {
  std::string out = "\"";
  // The backslash of the quoting is itself escaped in the file ("\\"), so a
  // literal backslash takes four.
  for (char c : text) {
    if (c == '\\')
      out += "\\\\\\\\";
    else if (c == '"' || c == '`' || c == '$')
      out += std::string("\\\\") + c;
    else if (c == '%')
      out += "%%";
    else
      out += c;
  }
  return out + "\"";
}

std::string XmlEscaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

// Writes the file when it does not hold `text` already; true when it wrote.
bool WriteWhenChanged(const std::string& path, const std::string& text) {
  std::vector<std::uint8_t> bytes;
  std::string error;
  if (ReadWholeFile(path, bytes, error, std::size_t{1} << 20) && std::string(bytes.begin(), bytes.end()) == text)
    return false;
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
  return WriteFileAtomically(path, std::vector<std::uint8_t>(text.begin(), text.end()), error);
}

}  // namespace

std::string ProgramPath() {
  std::error_code ec;
  const std::filesystem::path p = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : p.string();
}

std::string UserDataHome() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (IsAbsolute(data)) return WithoutTrailingSlash(data);
  const char* home = std::getenv("HOME");
  if (!IsAbsolute(home)) return {};
  return WithoutTrailingSlash(home) + "/.local/share";
}

std::string FindProgramInPath(const std::vector<std::string>& programs) {
  const char* path = std::getenv("PATH");
  if (path == nullptr) return {};
  std::vector<std::string> folders;
  std::string all = path;
  std::size_t start = 0;
  for (;;) {
    const std::size_t colon = all.find(':', start);
    const std::string folder = all.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
    if (!folder.empty()) folders.push_back(folder);
    if (colon == std::string::npos) break;
    start = colon + 1;
  }
  for (const std::string& program : programs) {
    if (program.empty() || program.find('/') != std::string::npos) continue;
    for (const std::string& folder : folders) {
      const std::string candidate = WithoutTrailingSlash(folder) + "/" + program;
      std::error_code ec;
      if (std::filesystem::is_regular_file(candidate, ec) && ::access(candidate.c_str(), X_OK) == 0) return candidate;
    }
  }
  return {};
}

ProgramRun RunProgramAndWait(const std::string& program, const std::vector<std::string>& arguments,
                             int waitMilliseconds) {
  ProgramRun run;
  if (program.empty()) return run;
  std::vector<std::string> words;
  words.push_back(program);
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return run;
  run.started = true;

  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(0, waitMilliseconds));
  for (;;) {
    int status = 0;
    const pid_t r = ::waitpid(pid, &status, WNOHANG);
    if (r == pid) {
      run.ended = true;
      run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      return run;
    }
    if (r < 0 && errno != EINTR) {
      // Reaped elsewhere: its status is lost, and it did end.
      run.ended = true;
      return run;
    }
    if (Clock::now() >= deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  // Still running: it is reaped in the background when it ends.
  std::thread([pid] {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
  return run;
}

std::optional<bool> OpenFileWithDesktopOpener(const std::string& path) {
  const std::string opener = FindProgramInPath({"xdg-open"});
  if (opener.empty()) return std::nullopt;
  const ProgramRun run = RunProgramAndWait(opener, {path}, kDesktopOpenerWaitMilliseconds);
  if (!run.started) return false;
  return !run.ended || run.exitStatus == 0;
}

std::string MimePackageText(const DesktopFileType& type) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
         "  <mime-type type=\"" + XmlEscaped(type.mimeType) + "\">\n"
         "    <comment>" + XmlEscaped(type.description) + "</comment>\n"
         "    <glob pattern=\"" + XmlEscaped(type.pattern) + "\"/>\n"
         "  </mime-type>\n"
         "</mime-info>\n";
}

std::string DesktopEntryText(const DesktopFileType& type) {
  const std::string program = ExecArgument(type.programPath);
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=" + type.programName + "\n"
         "Comment=" + type.comment + "\n"
         "Exec=" + program + " %f\n"
         "MimeType=" + type.mimeType + ";\n"
         "Terminal=false\n"
         "Categories=Science;Engineering;\n"
         "Actions=Print;\n"
         "\n"
         "[Desktop Action Print]\n"
         "Name=Print\n"
         "Exec=" + program + " " + type.printSwitch + " %f\n";
}

std::vector<std::string> RegisterFileType(const DesktopFileType& type, const std::string& dataHome) {
  std::vector<std::string> written;
  if (dataHome.empty() || type.programPath.empty() || type.desktopId.empty()) return written;
  const std::string home = WithoutTrailingSlash(dataHome);
  const std::string mime = home + "/mime/packages/" + type.desktopId + ".xml";
  const std::string entry = home + "/applications/" + type.desktopId + ".desktop";
  if (WriteWhenChanged(mime, MimePackageText(type))) {
    written.push_back(mime);
    const std::string tool = FindProgramInPath({"update-mime-database"});
    if (!tool.empty()) Shell().StartProgram(tool, {home + "/mime"});
  }
  if (WriteWhenChanged(entry, DesktopEntryText(type))) {
    written.push_back(entry);
    const std::string tool = FindProgramInPath({"update-desktop-database"});
    if (!tool.empty()) Shell().StartProgram(tool, {home + "/applications"});
  }
  return written;
}

}  // namespace tervane::fw
