#include "shell/SplashWindow.h"

#include "framework/Frame.h"
#include "resources/ShellResources.h"

namespace tervane {

namespace {

bool& Enabled() {
  static bool enabled = false;
  return enabled;
}

CSplashWindow*& Instance() {
  static CSplashWindow* instance = nullptr;
  return instance;
}

}  // namespace

void CSplashWindow::SetSplashEnabled(bool enabled) { Enabled() = enabled; }

bool CSplashWindow::SplashEnabled() { return Enabled(); }

CSplashWindow* CSplashWindow::Current() { return Instance(); }

CSplashWindow::CSplashWindow(fw::FrameWindow* parent) : parent_(parent) { Instance() = this; }

CSplashWindow::~CSplashWindow() {
  if (backend_) backend_->Destroy();
  if (Instance() == this) Instance() = nullptr;
}

void CSplashWindow::ShowSplash(fw::FrameWindow* parent) {
  if (!Enabled() || Instance() != nullptr) return;
  auto* splash = new CSplashWindow(parent);
  if (!splash->Create()) delete splash;
}

bool CSplashWindow::Create() {
  backend_ = fw::CurrentWindowFactory().CreateSplashBackend();
  if (!backend_) return false;
  fw::FrameBackend* owner = parent_ != nullptr ? parent_->Backend() : nullptr;
  if (!backend_->Create(res::kPictureSplash, owner, *this)) {
    backend_.reset();
    return false;
  }
  backend_->StartTimer(kTimerMilliseconds);
  return true;
}

bool CSplashWindow::HideSplashOnInput(fw::InputKind) {
  CSplashWindow* splash = Instance();
  if (splash == nullptr) return false;
  // Every kind the backends report is a key or mouse-button press.
  splash->HideSplashWindow();
  return true;
}

void CSplashWindow::DestroySplash() { delete Instance(); }

void CSplashWindow::HideSplashWindow() {
  fw::FrameWindow* parent = parent_;
  delete this;
  if (parent != nullptr) parent->UpdateCommandUI();
}

void CSplashWindow::SplashTimer() { HideSplashWindow(); }

bool CSplashWindow::SplashInput(fw::InputKind kind) { return HideSplashOnInput(kind); }

}  // namespace tervane
