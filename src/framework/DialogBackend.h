#pragma once
// The interface a window-system backend implements for one dialog window, the
// events it delivers back to the dialog, and the global choice of backend
// (the program installs the Qt one, tests the headless one).
//
// A backend knows nothing of data exchange, handlers or keyboard rules: it
// creates the window and its controls from the template, reads and writes
// control state on request, and reports what the user did. The dialog model
// (Dialog) decides what each event means.

#include <memory>
#include <string>
#include <vector>

#include "framework/DeviceContext.h"
#include "framework/DialogTemplate.h"
#include "framework/Image.h"

namespace tervane::fw {

class FrameBackend;
class HostedControl;
class Variant;

// Background of every dialog that does not choose its own colour.
inline constexpr ColorRef kDefaultDialogColor = RGB(222, 222, 222);

// What a backend reports to the dialog it serves. Implemented by Dialog.
class DialogEvents {
 public:
  virtual ~DialogEvents() = default;
  // The window and its controls exist but are not shown yet: the dialog
  // initialises itself (OnInitDialog) and puts the focus.
  virtual void BackendInit() = 0;
  // A button, radio button or check box was clicked by the user (auto radio
  // buttons and check boxes have already changed their check state).
  virtual void BackendClick(int id) = 0;
  // The user changed the text of an edit field or of an editable combo box.
  // Backends may also report changes made through SetControlText; the dialog
  // ignores those.
  virtual void BackendEditChange(int id) = 0;
  // Enter, Esc (or the close box), F1.
  virtual void BackendEnter() = 0;
  virtual void BackendCancel() = 0;
  virtual void BackendHelp() = 0;
  // Paint the client area. The backend has already erased the invalid part
  // with BackgroundColor() where erasing was asked for.
  virtual void BackendPaint(DeviceContext& dc) = 0;
  // The window is going away (after the last event).
  virtual void BackendDestroyed() = 0;
  // Background of the dialog and its static controls; static text is black.
  virtual ColorRef BackgroundColor() const = 0;

  // ---- Timers ----
  // A timer set with DialogBackend::SetTimer fell due (on the thread of the
  // window, like every other event).
  virtual void BackendTimer(int /*id*/) {}

  // ---- hosted controls ------------------------------------------------------
  // The user did something in hosted control `id` (a spreadsheet), which
  // raised its event `dispid` with these arguments.
  virtual void BackendControlEvent(int /*id*/, int /*dispid*/, std::vector<Variant>& /*args*/) {}
};

// One dialog window. Control ids address the first control of the template
// with that id. Calls naming an id the template does not have do nothing
// (getters return empty values).
class DialogBackend {
 public:
  virtual ~DialogBackend() = default;

  // Makes the window and its controls from the template (invisible). `owner`
  // is the backend of the owner dialog, or null. Returns false on failure.
  virtual bool Create(const DialogTemplate& tmpl, DialogEvents& events, DialogBackend* owner) = 0;
  // ---- modeless dialogs of the main frame ----
  // Makes the window inside the client area of a frame window, centred there
  // (so that it can never get lost behind the frame). Backends without such
  // windows make an ordinary one.
  virtual bool CreateInFrame(const DialogTemplate& tmpl, DialogEvents& events, FrameBackend* frame) {
    (void)frame;
    return Create(tmpl, events, nullptr);
  }
  // Shows the window modally: delivers BackendInit, then events until
  // EndModal is called; returns the value passed to EndModal.
  virtual int RunModal() = 0;
  // Shows the window without a modal loop: delivers BackendInit, then shows.
  virtual bool ShowModeless() = 0;
  // Ends the modal loop once the current event handler returns.
  virtual void EndModal(int result) = 0;
  // Destroys the window (BackendDestroyed is delivered). Safe to call twice.
  virtual void Destroy() = 0;
  virtual bool IsCreated() const = 0;

  // The dialog window itself.
  virtual void SetCaption(const std::string& caption) = 0;
  virtual std::string Caption() const = 0;
  virtual void ShowWindow(bool visible) = 0;
  virtual bool IsWindowVisible() const = 0;
  // Size of the client area in pixels.
  virtual Size ClientSize() const = 0;
  // Where the client area's top-left corner lies from the top-left corner of
  // the window's outer frame, in pixels: the width of the left border and the
  // height of the caption and top border. (0, 0) when the window has no frame
  // (no window manager draws one, or the backend has no windows).
  virtual Point FrameOffset() const { return Point{}; }
  // Screen scale factor used for dialog units (1.0 at 96 dpi).
  virtual double ScaleFactor() const = 0;
  // Marks a rectangle of the client area for repainting, erased first with the
  // background colour when `erase` is true.
  virtual void InvalidateRect(const Rect& rect, bool erase) = 0;
  virtual void Invalidate(bool erase) = 0;

