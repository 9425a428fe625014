#pragma once
// The document of the open project. It holds no data: the project lives in
// the application object, and the document reads and writes it as the
// project file. It creates the main menu when a project is created or
// opened, destroys it when the project closes, and keeps documentOpen,
// resultsAvailable, inputChangedSinceRun and projectPath in step.

#include <string>

#include "framework/Document.h"
#include "model/ProjectData.h"

namespace tervane {

class CTervaneDoc : public fw::Document {
 public:
  CTervaneDoc();
  ~CTervaneDoc() override;

  bool OnNewDocument() override;
  bool OnOpenDocument(const std::string& path) override;
  bool OnSaveDocument(const std::string& path) override;
  void OnCloseDocument() override;

 protected:
  bool ReadFile(const std::string& path, std::string& error) override;
  bool WriteFile(const std::string& path, std::string& error) override;

 private:
  void CreateMainMenu();
  void OnUpdateNoProjectOpen(fw::CmdUI& ui);
};

}  // namespace tervane
