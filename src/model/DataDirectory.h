#pragma once
// The per-user data directory of the program: $XDG_DATA_HOME/Mirelo/Tervane
// (~/.local/share/Mirelo/Tervane by default), every missing level created at
// start-up. The files kept there are found through DataFilePath (DataFiles.h).

#include <string>

namespace tervane {

// The start-up's messages when the directory cannot be had.
inline constexpr const char* kNoLocalDataPathMessage = "Unable to get the location of local application data path.";
inline constexpr const char* kNoDataPathMessage = "Unable to read application data path.";
inline constexpr const char* kCannotCreateDataDirectoryMessage = "Error occurred and unable to create data directory.";

// Builds and creates the data directory and writes its path into `out`.
// When the per-user data folder cannot be located it says so twice (the two
// messages above, in that order) and `out` stays empty; when the directory
// cannot be created it says so and `out` is left empty as well, so that the
// files kept there go to a private folder of the user's own in the temporary
// directory (fw::PrivateTemporaryDirectory) instead of failing.
void GetDataDirectory(std::string& out);

// The per-user data folder; false (after the first message) when there is none.
bool GetLocalAppDataPath(std::string& out);

// Creates every missing level of a directory path; true when the path names
// a directory afterwards. Trailing blanks, tabs, CR, LF and one trailing "/"
// are ignored.
bool CreateDirectoryPath(const std::string& path);

// Cuts blanks, tabs, carriage returns and line feeds off the end of a text.
void TrimTrailingWhitespace(std::string& text);

}  // namespace tervane