  // Controls. Text is UTF-8; for a combo box it is the text of its edit part
  // (or of the selected item of a drop-down list). Setting the text of an
  // editable combo box clears its selection; a drop-down list ignores it.
  virtual std::string ControlText(int id) const = 0;
  virtual void SetControlText(int id, const std::string& text) = 0;
  // Check state of a check box or radio button: 0, 1 (checked), 2 (indeterminate).
  virtual int CheckState(int id) const = 0;
  virtual void SetCheckState(int id, int state) = 0;
  // Typing limit of an edit field in characters (0: none). It limits what the
  // user can type; SetControlText writes the whole text.
  virtual void SetTextLimit(int id, int maxCharacters) = 0;

  // Combo-box lists. Items are kept in the order inserted; sorting is done by
  // the dialog model. Selection -1 means none; selecting an item also puts its
  // text in the edit part, selecting none (or an index out of range) empties it.
  virtual void ComboClear(int id) = 0;
  virtual void ComboInsert(int id, int index, const std::string& text) = 0;
  virtual std::vector<std::string> ComboItems(int id) const = 0;
  virtual int ComboSelection(int id) const = 0;
  virtual void SetComboSelection(int id, int index) = 0;

  virtual void ShowControl(int id, bool visible) = 0;
  virtual bool IsControlVisible(int id) const = 0;
  virtual void EnableControl(int id, bool enabled) = 0;
  virtual bool IsControlEnabled(int id) const = 0;

  // Keyboard focus: the id of the control that has it, 0 when none does (an
  // unnamed control that has it reports kStaticId).
  virtual int FocusedControl() const = 0;
  virtual void SetFocus(int id) = 0;

  // ---- fonts of single controls ----
  // Shows a control's text in the font (height in pixels as a device context
  // at 96 dpi takes it). Backends without fonts ignore it.
  virtual void SetControlFont(int id, const Font& font) {
    (void)id;
    (void)font;
  }

  // ---- Timers and the busy cursor ----
  // Starts timer `id` of the window (restarts it when it runs): BackendTimer(id)
  // every `milliseconds` until KillTimer or until the window goes. False when
  // the window does not exist or the backend has no timers.
  virtual bool SetTimer(int /*id*/, int /*milliseconds*/) { return false; }
  virtual void KillTimer(int /*id*/) {}
  // The cursor that says the program is working while the window still
  // answers, over the window; false restores the normal cursor.
  virtual void SetBusyCursor(bool /*busy*/) {}
  // Places a window of its own `dx`, `dy` dialog units right of and below the
  // top-left corner of its owner's window, for when it is shown. Where the
  // window system places every window itself (Wayland), nothing happens.
  virtual void PlaceFromOwner(int /*dx*/, int /*dy*/) {}

  // ---- hosted controls ------------------------------------------------------
  // The control object of a Spreadsheet or PrintPreview control (made from
  // the template with MakeHostedControl, owned by the window); null for other
  // controls and once the window is gone.
  virtual HostedControl* HostedControlAt(int /*id*/) const { return nullptr; }

  // ---- what the window shows ------------------------------------------------
  // The part of the client area inside `rect` as the window shows it now,
  // its painting and its controls, one image pixel per client pixel; the
  // rectangle is first cut to the client area. A null image when nothing of
  // it lies inside, or when the backend cannot show pixels.
  virtual Image GrabClient(const Rect& /*rect*/) const { return Image(); }
};

// Makes dialog backends. One factory is installed for the whole process.
class BackendFactory {
 public:
  virtual ~BackendFactory() = default;
  virtual std::unique_ptr<DialogBackend> CreateDialogBackend() = 0;
};

// Installs the factory (not owned) and returns the previous one. Whoever starts
// the process installs one: the program the Qt backend, the tests the headless
// one. While none is installed (or after null is installed) no dialog window
// can be made: DoModal returns -1, a modeless dialog is not created, and the
// first attempt writes one line to stderr saying so.
BackendFactory* InstallBackendFactory(BackendFactory* factory);
BackendFactory& CurrentBackendFactory();

}  // namespace tervane::fw
