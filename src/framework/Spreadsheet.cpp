#include "framework/Spreadsheet.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <unordered_map>

#include "framework/SpreadsheetFile.h"
#include "framework/SpreadsheetPreview.h"
#include "framework/SpreadsheetPrint.h"
#include "framework/Text.h"

namespace tervane::fw {

namespace {

constexpr int kStride = kSheetMaxColumns + 1;  // cells per row, column 0 included
constexpr ColorRef kHeaderBack = RGB(224, 224, 224);
// Longest text the user can leave in a number cell.
constexpr std::size_t kMaxTypedNumber = 40;
// Widest column the control accepts, in its units.
constexpr double kMaxColumnWidth = 255.0;

bool IsHeaderRow(int row) { return row >= kSheetFirstHeaderRow && row <= kSheetLastHeaderRow; }
bool IsDataRow(int row) { return row >= 1 && row <= kSheetMaxDataRows; }
bool IsColumn(int col) { return col >= 0 && col <= kSheetMaxColumns; }

// Window handles of the live sheets.
std::unordered_map<int, Spreadsheet*>& Handles() {
  static std::unordered_map<int, Spreadsheet*> handles;
  return handles;
}

int NextHandle() {
  static int next = 0x1000;
  next += 4;
  if (next <= 0) next = 0x1000;  // after a (theoretical) wrap
  return next;
}

// Sort classes of a key cell: numbers, then texts, then empty cells.
enum class KeyClass { Number = 0, Text = 1, Empty = 2 };

KeyClass Classify(const std::string& text, double& number) {
  if (text.empty()) return KeyClass::Empty;
  if (ParseDouble(text, number)) return KeyClass::Number;
  return KeyClass::Text;
}

// <0, 0, >0 as a sorts before, with, after b under one key. Empty cells sort
// last in either order, so blank rows stay at the bottom.
int CompareKey(const std::string& a, const std::string& b, bool descending) {
  double na = 0, nb = 0;
  const KeyClass ca = Classify(a, na);
  const KeyClass cb = Classify(b, nb);
  if (ca == KeyClass::Empty || cb == KeyClass::Empty) {
    if (ca == cb) return 0;
    return ca == KeyClass::Empty ? 1 : -1;
  }
  int c = 0;
  if (ca != cb) {
    c = static_cast<int>(ca) - static_cast<int>(cb);
  } else if (ca == KeyClass::Number) {
    c = na < nb ? -1 : (na > nb ? 1 : 0);
  } else {
    c = a.compare(b) < 0 ? -1 : (a.compare(b) > 0 ? 1 : 0);
  }
  return descending ? -c : c;
}

struct DispatchNameEntry {
  int dispid;
  std::string_view name;
};

constexpr DispatchNameEntry kNames[] = {
    {sheet::kActiveCol, "ActiveCol"},
    {sheet::kActiveRow, "ActiveRow"},
    {sheet::kText, "Text"},
    {sheet::kCellValue, "CellValue"},
    {sheet::kCellType, "CellType"},
    {sheet::kCellSetting168, "CellSetting168"},
    {sheet::kCellSetting280, "CellSetting280"},
    {sheet::kCellSetting373, "CellSetting373"},
    {sheet::kForeColor, "ForeColor"},
    {sheet::kColumnCount, "ColumnCount"},
    {sheet::kRowCount, "RowCount"},
    {sheet::kColumnHeaderRowCount, "ColumnHeaderRowCount"},
    {sheet::kColumnWidth, "ColumnWidth"},
    {sheet::kAddCellSpan, "AddCellSpan"},
    {sheet::kSheetSetting11, "SheetSetting11"},
    {sheet::kSheetSetting204, "SheetSetting204"},
    {sheet::kSheetSetting319, "SheetSetting319"},
    {sheet::kSheetSetting365, "SheetSetting365"},
    {sheet::kBlockEndCol, "BlockEndCol"},
    {sheet::kBlockEndRow, "BlockEndRow"},
    {sheet::kBlockSetting12, "BlockSetting12"},
    {sheet::kBlockSetting64, "BlockSetting64"},
    {sheet::kBlockSetting97, "BlockSetting97"},
    {sheet::kAlternateRowColors, "AlternateRowColors"},
    {sheet::kDataRowCount, "DataRowCount"},
    {sheet::kSortKey, "SortKey"},
    {sheet::kSortKeyOrder, "SortKeyOrder"},
    {sheet::kSortRange, "SortRange"},
    {sheet::kDeleteRows, "DeleteRows"},
    {sheet::kSaveSheet, "SaveSheet"},
    {sheet::kExportSetting381, "ExportSetting381"},
    {sheet::kExportToExcel, "ExportToExcel"},
    {sheet::kHWnd, "HWnd"},
    {sheet::kPrintHeader, "PrintHeader"},
    {sheet::kPrintTitle, "PrintTitle"},
    {sheet::kPrintSetting214, "PrintSetting214"},
    {sheet::kPrintSetting405, "PrintSetting405"},
    {sheet::kPrintSheet, "PrintSheet"},
};

const Variant& Arg(const std::vector<Variant>& args, std::size_t i) {
  static const Variant kEmpty;
  return i < args.size() ? args[i] : kEmpty;
}

}  // namespace

bool CellSpan::Contains(int c, int r) const {
  return c >= col && c < col + cols && r >= row && r < row + rows;
}

// ---- construction ------------------------------------------------------------------

Spreadsheet::Spreadsheet(std::string_view persisted) {
  state_.columnWidths.assign(kSheetMaxColumns + 1, state_.defaultColumnWidth);
  state_.header.assign(static_cast<std::size_t>(kSheetHeaderRows * kStride), SheetCell{});
  state_.data.assign(static_cast<std::size_t>(kSheetMaxDataRows * kStride), SheetCell{});
  ApplyPersisted(persisted);
  handle_ = NextHandle();
  Handles()[handle_] = this;
}

Spreadsheet::Spreadsheet(Detached, const State& state) : state_(state) {}

Spreadsheet::~Spreadsheet() {
  if (handle_ != 0) Handles().erase(handle_);
}

std::unique_ptr<Spreadsheet> Spreadsheet::Copy() const {
  std::unique_ptr<Spreadsheet> copy(new Spreadsheet(Detached{}, state_));
  CopyLogTo(*copy);
  return copy;
}

std::unique_ptr<HostedControl> Spreadsheet::Snapshot() const { return Copy(); }

Spreadsheet* Spreadsheet::FromWindowHandle(int handle) {
  auto it = Handles().find(handle);
  return it == Handles().end() ? nullptr : it->second;
}

void Spreadsheet::ApplyPersisted(std::string_view persisted) {
  std::size_t start = 0;
  while (start <= persisted.size()) {
    std::size_t end = persisted.find(';', start);
    if (end == std::string_view::npos) end = persisted.size();
    const std::string_view item = persisted.substr(start, end - start);
    start = end + 1;
    const std::size_t eq = item.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view name = item.substr(0, eq);
    const std::string_view value = item.substr(eq + 1);
    int n = 0;
    double d = 0;
    if (name == "columns" && ParseInt(value, n)) {
      state_.columnCount = std::clamp(n, 0, kSheetMaxColumns);
    } else if (name == "rows" && ParseInt(value, n)) {
      state_.rowCount = std::clamp(n, 0, kSheetMaxDataRows);
    } else if (name == "headerRows" && ParseInt(value, n)) {
      state_.headerRowCount = std::clamp(n, 0, kSheetHeaderRows);
    } else if (name == "columnWidth" && ParseDouble(value, d) && d >= 0 && d <= kMaxColumnWidth) {
      state_.defaultColumnWidth = d;
      std::fill(state_.columnWidths.begin(), state_.columnWidths.end(), d);
    } else if (name == "rowHeaderWidth" && ParseDouble(value, d) && d >= 0 && d <= kMaxColumnWidth) {
      state_.rowHeaderWidth = d;
    } else if (name == "scrollBars") {
      if (value == "none") state_.scrollBars = SheetScrollBars::None;
      if (value == "vertical") state_.scrollBars = SheetScrollBars::Vertical;
      if (value == "horizontal") state_.scrollBars = SheetScrollBars::Horizontal;
      if (value == "both") state_.scrollBars = SheetScrollBars::Both;
    }
    if (end == persisted.size()) break;
  }
}

// ---- reading -------------------------------------------------------------------------

const SheetCell* Spreadsheet::Cell(int col, int row) const {
  return const_cast<Spreadsheet*>(this)->MutableCell(col, row);
}

SheetCell* Spreadsheet::MutableCell(int col, int row) {
  if (!IsColumn(col)) return nullptr;
  if (IsHeaderRow(row))
    return &state_.header[static_cast<std::size_t>((row - kSheetFirstHeaderRow) * kStride + col)];
  if (IsDataRow(row)) return &state_.data[static_cast<std::size_t>((row - 1) * kStride + col)];
  return nullptr;
}

std::string Spreadsheet::Text(int col, int row) const {
  const SheetCell* c = Cell(col, row);
  return c != nullptr ? c->text : std::string();
}

std::string Spreadsheet::ShownText(int col, int row) const {
  if (const CellSpan* span = SpanAt(col, row)) return Text(span->col, span->row);
  std::string text = Text(col, row);
  if (text.empty() && col == 0 && IsDataRow(row)) text = Format("%d", row);
  return text;
}

const CellSpan* Spreadsheet::SpanAt(int col, int row) const {
  for (const CellSpan& s : state_.spans)
    if (s.Contains(col, row)) return &s;
  return nullptr;
}

int Spreadsheet::DataRowCount() const {
  for (int r = state_.rowCount; r >= 1; --r)
    for (int c = 1; c <= state_.columnCount; ++c)
      if (!Cell(c, r)->text.empty()) return r;
  return 0;
}

double Spreadsheet::ColumnWidth(int col) const {
  if (col == 0) return state_.rowHeaderWidth;
  if (col < 1 || col > kSheetMaxColumns) return 0.0;
  return state_.columnWidths[static_cast<std::size_t>(col)];
}

ColorRef Spreadsheet::BackColor(int col, int row) const {
  if (col == 0 || IsHeaderRow(row)) return kHeaderBack;
  if (state_.alternate && IsDataRow(row)) return row % 2 == 1 ? state_.alternate->oddBack : state_.alternate->evenBack;
  return kWhite;
}

ColorRef Spreadsheet::ForeColor(int col, int row) const {
  const SheetCell* c = Cell(col, row);
  if (c != nullptr && c->foreColor) return *c->foreColor;
  if (col != 0 && state_.alternate && IsDataRow(row))
    return row % 2 == 1 ? state_.alternate->oddFore : state_.alternate->evenFore;
  return kBlack;
}

CellAlign Spreadsheet::Align(int col, int row) const {
  const SheetCell* c = Cell(col, row);
  if (c == nullptr) return CellAlign::Left;
  auto it = c->settings.find(sheet::kCellSetting168);
  if (it != c->settings.end()) {
    switch (it->second.AsInt()) {
      case 1: return CellAlign::Right;
      case 2: return CellAlign::Center;
      default: return CellAlign::Left;
    }
  }
  if (col == 0 || IsHeaderRow(row)) return CellAlign::Center;
  return c->isValue ? CellAlign::Right : CellAlign::Left;
}

Variant Spreadsheet::Setting(int dispid) const {
  auto it = state_.settings.find(dispid);
  return it != state_.settings.end() ? it->second : Variant();
}

Variant Spreadsheet::CellSetting(int col, int row, int dispid) const {
  const SheetCell* c = Cell(col, row);
  if (c == nullptr) return {};
  auto it = c->settings.find(dispid);
  return it != c->settings.end() ? it->second : Variant();
}

// ---- the user ---------------------------------------------------------------------

bool Spreadsheet::CanUserEdit(int col, int row) const {
  if (col < 1 || col > state_.columnCount || row < 1 || row > state_.rowCount) return false;
  return Cell(col, row)->type == kCellTypeNumber;
}

bool Spreadsheet::AcceptsTyping(int col, int row, std::string_view text) const {
  if (!CanUserEdit(col, row)) return false;
  if (text.size() > kMaxTypedNumber) return false;
  return std::all_of(text.begin(), text.end(), [](char ch) {
    return (ch >= '0' && ch <= '9') || ch == '+' || ch == '-' || ch == '.' || ch == 'e' || ch == 'E';
  });
}

bool Spreadsheet::UserEdit(int col, int row, const std::string& text) {
  if (!AcceptsTyping(col, row, text)) return false;
  FinishPendingRow();
  SheetCell* c = MutableCell(col, row);
  const bool changed = c->text != text;
  c->text = text;
  c->isValue = !text.empty();
  NotifyChanged();
  if (changed) {
    std::vector<Variant> args{Variant::I4(col), Variant::I4(row)};
    RaiseEvent(sheet::kEventCellChange, args);
  }
  return true;
}

bool Spreadsheet::UserEnter(int col, int row, const std::string& text) {
  if (row != CursorRow()) return UserEdit(col, row, text);
  if (!AcceptsTyping(col, row, text)) return false;
  if (pendingRow_ != 0 && pendingRow_ != row) FinishPendingRow();
  SheetCell* c = MutableCell(col, row);
  const bool changed = c->text != text;
  c->text = text;
  c->isValue = !text.empty();
  if (changed) {
    pendingRow_ = row;
    if (std::find(pendingCols_.begin(), pendingCols_.end(), col) == pendingCols_.end()) pendingCols_.push_back(col);
  }
  NotifyChanged();
  return true;
}

void Spreadsheet::UserClick(int col, int row) {
  if (col < 0 || col > state_.columnCount) return;
  if (IsHeaderRow(row)) row = 0;
  if (row != 0 && (row < 1 || row > state_.rowCount)) return;
  const bool inWaitingRow = col >= 1 && row >= 1 && row == pendingRow_;
  if (!inWaitingRow && pendingRow_ != 0) {
    // The clicked row is followed while the waiting changes are handled.
    clickedRow_ = row;
    FinishPendingRow();
    row = clickedRow_;
    clickedRow_ = 0;
  }
  if (col == 0 && row >= 1)
    selectedRow_ = selectedRow_ == row ? 0 : row;
  else
    selectedRow_ = 0;
  if (col >= 1 && row >= 1) {
    tabStartCol_ = 0;
    MoveCursorTo(col, row);
  }
  NotifyChanged();
  std::vector<Variant> args{Variant::I4(col), Variant::I4(row)};
  RaiseEvent(sheet::kEventCellClick, args);
}

int Spreadsheet::CursorCol() const { return std::clamp(cursorCol_, 1, std::max(1, state_.columnCount)); }

int Spreadsheet::CursorRow() const { return std::clamp(cursorRow_, 1, std::max(1, state_.rowCount)); }

void Spreadsheet::MoveCursorTo(int col, int row) {
  const int before = CursorRow();
  cursorCol_ = std::clamp(col, 1, std::max(1, state_.columnCount));
  cursorRow_ = std::clamp(row, 1, std::max(1, state_.rowCount));
  // The cursor is in place before the handlers run, so that it follows its
  // row when they sort.
  if (cursorRow_ != before) FinishPendingRow();
  NotifyChanged();
}

void Spreadsheet::UserMoveCursor(int col, int row) {
  tabStartCol_ = 0;
  MoveCursorTo(col, row);
}

void Spreadsheet::UserKey(SheetKey key) {
  const int col = CursorCol();
  const int row = CursorRow();
  const int lastCol = std::max(1, state_.columnCount);
  const int lastRow = std::max(1, state_.rowCount);
  switch (key) {
    case SheetKey::kTab:
      if (col < lastCol) {
        if (tabStartCol_ == 0) tabStartCol_ = col;
        MoveCursorTo(col + 1, row);
      } else if (row < lastRow) {
        tabStartCol_ = 0;
        MoveCursorTo(1, row + 1);
      }
      return;
    case SheetKey::kBackTab:
      if (col > 1) {
        MoveCursorTo(col - 1, row);
      } else if (row > 1) {
        tabStartCol_ = 0;
        MoveCursorTo(lastCol, row - 1);
      }
      return;
    case SheetKey::kEnter:
    case SheetKey::kShiftEnter: {
      const int target = tabStartCol_ != 0 ? tabStartCol_ : col;
      tabStartCol_ = 0;
      MoveCursorTo(target, key == SheetKey::kEnter ? row + 1 : row - 1);
      return;
    }
    case SheetKey::kUp: UserMoveCursor(col, row - 1); return;
    case SheetKey::kDown: UserMoveCursor(col, row + 1); return;
    case SheetKey::kLeft: UserMoveCursor(col - 1, row); return;
    case SheetKey::kRight: UserMoveCursor(col + 1, row); return;
  }
}

void Spreadsheet::UserLeave() {
  tabStartCol_ = 0;
  FinishPendingRow();
}

void Spreadsheet::FinishPendingRow() {
  if (finishing_) return;
  finishing_ = true;
  // Each handler may sort or delete rows: the waiting row is followed, and
  // its remaining changes go with it (none when it was deleted).
  while (pendingRow_ != 0 && !pendingCols_.empty()) {
    const int col = pendingCols_.front();
    pendingCols_.erase(pendingCols_.begin());
    std::vector<Variant> args{Variant::I4(col), Variant::I4(pendingRow_)};
    RaiseEvent(sheet::kEventCellChange, args);
  }
  pendingRow_ = 0;
  pendingCols_.clear();
  finishing_ = false;
}

int Spreadsheet::UserKeyPress(int keyCode) {
  std::vector<Variant> args{Variant::I2(keyCode)};
  RaiseEvent(sheet::kEventKeyPress, args);
  return args.empty() ? 0 : args[0].AsInt();
}

// ---- the program's calls -------------------------------------------------------

std::string_view Spreadsheet::DispatchName(int dispid) const {
  for (const DispatchNameEntry& e : kNames)
    if (e.dispid == dispid) return e.name;
  return {};
}

std::vector<SheetCell*> Spreadsheet::AddressedCells() {
  std::vector<SheetCell*> cells;
  const int col = state_.activeCol;
  const int row = state_.activeRow;
  if (col == kSheetAll && row == kSheetAll) {
    for (int r = 1; r <= kSheetMaxDataRows; ++r)
      for (int c = 1; c <= kSheetMaxColumns; ++c) cells.push_back(MutableCell(c, r));
  } else if (col == kSheetAll) {
    if (IsHeaderRow(row) || IsDataRow(row))
      for (int c = 1; c <= kSheetMaxColumns; ++c) cells.push_back(MutableCell(c, row));
  } else if (row == kSheetAll) {
    if (IsColumn(col))
      for (int r = 1; r <= kSheetMaxDataRows; ++r) cells.push_back(MutableCell(col, r));
  } else if (SheetCell* c = MutableCell(col, row)) {
    cells.push_back(c);
  }
  return cells;
}

void Spreadsheet::ClearRow(int row) {
  for (int c = 0; c <= kSheetMaxColumns; ++c) {
    SheetCell* cell = MutableCell(c, row);
    *cell = c == 0 ? SheetCell{} : state_.defaults;
    cell->text.clear();
    cell->isValue = false;
  }
}

void Spreadsheet::SetRowCount(int count) {
  state_.rowCount = std::clamp(count, 0, kSheetMaxDataRows);
  for (int r = state_.rowCount + 1; r <= kSheetMaxDataRows; ++r) ClearRow(r);
  if (selectedRow_ > state_.rowCount) selectedRow_ = 0;
  if (pendingRow_ > state_.rowCount) {
    pendingRow_ = 0;
    pendingCols_.clear();
  }
}

void Spreadsheet::SetColumnCount(int count) {
  state_.columnCount = std::clamp(count, 0, kSheetMaxColumns);
  for (int c = state_.columnCount + 1; c <= kSheetMaxColumns; ++c) {
    for (int r = kSheetFirstHeaderRow; r <= kSheetLastHeaderRow; ++r) *MutableCell(c, r) = SheetCell{};
    for (int r = 1; r <= kSheetMaxDataRows; ++r) {
      SheetCell* cell = MutableCell(c, r);
      *cell = state_.defaults;
      cell->text.clear();
      cell->isValue = false;
    }
  }
}

void Spreadsheet::SetHeaderRowCount(int count) { state_.headerRowCount = std::clamp(count, 0, kSheetHeaderRows); }

bool Spreadsheet::AddSpan(int col, int row, int cols, int rows) {
  if (cols < 1 || rows < 1 || !IsColumn(col)) return false;
  const long long lastCol = static_cast<long long>(col) + cols - 1;
  const long long lastRow = static_cast<long long>(row) + rows - 1;
  if (lastCol > kSheetMaxColumns) return false;
  const bool header = IsHeaderRow(row) && lastRow <= kSheetLastHeaderRow;
  const bool data = IsDataRow(row) && lastRow <= kSheetMaxDataRows;
  if (!header && !data) return false;
  const CellSpan span{col, row, cols, rows};
  for (const CellSpan& s : state_.spans) {
    const bool apart = s.col + s.cols <= span.col || span.col + span.cols <= s.col || s.row + s.rows <= span.row ||
                       span.row + span.rows <= s.row;
    if (!apart) return false;
  }
  state_.spans.push_back(span);
  return true;
}

bool Spreadsheet::SortRows(int col1, int row1, int col2, int row2, const Variant& keys, const Variant& orders) {
  row1 = std::max(row1, 1);
  row2 = std::min(row2, kSheetMaxDataRows);
  col1 = std::max(col1, 1);
  col2 = std::min(col2, kSheetMaxColumns);
  if (row1 > row2 || col1 > col2) return false;

  // Key columns and orders: the arguments when given, else the sort keys.
  std::vector<std::pair<int, bool>> sortBy;
  if (!keys.IsEmpty()) {
    sortBy.emplace_back(keys.AsInt(), !orders.IsEmpty() && orders.AsInt() == sheet::kDescending);
  } else {
    for (const auto& [key, column] : state_.sortKeys) {
      auto it = state_.sortKeyOrders.find(key);
      const bool descending = it != state_.sortKeyOrders.end() && it->second == sheet::kDescending;
      sortBy.emplace_back(column, descending);
    }
  }
  sortBy.erase(std::remove_if(sortBy.begin(), sortBy.end(),
                              [](const auto& k) { return k.first < 1 || k.first > kSheetMaxColumns; }),
               sortBy.end());
  if (sortBy.empty()) return false;

  std::vector<int> order(static_cast<std::size_t>(row2 - row1 + 1));
  std::iota(order.begin(), order.end(), row1);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    for (const auto& [column, descending] : sortBy) {
      const int c = CompareKey(Text(column, a), Text(column, b), descending);
      if (c != 0) return c < 0;
    }
    return false;
  });
  std::vector<SheetCell> moved;
  moved.reserve(order.size() * static_cast<std::size_t>(col2 - col1 + 1));
  for (int r : order)
    for (int c = col1; c <= col2; ++c) moved.push_back(*MutableCell(c, r));
  std::size_t i = 0;
  for (int r = row1; r <= row2; ++r)
    for (int c = col1; c <= col2; ++c) *MutableCell(c, r) = std::move(moved[i++]);
  // The user's rows go where their cells went.
  std::vector<int> placeOf(order.size());
  for (std::size_t k = 0; k < order.size(); ++k) placeOf[static_cast<std::size_t>(order[k] - row1)] = row1 + static_cast<int>(k);
  for (int* followed : {&cursorRow_, &pendingRow_, &clickedRow_, &selectedRow_})
    if (*followed >= row1 && *followed <= row2) *followed = placeOf[static_cast<std::size_t>(*followed - row1)];
  return true;
}

