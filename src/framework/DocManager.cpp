#include "framework/DocManager.h"

#include <filesystem>
#include <system_error>

#include "framework/Application.h"
#include "framework/Document.h"
#include "framework/Frame.h"
#include "framework/Text.h"
#include "framework/View.h"

namespace tervane::fw {

DocumentStrings DocumentStrings::Parse(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t nl = text.find('\n', start);
    parts.push_back(text.substr(start, nl == std::string::npos ? std::string::npos : nl - start));
    if (nl == std::string::npos) break;
    start = nl + 1;
  }
  parts.resize(7);
  return DocumentStrings{parts[0], parts[1], parts[2], parts[3], parts[4], parts[5], parts[6]};
}

ChildFrame::~ChildFrame() = default;

DocTemplate::DocTemplate(int resourceId, DocumentStrings strings, MenuTemplate menu,
                         std::function<std::unique_ptr<Document>()> makeDocument,
                         std::function<std::unique_ptr<ChildFrame>()> makeFrame)
    : resourceId_(resourceId),
      strings_(std::move(strings)),
      menu_(std::move(menu)),
      makeDocument_(std::move(makeDocument)),
      makeFrame_(std::move(makeFrame)) {}

FileFilter DocTemplate::Filter() const {
  return FileFilter{strings_.filterName, strings_.filterExtension.empty() ? "*.*" : "*" + strings_.filterExtension};
}

DocManager::DocManager(Application& app) : app_(app) {}

DocManager::~DocManager() { DeleteAllDocuments(); }

void DocManager::AddTemplate(std::unique_ptr<DocTemplate> tmpl) {
  if (tmpl) templates_.push_back(std::move(tmpl));
}

DocManager::Entry* DocManager::CreateDocumentWithFrame(DocTemplate& tmpl) {
  if (!tmpl.makeDocument_ || !tmpl.makeFrame_) return nullptr;
  Entry entry;
  entry.document = tmpl.makeDocument_();
  entry.frame = tmpl.makeFrame_();
  if (!entry.document || !entry.frame) return nullptr;
  entry.document->manager_ = this;
  entry.document->template_ = &tmpl;
  entry.frame->view_ = entry.frame->CreateView();
  if (View* view = entry.frame->view_.get()) {
    view->document_ = entry.document.get();
    entry.document->view_ = view;
  }
  documents_.push_back(std::move(entry));
  SetActiveDocument(documents_.back().document.get());
  return &documents_.back();
}

Document* DocManager::OpenNewDocument() {
  DocTemplate* tmpl = Template();
  if (tmpl == nullptr) return nullptr;
  Entry* entry = CreateDocumentWithFrame(*tmpl);
  if (entry == nullptr) return nullptr;
  Document* doc = entry->document.get();
  doc->SetTitle(Format("%s%d", tmpl->strings_.fileNewName.c_str(), tmpl->untitledCount_ + 1));
  if (!doc->OnNewDocument()) {
    // The frame goes, and with it the document.
    doc->OnCloseDocument();
    RemoveDocument(doc);  // in case the document did not remove itself
    AfterDocumentsChanged();
    return nullptr;
  }
  ++tmpl->untitledCount_;
  if (View* view = doc->GetView()) view->OnInitialUpdate();
  AfterDocumentsChanged();
  return doc;
}

bool DocManager::PromptAndOpen() {
  DocTemplate* tmpl = Template();
  FileDialogOptions options;
  options.title = "Open";
  if (tmpl != nullptr) options.filters.push_back(tmpl->Filter());
  options.filters.push_back(FileFilter{"All Files (*.*)", "*"});
  options.mustExist = true;
  const std::optional<std::string> path = FileDialogs().OpenFile(options);
  if (!path || path->empty()) return false;
  return OpenDocumentFile(*path) != nullptr;
}

Document* DocManager::OpenDocumentFile(const std::string& path, bool addToRecentFiles) {
  DocTemplate* tmpl = Template();
  if (tmpl == nullptr || path.empty()) return nullptr;
  const std::string full = FullPath(path);
  for (Entry& e : documents_)
    if (e.document->PathName() == full) {
      SetActiveDocument(e.document.get());
      AfterDocumentsChanged();
      return e.document.get();
    }
  Entry* entry = CreateDocumentWithFrame(*tmpl);
  if (entry == nullptr) return nullptr;
  Document* doc = entry->document.get();
  if (!doc->OnOpenDocument(full)) {
    doc->OnCloseDocument();
    RemoveDocument(doc);  // in case the document did not remove itself
    AfterDocumentsChanged();
    return nullptr;
  }
  doc->SetPathName(full, addToRecentFiles);
  if (View* view = doc->GetView()) view->OnInitialUpdate();
  AfterDocumentsChanged();
  return doc;
}

bool DocManager::SaveAllModified() {
  // Copies of the pointers: saving does not change the list, but stay safe.
  std::vector<Document*> docs;
  for (Entry& e : documents_) docs.push_back(e.document.get());
  for (Document* doc : docs)
    if (!doc->SaveModified()) return false;
  return true;
}

void DocManager::CloseAllDocuments() {
  while (!documents_.empty()) {
    const std::size_t before = documents_.size();
    documents_.back().document->OnCloseDocument();
    // A document that does not remove itself is removed here.
    if (documents_.size() == before) RemoveDocument(documents_.back().document.get());
  }
  AfterDocumentsChanged();
}

void DocManager::DeleteAllDocuments() {
  while (!documents_.empty()) {
    Entry entry = std::move(documents_.back());
    documents_.pop_back();
    if (fw::ActiveDocument() == entry.document.get()) SetActiveDocument(nullptr);
    entry.frame.reset();
    entry.document.reset();
  }
}

Document* DocManager::ActiveDocument() const {
  Document* active = fw::ActiveDocument();
  for (const Entry& e : documents_)
    if (e.document.get() == active) return active;
  return documents_.empty() ? nullptr : documents_.back().document.get();
}

View* DocManager::ActiveView() const {
  Document* doc = ActiveDocument();
  return doc != nullptr ? doc->GetView() : nullptr;
}

void DocManager::RemoveDocument(Document* document) {
  for (auto it = documents_.begin(); it != documents_.end(); ++it) {
    if (it->document.get() != document) continue;
    Entry entry = std::move(*it);
    documents_.erase(it);
    if (fw::ActiveDocument() == document)
      SetActiveDocument(documents_.empty() ? nullptr : documents_.back().document.get());
    // The view first (it may end a preview that uses it), then the document.
    entry.frame.reset();
    entry.document.reset();
    AfterDocumentsChanged();
    return;
  }
}

std::string DocManager::FullPath(const std::string& path) const {
  if (path.empty()) return path;
  std::filesystem::path p(path);
  if (p.is_relative()) {
    const std::string& current = app_.CurrentDirectory();
    std::error_code ec;
    p = current.empty() ? std::filesystem::absolute(p, ec) : std::filesystem::path(current) / p;
  }
  return p.lexically_normal().string();
}

void DocManager::AfterDocumentsChanged() {
  if (FrameWindow* frame = app_.MainFrame()) frame->UpdateCommandUI();
}

}  // namespace tervane::fw
