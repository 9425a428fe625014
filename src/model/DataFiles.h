#pragma once
// The small files of the per-user data directory: the report-language file
// "More.txt" and the one-line flag and path files ("SHOWLOGO.INF",
// "SHOWPAINT.INF", "CoLogoT.INF"), and the place of every other file kept there
// (temporary sheets and bitmaps).

#include <optional>
#include <string>

namespace tervane {

// The path of a file kept in the data directory of the project in use:
// `dataDirectory` + "/" + name, or a private folder of this user's own in the
// temporary directory when there is no data directory (never a fixed name in
// a shared folder, never the root folder). Empty when neither can be had.
std::string DataFilePath(const std::string& name);

// The first line of a text file without its line end ("\n", "\r\n"); a line
// without one keeps every character. Longer lines are cut after
// `maxCharacters` characters (never inside a character). Nothing when the file
// cannot be read or is not a regular file; `error` (when given) then says why,
// and stays empty when there simply is no such file. A read-only file is read.
std::optional<std::string> ReadFirstLine(const std::string& path, std::size_t maxCharacters,
                                         std::string* error = nullptr);
// Writes one line followed by "\n", replacing the file whole or not at all.
// False on any failure, with the reason in `error`.
bool WriteSingleLine(const std::string& path, const std::string& line, std::string* error = nullptr);

// The first line of a file of the data directory as ReadFirstLine reads it;
// when the file is there but cannot be read (a folder, a pipe, ...), the user
// is told (DataFileReadFailureText) and nothing is returned.
std::optional<std::string> ReadDataFileLine(const std::string& name, std::size_t maxCharacters);
// Writes a setting's one line into a file of the data directory; when that
// fails the user is told (fw::SettingNotKeptText) and false is returned.
bool WriteDataFileLine(const std::string& name, const std::string& line);

// The message when a file of the data directory is there but cannot be read.
std::string DataFileReadFailureText(const std::string& reason);

// The report language as the first line of "More.txt" in the data directory:
// a missing file gives "English" and is created holding that line; a file
// that cannot be read gives "English" too and the user is told. Used by
// the main menu (into settings.reportLanguage), the setup dialog and the
// print options (into their own language member).
std::string ReadLanguageFile();
// Writes the language as the one line of "More.txt"; when the file could not
// be written the user is told and false is returned.
bool WriteLanguageFile(const std::string& language);

}  // namespace tervane
