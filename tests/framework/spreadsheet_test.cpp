// The spreadsheet control's model: addressing, counts, sorting, deleting,
// the user's edits and clicks with their events, the call log, and the
// dispatch forms of its DISPIDs.

#include "framework/Spreadsheet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include <string>
#include <utility>
#include <vector>

#include "framework/SpreadsheetPreview.h"

namespace tervane::fw {
namespace {

// Program calls, as a wrapper makes them.
struct Calls {
  Spreadsheet& s;
  void Cell(int col, int row) {
    s.PutProperty(sheet::kActiveCol, Variant::I4(col));
    s.PutProperty(sheet::kActiveRow, Variant::I4(row));
  }
  void Text(int col, int row, const std::string& text) {
    Cell(col, row);
    s.PutProperty(sheet::kText, Variant::Text(text));
  }
  void Value(int col, int row, const std::string& text) {
    Cell(col, row);
    s.PutProperty(sheet::kCellValue, Variant::Text(text));
  }
  int DataRowCount() { return s.GetProperty(sheet::kDataRowCount).AsInt(); }
  bool Sort(int c1, int r1, int c2, int r2) {
    return s.Invoke(sheet::kSortRange, {Variant::I4(c1), Variant::I4(r1), Variant::I4(c2), Variant::I4(r2),
                                        Variant::I4(0), Variant(), Variant()})
        .AsBool();
  }
  void DeleteRows(int row, int count) { s.Invoke(sheet::kDeleteRows, {Variant::I4(row), Variant::I4(count)}); }
  bool Span(int col, int row, int cols, int rows) {
    return s.Invoke(sheet::kAddCellSpan, {Variant::I4(col), Variant::I4(row), Variant::I4(cols), Variant::I4(rows)})
        .AsBool();
  }
  // Every data cell a number cell, as the layer table makes them.
  void NumberCells() {
    Cell(kSheetAll, kSheetAll);
    s.PutProperty(sheet::kCellType, Variant::I4(kCellTypeNumber));
  }
  void SortKeys(int column, int order) {
    s.PutIndexedProperty(sheet::kSortKey, Variant::I2(1), Variant::I4(column));
    s.PutIndexedProperty(sheet::kSortKeyOrder, Variant::I2(1), Variant::I4(order));
  }
};

// Every event the sheet raises, as "dispid col row".
struct EventLog {
  std::vector<std::string> lines;
  void Attach(Spreadsheet& s) {
    s.SetEventSink([this](int dispid, std::vector<Variant>& args) {
      std::string line = std::to_string(dispid);
      for (const Variant& a : args) line += " " + std::to_string(a.AsInt());
      lines.push_back(line);
    });
  }
};

std::vector<std::string> Column(const Spreadsheet& s, int col, int rows) {
  std::vector<std::string> out;
  for (int r = 1; r <= rows; ++r) out.push_back(s.Text(col, r));
  return out;
}

TEST(SpreadsheetTest, ActiveCellAndBlockAreKeptBetweenCalls) {
  Spreadsheet s;
  Calls c{s};
  c.Cell(3, -996);
  s.PutProperty(sheet::kBlockEndCol, Variant::I4(9));
  s.PutProperty(sheet::kBlockEndRow, Variant::I4(100));
  s.PutProperty(sheet::kText, Variant::Text("caption"));
  EXPECT_EQ(s.GetProperty(sheet::kActiveCol).AsInt(), 3);
  EXPECT_EQ(s.GetProperty(sheet::kActiveRow).AsInt(), -996);
  EXPECT_EQ(s.GetProperty(sheet::kBlockEndCol).AsInt(), 9);
  EXPECT_EQ(s.GetProperty(sheet::kBlockEndRow).AsInt(), 100);
  EXPECT_EQ(s.GetProperty(sheet::kText).AsText(), "caption");
  EXPECT_EQ(s.Text(3, -996), "caption");
}

TEST(SpreadsheetTest, AddressesReachOneCellARowAColumnOrEveryDataCell) {
  Spreadsheet s;
  Calls c{s};
  c.Cell(2, -1);  // column 2, every data row
  s.PutProperty(sheet::kForeColor, Variant::Color(0x0000FF));  // red as 0x00BBGGRR
  c.Cell(-1, 4);  // row 4, every column
  s.PutProperty(sheet::kCellSetting168, Variant::I4(2));
  c.Cell(0, -1000);  // the row-number column's top header cell
  s.PutProperty(sheet::kText, Variant::Text("corner"));
  c.Cell(kSheetAll, kSheetAll);
  s.PutProperty(sheet::kCellType, Variant::I4(13));

  EXPECT_EQ(s.ForeColor(2, 1), RGB(255, 0, 0));
  EXPECT_EQ(s.ForeColor(2, 100), RGB(255, 0, 0));
  EXPECT_EQ(s.ForeColor(3, 1), kBlack);
  EXPECT_EQ(s.CellSetting(5, 4, sheet::kCellSetting168), Variant::I4(2));
  EXPECT_EQ(s.Align(5, 4), CellAlign::Center);
  EXPECT_TRUE(s.CellSetting(5, 3, sheet::kCellSetting168).IsEmpty());
  EXPECT_EQ(s.Text(0, -1000), "corner");
  EXPECT_EQ(s.Cell(1, 1)->type, 13);
  EXPECT_EQ(s.Cell(64, 100)->type, 13);
  EXPECT_EQ(s.Cell(1, -1000)->type, kCellTypeText);  // header cells are not data cells
  // Outside the sheet nothing is addressed.
  c.Text(1, 101, "lost");
  c.Text(65, 1, "lost");
  c.Text(1, 0, "lost");
  EXPECT_EQ(s.Cell(1, 101), nullptr);
  EXPECT_EQ(s.Cell(65, 1), nullptr);
  EXPECT_EQ(s.Cell(1, 0), nullptr);
}

TEST(SpreadsheetTest, CountsAreClampedAndTheSheetHoldsAtMostAHundredRows) {
  Spreadsheet s;
  EXPECT_EQ(s.ColumnCount(), 5);
  EXPECT_EQ(s.RowCount(), 100);
  EXPECT_EQ(s.HeaderRowCount(), 1);
  s.PutProperty(sheet::kRowCount, Variant::I4(150));
  s.PutProperty(sheet::kColumnHeaderRowCount, Variant::I4(9));
  s.PutProperty(sheet::kColumnCount, Variant::I4(-3));
  EXPECT_EQ(s.RowCount(), 100);
  EXPECT_EQ(s.HeaderRowCount(), 7);
  EXPECT_EQ(s.ColumnCount(), 0);
  EXPECT_EQ(s.GetProperty(sheet::kRowCount), Variant::I4(100));

  // Shrinking the sheet drops what it no longer shows.
  Calls c{s};
  s.PutProperty(sheet::kColumnCount, Variant::I4(3));
  c.Value(3, 7, "1.00");
  c.Value(2, 2, "2.00");
  s.PutProperty(sheet::kRowCount, Variant::I4(5));
  EXPECT_EQ(s.Text(3, 7), "");
  EXPECT_EQ(c.DataRowCount(), 2);
  s.PutProperty(sheet::kColumnCount, Variant::I4(1));
  EXPECT_EQ(s.Text(2, 2), "");
  EXPECT_EQ(c.DataRowCount(), 0);
}

TEST(SpreadsheetTest, PersistedSettingsOfTheTemplateShapeTheSheet) {
  Spreadsheet s("columns=0;rows=12;headerRows=1;rowHeaderWidth=3.5;scrollBars=none;bogus=1;rows=x");
  EXPECT_EQ(s.ColumnCount(), 0);
  EXPECT_EQ(s.RowCount(), 12);
  EXPECT_EQ(s.ColumnWidth(0), 3.5);
  EXPECT_EQ(s.ScrollBars(), SheetScrollBars::None);
  ControlTemplate t;
  t.kind = ControlKind::Spreadsheet;
  t.text = "rows=7";
  auto hosted = MakeHostedControl(t);
  ASSERT_NE(dynamic_cast<Spreadsheet*>(hosted.get()), nullptr);
  EXPECT_EQ(static_cast<Spreadsheet&>(*hosted).RowCount(), 7);
  t.kind = ControlKind::PrintPreview;
  EXPECT_NE(dynamic_cast<SpreadsheetPreview*>(MakeHostedControl(t).get()), nullptr);
  t.kind = ControlKind::Edit;
  EXPECT_EQ(MakeHostedControl(t), nullptr);
}

TEST(SpreadsheetTest, DataRowCountFollowsTypingEditingAndDeleting) {
  Spreadsheet s;
  Calls c{s};
  c.NumberCells();
  EXPECT_EQ(c.DataRowCount(), 0);
  EXPECT_TRUE(s.UserEdit(1, 1, "3"));
  EXPECT_EQ(c.DataRowCount(), 1);
  EXPECT_TRUE(s.UserEdit(2, 4, "20"));  // a row further down, other column
  EXPECT_EQ(c.DataRowCount(), 4);
  EXPECT_TRUE(s.UserEdit(2, 4, ""));  // emptied again
  EXPECT_EQ(c.DataRowCount(), 1);
  EXPECT_TRUE(s.UserEdit(5, 3, "1.1"));
  EXPECT_EQ(c.DataRowCount(), 3);
  c.DeleteRows(1, 1);
  EXPECT_EQ(c.DataRowCount(), 2);
  EXPECT_EQ(s.Text(5, 2), "1.1");
  c.DeleteRows(2, 1);
  EXPECT_EQ(c.DataRowCount(), 0);
  // A text in a column beyond the count is no data.
  s.PutProperty(sheet::kColumnCount, Variant::I4(5));
  c.Text(6, 9, "x");
  EXPECT_EQ(c.DataRowCount(), 0);
}

TEST(SpreadsheetTest, SortIsStableByTheKeyAndKeepsBlankRowsLast) {
  Spreadsheet s;
  Calls c{s};
  // Key column 1; column 2 tells the rows apart. Row 4 is blank; row 6 has no
  // key but data; "2" and "2.0" are equal keys and keep their order.
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"3", "a"}, {"2", "b"}, {"10", "c"}, {"", ""}, {"2.0", "d"}, {"", "e"}, {"-1", "f"}, {"abc", "g"},
  };
  for (std::size_t i = 0; i < rows.size(); ++i) {
    c.Value(1, static_cast<int>(i) + 1, rows[i].first);
    c.Text(2, static_cast<int>(i) + 1, rows[i].second);
  }
  c.SortKeys(1, sheet::kAscending);
  ASSERT_TRUE(c.Sort(1, 1, 5, 8));
  EXPECT_EQ(Column(s, 2, 8), (std::vector<std::string>{"f", "b", "d", "a", "c", "g", "", "e"}));
  EXPECT_EQ(Column(s, 1, 8), (std::vector<std::string>{"-1", "2", "2.0", "3", "10", "abc", "", ""}));
  EXPECT_TRUE(s.Cell(1, 2)->isValue);  // cells move whole

