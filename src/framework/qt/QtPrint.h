#pragma once
// Printing with Qt: a device context over a QPrinter (a real printer or a PDF
// file), and the print services of the program.
//
// A print job runs StartDoc, then StartPage .. EndPage for every page, then
// EndDoc; calls out of that order fail. A PDF file is printed into a
// temporary file beside it and takes the old file's place at EndDoc only
// when it was written whole; a failed or aborted job leaves the old file as
// it was, and JobError() says why. Drawing outside a page draws nothing.
// The logical origin is the top-left corner of the printable area.

#include <QPageSize>
#include <QPrinter>

#include <memory>
#include <string>

#include "framework/FileIo.h"
#include "framework/Services.h"
#include "framework/qt/QtPainterDC.h"

class QWidget;

namespace tervane::fw {

class QtPrinterDC : public QtPainterDC {
 public:
  // Takes the printer with its settings (printer name or PDF output file,
  // page layout, resolution).
  explicit QtPrinterDC(std::unique_ptr<QPrinter> printer);
  ~QtPrinterDC() override;

  bool StartDoc(std::string_view documentName) override;
  bool StartPage() override;
  bool EndPage() override;
  bool EndDoc() override;
  void AbortDoc() override;

  std::string JobError() const override { return jobError_; }

  int PagesPrinted() const { return pagesPrinted_; }
  QPrinter& Printer() { return *printer_; }

 private:
  bool PrintsToFile() const;

  std::unique_ptr<QPrinter> printer_;
  // A PDF job: the file the user named, and the file written until EndDoc.
  std::string outputFile_;
  TemporaryFile temporary_;
  std::string jobError_;
  bool inDoc_ = false;
  bool inPage_ = false;
  int pagesPrinted_ = 0;
};

// A PDF file as a printer. The margins stand for a printer's unprintable
// border, so pages look as they do on paper.
struct PdfPrinterOptions {
  int dpi = 600;
  QPageSize::PageSizeId pageSize = QPageSize::A4;
  bool landscape = false;
  double marginMillimetres = 6.35;  // a quarter inch on every side
};

std::unique_ptr<QtPrinterDC> MakePdfPrinterDC(const std::string& path, const PdfPrinterOptions& options = {});

// What the chosen printer offers, for PrinterSelection::page.
PrintPageInfo DescribePrinter(QPrinter& printer);

// The print services with Qt's dialogs. The settings chosen in a dialog are
// kept for the next dialog and job. The dialogs belong to `parent`, or when
// there is none to the program's window of the moment (DialogOwner()).
class QtPrintService : public PrintService {
 public:
  explicit QtPrintService(QWidget* parent = nullptr);
  ~QtPrintService() override;

  PrinterSelection PrintSetup() override;
  PrinterSelection Print(const PrintDialogOptions& options) override;
  // The default printer (or the named one; "....pdf" is that PDF file) with
  // the settings last chosen; none when the system has no such printer.
  PrinterSelection DirectPrinter(const std::string& printerName) override;
  PrintPageInfo CurrentPage() override;

 private:
  PrinterSelection Selection();

  QWidget* parent_;
  std::unique_ptr<QPrinter> settings_;
};

// Prints every job into one PDF file without asking (print to PDF, and tests
// of whole print flows). Each request replaces the file when the job ends.
class PdfFilePrintService : public PrintService {
 public:
  explicit PdfFilePrintService(std::string path, PdfPrinterOptions options = {});

  PrinterSelection PrintSetup() override;
  PrinterSelection Print(const PrintDialogOptions& options) override;
  PrinterSelection DirectPrinter(const std::string& printerName) override;
  PrintPageInfo CurrentPage() override;

 private:
  std::string path_;
  PdfPrinterOptions options_;
};

}  // namespace tervane::fw