void Spreadsheet::DeleteRows(int row, int count) {
  if (row < 1 || row > state_.rowCount || count < 1) return;
  const int last = static_cast<int>(std::min<long long>(static_cast<long long>(row) + count - 1, state_.rowCount));
  const int n = last - row + 1;
  for (int r = row; r + n <= kSheetMaxDataRows; ++r)
    for (int c = 0; c <= kSheetMaxColumns; ++c) *MutableCell(c, r) = std::move(*MutableCell(c, r + n));
  for (int r = kSheetMaxDataRows - n + 1; r <= kSheetMaxDataRows; ++r) ClearRow(r);
  // Joined blocks of data rows follow their rows; those of deleted rows go.
  std::vector<CellSpan> kept;
  for (CellSpan s : state_.spans) {
    if (s.row >= 1) {
      const int sLast = s.row + s.rows - 1;
      if (sLast >= row && s.row <= last) continue;
      if (s.row > last) s.row -= n;
    }
    kept.push_back(s);
  }
  state_.spans = std::move(kept);
  // The user's rows below the deleted ones move up with them; a deleted row
  // is no longer selected and has nothing left to report.
  const auto follow = [&](int& followed, bool forgetDeleted) {
    if (followed > last) followed -= n;
    else if (followed >= row && forgetDeleted) followed = 0;
  };
  follow(cursorRow_, false);
  follow(clickedRow_, false);
  follow(selectedRow_, true);
  follow(pendingRow_, true);
  if (pendingRow_ == 0) pendingCols_.clear();
}

