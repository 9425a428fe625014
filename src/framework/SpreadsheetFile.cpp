#include "framework/SpreadsheetFile.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <string_view>
#include <tuple>
#include <unistd.h>
#include <vector>

#include "framework/FileIo.h"
#include "framework/Spreadsheet.h"
#include "framework/SpreadsheetPrint.h"
#include "framework/Text.h"

namespace tervane::fw {

namespace {

constexpr std::string_view kMagic = "TERVANE-SHEET 1";
constexpr std::size_t kMaxSheetFileBytes = std::size_t(16) << 20;

std::string Quote(std::string_view text) {
  std::string out = "\"";
  for (char ch : text) {
    switch (ch) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default: out += ch; break;
    }
  }
  out += '"';
  return out;
}

// Splits a line into words and quoted texts; false when a quote is not closed
// or an escape is unknown.
bool Tokenize(std::string_view line, std::vector<std::string>& tokens) {
  tokens.clear();
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ') {
      ++i;
      continue;
    }
    std::string token;
    if (line[i] == '"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        const char ch = line[i++];
        if (ch == '"') {
          closed = true;
          break;
        }
        if (ch != '\\') {
          token += ch;
          continue;
        }
        if (i >= line.size()) return false;
        switch (line[i++]) {
          case '"': token += '"'; break;
          case '\\': token += '\\'; break;
          case 'n': token += '\n'; break;
          case 'r': token += '\r'; break;
          case 't': token += '\t'; break;
          default: return false;
        }
      }
      if (!closed) return false;
      if (i < line.size() && line[i] != ' ') return false;
    } else {
      while (i < line.size() && line[i] != ' ') token += line[i++];
    }
    tokens.push_back(std::move(token));
  }
  return true;
}

bool ParseColor(const std::string& text, std::uint32_t& out) {
  if (text.size() < 3 || text.size() > 8 || text[0] != '0' || text[1] != 'x') return false;
  std::uint32_t v = 0;
  for (std::size_t i = 2; i < text.size(); ++i) {
    const char ch = text[i];
    int d = -1;
    if (ch >= '0' && ch <= '9') d = ch - '0';
    if (ch >= 'A' && ch <= 'F') d = ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f') d = ch - 'a' + 10;
    if (d < 0) return false;
    v = v * 16 + static_cast<std::uint32_t>(d);
  }
  out = v;
  return true;
}

std::string ColorText(ColorRef c) { return Format("0x%06X", static_cast<unsigned>(c.ToWindows())); }

bool IntIn(const std::string& text, int lo, int hi, int& out) {
  int v = 0;
  if (!ParseInt(text, v) || v < lo || v > hi) return false;
  out = v;
  return true;
}

}  // namespace

// ---- the sheet file -----------------------------------------------------------------

bool SpreadsheetFile::Save(const Spreadsheet& sheet, const std::string& path, bool flag) {
  if (path.empty()) return false;
  const Spreadsheet::State& s = sheet.state_;
  std::string out;
  auto line = [&out](const std::string& text) {
    out += text;
    out += '\n';
  };
  line(std::string(kMagic));
  line(Format("flag %d", flag ? 1 : 0));
  line(Format("columns %d", s.columnCount));
  line(Format("rows %d", s.rowCount));
  line(Format("headerRows %d", s.headerRowCount));
  line("rowHeaderWidth " + FormatDouble15(s.rowHeaderWidth));
  for (int c = 1; c <= kSheetMaxColumns; ++c)
    if (s.columnWidths[static_cast<std::size_t>(c)] != s.defaultColumnWidth || c <= s.columnCount)
      line(Format("width %d ", c) + FormatDouble15(s.columnWidths[static_cast<std::size_t>(c)]));
  for (const CellSpan& span : s.spans) line(Format("span %d %d %d %d", span.col, span.row, span.cols, span.rows));
  if (s.alternate)
    line("alternate " + ColorText(s.alternate->oddBack) + " " + ColorText(s.alternate->oddFore) + " " +
         ColorText(s.alternate->evenBack) + " " + ColorText(s.alternate->evenFore));
  if (!s.printHeader.empty()) line("printHeader " + Quote(s.printHeader));
  if (!s.printTitle.empty()) line("printTitle " + Quote(s.printTitle));
  auto cellLine = [&](int col, int row) {
    const SheetCell& c = *sheet.Cell(col, row);
    if (c.text.empty() && !c.foreColor) return;
    const Variant align = sheet.CellSetting(col, row, sheet::kCellSetting168);
    line(Format("cell %d %d %s %d ", col, row, c.isValue ? "value" : "text", c.type) +
         (c.foreColor ? ColorText(*c.foreColor) : std::string("-1")) + " " +
         (align.IsEmpty() ? std::string("-1") : Format("%d", align.AsInt())) + " " + Quote(c.text));
  };
  for (int r = kSheetFirstHeaderRow; r <= kSheetLastHeaderRow; ++r)
    for (int c = 0; c <= kSheetMaxColumns; ++c) cellLine(c, r);
  for (int r = 1; r <= kSheetMaxDataRows; ++r)
    for (int c = 0; c <= kSheetMaxColumns; ++c) cellLine(c, r);

  std::string error;
  return WriteFileAtomically(path, std::vector<std::uint8_t>(out.begin(), out.end()), error);
}

