#pragma once
// The small files of the per-user data directory: the report-language file
// "More.txt" and the one-line flag and path files ("SHOWLOGO.INF",
// "SHOWPAINT.INF", "CoLogoT.INF"), and the place of every other file kept there
// (temporary sheets and bitmaps).

#include <optional>
#include <string>

namespace tervane {

// The path of a file kept in the data directory of the application object:
// `dataDirectory` + "/" + name, or the user's temporary directory when there
// is no data directory (never the root folder).
std::string DataFilePath(const std::string& name);

// The first line of a text file without its line end ("\n", "\r\n"); a line
// without one keeps every character. Longer lines are cut after
// `maxCharacters` characters (never inside a character). Nothing when the file
// cannot be read or is not a regular file. A read-only file is read.
std::optional<std::string> ReadFirstLine(const std::string& path, std::size_t maxCharacters);
// Writes one line followed by "\n", replacing the file. False on any failure.
bool WriteSingleLine(const std::string& path, const std::string& line);

// The report language as the first line of "More.txt" in the data directory:
// a missing file gives "English" and is created holding that line. Used by
// the main menu (into settings.reportLanguage), the setup dialog and the
// print options (into their own language member).
std::string ReadLanguageFile();
// Writes the language as the one line of "More.txt"; false when the file
// could not be written.
bool WriteLanguageFile(const std::string& language);

}  // namespace tervane
