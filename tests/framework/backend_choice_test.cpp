// Which backend makes the windows: the one whoever starts the process
// installs (the tests' main installs the headless ones), and, while none is
// installed, no window at all, with one line on stderr saying why.

#include <gtest/gtest.h>

#include <string>

#include "framework/Dialog.h"
#include "framework/DialogBackend.h"
#include "framework/Frame.h"
#include "framework/FrameBackend.h"
#include "framework/testing/HeadlessBackend.h"
#include "framework/testing/HeadlessFrame.h"

namespace tervane::fw {
namespace {

DialogTemplate OkTemplate() {
  DialogTemplate t;
  t.name = "IDD_TEST_CHOICE";
  t.caption = "Choice";
  t.width = 100;
  t.height = 40;
  t.controls = {{IDOK, ControlKind::DefaultPushButton, "OK", 25, 20, 50, 14, kTabStop}};
  return t;
}

// Takes both backends away for its lifetime and puts them back afterwards.
class NoBackends {
 public:
  NoBackends() : dialogs_(InstallBackendFactory(nullptr)), windows_(InstallWindowFactory(nullptr)) {}
  ~NoBackends() {
    InstallBackendFactory(dialogs_);
    InstallWindowFactory(windows_);
  }
  NoBackends(const NoBackends&) = delete;
  NoBackends& operator=(const NoBackends&) = delete;

 private:
  BackendFactory* dialogs_;
  WindowFactory* windows_;
};

TEST(BackendChoiceTest, TheTestMainInstallsTheHeadlessBackends) {
  EXPECT_NE(dynamic_cast<HeadlessFactory*>(&CurrentBackendFactory()), nullptr);
  EXPECT_NE(dynamic_cast<HeadlessWindowFactory*>(&CurrentWindowFactory()), nullptr);
  Dialog dlg(OkTemplate());
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  FrameWindow frame;
  EXPECT_TRUE(frame.Create("Tervane", MenuTemplate{}));
}

TEST(BackendChoiceTest, WithoutABackendNothingOpensAndStderrSaysWhyOnce) {
  std::string told;
  {
    const NoBackends none;
    testing::internal::CaptureStderr();
    Dialog modal(OkTemplate());
    EXPECT_EQ(modal.DoModal(), -1);
    EXPECT_EQ(modal.DoModal(), -1);
    Dialog modeless(OkTemplate());
    EXPECT_FALSE(modeless.CreateModeless());
    EXPECT_FALSE(modeless.IsWindow());
    FrameWindow frame;
    EXPECT_FALSE(frame.Create("Tervane", MenuTemplate{}));
    EXPECT_FALSE(frame.Create("Tervane", MenuTemplate{}));
    EXPECT_EQ(CurrentWindowFactory().CreateSplashBackend(), nullptr);
    told = testing::internal::GetCapturedStderr();
  }
  EXPECT_EQ(told,
            "tervane: no dialog backend is installed; dialogs cannot be shown\n"
            "tervane: no window backend is installed; windows cannot be shown\n");
  // Put back, the headless backends serve again.
  Dialog dlg(OkTemplate());
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

}  // namespace
}  // namespace tervane::fw