void Spreadsheet::DoPut(int dispid, const Variant& value) {
  using namespace sheet;
  const bool allCells = state_.activeCol == kSheetAll && state_.activeRow == kSheetAll;
  switch (dispid) {
    case kActiveCol: state_.activeCol = value.AsInt(); return;
    case kActiveRow: state_.activeRow = value.AsInt(); return;
    case kBlockEndCol: state_.blockEndCol = value.AsInt(); return;
    case kBlockEndRow: state_.blockEndRow = value.AsInt(); return;
    case kText:
    case kCellValue:
      for (SheetCell* c : AddressedCells()) {
        c->text = value.type() == Variant::Type::Text ? value.AsText() : std::string();
        c->isValue = dispid == kCellValue;
      }
      break;
    case kCellType:
      for (SheetCell* c : AddressedCells()) c->type = value.AsInt();
      if (allCells) state_.defaults.type = value.AsInt();
      break;
    case kForeColor:
      for (SheetCell* c : AddressedCells()) c->foreColor = ColorRef::FromWindows(value.AsColor());
      if (allCells) state_.defaults.foreColor = ColorRef::FromWindows(value.AsColor());
      break;
    case kCellSetting168:
    case kCellSetting280:
    case kCellSetting373:
      for (SheetCell* c : AddressedCells()) c->settings[dispid] = value;
      if (allCells) state_.defaults.settings[dispid] = value;
      break;
    case kBlockSetting12:
    case kBlockSetting64:
    case kBlockSetting97: {
      const bool allCols = state_.activeCol == kSheetAll;
      const bool allRows = state_.activeRow == kSheetAll;
      const int c1 = allCols ? 1 : state_.activeCol;
      const int c2 = allCols ? kSheetMaxColumns : state_.blockEndCol;
      const int r1 = allRows ? 1 : state_.activeRow;
      const int r2 = allRows ? kSheetMaxDataRows : state_.blockEndRow;
      for (int r = r1; r <= r2 && r <= kSheetMaxDataRows; ++r)
        for (int c = c1; c <= c2 && c <= kSheetMaxColumns; ++c)
          if (SheetCell* cell = MutableCell(c, r)) cell->settings[dispid] = value;
      break;
    }
    case kColumnCount: SetColumnCount(value.AsInt()); break;
    case kRowCount: SetRowCount(value.AsInt()); break;
    case kColumnHeaderRowCount: SetHeaderRowCount(value.AsInt()); break;
    case kPrintHeader: state_.printHeader = value.AsText(); return;
    case kPrintTitle: state_.printTitle = value.AsText(); return;
    default:
      // Settings without a visible role: kept as passed.
      state_.settings[dispid] = value;
      return;
  }
  NotifyChanged();
}

