#include "framework/PageSource.h"

#include <algorithm>

namespace tervane::fw {

void DrawSourcePage(DeviceContext& dc, PageSource& source, int page) {
  dc.Save();
  source.DrawPage(dc, page);
  dc.Restore();
}

bool PrintPages(DeviceContext& printer, PageSource& source, int fromPage, int toPage,
                std::string_view documentName) {
  const int first = std::max(fromPage, 1);
  const int last = std::min(toPage, source.PageCount());
  if (first > last) return false;
  if (!printer.StartDoc(documentName)) return false;
  for (int page = first; page <= last; ++page) {
    if (!printer.StartPage()) {
      printer.AbortDoc();
      return false;
    }
    DrawSourcePage(printer, source, page);
    if (!printer.EndPage()) {
      printer.AbortDoc();
      return false;
    }
  }
  return printer.EndDoc();
}

}  // namespace tervane::fw
