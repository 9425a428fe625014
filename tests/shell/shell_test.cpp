// The application shell end to end on the headless backends: start-up, the
// main frame and its commands, New / Open / Save / Save As / Close with their
// messages, the recent files, command-line printing, the splash window, help
// and the calculator.

#include <gtest/gtest.h>

#include <limits>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "support/ShellTestSupport.h"
#include "common/ActiveDocument.h"
#include "model/ProjectFile.h"
#include "shell/SplashWindow.h"
#include "shell/StartDlg.h"
#include "shell/TervaneApp.h"
#include "shell/TervaneDoc.h"
#include "framework/Document.h"
#include "framework/testing/FakeServices.h"
#include "framework/Frame.h"
#include "framework/testing/HeadlessBackend.h"
#include "framework/testing/HeadlessFrame.h"
#include "framework/Desktop.h"
#include "framework/Profile.h"
#include "framework/View.h"
#include "resources/DialogTemplates.h"
#include "resources/ShellResources.h"

namespace tervane {
namespace {

using fw::HeadlessFrameBackend;
using fw::Script;

class ShellTest : public ::testing::Test {
 protected:
  ShellTest() : home_("shell") {}

  // Starts the program with the notice answered by `notice` (OK by default).
  bool Start(const std::vector<std::string>& args = {}, Script notice = Script().Click(fw::IDOK)) {
    session_.Queue(std::move(notice));
    return App().InitInstance(args);
  }
  HeadlessFrameBackend* Frame() const {
    fw::FrameWindow* frame = App().MainFrame();
    return frame != nullptr ? HeadlessFrameBackend::Of(*frame) : nullptr;
  }
  bool Enabled(int id) const {
    const fw::MenuItem* item = Frame()->FindMenuItem(id);
    return item != nullptr && item->enabled;
  }
  // A project file with the given input, saved through a program of its own.
  std::string WriteProject(const std::string& name, int layerCount = 0, int resultLayers = 0, double height = 6.0) {
    auto data = std::make_unique<ProjectData>();
    data->input.layerCount = layerCount;
    data->input.slopeHeight = height;
    data->results.resultLayerCount = resultLayers;
    std::string error;
    const std::string path = home_.File(name);
    EXPECT_TRUE(SaveProjectFile(path, *data, error)) << error;
    return path;
  }

  shelltest::TestHome home_;
  fw::HeadlessSession session_;
  fw::ScopedFakeServices fakes_;
  shelltest::ScopedFakePrinting printing_;
  ScopedApp app_;
};

TEST_F(ShellTest, TheNoticeMustBeConfirmedForTheProgramToGoOn) {
  for (const Script& answer : {Script().Escape(), Script().Close()}) {
    ScopedApp app;
    session_.Queue(answer);
    EXPECT_FALSE(App().InitInstance({}));
    EXPECT_EQ(App().ExitCode(), 0);
    EXPECT_EQ(App().MainFrame(), nullptr);
    EXPECT_EQ(fw::HeadlessSplashBackend::Current(), nullptr);
  }
  ASSERT_EQ(session_.Records().size(), 2u);
  EXPECT_EQ(session_.Records()[0].templateName, "IDD_INTRO");
  EXPECT_EQ(session_.Records()[0].result, fw::IDCANCEL);
}

TEST_F(ShellTest, StartUpShowsTheMainFrameWithMenu128AndNoProject) {
  ASSERT_TRUE(Start());
  // The data directory, made at the first start without a word.
  EXPECT_EQ(Project().dataDirectory, home_.DataDirectory());
  EXPECT_TRUE(std::filesystem::is_directory(home_.DataDirectory()));
  EXPECT_TRUE(fakes_.messageBox.Texts().empty());
  EXPECT_EQ(session_.Find("IDD_INTRO")->Text(res::kIntroUpdateLabelId), "Update #1.1");

  HeadlessFrameBackend* frame = Frame();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->State(), fw::ShowState::Maximized);
  EXPECT_EQ(frame->Title(), "Tervane");
  EXPECT_EQ(frame->PopupTexts("&File"),
            (std::vector<std::string>{"&New\tCtrl+N", "&Open...\tCtrl+O", "", "P&rint Setup...", "", "Recent File", "",
                                      "E&xit"}));
  EXPECT_EQ(frame->PopupTexts("&View"), (std::vector<std::string>{"&Toolbar", "&Status Bar"}));
  EXPECT_EQ(frame->PopupTexts("&Help"), (std::vector<std::string>{"&Help Topics", "", "&About Tervane..."}));
  EXPECT_TRUE(Enabled(fw::ID_FILE_NEW));
  EXPECT_TRUE(Enabled(fw::ID_FILE_OPEN));
  EXPECT_FALSE(Enabled(fw::ID_FILE_MRU_FILE1));
  // The toolbar: Close, Save, Print and Print Preview wait for a project.
  for (int id : {fw::ID_FILE_NEW, fw::ID_FILE_OPEN, fw::ID_APP_ABOUT, fw::ID_CONTEXT_HELP, res::ID_CALCULATOR,
                 fw::ID_APP_EXIT})
    EXPECT_TRUE(frame->CommandStateOf(id).enabled) << id;
  for (int id : {fw::ID_FILE_CLOSE, fw::ID_FILE_SAVE, fw::ID_FILE_PRINT, fw::ID_FILE_PRINT_PREVIEW})
    EXPECT_FALSE(frame->CommandStateOf(id).enabled) << id;
  EXPECT_EQ(frame->ToolTips()[0], "New");
  EXPECT_EQ(frame->ToolTips()[11], "Calculator");
  EXPECT_EQ(frame->StatusPanes().size(), 4u);
  EXPECT_EQ(App().startDialog, nullptr);
  EXPECT_EQ(Project().documentOpen, 0);

