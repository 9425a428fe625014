#include "app/TervaneApp.h"

#include <utility>

#include "framework/Document.h"

namespace tervane {

namespace {

CTervaneApp*& CurrentApp() {
  static CTervaneApp* current = nullptr;
  return current;
}

CTervaneApp& DefaultApp() {
  static CTervaneApp app;
  return app;
}

}  // namespace

CTervaneApp::CTervaneApp() = default;
CTervaneApp::~CTervaneApp() = default;

CTervaneApp& App() {
  CTervaneApp* current = CurrentApp();
  return current != nullptr ? *current : DefaultApp();
}

ScopedApp::ScopedApp() : ScopedApp(std::make_unique<CTervaneApp>()) {}

ScopedApp::ScopedApp(std::unique_ptr<CTervaneApp> app) : app_(std::move(app)) {
  previous_ = CurrentApp();
  CurrentApp() = app_.get();
}

ScopedApp::~ScopedApp() { CurrentApp() = previous_; }

void MarkActiveDocumentModified() {
  if (fw::Document* document = fw::ActiveDocument()) document->SetModifiedFlag(true);
}

}  // namespace tervane
