#include "framework/Services.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "framework/DeviceContext.h"
#include "framework/DialogTemplate.h"
#include "framework/Document.h"
#include "framework/testing/FakeServices.h"

namespace tervane::fw {
namespace {

TEST(Services, UnsetServicesActAsAUserWhoCancels) {
  const ScopedServices none{Services{}};
  EXPECT_EQ(ShowMessage("x"), IDOK);
  EXPECT_EQ(ShowMessage("x", MessageButtons::YesNoCancel), IDCANCEL);
  EXPECT_EQ(ShowMessage("x", MessageButtons::YesNo), IDNO);
  EXPECT_EQ(FileDialogs().OpenFile({}), std::nullopt);
  EXPECT_EQ(FileDialogs().SaveFile({}), std::nullopt);
  EXPECT_EQ(Printing().Print({}).dc, nullptr);
  EXPECT_EQ(Printing().PrintSetup().dc, nullptr);
  EXPECT_FALSE(Shell().OpenWithDesktop("/tmp/a.bmp"));
  EXPECT_FALSE(Shell().StartProgram("calc", {}));
  EXPECT_FALSE(Help().ShowDefault());
  EXPECT_GT(Clock().Now().year, 1970);
}

TEST(Services, FakesRecordAndAnswerFromTheirQueues) {
  ScopedFakeServices fakes;
  fakes.messageBox.QueueAnswer(IDYES);
  EXPECT_EQ(ShowMessage("Save changes?", MessageButtons::YesNoCancel, MessageIcon::Question), IDYES);
  EXPECT_EQ(ShowMessage("Again?", MessageButtons::YesNoCancel), IDCANCEL);  // queue empty: cancel
  ASSERT_EQ(fakes.messageBox.Calls().size(), 2u);
  EXPECT_EQ(fakes.messageBox.Calls()[0].icon, MessageIcon::Question);
  EXPECT_EQ(fakes.messageBox.Texts(), (std::vector<std::string>{"Save changes?", "Again?"}));

  fakes.fileDialogs.QueueOpen("/data/slope.NAT");
  FileDialogOptions open;
  open.filters = {{"Tervane Files (*.NAT)", "*.NAT"}};
  EXPECT_EQ(FileDialogs().OpenFile(open), "/data/slope.NAT");
  EXPECT_EQ(FileDialogs().OpenFile(open), std::nullopt);
  ASSERT_EQ(fakes.fileDialogs.OpenCalls().size(), 2u);
  EXPECT_EQ(fakes.fileDialogs.OpenCalls()[0].filters[0].patterns, "*.NAT");

  fakes.shell.succeed = false;
  EXPECT_FALSE(Shell().OpenWithDesktop("/tmp/TemporaryBitmapTervane.bmp"));
  EXPECT_EQ(fakes.shell.Opened(), std::vector<std::string>{"/tmp/TemporaryBitmapTervane.bmp"});

  EXPECT_TRUE(Help().ShowTopic("/opt/tervane.chm::/modify_soil.htm"));
  EXPECT_EQ(fakes.help.Requests(), std::vector<std::string>{"/opt/tervane.chm::/modify_soil.htm"});

  const LocalDateTime now = Clock().Now();
  EXPECT_EQ(now.year, 2009);
  EXPECT_EQ(now.dayOfWeek, 4);
}

TEST(Services, DefaultExtensionOnlyForANameWithoutOne) {
  struct Case {
    const char* path;
    const char* ext;
    const char* want;
  };
  for (const Case& c : {Case{"/home/u/slope", "NAT", "/home/u/slope.NAT"},
                        Case{"/home/u/slope.nat", "NAT", "/home/u/slope.nat"},
                        Case{"/home/u.v/slope", "NAT", "/home/u.v/slope.NAT"},
                        Case{"slope", "", "slope"}, Case{"", "NAT", ""}, Case{"/home/u/", "NAT", "/home/u/"}}) {
    EXPECT_EQ(ApplyDefaultExtension(c.path, c.ext), c.want) << c.path;
  }
}

// A file dialog whose caller names no folder opens in the open project's
// folder, else in the folder last chosen, else at home; never in the
// working directory.
TEST(Services, FileDialogsOpenInTheProjectsOrTheLastFolderElseAtHome) {
  namespace fs = std::filesystem;
  const fs::path root = fs::temp_directory_path() / ("tervane_dialog_folder_" + std::to_string(::getpid()));
  fs::remove_all(root);
  for (const char* sub : {"home", "projects", "exports"}) fs::create_directories(root / sub);
  const std::string home = (root / "home").string();
  const char* oldHome = std::getenv("HOME");
  const std::string savedHome = oldHome != nullptr ? oldHome : "";
  setenv("HOME", home.c_str(), 1);
  ForgetDialogFolder();

  Document project;
  const ScopedActiveDocument noProject(nullptr);
  EXPECT_EQ(DefaultDialogFolder(), home);
  RememberDialogFolder((root / "exports" / "table.xlsx").string());
  EXPECT_EQ(DefaultDialogFolder(), (root / "exports").string());
  {
    // An open project not saved yet has no folder: the last one used.
    const ScopedActiveDocument unsaved(&project);
    EXPECT_EQ(DefaultDialogFolder(), (root / "exports").string());
    project.SetPathName((root / "projects" / "north slope.NAT").string(), false);
    EXPECT_EQ(DefaultDialogFolder(), (root / "projects").string());
  }
  // A folder that has gone since is passed over.
  fs::remove_all(root / "exports");
  EXPECT_EQ(DefaultDialogFolder(), home);
  RememberDialogFolder("table.xlsx");  // no folder: nothing to remember
  EXPECT_EQ(DefaultDialogFolder(), home);

  ForgetDialogFolder();
  if (oldHome != nullptr)
    setenv("HOME", savedHome.c_str(), 1);
  else
    unsetenv("HOME");
  fs::remove_all(root);
}

}  // namespace
}  // namespace tervane::fw
