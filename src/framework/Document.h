#pragma once
// The framework's document: the object that stands for the open project in
// the file commands. It carries the modified flag that decides whether closing
// asks to save, the path and title of its file, and the standard Close, Save
// and Save As commands with their messages. The active document is the one
// the file commands act on; the document manager sets it.
//
// A derived document reads and writes its file in ReadFile and WriteFile and
// may hook the four On... operations; OnCloseDocument removes the document
// with its frame and view (the object is deleted when the base operation
// returns, so nothing may touch it afterwards).

#include <string>

#include "framework/Commands.h"

namespace tervane::fw {

class DocManager;
class DocTemplate;
class View;

class Document : public CommandTarget {
 public:
  Document();
  ~Document() override;
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  void SetModifiedFlag(bool modified = true) { modified_ = modified; }
  bool IsModified() const { return modified_; }

  // ---- file, title and manager --------------------------------------------
  const std::string& PathName() const { return path_; }
  // Sets the path, makes the file name the title and (optionally) puts the
  // file first in the recent-file list.
  void SetPathName(const std::string& path, bool addToRecentFiles = true);
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }
  DocManager* Manager() const { return manager_; }
  DocTemplate* Template() const { return template_; }
  View* GetView() const { return view_; }

  // New: the base clears the path and the modified flag.
  virtual bool OnNewDocument();
  // Open: the base reads the file with ReadFile; on failure it shows the
  // error and returns false.
  virtual bool OnOpenDocument(const std::string& path);
  // Save: the base writes the file with WriteFile; on failure it shows
  // "Failed to save document." with the reason and returns false.
  virtual bool OnSaveDocument(const std::string& path);
  // Close: the base removes the document, its frame and view (deletes this).
  virtual void OnCloseDocument();

  // Asks "Save changes to <title>?" when modified: Yes saves (false when that
  // fails), No discards; false for Cancel.
  virtual bool SaveModified();
  // Saves under `path`, or asks for a name (Save As) when it is empty; with
  // `replace` the document takes the new name. False when cancelled or failed.
  bool DoSave(const std::string& path, bool replace = true);
  // Save: the current path, or Save As when there is none.
  bool DoFileSave();

  // The framework's Close command.
  void OnFileClose();

 protected:
  // Reads the whole file into the document; false with the user's message
  // in `error`. The base cannot read anything.
  virtual bool ReadFile(const std::string& path, std::string& error);
  // Writes the document; false with the reason in `error`.
  virtual bool WriteFile(const std::string& path, std::string& error);

 private:
  friend class DocManager;

  bool modified_ = false;
  std::string path_;
  std::string title_;
  DocManager* manager_ = nullptr;
  DocTemplate* template_ = nullptr;
  View* view_ = nullptr;
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

// The framework's messages about documents.
inline constexpr const char* kSaveChangesPrompt = "Save changes to %s?";
inline constexpr const char* kFailedToSave = "Failed to save document.";

}  // namespace tervane::fw
