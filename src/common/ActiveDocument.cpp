#include "common/ActiveDocument.h"

#include "framework/Document.h"

namespace tervane {

void MarkActiveDocumentModified() {
  if (fw::Document* document = fw::ActiveDocument()) document->SetModifiedFlag(true);
}

}  // namespace tervane