  c.SortKeys(1, sheet::kDescending);
  ASSERT_TRUE(c.Sort(1, 1, 5, 8));
  // Blank keys stay last in either order; equal keys keep their order.
  EXPECT_EQ(Column(s, 2, 8), (std::vector<std::string>{"g", "c", "a", "b", "d", "f", "", "e"}));

  // Only the range moves: a column outside it stays.
  c.Text(6, 1, "stays");
  s.PutProperty(sheet::kColumnCount, Variant::I4(6));
  c.SortKeys(1, sheet::kAscending);
  ASSERT_TRUE(c.Sort(1, 1, 5, 8));
  EXPECT_EQ(s.Text(6, 1), "stays");
  EXPECT_EQ(s.Text(2, 1), "f");
}

TEST(SpreadsheetTest, SortRefusesAnEmptyRangeAndOneWithoutKeys) {
  Spreadsheet s;
  Calls c{s};
  c.Value(1, 1, "2");
  c.Value(1, 2, "1");
  EXPECT_FALSE(c.Sort(1, 1, 5, 2));  // no sort keys yet
  c.SortKeys(1, sheet::kAscending);
  EXPECT_FALSE(c.Sort(1, 1, 5, 0));  // no rows (an empty table)
  EXPECT_EQ(s.Text(1, 1), "2");
  EXPECT_TRUE(c.Sort(1, 1, 5, 2));
  EXPECT_EQ(s.Text(1, 1), "1");
}

