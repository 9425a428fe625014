#include "framework/FileIo.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace tervane::fw {
namespace {

FileFaultHook& Hook() {
  static FileFaultHook hook;
  return hook;
}

// Asks the test's hook about an operation; nonzero (and errno set) when it
// is to fail.
int Injected(FileOp op, const std::string& path) {
  const FileFaultHook& hook = Hook();
  if (!hook) return 0;
  const int error = hook(op, path);
  if (error != 0) errno = error;
  return error;
}

std::string Describe(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The file a write to `path` replaces: `path` itself, or the end of the chain
// of links it starts. `exists` tells whether that file is there; `st` is its
// status then.
bool ResolveTarget(const std::string& path, std::string& target, bool& exists, struct stat& st,
                   std::string& error) {
  std::string current = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat link {};
    if (::lstat(current.c_str(), &link) != 0) {
      if (errno != ENOENT) {
        error = Describe("Cannot open", path);
        return false;
      }
      target = current;
      exists = false;
      return true;
    }
    if (!S_ISLNK(link.st_mode)) {
      target = current;
      exists = true;
      st = link;
      return true;
    }
    // In a folder that everybody may write to and only owners may delete
    // from, another user's link may have been planted: it is not followed.
    const std::string folder = FolderOf(current);
    struct stat where {};
    if (::stat(folder.c_str(), &where) == 0 && (where.st_mode & S_ISVTX) != 0 && (where.st_mode & S_IWOTH) != 0 &&
        link.st_uid != ::geteuid() && link.st_uid != where.st_uid) {
      error = "A link in a shared folder that belongs to another user is not followed: " + path;
      return false;
    }
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink(current.c_str(), buffer, sizeof buffer - 1);
    if (n < 0) {
      error = Describe("Cannot open", path);
      return false;
    }
    const std::string to(buffer, static_cast<std::size_t>(n));
    current = !to.empty() && to[0] == '/' ? to : (folder == "/" ? "/" + to : folder + "/" + to);
  }
  errno = ELOOP;
  error = Describe("Cannot open", path);
  return false;
}

// The checks before anything is written: the target is a regular file the
// program may replace, or there is none yet.
bool CheckTarget(const std::string& path, std::string& target, bool& exists, struct stat& st, std::string& error) {
  if (path.empty()) {
    errno = ENOENT;
    error = Describe("Cannot create", path);
    return false;
  }
  if (!ResolveTarget(path, target, exists, st, error)) return false;
  if (!exists) return true;
  if (!S_ISREG(st.st_mode)) {
    error = NotRegularFileText(path);
    return false;
  }
  // The mode bits are checked here: the superuser could write anyway.
  if ((st.st_mode & 0222) == 0 || (::access(target.c_str(), W_OK) != 0 && errno == EACCES)) {
    error = ReadOnlyFileText(path);
    return false;
  }
  return true;
}

// A new file with a short name in the target's folder (a target name at the
// length limit still gets one), with the permissions of the file it replaces
// or of an ordinary new file.
int CreateBeside(const std::string& path, const std::string& target, bool exists, const struct stat& st,
                 std::string& temporary, std::string& error) {
  temporary = FolderOf(target) + "/.tervane-XXXXXX";
  if (Injected(FileOp::Create, path) != 0) {
    error = Describe("Cannot create a file beside", path);
    temporary.clear();
    return -1;
  }
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) {
    error = Describe("Cannot create a file beside", path);
    temporary.clear();
    return -1;
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, exists ? (st.st_mode & 07777) : (0666 & ~mask));
  if (exists && (st.st_uid != ::geteuid() || st.st_gid != ::getegid()))
    (void)::fchown(fd, st.st_uid, st.st_gid);  // kept when allowed
  return fd;
}

bool CloseChecked(int fd, const std::string& temporary) {
  const int injected = Injected(FileOp::Close, temporary);
  const int closed = ::close(fd);
  if (injected != 0) {
    errno = injected;
    return false;
  }
  return closed == 0;
}

bool SyncChecked(int fd, const std::string& temporary) {
  if (Injected(FileOp::Sync, temporary) != 0) return false;
  return ::fsync(fd) == 0;
}

// The last steps of every replacement: the rename, then the folder's sync so
// that the new name survives a power cut. A folder that cannot be synced
// (some file systems refuse it) leaves the new file in place: nothing is
// left to undo then, so it is no failure.
bool RenameOver(const std::string& path, const std::string& temporary, const std::string& target,
                std::string& error) {
  if (Injected(FileOp::Rename, temporary) != 0 || std::rename(temporary.c_str(), target.c_str()) != 0) {
    error = Describe("Cannot replace", path);
    return false;
  }
  const std::string folder = FolderOf(target);
  if (Injected(FileOp::SyncFolder, folder) == 0) {
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
      (void)::fsync(dir);
      ::close(dir);
    }
  }
  return true;
}

