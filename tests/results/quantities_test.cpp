// The quantities dialog: what it shows for the last run, the checks of the
// unit cost, RETURN, the text file byte for byte and the printed page call by
// call.

#include "results/QuantitiesDlg.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/RunFixture.h"
#include "ResultsTestSupport.h"
#include "model/ProjectData.h"
#include "framework/testing/FakeServices.h"
#include "framework/testing/HeadlessBackend.h"
#include "framework/testing/RecordingDC.h"
#include "framework/Text.h"
#include "resources/DialogTemplates.h"
#include "resources/ExportDialogIds.h"
#include "results/ExportFiles.h"

namespace tervane {
namespace {

using fw::IDCANCEL;
using fw::IDOK;
using fw::Script;
using testing::ReadBytes;

constexpr int kRemarks = kQuantitiesRemarksId;
constexpr int kUnitCost = kQuantitiesUnitCostId;
constexpr int kTotal = kQuantitiesTotalCostId;

const std::string kCharacterMessage = "Error No.1100: Please insert a number and not a character.";
const std::string kTooLargeMessage = "Error No.1100: The total cost is too large to be calculated.";

// A printer that records the page: every call, kept when the device context
// is released at the end of the printout.
class RecordingPrinter : public fw::PrintService {
 public:
  class Dc : public fw::RecordingDC {
   public:
    Dc(const Options& options, std::vector<std::string>& sink) : RecordingDC(options), sink_(sink) {}
    ~Dc() override { sink_ = Lines(); }

   private:
    std::vector<std::string>& sink_;
  };

  fw::PrinterSelection PrintSetup() override {
    ++setups;
    if (cancel) return {};
    fw::RecordingDC::Options options;
    options.dpiX = options.dpiY = dpi;
    options.deviceSize = {dpi * 8, dpi * 11};
    options.printer = true;
    fw::PrinterSelection selection;
    selection.dc = std::make_unique<Dc>(options, lines);
    return selection;
  }
  fw::PrinterSelection Print(const fw::PrintDialogOptions&) override { return PrintSetup(); }

  int dpi = 600;
  bool cancel = false;
  int setups = 0;
  std::vector<std::string> lines;
};

class QuantitiesTest : public ::testing::Test {
 protected:
  QuantitiesTest() {
    fw::Services services = fakes.AsServices();
    services.printing = &printer;
    installed_ = std::make_unique<fw::ScopedServices>(services);
    // The last run: two layers of 5 m and 3 m.
    ProjectData& d = app_.project();
    d.results.resultLayerCount = 2;
    d.results.layerFrontX[0] = 1.0;
    d.results.layerRearX[0] = 6.0;
    d.results.layerFrontX[1] = 2.0;
    d.results.layerRearX[1] = 5.0;
    d.input.coverageRatio = 0.5;  // Q takes the coverage of the input
    d.runInput.coverageRatio = 1.0;
    d.input.currencyUnit = "\u20ac";
  }

  ProjectData& project() { return app_.project(); }

  // Runs the dialog with the script; returns its result.
  int Run(Script script) {
    session.Queue(std::move(script));
    CQuantitiesDlg dlg;
    return dlg.DoModal();
  }
  const fw::DialogRecord& Record() const { return *session.Find("IDD_QUANTITIES"); }

