#include "framework/Frame.h"

#include <cstdio>
#include <utility>

#include "framework/Application.h"
#include "framework/Document.h"
#include "framework/PrintPreview.h"
#include "framework/View.h"

namespace tervane::fw {

namespace {

WindowFactory*& InstalledWindowFactory() {
  static WindowFactory* factory = nullptr;
  return factory;
}

// Serves while nobody installed a backend: it makes no window, so a frame or
// splash is not created, and it says once on the error stream why.
class NoWindowFactory : public WindowFactory {
 public:
  std::unique_ptr<FrameBackend> CreateFrameBackend() override {
    Tell();
    return nullptr;
  }
  std::unique_ptr<SplashBackend> CreateSplashBackend() override {
    Tell();
    return nullptr;
  }

 private:
  void Tell() {
    if (told_) return;
    told_ = true;
    std::fputs("tervane: no window backend is installed; windows cannot be shown\n", stderr);
  }
  bool told_ = false;
};

}  // namespace

WindowFactory* InstallWindowFactory(WindowFactory* factory) {
  WindowFactory* previous = InstalledWindowFactory();
  InstalledWindowFactory() = factory;
  return previous;
}

WindowFactory& CurrentWindowFactory() {
  static NoWindowFactory standIn;
  WindowFactory* f = InstalledWindowFactory();
  return f != nullptr ? *f : standIn;
}

FrameWindow::FrameWindow() {
  OnCommand(ID_VIEW_TOOLBAR, &FrameWindow::OnViewToolbar);
  OnCommand(ID_VIEW_STATUS_BAR, &FrameWindow::OnViewStatusBar);
  OnUpdateCommand(ID_VIEW_TOOLBAR, [this](CmdUI& ui) {
    ui.Enable(!toolbar_.buttons.empty());
    ui.SetCheck(backend_ && backend_->IsToolbarVisible());
  });
  OnUpdateCommand(ID_VIEW_STATUS_BAR, [this](CmdUI& ui) {
    ui.Enable(hasStatusBar_);
    ui.SetCheck(backend_ && backend_->IsStatusBarVisible());
  });
}

FrameWindow::~FrameWindow() {
  preview_.reset();
  endedPreview_.reset();
  if (backend_) backend_->Destroy();
}

bool FrameWindow::Create(const std::string& title, const MenuTemplate& menu) {
  if (backend_) return false;
  backend_ = CurrentWindowFactory().CreateFrameBackend();
  if (!backend_ || !backend_->Create(title, *this)) {
    backend_.reset();
    return false;
  }
  menu_ = menu;
  defaultMenu_ = menu;
  baseTitle_ = title;
  if (!OnCreate()) {
    DestroyWindow();
    return false;
  }
  UpdateCommandUI();
  return true;
}

void FrameWindow::DestroyWindow() {
  if (!backend_) return;
  preview_.reset();
  backend_->Destroy();
  backend_.reset();
}

void FrameWindow::ShowWindow(ShowState state) {
  if (backend_) backend_->Show(state);
}

ShowState FrameWindow::State() const { return backend_ ? backend_->State() : ShowState::Hidden; }

void FrameWindow::SetTitle(const std::string& title) {
  if (backend_) backend_->SetTitle(title);
}

std::string FrameWindow::Title() const { return backend_ ? backend_->Title() : std::string(); }

Size FrameWindow::ClientSize() const { return backend_ ? backend_->ClientSize() : Size{}; }

void FrameWindow::SetMenu(const MenuTemplate& menu) {
  defaultMenu_ = menu;
  menu_ = menu;
  UpdateCommandUI();
}

bool FrameWindow::CreateToolbar(const ToolbarTemplate& toolbar) {
  if (!backend_) return false;
  toolbar_ = toolbar;
  std::vector<std::string> tips;
  for (int id : toolbar.buttons) {
    std::string tip;
    if (id != 0) {
      const std::string prompt = CommandPrompt(id);
      const std::size_t nl = prompt.find('\n');
      if (nl != std::string::npos) tip = prompt.substr(nl + 1);
    }
    tips.push_back(tip);
  }
  backend_->SetToolbar(toolbar, tips);
  return true;
}

bool FrameWindow::CreateStatusBar(const std::vector<int>& indicators) {
  if (!backend_) return false;
  std::vector<StatusPane> panes;
  for (int id : indicators) {
    StatusPane pane;
    pane.id = id;
    switch (id) {
      case ID_INDICATOR_CAPS: pane.text = "CAP"; break;
      case ID_INDICATOR_NUM: pane.text = "NUM"; break;
      case ID_INDICATOR_SCRL: pane.text = "SCRL"; break;
      default: break;
    }
    panes.push_back(pane);
  }
  backend_->SetStatusBar(panes);
  hasStatusBar_ = true;
  SetMessageText("");
  return true;
}

void FrameWindow::SetAccelerators(const std::vector<Accelerator>& accelerators) {
  accelerators_ = accelerators;
  if (backend_) backend_->SetAccelerators(accelerators);
}

void FrameWindow::SetMessageText(const std::string& text) {
  messageText_ = text.empty() ? std::string(kIdleMessage) : text;
  if (backend_) backend_->SetStatusText(messageText_);
}

std::vector<CommandTarget*> FrameWindow::CommandRoute() {
  std::vector<CommandTarget*> route;
  if (app_ != nullptr) {
    if (View* view = app_->Documents().ActiveView()) route.push_back(view);
    if (Document* doc = app_->Documents().ActiveDocument()) route.push_back(doc);
  }
  route.push_back(this);
  if (app_ != nullptr) route.push_back(app_);
  return route;
}

CommandState FrameWindow::QueryCommand(int id) {
  const std::vector<CommandTarget*> route = CommandRoute();
  return QueryCommandState(route, id);
}

bool FrameWindow::SendCommand(int id) {
  // A recent-file entry stands for the first one as far as its state goes.
  const int stateId = (id > ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + kMaxRecentFileCommands) ? ID_FILE_MRU_FILE1 : id;
  if (!QueryCommand(stateId).enabled) return false;
  const std::vector<CommandTarget*> route = CommandRoute();
  const bool handled = RouteCommand(route, id);
  // The command may have closed the window (Exit).
  if (backend_) UpdateCommandUI();
  return handled;
}

std::vector<MenuItem> FrameWindow::BuildMenu(const std::vector<MenuItem>& items) {
  std::vector<MenuItem> out;
  for (const MenuItem& item : items) {
    if (item.IsSeparator()) {
      out.push_back(item);
      continue;
    }
    if (item.IsPopup()) {
      MenuItem popup = item;
      popup.items = BuildMenu(item.items);
      out.push_back(std::move(popup));
      continue;
    }
    const CommandState state = QueryCommand(item.id);
    if (state.expansion && !state.expansion->empty()) {
      int id = item.id;
      for (const std::string& text : *state.expansion) {
        MenuItem entry = MenuCommand(id++, text);
        entry.enabled = state.enabled;
        out.push_back(std::move(entry));
      }
      continue;
    }
    MenuItem shown = item;
    shown.enabled = state.enabled;
    shown.checked = state.checked;
    out.push_back(std::move(shown));
  }
  return out;
}

std::vector<MenuItem> FrameWindow::EffectiveMenu() { return BuildMenu(menu_.popups); }

void FrameWindow::UpdateCommandUI() {
  if (!backend_) return;
  // The document template's menu and title while a document is active.
  Document* doc = app_ != nullptr ? app_->Documents().ActiveDocument() : nullptr;
  const MenuTemplate& wanted = doc != nullptr && doc->Template() != nullptr ? doc->Template()->Menu() : defaultMenu_;
  if (wanted.number != menu_.number) menu_ = wanted;
  const std::string title = doc != nullptr && !doc->Title().empty() ? baseTitle_ + " - " + doc->Title() : baseTitle_;
  if (backend_->Title() != title) backend_->SetTitle(title);

  std::vector<MenuItem> menu = EffectiveMenu();
  if (menu != shownMenu_) {
    shownMenu_ = menu;
    backend_->SetMenu(shownMenu_);
  }
  std::vector<int> ids;
  for (int id : toolbar_.buttons)
    if (id != 0) ids.push_back(id);
  for (const Accelerator& a : accelerators_) ids.push_back(a.command);
  std::vector<FrameCommandState> states;
  for (int id : ids) {
    bool seen = false;
    for (const FrameCommandState& s : states) seen = seen || s.id == id;
    if (seen) continue;
    const CommandState state = QueryCommand(id);
    states.push_back(FrameCommandState{id, state.enabled, state.checked});
  }
  if (states != shownStates_) {
    shownStates_ = states;
    backend_->SetCommandStates(shownStates_);
  }
  endedPreview_.reset();
}

bool FrameWindow::BeginPrintPreview(std::shared_ptr<PrintPreviewModel> preview) {
  if (!backend_ || !preview || preview_) return false;
  preview_ = std::move(preview);
  if (!backend_->BeginPreview(preview_)) {
    preview_.reset();
    return false;
  }
  return true;
}

void FrameWindow::EndPrintPreview() {
  if (!preview_) return;
  if (backend_) backend_->EndPreview();
  // The preview may be ending from one of its own handlers.
  endedPreview_ = std::move(preview_);
}

void FrameWindow::OnClose() {
  if (app_ != nullptr) {
    if (!app_->SaveAllModified()) return;
    app_->CloseAllDocuments();
  }
  DestroyWindow();
}

std::string FrameWindow::CommandPrompt(int) const { return {}; }

void FrameWindow::FrameCommand(int id) { SendCommand(id); }

void FrameWindow::FrameIdle() { UpdateCommandUI(); }

void FrameWindow::FrameCloseRequest() { OnClose(); }

void FrameWindow::FrameMenuSelect(int id) {
  std::string prompt = id != 0 ? CommandPrompt(id) : std::string();
  const std::size_t nl = prompt.find('\n');
  if (nl != std::string::npos) prompt.resize(nl);
  SetMessageText(prompt);
}

void FrameWindow::OnViewToolbar() {
  if (backend_) backend_->ShowToolbar(!backend_->IsToolbarVisible());
}

void FrameWindow::OnViewStatusBar() {
  if (backend_) backend_->ShowStatusBar(!backend_->IsStatusBarVisible());
}

}  // namespace tervane::fw
