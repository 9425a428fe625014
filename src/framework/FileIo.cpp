#include "framework/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tervane::fw {
namespace {

std::string Describe(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& error,
                   std::size_t maxBytes) {
  bytes.clear();
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) {
    error = Describe("Cannot open", path);
    return false;
  }
  std::uint8_t chunk[65536];
  bool ok = true;
  for (;;) {
    const std::size_t n = std::fread(chunk, 1, sizeof chunk, f);
    if (n > 0) {
      if (bytes.size() + n > maxBytes) {
        error = "File too large: " + path;
        ok = false;
        break;
      }
      bytes.insert(bytes.end(), chunk, chunk + n);
    }
    if (n < sizeof chunk) {
      if (std::ferror(f)) {
        error = Describe("Cannot read", path);
        ok = false;
      }
      break;
    }
  }
  std::fclose(f);
  if (!ok) bytes.clear();
  return ok;
}

bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes,
                         std::string& error) {
  std::string temp = path + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    error = Describe("Cannot create a file beside", path);
    return false;
  }
  // Keep the permissions an ordinary new file would get.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  struct stat st {};
  ::fchmod(fd, ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : (0666 & ~mask));

  std::size_t done = 0;
  bool ok = true;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      error = Describe("Cannot write", temp);
      ok = false;
      break;
    }
    done += static_cast<std::size_t>(n);
  }
  if (ok && ::fsync(fd) != 0) {
    error = Describe("Cannot write", temp);
    ok = false;
  }
  if (::close(fd) != 0 && ok) {
    error = Describe("Cannot write", temp);
    ok = false;
  }
  if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
    error = Describe("Cannot replace", path);
    ok = false;
  }
  if (!ok) std::remove(temp.c_str());
  return ok;
}

}  // namespace tervane::fw