  ScopedProject app_;
  fw::HeadlessSession session;
  fw::ScopedFakeServices fakes;
  RecordingPrinter printer;
  std::unique_ptr<fw::ScopedServices> installed_;
  testing::ScratchDir dir;
};

TEST_F(QuantitiesTest, TheTemplateHasItsFieldsInTabOrder) {
  const fw::DialogTemplate& t = *FindDialogTemplate("IDD_QUANTITIES");
  EXPECT_EQ(t.number, 220);
  EXPECT_EQ(t.caption, "Calculated  quantities");
  EXPECT_EQ(t.width, 333);
  EXPECT_EQ(t.height, 134);
  EXPECT_TRUE(t.styles & fw::kContextHelp);
  EXPECT_EQ(t.DefaultButtonId(), IDOK);
  std::vector<int> tabStops;
  for (const fw::ControlTemplate& c : t.controls)
    if (c.flags & fw::kTabStop) tabStops.push_back(c.id);
  EXPECT_EQ(tabStops, (std::vector<int>{kRemarks, kUnitCost, IDOK, kQuantitiesPrintId, kQuantitiesSaveTextId}));
  EXPECT_TRUE(t.Find(kUnitCost)->flags & fw::kTextRight);
  EXPECT_EQ(t.Find(IDOK)->text, "&RETURN");
  EXPECT_EQ(t.Find(kQuantitiesPrintId)->text, "&Print");
  EXPECT_EQ(t.Find(kQuantitiesSaveTextId)->text, "&Save as text file");
}

// The quantity is that of the last run in the units of the run; the captions
// follow the symbol style; the currency and the coverage are those of the input.
TEST_F(QuantitiesTest, OpensWithTheQuantityOfTheLastRun) {
  struct Case {
    int symbolStyle;
    int runUnits;
    const char* area;
    const char* perArea;
    const char* quantity;
    const char* total;
  };
  for (const Case& c : {Case{0, 0, "m \u00b2 / m", "[ \u20ac ] / m \u00b2", "4.00", "10.00"},
                        Case{0, 1, "ft \u00b2 / ft", "[ \u20ac ] / ft \u00b2", "13.12", "32.81"},
                        Case{1, 0, "m^2 / m", "[ \u20ac ] / m^2", "4.00", "10.00"},
                        Case{1, 1, "ft^2 / ft", "[ \u20ac ] / ft^2", "13.12", "32.81"}}) {
    SCOPED_TRACE(c.area);
    fw::HeadlessSession local;
    project().settings.symbolStyle = c.symbolStyle;
    project().runInput.unitSystem = c.runUnits;
    project().input.unitSystem = 1 - c.runUnits;  // switched since the run: no effect
    project().quantitiesUnitCost = "2.5";
    project().quantitiesRemarks = "kept from before";
    local.Queue(Script().Escape());
    CQuantitiesDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    const fw::DialogRecord& r = *local.Find("IDD_QUANTITIES");
    EXPECT_EQ(r.Text(kQuantitiesAreaUnitId), c.area);
    EXPECT_EQ(r.Text(kQuantitiesUnitCostUnitId), c.perArea);
    EXPECT_EQ(r.Text(kQuantitiesCurrencyId), "[ \u20ac ]");
    EXPECT_EQ(r.Text(kQuantitiesQuantityId), c.quantity);
    EXPECT_EQ(r.Text(kUnitCost), "2.5");
    EXPECT_EQ(r.Text(kTotal), c.total);
    EXPECT_EQ(r.Text(kRemarks), "kept from before");
    EXPECT_FALSE(r.Visible(kDialogIdLabel));
    EXPECT_EQ(r.focusAtEnd, kRemarks);
  }
}

TEST_F(QuantitiesTest, NoLayersGiveNoQuantity) {
  project().results.resultLayerCount = 0;
  Run(Script().Escape());
  EXPECT_EQ(Record().Text(kQuantitiesQuantityId), "0.00");
  EXPECT_EQ(Record().Text(kTotal), "0.00");
}

// What each unit cost shows and what the checks say about it (Q = 4.00):
// while it is typed each of its first 15 characters that is not a digit or a
// point gets a message; RETURN checks those characters again and then the
// whole text, which must be one number whose total fits.
TEST_F(QuantitiesTest, UnitCostChecksAndTheTotalTheyLeave) {
  struct Case {
    std::string typed;
    std::vector<std::string> whileTyping;
    std::string total;
    std::vector<std::string> atReturn;
  };
  const std::string c = kCharacterMessage;
  const std::vector<Case> cases = {
      {"12", {}, "48.00", {}},
      {"12.5", {}, "50.00", {}},
      {"", {}, "0.00", {}},  // an empty unit cost costs nothing
      {".5", {}, "2.00", {}},
      {"12a", {c}, "48.00", {c}},
      {"-5", {c}, "-20.00", {c}},
      {"1,5", {c}, "4.00", {c}},
      {" 5", {c}, "20.00", {c}},
      {"1e5", {c}, "400000.00", {c}},
      {"abc", {c, c, c}, "0.00", {c, c, c}},
      {"\u20ac5", {c}, "0.00", {c}},  // one character, one message
      // Digits and points pass while typing; the whole text is one number
      // only at RETURN.
      {".", {}, "0.00", {c}},
      {"1.2.3", {}, "4.80", {c}},
      // Only the first 15 characters are looked at one by one.
      {"00000000000000x", {c}, "0.00", {c}},
      {"000000000000002x", {}, "8.00", {c}},
      {"0000000000000000000000000000000003abc", {}, "12.00", {c}},
      // Beyond single precision, and a total beyond it: the total stays empty.
      {std::string(40, '9'), {}, "", {kTooLargeMessage}},
      {"1" + std::string(38, '0'), {}, "", {kTooLargeMessage}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE("typed \"" + k.typed + "\"");
    fw::HeadlessSession local;
    std::string totalShown;
    CQuantitiesDlg dlg;
    Script script;
    script.Type(kUnitCost, k.typed);
    for (std::size_t i = 0; i < k.whileTyping.size(); ++i) script.Answer(Script().Enter());
    script.Inspect([&] { totalShown = dlg.totalCostText; });
    script.Click(IDOK);
    for (std::size_t i = 0; i < k.atReturn.size(); ++i) script.Answer(Script().Enter());
    if (!k.atReturn.empty()) script.Escape();
    local.Queue(script);
    const int result = dlg.DoModal();
    std::vector<std::string> all = k.whileTyping;
    all.insert(all.end(), k.atReturn.begin(), k.atReturn.end());
    EXPECT_EQ(testing::PolicingMessages(local), all);
    EXPECT_EQ(totalShown, k.total);
    EXPECT_EQ(result, k.atReturn.empty() ? IDOK : IDCANCEL);
    EXPECT_EQ(project().quantitiesUnitCost, k.atReturn.empty() ? k.typed : "0.00");  // a refused text is not kept
    project().quantitiesUnitCost = "0.00";
  }
}

// Typed key by key, ".75" is never refused on its way, and RETURN keeps it.
TEST_F(QuantitiesTest, ANumberTypedKeyByKeyIsNotRefusedOnItsWay) {
  Script script;
  script.Type(kUnitCost, ".").Type(kUnitCost, ".7").Type(kUnitCost, ".75").Click(IDOK);
  EXPECT_EQ(Run(script), IDOK);
  EXPECT_TRUE(testing::PolicingMessages(session).empty());
  EXPECT_EQ(Record().Text(kTotal), "3.00");
  EXPECT_EQ(project().quantitiesUnitCost, ".75");
}

TEST_F(QuantitiesTest, EveryBadCharacterIsReportedAtEveryChange) {
  Script script;
  script.Type(kUnitCost, "1").Type(kUnitCost, "12");
  script.Type(kUnitCost, "12a").Answer(Script().Enter());
  script.Type(kUnitCost, "12ab").Answer(Script().Enter()).Answer(Script().Enter());
  script.Type(kUnitCost, "12abc").Answer(Script().Enter()).Answer(Script().Enter()).Answer(Script().Enter());
  script.Escape();
  Run(script);
  EXPECT_EQ(testing::PolicingMessages(session), std::vector<std::string>(6, kCharacterMessage));
  EXPECT_EQ(Record().Text(kTotal), "48.00");
}

TEST_F(QuantitiesTest, ReturnKeepsAnAcceptedCostAndTheRemarks) {
  EXPECT_EQ(Run(Script().Type(kRemarks, "Wall 3, stage 2").Type(kUnitCost, "7.25").Click(IDOK)), IDOK);
  EXPECT_EQ(project().quantitiesUnitCost, "7.25");
  EXPECT_EQ(project().quantitiesRemarks, "Wall 3, stage 2");
  EXPECT_TRUE(testing::PolicingMessages(session).empty());
}

TEST_F(QuantitiesTest, ReturnWithARefusedCostStaysOpenAndKeepsNothing) {
  Script script;
  script.Type(kRemarks, "changed").Type(kUnitCost, "7x").Answer(Script().Enter());
  script.Click(IDOK).Answer(Script().Enter());
  script.Inspect([] {}).Escape();
  EXPECT_EQ(Run(script), IDCANCEL);
  EXPECT_EQ(testing::PolicingMessages(session), std::vector<std::string>(2, kCharacterMessage));
  EXPECT_EQ(project().quantitiesUnitCost, "0.00");
  EXPECT_EQ(project().quantitiesRemarks, "");
}

TEST_F(QuantitiesTest, EnterMovesBetweenTheTwoFields) {
  std::vector<int> focus;
  CQuantitiesDlg* dlg = nullptr;
  auto note = [&] { focus.push_back(dlg->FocusedControl()); };
  session.Queue(Script().Focus(kRemarks).Enter().Inspect(note).Enter().Inspect(note).Escape());
  CQuantitiesDlg d;
  dlg = &d;
  EXPECT_EQ(d.DoModal(), IDCANCEL);
  EXPECT_EQ(focus, (std::vector<int>{kUnitCost, kRemarks}));
}

TEST_F(QuantitiesTest, HelpOpensTheDefaultPage) {
  Run(Script().Help().Escape());
  EXPECT_EQ(fakes.help.Requests(), std::vector<std::string>{"<default>"});
}

// ---- the text file ---------------------------------------------------------------

std::string Blanks(int n) { return std::string(n, ' '); }

TEST(QuantitiesFile, UnitLinesByStyleAndUnits) {
  struct Case {
    int style, units;
    std::string line;
  };
  const Case cases[] = {
      {0, 0, Blanks(23) + "m\u00b2 / m." + Blanks(12) + "[$]/ m\u00b2" + Blanks(9) + "[$]"},
      {0, 1, Blanks(22) + "ft\u00b2 / ft." + Blanks(11) + "[$] / ft\u00b2" + Blanks(8) + "[$]"},
      {1, 0, Blanks(22) + "m^2 / m." + Blanks(12) + "[$]/ m^2" + Blanks(8) + "[$]"},
      {1, 1, Blanks(22) + "ft^2/ ft." + Blanks(11) + "[$] / ft^2" + Blanks(6) + "[$]"},
  };
  for (const Case& c : cases) {
    QuantitiesTable table;
    table.currency = "$";
    table.symbolStyle = c.style;
    table.unitSystem = c.units;
    const std::vector<std::string> lines = QuantitiesFileLines(table);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[8], c.line) << c.style << " " << c.units;
    EXPECT_EQ(Utf8Length(UnitTextsFor(c.style, c.units).fileUnitField), 42u);
  }
}

TEST_F(QuantitiesTest, SaveWritesTheGoldenFiles) {
  struct Case {
    int style, units;
    const char* cost;
    const char* golden;
  };
  for (const Case& c : {Case{0, 0, "12.5", "quantities_si_western.txt"},
                        Case{1, 1, "0.35", "quantities_english_asian.txt"}}) {
    SCOPED_TRACE(c.golden);
    testing::SetFixtureProject(project(), c.units);
    testing::RunProject(project(), 1);
    project().settings.symbolStyle = c.style;
    fw::HeadlessSession local;
    const std::string path = dir.File(c.golden);
    fakes.fileDialogs.QueueSave(path);
    // The remarks typed last are those written, though no other field changed since.
    local.Queue(Script()
                    .Type(kUnitCost, c.cost)
                    .Type(kRemarks, "Access road, north slope: geogrid \u00b0 type A")
                    .Click(kQuantitiesSaveTextId)
                    .Escape());
    CQuantitiesDlg dlg;
    dlg.DoModal();
    testing::ExpectGolden(ReadBytes(path), c.golden);
  }
  const fw::FileDialogOptions& o = fakes.fileDialogs.SaveCalls().at(0);
  EXPECT_EQ(o.proposedName, "*.txt");
  EXPECT_EQ(o.defaultExtension, "txt");
  EXPECT_TRUE(o.askOverwrite);
  EXPECT_TRUE(fakes.messageBox.Texts().empty());
}

TEST_F(QuantitiesTest, EveryDesktopLocaleSavesTheSameBytes) {
  testing::SetFixtureProject(project(), 0);
  testing::RunProject(project(), 1);
  for (const char* locale : testing::kDesktopLocales) {
    testing::ProcessLocale desktop(locale);
    if (!desktop.ok()) GTEST_SKIP() << locale << " is not installed (package locales-all)";
    const std::string path = dir.File(std::string(locale) + ".txt");
    fakes.fileDialogs.QueueSave(path);
    Run(Script()
            .Type(kUnitCost, "12.5")
            .Type(kRemarks, "Access road, north slope: geogrid \u00b0 type A")
            .Click(kQuantitiesSaveTextId)
            .Escape());
    testing::ExpectGolden(ReadBytes(path), "quantities_si_western.txt");
  }
}

// 16777217 has no single-precision value: it is read as 16777216.
TEST_F(QuantitiesTest, TheUnitCostIsReadInSinglePrecision) {
  project().results.resultLayerCount = 1;
  project().input.coverageRatio = 0.2;  // Q = 5 m x 0.2 = 1.00
  const std::string path = dir.File("pin.txt");
  fakes.fileDialogs.QueueSave(path);
  Run(Script().Type(kUnitCost, "16777217").Click(kQuantitiesSaveTextId).Escape());
  EXPECT_EQ(Record().Text(kTotal), "16777216.00");
  const std::string bytes = ReadBytes(path);
  EXPECT_NE(bytes.find("\r\n" + Blanks(7) + Blanks(16) + "1.00" + Blanks(9) + "16777216.00" + Blanks(5) +
                       "16777216.00\r\n"),
            std::string::npos)
      << bytes;
  EXPECT_EQ(ScanUnitCost("0.1").value(), 0.1f);
  EXPECT_EQ(ScanUnitCost("  7.5kg").value(), 7.5f);
  EXPECT_EQ(ScanUnitCost("x").value(), 0.0f);
  EXPECT_EQ(ScanUnitCost("1e-60").value(), 0.0f);
  EXPECT_FALSE(ScanUnitCost("1e39").has_value());
}

TEST_F(QuantitiesTest, SavingNeverReplacesTheProjectAndReportsFailures) {
  const std::string projectFile = dir.File("wall.NAT");
  std::ofstream(projectFile, std::ios::binary) << "project bytes";
  project().projectPath = projectFile;
  const std::string badPath = dir.File("missing folder/q.txt");
  fakes.fileDialogs.QueueSave(projectFile);
  fakes.fileDialogs.QueueSave(badPath);
  fakes.fileDialogs.QueueSave(std::nullopt);  // the second Save is cancelled
  bool stillOpen = false;
  CQuantitiesDlg* dlg = nullptr;
  session.Queue(Script()
                    .Click(kQuantitiesSaveTextId)
                    .Click(kQuantitiesSaveTextId)
                    .Inspect([&] { stillOpen = dlg->IsWindow(); })
                    .Escape());
  CQuantitiesDlg d;
  dlg = &d;
  d.DoModal();
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(ReadBytes(projectFile), "project bytes");
  EXPECT_EQ(fakes.messageBox.Texts(),
            (std::vector<std::string>{ExportProjectFileText(projectFile), ExportWriteFailureText(badPath) + "\n\nCannot create a file beside " + badPath + ": No such file or directory"}));
  EXPECT_EQ(fakes.fileDialogs.SaveCalls().size(), 3u);
}

// A unit cost that is not one number, or whose total is too large, is
// reported when it is to be written or printed, and nothing is written or
// printed.
TEST_F(QuantitiesTest, ACostThatIsNoNumberOrTooLargeIsReportedAndNotWrittenOrPrinted) {
  for (const auto& [typed, message] : {std::pair{std::string(40, '9'), kTooLargeMessage},
                                       std::pair{std::string("1.2.3"), kCharacterMessage}}) {
    SCOPED_TRACE(typed);
    fw::HeadlessSession local;
    const std::string path = dir.File("refused.txt");
    fakes.fileDialogs.QueueSave(path);
    Script script;
    script.Type(kUnitCost, typed);
    script.Click(kQuantitiesSaveTextId).Answer(Script().Enter());
    script.Click(kQuantitiesPrintId).Answer(Script().Enter());
    script.Escape();
    local.Queue(script);
    CQuantitiesDlg dlg;
    dlg.DoModal();
    EXPECT_EQ(testing::PolicingMessages(local), std::vector<std::string>(2, message));
    EXPECT_TRUE(fakes.fileDialogs.SaveCalls().empty());
    EXPECT_EQ(printer.setups, 0);
    EXPECT_FALSE(std::filesystem::exists(path));
  }
}

// ---- the printed page --------------------------------------------------------------

TEST_F(QuantitiesTest, PrintDrawsThePageAt600Dpi) {
  project().settings.symbolStyle = 0;
  Run(Script().Type(kUnitCost, "12.5").Type(kRemarks, "Wall 3").Click(kQuantitiesPrintId).Escape());
  // h = 100, u = 120, m = 300, y1 = 750.
  const std::vector<std::string> expected = {
      "StartDoc \"test\"",
      "SetMapMode text",
      "SetViewportOrg 100 100",
      "SetTextAlign left baseline",
      "StartPage",
      "SelectFont \"MS Sans Serif\" height=-100 weight=400 italic=0 charset=0",
      "SelectPen solid 10 RGB(0,0,0)",
      "TextOut 300 220 \"Wall 3\"",
      "MoveTo 300 750",
      "LineTo 3500 750",
      "TextOut 800 870 \" Area of reinforcement\"",
      "TextOut 1900 870 \" Cost per unit area\"",
      "TextOut 2900 870 \" Cost\"",
      "TextOut 800 990 \" per unit length of wall\"",
      "TextOut 1100 1110 \" m \u00b2 / m.\"",
      "TextOut 2200 1110 \"[ \u20ac ] / m \u00b2\"",
      "TextOut 2900 1110 \"[ \u20ac ]\"",
      "MoveTo 300 1230",
      "LineTo 3500 1230",
      "TextOut 800 1350 \"4.00\"",
      "TextOut 2300 1350 \"12.5\"",
      "TextOut 2900 1350 \"50.00\"",
      "MoveTo 300 1470",
      "LineTo 3500 1470",
      "SelectPen solid 0 RGB(0,0,0)",
      "SelectFont \"MS Sans Serif\" height=0 weight=400 italic=0 charset=0",
      "EndPage",
      "EndDoc",
  };
  EXPECT_EQ(printer.lines, expected);
  EXPECT_EQ(printer.setups, 1);
  EXPECT_TRUE(fakes.messageBox.Texts().empty());
}

TEST_F(QuantitiesTest, AtOtherResolutionsThePageKeepsItsProportions) {
  printer.dpi = 300;
  project().settings.symbolStyle = 1;
  project().runInput.unitSystem = 1;
  Run(Script().Click(kQuantitiesPrintId).Escape());
  // h = 50, u = 60, m = 150, y1 = 50 + 300 + 25.
  const std::vector<std::string>& lines = printer.lines;
  ASSERT_GE(lines.size(), 10u);
  EXPECT_EQ(lines[2], "SetViewportOrg 50 50");
  EXPECT_EQ(lines[5], "SelectFont \"MS Sans Serif\" height=-50 weight=400 italic=0 charset=0");
  EXPECT_EQ(lines[6], "SelectPen solid 5 RGB(0,0,0)");
  EXPECT_EQ(lines[7], "TextOut 150 110 \"\"");
  EXPECT_EQ(lines[8], "MoveTo 150 375");
  EXPECT_EQ(lines[9], "LineTo 1750 375");
  EXPECT_EQ(lines[14], "TextOut 550 555 \" ft^2 / ft.\"");
  EXPECT_EQ(lines[15], "TextOut 1100 555 \"[ \u20ac ] / ft^2\"");
}

TEST_F(QuantitiesTest, ACancelledPrinterSetupPrintsNothing) {
  printer.cancel = true;
  bool stillOpen = false;
  CQuantitiesDlg* dlg = nullptr;
  session.Queue(Script().Click(kQuantitiesPrintId).Inspect([&] { stillOpen = dlg->IsWindow(); }).Escape());
  CQuantitiesDlg d;
  dlg = &d;
  d.DoModal();
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(printer.setups, 1);
  EXPECT_TRUE(printer.lines.empty());
  EXPECT_TRUE(fakes.messageBox.Texts().empty());
}

}  // namespace
}  // namespace tervane
