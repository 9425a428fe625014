// Registering the document type with the desktop, and finding programs.

#include "framework/Desktop.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "framework/testing/FakeServices.h"
#include "support/GoldenFile.h"

namespace tervane::fw {
namespace {

std::string Slurp(const std::filesystem::path& path) { return golden::ReadFile(path.string()); }

DesktopFileType TervaneType(const std::string& program) {
  DesktopFileType t;
  t.mimeType = "application/x-tervane-document";
  t.description = "Tervane Document";
  t.pattern = "*.NAT";
  t.programName = "Tervane";
  t.desktopId = "tervane";
  t.comment = "Design of geosynthetic-reinforced steep soil slopes";
  t.programPath = program;
  t.printSwitch = "/p";
  return t;
}

class DesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           (std::string("tervane-desktop-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::filesystem::path dir_;
  ScopedFakeServices fakes_;
};

TEST_F(DesktopTest, TheFilesReadExactly) {
  const DesktopFileType type = TervaneType("/opt/Tervane 4/bin/tervane");
  EXPECT_EQ(MimePackageText(type),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
            "  <mime-type type=\"application/x-tervane-document\">\n"
            "    <comment>Tervane Document</comment>\n"
            "    <glob pattern=\"*.NAT\"/>\n"
            "  </mime-type>\n"
            "</mime-info>\n");
  EXPECT_EQ(DesktopEntryText(type),
            "[Desktop Entry]\n"
            "Type=Application\n"
            "Name=Tervane\n"
            "Comment=Design of geosynthetic-reinforced steep soil slopes\n"
            "Exec=\"/opt/Tervane 4/bin/tervane\" %f\n"
            "MimeType=application/x-tervane-document;\n"
            "Terminal=false\n"
            "Categories=Science;Engineering;\n"
            "Actions=Print;\n"
            "\n"
            "[Desktop Action Print]\n"
            "Name=Print\n"
            "Exec=\"/opt/Tervane 4/bin/tervane\" /p %f\n");
  // The characters the Exec line reserves, each escaped as the standard says.
  const std::string odd = DesktopEntryText(TervaneType("/opt/a\"b$c`d\\e%f/tervane"));
  EXPECT_NE(odd.find("Exec=\"/opt/a\\\\\"b\\\\$c\\\\`d\\\\\\\\e%%f/tervane\" %f\n"), std::string::npos) << odd;
}

TEST_F(DesktopTest, FilesAreWrittenWhenMissingOrOutOfDateOnly) {
  const DesktopFileType type = TervaneType("/usr/bin/tervane");
  const std::filesystem::path mime = dir_ / "mime/packages/tervane.xml";
  const std::filesystem::path entry = dir_ / "applications/tervane.desktop";

  EXPECT_EQ(RegisterFileType(type, dir_.string()).size(), 2u);
  EXPECT_EQ(Slurp(mime), MimePackageText(type));
  EXPECT_EQ(Slurp(entry), DesktopEntryText(type));
  EXPECT_TRUE(RegisterFileType(type, dir_.string()).empty());  // up to date

  // The program moved: only the desktop entry changes.
  const DesktopFileType moved = TervaneType("/opt/tervane/tervane");
  EXPECT_EQ(RegisterFileType(moved, dir_.string()), (std::vector<std::string>{entry.string()}));
  EXPECT_EQ(Slurp(entry), DesktopEntryText(moved));

  // Nowhere to write: nothing happens, nothing fails.
  EXPECT_TRUE(RegisterFileType(type, "").empty());
  std::filesystem::create_directories(dir_ / "ro");
  ::chmod((dir_ / "ro").c_str(), 0500);
  if (::geteuid() != 0) {
    EXPECT_TRUE(RegisterFileType(type, (dir_ / "ro").string()).empty());
  }
  ::chmod((dir_ / "ro").c_str(), 0700);
}

TEST_F(DesktopTest, ProgramsAreFoundOnThePathInOrder) {
  const char* saved = std::getenv("PATH");
  const std::string path = saved != nullptr ? saved : "";
  std::filesystem::create_directories(dir_ / "bin1");
  std::filesystem::create_directories(dir_ / "bin2");
  for (const auto& [folder, name, mode] : {std::tuple{"bin1", "xcalc", 0755}, std::tuple{"bin2", "kcalc", 0755},
                                           std::tuple{"bin1", "galculator", 0644}}) {
    const std::filesystem::path p = dir_ / folder / name;
    std::ofstream(p) << "#!/bin/sh\n";
    ::chmod(p.c_str(), static_cast<mode_t>(mode));
  }
  setenv("PATH", ((dir_ / "bin1").string() + "::" + (dir_ / "bin2").string()).c_str(), 1);
  EXPECT_EQ(FindProgramInPath({"gnome-calculator", "kcalc", "xcalc"}), (dir_ / "bin2/kcalc").string());
  EXPECT_EQ(FindProgramInPath({"galculator", "xcalc"}), (dir_ / "bin1/xcalc").string());  // not executable: skipped
  EXPECT_EQ(FindProgramInPath({"mate-calc", "../bin1/xcalc"}), "");
  setenv("PATH", path.c_str(), 1);
}

}  // namespace
}  // namespace tervane::fw
