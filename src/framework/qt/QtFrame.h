#pragma once
// The Qt backends of the main frame (a main window with menu bar, toolbar,
// status bar, a client area that holds the frame's modeless dialogs, and the
// print preview over that area) and of the splash window.
//
// The frame brings its command states up to date when a menu opens and four
// times a second (the program's idle time). The splash window has its own
// timer and sees every key and mouse-button press of the program first.

#include <memory>
#include <string>
#include <vector>

#include "framework/FrameBackend.h"

class QMainWindow;
class QWidget;
class QTimer;

namespace tervane::fw {

class QtFrameBackend final : public FrameBackend {
 public:
  QtFrameBackend();
  ~QtFrameBackend() override;
  QtFrameBackend(const QtFrameBackend&) = delete;
  QtFrameBackend& operator=(const QtFrameBackend&) = delete;

  bool Create(const std::string& title, FrameEvents& events) override;
  void Destroy() override;
  bool IsCreated() const override;
  void SetTitle(const std::string& title) override;
  std::string Title() const override;
  void Show(ShowState state) override;
  ShowState State() const override;
  Size ClientSize() const override;
  void SetMenu(const std::vector<MenuItem>& popups) override;
  void SetToolbar(const ToolbarTemplate& toolbar, const std::vector<std::string>& tips) override;
  void SetAccelerators(const std::vector<Accelerator>& accelerators) override;
  void SetStatusBar(const std::vector<StatusPane>& panes) override;
  void ShowToolbar(bool visible) override;
  bool IsToolbarVisible() const override;
  void ShowStatusBar(bool visible) override;
  bool IsStatusBarVisible() const override;
  void SetStatusText(const std::string& text) override;
  void SetCommandStates(const std::vector<FrameCommandState>& states) override;
  bool BeginPreview(std::shared_ptr<PrintPreviewModel> preview) override;
  void EndPreview() override;
  bool InPreview() const override;

  // The window and the widget of its client area (null while there is none),
  // and the preview's widget while a preview runs. For tests and for the
  // dialogs that live in the client area.
  QMainWindow* Window() const;
  QWidget* ClientArea() const;
  QWidget* PreviewWidget() const;
  // Brings the command states up to date now (as the idle timer does).
  void Idle();

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

class QtSplashBackend final : public SplashBackend {
 public:
  QtSplashBackend();
  ~QtSplashBackend() override;
  QtSplashBackend(const QtSplashBackend&) = delete;
  QtSplashBackend& operator=(const QtSplashBackend&) = delete;

  bool Create(int pictureId, FrameBackend* owner, SplashEvents& events) override;
  void StartTimer(int milliseconds) override;
  void Destroy() override;
  bool IsCreated() const override;

  QWidget* Window() const;
  QTimer* Timer() const;

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

class QtWindowFactory final : public WindowFactory {
 public:
  std::unique_ptr<FrameBackend> CreateFrameBackend() override;
  std::unique_ptr<SplashBackend> CreateSplashBackend() override;
};

// Qt's key sequence for an accelerator (empty for a key it has no name for).
std::string AcceleratorText(const Accelerator& accelerator);

}  // namespace tervane::fw
