#pragma once
// The program's place on the desktop: where it is, the per-user folders of
// the desktop's standards, other programs on the PATH, and the file type of
// its documents registered with the desktop for the user (a MIME type and a
// desktop entry that opens a file and has a print action).

#include <optional>
#include <string>
#include <vector>

namespace tervane::fw {

// The path of the running program (empty when it cannot be found).
std::string ProgramPath();

// $XDG_DATA_HOME, or ~/.local/share when it is unset or not an absolute
// path; empty when neither can be had. No trailing "/".
std::string UserDataHome();

// The first of the programs that is an executable file in a folder of $PATH
// (its full path), or empty when none is.
std::string FindProgramInPath(const std::vector<std::string>& programs);

// What became of a program started and waited for a while.
struct ProgramRun {
  bool started = false;       // false: it could not be started
  bool ended = false;         // it ended within the wait
  int exitStatus = -1;        // its exit status when it ended normally; -1 when a signal ended it
};

// Starts `program` (a full path) with `arguments` and waits for it to end, at
// most `waitMilliseconds`. A program still running then is left to run (it
// is reaped when it ends, never killed).
ProgramRun RunProgramAndWait(const std::string& program, const std::vector<std::string>& arguments,
                             int waitMilliseconds);

// How long the desktop's opener is given to say whether a program takes a
// file: long enough for it to look up the program and fail, short enough
// that an opener which runs the program itself in the foreground (and so
// ends only with it) does not hold the window up for long.
inline constexpr int kDesktopOpenerWaitMilliseconds = 2000;

// Opens a local file with the desktop's program for it through the
// desktop's opener "xdg-open" on the PATH, and waits for its answer: true
// when it ended with status 0 or is still running after the wait (it then
// runs the program itself), false when it could not be started or ended
// with another status (3: no program takes the file). Nothing when there is
// no "xdg-open" on the PATH (the caller then asks the toolkit).
std::optional<bool> OpenFileWithDesktopOpener(const std::string& path);

struct DesktopFileType {
  std::string mimeType;     // "application/x-tervane-document"
  std::string description;  // "Tervane Document"
  std::string pattern;      // "*.NAT"
  std::string programName;  // "Tervane"
  std::string desktopId;    // "tervane" (the desktop entry's file name without ".desktop")
  std::string comment;      // the entry's comment
  std::string programPath;  // the program the entry starts
  std::string printSwitch;  // "/p": the print action adds it before the file
};

// The two files as they should read.
std::string MimePackageText(const DesktopFileType& type);
std::string DesktopEntryText(const DesktopFileType& type);

// Writes <dataHome>/mime/packages/<desktopId>.xml and
// <dataHome>/applications/<desktopId>.desktop where they are missing or read
// otherwise, and then asks the desktop's tools (when installed) to take them
// in. Returns the files it wrote; failures are ignored (nothing is written).
std::vector<std::string> RegisterFileType(const DesktopFileType& type, const std::string& dataHome);

}  // namespace tervane::fw
