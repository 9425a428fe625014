#include "results/ExportFiles.h"

#include <filesystem>
#include <system_error>

#include "model/ProjectData.h"
#include "model/ProjectData.h"
#include "framework/Text.h"

namespace tervane {

std::string FixedNumber(double value, int width, int decimals) {
  std::string text = Format("%*.*f", width, decimals, value);
  // "-0.000": every digit is zero, so the value rounded to zero.
  if (text.find('-') != std::string::npos && text.find_first_of("123456789") == std::string::npos &&
      text.find('0') != std::string::npos)
    text = Format("%*.*f", width, decimals, 0.0);
  return text;
}

std::string OneLine(std::string_view text) {
  std::string line;
  line.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      line += ' ';
    } else if (c == '\n') {
      line += ' ';
    } else {
      line += c;
    }
  }
  return line;
}

namespace {

// The byte offset of character `n` (or the end of the text).
std::size_t Utf8Offset(std::string_view text, std::size_t n) {
  std::size_t i = 0;
  while (i < text.size() && n > 0) {
    ++i;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
    --n;
  }
  return i;
}

}  // namespace

std::string Utf8Slice(std::string_view text, std::size_t first, std::size_t count) {
  const std::size_t begin = Utf8Offset(text, first);
  const std::string_view rest = text.substr(begin);
  return std::string(rest.substr(0, Utf8Offset(rest, count)));
}

bool IsOpenProjectFile(const std::string& path) {
  const std::string& project = Project().projectPath;
  if (project.empty() || path.empty()) return false;
  // Only a file that exists can be lost; links and other spellings of its
  // name are the same file.
  std::error_code error;
  return std::filesystem::equivalent(path, project, error) && !error;
}

std::string ExportWriteFailureText(const std::string& path) {
  return "The file could not be written:\n" + path;
}

std::string ExportSubstitutionText(const std::string& path) {
  return "The file was written, but some characters of the project's texts have no place in it "
         "(Windows-1252) and were written as \"?\":\n" + path;
}

std::string ExportProjectFileText(const std::string& path) {
  return "This is the file of the open project and cannot be replaced by an export:\n" + path +
         "\nPlease choose another file name.";
}

std::optional<std::string> ChooseExportFile(const fw::FileDialogOptions& options) {
  for (;;) {
    std::optional<std::string> path = fw::FileDialogs().SaveFile(options);
    if (!path) return std::nullopt;
    if (!IsOpenProjectFile(*path)) return path;
    fw::ShowMessage(ExportProjectFileText(*path), fw::MessageButtons::Ok, fw::MessageIcon::Warning);
  }
}

bool WriteExportFile(const std::string& path, const std::vector<std::string>& lines) {
  TextFileWriter file;
  file.Open(path);
  for (const std::string& line : lines) file.WriteLine(line);
  if (!file.Close()) {
    fw::ShowMessage(ExportWriteFailureText(path) + (file.Error().empty() ? "" : "\n\n" + file.Error()),
                    fw::MessageButtons::Ok, fw::MessageIcon::Error);
    return false;
  }
  if (file.Substituted())
    fw::ShowMessage(ExportSubstitutionText(path), fw::MessageButtons::Ok, fw::MessageIcon::Warning);
  return true;
}

}  // namespace tervane
