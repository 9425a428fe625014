#include "framework/qt/QtPrint.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QString>
#include <QTimer>

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "framework/FileIo.h"

#include "framework/qt/QtApplication.h"

namespace tervane::fw {

namespace {

Size PrintableSize(QPrinter& printer) {
  const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
  return Size{area.width(), area.height()};
}

void CopySettings(const QPrinter& from, QPrinter& to) {
  if (from.outputFormat() == QPrinter::PdfFormat) {
    to.setOutputFormat(QPrinter::PdfFormat);
    to.setOutputFileName(from.outputFileName());
  } else {
    to.setPrinterName(from.printerName());
  }
  to.setResolution(from.resolution());
  to.setPageLayout(from.pageLayout());
  to.setCopyCount(from.copyCount());
  to.setColorMode(from.colorMode());
  to.setDuplex(from.duplex());
  to.setFromTo(from.fromPage(), from.toPage());
  to.setPrintRange(from.printRange());
}

// The file name a print to a file shows: the proposal of the printout in
// force (its project and kind), in place of the name of the previous printout.
// The print dialog takes the name from the printer when it is shown, and its
// own field while it is shown: both are set.
void ProposeOutputFile(QPrinter& settings, QPrintDialog& dialog) {
  const std::string& proposal = ProposedPrintFile();
  if (proposal.empty()) return;
  const QString path = QString::fromStdString(proposal);
  settings.setDocName(QFileInfo(path).completeBaseName());
  if (settings.outputFormat() == QPrinter::PdfFormat) settings.setOutputFileName(path);
  QTimer::singleShot(0, &dialog, [&dialog, path] {
    if (auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("filename"))) field->setText(path);
  });
}

// True when the bytes are a PDF file written to its end: the header, the
// end-of-file mark, and the cross-reference table where the trailer says it
// is. A file cut short by a full disk or a failed write fails the test.
bool IsWholePdf(const std::vector<std::uint8_t>& bytes) {
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (text.substr(0, 5) != "%PDF-") return false;
  std::string_view rest = text;
  while (!rest.empty() && (rest.back() == '\n' || rest.back() == '\r' || rest.back() == ' ')) rest.remove_suffix(1);
  if (rest.size() < 5 || rest.substr(rest.size() - 5) != "%%EOF") return false;
  const std::size_t mark = rest.rfind("startxref");
  if (mark == std::string_view::npos) return false;
  std::size_t i = mark + 9;
  while (i < rest.size() && (rest[i] == '\n' || rest[i] == '\r' || rest[i] == ' ')) ++i;
  std::uint64_t offset = 0;
  bool digits = false;
  while (i < rest.size() && rest[i] >= '0' && rest[i] <= '9' && offset < text.size()) {
    offset = offset * 10 + static_cast<std::uint64_t>(rest[i] - '0');
    digits = true;
    ++i;
  }
  return digits && offset < mark && text.substr(static_cast<std::size_t>(offset), 4) == "xref";
}

}  // namespace

QtPrinterDC::QtPrinterDC(std::unique_ptr<QPrinter> printer)
    : QtPainterDC(*printer, printer->resolution(), printer->resolution(), PrintableSize(*printer)),
      printer_(std::move(printer)) {}

QtPrinterDC::~QtPrinterDC() {
  if (inDoc_) AbortDoc();
}

bool QtPrinterDC::StartDoc(std::string_view documentName) {
  if (inDoc_) return false;
  printer_->setDocName(QString::fromUtf8(documentName.data(), static_cast<qsizetype>(documentName.size())));
  inDoc_ = true;
  pagesPrinted_ = 0;
  return true;
}

bool QtPrinterDC::PrintsToFile() const {
  return printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty();
}

