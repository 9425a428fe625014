#include "framework/SpreadsheetPrint.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <tuple>

#include "framework/Services.h"
#include "framework/Spreadsheet.h"
#include "framework/Text.h"

namespace tervane::fw {

namespace {

constexpr ColorRef kGridColor = RGB(160, 160, 160);
constexpr int kCellPaddingTwips = 45;
constexpr int kCheckBoxTwips = 150;
constexpr int kHeaderLineTwips = 280;  // a line of the print header (10 points)
constexpr int kTitleLineTwips = 240;   // a line of the print title (8 points)
constexpr int kGapTwips = 120;         // between the print texts and the sheet
constexpr int kCellFontTenths = 80;
constexpr int kHeaderFontTenths = 100;

int TwipsToDevice(double twips, int dpi) { return ToDeviceCoord(twips * dpi / 1440.0); }

Font SheetFont(const DeviceContext& dc, int tenths) {
  Font font;
  font.face = "MS Sans Serif";
  font.height = PointFontHeight(dc, tenths);
  return font;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (char ch : text) {
    if (ch == '\r') continue;
    if (ch == '\n') {
      lines.push_back(std::move(line));
      line.clear();
    } else {
      line += ch;
    }
  }
  lines.push_back(std::move(line));
  return lines;
}

// Drops characters from the end (whole UTF-8 sequences) until the text fits.
std::string FitText(DeviceContext& dc, std::string text, int width) {
  while (!text.empty() && dc.GetTextExtent(text).cx > width) {
    std::size_t cut = text.size() - 1;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    text.erase(cut);
  }
  return text;
}

// The range [first, last] of list positions around `at` whose values lie in
// [lo, hi], stepping only over neighbours that follow each other.
std::pair<std::size_t, std::size_t> CoveredRange(const std::vector<int>& list, std::size_t at, int lo, int hi) {
  std::size_t first = at;
  while (first > 0 && list[first - 1] >= lo && list[first - 1] <= hi && list[first - 1] == list[first] - 1) --first;
  std::size_t last = at;
  while (last + 1 < list.size() && list[last + 1] >= lo && list[last + 1] <= hi && list[last + 1] == list[last] + 1)
    ++last;
  return {first, last};
}

void DrawCheckBox(DeviceContext& dc, const Rect& cell, bool ticked) {
  const int size = std::max(6, TwipsToDevice(kCheckBoxTwips, dc.PixelsPerInchX()));
  const int left = cell.left + (cell.Width() - size) / 2;
  const int top = cell.top + (cell.Height() - size) / 2;
  dc.SelectPen(Pen::Solid(0, kBlack));
  dc.SelectBrush(Brush::Solid(kWhite));
  dc.Rectangle(Rect{left, top, left + size, top + size});
  if (!ticked) return;
  const int w = std::max(1, size / 8);
  dc.SelectPen(Pen::Solid(w, kBlack));
  const Point tick[] = {Point{left + size / 4, top + size / 2}, Point{left + size * 2 / 5, top + size * 3 / 4},
                        Point{left + size * 3 / 4, top + size / 4}};
  dc.Polyline(tick);
}

// Breaks a line at its blanks into lines of at most `width`; a word wider
// than that stays on a line of its own.
std::vector<std::string> WrapAtBlanks(DeviceContext& dc, const std::string& line, int width) {
  std::vector<std::string> out;
  std::string current;
  std::size_t start = 0;
  while (start <= line.size()) {
    std::size_t end = line.find(' ', start);
    if (end == std::string::npos) end = line.size();
    const std::string word = line.substr(start, end - start);
    const std::string joined = current.empty() ? word : current + " " + word;
    if (!current.empty() && dc.GetTextExtent(joined).cx > width) {
      out.push_back(current);
      current = word;
    } else {
      current = joined;
    }
    start = end + 1;
  }
  out.push_back(current);
  return out;
}

void DrawCellText(DeviceContext& dc, const Rect& cell, const std::string& text, CellAlign align, ColorRef color,
                  bool shrinkToFit) {
  if (text.empty()) return;
  const int pad = std::max(1, TwipsToDevice(kCellPaddingTwips, dc.PixelsPerInchX()));
  dc.SetTextColor(color);
  std::vector<std::string> lines = SplitLines(text);
  int lineHeight = dc.GetTextExtent("Ag").cy;
  const int width = cell.Width() - 2 * pad;
  // A line too wide for a cell that has room for more lines goes on at its
  // blanks (the captions of joined header cells).
  if (cell.Height() >= 2 * lineHeight) {
    std::vector<std::string> wrapped;
    for (const std::string& line : lines) {
      if (dc.GetTextExtent(line).cx <= width) {
        wrapped.push_back(line);
        continue;
      }
      for (std::string& part : WrapAtBlanks(dc, line, width)) wrapped.push_back(std::move(part));
    }
    if (wrapped.size() > lines.size() && lineHeight * static_cast<int>(wrapped.size()) <= cell.Height())
      lines = std::move(wrapped);
  }
  // A cell told to shrink its text draws it in smaller letters until its
  // widest line fits.
  std::optional<Font> restore;
  if (shrinkToFit && width > 0) {
    int widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, dc.GetTextExtent(line).cx);
    if (widest > width) {
      Font smaller = dc.CurrentFont();
      int height = std::max(1, std::abs(smaller.height) * width / widest);
      smaller.height = -height;
      restore = dc.SelectFont(smaller);
      // Letters do not scale exactly: a few more steps down where needed.
      for (int step = 0; step < 4 && height > 1; ++step) {
        widest = 0;
        for (const std::string& line : lines) widest = std::max(widest, dc.GetTextExtent(line).cx);
        if (widest <= width) break;
        smaller.height = -(--height);
        dc.SelectFont(smaller);
      }
      lineHeight = dc.GetTextExtent("Ag").cy;
    }
  }
  const int total = lineHeight * static_cast<int>(lines.size());
  int y = cell.top + (cell.Height() - total) / 2;
  if (y < cell.top) y = cell.top;
  for (const std::string& raw : lines) {
    if (y + lineHeight > cell.bottom && y != cell.top) break;
    const std::string line = FitText(dc, raw, width);
    if (!line.empty()) {
      const int w = dc.GetTextExtent(line).cx;
      int x = cell.left + pad;
      if (align == CellAlign::Right) x = cell.right - pad - w;
      if (align == CellAlign::Center) x = cell.left + (cell.Width() - w) / 2;
      dc.TextOut(x, y, line);
    }
    y += lineHeight;
  }
  if (restore) dc.SelectFont(*restore);
}

std::optional<SheetPageSetup>& LastPrintedSetup() {
  static std::optional<SheetPageSetup> setup;
  return setup;
}

// Height of the print texts above the sheet on a page, in twips.
int PrintTextsTwips(const Spreadsheet& sheet) {
  const std::size_t header = ParsePrintCodes(sheet.PrintHeader(), 1).size();
  const std::size_t title = ParsePrintCodes(sheet.PrintTitle(), 1).size();
  int h = static_cast<int>(header) * kHeaderLineTwips + static_cast<int>(title) * kTitleLineTwips;
  if (h > 0) h += kGapTwips;
  return h;
}

// Draws print text lines from y (twips) down; returns the y below them.
int DrawPrintLines(DeviceContext& dc, const std::vector<PrintTextLine>& lines, const SheetPageSetup& setup, int y,
                   int lineTwips, int fontTenths) {
  const int dpiX = dc.PixelsPerInchX();
  const int dpiY = dc.PixelsPerInchY();
  dc.SelectFont(SheetFont(dc, fontTenths));
  const int left = TwipsToDevice(setup.marginTwips, dpiX);
  const int right = TwipsToDevice(setup.widthTwips - setup.marginTwips, dpiX);
  for (const PrintTextLine& line : lines) {
    const int top = TwipsToDevice(y, dpiY);
    if (!line.left.empty()) dc.TextOut(left, top, line.left);
    if (!line.center.empty()) {
      const int w = dc.GetTextExtent(line.center).cx;
      dc.TextOut(left + (right - left - w) / 2, top, line.center);
    }
    if (!line.right.empty()) dc.TextOut(right - dc.GetTextExtent(line.right).cx, top, line.right);
    y += lineTwips;
  }
  return y;
}

}  // namespace

