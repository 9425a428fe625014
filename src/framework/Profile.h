#pragma once
// The program's private profile file: sections of "key=value" lines, as the
// framework keeps its recent-file list and print-preview settings. Every
// change is written through at once (through a temporary file renamed over
// the old one), so nothing is lost when the program does not end cleanly.
//
// The file lives at $XDG_CONFIG_HOME/<maker>/<program>.ini (default
// ~/.config/...). Section and key names compare without regard to case.

#include <map>
#include <string>
#include <vector>

namespace tervane::fw {

class Profile {
 public:
  // A profile kept in memory only (nothing is read or written).
  Profile() = default;
  // The profile file at `path`; a missing or unreadable file is an empty
  // profile. Its folder is created when the first value is written. A file
  // that is there but cannot be read (a folder, a pipe, ...) is never
  // replaced: LoadError() says why it was not read.
  explicit Profile(std::string path);

  const std::string& Path() const { return path_; }
  const std::string& LoadError() const { return loadError_; }
  // Why the last write failed (empty after one that succeeded).
  const std::string& WriteError() const { return writeError_; }

  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& fallback = "") const;
  int GetInt(const std::string& section, const std::string& key, int fallback) const;
  // Writes the value (an empty text removes the key); false when the file
  // could not be written (the value is kept in memory all the same).
  bool WriteString(const std::string& section, const std::string& key, const std::string& value);
  bool WriteInt(const std::string& section, const std::string& key, int value);

  // The file's bytes as they would be written now.
  std::string Serialize() const;

 private:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;
  };
  Section* FindSection(const std::string& name);
  const Section* FindSection(const std::string& name) const;
  void Parse(const std::string& text);
  bool Flush();

  std::string path_;
  std::string loadError_;
  std::string writeError_;
  bool unsaved_ = false;  // the file is behind what is kept in memory
  std::vector<Section> sections_;
};

// The message when a setting could not be written to its file (the reason
// follows after a blank line).
std::string SettingNotKeptText(const std::string& reason);

// $XDG_CONFIG_HOME/<maker>/<program>.ini, or ~/.config/... when the variable is
// unset or not an absolute path; empty when neither can be had.
std::string DefaultProfilePath(const std::string& maker, const std::string& program);

// The list of recently used files, most recent first, kept in the profile's
// section "Recent File List" under "File1", "File2", ...
class RecentFileList {
 public:
  RecentFileList(int maxEntries = 4) : maxEntries_(maxEntries) {}

  int MaxEntries() const { return maxEntries_; }
  const std::vector<std::string>& Entries() const { return entries_; }

  // Puts the path first (moving it when it is there already) and drops what
  // falls off the end.
  void Add(const std::string& path);
  void Remove(std::size_t index);

  void Load(const Profile& profile);
  // False when the profile could not be written.
  bool Save(Profile& profile) const;

  // The menu texts: "&1 name" ...; a file in `currentDirectory` shows its name
  // alone, others their path shortened in the middle to about 30 characters.
  std::vector<std::string> MenuTexts(const std::string& currentDirectory) const;

 private:
  int maxEntries_;
  std::vector<std::string> entries_;
};

inline constexpr const char* kRecentFileSection = "Recent File List";

// A path shortened for a menu: the file name is kept whole; folders are
// replaced from the second one on by "..." until the text has at most
// `maxLength` characters.
std::string AbbreviatePath(const std::string& path, std::size_t maxLength);

}  // namespace tervane::fw
