#pragma once
// The wrappers of the two hosted controls: CFpspread1 (the spreadsheet) and
// CPv_case1 (its print preview). Each operation sets or gets one property, or
// calls one method, of the control through its fixed dispatch identifier,
// with the argument forms given; the wrappers add no logic of their own.
//
// A dialog holds a wrapper as a member, binds it in its DoDataExchange with
// dx.Control(id, wrapper), and sinks the control's events with
// OnControlEvent(id, DISPID, handler) in its constructor:
//
//   CManualInputDataDlg() { OnControlEvent(1130, fw::sheet::kEventCellChange, &CManualInputDataDlg::OnGridChange); }
//   void DoDataExchange(fw::DataExchange& dx) override { dx.Control(1130, grid); }
//   ... grid.SetActiveCol(1); grid.SetActiveRow(1); grid.SetCellValue("2.50");
//
// Until it is bound (and after the window is gone) a wrapper's calls do
// nothing and its getters give 0 or an empty text.

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/HostedControl.h"

namespace tervane {

class CFpspread1 : public fw::ControlWrapper {
 public:
  static constexpr std::string_view kClassId = "{7114683A-020D-4D16-80FD-6ACE384B66DF}";
  static std::string_view ClassId() { return kClassId; }

  // The active cell: column 0 is the row-number column, rows -1000 to -994
  // the column-header rows; -1 with -1 selects every cell.
  void SetActiveCol(std::int32_t col);
  void SetActiveRow(std::int32_t row);
  std::int32_t GetActiveCol() const;
  std::int32_t GetActiveRow() const;
  // Text and value of the active cell (values written with "%.2f" by the callers).
  void SetText(const std::string& text);
  void SetCellValue(const std::string& value);
  std::string GetCellValue() const;
  void SetCellType(std::int32_t type);
  void SetCellSetting168(std::int32_t value);
  void SetCellSetting280(std::int32_t value);
  void SetCellSetting373(std::int32_t value);
  // A Windows colour value 0x00BBGGRR.
  void SetForeColor(std::uint32_t color);

  void SetColumnCount(std::int32_t count);
  void SetRowCount(std::int32_t count);
  void SetColumnHeaderRowCount(std::int32_t count);
  void SetColumnWidth(std::int32_t col, double width);
  bool AddCellSpan(std::int32_t col, std::int32_t row, std::int32_t cols, std::int32_t rows);
  void SetSheetSetting11(bool value);
  void SetSheetSetting204(std::int32_t value);
  void SetSheetSetting319(std::int32_t value);
  void SetSheetSetting365(std::int16_t value);

  // The block from the active cell to these.
  void SetBlockEndCol(std::int32_t col);
  void SetBlockEndRow(std::int32_t row);
  void SetBlockSetting12(bool value);
  void SetBlockSetting64(bool value);
  void SetBlockSetting97(bool value);
  // Background and text colour of odd rows, then of even rows (Windows colour values).
  bool SetAlternateRowColors(std::int32_t oddBack, std::int32_t oddFore, std::int32_t evenBack,
                             std::int32_t evenFore);

  std::int32_t GetDataRowCount() const;
  void SetSortKey(std::int16_t key, std::int32_t column);
  void SetSortKeyOrder(std::int16_t key, std::int32_t order);
  // Keys and orders as variants; Empty ("none") takes the sort keys set above.
  bool SortRange(std::int32_t col1, std::int32_t row1, std::int32_t col2, std::int32_t row2, std::int32_t sortBy,
                 const fw::Variant& keys = {}, const fw::Variant& orders = {});
  void DeleteRows(std::int32_t row, std::int32_t count);

  // The temporary sheet file and the workbook export; false on any failure.
  bool SaveSheet(const std::string& path, bool flag);
  void SetExportSetting381(std::int16_t value);
  bool ExportToExcel(const std::string& workbookPath, const std::string& sheetPath);

  std::int32_t GetHWnd() const;
  // Print texts with the codes "/c" (centre), "/r" (right), "/p" (page
  // number), "/n" (new line).
  void SetPrintHeader(const std::string& text);
  void SetPrintTitle(const std::string& text);
  void SetPrintSetting214(std::int32_t value);
  void SetPrintSetting405(std::int16_t value);
  // Prints through the print service; false when cancelled or failed.
  bool PrintSheet(const fw::Variant& argument);
};

class CPv_case1 : public fw::ControlWrapper {
 public:
  static constexpr std::string_view kClassId = "{71146846-020D-4D16-80FD-6ACE384B66DF}";
  static std::string_view ClassId() { return kClassId; }

  // The sheet to preview: the spreadsheet's window handle (GetHWnd).
  void SetPreviewSourceWindow(std::int32_t hwnd);
  // A Windows colour value 0x00BBGGRR.
  void SetPreviewColor(std::uint32_t color);
  void SetPreviewSetting3(std::int32_t value);
  void SetPreviewSetting5(std::int32_t value);
  void SetPreviewSetting12(std::int32_t value);
  void SetPreviewSetting17(std::int16_t value);
  void SetPreviewSetting18(std::int16_t value);
};

}  // namespace tervane
