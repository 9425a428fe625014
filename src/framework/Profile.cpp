#include "framework/Profile.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "framework/FileIo.h"
#include "framework/Text.h"

namespace tervane::fw {

namespace {

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

std::string Trim(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
  return s.substr(b, e - b);
}

// Keys and values are one line each: line breaks in a value would end it.
std::string OneLine(const std::string& s) {
  std::string out = s;
  for (char& c : out)
    if (c == '\n' || c == '\r') c = ' ';
  return out;
}

bool IsAbsolute(const char* path) { return path != nullptr && path[0] == '/'; }

}  // namespace

Profile::Profile(std::string path) : path_(std::move(path)) {
  if (path_.empty()) return;
  std::vector<std::uint8_t> bytes;
  std::string error;
  // A profile is a few hundred bytes; anything huge is not ours to read.
  if (ReadWholeFile(path_, bytes, error, std::size_t{1} << 20))
    Parse(std::string(bytes.begin(), bytes.end()));
  else if (PathExists(path_))
    loadError_ = error;
}

std::string SettingNotKeptText(const std::string& reason) {
  return "The setting could not be kept for the next time." + (reason.empty() ? std::string() : "\n\n" + reason);
}

void Profile::Parse(const std::string& text) {
  Section* current = nullptr;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = Trim(text.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      const std::string name = Trim(line.substr(1, line.size() - 2));
      current = FindSection(name);
      if (current == nullptr) {
        sections_.push_back(Section{name, {}});
        current = &sections_.back();
      }
      continue;
    }
    const std::size_t eq = line.find('=');
    if (current == nullptr || eq == std::string::npos) continue;
    const std::string key = Trim(line.substr(0, eq));
    const std::string value = Trim(line.substr(eq + 1));
    if (key.empty()) continue;
    bool replaced = false;
    for (auto& entry : current->entries)
      if (SameName(entry.first, key)) {
        entry.second = value;
        replaced = true;
      }
    if (!replaced) current->entries.emplace_back(key, value);
  }
}

Profile::Section* Profile::FindSection(const std::string& name) {
  for (Section& s : sections_)
    if (SameName(s.name, name)) return &s;
  return nullptr;
}

const Profile::Section* Profile::FindSection(const std::string& name) const {
  return const_cast<Profile*>(this)->FindSection(name);
}

std::string Profile::GetString(const std::string& section, const std::string& key,
                               const std::string& fallback) const {
  if (const Section* s = FindSection(section))
    for (const auto& entry : s->entries)
      if (SameName(entry.first, key)) return entry.second;
  return fallback;
}

int Profile::GetInt(const std::string& section, const std::string& key, int fallback) const {
  int value = fallback;
  const std::string text = GetString(section, key);
  if (!text.empty() && ParseInt(text, value)) return value;
  return fallback;
}

bool Profile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  const std::string k = OneLine(Trim(key));
  const std::string v = OneLine(Trim(value));
  if (k.empty()) return false;
  Section* s = FindSection(section);
  if (s == nullptr) {
    if (v.empty()) return unsaved_ ? Flush() : true;
    sections_.push_back(Section{OneLine(section), {}});
    s = &sections_.back();
  }
  auto& entries = s->entries;
  for (auto it = entries.begin(); it != entries.end(); ++it) {
    if (!SameName(it->first, k)) continue;
    if (it->second == v) return unsaved_ ? Flush() : true;
    if (v.empty())
      entries.erase(it);
    else
      it->second = v;
    return Flush();
  }
  if (v.empty()) return unsaved_ ? Flush() : true;
  entries.emplace_back(k, v);
  return Flush();
}

bool Profile::WriteInt(const std::string& section, const std::string& key, int value) {
  return WriteString(section, key, Format("%d", value));
}

std::string Profile::Serialize() const {
  std::string out;
  for (const Section& s : sections_) {
    if (s.entries.empty()) continue;
    if (!out.empty()) out += "\n";
    out += "[" + s.name + "]\n";
    for (const auto& entry : s.entries) out += entry.first + "=" + entry.second + "\n";
  }
  return out;
}

