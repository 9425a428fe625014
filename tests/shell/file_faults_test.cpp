// Every writer of the program under the faults a disk can give: a full disk,
// a failing write, sync, close or rename (injected through the file
// functions' fault hook), a write-protected file, a pipe in the file's place;
// and the cases that must work: a link, a name at the length limit. After
// each fault the old file holds every byte it had, nothing is left beside
// it, and the user was told what the writer says, with the reason.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/ShellTestSupport.h"
#include "model/DataFiles.h"
#include "shell/TervaneApp.h"
#include "shell/TervaneDoc.h"
#include "drawing/DxfStream.h"
#include "drawing/ScreenCapture.h"
#include "framework/Application.h"
#include "framework/Document.h"
#include "framework/testing/FakeServices.h"
#include "framework/FileIo.h"
#include "framework/testing/HeadlessBackend.h"
#include "framework/Image.h"
#include "framework/Profile.h"
#include "framework/Spreadsheet.h"
#include "framework/SpreadsheetFile.h"
#include "common/DibImage.h"
#include "results/ExportFiles.h"
#include "results/OmbixExport.h"
#include "results/QuantitiesDlg.h"
#include "results/TextReport.h"

namespace tervane {
namespace {

namespace fs = std::filesystem;

// One writer as the user reaches it: `write` writes the file at `path`;
// `told` is what the user is told when that fails for `reason` (for the
// writers whose dialog adds its own sentence, the reason they hand it).
struct Writer {
  const char* name;
  std::function<std::string(const std::string& path)> write;  // returns the reason a low-level writer gave
  std::function<std::string(const std::string& path, const std::string& reason)> told;
};

class FileFaultsTest : public ::testing::Test {
 protected:
  FileFaultsTest() : home_("file_faults") { app_.project().dataDirectory = Folder(); }

  std::string Folder() const { return (home_.Root() / "out").string(); }
  void SetUp() override { fs::create_directories(Folder()); }

  // The messages shown since the last Mark().
  void Mark() { mark_ = fakes_.messageBox.Texts().size(); }
  std::vector<std::string> Shown() const {
    const std::vector<std::string> all = fakes_.messageBox.Texts();
    return std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(std::min(mark_, all.size())), all.end());
  }

  static std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  std::vector<Writer> Writers() {
    auto exportText = [](const std::string& path, const std::string& reason) {
      return ExportWriteFailureText(path) + "\n\n" + reason;
    };
    auto settingNotKept = [](const std::string&, const std::string& reason) { return fw::SettingNotKeptText(reason); };
    auto sameReason = [](const std::string&, const std::string& reason) { return reason; };
    return {
        {"project",
         [](const std::string& path) {
           CTervaneDoc doc;
           doc.OnSaveDocument(path);
           return std::string();
         },
         [](const std::string&, const std::string& reason) { return std::string(fw::kFailedToSave) + "\n\n" + reason; }},
        {"DXF",
         [](const std::string& path) {
           DxfStream dxf;
           dxf.Open(path);
           dxf.Group(0, "EOF");
           std::string error;
           return dxf.Close(error) ? std::string() : error;
         },
         sameReason},
        {"bitmap",
         [](const std::string& path) {
           CDibImage image;
           image.Create(fw::Image(4, 3, fw::RGB(10, 20, 30)));
           std::string error;
           return SaveDibToFile(&image, path, &error) == kDibSaved ? std::string() : error;
         },
         sameReason},
        {"workbook",
         [](const std::string& path) {
           fw::Spreadsheet sheet;
           sheet.PutProperty(fw::sheet::kColumnCount, fw::Variant::I4(2));
           std::string error;
           return fw::WriteWorkbook(sheet, path, &error) ? std::string() : error;
         },
         sameReason},
        {"text report",
         [this](const std::string& path) {
           fakes_.fileDialogs.QueueSave(path);
           SaveResultsAsTextFile();
           return std::string();
         },
         exportText},
        {"Ombix",
         [this](const std::string& path) {
           session_.Queue(fw::Script().Click(fw::IDOK));
           fakes_.fileDialogs.QueueSave(path);
           ExportToOmbix(0);
           return std::string();
         },
         exportText},
        {"quantities",
         [](const std::string& path) {
           WriteExportFile(path, QuantitiesFileLines(QuantitiesTable{}));
           return std::string();
         },
         exportText},
        {"profile",
         [](const std::string& path) {
           App().LoadStdProfileSettings(path, 4);
           App().AddToRecentFileList("/projects/slope.NAT");
           return std::string();
         },
         settingNotKept},
        {"data file",
         [](const std::string& path) {
           Project().dataDirectory = fs::path(path).parent_path().string();
           if (fs::path(path).filename() == "More.txt") WriteLanguageFile("German");
           return std::string();
         },
         settingNotKept},
    };
  }

