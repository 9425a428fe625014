#include "app/DataFiles.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/TervaneApp.h"
#include "framework/Text.h"

namespace tervane {

namespace {

constexpr const char* kLanguageFile = "More.txt";
// A language name is short; the file's first line is read no further.
constexpr std::size_t kLanguageMaxCharacters = 20;

std::string TemporaryDirectory() {
  const char* tmp = std::getenv("TMPDIR");
  if (tmp != nullptr && *tmp != '\0') return tmp;
  return "/tmp";
}

}  // namespace

std::string DataFilePath(const std::string& name) {
  const std::string& directory = App().dataDirectory;
  if (directory.empty()) return TemporaryDirectory() + "/" + name;
  if (directory.back() == '/') return directory + name;
  return directory + "/" + name;
}

std::optional<std::string> ReadFirstLine(const std::string& path, std::size_t maxCharacters) {
  // Only a regular file is read: a folder or a pipe of that name must neither
  // fail strangely nor block.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string line;
  std::getline(in, line);
  if (in.bad()) return std::nullopt;
  // getline has taken the "\n"; a "\r" before it belongs to the line end too.
  return Utf8Prefix(StripLineEnd(line), maxCharacters);
}

bool WriteSingleLine(const std::string& path, const std::string& line) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (file == nullptr) return false;
  const std::string text = line + "\n";
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  const bool closed = std::fclose(file) == 0;
  return written && closed;
}

std::string ReadLanguageFile() {
  const std::string path = DataFilePath(kLanguageFile);
  if (std::optional<std::string> line = ReadFirstLine(path, kLanguageMaxCharacters)) return *line;
  // No file yet: English, and the file is made so that it holds for the next time.
  WriteSingleLine(path, "English");
  return "English";
}

bool WriteLanguageFile(const std::string& language) {
  return WriteSingleLine(DataFilePath(kLanguageFile), language);
}

}  // namespace tervane
