#pragma once
// The document of the open project, as the dialogs that change it see it.

namespace tervane {

// Marks the document of the open project modified (nothing when no project is
// open). The input dialogs' OK handlers and the two run buttons call it before
// they validate anything.
void MarkActiveDocumentModified();

}  // namespace tervane