bool QtPrinterDC::StartPage() {
  if (!inDoc_ || inPage_) return false;
  if (!Painter().isActive()) {
    // The painter opens the job with its first page. A PDF file is written
    // beside its target first and replaces it only when it is whole.
    jobError_.clear();
    if (PrintsToFile()) {
      outputFile_ = printer_->outputFileName().toStdString();
      if (!PrepareTemporaryFile(outputFile_, temporary_, jobError_)) {
        AbortDoc();
        return false;
      }
      printer_->setOutputFileName(QString::fromStdString(temporary_.temporary));
    }
    if (!Painter().begin(printer_.get())) {
      if (jobError_.empty()) jobError_ = "The printer could not start the document.";
      AbortDoc();
      return false;
    }
    PreparePainter();
  } else if (!printer_->newPage()) {
    AbortDoc();
    return false;
  }
  inPage_ = true;
  return true;
}

bool QtPrinterDC::EndPage() {
  if (!inPage_) return false;
  inPage_ = false;
  ++pagesPrinted_;
  return printer_->printerState() != QPrinter::Error;
}

bool QtPrinterDC::EndDoc() {
  if (!inDoc_ || inPage_) return false;
  inDoc_ = false;
  if (Painter().isActive()) Painter().end();
  const bool printed = printer_->printerState() != QPrinter::Error && printer_->printerState() != QPrinter::Aborted;
  if (temporary_.temporary.empty()) {
    if (!printed && jobError_.empty()) jobError_ = "The printer reported an error.";
    return printed;
  }
  printer_->setOutputFileName(QString::fromStdString(outputFile_));
  // The PDF engine does not report every failed write: the file must be
  // whole before it takes the place of the old one.
  std::vector<std::uint8_t> bytes;
  std::string readError;
  if (!printed || !ReadWholeFile(temporary_.temporary, bytes, readError) || !IsWholePdf(bytes)) {
    DiscardTemporaryFile(temporary_);
    jobError_ = "The PDF file was not written whole: " + outputFile_;
    return false;
  }
  return CommitTemporaryFile(temporary_, jobError_);
}

void QtPrinterDC::AbortDoc() {
  const bool started = Painter().isActive();
  if (started) {
    printer_->abort();
    Painter().end();
  }
  inDoc_ = false;
  inPage_ = false;
  // A broken job leaves no PDF behind, and an old file of that name as it was.
  if (!temporary_.temporary.empty()) {
    DiscardTemporaryFile(temporary_);
    printer_->setOutputFileName(QString::fromStdString(outputFile_));
  }
}

std::unique_ptr<QtPrinterDC> MakePdfPrinterDC(const std::string& path, const PdfPrinterOptions& options) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(QString::fromStdString(path));
  printer->setResolution(options.dpi > 0 ? options.dpi : 600);
  const double margin = options.marginMillimetres >= 0 ? options.marginMillimetres : 0;
  printer->setPageLayout(QPageLayout(QPageSize(options.pageSize),
                                     options.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter));
  return std::make_unique<QtPrinterDC>(std::move(printer));
}

PrintPageInfo DescribePrinter(QPrinter& printer) {
  PrintPageInfo info;
  info.printerName = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName().toStdString()
                                                                    : printer.printerName().toStdString();
  const Size size = PrintableSize(printer);
  info.pageWidth = size.cx;
  info.pageHeight = size.cy;
  info.dpiX = printer.resolution();
  info.dpiY = printer.resolution();
  const QRect full = printer.pageLayout().fullRectPixels(printer.resolution());
  const QRect paint = printer.pageLayout().paintRectPixels(printer.resolution());
  info.paperWidth = full.width();
  info.paperHeight = full.height();
  info.printableLeft = paint.left() - full.left();
  info.printableTop = paint.top() - full.top();
  info.landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
  info.copies = printer.copyCount();
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    info.fromPage = printer.fromPage();
    info.toPage = printer.toPage();
  }
  return info;
}

QtPrintService::QtPrintService(QWidget* parent)
    : parent_(parent), settings_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

QtPrintService::~QtPrintService() = default;

PrinterSelection QtPrintService::Selection() {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  CopySettings(*settings_, *printer);
  PrinterSelection selection;
  selection.page = DescribePrinter(*printer);
  selection.dc = std::make_unique<QtPrinterDC>(std::move(printer));
  return selection;
}