  // The help file is the program's path with ".chm"; the desktop knows the file type.
  EXPECT_EQ(Project().helpFilePath, fw::ProgramPath() + ".chm");
  const std::string entry = shelltest::ReadBytes((home_.Root() / "home/.local/share/applications/tervane.desktop").string());
  EXPECT_NE(entry.find("MimeType=application/x-tervane-document;\n"), std::string::npos);
  EXPECT_NE(entry.find("/p %f\n"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(home_.Root() / "home/.local/share/mime/packages/tervane.xml"));
}

TEST_F(ShellTest, StartedForEmbeddingItShowsTheNoticeSaysWhyOnStandardErrorAndEnds) {
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(Start({"/Embedding"}));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), std::string(CTervaneApp::kNoAutomationMessage) + "\n");
  EXPECT_EQ(App().ExitCode(), 1);
  EXPECT_EQ(App().MainFrame(), nullptr);
  EXPECT_NE(session_.Find("IDD_INTRO"), nullptr);
  EXPECT_EQ(fw::HeadlessSplashBackend::Current(), nullptr);
}

TEST_F(ShellTest, NewGivesTheMainMenuWithTheButtonsOfTheEnableRule) {
  ASSERT_TRUE(Start());
  Project().inputChangedSinceRun = 0;
  Project().projectPath = "/somewhere/else.NAT";
  Frame()->Command(fw::ID_FILE_NEW);
  ASSERT_NE(App().startDialog, nullptr);
  const fw::DialogRecord* menu = session_.Find("IDD_START");
  ASSERT_NE(menu, nullptr);
  EXPECT_FALSE(menu->modal);
  EXPECT_TRUE(App().startDialog->IsWindowVisible());
  EXPECT_TRUE(menu->Enabled(res::kModifyInputId));
  EXPECT_TRUE(menu->Enabled(res::kRunOptimizedId));
  for (int id : {res::kRunUserSpecifiedId, res::kViewTablesId, res::kViewLayoutId, res::kQuantitiesId,
                 res::kSaveResultsAsTextId})
    EXPECT_FALSE(menu->Enabled(id)) << id;
  EXPECT_FALSE(menu->Visible(res::kSaveResultsAsTextId));
  EXPECT_FALSE(menu->Visible(kDialogIdLabel));
  EXPECT_EQ(Project().documentOpen, 1);
  EXPECT_EQ(Project().resultsAvailable, 0);
  // A new project names no file and is not known to match any results.
  EXPECT_EQ(Project().projectPath, "Not saved, yet");
  EXPECT_EQ(Project().inputChangedSinceRun, 1);

  HeadlessFrameBackend* frame = Frame();
  EXPECT_EQ(frame->Title(), "Tervane - Tervane1");
  EXPECT_EQ(frame->PopupTexts("&File"),
            (std::vector<std::string>{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Close", "&Save\tCtrl+S", "Save &As...", "",
                                      "&Print...\tCtrl+P", "Print Pre&view", "P&rint Setup...", "", "Recent File", "",
                                      "E&xit"}));
  for (int id : {fw::ID_FILE_NEW, fw::ID_FILE_OPEN, fw::ID_FILE_MRU_FILE1, fw::ID_FILE_PRINT,
                 fw::ID_FILE_PRINT_PREVIEW})
    EXPECT_FALSE(Enabled(id)) << id;
  for (int id : {fw::ID_FILE_CLOSE, fw::ID_FILE_SAVE, fw::ID_FILE_SAVE_AS}) EXPECT_TRUE(Enabled(id)) << id;
  EXPECT_TRUE(frame->CommandStateOf(fw::ID_FILE_CLOSE).enabled);
  // Ctrl+N and the toolbar's New do nothing now.
  frame->Command(fw::ID_FILE_NEW);
  frame->Command(fw::ID_FILE_OPEN);
  EXPECT_EQ(App().Documents().DocumentCount(), 1u);
  EXPECT_TRUE(fakes_.fileDialogs.OpenCalls().empty());
}

