#pragma once
// The Qt backend of the dialog framework: one real window per dialog, its
// controls made from the template with absolute geometry in dialog units.
//
// Keyboard: Enter (anywhere, also in an edit field), Esc, the close box and
// F1 go to the dialog model; the window never closes by itself. Tab follows
// the declaration order; the arrow keys move within a radio group. In a
// multi-line edit field Ctrl+Enter starts a new line; its text comes back
// with CR LF line ends.

#include <memory>
#include <string>
#include <vector>

#include "framework/DialogBackend.h"

class QDialog;
class QWidget;

namespace tervane::fw {

class QtDialogBackend final : public DialogBackend {
 public:
  QtDialogBackend();
  ~QtDialogBackend() override;
  QtDialogBackend(const QtDialogBackend&) = delete;
  QtDialogBackend& operator=(const QtDialogBackend&) = delete;

  bool Create(const DialogTemplate& tmpl, DialogEvents& events, DialogBackend* owner) override;
  // A child window of the frame's client area (a Qt frame's), centred there.
  bool CreateInFrame(const DialogTemplate& tmpl, DialogEvents& events, FrameBackend* frame) override;
  int RunModal() override;
  bool ShowModeless() override;
  void EndModal(int result) override;
  void Destroy() override;
  bool IsCreated() const override;

  void SetCaption(const std::string& caption) override;
  std::string Caption() const override;
  void ShowWindow(bool visible) override;
  bool IsWindowVisible() const override;
  Size ClientSize() const override;
  Point FrameOffset() const override;
  double ScaleFactor() const override;
  void InvalidateRect(const Rect& rect, bool erase) override;
  void Invalidate(bool erase) override;

  std::string ControlText(int id) const override;
  void SetControlText(int id, const std::string& text) override;
  int CheckState(int id) const override;
  void SetCheckState(int id, int state) override;
  void SetTextLimit(int id, int maxCharacters) override;

  void ComboClear(int id) override;
  void ComboInsert(int id, int index, const std::string& text) override;
  std::vector<std::string> ComboItems(int id) const override;
  int ComboSelection(int id) const override;
  void SetComboSelection(int id, int index) override;

  void ShowControl(int id, bool visible) override;
  bool IsControlVisible(int id) const override;
  void EnableControl(int id, bool enabled) override;
  bool IsControlEnabled(int id) const override;

  int FocusedControl() const override;
  void SetFocus(int id) override;
  void SetControlFont(int id, const Font& font) override;

  bool SetTimer(int id, int milliseconds) override;
  void KillTimer(int id) override;
  void SetBusyCursor(bool busy) override;
  void PlaceFromOwner(int dx, int dy) override;

  HostedControl* HostedControlAt(int id) const override;
  // Renders the window and its controls into an image (QWidget::grab), so it
  // is the dialog's own content whatever covers it on the screen.
  Image GrabClient(const Rect& rect) const override;

  // The window while it exists (null otherwise), and the widget of the first
  // control with that id (null when there is none). For tests and for the
  // controls that attach themselves to a placeholder.
  QDialog* Window() const;
  QWidget* ControlWidget(int id) const;
  // The widget of the control at that position of the template.
  QWidget* ControlWidgetAt(std::size_t index) const;

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

class QtBackendFactory final : public BackendFactory {
 public:
  std::unique_ptr<DialogBackend> CreateDialogBackend() override;
};

}  // namespace tervane::fw
