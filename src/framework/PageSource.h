#pragma once
// Pages to print or preview, and the print loop over a device context.
//
// A page source draws any of its pages, any number of times and in any order,
// onto a device context that it finds in its default state: it sets its own
// mapping (the report uses twips) and leaves the device as it found it. The
// print loop and the print preview both draw through it, so the preview shows
// exactly what the printer gets.

#include <string_view>

#include "framework/DeviceContext.h"

namespace tervane::fw {

class PageSource {
 public:
  virtual ~PageSource() = default;
  // Pages are numbered from 1.
  virtual int PageCount() const = 0;
  virtual void DrawPage(DeviceContext& dc, int page) = 0;
};

// Draws one page the way the print loop does: the device context's state is
// saved before and restored after, so every page starts from the same state.
void DrawSourcePage(DeviceContext& dc, PageSource& source, int page);

// Why a print job printed nothing or stopped (for the caller's message).
enum class PrintFailure { kNone, kNoPages, kStartRefused, kPageRefused };

// The print loop: prints the pages fromPage..toPage (cut to 1..PageCount) as
// one job on a printer device context: StartDoc, StartPage, the page, EndPage
// for each, EndDoc. A call the printer refuses aborts the job (AbortDoc) and
// the loop returns false; an empty range prints nothing and returns false.
// `failure` (when given) says why.
bool PrintPages(DeviceContext& printer, PageSource& source, int fromPage, int toPage,
                std::string_view documentName, PrintFailure* failure = nullptr);

}  // namespace tervane::fw
