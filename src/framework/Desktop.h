#pragma once
// The program's place on the desktop: where it is, the per-user folders of
// the desktop's standards, other programs on the PATH, and the file type of
// its documents registered with the desktop for the user (a MIME type and a
// desktop entry that opens a file and has a print action).

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