TEST_F(ShellTest, SaveAsWritesAProjectFileThatReadsBack) {
  ASSERT_TRUE(Start());
  Frame()->Command(fw::ID_FILE_NEW);
  Project().input.slopeHeight = 7.25;
  Project().input.projectTitle = "North embankment";
  MarkActiveDocumentModified();
  const std::string path = home_.File("north.NAT");
  fakes_.fileDialogs.QueueSave(home_.File("north"));  // the extension is added
  Frame()->Command(fw::ID_FILE_SAVE_AS);

  ASSERT_EQ(fakes_.fileDialogs.SaveCalls().size(), 1u);
  const fw::FileDialogOptions& asked = fakes_.fileDialogs.SaveCalls()[0];
  EXPECT_EQ(asked.proposedName, "Tervane1.NAT");
  EXPECT_EQ(asked.defaultExtension, "NAT");
  ASSERT_EQ(asked.filters.size(), 1u);
  EXPECT_EQ(asked.filters[0].description, "Tervane Files (*.NAT)");
  EXPECT_EQ(asked.filters[0].patterns, "*.NAT");

  auto back = std::make_unique<ProjectData>();
  std::string error;
  ASSERT_TRUE(LoadProjectFile(path, *back, error)) << error;
  EXPECT_EQ(back->input.slopeHeight, 7.25);
  EXPECT_EQ(back->input.projectTitle, "North embankment");
  EXPECT_EQ(Project().projectPath, path);
  EXPECT_FALSE(fw::ActiveDocument()->IsModified());
  EXPECT_EQ(Frame()->Title(), "Tervane - north.NAT");
  EXPECT_EQ(App().RecentFiles().Entries(), (std::vector<std::string>{path}));
  // Save keeps the name: no dialog.
  Project().input.slopeHeight = 8.0;
  Frame()->Command(fw::ID_FILE_SAVE);
  EXPECT_EQ(fakes_.fileDialogs.SaveCalls().size(), 1u);
  ASSERT_TRUE(LoadProjectFile(path, *back, error));
  EXPECT_EQ(back->input.slopeHeight, 8.0);
}

TEST_F(ShellTest, CloseWithChangesAsksToSave) {
  struct Case {
    int answer;
    bool saved;
    bool stillOpen;
  };
  int n = 0;
  for (const Case& c : {Case{fw::IDYES, true, false}, Case{fw::IDNO, false, false}, Case{fw::IDCANCEL, false, true}}) {
    SCOPED_TRACE(c.answer);
    ScopedApp app;
    fw::ScopedFakeServices fakes;
    session_.Queue(Script().Click(fw::IDOK));
    ASSERT_TRUE(App().InitInstance({}));
    Frame()->Command(fw::ID_FILE_NEW);
    MarkActiveDocumentModified();
    const std::string path = home_.File("close" + std::to_string(n++) + ".NAT");
    fakes.messageBox.QueueAnswer(c.answer);
    fakes.fileDialogs.QueueSave(path);
    Frame()->Command(fw::ID_FILE_CLOSE);
    EXPECT_EQ(fakes.messageBox.Texts(), (std::vector<std::string>{"Save changes to Tervane1?"}));
    EXPECT_EQ(std::filesystem::exists(path), c.saved);
    EXPECT_EQ(App().Documents().DocumentCount(), c.stillOpen ? 1u : 0u);
    EXPECT_EQ(App().startDialog != nullptr, c.stillOpen);
    EXPECT_EQ(Project().documentOpen, c.stillOpen ? 1 : 0);
    // A closed project leaves no file name behind.
    if (!c.stillOpen) {
      EXPECT_EQ(Project().projectPath, "Not saved, yet");
      EXPECT_EQ(Frame()->Title(), "Tervane");
      EXPECT_TRUE(Enabled(fw::ID_FILE_NEW));
    }
  }
}