TEST(SpreadsheetTest, DeletingARowOutsideTheDataRowsDeletesNothing) {
  Spreadsheet s;
  Calls c{s};
  for (int r = 1; r <= 3; ++r) c.Value(1, r, std::to_string(r));
  s.PutProperty(sheet::kRowCount, Variant::I4(50));
  for (int row : {0, -1000, -994, -1, 51, 101}) {
    SCOPED_TRACE(row);
    c.DeleteRows(row, 1);
    EXPECT_EQ(Column(s, 1, 3), (std::vector<std::string>{"1", "2", "3"}));
  }
  c.DeleteRows(2, 0);
  EXPECT_EQ(c.DataRowCount(), 3);
  // An empty row below the data: nothing that holds data goes.
  c.DeleteRows(10, 1);
  EXPECT_EQ(Column(s, 1, 3), (std::vector<std::string>{"1", "2", "3"}));
  // A count past the end stops at the last row.
  c.DeleteRows(2, 1000);
  EXPECT_EQ(Column(s, 1, 3), (std::vector<std::string>{"1", "", ""}));
}

TEST(SpreadsheetTest, DeletedRowsMakeRoomWithCellsOfTheSheetsDefaults) {
  Spreadsheet s;
  Calls c{s};
  c.NumberCells();
  c.DeleteRows(1, 5);
  // The new rows at the bottom are number cells too, so the user can still
  // fill in the whole table.
  EXPECT_TRUE(s.CanUserEdit(1, 100));
  EXPECT_TRUE(s.UserEdit(1, 100, "5"));
}

