#pragma once
// The spreadsheet control: a sheet of cells with up to seven column-header
// rows, a row-number column and at most kSheetMaxDataRows data rows, driven
// through its dispatch interface (HostedControl.h) by the dialogs that host
// it, and edited and clicked by the user through the backend's window.
//
// Addressing: the column-header rows are rows -1000 (top) to -994 (bottom),
// the row-number column is column 0, data rows and data columns count from 1.
// An active column and row of -1 address every data cell; a column of -1 with
// a data row addresses that row, a row of -1 with a column that column.
//
// What the settings mean:
// - Cell type 13 is a number cell: the user may edit it in place, typing the
//   characters of a decimal number. Cell type 10 shows a tick for the text
//   "1". Every other type (the default is 0) is a text cell that the user
//   cannot edit. Column-header cells and the row-number column are never
//   editable.
// - Cell setting 168 aligns the cell's text: 0 left, 1 right, 2 centred.
//   Without it values stand right, texts left, header texts centred.
// - The fore colour of a cell is its text colour. Alternate row colours give
//   odd and even data rows (row 1 is odd) their background and text colours;
//   a cell's own fore colour wins over the alternate text colour.
// - A text too wide for its cell is cut at the cell's edge; in a cell tall
//   enough for more lines (a joined header cell) it first goes on at its
//   blanks. Cell setting 373 at 3 (kShrinkToFit) draws a text that is still
//   too wide in letters small enough to fit.
// - Every other setting (sheet settings 11, 204, 319, 365, cell setting 280
//   and the other values of 373, block settings 12, 64, 97, export setting
//   381, print settings 214 and 405) is stored exactly as passed and has no
//   visible role.
//
// The model raises CellChange (4: column, row) after the user changed a
// cell's text, CellClick (5: column, row) when the user clicks a cell (a
// column-header row reports row 0, the row-number column column 0) and
// KeyPress (-603: the key code by reference; a handler that sets it to 0
// drops the key) for every character the user types. The program's own calls
// never raise an event.
//
// The user's cursor: the keys act on one data cell, the cursor. A text typed
// into a cell of the cursor's row (UserEnter) is stored at once, but its
// CellChange waits until the cursor leaves the row or the sheet loses the
// focus, so that a handler which sorts the rows (the layer table) moves the
// row only when the user has finished it. The cursor, the row that waits and
// the row selected by a click on its number follow their rows when the
// program sorts or deletes rows: the cursor stays on the row it was on, never
// on a grid position that now holds another row.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/DeviceContext.h"  // ColorRef
#include "framework/DialogTemplate.h"
#include "framework/HostedControl.h"
#include "framework/SpreadsheetPrint.h"  // SheetPrintOutcome

