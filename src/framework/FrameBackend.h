#pragma once
// The window-system side of the main frame, its print preview and the splash
// window, and the global choice of backend (the program installs the Qt one,
// the tests the headless one).
//
// As with dialogs, a backend knows nothing of commands or documents: it shows
// what the model gives it and reports what the user did.

#include <memory>
#include <string>
#include <vector>

#include "framework/Commands.h"
#include "framework/DeviceContext.h"
#include "framework/Services.h"

namespace tervane::fw {

class PrintPreviewModel;

enum class ShowState { Hidden, Normal, Maximized };

// What a frame backend reports to the frame it serves (FrameWindow).
class FrameEvents {
 public:
  virtual ~FrameEvents() = default;
  // A menu entry, toolbar button or accelerator.
  virtual void FrameCommand(int id) = 0;
  // Time to bring the command states up to date (a menu opens, the program
  // is idle).
  virtual void FrameIdle() = 0;
  // The close box.
  virtual void FrameCloseRequest() = 0;
  // The pointer rests on a menu entry or toolbar button (0: on none): the
  // status bar shows its prompt.
  virtual void FrameMenuSelect(int id) = 0;
};

struct FrameCommandState {
  int id = 0;
  bool enabled = false;
  bool checked = false;
  friend bool operator==(const FrameCommandState&, const FrameCommandState&) = default;
};

// One pane of the status bar: the message pane (ID_SEPARATOR, stretching) or
// an indicator shown with its text.
struct StatusPane {
  int id = ID_SEPARATOR;
  std::string text;
};

// ---- the main frame window -------------------------------------------------------

class FrameBackend {
 public:
  virtual ~FrameBackend() = default;

  // Makes the window (hidden) with its caption.
  virtual bool Create(const std::string& title, FrameEvents& events) = 0;
  // Destroys the window; no events after it. Safe to call twice.
  virtual void Destroy() = 0;
  virtual bool IsCreated() const = 0;

  virtual void SetTitle(const std::string& title) = 0;
  virtual std::string Title() const = 0;
  virtual void Show(ShowState state) = 0;
  virtual ShowState State() const = 0;
  // Size of the client area (between the bars) in pixels.
  virtual Size ClientSize() const = 0;

  // The menu bar as the frame has put it together (the states are in the items).
  virtual void SetMenu(const std::vector<MenuItem>& popups) = 0;
  // The toolbar with its tool tips (one per button, "" for separators).
  virtual void SetToolbar(const ToolbarTemplate& toolbar, const std::vector<std::string>& tips) = 0;
  virtual void SetAccelerators(const std::vector<Accelerator>& accelerators) = 0;
  virtual void SetStatusBar(const std::vector<StatusPane>& panes) = 0;
  virtual void ShowToolbar(bool visible) = 0;
  virtual bool IsToolbarVisible() const = 0;
  virtual void ShowStatusBar(bool visible) = 0;
  virtual bool IsStatusBarVisible() const = 0;
  // The text of the message pane.
  virtual void SetStatusText(const std::string& text) = 0;
  // The states of the toolbar buttons and accelerators (the menu carries its own).
  virtual void SetCommandStates(const std::vector<FrameCommandState>& states) = 0;

  // Print preview over the whole client area: the client area's own windows
  // (the modeless dialogs in it) are hidden meanwhile by their owners. The
  // backend shows the model's pages and buttons and sends it the user's
  // commands; it may hold the model until its window is gone.
  virtual bool BeginPreview(std::shared_ptr<PrintPreviewModel> preview) = 0;
  virtual void EndPreview() = 0;
  virtual bool InPreview() const = 0;
};

// ---- the splash window -----------------------------------------------------------

// How the user pressed a key or a mouse button (anywhere in the program).
enum class InputKind {
  KeyDown,
  SysKeyDown,
  LeftButtonDown,
  RightButtonDown,
  MiddleButtonDown,
  NcLeftButtonDown,
  NcRightButtonDown,
  NcMiddleButtonDown,
};

class SplashEvents {
 public:
  virtual ~SplashEvents() = default;
  // The window's timer fired.
  virtual void SplashTimer() = 0;
  // A key or mouse button was pressed anywhere in the program, before any
  // window saw it; true consumes it.
  virtual bool SplashInput(InputKind kind) = 0;
};

class SplashBackend {
 public:
  virtual ~SplashBackend() = default;
  // A borderless window showing the picture at its size, centred on the work
  // area of the primary screen, above the frame `owner` (may be null); visible
  // and painted at once. False when the picture does not exist.
  virtual bool Create(int pictureId, FrameBackend* owner, SplashEvents& events) = 0;
  // Starts the window's own timer (one shot).
  virtual void StartTimer(int milliseconds) = 0;
  virtual void Destroy() = 0;
  virtual bool IsCreated() const = 0;
};

// ---- installation ----------------------------------------------------------------

class WindowFactory {
 public:
  virtual ~WindowFactory() = default;
  virtual std::unique_ptr<FrameBackend> CreateFrameBackend() = 0;
  virtual std::unique_ptr<SplashBackend> CreateSplashBackend() = 0;
};

// Installs the factory (not owned) and returns the previous one. While none is
// installed (or after null is installed) no frame or splash window can be made:
// their Create fails, and the first attempt writes one line to stderr saying so.
WindowFactory* InstallWindowFactory(WindowFactory* factory);
WindowFactory& CurrentWindowFactory();

}  // namespace tervane::fw
