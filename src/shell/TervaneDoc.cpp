#include "shell/TervaneDoc.h"

#include "model/ProjectFile.h"
#include "shell/StartDlg.h"
#include "shell/TervaneApp.h"
#include "framework/Frame.h"

namespace tervane {

CTervaneDoc::CTervaneDoc() {
  // New, Open and the recent files wait until this project is closed.
  for (int id : {fw::ID_FILE_NEW, fw::ID_FILE_OPEN, fw::ID_FILE_MRU_FILE1})
    OnUpdateCommand(id, &CTervaneDoc::OnUpdateNoProjectOpen);
}

// Nothing of the application object is touched here: a document may outlive
// it at the very end of the program.
CTervaneDoc::~CTervaneDoc() = default;

void CTervaneDoc::OnUpdateNoProjectOpen(fw::CmdUI& ui) { ui.Enable(Project().documentOpen == 0); }

void CTervaneDoc::CreateMainMenu() {
  CTervaneApp& app = App();
  auto* menu = new CStartDlg();
  app.startDialog = menu;
  if (fw::FrameWindow* frame = app.MainFrame())
    menu->CreateModelessIn(*frame);
  else
    menu->CreateModeless();
}

bool CTervaneDoc::OnNewDocument() {
  if (!fw::Document::OnNewDocument()) return false;
  ProjectData& project = Project();
  // A new project has no file and no results that are known to match it.
  project.projectPath = kProjectNotSaved;
  project.inputChangedSinceRun = 1;
  CreateMainMenu();
  project.documentOpen = 1;
  return true;
}

bool CTervaneDoc::OnOpenDocument(const std::string& path) {
  if (!fw::Document::OnOpenDocument(path)) return false;
  ProjectData& project = Project();
  project.projectPath = path;
  // The file's results were not made from this session's input.
  project.inputChangedSinceRun = 1;
  CreateMainMenu();
  project.documentOpen = 1;
  return true;
}

bool CTervaneDoc::OnSaveDocument(const std::string& path) {
  // The path is the project's only once the file holds it.
  if (!fw::Document::OnSaveDocument(path)) return false;
  Project().projectPath = path;
  return true;
}

void CTervaneDoc::OnCloseDocument() {
  CTervaneApp& app = App();
  if (app.startDialog != nullptr) {
    app.startDialog->DestroyWindow();
    delete app.startDialog;
    app.startDialog = nullptr;
  }
  ProjectData& project = Project();
  project.documentOpen = 0;
  project.resultsAvailable = 0;
  project.projectPath = kProjectNotSaved;
  fw::Document::OnCloseDocument();  // deletes this
}

bool CTervaneDoc::ReadFile(const std::string& path, std::string& error) {
  return LoadProjectFile(path, Project(), error);
}

bool CTervaneDoc::WriteFile(const std::string& path, std::string& error) {
  return SaveProjectFile(path, Project(), error);
}

}  // namespace tervane
