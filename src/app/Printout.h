#pragma once
// The one-page printouts of the shell (contact information, disclaimer) and
// the printer set-up they share with the quantities printout.

#include <functional>

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
PrintOutcome PrintOnePage(const std::function<void(fw::DeviceContext&)>& drawPage);

// The pages themselves, on a device context prepared by PreparePrinterDC:
// 14-point "MS Sans Serif", h = MulDiv(14, dpi, 72), lines at x = 2.5 h from
// y0 = 0.8 h with a pitch of 1.25 h.
void DrawContactPage(fw::DeviceContext& dc);
void DrawDisclaimerPage(fw::DeviceContext& dc);

}  // namespace tervane