TEST(SpreadsheetTest, SpansJoinBlocksWithinTheHeaderOrTheDataRowsWithoutOverlap) {
  Spreadsheet s;
  Calls c{s};
  EXPECT_TRUE(c.Span(1, -1000, 1, 6));
  EXPECT_TRUE(c.Span(0, -1000, 1, 7));
  EXPECT_TRUE(c.Span(7, -1000, 1, 1));        // a block of one cell
  EXPECT_FALSE(c.Span(1, -995, 2, 1));        // overlaps the first
  EXPECT_FALSE(c.Span(2, -994, 1, 2));        // runs from the header into the data rows
  EXPECT_FALSE(c.Span(2, -1000, 0, 1));
  EXPECT_FALSE(c.Span(64, -1000, 2, 1));      // past the last column
  EXPECT_FALSE(c.Span(1, 100, 1, 2));         // past the last row
  EXPECT_TRUE(c.Span(2, 5, 2, 2));
  c.Text(1, -1000, "Elevation");
  EXPECT_EQ(s.ShownText(1, -995), "Elevation");
  EXPECT_EQ(s.SpanAt(1, -994), nullptr);
  EXPECT_EQ(s.ShownText(0, 7), "7");  // row numbers
  // A deleted row takes its blocks along; blocks below move up.
  c.DeleteRows(1, 1);
  ASSERT_NE(s.SpanAt(2, 4), nullptr);
  EXPECT_EQ(*s.SpanAt(2, 4), (CellSpan{2, 4, 2, 2}));
  c.DeleteRows(4, 1);
  EXPECT_EQ(s.SpanAt(2, 4), nullptr);
}

TEST(SpreadsheetTest, OnlyTheUsersActionsRaiseEvents) {
  Spreadsheet s;
  EventLog events;
  events.Attach(s);
  Calls c{s};
  c.NumberCells();
  c.Value(1, 1, "2.50");
  c.Text(1, -1000, "Elevation");
  c.Sort(1, 1, 5, 1);
  c.DeleteRows(1, 1);
  s.PutIndexedProperty(sheet::kColumnWidth, Variant::I4(1), Variant::R8(9));
  EXPECT_TRUE(events.lines.empty());

  EXPECT_TRUE(s.UserEdit(1, 2, "4"));
  EXPECT_TRUE(s.UserEdit(1, 2, "4"));  // the same text again: no change
  s.UserClick(0, 3);
  s.UserClick(2, -997);  // a column-header row is reported as row 0
  s.UserClick(6, 1);     // beyond the columns: nothing
  s.UserClick(1, 101);
  EXPECT_EQ(s.UserKeyPress('7'), '7');
  EXPECT_EQ(events.lines, (std::vector<std::string>{"4 1 2", "5 0 3", "5 2 0", "-603 55"}));
}

TEST(SpreadsheetTest, TheUserEditsOnlyNumberCellsWithTheCharactersOfANumber) {
  Spreadsheet s;
  Calls c{s};
  EXPECT_FALSE(s.UserEdit(1, 1, "1"));  // text cells are read-only
  c.NumberCells();
  const std::string tooLong(41, '1');
  struct Case {
    int col, row;
    const char* text;
    bool accepted;
  };
  const Case cases[] = {
      {1, 1, "1.25", true},   {1, 1, "-3e-2", true},  {1, 1, "", true},    {1, 1, "1,5", false},
      {1, 1, "abc", false},   {1, 1, "inf", false},   {0, 1, "1", false},  {1, -994, "1", false},
      {6, 1, "1", false},     {1, 1, tooLong.c_str(), false},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.text);
    EXPECT_EQ(s.UserEdit(k.col, k.row, k.text), k.accepted);
  }
  EXPECT_TRUE(s.Cell(1, 1)->text.empty());
  // A handler can drop a key by setting it to 0.
  s.SetEventSink([](int dispid, std::vector<Variant>& args) {
    if (dispid == sheet::kEventKeyPress) args[0] = Variant::I2(0);
  });
  EXPECT_EQ(s.UserKeyPress('x'), 0);
}

