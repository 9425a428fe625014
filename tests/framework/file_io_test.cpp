// Reading and replacing files: whole or nothing under every failure the disk
// can give (injected through the file functions' fault hook), and the real
// cases of a write-protected file, a link, a long name and a pipe.

#include "framework/FileIo.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace tervane::fw {
namespace {

using testsupport::TempDir;

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::vector<std::string> Names(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// Installs a hook for the life of the object.
class ScopedFault {
 public:
  explicit ScopedFault(FileFaultHook hook) : previous_(SetFileFaultHook(std::move(hook))) {}
  ~ScopedFault() { SetFileFaultHook(std::move(previous_)); }

 private:
  FileFaultHook previous_;
};

// Fails every operation `op` with `error`.
FileFaultHook Failing(FileOp op, int error) {
  return [op, error](FileOp asked, const std::string&) { return asked == op ? error : 0; };
}

std::string Reason(const char* what, const std::string& path, int error) {
  return std::string(what) + " " + path + ": " + std::strerror(error);
}

TEST(WriteFileAtomicallyTest, EveryFailureKeepsTheOldFileAndLeavesNoTemporaryFile) {
  const struct Case {
    const char* name;
    FileOp op;
    int error;
    const char* what;
  } cases[] = {
      {"full disk", FileOp::Write, ENOSPC, "Cannot write"},
      {"failing write", FileOp::Write, EIO, "Cannot write"},
      {"failing sync", FileOp::Sync, EIO, "Cannot write"},
      {"failing close", FileOp::Close, EIO, "Cannot write"},
      {"failing rename", FileOp::Rename, EXDEV, "Cannot replace"},
      {"no temporary file", FileOp::Create, EDQUOT, "Cannot create a file beside"},
  };
  for (const Case& c : cases) {
    TempDir dir("fileio");
    const std::string path = dir.File("slope.NAT");
    dir.Write("slope.NAT", std::string("old bytes\0kept", 14));
    std::string error;
    {
      ScopedFault fault(Failing(c.op, c.error));
      EXPECT_FALSE(WriteFileAtomically(path, Bytes("new bytes"), error)) << c.name;
    }
    EXPECT_EQ(error, Reason(c.what, path, c.error)) << c.name;
    EXPECT_EQ(dir.Read("slope.NAT"), std::string("old bytes\0kept", 14)) << c.name;
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"slope.NAT"}) << c.name;
  }
}

TEST(WriteFileAtomicallyTest, ASavedFileIsSyncedRenamedAndItsFolderSynced) {
  TempDir dir("fileio");
  const std::string path = dir.File("a.DXF");
  std::vector<FileOp> ops;
  std::string folder;
  std::string error;
  {
    ScopedFault record([&](FileOp op, const std::string& p) {
      if (op != FileOp::Write) ops.push_back(op);
      if (op == FileOp::SyncFolder) folder = p;
      return 0;
    });
    ASSERT_TRUE(WriteFileAtomically(path, Bytes("0\nEOF\n"), error)) << error;
  }
  EXPECT_EQ(ops, (std::vector<FileOp>{FileOp::Create, FileOp::Created, FileOp::Sync, FileOp::Close, FileOp::Rename,
                                      FileOp::SyncFolder}));
  EXPECT_EQ(folder, dir.Path().string());
  EXPECT_EQ(dir.Read("a.DXF"), "0\nEOF\n");
}

TEST(WriteFileAtomicallyTest, PermissionsOfTheReplacedFileAreKept) {
  TempDir dir("fileio");
  const std::string path = dir.File("kept.txt");
  dir.Write("kept.txt", "old");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path, Bytes("new"), error)) << error;
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// Refused by the mode bits themselves: the superuser, who may write anything,
// is refused too.
TEST(WriteFileAtomicallyTest, AWriteProtectedFileIsRefused) {
  TempDir dir("fileio");
  const std::string path = dir.File("locked.NAT");
  dir.Write("locked.NAT", "old");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(path, Bytes("new"), error));
  EXPECT_EQ(error, "The file is read-only: " + path);
  EXPECT_EQ(dir.Read("locked.NAT"), "old");
  EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"locked.NAT"});
}

TEST(WriteFileAtomicallyTest, ALinkIsWrittenThroughToItsTarget) {
  TempDir dir("fileio");
  std::filesystem::create_directory(dir.Path() / "real");
  dir.Write("real/target.NAT", "old");
  std::filesystem::create_symlink("real/target.NAT", dir.Path() / "link.NAT");
  std::filesystem::create_symlink(dir.Path() / "real/new.NAT", dir.Path() / "dangling.NAT");
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(dir.File("link.NAT"), Bytes("new"), error)) << error;
  ASSERT_TRUE(WriteFileAtomically(dir.File("dangling.NAT"), Bytes("made"), error)) << error;
  EXPECT_TRUE(std::filesystem::is_symlink(dir.Path() / "link.NAT"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.Path() / "dangling.NAT"));
  EXPECT_EQ(dir.Read("real/target.NAT"), "new");
  EXPECT_EQ(dir.Read("real/new.NAT"), "made");
  EXPECT_EQ(Names(dir.Path() / "real"), (std::vector<std::string>{"new.NAT", "target.NAT"}));
}