TEST_F(ShellTest, OpenBringsTheProjectBackAndAFileThatIsNoProjectChangesNothing) {
  const std::string path = WriteProject("saved.NAT", 0, 0, 9.5);
  ASSERT_TRUE(Start());
  Project().inputChangedSinceRun = 0;
  fakes_.fileDialogs.QueueOpen(path);
  Frame()->Command(fw::ID_FILE_OPEN);
  ASSERT_EQ(fakes_.fileDialogs.OpenCalls().size(), 1u);
  EXPECT_EQ(fakes_.fileDialogs.OpenCalls()[0].filters[0].description, "Tervane Files (*.NAT)");
  EXPECT_EQ(Project().input.slopeHeight, 9.5);
  EXPECT_EQ(Project().projectPath, path);
  EXPECT_EQ(Project().inputChangedSinceRun, 1);
  ASSERT_NE(App().startDialog, nullptr);
  EXPECT_EQ(Frame()->Title(), "Tervane - saved.NAT");
  Frame()->Command(fw::ID_FILE_CLOSE);  // not modified: no question
  EXPECT_TRUE(fakes_.messageBox.Texts().empty());

  const std::string bad = home_.File("bad.NAT");
  std::ofstream(bad, std::ios::binary) << "not a project";
  Project().input.slopeHeight = 4.0;
  fakes_.fileDialogs.QueueOpen(bad);
  Frame()->Command(fw::ID_FILE_OPEN);
  EXPECT_EQ(fakes_.messageBox.Texts(), (std::vector<std::string>{kUnexpectedFileFormat}));
  EXPECT_EQ(Project().input.slopeHeight, 4.0);
  EXPECT_EQ(App().Documents().DocumentCount(), 0u);
  EXPECT_EQ(App().startDialog, nullptr);
  EXPECT_EQ(Project().documentOpen, 0);
  EXPECT_EQ(App().RecentFiles().Entries(), (std::vector<std::string>{path}));
}

TEST_F(ShellTest, TheRecentFilesKeepSixAcrossRestartsAndLoseAFileThatCannotBeOpened) {
  std::vector<std::string> paths;
  {
    ASSERT_TRUE(Start());
    for (int i = 1; i <= 7; ++i) {
      paths.push_back(WriteProject("p" + std::to_string(i) + ".NAT"));
      fakes_.fileDialogs.QueueOpen(paths.back());
      Frame()->Command(fw::ID_FILE_OPEN);
      Frame()->Command(fw::ID_FILE_CLOSE);
    }
  }
  // A second start reads them back.
  ScopedApp restarted;
  ASSERT_TRUE(Start());
  const std::vector<std::string> expected = {paths[6], paths[5], paths[4], paths[3], paths[2], paths[1]};
  EXPECT_EQ(App().RecentFiles().Entries(), expected);
  std::vector<std::string> file = Frame()->PopupTexts("&File");
  ASSERT_EQ(file.size(), 13u);
  EXPECT_EQ(file[5], "&1 " + fw::AbbreviatePath(paths[6], 30));
  EXPECT_EQ(file[10], "&6 " + fw::AbbreviatePath(paths[1], 30));

  // The third entry opens its file (and moves first).
  Frame()->Command(fw::ID_FILE_MRU_FILE1 + 2);
  EXPECT_EQ(Project().projectPath, paths[4]);
  EXPECT_EQ(App().RecentFiles().Entries().front(), paths[4]);
  Frame()->Command(fw::ID_FILE_CLOSE);

  // A file that has gone: the message, and the entry leaves the list for good.
  std::filesystem::remove(paths[3]);
  Frame()->Command(fw::ID_FILE_MRU_FILE1 + 3);
  ASSERT_EQ(fakes_.messageBox.Texts().size(), 1u);
  EXPECT_NE(fakes_.messageBox.Texts()[0].find(paths[3]), std::string::npos);
  EXPECT_EQ(App().Documents().DocumentCount(), 0u);
  EXPECT_EQ(App().RecentFiles().Entries().size(), 5u);
  fw::RecentFileList reread(6);
  reread.Load(fw::Profile(home_.ProfilePath()));
  EXPECT_EQ(reread.Entries(), App().RecentFiles().Entries());
}