// ---- geometry ------------------------------------------------------------------------

int SheetColumnTwips(const Spreadsheet& sheet, int col) {
  return static_cast<int>(std::lround(sheet.ColumnWidth(col) * kSheetWidthUnitTwips));
}

std::vector<int> ShownHeaderRows(const Spreadsheet& sheet) {
  std::vector<int> rows;
  for (int i = 0; i < sheet.HeaderRowCount(); ++i) rows.push_back(kSheetFirstHeaderRow + i);
  return rows;
}

std::vector<int> SheetColumnEdges(const Spreadsheet& sheet, const std::vector<int>& cols, int origin, int dpi) {
  std::vector<int> edges{origin};
  long long twips = 0;
  for (int c : cols) {
    twips += SheetColumnTwips(sheet, c);
    edges.push_back(origin + TwipsToDevice(static_cast<double>(twips), dpi));
  }
  return edges;
}

std::vector<int> SheetRowEdges(const std::vector<int>& rows, int origin, int dpi) {
  std::vector<int> edges{origin};
  for (std::size_t i = 1; i <= rows.size(); ++i)
    edges.push_back(origin + TwipsToDevice(static_cast<double>(i) * kSheetRowHeightTwips, dpi));
  return edges;
}

// ---- cells --------------------------------------------------------------------------

