#include "results/ResultsSheet.h"

#include <cmath>
#include <optional>

#include "model/DataFiles.h"
#include "model/ProjectData.h"
#include "framework/Services.h"
#include "framework/Spreadsheet.h"
#include "framework/Text.h"
#include "results/ExportFiles.h"

namespace tervane {

namespace {

constexpr int kHeaderRows = fw::kSheetHeaderRows;
constexpr int kTopRow = fw::kSheetFirstHeaderRow;     // -1000: the groups
constexpr int kCaptionRow = fw::kSheetFirstHeaderRow + 1;  // -999 to -995: the captions
constexpr int kCaptionRows = 5;
constexpr int kUnitRow = fw::kSheetLastHeaderRow;      // -994: the units
constexpr int kLastSheetRow = 100;

void Select(CFpspread1& sheet, int col, int row) {
  sheet.SetActiveCol(col);
  sheet.SetActiveRow(row);
}

void BlockSettings(CFpspread1& sheet, int firstRow, int lastRow, int columns) {
  if (lastRow < firstRow) return;
  Select(sheet, 1, firstRow);
  sheet.SetBlockEndRow(lastRow);
  sheet.SetBlockEndCol(columns);
  sheet.SetBlockSetting12(true);
  sheet.SetBlockSetting64(true);
  sheet.SetBlockSetting97(true);
}

// The print codes treat '/' as the start of a code; a path prints as it is
// when each of its slashes is doubled.
std::string PrintCodeLiteral(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    out += c;
    if (c == '/') out += '/';
  }
  return out;
}

}  // namespace

void BuildResultsHeader(CFpspread1& sheet, std::span<const ResultsHeaderGroup> groups,
                        std::span<const ResultsColumn> columns, int unitSystem, int statusColumn) {
  sheet.SetColumnHeaderRowCount(kHeaderRows);
  for (const ResultsHeaderGroup& group : groups) {
    sheet.AddCellSpan(group.firstCol, kTopRow, group.cols, 1);
    if (group.text[0] != '\0') {
      Select(sheet, group.firstCol, kTopRow);
      sheet.SetText(group.text);
    }
  }
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const int col = static_cast<int>(i) + 1;
    sheet.AddCellSpan(col, kCaptionRow, 1, kCaptionRows);
    Select(sheet, col, kCaptionRow);
    sheet.SetText(columns[i].caption);
    sheet.SetActiveRow(kUnitRow);
    sheet.SetText(unitSystem == 1 ? columns[i].unitEnglish : columns[i].unitSi);
  }
  if (statusColumn > 0) {
    Select(sheet, statusColumn, kCaptionRow);
    sheet.SetCellSetting373(3);
  }
  sheet.AddCellSpan(0, kTopRow, 1, kHeaderRows);
  for (std::size_t i = 0; i < columns.size(); ++i) sheet.SetColumnWidth(static_cast<int>(i) + 1, columns[i].width);
}

void StartResultsRows(CFpspread1& sheet, int columns) {
  sheet.SetColumnCount(columns);
  sheet.SetSheetSetting204(10);
  sheet.SetSheetSetting11(true);
  const auto colour = [](int r, int g, int b) { return static_cast<std::int32_t>(fw::RGB(r, g, b).ToWindows()); };
  sheet.SetAlternateRowColors(colour(206, 255, 255), 0, colour(255, 255, 185), 0);
}

void SelectResultsCell(CFpspread1& sheet, int col, int row) {
  Select(sheet, col, row);
  sheet.SetCellSetting168(2);
}

void WriteResultsValue(CFpspread1& sheet, int col, int row, double value) {
  SelectResultsCell(sheet, col, row);
  // A project file can hold a value that is no number: it is shown as such
  // rather than as "nan" or "inf".
  if (std::isfinite(value))
    sheet.SetCellValue(Format("%.2f", value));
  else
    sheet.SetText(kNotAvailableText);
}

void WriteResultsText(CFpspread1& sheet, int col, int row, const std::string& text) {
  SelectResultsCell(sheet, col, row);
  sheet.SetText(text);
}

