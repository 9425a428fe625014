#include "framework/testing/HeadlessFrame.h"

#include "framework/Frame.h"
#include "framework/PageSource.h"
#include "framework/testing/RecordingDC.h"
#include "resources/Pictures.h"

namespace tervane::fw {

namespace {

HeadlessSplashBackend*& CurrentSplash() {
  static HeadlessSplashBackend* splash = nullptr;
  return splash;
}

const MenuItem* FindIn(const std::vector<MenuItem>& items, int id) {
  for (const MenuItem& item : items) {
    if (item.id == id && id != 0) return &item;
    if (const MenuItem* inner = FindIn(item.items, id)) return inner;
  }
  return nullptr;
}

}  // namespace

// ---- frame -------------------------------------------------------------------------

HeadlessFrameBackend* HeadlessFrameBackend::Of(const FrameWindow& frame) {
  return dynamic_cast<HeadlessFrameBackend*>(frame.Backend());
}

bool HeadlessFrameBackend::Create(const std::string& title, FrameEvents& events) {
  if (created_) return false;
  events_ = &events;
  title_ = title;
  created_ = true;
  return true;
}

void HeadlessFrameBackend::Destroy() {
  created_ = false;
  events_ = nullptr;
  preview_ = nullptr;
  state_ = ShowState::Hidden;
}

void HeadlessFrameBackend::SetToolbar(const ToolbarTemplate& toolbar, const std::vector<std::string>& tips) {
  toolbar_ = toolbar;
  tips_ = tips;
  hasToolbar_ = true;
  toolbarVisible_ = true;
}

void HeadlessFrameBackend::SetStatusBar(const std::vector<StatusPane>& panes) {
  panes_ = panes;
  hasStatusBar_ = true;
  statusBarVisible_ = true;
}

void HeadlessFrameBackend::SetCommandStates(const std::vector<FrameCommandState>& states) {
  for (const FrameCommandState& s : states) states_[s.id] = s;
}

bool HeadlessFrameBackend::BeginPreview(std::shared_ptr<PrintPreviewModel> preview) {
  if (!created_ || preview_ != nullptr || !preview) return false;
  preview_ = std::move(preview);
  return true;
}

const MenuItem* HeadlessFrameBackend::FindMenuItem(int id) const { return FindIn(menu_, id); }

std::vector<std::string> HeadlessFrameBackend::PopupTexts(const std::string& popup) const {
  std::vector<std::string> texts;
  for (const MenuItem& item : menu_) {
    if (item.text != popup) continue;
    for (const MenuItem& entry : item.items) texts.push_back(entry.text);
  }
  return texts;
}

FrameCommandState HeadlessFrameBackend::CommandStateOf(int id) const {
  const auto it = states_.find(id);
  return it != states_.end() ? it->second : FrameCommandState{id, false, false};
}

void HeadlessFrameBackend::Command(int id) {
  if (events_ != nullptr) events_->FrameCommand(id);
}

void HeadlessFrameBackend::CloseBox() {
  if (events_ != nullptr) events_->FrameCloseRequest();
}

void HeadlessFrameBackend::Idle() {
  if (events_ != nullptr) events_->FrameIdle();
}

void HeadlessFrameBackend::MenuSelect(int id) {
  if (events_ != nullptr) events_->FrameMenuSelect(id);
}

std::vector<std::string> HeadlessFrameBackend::RenderPreviewPage(int page) {
  if (preview_ == nullptr) return {};
  const Rect printable = preview_->Paper().printable;
  RecordingDC::Options options;
  options.dpiX = options.dpiY = 600;
  options.deviceSize = Size{printable.Width() * 600 / 1440, printable.Height() * 600 / 1440};
  RecordingDC dc(options);
  DrawSourcePage(dc, preview_->Source(), page);
  return dc.Lines();
}

// ---- splash --------------------------------------------------------------------------

HeadlessSplashBackend::HeadlessSplashBackend() = default;

HeadlessSplashBackend::~HeadlessSplashBackend() { Destroy(); }

HeadlessSplashBackend* HeadlessSplashBackend::Current() { return CurrentSplash(); }

bool HeadlessSplashBackend::Create(int pictureId, FrameBackend* owner, SplashEvents& events) {
  if (created_ || res::FindPicture(pictureId) == nullptr) return false;
  pictureId_ = pictureId;
  owner_ = owner;
  events_ = &events;
  created_ = true;
  CurrentSplash() = this;
  return true;
}

void HeadlessSplashBackend::Destroy() {
  if (!created_) return;
  created_ = false;
  events_ = nullptr;
  timerMs_ = 0;
  if (CurrentSplash() == this) CurrentSplash() = nullptr;
}

void HeadlessSplashBackend::FireTimer() {
  if (created_ && timerMs_ > 0 && events_ != nullptr) events_->SplashTimer();
}

bool HeadlessSplashBackend::Press(InputKind kind) {
  return created_ && events_ != nullptr && events_->SplashInput(kind);
}

std::unique_ptr<FrameBackend> HeadlessWindowFactory::CreateFrameBackend() {
  return std::make_unique<HeadlessFrameBackend>();
}

std::unique_ptr<SplashBackend> HeadlessWindowFactory::CreateSplashBackend() {
  return std::make_unique<HeadlessSplashBackend>();
}

}  // namespace tervane::fw