bool Profile::Flush() {
  writeError_.clear();
  if (path_.empty()) return true;
  if (!loadError_.empty()) {
    // What could not be read must not be replaced by what little is known.
    writeError_ = loadError_;
    unsaved_ = true;
    return false;
  }
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, ec);
  const std::string text = Serialize();
  unsaved_ = !WriteFileAtomically(path_, std::vector<std::uint8_t>(text.begin(), text.end()), writeError_);
  return !unsaved_;
}

std::string DefaultProfilePath(const std::string& maker, const std::string& program) {
  std::string base;
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (IsAbsolute(config)) {
    base = config;
  } else {
    const char* home = std::getenv("HOME");
    if (!IsAbsolute(home)) return {};
    base = std::string(home) + "/.config";
  }
  if (base.back() == '/') base.pop_back();
  return base + "/" + maker + "/" + program + ".ini";
}

// ---- recent files ----------------------------------------------------------------

void RecentFileList::Add(const std::string& path) {
  if (path.empty() || maxEntries_ <= 0) return;
  for (auto it = entries_.begin(); it != entries_.end(); ++it)
    if (*it == path) {
      entries_.erase(it);
      break;
    }
  entries_.insert(entries_.begin(), path);
  if (entries_.size() > static_cast<std::size_t>(maxEntries_)) entries_.resize(static_cast<std::size_t>(maxEntries_));
}

void RecentFileList::Remove(std::size_t index) {
  if (index < entries_.size()) entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

void RecentFileList::Load(const Profile& profile) {
  entries_.clear();
  for (int i = 1; i <= maxEntries_; ++i) {
    const std::string path = profile.GetString(kRecentFileSection, Format("File%d", i));
    if (path.empty()) continue;
    bool seen = false;
    for (const std::string& e : entries_) seen = seen || e == path;
    if (!seen) entries_.push_back(path);
  }
}

bool RecentFileList::Save(Profile& profile) const {
  bool ok = true;
  for (int i = 1; i <= maxEntries_; ++i) {
    const std::size_t index = static_cast<std::size_t>(i - 1);
    if (!profile.WriteString(kRecentFileSection, Format("File%d", i), index < entries_.size() ? entries_[index] : ""))
      ok = false;
  }
  return ok;
}

namespace {
std::string EscapeMnemonics(const std::string& s) {
  std::string out;
  for (char c : s) {
    if (c == '&') out += '&';
    out += c;
  }
  return out;
}
}  // namespace

std::vector<std::string> RecentFileList::MenuTexts(const std::string& currentDirectory) const {
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const std::string& path = entries_[i];
    std::string shown;
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
    std::string current = currentDirectory;
    while (current.size() > 1 && current.back() == '/') current.pop_back();
    if (!current.empty() && folder == current)
      shown = path.substr(slash + 1);
    else
      shown = AbbreviatePath(path, 30);
    // Entries past the ninth have no digit to press.
    const std::string number = i < 9 ? Format("&%d", static_cast<int>(i + 1)) : Format("%d", static_cast<int>(i + 1));
    texts.push_back(number + " " + EscapeMnemonics(shown));
  }
  return texts;
}

std::string AbbreviatePath(const std::string& path, std::size_t maxLength) {
  if (Utf8Length(path) <= maxLength) return path;
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t slash = path.find('/', start);
    parts.push_back(path.substr(start, slash == std::string::npos ? std::string::npos : slash - start));
    if (slash == std::string::npos) break;
    start = slash + 1;
  }
  const std::string& name = parts.back();
  if (parts.size() >= 3) {
    // parts[0] is "" for an absolute path; the first folder stays.
    const std::string head = parts[0] + "/" + parts[1] + "/...";
    for (std::size_t k = 2; k < parts.size(); ++k) {
      std::string candidate = head;
      for (std::size_t j = k; j < parts.size(); ++j) candidate += "/" + parts[j];
      if (k == 2 && candidate.size() >= path.size()) continue;
      if (Utf8Length(candidate) <= maxLength) return candidate;
    }
  }
  const std::string shortest = ".../" + name;
  if (Utf8Length(shortest) <= maxLength) return shortest;
  return name;
}

}  // namespace tervane::fw
