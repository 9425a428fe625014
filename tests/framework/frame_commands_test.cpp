// The main frame's command routing and its headless backend, and the
// command line.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/CommandLine.h"
#include "framework/Commands.h"
#include "framework/Frame.h"
#include "framework/testing/HeadlessFrame.h"
#include "support/NumericLocale.h"

namespace tervane::fw {
namespace {

class Target : public CommandTarget {
 public:
  using CommandTarget::OnCommand;
  using CommandTarget::OnUpdateCommand;
};

TEST(CommandRoutingTest, StateComesFromTheFirstUpdateHandlerThatDecidesElseFromAnyHandler) {
  Target view, doc, frame, app;
  int ran = 0;
  app.OnCommand(1, [&] { ran = 1; });
  doc.OnCommand(1, [&] { ran = 2; });
  // An update handler that leaves the state alone passes the decision on.
  frame.OnUpdateCommand(2, [](CmdUI&) {});
  app.OnCommand(2, [] {});
  frame.OnUpdateCommand(3, [](CmdUI&) {});
  doc.OnUpdateCommand(4, [](CmdUI& ui) { ui.Enable(false); });
  app.OnCommand(4, [] {});
  view.OnUpdateCommand(5, [](CmdUI& ui) {
    ui.Enable(true);
    ui.SetCheck(true);
  });
  const std::vector<CommandTarget*> route = {&view, &doc, &frame, &app};

  struct Case {
    int id;
    bool enabled;
    bool checked;
  };
  for (const Case& c : {Case{1, true, false}, Case{2, true, false}, Case{3, false, false}, Case{4, false, false},
                        Case{5, true, true}, Case{6, false, false}}) {
    SCOPED_TRACE(c.id);
    const CommandState s = QueryCommandState(route, c.id);
    EXPECT_EQ(s.enabled, c.enabled);
    EXPECT_EQ(s.checked, c.checked);
  }
  // The first target in the route that handles a command gets it.
  EXPECT_TRUE(RouteCommand(route, 1));
  EXPECT_EQ(ran, 2);
  EXPECT_FALSE(RouteCommand(route, 3));
}

class TestFrame : public FrameWindow {
 public:
  using FrameWindow::OnCommand;
  using FrameWindow::OnUpdateCommand;
  bool enabled = false;
  int ran = 0;