TEST_F(ShellTest, AFailedSaveLeavesTheOldFileByteForByteAndThePathAsItWas) {
  ASSERT_TRUE(Start());
  Frame()->Command(fw::ID_FILE_NEW);
  const std::string path = home_.File("kept.NAT");
  fakes_.fileDialogs.QueueSave(path);
  Frame()->Command(fw::ID_FILE_SAVE_AS);
  const std::string before = shelltest::ReadBytes(path);
  ASSERT_FALSE(before.empty());

  Project().input.slopeHeight = 12.0;
  MarkActiveDocumentModified();
  // Files may grow to 4 KB only: every save of a project fails, also for root.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  Frame()->Command(fw::ID_FILE_SAVE);
  const std::string other = home_.File("other.NAT");
  fakes_.fileDialogs.QueueSave(other);
  Frame()->Command(fw::ID_FILE_SAVE_AS);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(shelltest::ReadBytes(path), before);
  EXPECT_FALSE(std::filesystem::exists(other));
  ASSERT_EQ(fakes_.messageBox.Texts().size(), 2u);
  EXPECT_EQ(fakes_.messageBox.Texts()[0].rfind(fw::kFailedToSave, 0), 0u);
  // The project still names the file it was last saved in.
  EXPECT_EQ(Project().projectPath, path);
  EXPECT_EQ(fw::ActiveDocument()->PathName(), path);
  EXPECT_TRUE(fw::ActiveDocument()->IsModified());
  for (const auto& entry : std::filesystem::directory_iterator(home_.Root()))
    EXPECT_EQ(entry.path().filename().string().find(".XXXXXX"), std::string::npos);
}

TEST_F(ShellTest, PrintingWaitsForResultsAndPrintsTheReportsPages) {
  const std::string path = WriteProject("layout.NAT", 4, 40);
  ASSERT_TRUE(Start());
  Frame()->Command(fw::ID_FILE_NEW);
  EXPECT_FALSE(Frame()->CommandStateOf(fw::ID_FILE_PRINT).enabled);
  Frame()->Command(fw::ID_FILE_PRINT);
  EXPECT_TRUE(printing_.PrintCalls().empty());
  Frame()->Command(fw::ID_FILE_CLOSE);

  fakes_.fileDialogs.QueueOpen(path);
  Frame()->Command(fw::ID_FILE_OPEN);
  EXPECT_EQ(Project().resultsAvailable, 1);
  EXPECT_TRUE(Frame()->CommandStateOf(fw::ID_FILE_PRINT).enabled);
  EXPECT_TRUE(Enabled(fw::ID_FILE_PRINT_PREVIEW));
  printing_.QueueAnswer(true);
  Frame()->Command(fw::ID_FILE_PRINT);
  ASSERT_EQ(printing_.PrintCalls().size(), 1u);
  EXPECT_EQ(printing_.PrintCalls()[0].maxPage, 8);  // 40 layers in the last run
  ASSERT_EQ(printing_.Jobs().size(), 1u);
  EXPECT_EQ(printing_.Jobs()[0].pages, 8);
  EXPECT_EQ(printing_.Jobs()[0].lines.front(), "StartDoc \"layout.NAT\"");

  // Print Preview hides the main menu in the client area until it ends.
  Frame()->Command(fw::ID_FILE_PRINT_PREVIEW);
  ASSERT_NE(Frame()->Preview(), nullptr);
  EXPECT_FALSE(App().startDialog->IsWindowVisible());
  EXPECT_EQ(Frame()->Preview()->PageCount(), 8);
  Frame()->Preview()->Close();
  EXPECT_EQ(Frame()->Preview(), nullptr);
  EXPECT_TRUE(App().startDialog->IsWindowVisible());

  // Closing the project disables printing again.
  Frame()->Command(fw::ID_FILE_CLOSE);
  EXPECT_EQ(Project().resultsAvailable, 0);
  EXPECT_FALSE(Frame()->CommandStateOf(fw::ID_FILE_PRINT).enabled);
}

