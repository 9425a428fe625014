#pragma once
// Drawing the spreadsheet: the one painter of its cells for the screen, the
// printed pages and the preview, so the preview shows exactly the pages that
// print.
//
// Sizes are fixed in twips (1/1440 inch) and converted to the device's
// resolution edge by edge: a row is 240 twips high (16 pixels on a 96-dpi
// screen), a width unit 112.5 twips (7.5 pixels). Cell texts are drawn in the
// 8-point "MS Sans Serif" face, several lines where the text holds '\n',
// cut at the cell's edge.
//
// A printed page holds, from the top: the print header and the print title
// (their codes: "/c" centres the text that follows, "/r" puts it on the
// right, "/l" back on the left, "/p" is the page number, "/n" starts a new
// line, "//" is a slash), then the column-header rows, then as many data rows
// as fit, with the row-number column on the left. The header rows and the
// row numbers repeat on every page; columns too wide for one page continue on
// further pages (all rows of the first columns first).

#include <string>
#include <string_view>
#include <vector>

#include "framework/DeviceContext.h"

namespace tervane::fw {

class Spreadsheet;

inline constexpr int kSheetRowHeightTwips = 240;
inline constexpr double kSheetWidthUnitTwips = 112.5;

// A column's width in twips (column 0 is the row-number column).
int SheetColumnTwips(const Spreadsheet& sheet, int col);
// The column-header rows shown, top to bottom (-1000 ...).
std::vector<int> ShownHeaderRows(const Spreadsheet& sheet);

// Device edges of the given columns (rows) placed one after the other from
// `origin`: edges[i] is where element i begins, edges.back() where the last
// ends. Each edge is converted from its distance in twips on its own.
std::vector<int> SheetColumnEdges(const Spreadsheet& sheet, const std::vector<int>& cols, int origin, int dpi);
std::vector<int> SheetRowEdges(const std::vector<int>& rows, int origin, int dpi);

// Draws the cells of the given rows and columns as one block, the first cell's
// top-left corner at device point `origin`, rows and columns placed one after
// the other in the order given. A joined block is drawn as one cell over the
// part of it that the lists hold. The screen passes the row the user
// selected: its number is drawn white on the selection colour and its cells
// on a light tint of it (the paper never shows a selection).
void PaintSheetCells(DeviceContext& dc, const Spreadsheet& sheet, const std::vector<int>& cols,
                     const std::vector<int>& rows, Point origin, int selectedRow = 0);

// The colours of a selected row: its number cell and text, and its cells.
inline constexpr ColorRef kSheetSelectionBack = RGB(0, 84, 166);
inline constexpr ColorRef kSheetSelectionFore = RGB(255, 255, 255);
inline constexpr ColorRef kSheetSelectionTint = RGB(204, 226, 247);

// One line of a print header: its left, centred and right parts.
struct PrintTextLine {
  std::string left;
  std::string center;
  std::string right;
  friend bool operator==(const PrintTextLine&, const PrintTextLine&) = default;
};
std::vector<PrintTextLine> ParsePrintCodes(std::string_view text, int pageNumber);

// The printable area of a page and the margin kept inside it, in twips.
struct SheetPageSetup {
  int widthTwips = 0;
  int heightTwips = 0;
  int marginTwips = 360;
  friend bool operator==(const SheetPageSetup&, const SheetPageSetup&) = default;
};

// The page of the last print job, else the printable area of an A4 sheet with
// a quarter inch kept free on every side.
SheetPageSetup CurrentSheetPageSetup();

struct SheetPage {
  int firstRow = 1;  // data rows firstRow..lastRow (none when lastRow < firstRow)
  int lastRow = 0;
  int firstCol = 1;  // data columns firstCol..lastCol
  int lastCol = 0;
  friend bool operator==(const SheetPage&, const SheetPage&) = default;
};

// Every page of the sheet on this page setup; at least one.
std::vector<SheetPage> PaginateSheet(const Spreadsheet& sheet, const SheetPageSetup& setup);

// Draws page `index` (from 0) of `pages` on a device whose logical origin is
// the top-left corner of the printable area (text mapping).
void PaintSheetPage(DeviceContext& dc, const Spreadsheet& sheet, const SheetPageSetup& setup,
                    const std::vector<SheetPage>& pages, std::size_t index);

// Prints the sheet through the print service: the Print dialog (with the page
// range), then the chosen pages. False when the user cancelled or the job
// failed.
bool PrintSpreadsheet(const Spreadsheet& sheet);

// The same, telling a Print dialog that gave no printer (kCancelled) from a
// job that the printer refused (kFailed), which the caller reports.
enum class SheetPrintOutcome { kPrinted, kCancelled, kFailed };
SheetPrintOutcome PrintSpreadsheetPages(const Spreadsheet& sheet);

}  // namespace tervane::fw
