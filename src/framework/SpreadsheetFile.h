#pragma once
// The spreadsheet's own file (the temporary sheet file the results tables
// save before an export) and the export of a saved sheet to an Office Open XML
// workbook.
//
// The sheet file is UTF-8 text, one item a line: the first line
// "TERVANE-SHEET 1", then the counts and widths, the joined blocks, the
// alternate row colours, the print texts and every cell that holds a text or
// a colour of its own:
//   columns 9            rows 3            headerRows 7
//   rowHeaderWidth 4     width 1 7         span 1 -1000 3 1
//   alternate 0xFFFFCE 0x000000 0xB9FFFF 0x000000      (Windows colour values)
//   flag 1               (the second argument of SaveSheet, kept as passed)
//   cell 1 1 value 13 -1 2 "2.35"    (column row value|text type fore|-1 align|-1 text)
//   printHeader "..."    printTitle "..."
// Texts are quoted with \" \\ \n \r and \t escaped. Reading is strict: any
// line that does not fit refuses the whole file.
//
// The workbook holds one worksheet: the column-header rows on top, then the
// data rows; column A is the row-number column (the row numbers as numbers,
// so that a sorted copy still tells which layer a row is), the sheet's data
// columns follow from column B. Joined header cells are merged cells (the
// row-number column's header block too), values are numbers shown with two
// decimals, texts are texts, with the fills and font colours the sheet shows.

#include <memory>
#include <string>

namespace tervane::fw {

class Spreadsheet;

class SpreadsheetFile {
 public:
  // Writes the sheet to `path` (a temporary file renamed over it when every
  // byte was written). False on any failure; an old file is then untouched.
  static bool Save(const Spreadsheet& sheet, const std::string& path, bool flag);
  // Reads a sheet file; null with a message in `error` when it cannot be
  // read or is malformed.
  static std::unique_ptr<Spreadsheet> Load(const std::string& path, std::string& error);
};

// Writes the sheet as a workbook to `path` (written beside it first and renamed
// over it at the end). False on any failure, with the reason in `error`.
bool WriteWorkbook(const Spreadsheet& sheet, const std::string& path, std::string* error = nullptr);
// Reads the sheet file `sheetPath` and writes it as a workbook to
// `workbookPath`. False when the sheet file cannot be read or the workbook
// cannot be written.
bool ExportSheetFileToWorkbook(const std::string& sheetPath, const std::string& workbookPath,
                               std::string* error = nullptr);

}  // namespace tervane::fw
