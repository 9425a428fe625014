#pragma once
// The headless backend: dialog windows without a display, for tests.
//
// A test decides what happens inside each modal run with a Script: type into
// a field, move the focus, press a button, press Enter, Esc or F1, close the
// window, paint, look at the dialog in the middle of the run, and answer the
// modal dialogs that this one opens, each with a script of its own. A run
// whose script ends without closing the dialog ends with IDCANCEL and records
// that fact: no test ever waits for a person.
//
// A headless window has no pixels: GrabClient gives the part of the client
// area asked for filled with the dialog's background colour.
//
// Spreadsheet controls are live sheets (framework/Spreadsheet.h): a script
// types into, edits and clicks their cells as the user does, and a record
// keeps a copy of each sheet (and preview) as it was at the end of the run.
//
// A HeadlessSession installs itself as the backend factory for its lifetime
// and records every dialog shown: its template name, caption, result, every
// control's state as at the end of its run, the message boxes shown while it
// was the innermost running dialog (through FakeMessageBox), its paints and
// invalidations, and the steps that could not be carried out.
//
//   HeadlessSession session;
//   session.Queue(Script().Type(1015, "6").Click(IDOK)
//                     .Answer(Script().Enter()));   // the message dialog OnOK opens
//   dlg.DoModal();
//   EXPECT_EQ(session.Records()[1].templateName, "IDD_POLICING");

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/DialogBackend.h"
#include "framework/DialogTemplate.h"

namespace tervane::fw {

class Dialog;
class HostedControl;
class Spreadsheet;
class SpreadsheetPreview;

class Script {
 public:
  enum class Action {
    Type, Focus, Click, SelectItem, Enter, Escape, Close, Help, Paint, Inspect, RunTimers,
    // Spreadsheet cells.
    TypeCell, EditCell, ClickCell,
  };
  struct Step {
    Action action = Action::Enter;
    int id = 0;
    std::string text;
    int index = -1;
    std::function<void()> inspect;
    int milliseconds = 0;  // RunTimers
    int col = 0;  // spreadsheet cells
    int row = 0;
  };

  // Puts the focus on the field and replaces its text as typed (the typing
  // limit applies), then reports the change.
  Script& Type(int id, std::string text);
  Script& Focus(int id);
  // A mouse click: the control takes the focus, a check box toggles, a radio
  // button is checked and the others of its group cleared, then the click is
  // reported. A hidden or disabled control cannot be clicked.
  Script& Click(int id);
  // Chooses an item of a combo box's list.
  Script& SelectItem(int id, int index);
  Script& Enter();
  Script& Escape();
  Script& Close();  // the close box
  Script& Help();   // F1
  // Paints the client area into a recording device context.
  Script& Paint();
  // Calls `fn` at this point of the run (to look at the live dialog).
  Script& Inspect(std::function<void()> fn);
  // Lets the dialog's timers fire as they fall due (waiting in real time),
  // until the dialog ends, it has no timer left, or `milliseconds` have passed.
  Script& RunTimers(int milliseconds);
  // The script of the next modal dialog opened while this run goes on.
  Script& Answer(Script nested);

  // ---- spreadsheet cells ----------------------------------------------------------
  // Types a text into a cell of spreadsheet `id` and ends the edit, as the
  // user does: the sheet takes the focus, KeyPress is raised for every
  // character (one a handler sets to 0 is dropped), then the text is stored
  // and CellChange raised when it changed. A cell the user cannot edit, or a
  // text it refuses, is a script error.
  Script& TypeCell(int id, int col, int row, std::string text);
  // The same, but the edit stays open: it is ended (stored) when the focus
  // moves to another control, by a click, by typing elsewhere, or by Enter,
  // which then ends the edit and does nothing else; Esc abandons it.
  Script& EditCell(int id, int col, int row, std::string text);
  // A mouse click on a cell: column 0 is the row-number column, row 0 a
  // column-header row; raises CellClick with that address.
  Script& ClickCell(int id, int col, int row);

