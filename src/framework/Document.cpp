#include "framework/Document.h"

#include "framework/DialogTemplate.h"
#include "framework/DocManager.h"
#include "framework/Services.h"
#include "framework/Text.h"
#include "framework/Application.h"

namespace tervane::fw {

namespace {
Document* g_activeDocument = nullptr;

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}
}  // namespace

Document::Document() {
  OnCommand(ID_FILE_CLOSE, &Document::OnFileClose);
  OnCommand(ID_FILE_SAVE, [this] { DoFileSave(); });
  OnCommand(ID_FILE_SAVE_AS, [this] { DoSave(std::string()); });
}

Document::~Document() {
  if (g_activeDocument == this) g_activeDocument = nullptr;
}

void Document::SetPathName(const std::string& path, bool addToRecentFiles) {
  path_ = manager_ != nullptr ? manager_->FullPath(path) : path;
  title_ = FileNameOf(path_);
  if (addToRecentFiles && manager_ != nullptr) manager_->GetApplication().AddToRecentFileList(path_);
}

bool Document::OnNewDocument() {
  path_.clear();
  SetModifiedFlag(false);
  return true;
}

bool Document::OnOpenDocument(const std::string& path) {
  std::string error;
  if (!ReadFile(path, error)) {
    ShowMessage(error.empty() ? "Failed to open document." : error, MessageButtons::Ok, MessageIcon::Warning);
    return false;
  }
  SetModifiedFlag(false);
  return true;
}

bool Document::OnSaveDocument(const std::string& path) {
  std::string error;
  if (!WriteFile(path, error)) {
    ShowMessage(error.empty() ? std::string(kFailedToSave) : std::string(kFailedToSave) + "\n\n" + error,
                MessageButtons::Ok, MessageIcon::Warning);
    return false;
  }
  SetModifiedFlag(false);
  return true;
}

void Document::OnCloseDocument() {
  if (manager_ != nullptr) manager_->RemoveDocument(this);  // deletes this
}

bool Document::SaveModified() {
  if (!IsModified()) return true;
  const int answer = ShowMessage(Format(kSaveChangesPrompt, title_.c_str()), MessageButtons::YesNoCancel,
                                 MessageIcon::Warning);
  if (answer == IDCANCEL) return false;
  if (answer == IDNO) return true;
  return DoFileSave();
}

bool Document::DoSave(const std::string& path, bool replace) {
  std::string target = path;
  if (target.empty()) {
    FileDialogOptions options;
    options.title = "Save As";
    std::string proposed = path_;
    std::string extension;
    if (template_ != nullptr) {
      options.filters.push_back(template_->Filter());
      extension = template_->Strings().filterExtension;
      if (!extension.empty() && extension.front() == '.') extension.erase(0, 1);
      options.defaultExtension = extension;
    }
    if (proposed.empty()) {
      // The title, cut at the first character a file name cannot hold, with
      // the template's extension.
      proposed = title_.substr(0, title_.find_first_of("/\\:*?\"<>|"));
      if (!proposed.empty() && !extension.empty()) proposed += "." + extension;
    }
    options.proposedName = proposed;
    options.askOverwrite = true;
    const std::optional<std::string> chosen = FileDialogs().SaveFile(options);
    if (!chosen || chosen->empty()) return false;
    target = ApplyDefaultExtension(*chosen, extension);
  }
  if (manager_ != nullptr) target = manager_->FullPath(target);
  if (!OnSaveDocument(target)) return false;
  if (replace) SetPathName(target);
  return true;
}

bool Document::DoFileSave() { return DoSave(path_); }

void Document::OnFileClose() {
  if (!SaveModified()) return;
  OnCloseDocument();
}

bool Document::ReadFile(const std::string&, std::string& error) {
  error = "Failed to open document.";
  return false;
}

bool Document::WriteFile(const std::string&, std::string& error) {
  error = "This document cannot be saved.";
  return false;
}

Document* ActiveDocument() { return g_activeDocument; }

Document* SetActiveDocument(Document* document) {
  Document* previous = g_activeDocument;
  g_activeDocument = document;
  return previous;
}

}  // namespace tervane::fw
