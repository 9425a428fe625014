#pragma once
// The dialog base class: a window made from a template, run modally (DoModal
// returns IDOK or IDCANCEL, or what EndDialog was given) or created modeless,
// with handlers by control id, data exchange and keyboard routing.
//
// Keyboard rules:
// - Enter clicks the push button that has the focus; with the focus anywhere
//   else it clicks the default push button (IDOK when there is none), and a
//   click on IDOK calls OnOK. OnOK may ask FocusedControl() which control had
//   the focus.
// - Esc and the close box call OnCancel.
// - F1 calls OnHelpInfo.
//
// Change notifications of edit fields are not delivered while the dialog
// itself writes into its controls (SetText, UpdateData(false), ...).

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/DialogBackend.h"
#include "framework/DialogTemplate.h"
#include "framework/HostedControl.h"

namespace tervane::fw {

class DataExchange;
class FrameWindow;

class Dialog : private DialogEvents {
 public:
  // `owner` is the dialog that owns this one, or null for none.
  explicit Dialog(DialogTemplate tmpl, Dialog* owner = nullptr);
  ~Dialog() override;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Runs the dialog modally; returns the value given to EndDialog (IDOK or
  // IDCANCEL from the standard handlers), or -1 when no window could be made.
  int DoModal();
  // Creates the dialog as a modeless window and shows it. False on failure.
  bool CreateModeless();
  // ---- modeless dialogs of the main frame ----
  // Creates the dialog as a modeless window inside the frame's client area
  // and shows it. False on failure.
  bool CreateModelessIn(FrameWindow& frame);
  // Destroys the window of a modeless dialog (a modal one ends through EndDialog).
  void DestroyWindow();
  bool IsWindow() const;
  bool IsModal() const { return modal_; }

  // Ends a modal run with `result` once the current handler returns; a
  // modeless dialog is hidden instead.
  void EndDialog(int result);

  // Moves data between the members and the controls through DoDataExchange:
  // true reads and validates the controls, false shows the members. Returns
  // false when a field was refused (the message was shown and the field has
  // the focus).
  bool UpdateData(bool saveAndValidate = true);

  const DialogTemplate& Template() const { return template_; }

  // The window.
  void SetCaption(const std::string& caption);
  std::string Caption() const;
  void ShowWindow(bool visible);
  bool IsWindowVisible() const;
  Size ClientSize() const;
  // The client area's corner within the window's frame (DialogBackend::FrameOffset).
  Point FrameOffset() const;
  void InvalidateRect(const Rect& rect, bool erase = true);
  void Invalidate(bool erase = true);
  // A copy of what the client area shows inside `rect` (DialogBackend::GrabClient).
  Image GrabClient(const Rect& rect) const;
  void SetBackgroundColor(ColorRef color) { background_ = color; }
  ColorRef BackgroundColor() const override { return background_; }

  // Controls.
  std::string GetText(int id) const;
  void SetText(int id, std::string_view text);
  int GetCheck(int id) const;
  void SetCheck(int id, int state);
  // Radio groups by their first button: the index of the checked button
  // counted from the first, -1 when none is checked; setting -1 clears all.
  int GetRadioIndex(int firstId) const;
  void SetRadioIndex(int firstId, int index);
  void SetTextLimit(int id, int maxCharacters);

  // Combo boxes. Add inserts in sorted place (case-insensitive) when the
  // combo box is sorted and returns the index it got.
  void ComboClear(int id);
  int ComboAdd(int id, std::string_view text);
  std::vector<std::string> ComboItems(int id) const;
  int ComboSelection(int id) const;
  void SetComboSelection(int id, int index);
  // Selects the first item that begins with `prefix` (ignoring ASCII case) and
  // returns its index; -1 (selection unchanged) when none does.
  int ComboSelectPrefix(int id, std::string_view prefix);

  void ShowControl(int id, bool visible);
  bool IsControlVisible(int id) const;
  void EnableControl(int id, bool enabled);
  bool IsControlEnabled(int id) const;

  // ---- fonts of single controls ----
  // A control's text in its own font (height as for a 96-dpi device context).
  void SetControlFont(int id, const Font& font);

  // Focus: the id of the control that has it (0 for none).
  int FocusedControl() const;
  void SetFocus(int id);
  // The first visible, enabled tab stop in template order, 0 when none.
  int FirstTabStop() const;

  // Backend of the window while it exists (null otherwise).
  DialogBackend* Backend() const { return backend_.get(); }

  // Timers of the window: OnTimer(id) every `milliseconds` on the
  // user-interface thread until KillTimer or until the window goes. SetTimer
  // is false when there is no window. Work done on another thread reports to
  // the dialog this way.
  bool SetTimer(int id, int milliseconds);
  void KillTimer(int id);
  // The busy cursor over the window (the program works, the window answers).
  void SetBusyCursor(bool busy);
  // Places the window from its owner's top-left corner, in dialog units
  // (DialogBackend::PlaceFromOwner); call it from OnInitDialog.
  void PlaceFromOwner(int dx, int dy);

  // ---- hosted controls (spreadsheet, print preview) ---------------------------
  // The control object of control `id` while the window exists, else null.
  // Dialogs talk to it through a wrapper (ControlWrapper) attached by
  // DataExchange::Control.
  HostedControl* HostedControlOf(int id) const;

 protected:
  virtual bool OnInitDialog();  // default: UpdateData(false); return true
  virtual void OnOK();          // default: UpdateData(true), then EndDialog(IDOK)
  virtual void OnCancel();      // default: EndDialog(IDCANCEL)
  virtual void DoDataExchange(DataExchange& dx);
  virtual void OnPaint(DeviceContext& dc);
  virtual bool OnHelpInfo();    // default: the help file's default page
  virtual void OnDestroy();
  virtual void OnTimer(int id);  // default: nothing

  // Handlers by control id, registered in the derived constructor.
  void OnClicked(int id, std::function<void()> handler);
  void OnEditChange(int id, std::function<void()> handler);
  template <class Derived>
  void OnClicked(int id, void (Derived::*method)()) {
    OnClicked(id, [this, method] { (static_cast<Derived*>(this)->*method)(); });
  }
  template <class Derived>
  void OnEditChange(int id, void (Derived::*method)()) {
    OnEditChange(id, [this, method] { (static_cast<Derived*>(this)->*method)(); });
  }

  // ---- event sink of hosted controls ----------------------------------------------
  // `handler` receives the arguments of event `dispid` of hosted control `id`
  // (raised only by what the user did); it may change arguments that the
  // event passes by reference.
  void OnControlEvent(int id, int dispid, std::function<void(std::vector<Variant>& args)> handler);
  // For events with two 32-bit integer arguments (column and row).
  template <class Derived>
  void OnControlEvent(int id, int dispid, void (Derived::*method)(int, int)) {
    OnControlEvent(id, dispid, [this, method](std::vector<Variant>& args) {
      const int a = args.size() > 0 ? args[0].AsInt() : 0;
      const int b = args.size() > 1 ? args[1].AsInt() : 0;
      (static_cast<Derived*>(this)->*method)(a, b);
    });
  }

 private:
  friend class DataExchange;

  bool MakeBackend();
  void BackendInit() override;
  void BackendClick(int id) override;
  void BackendEditChange(int id) override;
  void BackendEnter() override;
  void BackendCancel() override;
  void BackendHelp() override;
  void BackendPaint(DeviceContext& dc) override;
  void BackendDestroyed() override;
  void BackendTimer(int id) override;
  void BackendControlEvent(int id, int dispid, std::vector<Variant>& args) override;

  // Writes into controls without delivering change notifications.
  class WritingScope;

  DialogTemplate template_;
  Dialog* owner_ = nullptr;
  std::unique_ptr<DialogBackend> backend_;
  ColorRef background_ = kDefaultDialogColor;
  bool modal_ = false;
  bool destroying_ = false;
  int writing_ = 0;
  std::map<int, std::function<void()>> clickHandlers_;
  std::map<int, std::function<void()>> changeHandlers_;
  std::map<std::pair<int, int>, std::function<void(std::vector<Variant>&)>> controlEventHandlers_;
};

}  // namespace tervane::fw
