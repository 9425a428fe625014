#pragma once
// The main frame window: menu bar, toolbar, status bar and the client area in
// which the modeless dialogs of the open document and the print preview
// appear. Commands from the menu, the toolbar and the accelerators go along
// the route active view, active document, frame, application (Commands.h);
// a command whose state is disabled is refused, whichever way it came.

#include <memory>
#include <string>
#include <vector>

#include "framework/Commands.h"
#include "framework/FrameBackend.h"

namespace tervane::fw {

class Application;
class PrintPreviewModel;

class FrameWindow : public CommandTarget, private FrameEvents {
 public:
  FrameWindow();
  ~FrameWindow() override;

  // Makes the window (hidden) with its caption and menu, then calls OnCreate;
  // false (and no window) when either fails.
  bool Create(const std::string& title, const MenuTemplate& menu);
  void DestroyWindow();
  bool IsWindow() const { return backend_ != nullptr; }
  // As the close box: OnClose.
  void Close() { OnClose(); }

  // The application whose commands end the route (and that closes its
  // documents when the frame closes).
  void SetApplication(Application* app) { app_ = app; }
  Application* GetApplication() const { return app_; }

  void ShowWindow(ShowState state);
  ShowState State() const;
  void SetTitle(const std::string& title);
  std::string Title() const;
  Size ClientSize() const;

  // The menu shown: the frame's own (given to Create), replaced by the
  // document template's while a document is active.
  void SetMenu(const MenuTemplate& menu);
  const MenuTemplate& Menu() const { return menu_; }
  // The caption without the document's title.
  const std::string& BaseTitle() const { return baseTitle_; }
  // The menu as shown now: states set, the recent-file entry expanded.
  std::vector<MenuItem> EffectiveMenu();

  // The bars and keys; OnCreate sets them up.
  bool CreateToolbar(const ToolbarTemplate& toolbar);
  bool CreateStatusBar(const std::vector<int>& indicators);
  void SetAccelerators(const std::vector<Accelerator>& accelerators);
  // The message pane (the idle message when empty).
  void SetMessageText(const std::string& text);
  const std::string& MessageText() const { return messageText_; }

  // Commands.
  virtual std::vector<CommandTarget*> CommandRoute();
  CommandState QueryCommand(int id);
  // Sends the command along the route when its state is enabled; true when
  // it was handled.
  bool SendCommand(int id);
  // Brings menu, toolbar and accelerator states up to date.
  void UpdateCommandUI();

  // Print preview in the client area: the backend shows the model over it
  // (the client area's own windows are hidden by their owners meanwhile).
  // The frame holds the model while it runs; one preview at a time.
  bool BeginPrintPreview(std::shared_ptr<PrintPreviewModel> preview);
  void EndPrintPreview();
  PrintPreviewModel* Preview() const { return preview_.get(); }

  FrameBackend* Backend() const { return backend_.get(); }

  // The idle text of the message pane.
  static constexpr const char* kIdleMessage = "Ready";

 protected:
  // After the window exists: bars, splash. False fails the creation.
  virtual bool OnCreate() { return true; }
  // The close box and Exit: asks the application to save and close its
  // documents, then destroys the window. Nothing happens when the user cancels.
  virtual void OnClose();
  // The prompt of a command: "status text\ntool tip" (empty: none).
  virtual std::string CommandPrompt(int id) const;

 private:
  void FrameCommand(int id) override;
  void FrameIdle() override;
  void FrameCloseRequest() override;
  void FrameMenuSelect(int id) override;

  void OnViewToolbar();
  void OnViewStatusBar();
  std::vector<MenuItem> BuildMenu(const std::vector<MenuItem>& items);

  std::unique_ptr<FrameBackend> backend_;
  Application* app_ = nullptr;
  MenuTemplate menu_;
  MenuTemplate defaultMenu_;
  std::string baseTitle_;
  ToolbarTemplate toolbar_;
  std::vector<Accelerator> accelerators_;
  bool hasStatusBar_ = false;
  std::string messageText_;
  std::vector<MenuItem> shownMenu_;
  std::vector<FrameCommandState> shownStates_;
  std::shared_ptr<PrintPreviewModel> preview_;
  // A preview that ended while one of its own handlers ran; released later.
  std::shared_ptr<PrintPreviewModel> endedPreview_;
};

}  // namespace tervane::fw