void PaintSheetCells(DeviceContext& dc, const Spreadsheet& sheet, const std::vector<int>& cols,
                     const std::vector<int>& rows, Point origin, int selectedRow) {
  if (cols.empty() || rows.empty()) return;
  dc.Save();
  const std::vector<int> x = SheetColumnEdges(sheet, cols, origin.x, dc.PixelsPerInchX());
  const std::vector<int> y = SheetRowEdges(rows, origin.y, dc.PixelsPerInchY());
  dc.SetBkMode(BkMode::Transparent);
  dc.SetTextAlign(TextAlign{});
  dc.SelectFont(SheetFont(dc, kCellFontTenths));
  const Pen grid = Pen::Solid(0, kGridColor);

  for (std::size_t ri = 0; ri < rows.size(); ++ri) {
    for (std::size_t ci = 0; ci < cols.size(); ++ci) {
      const int col = cols[ci];
      const int row = rows[ri];
      std::size_t c1 = ci, c2 = ci, r1 = ri, r2 = ri;
      if (const CellSpan* span = sheet.SpanAt(col, row)) {
        std::tie(c1, c2) = CoveredRange(cols, ci, span->col, span->col + span->cols - 1);
        std::tie(r1, r2) = CoveredRange(rows, ri, span->row, span->row + span->rows - 1);
        if (c1 != ci || r1 != ri) continue;  // drawn with the block's first cell
      }
      const Rect cell{x[c1], y[r1], x[c2 + 1], y[r2 + 1]};
      if (cell.Width() <= 0 || cell.Height() <= 0) continue;
      const bool selected = selectedRow >= 1 && row == selectedRow;
      const ColorRef back = !selected ? sheet.BackColor(col, row) : col == 0 ? kSheetSelectionBack : kSheetSelectionTint;
      dc.FillRect(cell, Brush::Solid(back));
      dc.SelectPen(grid);
      dc.MoveTo(cell.left, cell.bottom - 1);
      dc.LineTo(cell.right, cell.bottom - 1);
      dc.MoveTo(cell.right - 1, cell.top);
      dc.LineTo(cell.right - 1, cell.bottom);
      if (ci == 0) {
        dc.MoveTo(cell.left, cell.top);
        dc.LineTo(cell.left, cell.bottom);
      }
      if (ri == 0) {
        dc.MoveTo(cell.left, cell.top);
        dc.LineTo(cell.right, cell.top);
      }
      const SheetCell* data = sheet.Cell(col, row);
      if (data != nullptr && data->type == kCellTypeCheckBox && row >= 1 && col >= 1) {
        DrawCheckBox(dc, cell, sheet.ShownText(col, row) == "1");
      } else {
        const ColorRef fore = selected && col == 0 ? kSheetSelectionFore : sheet.ForeColor(col, row);
        DrawCellText(dc, cell, sheet.ShownText(col, row), sheet.Align(col, row), fore,
                     sheet.CellSetting(col, row, sheet::kCellSetting373) == Variant::I4(kShrinkToFit));
      }
    }
  }
  dc.Restore();
}