bool ReadRegularFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& error,
                     std::size_t maxBytes, bool longerIsError) {
  bytes.clear();
  if (Injected(FileOp::Open, path) != 0) {
    error = Describe("Cannot open", path);
    return false;
  }
  // Without blocking: a pipe opens at once and is then refused.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    error = Describe("Cannot open", path);
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    error = Describe("Cannot read", path);
    ::close(fd);
    return false;
  }
  if (!S_ISREG(st.st_mode)) {
    error = NotRegularFileText(path);
    ::close(fd);
    return false;
  }
  if (st.st_size > 0) bytes.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(
                          static_cast<std::uint64_t>(st.st_size), maxBytes)));
  std::uint8_t chunk[65536];
  bool ok = true;
  for (;;) {
    if (Injected(FileOp::Read, path) != 0) {
      error = Describe("Cannot read", path);
      ok = false;
      break;
    }
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0) {
      if (errno == EINTR) continue;
      error = Describe("Cannot read", path);
      ok = false;
      break;
    }
    if (n == 0) break;
    const std::size_t got = static_cast<std::size_t>(n);
    if (bytes.size() + got > maxBytes) {
      if (longerIsError) {
        error = "File too large: " + path;
        ok = false;
      } else {
        bytes.insert(bytes.end(), chunk, chunk + (maxBytes - bytes.size()));
      }
      break;
    }
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  ::close(fd);
  if (!ok) bytes.clear();
  return ok;
}

bool OwnPrivateFolder(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
         (st.st_mode & 077) == 0;
}

std::string MakePrivateTemporaryDirectory() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && runtime[0] == '/' && OwnPrivateFolder(runtime)) {
    std::string folder = runtime;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    folder += "/Tervane";
    if (::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST) {
      if (OwnPrivateFolder(folder)) return folder;
    }
  }
  const char* tmp = std::getenv("TMPDIR");
  std::string base = tmp != nullptr && tmp[0] == '/' ? tmp : "/tmp";
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  std::string pattern = (base == "/" ? std::string() : base) + "/tervane-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) return {};
  return pattern;
}

}  // namespace

FileFaultHook SetFileFaultHook(FileFaultHook hook) { return std::exchange(Hook(), std::move(hook)); }

std::string ReadOnlyFileText(const std::string& path) { return "The file is read-only: " + path; }

std::string NotRegularFileText(const std::string& path) { return "This is not a regular file: " + path; }

bool PathExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::lstat(path.c_str(), &st) == 0;
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& error,
                   std::size_t maxBytes) {
  return ReadRegularFile(path, bytes, error, maxBytes, true);
}

bool ReadFileStart(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& error,
                   std::size_t maxBytes) {
  return ReadRegularFile(path, bytes, error, maxBytes, false);
}

bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes,
                         std::string& error) {
  std::string target;
  bool exists = false;
  struct stat st {};
  if (!CheckTarget(path, target, exists, st, error)) return false;
  std::string temp;
  const int fd = CreateBeside(path, target, exists, st, temp, error);
  if (fd < 0) return false;
  (void)Injected(FileOp::Created, temp);

  std::size_t done = 0;
  bool ok = true;
  while (done < bytes.size()) {
    if (Injected(FileOp::Write, temp) != 0) {
      ok = false;
      break;
    }
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    done += static_cast<std::size_t>(n);
  }
  if (ok && !SyncChecked(fd, temp)) ok = false;
  if (!ok) {
    error = Describe("Cannot write", path);
    ::close(fd);
  } else if (!CloseChecked(fd, temp)) {
    error = Describe("Cannot write", path);
    ok = false;
  }
  if (ok && !RenameOver(path, temp, target, error)) ok = false;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

bool PrepareTemporaryFile(const std::string& path, TemporaryFile& file, std::string& error) {
  file = TemporaryFile{path, {}, {}};
  bool exists = false;
  struct stat st {};
  if (!CheckTarget(path, file.target, exists, st, error)) return false;
  const int fd = CreateBeside(path, file.target, exists, st, file.temporary, error);
  if (fd < 0) return false;
  ::close(fd);
  (void)Injected(FileOp::Created, file.temporary);
  return true;
}

bool CommitTemporaryFile(TemporaryFile& file, std::string& error) {
  if (file.temporary.empty()) {
    errno = ENOENT;
    error = Describe("Cannot write", file.path);
    return false;
  }
  // The writer closed the file; it is opened again (never through a link) to
  // flush it to the disk.
  bool ok = true;
  const int fd = ::open(file.temporary.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  struct stat st {};
  if (fd < 0) {
    error = Describe("Cannot write", file.path);
    ok = false;
  } else if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    if (S_ISREG(st.st_mode) == 0) errno = EINVAL;
    error = Describe("Cannot write", file.path);
    ::close(fd);
    ok = false;
  } else if (!SyncChecked(fd, file.temporary)) {
    error = Describe("Cannot write", file.path);
    ::close(fd);
    ok = false;
  } else if (!CloseChecked(fd, file.temporary)) {
    error = Describe("Cannot write", file.path);
    ok = false;
  }
  if (ok && !RenameOver(file.path, file.temporary, file.target, error)) ok = false;
  if (!ok) ::unlink(file.temporary.c_str());
  file.temporary.clear();
  return ok;
}

void DiscardTemporaryFile(TemporaryFile& file) {
  if (!file.temporary.empty()) ::unlink(file.temporary.c_str());
  file.temporary.clear();
}

std::string PrivateTemporaryDirectory() {
  static const std::string folder = MakePrivateTemporaryDirectory();
  return folder;
}

}  // namespace tervane::fw