PrinterSelection QtPrintService::PrintSetup() {
  QPrintDialog dialog(settings_.get(), parent_ != nullptr ? parent_ : DialogOwner());
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  ProposeOutputFile(*settings_, dialog);
  if (dialog.exec() != QDialog::Accepted) return {};
  settings_->setPrintRange(QPrinter::AllPages);
  return Selection();
}

PrinterSelection QtPrintService::Print(const PrintDialogOptions& options) {
  const int minPage = options.minPage > 0 ? options.minPage : 1;
  const int maxPage = options.maxPage >= minPage ? options.maxPage : minPage;
  settings_->setPrintRange(QPrinter::AllPages);
  QPrintDialog dialog(settings_.get(), parent_ != nullptr ? parent_ : DialogOwner());
  dialog.setMinMax(minPage, maxPage);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, options.allowPageRange);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  ProposeOutputFile(*settings_, dialog);
  if (dialog.exec() != QDialog::Accepted) return {};
  PrinterSelection selection = Selection();
  if (settings_->printRange() != QPrinter::PageRange || settings_->fromPage() < 1) {
    selection.page.fromPage = minPage;
    selection.page.toPage = maxPage;
  } else {
    selection.page.fromPage = std::max(minPage, settings_->fromPage());
    selection.page.toPage = std::min(maxPage, std::max(selection.page.fromPage, settings_->toPage()));
  }
  return selection;
}

namespace {
bool EndsWithPdf(const std::string& name) {
  return name.size() > 4 && QString::fromStdString(name.substr(name.size() - 4)).compare(QStringLiteral(".pdf"), Qt::CaseInsensitive) == 0;
}
}  // namespace

PrinterSelection QtPrintService::DirectPrinter(const std::string& printerName) {
  PrinterSelection selection;
  if (EndsWithPdf(printerName)) {
    auto dc = MakePdfPrinterDC(printerName);
    selection.page = DescribePrinter(dc->Printer());
    selection.dc = std::move(dc);
    return selection;
  }
  const QString wanted = printerName.empty() ? QPrinterInfo::defaultPrinterName() : QString::fromStdString(printerName);
  if (wanted.isEmpty() || !QPrinterInfo::availablePrinterNames().contains(wanted)) return selection;
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  CopySettings(*settings_, *printer);
  printer->setOutputFormat(QPrinter::NativeFormat);
  printer->setPrinterName(wanted);
  printer->setPrintRange(QPrinter::AllPages);
  selection.page = DescribePrinter(*printer);
  selection.dc = std::make_unique<QtPrinterDC>(std::move(printer));
  return selection;
}

PrintPageInfo QtPrintService::CurrentPage() { return DescribePrinter(*settings_); }

PrinterSelection PdfFilePrintService::DirectPrinter(const std::string& printerName) {
  if (EndsWithPdf(printerName)) {
    PrinterSelection selection;
    auto dc = MakePdfPrinterDC(printerName, options_);
    selection.page = DescribePrinter(dc->Printer());
    selection.dc = std::move(dc);
    return selection;
  }
  return PrintSetup();
}

PrintPageInfo PdfFilePrintService::CurrentPage() {
  auto dc = MakePdfPrinterDC(path_, options_);
  return DescribePrinter(dc->Printer());
}

PdfFilePrintService::PdfFilePrintService(std::string path, PdfPrinterOptions options)
    : path_(std::move(path)), options_(options) {}

PrinterSelection PdfFilePrintService::PrintSetup() {
  PrinterSelection selection;
  auto dc = MakePdfPrinterDC(path_, options_);
  selection.page = DescribePrinter(dc->Printer());
  selection.dc = std::move(dc);
  return selection;
}

PrinterSelection PdfFilePrintService::Print(const PrintDialogOptions& options) {
  PrinterSelection selection = PrintSetup();
  selection.page.fromPage = options.minPage > 0 ? options.minPage : 1;
  selection.page.toPage = std::max(selection.page.fromPage, options.maxPage);
  return selection;
}

}  // namespace tervane::fw
