#include "framework/PageSource.h"

#include <algorithm>

namespace tervane::fw {

void DrawSourcePage(DeviceContext& dc, PageSource& source, int page) {
  dc.Save();
  source.DrawPage(dc, page);
  dc.Restore();
}

bool PrintPages(DeviceContext& printer, PageSource& source, int fromPage, int toPage,
                std::string_view documentName, PrintFailure* failure) {
  const auto fail = [failure](PrintFailure why) {
    if (failure != nullptr) *failure = why;
    return false;
  };
  if (failure != nullptr) *failure = PrintFailure::kNone;
  const int first = std::max(fromPage, 1);
  const int last = std::min(toPage, source.PageCount());
  if (first > last) return fail(PrintFailure::kNoPages);
  if (!printer.StartDoc(documentName)) return fail(PrintFailure::kStartRefused);
  for (int page = first; page <= last; ++page) {
    if (!printer.StartPage()) {
      printer.AbortDoc();
      return fail(PrintFailure::kPageRefused);
    }
    DrawSourcePage(printer, source, page);
    if (!printer.EndPage()) {
      printer.AbortDoc();
      return fail(PrintFailure::kPageRefused);
    }
  }
  return printer.EndDoc() || fail(PrintFailure::kPageRefused);
}

}  // namespace tervane::fw