// ---- print texts ----------------------------------------------------------------------

std::vector<PrintTextLine> ParsePrintCodes(std::string_view text, int pageNumber) {
  std::vector<PrintTextLine> lines;
  if (text.empty()) return lines;
  PrintTextLine line;
  std::string* part = &line.left;
  bool pendingLine = true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    pendingLine = true;
    if (text[i] == '/' && i + 1 < text.size()) {
      const char code = text[i + 1];
      bool known = true;
      switch (code) {
        case 'c': part = &line.center; break;
        case 'r': part = &line.right; break;
        case 'l': part = &line.left; break;
        case 'p': *part += Format("%d", pageNumber); break;
        case '/': *part += '/'; break;
        case 'n':
          lines.push_back(std::move(line));
          line = PrintTextLine{};
          part = &line.left;
          pendingLine = false;
          break;
        default: known = false; break;
      }
      if (known) {
        ++i;
        continue;
      }
    }
    *part += text[i];
  }
  // A text that ends with a new line has no empty line after it.
  if (pendingLine) lines.push_back(std::move(line));
  return lines;
}

// ---- pages ------------------------------------------------------------------------------

SheetPageSetup CurrentSheetPageSetup() {
  if (LastPrintedSetup()) return *LastPrintedSetup();
  // A4 (210 x 297 mm) less a quarter inch of unprintable border on each side.
  SheetPageSetup setup;
  setup.widthTwips = static_cast<int>(std::lround((210.0 - 12.7) / 25.4 * 1440.0));
  setup.heightTwips = static_cast<int>(std::lround((297.0 - 12.7) / 25.4 * 1440.0));
  return setup;
}

std::vector<SheetPage> PaginateSheet(const Spreadsheet& sheet, const SheetPageSetup& setup) {
  // Columns in bands that fit across the page beside the row numbers.
  std::vector<std::pair<int, int>> bands;
  const int across = setup.widthTwips - 2 * setup.marginTwips - SheetColumnTwips(sheet, 0);
  int first = 1;
  while (first <= sheet.ColumnCount()) {
    int last = first;
    long long used = SheetColumnTwips(sheet, first);
    while (last + 1 <= sheet.ColumnCount() && used + SheetColumnTwips(sheet, last + 1) <= across) {
      ++last;
      used += SheetColumnTwips(sheet, last);
    }
    bands.emplace_back(first, last);
    first = last + 1;
  }
  if (bands.empty()) bands.emplace_back(1, 0);

  // Rows that fit below the print texts and the header rows (at least one).
  const int down = setup.heightTwips - 2 * setup.marginTwips - PrintTextsTwips(sheet) -
                   sheet.HeaderRowCount() * kSheetRowHeightTwips;
  const int perPage = std::max(1, down / kSheetRowHeightTwips);

  std::vector<SheetPage> pages;
  for (const auto& [c1, c2] : bands) {
    if (sheet.RowCount() == 0) {
      pages.push_back(SheetPage{1, 0, c1, c2});
      continue;
    }
    for (int r = 1; r <= sheet.RowCount(); r += perPage)
      pages.push_back(SheetPage{r, std::min(sheet.RowCount(), r + perPage - 1), c1, c2});
  }
  return pages;
}