  // The file each writer writes in the test folder.
  static std::string FileName(const Writer& w) {
    const std::string name = w.name;
    if (name == "data file") return "More.txt";
    if (name == "profile") return "Tervane.ini";
    return "target." + std::string(name == "project" ? "NAT" : name == "DXF" ? "DXF" : name == "bitmap" ? "bmp"
                                                       : name == "workbook" ? "xlsx" : "txt");
  }

  // Writes with `w` while the hook fails `op` with `error`; checks that the
  // old file is whole, nothing was left, and what the user heard.
  void ExpectRefused(const Writer& w, const std::string& path, fw::FileFaultHook hook, const std::string& reason,
                     mode_t mode = 0644) {
    const std::string old = "old bytes of " + std::string(w.name) + std::string("\0\r\n", 3);
    { std::ofstream(path, std::ios::binary) << old; }
    ::chmod(path.c_str(), mode);
    Mark();
    std::string lowLevel;
    {
      fw::FileFaultHook previous = fw::SetFileFaultHook(std::move(hook));
      lowLevel = w.write(path);
      fw::SetFileFaultHook(std::move(previous));
    }
    EXPECT_EQ(shelltest::ReadBytes(path), old) << w.name << ": " << reason;
    EXPECT_EQ(Names(Folder()), std::vector<std::string>{fs::path(path).filename()}) << w.name << ": " << reason;
    const std::string told = w.told(path, reason);
    if (lowLevel.empty())
      EXPECT_EQ(Shown(), std::vector<std::string>{told}) << w.name;
    else
      EXPECT_EQ(lowLevel, told) << w.name;
    fs::remove(path);
  }

