#include "model/DataFiles.h"

#include <cstdint>
#include <vector>

#include "model/ProjectData.h"
#include "framework/FileIo.h"
#include "framework/Profile.h"
#include "framework/Services.h"
#include "framework/Text.h"

namespace tervane {

namespace {

constexpr const char* kLanguageFile = "More.txt";
// A language name is short; the file's first line is read no further.
constexpr std::size_t kLanguageMaxCharacters = 20;
// No line of these files comes near this; more is never read.
constexpr std::size_t kMaxLineBytes = std::size_t(1) << 16;

}  // namespace

std::string DataFilePath(const std::string& name) {
  std::string directory = Project().dataDirectory;
  if (directory.empty()) directory = fw::PrivateTemporaryDirectory();
  if (directory.empty()) return {};
  if (directory.back() == '/') return directory + name;
  return directory + "/" + name;
}

std::optional<std::string> ReadFirstLine(const std::string& path, std::size_t maxCharacters, std::string* error) {
  if (error != nullptr) error->clear();
  // Only a regular file is read: a folder or a pipe of that name must neither
  // fail strangely nor block.
  std::vector<std::uint8_t> bytes;
  std::string why;
  if (!fw::ReadFileStart(path, bytes, why, kMaxLineBytes)) {
    if (error != nullptr && fw::PathExists(path)) *error = why;
    return std::nullopt;
  }
  std::string line(bytes.begin(), bytes.end());
  const std::size_t end = line.find('\n');
  if (end != std::string::npos) line.erase(end + 1);
  // The "\r" before the "\n" belongs to the line end too.
  return Utf8Prefix(StripLineEnd(line), maxCharacters);
}

bool WriteSingleLine(const std::string& path, const std::string& line, std::string* error) {
  const std::string text = line + "\n";
  std::string why;
  if (path.empty()) {
    if (error != nullptr) *error = "There is no folder for the program's files.";
    return false;
  }
  if (fw::WriteFileAtomically(path, std::vector<std::uint8_t>(text.begin(), text.end()), why)) return true;
  if (error != nullptr) *error = why;
  return false;
}

std::string DataFileReadFailureText(const std::string& reason) {
  return "A file of the program's settings could not be read.\n\n" + reason;
}

std::optional<std::string> ReadDataFileLine(const std::string& name, std::size_t maxCharacters) {
  std::string error;
  std::optional<std::string> line = ReadFirstLine(DataFilePath(name), maxCharacters, &error);
  if (!line && !error.empty())
    fw::ShowMessage(DataFileReadFailureText(error), fw::MessageButtons::Ok, fw::MessageIcon::Warning);
  return line;
}

bool WriteDataFileLine(const std::string& name, const std::string& line) {
  std::string error;
  if (WriteSingleLine(DataFilePath(name), line, &error)) return true;
  fw::ShowMessage(fw::SettingNotKeptText(error), fw::MessageButtons::Ok, fw::MessageIcon::Warning);
  return false;
}

std::string ReadLanguageFile() {
  const std::string path = DataFilePath(kLanguageFile);
  std::string error;
  if (std::optional<std::string> line = ReadFirstLine(path, kLanguageMaxCharacters, &error)) return *line;
  if (!error.empty()) {
    // Something is there that is no language file: it stays as it is.
    fw::ShowMessage(DataFileReadFailureText(error), fw::MessageButtons::Ok, fw::MessageIcon::Warning);
    return "English";
  }
  // No file yet: English, and the file is made so that it holds for the next time.
  WriteSingleLine(path, "English");
  return "English";
}

bool WriteLanguageFile(const std::string& language) { return WriteDataFileLine(kLanguageFile, language); }

}  // namespace tervane