 protected:
  bool OnCreate() override {
    OnCommand(100, [this] { ++ran; });
    OnUpdateCommand(100, [this](CmdUI& ui) { ui.Enable(enabled); });
    ToolbarTemplate bar;
    bar.buttons = {100, 0, ID_VIEW_TOOLBAR};
    CreateToolbar(bar);
    CreateStatusBar({ID_SEPARATOR, ID_INDICATOR_CAPS});
    SetAccelerators({{'K', kCtrl, 100}});
    return true;
  }
  std::string CommandPrompt(int id) const override { return id == 100 ? "Does a thing\nThing" : ""; }
};

MenuTemplate TestMenu() {
  MenuTemplate menu;
  menu.number = 7;
  menu.popups = {MenuPopup("&File", {MenuCommand(100, "&Thing"), MenuSeparator(), MenuCommand(ID_FILE_MRU_FILE1, "Recent File"),
                                     MenuCommand(ID_APP_EXIT, "E&xit")}),
                 MenuPopup("&View", {MenuCommand(ID_VIEW_TOOLBAR, "&Toolbar")})};
  return menu;
}

TEST(FrameWindowTest, DisabledCommandsAreRefusedWhicheverWayTheyCome) {
  Application app;
  auto owned = std::make_unique<TestFrame>();
  TestFrame& frame = *owned;
  ASSERT_TRUE(frame.Create("Test", TestMenu()));
  app.SetMainFrame(std::move(owned));
  HeadlessFrameBackend* backend = HeadlessFrameBackend::Of(frame);
  ASSERT_NE(backend, nullptr);

  EXPECT_FALSE(backend->FindMenuItem(100)->enabled);
  EXPECT_FALSE(backend->CommandStateOf(100).enabled);
  backend->Command(100);  // menu, toolbar and accelerator all arrive here
  EXPECT_EQ(frame.ran, 0);

  frame.enabled = true;
  backend->Idle();
  EXPECT_TRUE(backend->FindMenuItem(100)->enabled);
  EXPECT_TRUE(backend->CommandStateOf(100).enabled);
  backend->Command(100);
  EXPECT_EQ(frame.ran, 1);

  // The prompts: the tool tip on the button, the status text while pointed at.
  EXPECT_EQ(backend->ToolTips(), (std::vector<std::string>{"Thing", "", ""}));
  EXPECT_EQ(backend->StatusText(), "Ready");
  backend->MenuSelect(100);
  EXPECT_EQ(backend->StatusText(), "Does a thing");
  backend->MenuSelect(0);
  EXPECT_EQ(backend->StatusText(), "Ready");

  // The toolbar's own toggle, checked while shown.
  EXPECT_TRUE(backend->FindMenuItem(ID_VIEW_TOOLBAR)->checked);
  backend->Command(ID_VIEW_TOOLBAR);
  EXPECT_FALSE(backend->IsToolbarVisible());
  EXPECT_FALSE(backend->FindMenuItem(ID_VIEW_TOOLBAR)->checked);

  // No recent files: the placeholder stays, disabled.
  EXPECT_EQ(backend->PopupTexts("&File"), (std::vector<std::string>{"&Thing", "", "Recent File", "E&xit"}));
  EXPECT_FALSE(backend->FindMenuItem(ID_FILE_MRU_FILE1)->enabled);
  app.AddToRecentFileList("/data/a.NAT");
  app.AddToRecentFileList("/data/b.NAT");
  backend->Idle();
  EXPECT_EQ(backend->PopupTexts("&File"),
            (std::vector<std::string>{"&Thing", "", "&1 /data/b.NAT", "&2 /data/a.NAT", "E&xit"}));
  EXPECT_TRUE(backend->FindMenuItem(ID_FILE_MRU_FILE1 + 1)->enabled);

  // Exit closes the window (no documents to save).
  backend->Command(ID_APP_EXIT);
  EXPECT_FALSE(frame.IsWindow());
}

TEST(CommandLineTest, SwitchesFilesAndPrinters) {
  using Shell = CommandLineInfo::Shell;
  struct Case {
    std::vector<std::string> args;
    Shell command;
    std::string file;
    std::string printer;
    bool splash;
  };
  const Case cases[] = {
      {{}, Shell::FileNew, "", "", true},
      {{"/home/me/slope.NAT"}, Shell::FileOpen, "/home/me/slope.NAT", "", true},
      {{"/p", "/home/me/slope.NAT"}, Shell::FilePrint, "/home/me/slope.NAT", "", true},
      {{"-P", "slope.NAT"}, Shell::FilePrint, "slope.NAT", "", true},
      {{"slope.NAT", "/p"}, Shell::FilePrint, "slope.NAT", "", true},
      {{"/pt", "slope.NAT", "/tmp/out.pdf"}, Shell::FilePrintTo, "slope.NAT", "/tmp/out.pdf", true},
      {{"/pt", "slope.NAT", "Office Laser", "drv", "port"}, Shell::FilePrintTo, "slope.NAT", "Office Laser", true},
      {{"/Embedding"}, Shell::FileNew, "", "", false},
      {{"-automation"}, Shell::FileNew, "", "", false},
      {{"/dde"}, Shell::FileDDE, "", "", true},
      {{"/unknown", "x.NAT"}, Shell::FileOpen, "/unknown", "", true},
      {{"/EMBEDDING"}, Shell::FileNew, "", "", false},
      {{"/AUTOMATION"}, Shell::FileNew, "", "", false},
      {{"/UNREGISTER"}, Shell::AppUnregister, "", "", true},
      {{"/PT", "slope.NAT", "P"}, Shell::FilePrintTo, "slope.NAT", "P", true},
  };
  // Switches are compared in ASCII: under tr_TR the C library does not lower 'I'.
  for (const char* locale : testsupport::kDesktopLocales) {
    testsupport::ProcessLocale desktop(locale);
    if (!desktop.ok()) GTEST_SKIP() << locale << " is not installed (package locales-all)";
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(locale) + " " + (c.args.empty() ? std::string("(none)") : c.args.front()));
      const CommandLineInfo info = ParseCommandLine(c.args);
      EXPECT_EQ(info.command, c.command);
      EXPECT_EQ(info.fileName, c.file);
      EXPECT_EQ(info.printerName, c.printer);
      EXPECT_EQ(info.showSplash, c.splash);
    }
    const CommandLineInfo embedded = ParseCommandLine({"/EMBEDDING"});
    EXPECT_TRUE(embedded.runEmbedded);
    EXPECT_FALSE(embedded.runAutomated);
    EXPECT_TRUE(ParseCommandLine({"/AUTOMATION"}).runAutomated);
  }
}

}  // namespace
}  // namespace tervane::fw
