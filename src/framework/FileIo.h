#pragma once
// Whole-file reading and safe writing. Every file the program reads or writes
// goes through these functions, so that the same rules hold everywhere:
// - only a regular file is read or replaced: a folder, a pipe or a device is
//   refused with a message (and a pipe never blocks the program);
// - a file is replaced whole or not at all: the bytes go to a temporary file
//   beside it, which is flushed to the disk and renamed over the old file only
//   when every step succeeded; on any failure the old file keeps every byte
//   and the temporary file is removed;
// - a write-protected file is refused, whoever runs the program;
// - a symbolic link is written through: its target is replaced and the link
//   stays (a link in a shared sticky folder, such as /tmp, is followed only
//   when it belongs to the user or to the folder's owner).
// The error texts name the file the user chose, never a temporary one.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tervane::fw {

// Reads every byte of a regular file. Refuses files over `maxBytes`.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& error,
                   std::size_t maxBytes = std::size_t(1) << 30);
// Reads the first bytes of a regular file, at most `maxBytes` of them (a
// longer file is not an error).
bool ReadFileStart(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& error,
                   std::size_t maxBytes);
// True when something (a file, a folder, a link, ...) has that name.
bool PathExists(const std::string& path);

// Writes the bytes to a temporary file beside the target and renames it over
// the target only when every byte was written and flushed.
bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes,
                         std::string& error);

// For writers that make the file themselves from a name (a library, the PDF
// printer): a fresh empty temporary file beside the file that `path` names
// (beside a link's target), checked as WriteFileAtomically checks its target.
struct TemporaryFile {
  std::string path;       // the user's name for the file
  std::string target;     // the file that is replaced (a link resolved)
  std::string temporary;  // where the writer writes; empty when none
};
bool PrepareTemporaryFile(const std::string& path, TemporaryFile& file, std::string& error);
// Flushes the finished temporary file to the disk and renames it over the
// target; on failure it is removed and the target is untouched.
bool CommitTemporaryFile(TemporaryFile& file, std::string& error);
// Removes the temporary file (a writer that failed).
void DiscardTemporaryFile(TemporaryFile& file);

// The reasons given when a file is refused.
std::string ReadOnlyFileText(const std::string& path);
std::string NotRegularFileText(const std::string& path);

// A folder of this user's own for files that have no other place: under
// $XDG_RUNTIME_DIR when that is a private folder of the user, otherwise one
// made with mkdtemp in the temporary directory (mode 0700). The same folder
// for the life of the process; empty when none can be had.
std::string PrivateTemporaryDirectory();

// ---- fault injection for tests -------------------------------------------------
// The operations of the functions above. A hook set by a test is asked before
// each one with the file it acts on; a nonzero answer makes the operation
// fail with that errno value (ENOSPC for a full disk, EIO, ...). `Created` is
// asked after a temporary file was made (a test may act on it then).
enum class FileOp { Open, Read, Create, Created, Write, Sync, Close, Rename, SyncFolder };
using FileFaultHook = std::function<int(FileOp op, const std::string& path)>;
// Installs the hook (an empty one removes it) and returns the previous one.
FileFaultHook SetFileFaultHook(FileFaultHook hook);

}  // namespace tervane::fw
