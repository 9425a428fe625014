#pragma once
// Headless stand-ins of the main frame and the splash window, for tests: they
// keep what the model shows (caption, menus with their states, bars, status
// text, the print preview's model) and let a test act as the user (choose a
// command, press the close box, press the preview's buttons through its
// model, fire the splash's timer, press a key while the splash is up). The tests'
// main installs them for the whole run.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/FrameBackend.h"
#include "framework/PrintPreview.h"

namespace tervane::fw {

class FrameWindow;

class HeadlessFrameBackend : public FrameBackend {
 public:
  // The headless backend of a frame, or null.
  static HeadlessFrameBackend* Of(const FrameWindow& frame);

  bool Create(const std::string& title, FrameEvents& events) override;
  void Destroy() override;
  bool IsCreated() const override { return created_; }
  void SetTitle(const std::string& title) override { title_ = title; }
  std::string Title() const override { return title_; }
  void Show(ShowState state) override { state_ = state; }
  ShowState State() const override { return state_; }
  Size ClientSize() const override { return clientSize; }
  void SetMenu(const std::vector<MenuItem>& popups) override { menu_ = popups; }
  void SetToolbar(const ToolbarTemplate& toolbar, const std::vector<std::string>& tips) override;
  void SetAccelerators(const std::vector<Accelerator>& accelerators) override { accelerators_ = accelerators; }
  void SetStatusBar(const std::vector<StatusPane>& panes) override;
  void ShowToolbar(bool visible) override { toolbarVisible_ = visible && hasToolbar_; }
  bool IsToolbarVisible() const override { return toolbarVisible_; }
  void ShowStatusBar(bool visible) override { statusBarVisible_ = visible && hasStatusBar_; }
  bool IsStatusBarVisible() const override { return statusBarVisible_; }
  void SetStatusText(const std::string& text) override { statusText_ = text; }
  void SetCommandStates(const std::vector<FrameCommandState>& states) override;
  bool BeginPreview(std::shared_ptr<PrintPreviewModel> preview) override;
  void EndPreview() override { preview_.reset(); }
  bool InPreview() const override { return preview_ != nullptr; }

  // ---- what it shows ----
  const std::vector<MenuItem>& Menu() const { return menu_; }
  // The entry of the menu bar with that id (pop-ups searched), or null.
  const MenuItem* FindMenuItem(int id) const;
  // The texts of a pop-up's entries ("" for separators), by the pop-up's text.
  std::vector<std::string> PopupTexts(const std::string& popup) const;
  const ToolbarTemplate& Toolbar() const { return toolbar_; }
  const std::vector<std::string>& ToolTips() const { return tips_; }
  const std::vector<Accelerator>& Accelerators() const { return accelerators_; }
  const std::vector<StatusPane>& StatusPanes() const { return panes_; }
  const std::string& StatusText() const { return statusText_; }
  // The state of a toolbar button or accelerator command (disabled when unknown).
  FrameCommandState CommandStateOf(int id) const;
  // The preview shown (a test presses its buttons through the model).
  PrintPreviewModel* Preview() const { return preview_.get(); }

  // ---- acting as the user ----
  void Command(int id);
  void CloseBox();
  void Idle();
  void MenuSelect(int id);
  // Draws a page of the preview as the preview window does, into a
  // recording device context of the printable area at 600 dpi, and returns
  // its lines.
  std::vector<std::string> RenderPreviewPage(int page);

  Size clientSize{1024, 700};

 private:
  FrameEvents* events_ = nullptr;
  bool created_ = false;
  std::string title_;
  ShowState state_ = ShowState::Hidden;
  std::vector<MenuItem> menu_;
  ToolbarTemplate toolbar_;
  std::vector<std::string> tips_;
  std::vector<Accelerator> accelerators_;
  std::vector<StatusPane> panes_;
  bool hasToolbar_ = false;
  bool hasStatusBar_ = false;
  bool toolbarVisible_ = false;
  bool statusBarVisible_ = false;
  std::string statusText_;
  std::map<int, FrameCommandState> states_;
  std::shared_ptr<PrintPreviewModel> preview_;
};

class HeadlessSplashBackend : public SplashBackend {
 public:
  HeadlessSplashBackend();
  ~HeadlessSplashBackend() override;

  // The splash window that exists now, or null.
  static HeadlessSplashBackend* Current();

  bool Create(int pictureId, FrameBackend* owner, SplashEvents& events) override;
  void StartTimer(int milliseconds) override { timerMs_ = milliseconds; }
  void Destroy() override;
  bool IsCreated() const override { return created_; }

  int PictureId() const { return pictureId_; }
  int TimerMilliseconds() const { return timerMs_; }
  FrameBackend* Owner() const { return owner_; }

  // The timer fires (when it was started).
  void FireTimer();
  // A key or mouse button pressed somewhere in the program: true when the
  // splash consumed it.
  bool Press(InputKind kind);

 private:
  SplashEvents* events_ = nullptr;
  FrameBackend* owner_ = nullptr;
  bool created_ = false;
  int pictureId_ = 0;
  int timerMs_ = 0;
};

class HeadlessWindowFactory : public WindowFactory {
 public:
  std::unique_ptr<FrameBackend> CreateFrameBackend() override;
  std::unique_ptr<SplashBackend> CreateSplashBackend() override;
};

}  // namespace tervane::fw