namespace tervane::fw {

inline constexpr int kSheetMaxDataRows = 100;
inline constexpr int kSheetMaxColumns = 64;
inline constexpr int kSheetHeaderRows = 7;
inline constexpr int kSheetFirstHeaderRow = -1000;  // the top column-header row
inline constexpr int kSheetLastHeaderRow = -994;    // the bottom one
inline constexpr int kSheetAll = -1;

// Cell types with a behaviour of their own.
inline constexpr int kCellTypeText = 0;
inline constexpr int kCellTypeCheckBox = 10;
inline constexpr int kCellTypeNumber = 13;
// Cell setting 373: shrink a text too wide for its cell.
inline constexpr int kShrinkToFit = 3;

// DISPIDs of the spreadsheet control.
namespace sheet {
inline constexpr int kActiveCol = 22;
inline constexpr int kActiveRow = 102;
inline constexpr int kText = -517;
inline constexpr int kCellValue = 195;
inline constexpr int kCellType = 18;
inline constexpr int kCellSetting168 = 168;
inline constexpr int kCellSetting280 = 280;
inline constexpr int kCellSetting373 = 373;
inline constexpr int kForeColor = -513;
inline constexpr int kColumnCount = 203;
inline constexpr int kRowCount = 68;
inline constexpr int kColumnHeaderRowCount = 342;
inline constexpr int kColumnWidth = 217;
inline constexpr int kAddCellSpan = 490;
inline constexpr int kSheetSetting11 = 11;
inline constexpr int kSheetSetting204 = 204;
inline constexpr int kSheetSetting319 = 319;
inline constexpr int kSheetSetting365 = 365;
inline constexpr int kBlockEndCol = 23;
inline constexpr int kBlockEndRow = 103;
inline constexpr int kBlockSetting12 = 12;
inline constexpr int kBlockSetting64 = 64;
inline constexpr int kBlockSetting97 = 97;
inline constexpr int kAlternateRowColors = 295;
inline constexpr int kDataRowCount = 34;
inline constexpr int kSortKey = 221;
inline constexpr int kSortKeyOrder = 222;
inline constexpr int kSortRange = 484;
inline constexpr int kDeleteRows = 471;
inline constexpr int kSaveSheet = 260;
inline constexpr int kExportSetting381 = 381;
inline constexpr int kExportToExcel = 509;
inline constexpr int kHWnd = -515;
inline constexpr int kPrintHeader = 84;
inline constexpr int kPrintTitle = 82;
inline constexpr int kPrintSetting214 = 214;
inline constexpr int kPrintSetting405 = 405;
inline constexpr int kPrintSheet = 462;

// Events.
inline constexpr int kEventCellChange = 4;
inline constexpr int kEventCellClick = 5;
inline constexpr int kEventKeyPress = -603;

// Sort orders of SortKeyOrder.
inline constexpr int kAscending = 1;
inline constexpr int kDescending = 2;
}  // namespace sheet

enum class CellAlign { Left, Right, Center };

// The keys that move the user's cursor (Spreadsheet::UserKey).
enum class SheetKey {
  kTab,         // next column; from the last column the first of the next row
  kBackTab,     // previous column; from the first the last of the previous row
  kEnter,       // next row, in the column where a run of Tabs began
  kShiftEnter,  // previous row, likewise
  kUp,
  kDown,
  kLeft,
  kRight,
};
enum class SheetScrollBars { None, Vertical, Horizontal, Both };

struct SheetCell {
  std::string text;
  bool isValue = false;  // written by CellValue or typed into a number cell
  int type = kCellTypeText;
  std::optional<ColorRef> foreColor;
  std::map<int, Variant> settings;  // cell and block settings by DISPID, as passed
};

// A block of joined cells; its text is that of its top-left cell.
struct CellSpan {
  int col = 0;
  int row = 0;
  int cols = 1;
  int rows = 1;
  bool Contains(int c, int r) const;
  friend bool operator==(const CellSpan&, const CellSpan&) = default;
};

struct AlternateRowColors {
  ColorRef oddBack, oddFore, evenBack, evenFore;
};

class Spreadsheet final : public HostedControl {
 public:
  // A fresh sheet: 5 columns 9 wide, 100 rows, one column-header row, the
  // row-number column 4 wide, scroll bars as needed. `persisted` holds the
  // settings a dialog template gives the control, as "name=value" pairs
  // separated by ';': columns, rows, headerRows, columnWidth,
  // rowHeaderWidth, scrollBars (none, vertical, horizontal, both). Unknown
  // names and bad values are ignored.
  explicit Spreadsheet(std::string_view persisted = {});
  ~Spreadsheet() override;

  std::unique_ptr<HostedControl> Snapshot() const override;
  // A detached copy (for the file and workbook writers and for tests).
  std::unique_ptr<Spreadsheet> Copy() const;

  // ---- what the sheet holds --------------------------------------------------
  int ColumnCount() const { return state_.columnCount; }
  int RowCount() const { return state_.rowCount; }
  int HeaderRowCount() const { return state_.headerRowCount; }
  // The last data row (within the row and column counts) that holds a text;
  // 0 when none does.
  int DataRowCount() const;
  // Width in the control's units (about one digit each); column 0 is the
  // row-number column.
  double ColumnWidth(int col) const;
  SheetScrollBars ScrollBars() const { return state_.scrollBars; }

  // The cell at an address (a header row, a data row up to the maximum, a
  // column up to kSheetMaxColumns), null for any other address.
  const SheetCell* Cell(int col, int row) const;
  std::string Text(int col, int row) const;
  // The text shown: the top-left cell's for a joined block, the row number
  // in the row-number column of a data row without a text of its own.
  std::string ShownText(int col, int row) const;
  const std::vector<CellSpan>& Spans() const { return state_.spans; }
  // The block that joins this cell, or null.
  const CellSpan* SpanAt(int col, int row) const;
  ColorRef BackColor(int col, int row) const;
  ColorRef ForeColor(int col, int row) const;
  CellAlign Align(int col, int row) const;
  const std::optional<AlternateRowColors>& AlternateColors() const { return state_.alternate; }

  // Settings as passed: of the sheet (by DISPID) and of one cell.
  Variant Setting(int dispid) const;
  Variant CellSetting(int col, int row, int dispid) const;
  int ActiveCol() const { return state_.activeCol; }
  int ActiveRow() const { return state_.activeRow; }
  int BlockEndCol() const { return state_.blockEndCol; }
  int BlockEndRow() const { return state_.blockEndRow; }
  const std::string& PrintHeader() const { return state_.printHeader; }
  const std::string& PrintTitle() const { return state_.printTitle; }
  // What the last PrintSheet call came to (kCancelled before any), so that
  // a dialog can report a failed print and stay silent about a cancelled one.
  SheetPrintOutcome LastPrintOutcome() const { return lastPrintOutcome_; }
  // Why the last workbook export failed (empty after one that succeeded).
  const std::string& LastExportError() const { return lastExportError_; }

  // The number that stands for the sheet's window (HWnd, handed to the
  // preview control), and the live sheet of a number (null when gone).
  int WindowHandle() const { return handle_; }
  static Spreadsheet* FromWindowHandle(int handle);