Variant Spreadsheet::DoGet(int dispid) {
  using namespace sheet;
  const SheetCell* active = Cell(state_.activeCol, state_.activeRow);
  switch (dispid) {
    case kActiveCol: return Variant::I4(state_.activeCol);
    case kActiveRow: return Variant::I4(state_.activeRow);
    case kBlockEndCol: return Variant::I4(state_.blockEndCol);
    case kBlockEndRow: return Variant::I4(state_.blockEndRow);
    case kText:
    case kCellValue: return Variant::Text(active != nullptr ? active->text : std::string());
    case kCellType: return Variant::I4(active != nullptr ? active->type : kCellTypeText);
    case kForeColor: return Variant::Color(ForeColor(state_.activeCol, state_.activeRow).ToWindows());
    case kColumnCount: return Variant::I4(state_.columnCount);
    case kRowCount: return Variant::I4(state_.rowCount);
    case kColumnHeaderRowCount: return Variant::I4(state_.headerRowCount);
    case kDataRowCount: return Variant::I4(DataRowCount());
    case kHWnd: return Variant::I4(handle_);
    case kPrintHeader: return Variant::Text(state_.printHeader);
    case kPrintTitle: return Variant::Text(state_.printTitle);
    case kCellSetting168:
    case kCellSetting280:
    case kCellSetting373: return CellSetting(state_.activeCol, state_.activeRow, dispid);
    default: return Setting(dispid);
  }
}