void PaintSheetPage(DeviceContext& dc, const Spreadsheet& sheet, const SheetPageSetup& setup,
                    const std::vector<SheetPage>& pages, std::size_t index) {
  if (index >= pages.size()) return;
  const SheetPage& page = pages[index];
  const int number = static_cast<int>(index) + 1;
  dc.Save();
  dc.SetBkMode(BkMode::Transparent);
  dc.SetTextColor(kBlack);
  dc.SetTextAlign(TextAlign{});
  int y = setup.marginTwips;
  y = DrawPrintLines(dc, ParsePrintCodes(sheet.PrintHeader(), number), setup, y, kHeaderLineTwips, kHeaderFontTenths);
  y = DrawPrintLines(dc, ParsePrintCodes(sheet.PrintTitle(), number), setup, y, kTitleLineTwips, kCellFontTenths);
  if (y > setup.marginTwips) y += kGapTwips;

  std::vector<int> cols{0};
  for (int c = page.firstCol; c <= page.lastCol; ++c) cols.push_back(c);
  std::vector<int> rows = ShownHeaderRows(sheet);
  for (int r = page.firstRow; r <= page.lastRow; ++r) rows.push_back(r);
  const Point origin{TwipsToDevice(setup.marginTwips, dc.PixelsPerInchX()), TwipsToDevice(y, dc.PixelsPerInchY())};
  PaintSheetCells(dc, sheet, cols, rows, origin);
  dc.Restore();
}

bool PrintSpreadsheet(const Spreadsheet& sheet) { return PrintSpreadsheetPages(sheet) == SheetPrintOutcome::kPrinted; }

SheetPrintOutcome PrintSpreadsheetPages(const Spreadsheet& sheet) {
  const std::vector<SheetPage> proposed = PaginateSheet(sheet, CurrentSheetPageSetup());
  PrintDialogOptions options;
  options.minPage = 1;
  options.maxPage = static_cast<int>(proposed.size());
  PrinterSelection selection = Printing().Print(options);
  if (!selection.dc) return SheetPrintOutcome::kCancelled;
  DeviceContext& dc = *selection.dc;
  const int dpiX = selection.page.dpiX > 0 ? selection.page.dpiX : dc.PixelsPerInchX();
  const int dpiY = selection.page.dpiY > 0 ? selection.page.dpiY : dc.PixelsPerInchY();
  SheetPageSetup setup;
  setup.widthTwips = MulDiv(selection.page.pageWidth > 0 ? selection.page.pageWidth : dc.DeviceSize().cx, 1440, dpiX);
  setup.heightTwips = MulDiv(selection.page.pageHeight > 0 ? selection.page.pageHeight : dc.DeviceSize().cy, 1440, dpiY);
  if (setup.widthTwips <= 0 || setup.heightTwips <= 0) return SheetPrintOutcome::kFailed;
  LastPrintedSetup() = setup;

  const std::vector<SheetPage> pages = PaginateSheet(sheet, setup);
  const int count = static_cast<int>(pages.size());
  const int from = std::clamp(selection.page.fromPage, 1, count);
  const int to = std::clamp(selection.page.toPage, from, count);
  if (!dc.StartDoc("Tervane")) return SheetPrintOutcome::kFailed;
  for (int p = from; p <= to; ++p) {
    if (!dc.StartPage()) {
      dc.AbortDoc();
      return SheetPrintOutcome::kFailed;
    }
    PaintSheetPage(dc, sheet, setup, pages, static_cast<std::size_t>(p - 1));
    if (!dc.EndPage()) {
      dc.AbortDoc();
      return SheetPrintOutcome::kFailed;
    }
  }
  return dc.EndDoc() ? SheetPrintOutcome::kPrinted : SheetPrintOutcome::kFailed;
}

}  // namespace tervane::fw