// A file whose results hold a NaN or an infinity opens with its input; the
// results are gone, so the main menu asks for a run and shows nothing of them,
// and nothing prints, until a run makes new ones.
TEST_F(ShellTest, AFileWithNonFiniteResultsOpensAsAProjectThatNeedsARun) {
  std::string path;
  {
    auto data = std::make_unique<ProjectData>();
    data->input.layerCount = 4;
    data->input.slopeHeight = 7.5;
    data->input.projectTitle = "Kept title";
    data->results.resultLayerCount = 4;
    data->results.deepSeatedFactor = std::numeric_limits<double>::quiet_NaN();
    data->results.requiredTiebackStrength[2] = std::numeric_limits<double>::infinity();
    std::string error;
    path = home_.File("nan.NAT");
    ASSERT_TRUE(SaveProjectFile(path, *data, error)) << error;
  }
  ASSERT_TRUE(Start());
  Project().inputChangedSinceRun = 0;
  fakes_.fileDialogs.QueueOpen(path);
  Frame()->Command(fw::ID_FILE_OPEN);
  EXPECT_TRUE(fakes_.messageBox.Texts().empty());
  EXPECT_EQ(Project().input.slopeHeight, 7.5);
  EXPECT_EQ(Project().input.layerCount, 4);
  EXPECT_EQ(Project().input.projectTitle, "Kept title");
  EXPECT_EQ(Project().results.resultLayerCount, 0);
  EXPECT_EQ(Project().results.deepSeatedFactor, 0.0);
  EXPECT_EQ(Project().resultsDropped, 1);
  EXPECT_EQ(Project().inputChangedSinceRun, 1);
  EXPECT_EQ(Project().resultsAvailable, 0);
  const fw::DialogRecord* menu = session_.Find("IDD_START");
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->Enabled(res::kRunOptimizedId));
  EXPECT_TRUE(menu->Enabled(res::kRunUserSpecifiedId));  // the layout can be run again
  for (int id : {res::kViewTablesId, res::kViewLayoutId, res::kQuantitiesId, res::kSaveResultsAsTextId})
    EXPECT_FALSE(menu->Enabled(id)) << id;
  ASSERT_TRUE(session_.Drive(*App().startDialog, Script().Paint()));
  const std::vector<std::string>& lines = session_.Find("IDD_START")->lastPaint;
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[4], "TextOut 272 48 \"Tervane must be run to ensure correspondance between input data and results\"");
  EXPECT_FALSE(Frame()->CommandStateOf(fw::ID_FILE_PRINT).enabled);
  EXPECT_FALSE(Enabled(fw::ID_FILE_PRINT_PREVIEW));
  Frame()->Command(fw::ID_FILE_CLOSE);

  // Printing it from the command line is refused as a project without results.
  ScopedApp again;
  EXPECT_FALSE(Start({"/p", path}));
  EXPECT_EQ(App().ExitCode(), 1);
  EXPECT_TRUE(printing_.Jobs().empty());
  EXPECT_EQ(fakes_.messageBox.Texts(), (std::vector<std::string>{CTervaneApp::kNothingToPrintMessage}));
}

TEST_F(ShellTest, TheCommandLineOpensAFileOrEndsWithTheFrameworksMessage) {
  const std::string path = WriteProject("cmd.NAT", 0, 0, 5.5);
  {
    ASSERT_TRUE(Start({path}));
    EXPECT_EQ(Project().input.slopeHeight, 5.5);
    EXPECT_NE(App().startDialog, nullptr);
    EXPECT_EQ(Frame()->State(), fw::ShowState::Maximized);
  }
  ScopedApp again;
  EXPECT_FALSE(Start({home_.File("missing.NAT")}));
  EXPECT_EQ(App().ExitCode(), 1);
  ASSERT_EQ(fakes_.messageBox.Texts().size(), 1u);
  EXPECT_NE(fakes_.messageBox.Texts()[0].find("missing.NAT"), std::string::npos);
}

