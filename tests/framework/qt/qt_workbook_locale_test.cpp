// A workbook written after the application starts the way the program starts
// it, on desktops whose locale writes a decimal comma (de_DE, tr_TR): every
// part of the workbook is the same as under "C".

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "framework/Spreadsheet.h"
#include "framework/SpreadsheetFile.h"
#include "framework/qt/QtApplication.h"
#include "support/Commands.h"

namespace tervane::fw {
namespace {

namespace fs = std::filesystem;

void Put(Spreadsheet& s, int col, int row, int dispid, const Variant& v) {
  s.PutProperty(sheet::kActiveCol, Variant::I4(col));
  s.PutProperty(sheet::kActiveRow, Variant::I4(row));
  s.PutProperty(dispid, v);
}

// Starts the application under `locale` as the program does and writes a
// small workbook of numbers and column widths; exits 0 when it was written.
[[noreturn]] void WriteWorkbookUnder(const char* locale, const std::string& path) {
  setenv("LC_ALL", locale, 1);
  static int argc = 1;
  static char name[] = "tervane";
  static char* argv[] = {name, nullptr};
  QtApplication app(argc, argv);
  Spreadsheet s;
  s.PutProperty(sheet::kColumnCount, Variant::I4(2));
  s.PutProperty(sheet::kRowCount, Variant::I4(2));
  s.PutIndexedProperty(sheet::kColumnWidth, Variant::I4(1), Variant::R8(7));
  s.PutIndexedProperty(sheet::kColumnWidth, Variant::I4(2), Variant::R8(10.5));
  const char* values[2][2] = {{"1.5", "-0.25"}, {"12.34", "1000.125"}};
  for (int r = 1; r <= 2; ++r) {
    for (int c = 1; c <= 2; ++c) {
      Put(s, c, r, sheet::kCellSetting168, Variant::I4(2));
      Put(s, c, r, sheet::kCellValue, Variant::Text(values[r - 1][c - 1]));
    }
  }
  std::exit(WriteWorkbook(s, path) ? 0 : 1);
}

std::string Unzipped(const std::string& workbook, const char* part) {
  return testsupport::RunAndRead("unzip -p '" + workbook + "' " + part);
}

TEST(QtWorkbookLocaleDeathTest, DecimalCommaDesktopsWriteTheSameWorkbook) {
  if (!testsupport::HaveTool("unzip")) GTEST_SKIP() << "unzip is not installed";
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // The child processes run this test again and must find the same folder:
  // one beside the test binary's working folder, named by the test.
  const fs::path dir = fs::current_path() / "workbook_locale_test";
  fs::create_directories(dir);
  const char* locales[] = {"C", "de_DE.UTF-8", "tr_TR.UTF-8"};
  for (const char* locale : locales) {
    const std::string path = (dir / (std::string(locale) + ".xlsx")).string();
    EXPECT_EXIT(WriteWorkbookUnder(locale, path), ::testing::ExitedWithCode(0), "") << locale;
  }
  const std::string c = (dir / "C.xlsx").string();
  const std::string sheet = Unzipped(c, "xl/worksheets/sheet1.xml");
  EXPECT_NE(sheet.find("<v>1.5</v>"), std::string::npos) << sheet;
  EXPECT_NE(sheet.find("<v>-0.25</v>"), std::string::npos) << sheet;
  EXPECT_NE(sheet.find("width=\"7.7109375\""), std::string::npos) << sheet;
  for (const char* locale : {"de_DE.UTF-8", "tr_TR.UTF-8"}) {
    const std::string other = (dir / (std::string(locale) + ".xlsx")).string();
    for (const char* part : {"xl/worksheets/sheet1.xml", "xl/styles.xml", "xl/workbook.xml"})
      EXPECT_EQ(Unzipped(other, part), Unzipped(c, part)) << locale << " " << part;
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace tervane::fw