// A sheet whose handlers do what the layer table's do: every change sorts
// the rows by column 1, a click on a row number deletes that row. Every
// event is logged.
struct SortingTable {
  Spreadsheet s;
  Calls c{s};
  EventLog events;
  SortingTable() {
    c.NumberCells();
    c.SortKeys(1, sheet::kAscending);
    s.SetEventSink([this](int dispid, std::vector<Variant>& args) {
      std::string line = std::to_string(dispid);
      for (const Variant& a : args) line += " " + std::to_string(a.AsInt());
      events.lines.push_back(line);
      if (dispid == sheet::kEventCellChange) c.Sort(1, 1, 5, c.DataRowCount());
      if (dispid == sheet::kEventCellClick && args[0].AsInt() == 0 && args[1].AsInt() >= 1)
        c.DeleteRows(args[1].AsInt(), 1);
    });
  }
  // Rows 1.. with these elevations and, in column 2, a strength each.
  void Rows(const std::vector<std::pair<const char*, const char*>>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      c.Value(1, static_cast<int>(i) + 1, rows[i].first);
      c.Value(2, static_cast<int>(i) + 1, rows[i].second);
    }
  }
  std::vector<std::string> Row(int row) const { return {s.Text(1, row), s.Text(2, row)}; }
  // Types into the cursor's cell as the keyboard does, then presses a key.
  void Enter(const std::string& text, SheetKey then) {
    ASSERT_TRUE(s.UserEnter(s.CursorCol(), s.CursorRow(), text));
    s.UserKey(then);
  }
};

// The entry of a new row: its elevation does not move it while the user
// types the rest of it; leaving the row sorts it into place, each change
// reported where the row then is, and the cursor stays on the next empty row.
TEST(SpreadsheetTest, AnEnteredRowIsSortedWhenTheCursorLeavesIt) {
  SortingTable t;
  t.Rows({{"1.00", "10"}, {"2.00", "20"}, {"3.00", "30"}});
  t.s.UserMoveCursor(1, 4);
  t.Enter("0.3", SheetKey::kTab);
  EXPECT_TRUE(t.events.lines.empty());
  EXPECT_EQ(t.Row(4), (std::vector<std::string>{"0.3", ""}));
  EXPECT_EQ(t.s.CursorCol(), 2);
  EXPECT_EQ(t.s.CursorRow(), 4);
  t.Enter("30", SheetKey::kEnter);  // back to the column where the Tabs began
  EXPECT_EQ(t.events.lines, (std::vector<std::string>{"4 1 4", "4 2 1"}));
  EXPECT_EQ(t.Row(1), (std::vector<std::string>{"0.3", "30"}));
  EXPECT_EQ(t.Row(4), (std::vector<std::string>{"3.00", "30"}));
  EXPECT_EQ(t.s.CursorCol(), 1);
  EXPECT_EQ(t.s.CursorRow(), 5);
}

// Editing an existing row: the cursor goes to the row below, and stays on
// that row (not on its grid position) when the sort moves it.
TEST(SpreadsheetTest, TheCursorFollowsItsRowWhenTheSortMovesIt) {
  SortingTable t;
  t.Rows({{"1.00", "10"}, {"2.00", "20"}, {"3.00", "30"}});
  t.s.UserMoveCursor(1, 1);
  t.Enter("5", SheetKey::kEnter);  // 1.00 becomes 5: the row goes last
  EXPECT_EQ(t.Row(3), (std::vector<std::string>{"5", "10"}));
  EXPECT_EQ(t.s.CursorRow(), 1);  // the row of 2.00 it went down to
  t.Enter("2.5", SheetKey::kDown);
  EXPECT_EQ(t.Row(1), (std::vector<std::string>{"2.5", "20"}));
  EXPECT_EQ(t.Row(2), (std::vector<std::string>{"3.00", "30"}));
  // The focus leaving the sheet reports what waits; so does an edit
  // elsewhere, before its own change.
  t.events.lines.clear();
  t.Enter("9", SheetKey::kRight);
  EXPECT_TRUE(t.events.lines.empty());
  t.s.UserLeave();
  EXPECT_EQ(t.events.lines, (std::vector<std::string>{"4 1 2"}));
  EXPECT_EQ(t.Row(3), (std::vector<std::string>{"9", "30"}));
  EXPECT_EQ(t.s.CursorRow(), 3);
  t.events.lines.clear();
  ASSERT_TRUE(t.s.UserEnter(2, 3, "31"));
  ASSERT_TRUE(t.s.UserEdit(1, 5, "0.1"));
  EXPECT_EQ(t.events.lines, (std::vector<std::string>{"4 2 3", "4 1 5"}));
  EXPECT_EQ(t.Row(1), (std::vector<std::string>{"0.1", ""}));
}