std::unique_ptr<Spreadsheet> SpreadsheetFile::Load(const std::string& path, std::string& error) {
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(path, bytes, error, kMaxSheetFileBytes)) return nullptr;
  const std::string text(bytes.begin(), bytes.end());
  auto sheet = std::make_unique<Spreadsheet>();
  Spreadsheet::State& s = sheet->state_;

  std::vector<std::string> t;
  std::size_t start = 0;
  int number = 0;
  bool sawMagic = false;
  auto fail = [&](const char* what) {
    error = Format("%s, line %d: %s", path.c_str(), number, what);
    return nullptr;
  };
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string_view ln(text.data() + start, end - start);
    start = end + 1;
    ++number;
    if (!sawMagic) {
      if (ln != kMagic) return fail("not a sheet file");
      sawMagic = true;
      continue;
    }
    if (ln.empty()) continue;
    if (!Tokenize(ln, t) || t.empty()) return fail("malformed line");
    const std::string& key = t[0];
    int a = 0, b = 0, c = 0, d = 0;
    double w = 0;
    if (key == "flag" && t.size() == 2 && IntIn(t[1], 0, 1, a)) {
    } else if (key == "columns" && t.size() == 2 && IntIn(t[1], 0, kSheetMaxColumns, a)) {
      s.columnCount = a;
    } else if (key == "rows" && t.size() == 2 && IntIn(t[1], 0, kSheetMaxDataRows, a)) {
      s.rowCount = a;
    } else if (key == "headerRows" && t.size() == 2 && IntIn(t[1], 0, kSheetHeaderRows, a)) {
      s.headerRowCount = a;
    } else if (key == "rowHeaderWidth" && t.size() == 2 && ParseDouble(t[1], w) && w >= 0 && w <= 255) {
      s.rowHeaderWidth = w;
    } else if (key == "width" && t.size() == 3 && IntIn(t[1], 1, kSheetMaxColumns, a) && ParseDouble(t[2], w) &&
               w >= 0 && w <= 255) {
      s.columnWidths[static_cast<std::size_t>(a)] = w;
    } else if (key == "span" && t.size() == 5 && IntIn(t[1], 0, kSheetMaxColumns, a) &&
               IntIn(t[2], kSheetFirstHeaderRow, kSheetMaxDataRows, b) && IntIn(t[3], 1, kSheetMaxColumns + 1, c) &&
               IntIn(t[4], 1, kSheetMaxDataRows, d)) {
      if (!sheet->AddSpan(a, b, c, d)) return fail("bad joined block");
    } else if (key == "alternate" && t.size() == 5) {
      std::uint32_t v[4];
      for (int i = 0; i < 4; ++i)
        if (!ParseColor(t[static_cast<std::size_t>(i + 1)], v[i])) return fail("bad colour");
      s.alternate = AlternateRowColors{ColorRef::FromWindows(v[0]), ColorRef::FromWindows(v[1]),
                                       ColorRef::FromWindows(v[2]), ColorRef::FromWindows(v[3])};
    } else if (key == "printHeader" && t.size() == 2) {
      s.printHeader = t[1];
    } else if (key == "printTitle" && t.size() == 2) {
      s.printTitle = t[1];
    } else if (key == "cell" && t.size() == 8 && IntIn(t[1], 0, kSheetMaxColumns, a) &&
               IntIn(t[2], kSheetFirstHeaderRow, kSheetMaxDataRows, b) && (t[3] == "value" || t[3] == "text") &&
               ParseInt(t[4], c)) {
      SheetCell* cell = sheet->MutableCell(a, b);
      if (cell == nullptr) return fail("bad cell address");
      cell->text = t[7];
      cell->isValue = t[3] == "value";
      cell->type = c;
      std::uint32_t fore = 0;
      if (t[5] != "-1") {
        if (!ParseColor(t[5], fore)) return fail("bad colour");
        cell->foreColor = ColorRef::FromWindows(fore);
      }
      if (t[6] != "-1") {
        if (!IntIn(t[6], 0, 2, d)) return fail("bad alignment");
        cell->settings[sheet::kCellSetting168] = Variant::I4(d);
      }
    } else {
      return fail("unknown or malformed item");
    }
  }
  if (!sawMagic) {
    error = path + ": not a sheet file";
    return nullptr;
  }
  return sheet;
}

