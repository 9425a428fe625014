#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "model/DataFiles.h"
#include "model/ProjectData.h"

namespace tervane {
namespace {

class DataFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("tervane_data_files_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    app_.project().dataDirectory = dir_.string();
  }
  void TearDown() override {
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(dir_);
  }
  void WriteBytes(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }
  std::string ReadBytes(const std::string& name) {
    std::ifstream in(dir_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  ScopedProject app_;
  std::filesystem::path dir_;
};

TEST_F(DataFilesTest, PathsJoinTheDataDirectoryOrFallBackToTheTemporaryDirectory) {
  EXPECT_EQ(DataFilePath("More.txt"), dir_.string() + "/More.txt");
  app_.project().dataDirectory = dir_.string() + "/";
  EXPECT_EQ(DataFilePath("More.txt"), dir_.string() + "/More.txt");
  app_.project().dataDirectory.clear();
  const std::string fallback = DataFilePath("More.txt");
  EXPECT_NE(fallback, "/More.txt");
  EXPECT_EQ(fallback.substr(fallback.size() - 9), "/More.txt");
}

TEST_F(DataFilesTest, MissingLanguageFileGivesEnglishAndIsCreated) {
  EXPECT_EQ(ReadLanguageFile(), "English");
  EXPECT_EQ(ReadBytes("More.txt"), "English\n");
}

TEST_F(DataFilesTest, LanguageFileStripsOnlyItsLineEnd) {
  struct Case {
    const char* bytes;
    const char* language;
  } cases[] = {
      {"German\n", "German"},
      {"German\r\n", "German"},
      {"German", "German"},  // no line end: every letter kept
      {"", ""},
      {"Polish\nEnglish\n", "Polish"},
      {"Portugu\xC3\xAAs\n", "Portugu\xC3\xAAs"},
      {"abcdefghijklmnopqrstuvwxyz\n", "abcdefghijklmnopqrst"},
  };
  for (const Case& c : cases) {
    WriteBytes("More.txt", c.bytes);
    EXPECT_EQ(ReadLanguageFile(), c.language) << c.bytes;
  }
}

TEST_F(DataFilesTest, ReadOnlyLanguageFileIsRead) {
  WriteBytes("More.txt", "Finnish\n");
  std::filesystem::permissions(dir_ / "More.txt", std::filesystem::perms::owner_read);
  EXPECT_EQ(ReadLanguageFile(), "Finnish");
}

TEST_F(DataFilesTest, FolderOrPipeInPlaceOfTheFileIsNotRead) {
  std::filesystem::create_directory(dir_ / "SHOWPAINT.INF");
  EXPECT_FALSE(ReadFirstLine((dir_ / "SHOWPAINT.INF").string(), 20).has_value());
  ASSERT_EQ(::mkfifo((dir_ / "CoLogoT.INF").c_str(), 0600), 0);
  EXPECT_FALSE(ReadFirstLine((dir_ / "CoLogoT.INF").string(), 300).has_value());
}

TEST_F(DataFilesTest, WriteLanguageFileReplacesTheLine) {
  WriteBytes("More.txt", "English\nold second line\n");
  EXPECT_TRUE(WriteLanguageFile("Swedish"));
  EXPECT_EQ(ReadBytes("More.txt"), "Swedish\n");
  EXPECT_EQ(ReadLanguageFile(), "Swedish");
}

TEST_F(DataFilesTest, UnwritableDirectoryReportsFailure) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
  std::filesystem::permissions(dir_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  EXPECT_FALSE(WriteLanguageFile("Dutch"));
  EXPECT_EQ(ReadLanguageFile(), "English");  // still answers, although nothing could be made
}

}  // namespace
}  // namespace tervane
