#pragma once
// The one-page printouts of the shell (contact information, disclaimer), the
// printer set-up they share with the quantities printout, and the names the
// printouts propose for a print to a file.

#include <functional>
#include <string>

#include "framework/DeviceContext.h"

namespace tervane {

// Prepares a printer device context for a one-page printout, before its
// page: one logical unit per device pixel (text mapping), logical (0, 0) 100
// pixels right of and below the corner of the printable area at 600 dpi (in
// proportion at other resolutions), text placed by its left end on its
// baseline.
void PreparePrinterDC(fw::DeviceContext& dc);

enum class PrintOutcome { kPrinted, kCancelled, kFailed };

// A one-page printout: the print set-up dialog; when it gives a printer, a
// document named "test" with PreparePrinterDC and one page that `drawPage`
// draws. kCancelled when the user gave no printer, kFailed when the printer
// refused the job, its page or its end.
// A print to a file proposes `proposedFile` (see ProposedPrintFileName).
PrintOutcome PrintOnePage(const std::function<void(fw::DeviceContext&)>& drawPage,
                          const std::string& proposedFile = {});

// The file a print to a file of a printout proposes: the project's path
// without its extension, a space, the printout's word and ".pdf"
// ("/work/slope report.pdf"); for a project not saved yet "Untitled <word>.pdf",
// and for a printout of no project ("Tervane contact information.pdf") that
// name, in the folder a file dialog would open in.
std::string ProposedPrintFileName(const std::string& projectPath, const std::string& printout);
std::string ProposedPrintFileName(const std::string& fileName);

// The pages themselves, on a device context prepared by PreparePrinterDC:
// 14-point "MS Sans Serif", h = MulDiv(14, dpi, 72), lines at x = 2.5 h from
// y0 = 0.8 h with a pitch of 1.25 h.
void DrawContactPage(fw::DeviceContext& dc);
void DrawDisclaimerPage(fw::DeviceContext& dc);

}  // namespace tervane