// A click on a row number while a row waits deletes the row the user
// clicked, wherever the sort took it.
TEST(SpreadsheetTest, AClickDeletesTheClickedRowAfterTheWaitingRowIsSorted) {
  SortingTable t;
  t.Rows({{"1.00", "10"}, {"2.00", "20"}, {"3.00", "30"}});
  t.s.UserMoveCursor(1, 4);
  t.Enter("0.5", SheetKey::kTab);
  t.s.UserClick(0, 3);  // the row shown as 3: 3.00
  EXPECT_EQ(t.events.lines, (std::vector<std::string>{"4 1 4", "5 0 4"}));
  EXPECT_EQ(Column(t.s, 1, 4), (std::vector<std::string>{"0.5", "1.00", "2.00", ""}));
  EXPECT_EQ(t.s.SelectedRow(), 0);  // the selected row went with the deletion
  // A click in a cell of the waiting row keeps it waiting.
  t.s.UserMoveCursor(1, 4);
  t.Enter("0.1", SheetKey::kTab);
  t.events.lines.clear();
  t.s.UserClick(3, 4);
  EXPECT_EQ(t.events.lines, (std::vector<std::string>{"5 3 4"}));
  EXPECT_EQ(t.s.CursorCol(), 3);
  t.s.UserClick(2, 2);
  EXPECT_EQ(t.events.lines, (std::vector<std::string>{"5 3 4", "4 1 4", "5 2 3"}));
  EXPECT_EQ(t.s.CursorRow(), 3);  // on 1.00, which the click hit
}

TEST(SpreadsheetTest, AClickOnARowNumberSelectsTheRowAndTheRowFollowsTheProgram) {
  Spreadsheet s;
  Calls c{s};
  c.NumberCells();
  c.SortKeys(1, sheet::kAscending);
  for (int r = 1; r <= 4; ++r) c.Value(1, r, std::to_string(5 - r));  // 4 3 2 1
  s.UserClick(0, 2);
  EXPECT_EQ(s.SelectedRow(), 2);
  s.UserClick(0, 2);  // the selected row again
  EXPECT_EQ(s.SelectedRow(), 0);
  s.UserClick(0, 3);
  s.UserClick(0, -1000);  // the header
  EXPECT_EQ(s.SelectedRow(), 0);
  s.UserClick(0, 3);
  s.UserClick(2, 1);  // a cell
  EXPECT_EQ(s.SelectedRow(), 0);
  s.UserClick(0, 2);  // "3"
  c.Sort(1, 1, 5, 4);
  EXPECT_EQ(s.SelectedRow(), 3);
  c.DeleteRows(1, 1);
  EXPECT_EQ(s.SelectedRow(), 2);
  c.DeleteRows(2, 1);
  EXPECT_EQ(s.SelectedRow(), 0);
  s.UserClick(0, 3);
  s.PutProperty(sheet::kRowCount, Variant::I4(2));
  EXPECT_EQ(s.SelectedRow(), 0);
}

