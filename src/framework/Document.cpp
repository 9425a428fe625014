#include "framework/Document.h"

namespace tervane::fw {

namespace {
Document* g_activeDocument = nullptr;
}

Document::~Document() {
  if (g_activeDocument == this) g_activeDocument = nullptr;
}

Document* ActiveDocument() { return g_activeDocument; }

Document* SetActiveDocument(Document* document) {
  Document* previous = g_activeDocument;
  g_activeDocument = document;
  return previous;
}

}  // namespace tervane::fw