  shelltest::TestHome home_;
  fw::HeadlessSession session_;
  fw::ScopedFakeServices fakes_;
  ScopedApp app_;
  std::size_t mark_ = 0;
};

fw::FileFaultHook Failing(fw::FileOp op, int error) {
  return [op, error](fw::FileOp asked, const std::string&) { return asked == op ? error : 0; };
}

TEST_F(FileFaultsTest, EveryWriterKeepsTheOldFileUnderEveryFaultAndSaysWhy) {
  const struct Fault {
    fw::FileOp op;
    int error;
    const char* what;
  } faults[] = {
      {fw::FileOp::Write, ENOSPC, "Cannot write"},  {fw::FileOp::Write, EIO, "Cannot write"},
      {fw::FileOp::Sync, EIO, "Cannot write"},      {fw::FileOp::Close, EIO, "Cannot write"},
      {fw::FileOp::Rename, EIO, "Cannot replace"},
  };
  for (const Writer& w : Writers()) {
    const std::string path = Folder() + "/" + FileName(w);
    for (const Fault& f : faults) {
      // The workbook library writes its own file: the faults reach it from
      // the sync on.
      if (std::string(w.name) == "workbook" && f.op == fw::FileOp::Write) continue;
      ExpectRefused(w, path, Failing(f.op, f.error), std::string(f.what) + " " + path + ": " + std::strerror(f.error));
    }
  }
}

TEST_F(FileFaultsTest, EveryWriterRefusesAWriteProtectedFileOrAPipe) {
  for (const Writer& w : Writers()) {
    const std::string path = Folder() + "/" + FileName(w);
    // Write-protected: refused by its mode, also for the superuser.
    ExpectRefused(w, path, nullptr, fw::ReadOnlyFileText(path), 0444);
    // The profile says at start that it cannot be read (tested below).
    if (std::string(w.name) == "profile") continue;

    // A pipe where the file should be: refused at once, nothing blocks.
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    Mark();
    const std::string lowLevel = w.write(path);
    const std::string told = w.told(path, fw::NotRegularFileText(path));
    if (lowLevel.empty()) {
      ASSERT_FALSE(Shown().empty()) << w.name;
      EXPECT_EQ(Shown().back(), told) << w.name;
    } else {
      EXPECT_EQ(lowLevel, told) << w.name;
    }
    struct stat st {};
    ASSERT_EQ(::lstat(path.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << w.name;
    fs::remove(path);
  }
}

TEST_F(FileFaultsTest, EveryWriterWritesThroughALinkAndTakesALongName) {
  fs::create_directories(home_.Root() / "elsewhere");
  for (const Writer& w : Writers()) {
    if (std::string(w.name) == "data file") continue;  // its names are fixed
    const std::string target = (home_.Root() / "elsewhere" / FileName(w)).string();
    { std::ofstream(target, std::ios::binary) << "old"; }
    const std::string link = Folder() + "/" + FileName(w);
    fs::create_symlink(target, link);
    Mark();
    EXPECT_EQ(w.write(link), "") << w.name;
    EXPECT_TRUE(Shown().empty()) << w.name << ": " << (Shown().empty() ? "" : Shown()[0]);
    EXPECT_TRUE(fs::is_symlink(link)) << w.name;
    EXPECT_NE(shelltest::ReadBytes(target), "old") << w.name;
    EXPECT_EQ(Names((home_.Root() / "elsewhere").string()), std::vector<std::string>{FileName(w)}) << w.name;
    fs::remove(link);
    fs::remove(target);

    const std::string name = FileName(w);
    const std::string longName = std::string(250 - name.size(), 'L') + name;
    EXPECT_EQ(w.write(Folder() + "/" + longName), "") << w.name;
    EXPECT_TRUE(Shown().empty()) << w.name;
    EXPECT_EQ(Names(Folder()), std::vector<std::string>{longName}) << w.name;
    fs::remove(Folder() + "/" + longName);
  }
}

TEST_F(FileFaultsTest, ReadersRefuseAPipeWithAMessageAndDoNotWait) {
  const std::string folder = Folder();
  // The report language, the logo path and the flags: read, refused, told.
  for (const char* name : {"More.txt", "CoLogoT.INF", "SHOWLOGO.INF", "SHOWPAINT.INF"}) {
    const std::string path = folder + "/" + name;
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    Mark();
    const std::optional<std::string> line = std::string(name) == "More.txt"
                                                ? std::optional<std::string>(ReadLanguageFile())
                                                : ReadDataFileLine(name, 300);
    if (std::string(name) == "More.txt")
      EXPECT_EQ(line, "English");
    else
      EXPECT_FALSE(line.has_value()) << name;
    EXPECT_EQ(Shown(), std::vector<std::string>{DataFileReadFailureText(fw::NotRegularFileText(path))}) << name;
    fs::remove(path);
  }
  // A missing file is no fault: nothing is said.
  Mark();
  EXPECT_FALSE(ReadDataFileLine("CoLogoT.INF", 300).has_value());
  EXPECT_TRUE(Shown().empty());

  // The profile: said once at start, and never replaced afterwards.
  const std::string profile = folder + "/Tervane.ini";
  ASSERT_EQ(::mkfifo(profile.c_str(), 0600), 0);
  App().LoadStdProfileSettings(profile, 4);
  App().AddToRecentFileList("/projects/slope.NAT");
  EXPECT_EQ(Shown(), std::vector<std::string>{std::string(fw::kProfileNotReadText) + "\n\n" +
                                              fw::NotRegularFileText(profile)});
  struct stat st {};
  ASSERT_EQ(::lstat(profile.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));

  // The project given as a pipe.
  const std::string project = folder + "/pipe.NAT";
  ASSERT_EQ(::mkfifo(project.c_str(), 0600), 0);
  Mark();
  CTervaneDoc doc;
  EXPECT_FALSE(doc.OnOpenDocument(project));
  EXPECT_EQ(Shown(), std::vector<std::string>{fw::NotRegularFileText(project)});
}

// A write of the profile that fails is said once, not at every file opened,
// and again after a write that worked.
TEST_F(FileFaultsTest, AProfileThatCannotBeWrittenIsReportedOnce) {
  const std::string profile = Folder() + "/Tervane.ini";
  App().LoadStdProfileSettings(profile, 4);
  const std::string reason = "Cannot write " + profile + ": " + std::strerror(ENOSPC);
  {
    fw::FileFaultHook previous = fw::SetFileFaultHook(Failing(fw::FileOp::Write, ENOSPC));
    App().AddToRecentFileList("/projects/a.NAT");
    App().AddToRecentFileList("/projects/b.NAT");
    App().SetPreviewPages(2);
    fw::SetFileFaultHook(std::move(previous));
  }
  EXPECT_EQ(Shown(), std::vector<std::string>{fw::SettingNotKeptText(reason)});
  EXPECT_FALSE(fs::exists(profile));
  // The next write that works holds everything kept in memory meanwhile.
  App().AddToRecentFileList("/projects/b.NAT");
  EXPECT_EQ(shelltest::ReadBytes(profile),
            "[Recent File List]\nFile1=/projects/b.NAT\nFile2=/projects/a.NAT\n\n[Settings]\nPreviewPages=2\n");
}

}  // namespace
}  // namespace tervane