TEST(SpreadsheetTest, TabEnterAndTheArrowsMoveTheCursorWithinTheCounts) {
  struct Case {
    int col, row;
    std::vector<SheetKey> keys;
    int toCol, toRow;
  };
  using K = SheetKey;
  const Case cases[] = {
      {1, 1, {K::kTab, K::kTab}, 3, 1},
      {2, 1, {K::kTab, K::kTab, K::kEnter}, 2, 2},   // back where the Tabs began
      {5, 1, {K::kTab}, 1, 2},                       // from the last column
      {5, 10, {K::kTab}, 5, 10},                     // nowhere to go
      {1, 2, {K::kBackTab}, 5, 1},
      {1, 1, {K::kBackTab}, 1, 1},
      {3, 4, {K::kEnter, K::kEnter}, 3, 6},
      {3, 4, {K::kTab, K::kShiftEnter}, 3, 3},
      {3, 4, {K::kTab, K::kRight, K::kEnter}, 5, 5},  // an arrow ends the run of Tabs
      {1, 1, {K::kUp, K::kLeft}, 1, 1},
      {5, 10, {K::kDown, K::kRight, K::kEnter}, 5, 10},
      {2, 2, {K::kDown, K::kRight, K::kLeft, K::kUp}, 2, 2},
  };
  for (const Case& k : cases) {
    Spreadsheet s;
    s.PutProperty(sheet::kRowCount, Variant::I4(10));
    s.UserMoveCursor(k.col, k.row);
    for (SheetKey key : k.keys) s.UserKey(key);
    EXPECT_EQ(s.CursorCol(), k.toCol) << k.col << "," << k.row;
    EXPECT_EQ(s.CursorRow(), k.toRow) << k.col << "," << k.row;
  }
  // The cursor stays within counts that shrink.
  Spreadsheet s;
  s.UserMoveCursor(5, 90);
  s.PutProperty(sheet::kColumnCount, Variant::I4(3));
  s.PutProperty(sheet::kRowCount, Variant::I4(20));
  EXPECT_EQ(s.CursorCol(), 3);
  EXPECT_EQ(s.CursorRow(), 20);
}

TEST(SpreadsheetTest, ColoursAndAlignmentAsTheCallersSetThem) {
  Spreadsheet s;
  Calls c{s};
  // Odd rows RGB(206, 255, 255) on black text, even rows RGB(255, 255, 185).
  EXPECT_TRUE(s.Invoke(sheet::kAlternateRowColors,
                       {Variant::I4(0xFFFFCE), Variant::I4(0), Variant::I4(0xB9FFFF), Variant::I4(0)})
                  .AsBool());
  c.Value(1, 1, "1.00");
  c.Text(3, 2, "Tieback");
  c.Cell(8, 2);
  s.PutProperty(sheet::kForeColor, Variant::Color(0x0000FF));
  EXPECT_EQ(s.BackColor(1, 1), RGB(206, 255, 255));
  EXPECT_EQ(s.BackColor(1, 2), RGB(255, 255, 185));
  EXPECT_EQ(s.BackColor(1, -1000), RGB(224, 224, 224));
  EXPECT_EQ(s.BackColor(0, 3), RGB(224, 224, 224));
  EXPECT_EQ(s.ForeColor(8, 2), RGB(255, 0, 0));
  EXPECT_EQ(s.ForeColor(8, 1), kBlack);
  EXPECT_EQ(s.Align(1, 1), CellAlign::Right);   // a value
  EXPECT_EQ(s.Align(3, 2), CellAlign::Left);    // a text
  EXPECT_EQ(s.Align(3, -999), CellAlign::Center);
  EXPECT_EQ(s.GetProperty(sheet::kForeColor), Variant::Color(0x0000FF));
}

TEST(SpreadsheetTest, OpaqueSettingsAreStoredAsPassed) {
  Spreadsheet s;
  Calls c{s};
  s.PutProperty(sheet::kSheetSetting11, Variant::Bool(true));
  s.PutProperty(sheet::kSheetSetting204, Variant::I4(10));
  s.PutProperty(sheet::kSheetSetting365, Variant::I2(2));
  s.PutProperty(sheet::kSheetSetting319, Variant::I4(1));
  s.PutProperty(sheet::kExportSetting381, Variant::I2(1));
  s.PutProperty(sheet::kPrintSetting214, Variant::I4(0));
  s.PutProperty(sheet::kPrintSetting405, Variant::I2(1));
  EXPECT_EQ(s.Setting(11), Variant::Bool(true));
  EXPECT_EQ(s.Setting(204), Variant::I4(10));
  EXPECT_EQ(s.Setting(365), Variant::I2(2));
  EXPECT_EQ(s.Setting(319), Variant::I4(1));
  EXPECT_EQ(s.Setting(381), Variant::I2(1));
  EXPECT_EQ(s.Setting(214), Variant::I4(0));
  EXPECT_EQ(s.Setting(405), Variant::I2(1));
  // Cell settings on the active cell, block settings on the block.
  c.Cell(9, -999);
  s.PutProperty(sheet::kCellSetting373, Variant::I4(3));
  c.Cell(7, 3);
  s.PutProperty(sheet::kCellSetting280, Variant::I4(2));
  c.Cell(1, 4);
  s.PutProperty(sheet::kBlockEndRow, Variant::I4(100));
  s.PutProperty(sheet::kBlockEndCol, Variant::I4(9));
  s.PutProperty(sheet::kBlockSetting64, Variant::Bool(true));
  EXPECT_EQ(s.CellSetting(9, -999, 373), Variant::I4(3));
  EXPECT_EQ(s.CellSetting(7, 3, 280), Variant::I4(2));
  EXPECT_EQ(s.CellSetting(9, 100, 64), Variant::Bool(true));
  EXPECT_EQ(s.CellSetting(1, 4, 64), Variant::Bool(true));
  EXPECT_TRUE(s.CellSetting(1, 3, 64).IsEmpty());
  EXPECT_TRUE(s.CellSetting(10, 4, 64).IsEmpty());
  // A block that ends before it starts (no empty rows below 100 layers) is empty.
  c.Cell(1, 101);
  s.PutProperty(sheet::kBlockSetting12, Variant::Bool(true));
  EXPECT_TRUE(s.CellSetting(1, 100, 12).IsEmpty());
}

