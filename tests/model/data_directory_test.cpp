// The per-user data directory made at start-up, and the help file's path.

#include "model/DataDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/ShellTestSupport.h"
#include "model/ProjectData.h"
#include "framework/testing/FakeServices.h"

namespace tervane {
namespace {

class DataDirectoryTest : public ::testing::Test {
 protected:
  DataDirectoryTest() : home_("data_directory") {}
  shelltest::TestHome home_;
  fw::ScopedFakeServices fakes_;
};

TEST_F(DataDirectoryTest, TheFirstStartMakesEveryLevelQuietlyAndTheSecondFindsIt) {
  std::string out;
  GetDataDirectory(out);
  EXPECT_EQ(out, home_.DataDirectory());
  EXPECT_TRUE(std::filesystem::is_directory(out));
  std::ofstream(out + "/More.txt") << "Dutch\n";
  GetDataDirectory(out);
  EXPECT_EQ(out, home_.DataDirectory());
  EXPECT_TRUE(std::filesystem::exists(out + "/More.txt"));
  EXPECT_TRUE(fakes_.messageBox.Texts().empty());
}

TEST_F(DataDirectoryTest, NoDataFolderSaysSoTwiceAndLeavesTheDirectoryEmpty) {
  const shelltest::ScopedEnv data("XDG_DATA_HOME", "not/absolute");
  const shelltest::ScopedEnv noHome("HOME", "");
  std::string out = "previous";
  GetDataDirectory(out);
  EXPECT_EQ(out, "");
  EXPECT_EQ(fakes_.messageBox.Texts(), (std::vector<std::string>{"Unable to get the location of local application data path.",
                                                                 "Unable to read application data path."}));
  EXPECT_EQ(fakes_.messageBox.Calls()[0].icon, fw::MessageIcon::Error);
}

TEST_F(DataDirectoryTest, ADirectoryThatCannotBeMadeSaysSoAndFilesGoToTheTemporaryFolder) {
  // A file where the "Mirelo" folder should be.
  const std::filesystem::path share = home_.Root() / "home/.local/share";
  std::filesystem::create_directories(share);
  std::ofstream(share / "Mirelo") << "in the way";
  std::string out = "previous";
  GetDataDirectory(out);
  EXPECT_EQ(out, "");
  EXPECT_EQ(fakes_.messageBox.Texts(), (std::vector<std::string>{"Error occurred and unable to create data directory."}));
}

TEST(CreateDirectoryPathTest, EveryMissingLevelIsMadeAndTrailingBlanksDoNotCount) {
  const std::filesystem::path root = shelltest::FreshFolder("create_path");
  EXPECT_TRUE(CreateDirectoryPath((root / "a/b/c").string() + "/ \t\r\n"));
  EXPECT_TRUE(std::filesystem::is_directory(root / "a/b/c"));
  EXPECT_TRUE(CreateDirectoryPath((root / "a/b").string()));  // already there
  EXPECT_FALSE(CreateDirectoryPath(" \t\r\n"));
  EXPECT_FALSE(CreateDirectoryPath(""));
  std::ofstream(root / "file") << "x";
  EXPECT_FALSE(CreateDirectoryPath((root / "file/sub").string()));
  std::filesystem::remove_all(root);
}

TEST(TrimTrailingWhitespaceTest, OnlyTheEndIsCut) {
  struct Case {
    const char* in;
    const char* out;
  };
  for (const Case& c : {Case{"abc \t\r\n", "abc"}, Case{" \t\r\n", ""}, Case{"", ""}, Case{" a b ", " a b"},
                        Case{"a\nb", "a\nb"}}) {
    std::string s = c.in;
    TrimTrailingWhitespace(s);
    EXPECT_EQ(s, c.out) << c.in;
  }
}

}  // namespace
}  // namespace tervane
