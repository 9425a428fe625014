#pragma once
// What the three fixed-layout files of the results (the export for Ombix, the
// quantities file, the text report) have in common: their number fields, their
// one-line texts, the display units they are written in, the choice of the file
// and the writing with its failure report.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/DisplayUnits.h"
#include "framework/Services.h"

namespace tervane {

// A number as "%W.Df" (width 0: as many characters as it needs) in the C
// locale. A value that rounds to zero is written without a minus sign:
// -0.0004 gives "0.000", never "-0.000".
std::string FixedNumber(double value, int width, int decimals);

// A text on one line: every line break ("\r\n", "\r" or "\n") becomes one blank,
// so a text typed on several lines keeps the fixed layout readable.
std::string OneLine(std::string_view text);

// The first `count` characters of a UTF-8 text from character `first` on
// (characters, not bytes; the files hold one byte per character).
std::string Utf8Slice(std::string_view text, std::size_t first, std::size_t count);

// True when the path names the file of the open project (the same file, by
// any name); an export must never replace it.
bool IsOpenProjectFile(const std::string& path);

// The framework's save dialog for an export file. A choice that names the
// open project's file is refused with a message and the dialog comes back;
// nothing when the user cancels.
std::optional<std::string> ChooseExportFile(const fw::FileDialogOptions& options);

// Writes the lines (UTF-8) as Windows-1252 text with CR LF line ends, whole
// or not at all. On any failure the user is told so with the reason, an old
// file is left as it was and false is returned. A character that has no
// Windows-1252 byte is written as '?', and the user is told once.
bool WriteExportFile(const std::string& path, const std::vector<std::string>& lines);

// The message shown when an export file could not be written (the reason
// follows after a blank line).
std::string ExportWriteFailureText(const std::string& path);
// The message shown when some characters were written as '?'.
std::string ExportSubstitutionText(const std::string& path);
// The message shown when the chosen file is the open project's file.
std::string ExportProjectFileText(const std::string& path);

}  // namespace tervane
