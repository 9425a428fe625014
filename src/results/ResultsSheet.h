#pragma once
// What the summary table (IDD_VIEW_CASE1) and the detailed table
// (IDD_VIEW_CASE2) share: the seven column-header rows with their captions
// and units, the data rows with their alternate colours and block settings,
// the workbook export through a temporary sheet file, the switch between the
// sheet and its print preview, and the printing of the sheet.

#include <span>
#include <string>

#include "common/ControlWrappers.h"
#include "framework/Dialog.h"

namespace tervane {

// One data column: its caption (rows -999 to -995 joined), its unit in SI and
// in English units (row -994) and its width.
struct ResultsColumn {
  const char* caption;
  const char* unitSi;
  const char* unitEnglish;
  double width;
};

// A block of the top header row (-1000): `cols` columns from `firstCol`
// joined, with its text in the first.
struct ResultsHeaderGroup {
  int firstCol;
  int cols;
  const char* text;
};

// The column-header rows: seven rows, the groups of the top row, the captions
// and units column by column, the setting 3 of cell setting 373 on the caption
// of `statusColumn` (0 for none), the row-number column joined over the seven
// rows, then the widths.
void BuildResultsHeader(CFpspread1& sheet, std::span<const ResultsHeaderGroup> groups,
                        std::span<const ResultsColumn> columns, int unitSystem, int statusColumn);

// Before the data rows: the column count, sheet settings 204 and 11 and the
// alternate row colours RGB(206, 255, 255) and RGB(255, 255, 185) with black.
void StartResultsRows(CFpspread1& sheet, int columns);
// The active cell (col, row) with cell setting 168 at 2 (centred).
void SelectResultsCell(CFpspread1& sheet, int col, int row);
// What a cell shows for a value or ratio that is no number.
inline constexpr const char* kNotAvailableText = "N/A";
// A number cell: "%.2f" as the cell's value ("N/A" as its text when the
// value is not a finite number).
void WriteResultsValue(CFpspread1& sheet, int col, int row, double value);
// A text cell.
void WriteResultsText(CFpspread1& sheet, int col, int row, const std::string& text);
// After the data rows: the block settings 12, 64 and 97 on the filled rows
// 1..rows and on the empty rows after them up to 100 (a block that holds no
// row is left out), sheet setting 11 off, and the row count.
void FinishResultsRows(CFpspread1& sheet, int rows, int columns);

// The texts of the toggle button 1207.
inline constexpr const char* kPrintPreviewText = "Print Preview";
inline constexpr const char* kViewResultsText = "View Results";

// Switches between the sheet and its preview: the one shown is hidden and the
// other shown, `previewShown` and the button text follow; then the preview is
// pointed at the sheet with its colour and settings (settings 3 and 5 at 180
// only when `summarySettings`).
void ToggleResultsPreview(fw::Dialog& dialog, CFpspread1& sheet, CPv_case1& preview, int sheetId, int previewId,
                          bool summarySettings, int& previewShown, std::string& buttonText);

// The file name proposed for a workbook of a table: the project's path with
// " <table>.xlsx" in place of its extension, or "<table>.xlsx" for a
// project never saved.
std::string ProposedWorkbookName(const std::string& projectPath, const std::string& table);

// The messages of a failed export and print.
std::string TemporarySheetFailureText(const std::string& path);
std::string WorkbookFailureText(const std::string& path);
inline constexpr const char* kTablePrintFailureText = "The table could not be printed.";

// The workbook export: the Save As dialog (filter "Excel Files (*.xlsx)", an
// existing file replaced only after the overwrite question); on OK the sheet
// is saved to the temporary file `temporaryName` of the data directory and
// exported from it to the chosen workbook. Each failure is told in a message
// box. False when nothing was written (cancelled or failed).
bool ExportResultsWorkbook(CFpspread1& sheet, const std::string& temporaryName, const std::string& table);

// Prints the sheet with its print header and the project's path as the
// title. A failed print is told in a message box; a cancelled one is not.
void PrintResultsSheet(CFpspread1& sheet, const std::string& printHeader);

}  // namespace tervane