  const std::vector<Step>& Steps() const { return steps_; }
  const std::vector<Script>& Answers() const { return answers_; }

 private:
  std::vector<Step> steps_;
  std::vector<Script> answers_;
};

struct ControlRecord {
  int id = kStaticId;
  ControlKind kind = ControlKind::StaticLeft;
  std::string text;
  bool visible = true;
  bool enabled = true;
  int check = 0;
  std::vector<std::string> items;
  int selection = -1;
  // Spreadsheet and print-preview controls: a copy as at the end of the run.
  std::shared_ptr<const HostedControl> hosted;
};

struct Invalidation {
  Rect rect;  // the whole client area for Invalidate()
  bool erase = true;
};

struct DialogRecord {
  std::string templateName;
  int templateNumber = 0;
  std::string caption;
  ColorRef background;
  int depth = 0;        // 0 at top level, 1 inside another dialog's run, ...
  bool modal = true;
  bool ended = false;   // a modal run that has returned
  int result = 0;       // what the modal run returned
  bool scriptRanOut = false;  // ended with IDCANCEL because its script ended
  int stepsLeft = 0;    // steps not carried out because the dialog had closed
  int answersLeft = 0;  // scripts for nested dialogs that were never opened
  int focusAtEnd = 0;
  std::vector<ControlRecord> controls;  // in template order
  std::vector<std::string> messageBoxes;
  std::vector<std::string> scriptErrors;
  std::vector<Invalidation> invalidations;
  int paintCount = 0;
  std::vector<std::string> lastPaint;  // recording-DC lines of the last paint
  bool busyCursor = false;  // the busy cursor was on at the end
  int timerEvents = 0;      // timer events delivered

  // The first control with the id, or null.
  const ControlRecord* Control(int id) const;
  std::string Text(int id) const;
  bool Visible(int id) const;
  bool Enabled(int id) const;
  int Check(int id) const;
  // The copy of spreadsheet (preview) control `id`, or null.
  const Spreadsheet* Sheet(int id) const;
  const SpreadsheetPreview* Preview(int id) const;
};

class HeadlessDialogBackend;

// Installs the headless backend for its lifetime (restoring the previous
// factory afterwards) and records what the dialogs showed.
class HeadlessSession : public BackendFactory {
 public:
  HeadlessSession();
  ~HeadlessSession() override;
  HeadlessSession(const HeadlessSession&) = delete;
  HeadlessSession& operator=(const HeadlessSession&) = delete;

  // The script of the next modal run started at top level (outside any run).
  void Queue(Script script);
  // Carries out a script on a modeless dialog that has a headless window.
  // Returns false when the dialog has no headless window.
  bool Drive(Dialog& dialog, const Script& script);

  const std::vector<DialogRecord>& Records() const { return records_; }
  // The n-th record (0-based) of a template name, or null.
  const DialogRecord* Find(std::string_view templateName, int occurrence = 0) const;
  // Every message box text, in order.
  const std::vector<std::string>& MessageBoxes() const { return messageBoxes_; }

  // Called by FakeMessageBox for every message box it shows.
  static void NoteMessageBox(const std::string& text);
  // The session alive now, or null.
  static HeadlessSession* Current();

  std::unique_ptr<DialogBackend> CreateDialogBackend() override;

 private:
  friend class HeadlessDialogBackend;

  BackendFactory* previousFactory_ = nullptr;
  HeadlessSession* previousSession_ = nullptr;
  std::deque<Script> queued_;
  std::vector<DialogRecord> records_;
  std::vector<std::string> messageBoxes_;
  std::vector<HeadlessDialogBackend*> live_;
  std::vector<HeadlessDialogBackend*> running_;  // innermost last
};

// A factory of headless windows outside any session: no records, and every
// modal run ends at once with IDCANCEL. The tests' main installs one for the
// whole run.
class HeadlessFactory : public BackendFactory {
 public:
  std::unique_ptr<DialogBackend> CreateDialogBackend() override;
};

}  // namespace tervane::fw