TEST_F(ShellTest, DirectPrintingFromTheCommandLinePrintsAndEndsAndIsRefusedWithoutResults) {
  const std::string empty = WriteProject("empty.NAT");
  const std::string layout = WriteProject("layout.NAT", 3, 80);
  {
    EXPECT_FALSE(Start({"/p", empty}));
    EXPECT_EQ(App().ExitCode(), 1);
    EXPECT_TRUE(printing_.Jobs().empty());
    EXPECT_EQ(fakes_.messageBox.Texts(), (std::vector<std::string>{CTervaneApp::kNothingToPrintMessage}));
    EXPECT_EQ(Frame()->State(), fw::ShowState::Hidden);
  }
  {
    ScopedApp second;
    EXPECT_FALSE(Start({"/p", layout}));
    EXPECT_EQ(App().ExitCode(), 0);
    ASSERT_EQ(printing_.Jobs().size(), 1u);
    EXPECT_EQ(printing_.Jobs()[0].request, "direct:");
    EXPECT_EQ(printing_.Jobs()[0].pages, 10);
    EXPECT_EQ(App().Documents().DocumentCount(), 0u);
  }
  {
    ScopedApp third;
    EXPECT_FALSE(Start({"/pt", layout, "/tmp/report.pdf"}));
    ASSERT_EQ(printing_.Jobs().size(), 2u);
    EXPECT_EQ(printing_.Jobs()[1].request, "direct:/tmp/report.pdf");
  }
  {
    // No printer to be had: the program ends with a failure.
    ScopedApp fourth;
    printing_.directAvailable = false;
    EXPECT_FALSE(Start({"/p", layout}));
    EXPECT_EQ(App().ExitCode(), 1);
    EXPECT_EQ(fakes_.messageBox.Texts().back(), fw::kNoPrinter);
  }
  EXPECT_TRUE(printing_.PrintCalls().empty());  // no Print dialog on any of these
}

TEST_F(ShellTest, TheSplashClosesAtTheFirstKeyOrMousePressWhichItConsumes) {
  for (fw::InputKind kind : {fw::InputKind::KeyDown, fw::InputKind::SysKeyDown, fw::InputKind::LeftButtonDown,
                             fw::InputKind::NcRightButtonDown}) {
    ScopedApp app;
    ASSERT_TRUE(Start());
    fw::HeadlessSplashBackend* splash = fw::HeadlessSplashBackend::Current();
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->PictureId(), 102);
    EXPECT_EQ(splash->TimerMilliseconds(), 60000);
    EXPECT_EQ(splash->Owner(), App().MainFrame()->Backend());
    EXPECT_TRUE(splash->Press(kind));
    EXPECT_EQ(fw::HeadlessSplashBackend::Current(), nullptr);
    EXPECT_EQ(CSplashWindow::Current(), nullptr);
    EXPECT_FALSE(CSplashWindow::HideSplashOnInput(kind));  // the next press goes where it was meant to
  }
  ScopedApp timed;
  ASSERT_TRUE(Start());
  fw::HeadlessSplashBackend::Current()->FireTimer();
  EXPECT_EQ(fw::HeadlessSplashBackend::Current(), nullptr);
}

TEST_F(ShellTest, HelpOpensTheDefaultPageOrSaysThatItIsNotInstalled) {
  ASSERT_TRUE(Start());
  for (int id : {fw::ID_HELP_FINDER, fw::ID_HELP, fw::ID_CONTEXT_HELP}) Frame()->Command(id);
  EXPECT_EQ(fakes_.help.Requests(), std::vector<std::string>(3, Project().helpFilePath));
  EXPECT_TRUE(fakes_.messageBox.Texts().empty());
  fakes_.help.succeed = false;
  Frame()->Command(fw::ID_HELP_FINDER);
  EXPECT_EQ(fakes_.messageBox.Texts(), (std::vector<std::string>{CTervaneApp::kHelpNotInstalledMessage}));
}

TEST_F(ShellTest, TheCalculatorIsTheFirstOneInstalledOrNothing) {
  ASSERT_TRUE(Start());
  const std::filesystem::path bin = home_.Root() / "bin";
  std::filesystem::create_directories(bin);
  shelltest::ScopedEnv path("PATH", bin.string());
  // (The start-up may have asked the desktop's tools to read its file type.)
  const std::size_t before = fakes_.shell.StartedPrograms().size();
  Frame()->Command(res::ID_CALCULATOR);
  EXPECT_EQ(fakes_.shell.StartedPrograms().size(), before);
  for (const char* name : {"xcalc", "galculator"}) {
    std::ofstream(bin / name) << "#!/bin/sh\n";
    ::chmod((bin / name).c_str(), 0755);
  }
  Frame()->Command(res::ID_CALCULATOR);
  ASSERT_EQ(fakes_.shell.StartedPrograms().size(), before + 1);
  EXPECT_EQ(fakes_.shell.StartedPrograms().back().program, (bin / "galculator").string());
  EXPECT_TRUE(fakes_.shell.StartedPrograms().back().arguments.empty());
}