TEST(SpreadsheetTest, EveryCallIsLoggedWithItsDispatchFormAndResult) {
  Spreadsheet s;
  Calls c{s};
  c.Cell(1, -1000);
  s.PutProperty(sheet::kText, Variant::Text("Geosynthetic\nUltimate"));
  s.PutIndexedProperty(sheet::kColumnWidth, Variant::I4(2), Variant::R8(11.0));
  c.Span(1, -1000, 1, 6);
  s.GetProperty(sheet::kDataRowCount);
  s.PutProperty(sheet::kForeColor, Variant::Color(0x0000FF));
  s.PutProperty(999, Variant::I4(5));
  EXPECT_EQ(s.CallLog(), (std::vector<std::string>{
                             "ActiveCol(22) = I4 1",
                             "ActiveRow(102) = I4 -1000",
                             "Text(-517) = TEXT \"Geosynthetic\\nUltimate\"",
                             "ColumnWidth(217)[I4 2] = R8 11",
                             "AddCellSpan(490)(I4 1, I4 -1000, I4 1, I4 6) -> BOOL 1",
                             "DataRowCount(34) -> I4 0",
                             "ForeColor(-513) = COLOR 0x0000FF",
                             "Unknown(999) = I4 5",
                         }));
  EXPECT_EQ(s.Setting(999), Variant::I4(5));
  // A copy keeps the log and the cells but is no window of its own.
  auto copy = s.Copy();
  EXPECT_EQ(copy->CallLog(), s.CallLog());
  EXPECT_EQ(copy->Text(1, -1000), "Geosynthetic\nUltimate");
  EXPECT_EQ(copy->WindowHandle(), 0);
}

TEST(SpreadsheetTest, WindowHandlesNameLiveSheetsOnly) {
  int handle = 0;
  {
    Spreadsheet s;
    handle = s.GetProperty(sheet::kHWnd).AsInt();
    EXPECT_NE(handle, 0);
    EXPECT_EQ(Spreadsheet::FromWindowHandle(handle), &s);
    Spreadsheet other;
    EXPECT_NE(other.WindowHandle(), handle);
  }
  EXPECT_EQ(Spreadsheet::FromWindowHandle(handle), nullptr);
  EXPECT_EQ(Spreadsheet::FromWindowHandle(0), nullptr);
}

TEST(SpreadsheetTest, VariantsConvertBetweenTheirForms) {
  EXPECT_EQ(Variant::I2(70000).AsInt(), static_cast<std::int16_t>(70000));
  EXPECT_EQ(Variant::R8(9.9).AsInt(), 9);
  EXPECT_EQ(Variant::R8(-1e300).AsInt(), INT32_MIN);
  EXPECT_EQ(Variant::R8(std::nan("")).AsInt(), 0);
  EXPECT_EQ(Variant::Color(0xFFFFFFFFu).AsColor(), 0xFFFFFFFFu);
  EXPECT_EQ(Variant::Text("x").AsInt(), 0);
  EXPECT_EQ(Variant::I4(3).AsText(), "");
  EXPECT_EQ(Variant().Describe(), "EMPTY");
  EXPECT_EQ(Variant::Text("a\"b\\c\x01").Describe(), "TEXT \"a\\\"b\\\\c\\x01\"");
}

}  // namespace
}  // namespace tervane::fw
