// The private profile file and the recent-file list kept in it.

#include "framework/Profile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/GoldenFile.h"

namespace tervane::fw {
namespace {

std::string Slurp(const std::string& path) { return golden::ReadFile(path); }

class ProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("tervane-profile-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Path() const { return (dir_ / "Mirelo" / "Tervane.ini").string(); }

  std::filesystem::path dir_;
};

TEST_F(ProfileTest, ValuesAreWrittenThroughAndReadBackWithoutRegardToCase) {
  {
    Profile profile(Path());
    EXPECT_EQ(profile.GetString("Settings", "PreviewPages", "none"), "none");
    EXPECT_TRUE(profile.WriteInt("Settings", "PreviewPages", 2));
    EXPECT_TRUE(profile.WriteString("Recent File List", "File1", "/home/me/a b.NAT"));
    EXPECT_TRUE(profile.WriteString("Recent File List", "File2", "/home/me/c.NAT"));
    EXPECT_TRUE(profile.WriteString("recent file list", "file2", ""));  // removes the key
  }
  EXPECT_EQ(Slurp(Path()), "[Settings]\nPreviewPages=2\n\n[Recent File List]\nFile1=/home/me/a b.NAT\n");
  const Profile again(Path());
  EXPECT_EQ(again.GetInt("SETTINGS", "previewpages", 1), 2);
  EXPECT_EQ(again.GetString("Recent File List", "File1"), "/home/me/a b.NAT");
  EXPECT_EQ(again.GetString("Recent File List", "File2", "-"), "-");
}

TEST_F(ProfileTest, AMalformedFileGivesWhatCanBeReadAndNoCrash) {
  std::filesystem::create_directories(std::filesystem::path(Path()).parent_path());
  std::ofstream(Path(), std::ios::binary) << "garbage\n=x\n[Settings\nPreviewPages=two\n[Settings]\r\nPreviewPages = 2 \r\n"
                                           << std::string("\0\xff\n", 3);
  const Profile profile(Path());
  EXPECT_EQ(profile.GetInt("Settings", "PreviewPages", 1), 2);
  EXPECT_EQ(Profile().GetInt("Settings", "PreviewPages", 1), 1);
}

TEST_F(ProfileTest, RecentFilesKeepSixMostRecentFirstAcrossRestarts) {
  {
    Profile profile(Path());
    RecentFileList list(6);
    for (int i = 1; i <= 8; ++i) {
      list.Add("/p/file" + std::to_string(i) + ".NAT");
      list.Save(profile);
    }
    list.Add("/p/file5.NAT");  // moves to the front, no duplicate
    list.Save(profile);
  }
  Profile profile(Path());
  RecentFileList restarted(6);
  restarted.Load(profile);
  EXPECT_EQ(restarted.Entries(), (std::vector<std::string>{"/p/file5.NAT", "/p/file8.NAT", "/p/file7.NAT",
                                                           "/p/file6.NAT", "/p/file4.NAT", "/p/file3.NAT"}));
  restarted.Remove(1);
  restarted.Save(profile);
  RecentFileList third(6);
  third.Load(Profile(Path()));
  EXPECT_EQ(third.Entries().size(), 5u);
  EXPECT_EQ(third.Entries()[1], "/p/file7.NAT");
  EXPECT_EQ(Profile(Path()).GetString(kRecentFileSection, "File6", "-"), "-");
}

TEST(RecentFileMenuTest, NamesAreShortenedAndAmpersandsDoubled) {
  RecentFileList list(6);
  list.Add("/home/engineer/projects/2009/north embankment/slope & berm.NAT");
  list.Add("/work/here/local.NAT");
  list.Add("/x.NAT");
  EXPECT_EQ(list.MenuTexts("/work/here"),
            (std::vector<std::string>{"&1 /x.NAT", "&2 local.NAT", "&3 /home/.../slope && berm.NAT"}));
  struct Case {
    const char* path;
    const char* shown;
  };
  for (const Case& c : {Case{"/short/path.NAT", "/short/path.NAT"},
                        Case{"/home/engineer/projects/site/a.NAT", "/home/.../projects/site/a.NAT"},
                        Case{"/home/a-very-long-folder-name/another-one/file.NAT", "/home/.../another-one/file.NAT"},
                        Case{"/home/a-very-long-folder-name/another-folder/file.NAT", "/home/.../file.NAT"},
                        Case{"/a/b/c/d/a-file-name-that-is-itself-too-long.NAT", "a-file-name-that-is-itself-too-long.NAT"}}) {
    EXPECT_EQ(AbbreviatePath(c.path, 30), c.shown) << c.path;
  }
}

TEST(ProfilePathTest, ConfigHomeOrHomeConfig) {
  const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
  const char* savedHome = std::getenv("HOME");
  const std::string config = savedConfig != nullptr ? savedConfig : "";
  const std::string home = savedHome != nullptr ? savedHome : "";
  setenv("XDG_CONFIG_HOME", "/cfg/", 1);
  EXPECT_EQ(DefaultProfilePath("Mirelo", "Tervane"), "/cfg/Mirelo/Tervane.ini");
  setenv("XDG_CONFIG_HOME", "relative", 1);  // not absolute: ignored
  setenv("HOME", "/home/me", 1);
  EXPECT_EQ(DefaultProfilePath("Mirelo", "Tervane"), "/home/me/.config/Mirelo/Tervane.ini");
  unsetenv("HOME");
  EXPECT_EQ(DefaultProfilePath("Mirelo", "Tervane"), "");
  savedConfig != nullptr ? setenv("XDG_CONFIG_HOME", config.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
  savedHome != nullptr ? setenv("HOME", home.c_str(), 1) : unsetenv("HOME");
}

}  // namespace
}  // namespace tervane::fw