// ---- the workbook ---------------------------------------------------------------------

namespace {

lxw_color_t WorkbookColor(ColorRef c) {
  const lxw_color_t rgb = (static_cast<lxw_color_t>(c.r) << 16) | (static_cast<lxw_color_t>(c.g) << 8) | c.b;
  return rgb == 0 ? static_cast<lxw_color_t>(LXW_COLOR_BLACK) : rgb;  // 0 means "no colour" to the library
}

class WorkbookFormats {
 public:
  explicit WorkbookFormats(lxw_workbook* workbook) : workbook_(workbook) {}

  lxw_format* Get(ColorRef fore, std::optional<ColorRef> fill, CellAlign align, bool number, bool header) {
    const auto key = std::make_tuple(fore.ToWindows(), fill ? static_cast<long long>(fill->ToWindows()) : -1LL,
                                     static_cast<int>(align), number, header);
    auto it = formats_.find(key);
    if (it != formats_.end()) return it->second;
    lxw_format* f = workbook_add_format(workbook_);
    if (f == nullptr) return nullptr;
    format_set_font_name(f, "Arial");
    format_set_font_size(f, 8);
    format_set_font_color(f, WorkbookColor(fore));
    if (fill) {
      format_set_pattern(f, LXW_PATTERN_SOLID);
      format_set_bg_color(f, WorkbookColor(*fill));
    }
    format_set_align(f, align == CellAlign::Center ? LXW_ALIGN_CENTER
                        : align == CellAlign::Right ? LXW_ALIGN_RIGHT
                                                     : LXW_ALIGN_LEFT);
    format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
    if (header) format_set_text_wrap(f);
    if (number) format_set_num_format(f, "0.00");
    format_set_border(f, LXW_BORDER_THIN);
    format_set_border_color(f, WorkbookColor(RGB(160, 160, 160)));
    formats_.emplace(key, f);
    return f;
  }