  // ---- what the user does (the backends call these) ---------------------------
  // True for a number cell of a data row and column within the counts.
  bool CanUserEdit(int col, int row) const;
  // True when the user may leave this text in the cell (a number cell takes
  // digits, signs, '.', 'e' and 'E'; an empty text always).
  bool AcceptsTyping(int col, int row, std::string_view text) const;
  // Stores a text the user typed and raises CellChange at once when the text
  // changed (after the changes of a row that waits). False when the cell
  // cannot be edited or refuses the text.
  bool UserEdit(int col, int row, const std::string& text);
  // Like UserEdit, for a cell of the cursor's row: the text is stored at
  // once, its CellChange is raised when the cursor leaves the row (or on
  // UserLeave). A cell of another row is a UserEdit.
  bool UserEnter(int col, int row, const std::string& text);
  // A click: raises the changes of a row that waits (unless the click is on
  // a data cell of that row), then CellClick with the address as the user
  // sees it (header rows as 0; a row moved by the handlers of those changes
  // is reported where it went). A click on a row number selects that row, or
  // clears the selection when the row was selected; any other click clears
  // it. A click on a data cell puts the cursor there.
  void UserClick(int col, int row);
  // Raises KeyPress; returns the key code as the handlers left it.
  int UserKeyPress(int keyCode);

  // The cursor: a data cell within the counts ((1, 1) when there is none).
  int CursorCol() const;
  int CursorRow() const;
  // Puts the cursor on a cell (kept within the counts); leaving the row
  // raises the changes that wait for it.
  void UserMoveCursor(int col, int row);
  // Moves the cursor as the key does (see SheetKey).
  void UserKey(SheetKey key);
  // The sheet lost the keyboard focus: raises the changes that wait.
  void UserLeave();
  // The row selected by a click on its number, 0 for none.
  int SelectedRow() const { return selectedRow_; }

 protected:
  std::string_view DispatchName(int dispid) const override;
  void DoPut(int dispid, const Variant& value) override;
  Variant DoGet(int dispid) override;
  void DoPutIndexed(int dispid, const Variant& index, const Variant& value) override;
  Variant DoInvoke(int dispid, const std::vector<Variant>& args) override;

 private:
  struct State {
    int columnCount = 5;
    int rowCount = kSheetMaxDataRows;
    int headerRowCount = 1;
    double rowHeaderWidth = 4.0;
    double defaultColumnWidth = 9.0;
    std::vector<double> columnWidths;  // by column 1..kSheetMaxColumns (index 0 unused)
    std::vector<SheetCell> header;     // kSheetHeaderRows x (kSheetMaxColumns + 1)
    std::vector<SheetCell> data;       // kSheetMaxDataRows x (kSheetMaxColumns + 1)
    SheetCell defaults;                // what every data cell gets (all-cells settings)
    std::vector<CellSpan> spans;
    int activeCol = 1;
    int activeRow = 1;
    int blockEndCol = 1;
    int blockEndRow = 1;
    std::map<int, Variant> settings;
    std::map<int, int> sortKeys;       // key number -> column
    std::map<int, int> sortKeyOrders;  // key number -> order
    std::optional<AlternateRowColors> alternate;
    std::string printHeader;
    std::string printTitle;
    SheetScrollBars scrollBars = SheetScrollBars::Both;
  };

  struct Detached {};
  Spreadsheet(Detached, const State& state);

  SheetCell* MutableCell(int col, int row);
  // The cells the active column and row address (one, a row, a column, all).
  std::vector<SheetCell*> AddressedCells();
  void ApplyPersisted(std::string_view persisted);
  void ClearRow(int row);
  void SetRowCount(int count);
  void SetColumnCount(int count);
  void SetHeaderRowCount(int count);
  bool AddSpan(int col, int row, int cols, int rows);
  bool SortRows(int col1, int row1, int col2, int row2, const Variant& keys, const Variant& orders);
  void DeleteRows(int row, int count);
  // The cursor without the memory of a run of Tabs.
  void MoveCursorTo(int col, int row);
  // Raises CellChange for every cell of the waiting row that changed.
  void FinishPendingRow();

  friend class SpreadsheetFile;

  State state_;
  int handle_ = 0;
  SheetPrintOutcome lastPrintOutcome_ = SheetPrintOutcome::kCancelled;

  // The user's side (not part of a copy).
  int cursorCol_ = 1;
  int cursorRow_ = 1;
  int tabStartCol_ = 0;        // where the run of Tabs on this row began, 0 for none
  int pendingRow_ = 0;         // the row whose changes wait, 0 for none
  std::vector<int> pendingCols_;  // its changed columns, in the order typed
  bool finishing_ = false;
  int clickedRow_ = 0;         // the clicked row while the waiting changes are raised
  int selectedRow_ = 0;
  std::string lastExportError_;
};

// The hosted control object for a template control of kind Spreadsheet or
// PrintPreview (its text holds the persisted settings); null for other kinds.
std::unique_ptr<HostedControl> MakeHostedControl(const ControlTemplate& control);

}  // namespace tervane::fw
