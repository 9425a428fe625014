#include "common/ControlWrappers.h"

#include "framework/Spreadsheet.h"
#include "framework/SpreadsheetPreview.h"

namespace tervane {

using fw::Variant;
namespace sheet = fw::sheet;
namespace preview = fw::preview;

// ---- CFpspread1 ----------------------------------------------------------------------

void CFpspread1::SetActiveCol(std::int32_t col) { PutProperty(sheet::kActiveCol, Variant::I4(col)); }
void CFpspread1::SetActiveRow(std::int32_t row) { PutProperty(sheet::kActiveRow, Variant::I4(row)); }
std::int32_t CFpspread1::GetActiveCol() const { return GetProperty(sheet::kActiveCol).AsInt(); }
std::int32_t CFpspread1::GetActiveRow() const { return GetProperty(sheet::kActiveRow).AsInt(); }
void CFpspread1::SetText(const std::string& text) { PutProperty(sheet::kText, Variant::Text(text)); }
void CFpspread1::SetCellValue(const std::string& value) { PutProperty(sheet::kCellValue, Variant::Text(value)); }
std::string CFpspread1::GetCellValue() const { return GetProperty(sheet::kCellValue).AsText(); }
void CFpspread1::SetCellType(std::int32_t type) { PutProperty(sheet::kCellType, Variant::I4(type)); }
void CFpspread1::SetCellSetting168(std::int32_t value) { PutProperty(sheet::kCellSetting168, Variant::I4(value)); }
void CFpspread1::SetCellSetting280(std::int32_t value) { PutProperty(sheet::kCellSetting280, Variant::I4(value)); }
void CFpspread1::SetCellSetting373(std::int32_t value) { PutProperty(sheet::kCellSetting373, Variant::I4(value)); }
void CFpspread1::SetForeColor(std::uint32_t color) { PutProperty(sheet::kForeColor, Variant::Color(color)); }

void CFpspread1::SetColumnCount(std::int32_t count) { PutProperty(sheet::kColumnCount, Variant::I4(count)); }
void CFpspread1::SetRowCount(std::int32_t count) { PutProperty(sheet::kRowCount, Variant::I4(count)); }
void CFpspread1::SetColumnHeaderRowCount(std::int32_t count) {
  PutProperty(sheet::kColumnHeaderRowCount, Variant::I4(count));
}
void CFpspread1::SetColumnWidth(std::int32_t col, double width) {
  PutIndexedProperty(sheet::kColumnWidth, Variant::I4(col), Variant::R8(width));
}
bool CFpspread1::AddCellSpan(std::int32_t col, std::int32_t row, std::int32_t cols, std::int32_t rows) {
  return InvokeMethod(sheet::kAddCellSpan, {Variant::I4(col), Variant::I4(row), Variant::I4(cols), Variant::I4(rows)})
      .AsBool();
}
void CFpspread1::SetSheetSetting11(bool value) { PutProperty(sheet::kSheetSetting11, Variant::Bool(value)); }
void CFpspread1::SetSheetSetting204(std::int32_t value) { PutProperty(sheet::kSheetSetting204, Variant::I4(value)); }
void CFpspread1::SetSheetSetting319(std::int32_t value) { PutProperty(sheet::kSheetSetting319, Variant::I4(value)); }
void CFpspread1::SetSheetSetting365(std::int16_t value) { PutProperty(sheet::kSheetSetting365, Variant::I2(value)); }

void CFpspread1::SetBlockEndCol(std::int32_t col) { PutProperty(sheet::kBlockEndCol, Variant::I4(col)); }
void CFpspread1::SetBlockEndRow(std::int32_t row) { PutProperty(sheet::kBlockEndRow, Variant::I4(row)); }
void CFpspread1::SetBlockSetting12(bool value) { PutProperty(sheet::kBlockSetting12, Variant::Bool(value)); }
void CFpspread1::SetBlockSetting64(bool value) { PutProperty(sheet::kBlockSetting64, Variant::Bool(value)); }
void CFpspread1::SetBlockSetting97(bool value) { PutProperty(sheet::kBlockSetting97, Variant::Bool(value)); }
bool CFpspread1::SetAlternateRowColors(std::int32_t oddBack, std::int32_t oddFore, std::int32_t evenBack,
                                       std::int32_t evenFore) {
  return InvokeMethod(sheet::kAlternateRowColors,
                      {Variant::I4(oddBack), Variant::I4(oddFore), Variant::I4(evenBack), Variant::I4(evenFore)})
      .AsBool();
}

std::int32_t CFpspread1::GetDataRowCount() const { return GetProperty(sheet::kDataRowCount).AsInt(); }
void CFpspread1::SetSortKey(std::int16_t key, std::int32_t column) {
  PutIndexedProperty(sheet::kSortKey, Variant::I2(key), Variant::I4(column));
}
void CFpspread1::SetSortKeyOrder(std::int16_t key, std::int32_t order) {
  PutIndexedProperty(sheet::kSortKeyOrder, Variant::I2(key), Variant::I4(order));
}
bool CFpspread1::SortRange(std::int32_t col1, std::int32_t row1, std::int32_t col2, std::int32_t row2,
                           std::int32_t sortBy, const Variant& keys, const Variant& orders) {
  return InvokeMethod(sheet::kSortRange, {Variant::I4(col1), Variant::I4(row1), Variant::I4(col2), Variant::I4(row2),
                                          Variant::I4(sortBy), keys, orders})
      .AsBool();
}
void CFpspread1::DeleteRows(std::int32_t row, std::int32_t count) {
  InvokeMethod(sheet::kDeleteRows, {Variant::I4(row), Variant::I4(count)});
}

bool CFpspread1::SaveSheet(const std::string& path, bool flag) {
  return InvokeMethod(sheet::kSaveSheet, {Variant::Text(path), Variant::Bool(flag)}).AsBool();
}
void CFpspread1::SetExportSetting381(std::int16_t value) { PutProperty(sheet::kExportSetting381, Variant::I2(value)); }
bool CFpspread1::ExportToExcel(const std::string& workbookPath, const std::string& sheetPath) {
  return InvokeMethod(sheet::kExportToExcel, {Variant::Text(workbookPath), Variant::Text(sheetPath)}).AsBool();
}

std::int32_t CFpspread1::GetHWnd() const { return GetProperty(sheet::kHWnd).AsInt(); }
void CFpspread1::SetPrintHeader(const std::string& text) { PutProperty(sheet::kPrintHeader, Variant::Text(text)); }
void CFpspread1::SetPrintTitle(const std::string& text) { PutProperty(sheet::kPrintTitle, Variant::Text(text)); }
void CFpspread1::SetPrintSetting214(std::int32_t value) { PutProperty(sheet::kPrintSetting214, Variant::I4(value)); }
void CFpspread1::SetPrintSetting405(std::int16_t value) { PutProperty(sheet::kPrintSetting405, Variant::I2(value)); }
bool CFpspread1::PrintSheet(const Variant& argument) { return InvokeMethod(sheet::kPrintSheet, {argument}).AsBool(); }

// ---- CPv_case1 -------------------------------------------------------------------------

void CPv_case1::SetPreviewSourceWindow(std::int32_t hwnd) { PutProperty(preview::kSourceWindow, Variant::I4(hwnd)); }
void CPv_case1::SetPreviewColor(std::uint32_t color) { PutProperty(preview::kColor, Variant::Color(color)); }
void CPv_case1::SetPreviewSetting3(std::int32_t value) { PutProperty(preview::kSetting3, Variant::I4(value)); }
void CPv_case1::SetPreviewSetting5(std::int32_t value) { PutProperty(preview::kSetting5, Variant::I4(value)); }
void CPv_case1::SetPreviewSetting12(std::int32_t value) { PutProperty(preview::kSetting12, Variant::I4(value)); }
void CPv_case1::SetPreviewSetting17(std::int16_t value) { PutProperty(preview::kSetting17, Variant::I2(value)); }
void CPv_case1::SetPreviewSetting18(std::int16_t value) { PutProperty(preview::kSetting18, Variant::I2(value)); }

}  // namespace tervane