 private:
  lxw_workbook* workbook_;
  std::map<std::tuple<std::uint32_t, long long, int, bool, bool>, lxw_format*> formats_;
};

int LineCount(const std::string& text) {
  return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

bool WriteWorkbook(const Spreadsheet& sheet, const std::string& path, std::string* error) {
  // The workbook library prints its numbers and widths with printf: in the
  // process locale a German or Turkish desktop would write "1,5".
  const CNumberScope cNumbers;
  std::string why;
  auto fail = [&](const std::string& reason) {
    if (error != nullptr) *error = reason;
    return false;
  };
  TemporaryFile file;
  if (!PrepareTemporaryFile(path, file, why)) return fail(why);
  lxw_workbook* workbook = workbook_new(file.temporary.c_str());
  if (workbook == nullptr) {
    DiscardTemporaryFile(file);
    return fail("Cannot write " + path);
  }
  bool ok = true;
  lxw_worksheet* ws = workbook_add_worksheet(workbook, "Sheet1");
  WorkbookFormats formats(workbook);
  const int headerRows = sheet.HeaderRowCount();
  const int columns = sheet.ColumnCount();
  auto check = [&ok](lxw_error e) {
    if (e != LXW_NO_ERROR) ok = false;
  };

  // The workbook row of a sheet row; -1 when the row is not exported.
  auto rowOf = [&](int row) -> int {
    if (row >= kSheetFirstHeaderRow && row < kSheetFirstHeaderRow + headerRows) return row - kSheetFirstHeaderRow;
    if (row >= 1 && row <= sheet.RowCount()) return headerRows + row - 1;
    return -1;
  };
  auto formatOf = [&](int col, int row) {
    const SheetCell* c = sheet.Cell(col, row);
    const bool header = row < 0;
    const bool number = c != nullptr && c->isValue;
    std::optional<ColorRef> fill;
    const ColorRef back = sheet.BackColor(col, row);
    if (back != kWhite) fill = back;
    return formats.Get(sheet.ForeColor(col, row), fill, sheet.Align(col, row), number, header);
  };
  // Sheet column c is workbook column c: the row-number column 0 is column A.
  auto writeCell = [&](int col, int row, int wr, int wc, lxw_format* f) {
    const SheetCell* c = sheet.Cell(col, row);
    double value = 0;
    if (col == 0 && row >= 1 && c->text.empty()) {
      // The number the row-number column shows, as a number so that it sorts.
      check(worksheet_write_number(ws, static_cast<lxw_row_t>(wr), static_cast<lxw_col_t>(wc), row, f));
    } else if (c->text.empty()) {
      if (f != nullptr) check(worksheet_write_blank(ws, static_cast<lxw_row_t>(wr), static_cast<lxw_col_t>(wc), f));
    } else if (c->isValue && ParseDouble(c->text, value)) {
      check(worksheet_write_number(ws, static_cast<lxw_row_t>(wr), static_cast<lxw_col_t>(wc), value, f));
    } else {
      check(worksheet_write_string(ws, static_cast<lxw_row_t>(wr), static_cast<lxw_col_t>(wc), c->text.c_str(), f));
    }
  };

  for (int c = 0; c <= columns; ++c)
    check(worksheet_set_column(ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), sheet.ColumnWidth(c),
                               nullptr));

  // Header rows: tall enough for the lines of their texts.
  std::vector<double> heights(static_cast<std::size_t>(headerRows), 12.0);
  for (int h = 0; h < headerRows; ++h) {
    const int row = kSheetFirstHeaderRow + h;
    for (int c = 0; c <= columns; ++c) {
      const CellSpan* span = sheet.SpanAt(c, row);
      if (span != nullptr && (span->col != c || span->row != row)) continue;
      const int rows = span != nullptr ? std::min(span->rows, headerRows - h) : 1;
      const double needed = LineCount(sheet.Text(c, row)) * 11.5 / std::max(1, rows);
      for (int k = 0; k < rows; ++k)
        heights[static_cast<std::size_t>(h + k)] = std::max(heights[static_cast<std::size_t>(h + k)], needed);
    }
  }
  for (int h = 0; h < headerRows; ++h)
    check(worksheet_set_row(ws, static_cast<lxw_row_t>(h), heights[static_cast<std::size_t>(h)], nullptr));

  // Merged blocks first; the cells they cover are not written again.
  std::vector<const CellSpan*> merged;
  for (const CellSpan& span : sheet.Spans()) {
    const int c1 = std::max(0, span.col);
    const int c2 = std::min(columns, span.col + span.cols - 1);
    const int r1 = rowOf(span.row);
    int lastRow = span.row + span.rows - 1;
    while (lastRow >= span.row && rowOf(lastRow) < 0) --lastRow;
    if (c1 > c2 || r1 < 0 || lastRow < span.row) continue;
    const int r2 = rowOf(lastRow);
    if (c1 == c2 && r1 == r2) continue;  // one cell: written as a cell
    lxw_format* f = formatOf(span.col, span.row);
    check(worksheet_merge_range(ws, static_cast<lxw_row_t>(r1), static_cast<lxw_col_t>(c1),
                                static_cast<lxw_row_t>(r2), static_cast<lxw_col_t>(c2),
                                sheet.Text(span.col, span.row).c_str(), f));
    merged.push_back(&span);
  }
  auto inMerged = [&](int col, int row) {
    return std::any_of(merged.begin(), merged.end(), [&](const CellSpan* s) { return s->Contains(col, row); });
  };

  for (int h = 0; h < headerRows; ++h) {
    const int row = kSheetFirstHeaderRow + h;
    for (int c = 0; c <= columns; ++c)
      if (!inMerged(c, row)) writeCell(c, row, h, c, formatOf(c, row));
  }
  for (int r = 1; r <= sheet.RowCount(); ++r) {
    for (int c = 0; c <= columns; ++c) {
      if (inMerged(c, r)) continue;
      const bool plain = c != 0 && sheet.Text(c, r).empty() && sheet.BackColor(c, r) == kWhite;
      if (!plain) writeCell(c, r, headerRows + r - 1, c, formatOf(c, r));
    }
  }

  const lxw_error closed = workbook_close(workbook);
  if (!ok || closed != LXW_NO_ERROR) {
    DiscardTemporaryFile(file);
    return fail("Cannot write " + path + ": " + (closed != LXW_NO_ERROR ? lxw_strerror(closed) : "the workbook was refused"));
  }
  if (!CommitTemporaryFile(file, why)) return fail(why);
  return true;
}

bool ExportSheetFileToWorkbook(const std::string& sheetPath, const std::string& workbookPath, std::string* error) {
  std::string why;
  std::unique_ptr<Spreadsheet> sheet = SpreadsheetFile::Load(sheetPath, why);
  if (!sheet) {
    if (error != nullptr) *error = why;
    return false;
  }
  return WriteWorkbook(*sheet, workbookPath, error);
}

}  // namespace tervane::fw