// A link planted by another user in a shared sticky folder (as /tmp is) is
// not followed; the user's own links there are.
TEST(WriteFileAtomicallyTest, AnotherUsersLinkInASharedFolderIsNotFollowed) {
  if (::geteuid() != 0) GTEST_SKIP() << "a link of another user can only be made by the superuser";
  TempDir dir("fileio");
  const std::filesystem::path shared = dir.Path() / "shared";
  std::filesystem::create_directory(shared);
  ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
  dir.Write("victim.txt", "someone's file");
  std::filesystem::create_symlink(dir.Path() / "victim.txt", shared / "More.txt");
  ASSERT_EQ(::lchown((shared / "More.txt").c_str(), 54321, 54321), 0);
  std::string error;
  EXPECT_FALSE(WriteFileAtomically((shared / "More.txt").string(), Bytes("English\n"), error));
  EXPECT_EQ(error, "A link in a shared folder that belongs to another user is not followed: " +
                       (shared / "More.txt").string());
  EXPECT_EQ(dir.Read("victim.txt"), "someone's file");
  EXPECT_EQ(Names(shared), std::vector<std::string>{"More.txt"});
}

TEST(WriteFileAtomicallyTest, ANameAtTheLengthLimitIsSaved) {
  TempDir dir("fileio");
  const std::string name = std::string(246, 'n') + ".NAT";
  ASSERT_EQ(name.size(), 250u);
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(dir.File(name), Bytes("first"), error)) << error;
  ASSERT_TRUE(WriteFileAtomically(dir.File(name), Bytes("second"), error)) << error;
  EXPECT_EQ(dir.Read(name), "second");
  EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{name});
}

TEST(WriteFileAtomicallyTest, WhatIsNotARegularFileIsRefusedAtOnce) {
  TempDir dir("fileio");
  ASSERT_EQ(::mkfifo(dir.File("pipe.NAT").c_str(), 0600), 0);
  std::filesystem::create_directory(dir.Path() / "folder.NAT");
  for (const std::string& path : {dir.File("pipe.NAT"), dir.File("folder.NAT"), std::string("/dev/null")}) {
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(path, Bytes("x"), error)) << path;
    EXPECT_EQ(error, "This is not a regular file: " + path);
  }
  EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"folder.NAT", "pipe.NAT"}));
}

TEST(ReadWholeFileTest, APipeAFolderOrADeviceIsRefusedWithoutWaiting) {
  TempDir dir("fileio");
  ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
  for (const std::string& path : {dir.File("pipe"), dir.Path().string(), std::string("/dev/zero")}) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    EXPECT_FALSE(ReadWholeFile(path, bytes, error)) << path;
    EXPECT_EQ(error, "This is not a regular file: " + path);
    EXPECT_FALSE(ReadFileStart(path, bytes, error, 10)) << path;
  }
}

TEST(ReadWholeFileTest, ReadsAndReportsFailures) {
  TempDir dir("fileio");
  dir.Write("f", "0123456789");
  std::vector<std::uint8_t> bytes;
  std::string error;
  ASSERT_TRUE(ReadWholeFile(dir.File("f"), bytes, error));
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "0123456789");
  ASSERT_TRUE(ReadFileStart(dir.File("f"), bytes, error, 4));
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "0123");
  EXPECT_FALSE(ReadWholeFile(dir.File("f"), bytes, error, 4));
  EXPECT_EQ(error, "File too large: " + dir.File("f"));
  EXPECT_FALSE(ReadWholeFile(dir.File("missing"), bytes, error));
  EXPECT_EQ(error, Reason("Cannot open", dir.File("missing"), ENOENT));
  {
    ScopedFault fault(Failing(FileOp::Read, EIO));
    EXPECT_FALSE(ReadWholeFile(dir.File("f"), bytes, error));
  }
  EXPECT_EQ(error, Reason("Cannot read", dir.File("f"), EIO));
  EXPECT_TRUE(bytes.empty());
}

TEST(TemporaryFileTest, ACommittedFileReplacesTheTargetAndAFailedOneDoesNot) {
  TempDir dir("fileio");
  const std::string path = dir.File("report.pdf");
  dir.Write("report.pdf", "old pdf");
  for (const FileOp op : {FileOp::Sync, FileOp::Close, FileOp::Rename}) {
    TemporaryFile file;
    std::string error;
    ASSERT_TRUE(PrepareTemporaryFile(path, file, error)) << error;
    EXPECT_EQ(std::filesystem::path(file.temporary).parent_path(), dir.Path());
    std::filesystem::resize_file(file.temporary, 3);
    ScopedFault fault(Failing(op, EIO));
    EXPECT_FALSE(CommitTemporaryFile(file, error));
    EXPECT_EQ(error, Reason(op == FileOp::Rename ? "Cannot replace" : "Cannot write", path, EIO));
    EXPECT_EQ(dir.Read("report.pdf"), "old pdf");
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"report.pdf"});
  }
  TemporaryFile file;
  std::string error;
  ASSERT_TRUE(PrepareTemporaryFile(path, file, error));
  DiscardTemporaryFile(file);
  EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"report.pdf"});
  ASSERT_TRUE(PrepareTemporaryFile(path, file, error));
  { std::ofstream(file.temporary, std::ios::binary) << "new pdf"; }
  ASSERT_TRUE(CommitTemporaryFile(file, error)) << error;
  EXPECT_EQ(dir.Read("report.pdf"), "new pdf");
  EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"report.pdf"});

  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  EXPECT_FALSE(PrepareTemporaryFile(path, file, error));
  EXPECT_EQ(error, "The file is read-only: " + path);
}

TEST(PrivateTemporaryDirectoryTest, IsAFolderOfThisUserAlone) {
  const std::string folder = PrivateTemporaryDirectory();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(PrivateTemporaryDirectory(), folder);
  struct stat st {};
  ASSERT_EQ(::lstat(folder.c_str(), &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
  EXPECT_EQ(st.st_uid, ::geteuid());
  EXPECT_EQ(st.st_mode & 077, 0u);
}

}  // namespace
}  // namespace tervane::fw
