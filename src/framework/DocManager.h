#pragma once
// Document templates and the document manager: what makes a document with
// its frame and view, and the New, Open and close-all flows of the framework.
//
// The program has one multi-document template; while a document exists the
// frame shows the template's menu.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Commands.h"
#include "framework/Services.h"

namespace tervane::fw {

class Application;
class Document;
class View;

// The document string of a template: its seven parts separated by '\n'
// (window title, document name, new-file name, filter name, extension,
// registry file type, its display name).
struct DocumentStrings {
  std::string windowTitle;
  std::string docName;
  std::string fileNewName;
  std::string filterName;
  std::string filterExtension;  // with the dot: ".NAT"
  std::string fileTypeId;
  std::string fileTypeName;

  static DocumentStrings Parse(const std::string& text);
};

// The frame of one document: holds its view. The program's child frame is
// never shown (the view exists for printing), so it has no window.
class ChildFrame {
 public:
  ChildFrame() = default;
  virtual ~ChildFrame();
  ChildFrame(const ChildFrame&) = delete;
  ChildFrame& operator=(const ChildFrame&) = delete;

  View* GetView() const { return view_.get(); }

 protected:
  virtual std::unique_ptr<View> CreateView() = 0;

 private:
  friend class DocManager;
  std::unique_ptr<View> view_;
};

class DocTemplate {
 public:
  DocTemplate(int resourceId, DocumentStrings strings, MenuTemplate menu,
              std::function<std::unique_ptr<Document>()> makeDocument,
              std::function<std::unique_ptr<ChildFrame>()> makeFrame);

  int ResourceId() const { return resourceId_; }
  const DocumentStrings& Strings() const { return strings_; }
  const MenuTemplate& Menu() const { return menu_; }
  // The open and save dialogs' filter: "Tervane Files (*.NAT)" with "*.NAT".
  FileFilter Filter() const;

 private:
  friend class DocManager;
  int resourceId_;
  DocumentStrings strings_;
  MenuTemplate menu_;
  std::function<std::unique_ptr<Document>()> makeDocument_;
  std::function<std::unique_ptr<ChildFrame>()> makeFrame_;
  int untitledCount_ = 0;
};

class DocManager {
 public:
  explicit DocManager(Application& app);
  ~DocManager();
  DocManager(const DocManager&) = delete;
  DocManager& operator=(const DocManager&) = delete;

  Application& GetApplication() const { return app_; }
  void AddTemplate(std::unique_ptr<DocTemplate> tmpl);
  DocTemplate* Template() const { return templates_.empty() ? nullptr : templates_.front().get(); }

  // New: a document titled by the new-file name and a number ("Tervane1"),
  // with its frame and view; null when OnNewDocument failed.
  Document* OpenNewDocument();
  // Open: the open dialog, then OpenDocumentFile. False when cancelled or failed.
  bool PromptAndOpen();
  // Opens the file (a relative path is taken from the current directory);
  // null when it could not be opened (the document has said why).
  Document* OpenDocumentFile(const std::string& path, bool addToRecentFiles = true);

  bool SaveAllModified();
  // Closes every document (OnCloseDocument) without asking.
  void CloseAllDocuments();
  // Deletes every document, frame and view without calling them (the end of
  // the program).
  void DeleteAllDocuments();

  std::size_t DocumentCount() const { return documents_.size(); }
  Document* ActiveDocument() const;
  View* ActiveView() const;

  // Called by Document::OnCloseDocument.
  void RemoveDocument(Document* document);

  // The absolute form of a path (relative to the application's current directory).
  std::string FullPath(const std::string& path) const;

 private:
  struct Entry {
    std::unique_ptr<ChildFrame> frame;
    std::unique_ptr<Document> document;
  };
  Entry* CreateDocumentWithFrame(DocTemplate& tmpl);
  void AfterDocumentsChanged();

  Application& app_;
  std::vector<std::unique_ptr<DocTemplate>> templates_;
  std::vector<Entry> documents_;
};

}  // namespace tervane::fw
