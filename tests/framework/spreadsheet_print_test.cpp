// Printing the spreadsheet: the codes of the print texts, the pages a sheet
// breaks into, the exact drawing of its pages, the print job through the
// print service, and the preview control drawing the very same pages.

#include "framework/SpreadsheetPrint.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/testing/RecordingDC.h"
#include "framework/Services.h"
#include "framework/Spreadsheet.h"
#include "framework/SpreadsheetPreview.h"
#include "support/GoldenFile.h"

namespace tervane::fw {
namespace {

void Put(Spreadsheet& s, int col, int row, int dispid, const Variant& v) {
  s.PutProperty(sheet::kActiveCol, Variant::I4(col));
  s.PutProperty(sheet::kActiveRow, Variant::I4(row));
  s.PutProperty(dispid, v);
}

// Two columns under a joined caption, two header rows, `rows` rows of values,
// alternate row colours, one red value and one ticked check box.
std::unique_ptr<Spreadsheet> SmallSheet(int rows) {
  auto s = std::make_unique<Spreadsheet>();
  s->PutProperty(sheet::kColumnHeaderRowCount, Variant::I4(2));
  s->PutProperty(sheet::kColumnCount, Variant::I4(2));
  s->Invoke(sheet::kAddCellSpan, {Variant::I4(1), Variant::I4(-1000), Variant::I4(2), Variant::I4(1)});
  s->Invoke(sheet::kAddCellSpan, {Variant::I4(0), Variant::I4(-1000), Variant::I4(1), Variant::I4(2)});
  Put(*s, 1, -1000, sheet::kText, Variant::Text("Strength"));
  Put(*s, 1, -999, sheet::kText, Variant::Text("Tr\n[ kN/m ]"));
  Put(*s, 2, -999, sheet::kText, Variant::Text("STATUS"));
  s->PutIndexedProperty(sheet::kColumnWidth, Variant::I4(1), Variant::R8(7));
  s->PutIndexedProperty(sheet::kColumnWidth, Variant::I4(2), Variant::R8(5));
  s->Invoke(sheet::kAlternateRowColors, {Variant::I4(0xFFFFCE), Variant::I4(0), Variant::I4(0xB9FFFF), Variant::I4(0)});
  for (int r = 1; r <= rows; ++r) {
    Put(*s, 1, r, sheet::kCellSetting168, Variant::I4(2));
    Put(*s, 1, r, sheet::kCellValue, Variant::Text(std::to_string(r) + ".25"));
    Put(*s, 2, r, sheet::kCellType, Variant::I4(kCellTypeCheckBox));
    Put(*s, 2, r, sheet::kText, Variant::Text(r == 2 ? "0" : "1"));
  }
  Put(*s, 1, 2, sheet::kForeColor, Variant::Color(0x0000FF));
  s->PutProperty(sheet::kRowCount, Variant::I4(rows));
  s->PutProperty(sheet::kPrintHeader, Variant::Text("/cSummary/rPage /p/n"));
  s->PutProperty(sheet::kPrintTitle, Variant::Text("/cC:/work/slope.NAT"));
  return s;
}

TEST(SpreadsheetPrintTest, PrintCodesPlaceTextsOnTheirLines) {
  using L = PrintTextLine;
  struct Case {
    const char* text;
    std::vector<PrintTextLine> lines;
  };
  const Case cases[] = {
      {"", {}},
      {"/cSummary of tabulated results/n/n", {L{"", "Summary of tabulated results", ""}, L{}}},
      {"/cC:\\project.NAT", {L{"", "C:\\project.NAT", ""}}},
      {"left/cmiddle/rPage /p", {L{"left", "middle", "Page 7"}}},
      {"a/nb/n", {L{"a", "", ""}, L{"b", "", ""}}},
      {"1//2 /x/", {L{"1/2 /x/", "", ""}}},
      {"/r/p/l/p", {L{"7", "", "7"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParsePrintCodes(c.text, 7), c.lines);
  }
}

TEST(SpreadsheetPrintTest, RowsBreakIntoPagesAndWideSheetsIntoBandsOfColumns) {
  // A results table: seven header rows, a two-line header and a title.
  Spreadsheet s;
  s.PutProperty(sheet::kColumnHeaderRowCount, Variant::I4(7));
  s.PutProperty(sheet::kColumnCount, Variant::I4(9));
  s.PutProperty(sheet::kPrintHeader, Variant::Text("/cSummary of tabulated results/n/n"));
  s.PutProperty(sheet::kPrintTitle, Variant::Text("/c/home/slope.NAT"));
  SheetPageSetup a4{11185, 16118, 360};
  // 16118 - 720 margin - 920 of print texts - 1680 of header rows: 53 rows.
  EXPECT_EQ(PaginateSheet(s, a4), (std::vector<SheetPage>{{1, 53, 1, 9}, {54, 100, 1, 9}}));
  s.PutProperty(sheet::kRowCount, Variant::I4(53));
  EXPECT_EQ(PaginateSheet(s, a4), (std::vector<SheetPage>{{1, 53, 1, 9}}));
  s.PutProperty(sheet::kRowCount, Variant::I4(0));
  EXPECT_EQ(PaginateSheet(s, a4), (std::vector<SheetPage>{{1, 0, 1, 9}}));  // the header alone

  // Twenty columns 11 wide (1238 twips): eight fit beside the row numbers.
  s.PutProperty(sheet::kColumnCount, Variant::I4(20));
  s.PutIndexedProperty(sheet::kColumnWidth, Variant::I4(-1), Variant::R8(11));
  s.PutProperty(sheet::kRowCount, Variant::I4(60));
  EXPECT_EQ(PaginateSheet(s, a4), (std::vector<SheetPage>{{1, 53, 1, 8},
                                                          {54, 60, 1, 8},
                                                          {1, 53, 9, 16},
                                                          {54, 60, 9, 16},
                                                          {1, 53, 17, 20},
                                                          {54, 60, 17, 20}}));
  // A page too small for one row still takes one row per page, and a column
  // wider than the page a band of its own: every row and column prints.
  SheetPageSetup tiny{1000, 1000, 360};
  s.PutProperty(sheet::kColumnCount, Variant::I4(2));
  s.PutProperty(sheet::kRowCount, Variant::I4(2));
  EXPECT_EQ(PaginateSheet(s, tiny),
            (std::vector<SheetPage>{{1, 1, 1, 1}, {2, 2, 1, 1}, {1, 1, 2, 2}, {2, 2, 2, 2}}));
}

std::string PageLogs(const Spreadsheet& s, const SheetPageSetup& setup) {
  const std::vector<SheetPage> pages = PaginateSheet(s, setup);
  std::string out;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    RecordingDC dc;
    PaintSheetPage(dc, s, setup, pages, i);
    out += "--- page " + std::to_string(i + 1) + "\n" + dc.Text();
  }
  return out;
}

TEST(SpreadsheetPrintTest, PagesAreDrawnExactly) {
  // Two pages: the header texts, header rows and row numbers repeat on the
  // second; joined cells, alternate colours, the red value, the check boxes.
  auto s = SmallSheet(6);
  const SheetPageSetup setup{4000, 3000, 360};
  ASSERT_EQ(PaginateSheet(*s, setup).size(), 2u);
  golden::ExpectGolden(PageLogs(*s, setup), "sheet_pages.log");
}

// A printer that records its pages into a log the test keeps.
class RecordingPrinter final : public PrintService {
 public:
  struct Dc final : RecordingDC {
    Dc(const Options& o, std::vector<std::string>* sink) : RecordingDC(o), sink_(sink) {}
    ~Dc() override { *sink_ = Lines(); }
    std::vector<std::string>* sink_;
  };

  PrinterSelection PrintSetup() override { return {}; }
  PrinterSelection Print(const PrintDialogOptions& options) override {
    asked.push_back(options);
    if (cancel) return {};
    RecordingDC::Options o;
    o.dpiX = o.dpiY = 96;
    o.deviceSize = Size{250, 200};  // 3750 x 3000 twips
    o.printer = printer;
    PrinterSelection selection;
    selection.dc = std::make_unique<Dc>(o, &lines);
    selection.page.pageWidth = 250;
    selection.page.pageHeight = 200;
    selection.page.dpiX = selection.page.dpiY = 96;
    selection.page.fromPage = from;
    selection.page.toPage = to;
    return selection;
  }

  std::vector<PrintDialogOptions> asked;
  std::vector<std::string> lines;
  bool cancel = false;
  bool printer = true;
  int from = 1;
  int to = 99;
};

int Count(const std::vector<std::string>& lines, const std::string& what) {
  int n = 0;
  for (const std::string& l : lines) n += l.rfind(what, 0) == 0 ? 1 : 0;
  return n;
}

TEST(SpreadsheetPrintTest, PrintSheetPrintsTheChosenPagesThroughThePrintService) {
  RecordingPrinter printer;
  Services services;
  services.printing = &printer;
  ScopedServices scoped(services);
  auto s = SmallSheet(6);

  // All pages: the dialog offers the pages of the current page setup.
  EXPECT_EQ(s->Invoke(sheet::kPrintSheet, {Variant::I4(1)}), Variant::Bool(true));
  ASSERT_EQ(printer.asked.size(), 1u);
  EXPECT_EQ(printer.asked[0].minPage, 1);
  EXPECT_EQ(Count(printer.lines, "StartDoc \"Tervane\""), 1);
  EXPECT_EQ(Count(printer.lines, "EndPage"), 2);
  EXPECT_EQ(Count(printer.lines, "EndDoc"), 1);
  // The page of that printer is the preview's from now on.
  EXPECT_EQ(CurrentSheetPageSetup(), (SheetPageSetup{3750, 3000, 360}));
  // The printed pages are the pages drawn for that setup.
  std::string printed;
  for (const std::string& l : printer.lines) printed += l + "\n";
  EXPECT_NE(printed.find("TextOut 184 24 \"Page 2\""), std::string::npos) << printed;

  // Page 2 alone.
  printer.from = printer.to = 2;
  EXPECT_TRUE(s->Invoke(sheet::kPrintSheet, {Variant::I4(1)}).AsBool());
  EXPECT_EQ(Count(printer.lines, "EndPage"), 1);

  EXPECT_EQ(s->LastPrintOutcome(), SheetPrintOutcome::kPrinted);

  // Cancelled, or a device that cannot print: reported, nothing printed; the
  // sheet tells the one from the other.
  printer.cancel = true;
  EXPECT_EQ(s->Invoke(sheet::kPrintSheet, {Variant::I4(1)}), Variant::Bool(false));
  EXPECT_EQ(s->LastPrintOutcome(), SheetPrintOutcome::kCancelled);
  printer.cancel = false;
  printer.printer = false;
  EXPECT_EQ(s->Invoke(sheet::kPrintSheet, {Variant::I4(1)}), Variant::Bool(false));
  EXPECT_EQ(s->LastPrintOutcome(), SheetPrintOutcome::kFailed);
  EXPECT_EQ(Count(printer.lines, "EndPage"), 0);
}

// A text too wide for its cell: in a joined header cell with room for more
// lines it goes on at its blanks; in a cell of one row it is cut; with cell
// setting 373 at 3 it is drawn in letters small enough to fit.
TEST(SpreadsheetPrintTest, TextsTooWideForTheirCellWrapShrinkOrAreCut) {
  Spreadsheet s;
  s.PutProperty(sheet::kColumnHeaderRowCount, Variant::I4(3));
  s.PutProperty(sheet::kColumnCount, Variant::I4(2));
  s.PutProperty(sheet::kRowCount, Variant::I4(1));
  s.Invoke(sheet::kAddCellSpan, {Variant::I4(1), Variant::I4(-1000), Variant::I4(1), Variant::I4(3)});
  s.Invoke(sheet::kAddCellSpan, {Variant::I4(2), Variant::I4(-1000), Variant::I4(1), Variant::I4(3)});
  s.PutIndexedProperty(sheet::kColumnWidth, Variant::I4(1), Variant::R8(7));
  s.PutIndexedProperty(sheet::kColumnWidth, Variant::I4(2), Variant::R8(3));
  Put(s, 1, -1000, sheet::kText, Variant::Text("Mode of Failure"));
  Put(s, 2, -1000, sheet::kText, Variant::Text("STATUS"));
  Put(s, 1, 1, sheet::kText, Variant::Text("Compound Compound"));
  auto texts = [&s] {
    RecordingDC dc;
    PaintSheetCells(dc, s, {1, 2}, {-1000, -999, -998, 1}, Point{0, 0});
    std::vector<std::string> out;
    for (const std::string& l : dc.Lines())
      if (l.rfind("TextOut", 0) == 0 || l.rfind("SelectFont", 0) == 0) out.push_back(l);
    return out;
  };
  // Columns of 53 and 22 pixels at 96 dpi; letters of 6 pixels in the recording device.
  EXPECT_EQ(texts(), (std::vector<std::string>{
                         "SelectFont \"MS Sans Serif\" height=-11 weight=400 italic=0 charset=0",
                         "TextOut 5 13 \"Mode of\"", "TextOut 5 24 \"Failure\"", "TextOut 57 18 \"ST\"",
                         "TextOut 3 50 \"Compoun\""}));
  Put(s, 2, -1000, sheet::kCellSetting373, Variant::I4(kShrinkToFit));
  const std::vector<std::string> shrunk = texts();
  // Smaller in proportion, then a step more where the letters still do not fit.
  EXPECT_EQ(std::vector<std::string>(shrunk.begin() + 3, shrunk.end() - 1),
            (std::vector<std::string>{"SelectFont \"MS Sans Serif\" height=-5 weight=400 italic=0 charset=0",
                                      "SelectFont \"MS Sans Serif\" height=-4 weight=400 italic=0 charset=0",
                                      "TextOut 57 22 \"STATUS\"",
                                      "SelectFont \"MS Sans Serif\" height=-11 weight=400 italic=0 charset=0"}));
}

TEST(SpreadsheetPrintTest, ThePreviewDrawsThePagesThatPrint) {
  auto s = SmallSheet(40);
  SpreadsheetPreview preview;
  EXPECT_TRUE(preview.Pages().empty());  // no source yet
  preview.PutProperty(preview::kSourceWindow, s->GetProperty(sheet::kHWnd));
  preview.PutProperty(preview::kColor, Variant::Color(0x80FFFF));
  preview.PutProperty(preview::kSetting12, Variant::I4(3));
  preview.PutProperty(preview::kSetting17, Variant::I2(3));
  EXPECT_EQ(preview.PreviewColor(), RGB(255, 255, 128));
  EXPECT_EQ(preview.Setting(preview::kSetting17), Variant::I2(3));
  EXPECT_EQ(preview.Source(), s.get());

  const SheetPageSetup setup = CurrentSheetPageSetup();
  const std::vector<SheetPage> pages = PaginateSheet(*s, setup);
  ASSERT_EQ(preview.Pages(), pages);
  for (std::size_t i = 0; i < pages.size(); ++i) {
    RecordingDC shown, printed;
    preview.PaintPage(shown, i);
    PaintSheetPage(printed, *s, setup, pages, i);
    EXPECT_EQ(shown.Lines(), printed.Lines());
    EXPECT_FALSE(shown.Lines().empty());
  }
  EXPECT_EQ(preview.CallLog(), (std::vector<std::string>{
                                   "PreviewSourceWindow(6) = I4 " + std::to_string(s->WindowHandle()),
                                   "PreviewColor(2) = COLOR 0x80FFFF",
                                   "PreviewSetting12(12) = I4 3",
                                   "PreviewSetting17(17) = I2 3",
                               }));
  // When the sheet goes, the preview shows nothing.
  s.reset();
  EXPECT_TRUE(preview.Pages().empty());
  RecordingDC dc;
  preview.PaintPage(dc, 0);
  EXPECT_TRUE(dc.Lines().empty());
}

}  // namespace
}  // namespace tervane::fw