void Spreadsheet::DoPutIndexed(int dispid, const Variant& index, const Variant& value) {
  using namespace sheet;
  switch (dispid) {
    case kColumnWidth: {
      const double width = value.AsDouble();
      if (!(width >= 0 && width <= kMaxColumnWidth)) return;
      const int col = index.AsInt();
      if (col == 0) {
        state_.rowHeaderWidth = width;
      } else if (col == kSheetAll) {
        state_.defaultColumnWidth = width;
        std::fill(state_.columnWidths.begin() + 1, state_.columnWidths.end(), width);
      } else if (col >= 1 && col <= kSheetMaxColumns) {
        state_.columnWidths[static_cast<std::size_t>(col)] = width;
      } else {
        return;
      }
      NotifyChanged();
      return;
    }
    case kSortKey: state_.sortKeys[index.AsInt()] = value.AsInt(); return;
    case kSortKeyOrder: state_.sortKeyOrders[index.AsInt()] = value.AsInt(); return;
    default: return;
  }
}

Variant Spreadsheet::DoInvoke(int dispid, const std::vector<Variant>& args) {
  using namespace sheet;
  switch (dispid) {
    case kAddCellSpan: {
      const bool added = AddSpan(Arg(args, 0).AsInt(), Arg(args, 1).AsInt(), Arg(args, 2).AsInt(), Arg(args, 3).AsInt());
      if (added) NotifyChanged();
      return Variant::Bool(added);
    }
    case kAlternateRowColors: {
      if (args.size() < 4) return Variant::Bool(false);
      state_.alternate = AlternateRowColors{ColorRef::FromWindows(args[0].AsColor()), ColorRef::FromWindows(args[1].AsColor()),
                                            ColorRef::FromWindows(args[2].AsColor()), ColorRef::FromWindows(args[3].AsColor())};
      NotifyChanged();
      return Variant::Bool(true);
    }
    case kSortRange: {
      // Argument 5 chooses what is reordered; rows (0) is the one kind of sort.
      const bool sorted = Arg(args, 4).AsInt() == 0 &&
                          SortRows(Arg(args, 0).AsInt(), Arg(args, 1).AsInt(), Arg(args, 2).AsInt(),
                                   Arg(args, 3).AsInt(), Arg(args, 5), Arg(args, 6));
      if (sorted) NotifyChanged();
      return Variant::Bool(sorted);
    }
    case kDeleteRows:
      DeleteRows(Arg(args, 0).AsInt(), Arg(args, 1).AsInt());
      NotifyChanged();
      return {};
    case kSaveSheet: return Variant::Bool(SpreadsheetFile::Save(*this, Arg(args, 0).AsText(), Arg(args, 1).AsBool()));
    case kExportToExcel:
      lastExportError_.clear();
      return Variant::Bool(ExportSheetFileToWorkbook(Arg(args, 1).AsText(), Arg(args, 0).AsText(), &lastExportError_));
    case kPrintSheet:
      lastPrintOutcome_ = PrintSpreadsheetPages(*this);
      return Variant::Bool(lastPrintOutcome_ == SheetPrintOutcome::kPrinted);
    default: return {};
  }
}

// ---- hosted control objects ----------------------------------------------------------

std::unique_ptr<HostedControl> MakeHostedControl(const ControlTemplate& control) {
  switch (control.kind) {
    case ControlKind::Spreadsheet: return std::make_unique<Spreadsheet>(control.text);
    case ControlKind::PrintPreview: return std::make_unique<SpreadsheetPreview>();
    default: return nullptr;
  }
}

}  // namespace tervane::fw
