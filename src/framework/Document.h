#pragma once
// The framework's document: the object that stands for the open project in
// the file commands. It carries the modified flag that decides whether closing
// asks to save. The active document is the one the file commands act on; the
// document manager of the shell sets it.

namespace tervane::fw {

class Document {
 public:
  Document() = default;
  virtual ~Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  void SetModifiedFlag(bool modified = true) { modified_ = modified; }
  bool IsModified() const { return modified_; }

 private:
  bool modified_ = false;
};

// The document the file commands act on, or null when no project is open.
Document* ActiveDocument();
// Returns the previous one.
Document* SetActiveDocument(Document* document);

// Makes a document the active one for the life of the object (tests).
class ScopedActiveDocument {
 public:
  explicit ScopedActiveDocument(Document* document) : previous_(SetActiveDocument(document)) {}
  ~ScopedActiveDocument() { SetActiveDocument(previous_); }
  ScopedActiveDocument(const ScopedActiveDocument&) = delete;
  ScopedActiveDocument& operator=(const ScopedActiveDocument&) = delete;

 private:
  Document* previous_;
};

}  // namespace tervane::fw