void FinishResultsRows(CFpspread1& sheet, int rows, int columns) {
  BlockSettings(sheet, 1, rows, columns);
  BlockSettings(sheet, rows + 1, kLastSheetRow, columns);
  sheet.SetSheetSetting11(false);
  sheet.SetRowCount(rows);
}

void ToggleResultsPreview(fw::Dialog& dialog, CFpspread1& sheet, CPv_case1& preview, int sheetId, int previewId,
                          bool summarySettings, int& previewShown, std::string& buttonText) {
  const bool showPreview = previewShown == 0;
  dialog.ShowControl(showPreview ? sheetId : previewId, false);
  dialog.ShowControl(showPreview ? previewId : sheetId, true);
  previewShown = showPreview ? 1 : 0;
  buttonText = showPreview ? kViewResultsText : kPrintPreviewText;
  preview.SetPreviewSourceWindow(sheet.GetHWnd());
  preview.SetPreviewColor(fw::RGB(255, 255, 128).ToWindows());
  preview.SetPreviewSetting12(3);
  preview.SetPreviewSetting17(3);
  preview.SetPreviewSetting18(2);
  if (summarySettings) {
    preview.SetPreviewSetting3(180);
    preview.SetPreviewSetting5(180);
  }
}

std::string ProposedWorkbookName(const std::string& projectPath, const std::string& table) {
  const std::string name = table + ".xlsx";
  if (projectPath.empty() || projectPath == kProjectNotSaved) return name;
  const std::size_t slash = projectPath.find_last_of('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = projectPath.find_last_of('.');
  const std::string stem = dot != std::string::npos && dot > nameStart ? projectPath.substr(0, dot) : projectPath;
  return stem + " " + name;
}

std::string TemporarySheetFailureText(const std::string& path) {
  return "The table could not be saved to the temporary file:\n" + path + "\nNo workbook was written.";
}

std::string WorkbookFailureText(const std::string& path) { return "The workbook could not be written:\n" + path; }

bool ExportResultsWorkbook(CFpspread1& sheet, const std::string& temporaryName, const std::string& table) {
  fw::FileDialogOptions options;
  options.filters = {fw::FileFilter{"Excel Files (*.xlsx)", "*.xlsx"}};
  options.defaultExtension = "xlsx";
  options.proposedName = ProposedWorkbookName(Project().projectPath, table);
  options.askOverwrite = true;
  const std::optional<std::string> path = ChooseExportFile(options);
  if (!path) return false;
  const std::string temporary = DataFilePath(temporaryName);
  if (!sheet.SaveSheet(temporary, true)) {
    fw::ShowMessage(TemporarySheetFailureText(temporary), fw::MessageButtons::Ok, fw::MessageIcon::Error);
    return false;
  }
  sheet.SetExportSetting381(1);
  if (!sheet.ExportToExcel(*path, temporary)) {
    const auto* control = dynamic_cast<const fw::Spreadsheet*>(sheet.Control());
    const std::string reason = control != nullptr ? control->LastExportError() : std::string();
    fw::ShowMessage(WorkbookFailureText(*path) + (reason.empty() ? "" : "\n\n" + reason), fw::MessageButtons::Ok,
                    fw::MessageIcon::Error);
    return false;
  }
  return true;
}

void PrintResultsSheet(CFpspread1& sheet, const std::string& printHeader) {
  sheet.SetPrintHeader(printHeader);
  sheet.SetPrintTitle("/c" + PrintCodeLiteral(Project().projectPath));
  sheet.SetPrintSetting214(0);
  sheet.SetPrintSetting405(1);
  if (sheet.PrintSheet(fw::Variant::I4(1))) return;
  const auto* control = dynamic_cast<const fw::Spreadsheet*>(sheet.Control());
  if (control != nullptr && control->LastPrintOutcome() == fw::SheetPrintOutcome::kCancelled) return;
  fw::ShowMessage(kTablePrintFailureText, fw::MessageButtons::Ok, fw::MessageIcon::Error);
}

}  // namespace tervane
