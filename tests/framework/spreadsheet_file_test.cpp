// The spreadsheet's own file and the workbook export: exact bytes of a saved
// sheet, a faithful round trip, strict reading, reported failures, and a
// workbook that a spreadsheet reader (python3-openpyxl) opens with the merged
// header cells, the numbers, the texts, the fills and the font colours.

#include "framework/SpreadsheetFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "framework/Spreadsheet.h"
#include "support/Commands.h"
#include "support/GoldenFile.h"
#include "support/NumericLocale.h"

namespace tervane::fw {
namespace {

namespace fs = std::filesystem;

class SpreadsheetFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("tervane_sheet_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, ec);
    fs::remove_all(dir_, ec);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  fs::path dir_;
};

void Put(Spreadsheet& s, int col, int row, int dispid, const Variant& v) {
  s.PutProperty(sheet::kActiveCol, Variant::I4(col));
  s.PutProperty(sheet::kActiveRow, Variant::I4(row));
  s.PutProperty(dispid, v);
}

std::string ReadAll(const std::string& path) { return golden::ReadFile(path); }

// A results table in small: a joined caption over columns 1-2, captions and
// units, the row-number column joined over the header rows, alternate row
// colours, values, a text column and one red value.
std::unique_ptr<Spreadsheet> ResultsSheet() {
  auto s = std::make_unique<Spreadsheet>();
  s->PutProperty(sheet::kColumnHeaderRowCount, Variant::I4(3));
  s->PutProperty(sheet::kColumnCount, Variant::I4(3));
  s->Invoke(sheet::kAddCellSpan, {Variant::I4(1), Variant::I4(-1000), Variant::I4(2), Variant::I4(1)});
  s->Invoke(sheet::kAddCellSpan, {Variant::I4(0), Variant::I4(-1000), Variant::I4(1), Variant::I4(3)});
  s->Invoke(sheet::kAddCellSpan, {Variant::I4(3), Variant::I4(-1000), Variant::I4(1), Variant::I4(2)});
  Put(*s, 1, -1000, sheet::kText, Variant::Text("S t r e n g t h"));
  Put(*s, 1, -999, sheet::kText, Variant::Text("Required\nStrength,\nTr"));
  Put(*s, 2, -999, sheet::kText, Variant::Text("Elevation"));
  Put(*s, 3, -1000, sheet::kText, Variant::Text("Mode of Failure"));
  Put(*s, 1, -998, sheet::kText, Variant::Text("[ kN/m ]"));
  Put(*s, 2, -998, sheet::kText, Variant::Text("[ m.]"));
  Put(*s, 3, -998, sheet::kText, Variant::Text(" "));
  s->PutIndexedProperty(sheet::kColumnWidth, Variant::I4(1), Variant::R8(10));
  s->PutIndexedProperty(sheet::kColumnWidth, Variant::I4(2), Variant::R8(7));
  s->PutIndexedProperty(sheet::kColumnWidth, Variant::I4(3), Variant::R8(11));
  s->Invoke(sheet::kAlternateRowColors, {Variant::I4(0xFFFFCE), Variant::I4(0), Variant::I4(0xB9FFFF), Variant::I4(0)});
  const char* values[2][2] = {{"12.34", "0.50"}, {"7.00", "1.75"}};
  for (int r = 1; r <= 2; ++r) {
    for (int c = 1; c <= 2; ++c) {
      Put(*s, c, r, sheet::kCellSetting168, Variant::I4(2));
      Put(*s, c, r, sheet::kCellValue, Variant::Text(values[r - 1][c - 1]));
    }
    Put(*s, 3, r, sheet::kText, Variant::Text(r == 1 ? "Tieback" : "Compound"));
  }
  Put(*s, 1, 2, sheet::kForeColor, Variant::Color(0x0000FF));
  s->PutProperty(sheet::kRowCount, Variant::I4(2));
  s->PutProperty(sheet::kPrintHeader, Variant::Text("/cSummary \"of\" results/n/n"));
  return s;
}

TEST_F(SpreadsheetFileTest, ASavedSheetHoldsExactlyWhatItShows) {
  auto s = ResultsSheet();
  const std::string path = Path("temp_A.ss7");
  ASSERT_TRUE(s->Invoke(sheet::kSaveSheet, {Variant::Text(path), Variant::Bool(true)}).AsBool());
  EXPECT_EQ(ReadAll(path),
            "TERVANE-SHEET 1\n"
            "flag 1\n"
            "columns 3\n"
            "rows 2\n"
            "headerRows 3\n"
            "rowHeaderWidth 4\n"
            "width 1 10\n"
            "width 2 7\n"
            "width 3 11\n"
            "span 1 -1000 2 1\n"
            "span 0 -1000 1 3\n"
            "span 3 -1000 1 2\n"
            "alternate 0xFFFFCE 0x000000 0xB9FFFF 0x000000\n"
            "printHeader \"/cSummary \\\"of\\\" results/n/n\"\n"
            "cell 1 -1000 text 0 -1 -1 \"S t r e n g t h\"\n"
            "cell 3 -1000 text 0 -1 -1 \"Mode of Failure\"\n"
            "cell 1 -999 text 0 -1 -1 \"Required\\nStrength,\\nTr\"\n"
            "cell 2 -999 text 0 -1 -1 \"Elevation\"\n"
            "cell 1 -998 text 0 -1 -1 \"[ kN/m ]\"\n"
            "cell 2 -998 text 0 -1 -1 \"[ m.]\"\n"
            "cell 3 -998 text 0 -1 -1 \" \"\n"
            "cell 1 1 value 0 -1 2 \"12.34\"\n"
            "cell 2 1 value 0 -1 2 \"0.50\"\n"
            "cell 3 1 text 0 -1 -1 \"Tieback\"\n"
            "cell 1 2 value 0 0x0000FF 2 \"7.00\"\n"
            "cell 2 2 value 0 -1 2 \"1.75\"\n"
            "cell 3 2 text 0 -1 -1 \"Compound\"\n");

  // Read back and saved again: the same bytes.
  std::string error;
  std::unique_ptr<Spreadsheet> back = SpreadsheetFile::Load(path, error);
  ASSERT_NE(back, nullptr) << error;
  EXPECT_EQ(back->Text(1, -999), "Required\nStrength,\nTr");
  EXPECT_EQ(back->ForeColor(1, 2), RGB(255, 0, 0));
  EXPECT_EQ(back->BackColor(1, 2), RGB(255, 255, 185));
  EXPECT_EQ(back->Align(2, 1), CellAlign::Center);
  EXPECT_EQ(back->Spans(), s->Spans());
  ASSERT_TRUE(SpreadsheetFile::Save(*back, Path("again.ss7"), true));
  EXPECT_EQ(ReadAll(Path("again.ss7")), ReadAll(path));
}

TEST_F(SpreadsheetFileTest, AMalformedSheetFileIsRefusedWithItsLine) {
  const char* bad[] = {
      "",
      "TERVANE-SHEET 2\n",
      "TERVANE-SHEET 1\ncolumns 65\n",
      "TERVANE-SHEET 1\nrows -1\n",
      "TERVANE-SHEET 1\ncell 1 0 text 0 -1 -1 \"x\"\n",
      "TERVANE-SHEET 1\ncell 1 1 text 0 -1 -1 \"open\n",
      "TERVANE-SHEET 1\ncell 1 1 text 0 -1 -1 \"bad \\q escape\"\n",
      "TERVANE-SHEET 1\ncell 1 1 text 0 0xZZ -1 \"x\"\n",
      "TERVANE-SHEET 1\ncell 1 1 text 0 -1 7 \"x\"\n",
      "TERVANE-SHEET 1\nspan 1 -995 1 3\n",
      "TERVANE-SHEET 1\nspan 1 1 1 1\nspan 1 1 1 1\n",
      "TERVANE-SHEET 1\nwidth 1 nan\n",
      "TERVANE-SHEET 1\nsomething else\n",
  };
  for (const char* content : bad) {
    SCOPED_TRACE(content);
    const std::string path = Path("bad.ss7");
    std::ofstream(path, std::ios::binary) << content;
    std::string error;
    EXPECT_EQ(SpreadsheetFile::Load(path, error), nullptr);
    EXPECT_FALSE(error.empty());
  }
  std::string error;
  EXPECT_EQ(SpreadsheetFile::Load(Path("missing.ss7"), error), nullptr);
  EXPECT_FALSE(error.empty());
}

TEST_F(SpreadsheetFileTest, FailuresToSaveOrExportAreReported) {
  auto s = ResultsSheet();
  // A folder that is a file: nothing can be written there.
  std::ofstream(Path("afile")) << "x";
  const std::string nowhere = Path("afile") + "/temp_A.ss7";
  EXPECT_EQ(s->Invoke(sheet::kSaveSheet, {Variant::Text(nowhere), Variant::Bool(true)}), Variant::Bool(false));
  EXPECT_FALSE(SpreadsheetFile::Save(*s, "", true));

  const std::string sheetPath = Path("temp_A.ss7");
  ASSERT_TRUE(SpreadsheetFile::Save(*s, sheetPath, true));
  // The workbook cannot be written where it was asked for.
  EXPECT_EQ(s->Invoke(sheet::kExportToExcel, {Variant::Text(Path("afile") + "/out.xlsx"), Variant::Text(sheetPath)}),
            Variant::Bool(false));
  EXPECT_EQ(s->Invoke(sheet::kExportToExcel, {Variant::Text(Path("no/such/dir/out.xlsx")), Variant::Text(sheetPath)}),
            Variant::Bool(false));
  EXPECT_FALSE(WriteWorkbook(*s, ""));
  // The sheet file to export is missing or no sheet file.
  EXPECT_FALSE(ExportSheetFileToWorkbook(Path("missing.ss7"), Path("out.xlsx")));
  std::ofstream(Path("junk.ss7")) << "junk";
  EXPECT_FALSE(ExportSheetFileToWorkbook(Path("junk.ss7"), Path("out.xlsx")));
  EXPECT_FALSE(fs::exists(Path("out.xlsx")));
  // Nothing is left behind beside the targets.
  for (const auto& entry : fs::directory_iterator(dir_)) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(name == "afile" || name == "temp_A.ss7" || name == "junk.ss7") << name;
  }
}

TEST_F(SpreadsheetFileTest, AFailedSaveLeavesTheOldFileAsItWas) {
  const std::string locked = Path("locked");
  fs::create_directories(locked);
  const std::string old = locked + "/temp_A.ss7";
  std::ofstream(old) << "old";
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
  if (::access(locked.c_str(), W_OK) == 0) GTEST_SKIP() << "running with rights that ignore permissions";
  auto s = ResultsSheet();
  EXPECT_FALSE(SpreadsheetFile::Save(*s, old, true));
  EXPECT_EQ(ReadAll(old), "old");
  EXPECT_FALSE(WriteWorkbook(*s, locked + "/out.xlsx"));
}

using testsupport::PythonWithOpenpyxl;

// The workbook library prints numbers with printf; on a desktop whose locale
// writes a decimal comma the workbook must still hold "1.5", not "1,5".
TEST_F(SpreadsheetFileTest, EveryDesktopLocaleWritesTheSameWorkbook) {
  if (!testsupport::HaveTool("unzip")) GTEST_SKIP() << "unzip is not installed";
  auto s = ResultsSheet();
  auto part = [](const std::string& workbook, const char* name) {
    return testsupport::RunAndRead("unzip -p '" + workbook + "' " + name);
  };
  const char* parts[] = {"xl/worksheets/sheet1.xml", "xl/styles.xml", "xl/workbook.xml", "xl/sharedStrings.xml"};
  std::vector<std::string> c;
  for (const char* locale : testsupport::kDesktopLocales) {
    testsupport::ProcessLocale desktop(locale);
    if (!desktop.ok()) GTEST_SKIP() << locale << " is not installed (package locales-all)";
    const std::string path = Path(std::string(locale) + ".xlsx");
    ASSERT_TRUE(WriteWorkbook(*s, path)) << locale;
    std::vector<std::string> xml;
    for (const char* name : parts) xml.push_back(part(path, name));
    if (c.empty()) {
      c = xml;
      EXPECT_NE(xml[0].find("<v>12.34</v>"), std::string::npos) << xml[0];
      EXPECT_NE(xml[0].find("<v>0.5</v>"), std::string::npos) << xml[0];
      EXPECT_NE(xml[0].find("width=\"10.7109375\""), std::string::npos) << xml[0];
    }
    for (std::size_t i = 0; i < xml.size(); ++i) EXPECT_EQ(xml[i], c[i]) << locale << " " << parts[i];
  }
}

// What openpyxl reads from a workbook, one line per item.
std::string ReadWorkbook(const std::string& python, const std::string& path) {
  const std::string script =
      "import sys, openpyxl\n"
      "wb = openpyxl.load_workbook(sys.argv[1])\n"
      "ws = wb.active\n"
      "print('merged', sorted(str(r) for r in ws.merged_cells.ranges))\n"
      "for c in 'ABCD': print('width', c, ws.column_dimensions[c].width)\n"
      "for row in ws.iter_rows():\n"
      "  for c in row:\n"
      "    if c.value is None and c.fill.fill_type is None: continue\n"
      "    fill = c.fill.fgColor.rgb if c.fill.fill_type == 'solid' else '-'\n"
      "    font = c.font.color.rgb if c.font.color is not None else '-'\n"
      "    print(c.coordinate, repr(c.value), c.number_format, fill, font)\n";
  const std::string scriptPath = path + ".py";
  std::ofstream(scriptPath) << script;
  return testsupport::RunAndRead(python + " " + scriptPath + " " + path + " 2>&1");
}

TEST_F(SpreadsheetFileTest, AnExportedWorkbookOpensWithMergedHeadersNumbersAndFills) {
  const std::string python = PythonWithOpenpyxl();
  if (python.empty()) GTEST_SKIP() << "python3-openpyxl missing";
  auto s = ResultsSheet();
  const std::string sheetPath = Path("temp_A.ss7");
  const std::string workbook = Path("results.xlsx");
  ASSERT_TRUE(s->Invoke(sheet::kSaveSheet, {Variant::Text(sheetPath), Variant::Bool(true)}).AsBool());
  s->PutProperty(sheet::kExportSetting381, Variant::I2(1));
  ASSERT_TRUE(s->Invoke(sheet::kExportToExcel, {Variant::Text(workbook), Variant::Text(sheetPath)}).AsBool());
  // Column A is the row-number column: its header block merged as the sheet
  // joins it, the row numbers as numbers on the header grey. Header grey
  // E0E0E0, odd rows CEFFFF, even rows FFFFB9, the red value.
  EXPECT_EQ(ReadWorkbook(python, workbook),
            "merged ['A1:A3', 'B1:C1', 'D1:D2']\n"
            "width A 4.7109375\n"  // widths in characters, as spreadsheets store them
            "width B 10.7109375\n"
            "width C 7.7109375\n"
            "width D 11.7109375\n"
            "A1 None General FFE0E0E0 FF000000\n"
            "B1 'S t r e n g t h' General FFE0E0E0 FF000000\n"
            "D1 'Mode of Failure' General FFE0E0E0 FF000000\n"
            "B2 'Required\\nStrength,\\nTr' General FFE0E0E0 FF000000\n"
            "C2 'Elevation' General FFE0E0E0 FF000000\n"
            "B3 '[ kN/m ]' General FFE0E0E0 FF000000\n"
            "C3 '[ m.]' General FFE0E0E0 FF000000\n"
            "D3 ' ' General FFE0E0E0 FF000000\n"
            "A4 1 General FFE0E0E0 FF000000\n"
            "B4 12.34 0.00 FFCEFFFF FF000000\n"
            "C4 0.5 0.00 FFCEFFFF FF000000\n"
            "D4 'Tieback' General FFCEFFFF FF000000\n"
            "A5 2 General FFE0E0E0 FF000000\n"
            "B5 7 0.00 FFFFFFB9 FFFF0000\n"
            "C5 1.75 0.00 FFFFFFB9 FF000000\n"
            "D5 'Compound' General FFFFFFB9 FF000000\n");
}

}  // namespace
}  // namespace tervane::fw