TEST_F(ShellTest, ExitAsksForAChangedProjectAndCancelKeepsTheProgramRunning) {
  ASSERT_TRUE(Start());
  Frame()->Command(fw::ID_FILE_NEW);
  MarkActiveDocumentModified();
  fakes_.messageBox.QueueAnswer(fw::IDCANCEL);
  Frame()->Command(fw::ID_APP_EXIT);
  EXPECT_TRUE(App().MainFrame()->IsWindow());
  EXPECT_EQ(App().Documents().DocumentCount(), 1u);
  fakes_.messageBox.QueueAnswer(fw::IDNO);
  Frame()->CloseBox();
  EXPECT_FALSE(App().MainFrame()->IsWindow());
  EXPECT_EQ(App().Documents().DocumentCount(), 0u);
  EXPECT_EQ(App().startDialog, nullptr);
  EXPECT_EQ(fakes_.messageBox.Texts(), std::vector<std::string>(2, "Save changes to Tervane1?"));
}

TEST_F(ShellTest, AboutLeadsToTheContactAndDisclaimerDialogs) {
  ASSERT_TRUE(Start());
  session_.Queue(Script()
                     .Click(res::kContactButtonId)
                     .Answer(Script().Click(fw::IDOK))
                     .Click(res::kDisclaimerButtonId)
                     .Answer(Script().Enter())
                     .Click(fw::IDOK));
  Frame()->Command(fw::ID_APP_ABOUT);
  const fw::DialogRecord* about = session_.Find("IDD_ABOUTBOX");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->caption, "About Tervane");
  EXPECT_EQ(about->background, fw::RGB(255, 255, 255));
  EXPECT_EQ(about->Text(res::kAboutCompanyId), res::kMakerName);
  EXPECT_EQ(about->result, fw::IDOK);
  ASSERT_NE(session_.Find("IDD_CONTACT_INFO"), nullptr);
  EXPECT_EQ(session_.Find("IDD_CONTACT_INFO")->background, fw::RGB(179, 255, 179));
  EXPECT_EQ(session_.Find("IDD_CONTACT_INFO")->depth, 1);
  ASSERT_NE(session_.Find("IDD_DISCLAIMER"), nullptr);
  EXPECT_EQ(session_.Find("IDD_DISCLAIMER")->result, fw::IDOK);
}

TEST_F(ShellTest, TheNoticeOpensTheMakersPagesAndTheDisclaimer) {
  ASSERT_TRUE(Start({}, Script()
                            .Click(res::kHomePageButtonId)
                            .Click(res::kUpdatePageButtonId)
                            .Click(res::kDisclaimerButtonId)
                            .Answer(Script().Click(fw::IDOK))
                            .Click(fw::IDOK)));
  EXPECT_EQ(fakes_.shell.Opened(), (std::vector<std::string>{res::kMakerHomePage, res::kMakerUpdatePage}));
  const fw::DialogRecord* notice = session_.Find("IDD_INTRO");
  EXPECT_EQ(notice->result, fw::IDOK);
  EXPECT_EQ(notice->caption, "");
  EXPECT_EQ(notice->Text(res::kIntroCompanyId), res::kMakerName);
  EXPECT_EQ(notice->Text(res::kIntroReservedId), "All Rights Reserved");
  EXPECT_NE(session_.Find("IDD_DISCLAIMER"), nullptr);
}

TEST(HelpPathTest, OnlyATrailingHlpBecomesChmAndTheCaseStays) {
  struct Case {
    const char* in;
    const char* out;
  };
  for (const Case& c : {Case{"/opt/Tervane/tervane.hlp", "/opt/Tervane/tervane.chm"},
                        Case{"/opt/My.HLP.Files/Tervane.HLP", "/opt/My.HLP.Files/Tervane.chm"},
                        Case{"/opt/x.hlp/tervane", "/opt/x.hlp/tervane"}, Case{"hlp", "hlp"}, Case{"", ""}}) {
    EXPECT_EQ(CTervaneApp::ChmHelpPath(c.in), c.out) << c.in;
  }
}

}  // namespace
}  // namespace tervane
