#include "framework/testing/HeadlessBackend.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <thread>
#include <utility>

#include "framework/Dialog.h"
#include "framework/HostedControl.h"
#include "framework/testing/RecordingDC.h"
#include "framework/Spreadsheet.h"
#include "framework/SpreadsheetPreview.h"
#include "framework/Text.h"

namespace tervane::fw {

// ---- Script ------------------------------------------------------------------

namespace {
Script::Step MakeStep(Script::Action action, int id = 0, std::string text = {}, int index = -1) {
  Script::Step s;
  s.action = action;
  s.id = id;
  s.text = std::move(text);
  s.index = index;
  return s;
}
}  // namespace

Script& Script::Type(int id, std::string text) {
  steps_.push_back(MakeStep(Action::Type, id, std::move(text)));
  return *this;
}
Script& Script::Focus(int id) {
  steps_.push_back(MakeStep(Action::Focus, id));
  return *this;
}
Script& Script::Click(int id) {
  steps_.push_back(MakeStep(Action::Click, id));
  return *this;
}
Script& Script::SelectItem(int id, int index) {
  steps_.push_back(MakeStep(Action::SelectItem, id, {}, index));
  return *this;
}
Script& Script::Enter() {
  steps_.push_back(MakeStep(Action::Enter));
  return *this;
}
Script& Script::Escape() {
  steps_.push_back(MakeStep(Action::Escape));
  return *this;
}
Script& Script::Close() {
  steps_.push_back(MakeStep(Action::Close));
  return *this;
}
Script& Script::Help() {
  steps_.push_back(MakeStep(Action::Help));
  return *this;
}
Script& Script::Paint() {
  steps_.push_back(MakeStep(Action::Paint));
  return *this;
}
Script& Script::Inspect(std::function<void()> fn) {
  Step s = MakeStep(Action::Inspect);
  s.inspect = std::move(fn);
  steps_.push_back(std::move(s));
  return *this;
}
Script& Script::RunTimers(int milliseconds) {
  Step s = MakeStep(Action::RunTimers);
  s.milliseconds = milliseconds;
  steps_.push_back(std::move(s));
  return *this;
}
Script& Script::Answer(Script nested) {
  answers_.push_back(std::move(nested));
  return *this;
}

namespace {
Script::Step CellStep(Script::Action action, int id, int col, int row, std::string text = {}) {
  Script::Step s = MakeStep(action, id, std::move(text));
  s.col = col;
  s.row = row;
  return s;
}
}  // namespace

Script& Script::TypeCell(int id, int col, int row, std::string text) {
  steps_.push_back(CellStep(Action::TypeCell, id, col, row, std::move(text)));
  return *this;
}
Script& Script::EditCell(int id, int col, int row, std::string text) {
  steps_.push_back(CellStep(Action::EditCell, id, col, row, std::move(text)));
  return *this;
}
Script& Script::ClickCell(int id, int col, int row) {
  steps_.push_back(CellStep(Action::ClickCell, id, col, row));
  return *this;
}

// ---- DialogRecord ----------------------------------------------------------------

const ControlRecord* DialogRecord::Control(int id) const {
  for (const ControlRecord& c : controls)
    if (c.id == id) return &c;
  return nullptr;
}
std::string DialogRecord::Text(int id) const {
  const ControlRecord* c = Control(id);
  return c != nullptr ? c->text : std::string();
}
bool DialogRecord::Visible(int id) const {
  const ControlRecord* c = Control(id);
  return c != nullptr && c->visible;
}
bool DialogRecord::Enabled(int id) const {
  const ControlRecord* c = Control(id);
  return c != nullptr && c->enabled;
}
int DialogRecord::Check(int id) const {
  const ControlRecord* c = Control(id);
  return c != nullptr ? c->check : 0;
}
const Spreadsheet* DialogRecord::Sheet(int id) const {
  const ControlRecord* c = Control(id);
  return c != nullptr ? dynamic_cast<const Spreadsheet*>(c->hosted.get()) : nullptr;
}
const SpreadsheetPreview* DialogRecord::Preview(int id) const {
  const ControlRecord* c = Control(id);
  return c != nullptr ? dynamic_cast<const SpreadsheetPreview*>(c->hosted.get()) : nullptr;
}

// ---- the window ----------------------------------------------------------------

class HeadlessDialogBackend : public DialogBackend {
 public:
  explicit HeadlessDialogBackend(HeadlessSession* session) : session_(session) {
    if (session_ != nullptr) session_->live_.push_back(this);
  }
  ~HeadlessDialogBackend() override {
    Destroy();
    Detach();
  }

  // The session is going away before this window.
  void Detach() {
    if (session_ == nullptr) return;
    auto& live = session_->live_;
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    auto& running = session_->running_;
    running.erase(std::remove(running.begin(), running.end(), this), running.end());
    session_ = nullptr;
  }
  void SessionEnded() { session_ = nullptr; }

  // This window's record in the session, or null.
  DialogRecord* Record() {
    if (session_ == nullptr || recordIndex_ < 0) return nullptr;
    return &session_->records_[static_cast<std::size_t>(recordIndex_)];
  }

  bool Create(const DialogTemplate& tmpl, DialogEvents& events, DialogBackend*) override {
    if (created_) return false;
    tmpl_ = tmpl;
    events_ = &events;
    caption_ = tmpl.caption;
    visible_ = false;
    controls_.clear();
    for (const ControlTemplate& c : tmpl.controls) {
      State s;
      s.id = c.id;
      s.kind = c.kind;
      s.text = c.text;
      s.visible = (c.flags & kHidden) == 0;
      s.enabled = (c.flags & kDisabled) == 0;
      s.limit = c.maxTextLength;
      s.flags = c.flags;
      s.hosted = MakeHostedControl(c);
      if (s.hosted) {
        s.hosted->SetEventSink([this, id = c.id](int dispid, std::vector<Variant>& args) {
          if (created_ && events_ != nullptr) events_->BackendControlEvent(id, dispid, args);
        });
      }
      controls_.push_back(std::move(s));
    }
    created_ = true;
    if (session_ != nullptr) {
      recordIndex_ = static_cast<int>(session_->records_.size());
      DialogRecord r;
      r.templateName = tmpl.name;
      r.templateNumber = tmpl.number;
      r.depth = static_cast<int>(session_->running_.size());
      session_->records_.push_back(std::move(r));
    }
    return true;
  }

  int RunModal() override {
    if (!created_) return -1;
    modal_ = true;
    ending_ = false;
    result_ = IDCANCEL;
    Script script;
    if (session_ != nullptr) {
      if (!session_->running_.empty()) {
        HeadlessDialogBackend* parent = session_->running_.back();
        if (parent->nextAnswer_ < parent->script_.Answers().size())
          script = parent->script_.Answers()[parent->nextAnswer_++];
      } else if (!session_->queued_.empty()) {
        script = std::move(session_->queued_.front());
        session_->queued_.pop_front();
      }
      session_->running_.push_back(this);
    }
    script_ = std::move(script);
    nextAnswer_ = 0;
    visible_ = true;
    events_->BackendInit();
    std::size_t next = 0;
    const auto& steps = script_.Steps();
    while (!ending_ && created_ && next < steps.size()) Carry(steps[next++]);
    bool ranOut = false;
    if (!ending_) {
      ranOut = true;
      result_ = IDCANCEL;
    }
    if (DialogRecord* r = Record()) {
      r->modal = true;
      r->ended = true;
      r->result = result_;
      r->scriptRanOut = ranOut;
      r->stepsLeft = static_cast<int>(steps.size() - next);
      r->answersLeft = static_cast<int>(script_.Answers().size() - nextAnswer_);
      Snapshot(*r);
    }
    if (session_ != nullptr) {
      auto& running = session_->running_;
      running.erase(std::remove(running.begin(), running.end(), this), running.end());
    }
    visible_ = false;
    return result_;
  }

  bool ShowModeless() override {
    if (!created_) return false;
    modal_ = false;
    if (DialogRecord* r = Record()) r->modal = false;
    events_->BackendInit();
    if (created_) visible_ = true;
    if (DialogRecord* r = Record()) Snapshot(*r);
    return created_;
  }

  // Carries out a script on a modeless window (HeadlessSession::Drive).
  void Drive(const Script& script) {
    const bool outer = session_ != nullptr;
    if (outer) session_->running_.push_back(this);
    Script saved = std::move(script_);
    const std::size_t savedAnswer = nextAnswer_;
    script_ = script;
    nextAnswer_ = 0;
    for (const Script::Step& step : script_.Steps()) {
      if (!created_) break;
      Carry(step);
    }
    if (DialogRecord* r = Record()) Snapshot(*r);
    script_ = std::move(saved);
    nextAnswer_ = savedAnswer;
    if (outer && session_ != nullptr) {
      auto& running = session_->running_;
      running.erase(std::remove(running.begin(), running.end(), this), running.end());
    }
  }

  void EndModal(int result) override {
    if (!created_) return;
    result_ = result;
    ending_ = true;
  }

  void Destroy() override {
    if (!created_) return;
    if (!modal_) {
      if (DialogRecord* r = Record()) Snapshot(*r);
    }
    created_ = false;
    visible_ = false;
    focus_ = 0;
    timers_.clear();
    edit_.open = false;
    if (events_ != nullptr) events_->BackendDestroyed();
  }

  bool IsCreated() const override { return created_; }

  void SetCaption(const std::string& caption) override { caption_ = caption; }
  std::string Caption() const override { return caption_; }
  void ShowWindow(bool visible) override { visible_ = visible; }
  bool IsWindowVisible() const override { return visible_; }
  Size ClientSize() const override { return DialogClientSize(tmpl_, ScaleFactor()); }
  double ScaleFactor() const override { return 1.0; }

  void InvalidateRect(const Rect& rect, bool erase) override {
    if (DialogRecord* r = Record()) r->invalidations.push_back(Invalidation{rect, erase});
  }
  void Invalidate(bool erase) override {
    const Size s = ClientSize();
    InvalidateRect(Rect{0, 0, s.cx, s.cy}, erase);
  }

  // A headless window shows no pixels: its client area is its background.
  Image GrabClient(const Rect& rect) const override {
    if (!created_) return Image();
    const Size s = ClientSize();
    const int left = std::max(0, std::min(rect.left, rect.right));
    const int top = std::max(0, std::min(rect.top, rect.bottom));
    const int right = std::min(s.cx, std::max(rect.left, rect.right));
    const int bottom = std::min(s.cy, std::max(rect.top, rect.bottom));
    if (right <= left || bottom <= top) return Image();
    return Image(right - left, bottom - top, events_ != nullptr ? events_->BackgroundColor() : kDefaultDialogColor);
  }

  std::string ControlText(int id) const override {
    const State* s = Find(id);
    if (s == nullptr) return {};
    if (s->kind == ControlKind::ComboBox && (s->flags & kComboEditable) == 0)
      return s->selection >= 0 ? s->items[static_cast<std::size_t>(s->selection)] : std::string();
    return s->text;
  }
  void SetControlText(int id, const std::string& text) override {
    State* s = Find(id);
    if (s == nullptr) return;
    if (s->kind == ControlKind::ComboBox) {
      if ((s->flags & kComboEditable) == 0) return;  // a drop-down list has no edit part
      s->selection = -1;
    }
    s->text = text;
  }
  int CheckState(int id) const override {
    const State* s = Find(id);
    return s != nullptr ? s->check : 0;
  }
  void SetCheckState(int id, int state) override {
    if (State* s = Find(id)) s->check = state;
  }
  void SetTextLimit(int id, int maxCharacters) override {
    if (State* s = Find(id)) s->limit = std::max(0, maxCharacters);
  }

  void ComboClear(int id) override {
    if (State* s = Find(id)) {
      s->items.clear();
      s->selection = -1;
    }
  }
  void ComboInsert(int id, int index, const std::string& text) override {
    State* s = Find(id);
    if (s == nullptr) return;
    const int n = static_cast<int>(s->items.size());
    const int at = (index < 0 || index > n) ? n : index;
    s->items.insert(s->items.begin() + at, text);
    if (s->selection >= at) ++s->selection;
  }
  std::vector<std::string> ComboItems(int id) const override {
    const State* s = Find(id);
    return s != nullptr ? s->items : std::vector<std::string>();
  }
  int ComboSelection(int id) const override {
    const State* s = Find(id);
    return s != nullptr ? s->selection : -1;
  }
  void SetComboSelection(int id, int index) override {
    State* s = Find(id);
    if (s == nullptr) return;
    if (index < 0 || index >= static_cast<int>(s->items.size())) {
      s->selection = -1;
      if ((s->flags & kComboEditable) != 0) s->text.clear();
      return;
    }
    s->selection = index;
    s->text = s->items[static_cast<std::size_t>(index)];
  }

  void ShowControl(int id, bool visible) override {
    if (State* s = Find(id)) s->visible = visible;
  }
  bool IsControlVisible(int id) const override {
    const State* s = Find(id);
    return s != nullptr && s->visible;
  }
  void EnableControl(int id, bool enabled) override {
    if (State* s = Find(id)) s->enabled = enabled;
  }
  bool IsControlEnabled(int id) const override {
    const State* s = Find(id);
    return s != nullptr && s->enabled;
  }

  int FocusedControl() const override { return created_ ? focus_ : 0; }
  void SetFocus(int id) override {
    if (created_ && Find(id) != nullptr) MoveFocus(id);
  }

  bool SetTimer(int id, int milliseconds) override {
    if (!created_) return false;
    const auto interval = std::chrono::milliseconds(std::max(1, milliseconds));
    timers_[id] = Timer{interval, Clock::now() + interval};
    return true;
  }
  void KillTimer(int id) override { timers_.erase(id); }
  void SetBusyCursor(bool busy) override { busy_ = busy; }

  HostedControl* HostedControlAt(int id) const override {
    const State* s = created_ ? Find(id) : nullptr;
    return s != nullptr ? s->hosted.get() : nullptr;
  }

 private:
  struct State {
    int id = kStaticId;
    ControlKind kind = ControlKind::StaticLeft;
    std::string text;
    bool visible = true;
    bool enabled = true;
    int check = 0;
    int limit = 0;
    unsigned flags = 0;
    std::vector<std::string> items;
    int selection = -1;
    std::unique_ptr<HostedControl> hosted;
  };

  // An edit of a spreadsheet cell that is still open (Script::EditCell).
  struct OpenEdit {
    bool open = false;
    int id = 0;
    int col = 0;
    int row = 0;
    std::string text;
  };

  using Clock = std::chrono::steady_clock;
  struct Timer {
    std::chrono::milliseconds interval{1};
    Clock::time_point due;
  };

  // Delivers timer events as they fall due until the window ends or has no
  // timer, or until the time is up.
  void RunTimersFor(int milliseconds) {
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(0, milliseconds));
    while (!ending_ && created_ && !timers_.empty()) {
      auto next = timers_.begin();
      for (auto it = timers_.begin(); it != timers_.end(); ++it)
        if (it->second.due < next->second.due) next = it;
      if (next->second.due > deadline) {
        std::this_thread::sleep_until(deadline);
        return;
      }
      std::this_thread::sleep_until(next->second.due);
      const int id = next->first;
      next->second.due = Clock::now() + next->second.interval;
      if (DialogRecord* r = Record()) ++r->timerEvents;
      events_->BackendTimer(id);  // may set or kill timers, or end the window
    }
  }

  State* Find(int id) {
    if (id == kStaticId) return nullptr;
    for (State& s : controls_)
      if (s.id == id) return &s;
    return nullptr;
  }
  const State* Find(int id) const { return const_cast<HeadlessDialogBackend*>(this)->Find(id); }

  void Error(std::string what) {
    if (DialogRecord* r = Record()) r->scriptErrors.push_back(std::move(what));
  }

  // A control the user can reach with the mouse or keyboard, or null (and an error).
  State* Usable(int id, const char* step) {
    State* s = Find(id);
    if (s == nullptr) {
      Error(Format("%s: no control %d", step, id));
      return nullptr;
    }
    if (!s->visible || !s->enabled) {
      Error(Format("%s: control %d is %s", step, id, !s->visible ? "hidden" : "disabled"));
      return nullptr;
    }
    return s;
  }

  static bool Clickable(ControlKind k) {
    return IsPushButton(k) || IsRadio(k) || IsCheckBox(k);
  }

  static std::string LimitText(const std::string& text, int limit) {
    if (limit <= 0 || Utf8Length(text) <= static_cast<std::size_t>(limit)) return text;
    // Keep the first `limit` code points.
    std::size_t i = 0;
    int kept = 0;
    while (i < text.size() && kept < limit) {
      ++i;
      while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
      ++kept;
    }
    return text.substr(0, i);
  }

  // Gives control `id` the focus; a spreadsheet that loses it reports the
  // changes of the row its cursor was on (Spreadsheet::UserLeave).
  void MoveFocus(int id) {
    const int before = focus_;
    focus_ = id;
    if (before == id) return;
    State* s = Find(before);
    if (auto* sheet = s != nullptr ? dynamic_cast<Spreadsheet*>(s->hosted.get()) : nullptr) sheet->UserLeave();
  }

  // The spreadsheet that a cell step addresses, or null (and an error).
  Spreadsheet* SheetFor(const Script::Step& step, const char* name) {
    State* s = Usable(step.id, name);
    if (s == nullptr) return nullptr;
    auto* sheet = dynamic_cast<Spreadsheet*>(s->hosted.get());
    if (sheet == nullptr) Error(Format("%s: control %d is no spreadsheet", name, step.id));
    return sheet;
  }

  // The text the user ends up typing: KeyPress for every character.
  static std::string TypedText(Spreadsheet& sheet, const std::string& text) {
    std::string typed;
    for (char ch : text) {
      const int key = sheet.UserKeyPress(static_cast<unsigned char>(ch));
      if (key > 0 && key < 256) typed += static_cast<char>(key);
    }
    return typed;
  }

  // Ends an open cell edit by storing its text.
  void CommitEdit() {
    if (!edit_.open) return;
    edit_.open = false;
    State* s = Find(edit_.id);
    auto* sheet = s != nullptr ? dynamic_cast<Spreadsheet*>(s->hosted.get()) : nullptr;
    if (sheet != nullptr && !sheet->UserEdit(edit_.col, edit_.row, edit_.text))
      Error(Format("EditCell: cell %d,%d of control %d refuses \"%s\"", edit_.col, edit_.row, edit_.id,
                   edit_.text.c_str()));
  }

  // Cell steps; false when the step is not one of them.
  bool CarryCellStep(const Script::Step& step) {
    switch (step.action) {
      case Script::Action::TypeCell:
      case Script::Action::EditCell: {
        const char* name = step.action == Script::Action::TypeCell ? "TypeCell" : "EditCell";
        CommitEdit();
        Spreadsheet* sheet = SheetFor(step, name);
        if (sheet == nullptr) return true;
        if (!sheet->CanUserEdit(step.col, step.row)) {
          Error(Format("%s: cell %d,%d of control %d cannot be edited", name, step.col, step.row, step.id));
          return true;
        }
        MoveFocus(step.id);
        const std::string typed = TypedText(*sheet, step.text);
        if (!created_) return true;
        if (step.action == Script::Action::EditCell) {
          edit_ = OpenEdit{true, step.id, step.col, step.row, typed};
        } else if (!sheet->UserEdit(step.col, step.row, typed)) {
          Error(Format("TypeCell: cell %d,%d of control %d refuses \"%s\"", step.col, step.row, step.id,
                       typed.c_str()));
        }
        return true;
      }
      case Script::Action::ClickCell: {
        CommitEdit();
        Spreadsheet* sheet = SheetFor(step, "ClickCell");
        if (sheet == nullptr) return true;
        MoveFocus(step.id);
        sheet->UserClick(step.col, step.row);
        return true;
      }
      default:
        return false;
    }
  }

  void Carry(const Script::Step& step) {
    if (CarryCellStep(step)) return;
    if (edit_.open) {
      switch (step.action) {
        case Script::Action::Enter:
          CommitEdit();  // Enter ends the edit and goes no further
          return;
        case Script::Action::Escape:
          edit_.open = false;  // Esc abandons the edit
          return;
        case Script::Action::Close:
          edit_.open = false;
          break;
        case Script::Action::Focus:
          if (step.id != edit_.id) CommitEdit();
          break;
        case Script::Action::Type:
        case Script::Action::Click:
        case Script::Action::SelectItem:
          CommitEdit();
          break;
        default:
          break;
      }
    }
    switch (step.action) {
      case Script::Action::Type: {
        State* s = Usable(step.id, "Type");
        if (s == nullptr) return;
        const bool editable = s->kind == ControlKind::Edit || s->kind == ControlKind::MultiLineEdit ||
                              (s->kind == ControlKind::ComboBox && (s->flags & kComboEditable) != 0);
        if (!editable || (s->flags & kReadOnly) != 0) {
          Error(Format("Type: control %d takes no typing", step.id));
          return;
        }
        MoveFocus(step.id);
        s->text = LimitText(step.text, s->limit);
        if (s->kind == ControlKind::ComboBox) s->selection = -1;
        events_->BackendEditChange(step.id);
        return;
      }
      case Script::Action::Focus: {
        if (Usable(step.id, "Focus") != nullptr) MoveFocus(step.id);
        return;
      }
      case Script::Action::Click: {
        State* s = Usable(step.id, "Click");
        if (s == nullptr) return;
        if (!Clickable(s->kind)) {
          Error(Format("Click: control %d is no button", step.id));
          return;
        }
        MoveFocus(step.id);
        if (IsCheckBox(s->kind)) {
          s->check = s->check == 1 ? 0 : 1;
        } else if (IsRadio(s->kind)) {
          for (int other : RadioGroupOf(tmpl_, step.id))
            if (State* o = Find(other)) o->check = other == step.id ? 1 : 0;
        }
        events_->BackendClick(step.id);
        return;
      }
      case Script::Action::SelectItem: {
        State* s = Usable(step.id, "SelectItem");
        if (s == nullptr) return;
        if (s->kind != ControlKind::ComboBox || step.index < 0 ||
            step.index >= static_cast<int>(s->items.size())) {
          Error(Format("SelectItem: control %d has no item %d", step.id, step.index));
          return;
        }
        MoveFocus(step.id);
        SetComboSelection(step.id, step.index);
        return;
      }
      case Script::Action::Enter: events_->BackendEnter(); return;
      case Script::Action::Escape:
      case Script::Action::Close: events_->BackendCancel(); return;
      case Script::Action::Help: events_->BackendHelp(); return;
      case Script::Action::Paint: PaintNow(); return;
      case Script::Action::Inspect:
        if (step.inspect) step.inspect();
        return;
      case Script::Action::RunTimers: RunTimersFor(step.milliseconds); return;
      default:
        return;
    }
  }

  void PaintNow() {
    RecordingDC::Options options;
    options.deviceSize = ClientSize();
    // The erase with the background colour is the window's own and is not
    // logged: the log holds what the dialog drew.
    RecordingDC dc(options);
    events_->BackendPaint(dc);
    if (DialogRecord* r = Record()) {
      ++r->paintCount;
      r->lastPaint = dc.Lines();
    }
  }

  void Snapshot(DialogRecord& r) const {
    r.caption = caption_;
    r.background = events_ != nullptr ? events_->BackgroundColor() : ColorRef{};
    r.focusAtEnd = focus_;
    r.busyCursor = busy_;
    r.controls.clear();
    for (const State& s : controls_) {
      ControlRecord c;
      c.id = s.id;
      c.kind = s.kind;
      c.text = s.text;
      if (s.kind == ControlKind::ComboBox && (s.flags & kComboEditable) == 0)
        c.text = s.selection >= 0 ? s.items[static_cast<std::size_t>(s.selection)] : std::string();
      c.visible = s.visible;
      c.enabled = s.enabled;
      c.check = s.check;
      c.items = s.items;
      c.selection = s.selection;
      if (s.hosted) c.hosted = std::shared_ptr<const HostedControl>(s.hosted->Snapshot());
      r.controls.push_back(std::move(c));
    }
  }

  HeadlessSession* session_ = nullptr;
  int recordIndex_ = -1;
  DialogTemplate tmpl_;
  DialogEvents* events_ = nullptr;
  std::string caption_;
  std::vector<State> controls_;
  bool created_ = false;
  bool visible_ = false;
  bool modal_ = false;
  bool ending_ = false;
  int result_ = IDCANCEL;
  int focus_ = 0;
  Script script_;
  std::size_t nextAnswer_ = 0;
  std::map<int, Timer> timers_;
  bool busy_ = false;
  OpenEdit edit_;
};

// ---- sessions ----------------------------------------------------------------

namespace {
HeadlessSession*& CurrentSessionSlot() {
  static HeadlessSession* session = nullptr;
  return session;
}
}  // namespace

HeadlessSession::HeadlessSession() {
  previousFactory_ = InstallBackendFactory(this);
  previousSession_ = CurrentSessionSlot();
  CurrentSessionSlot() = this;
}

HeadlessSession::~HeadlessSession() {
  for (HeadlessDialogBackend* b : live_) b->SessionEnded();
  live_.clear();
  running_.clear();
  InstallBackendFactory(previousFactory_);
  CurrentSessionSlot() = previousSession_;
}

HeadlessSession* HeadlessSession::Current() { return CurrentSessionSlot(); }

void HeadlessSession::Queue(Script script) { queued_.push_back(std::move(script)); }

bool HeadlessSession::Drive(Dialog& dialog, const Script& script) {
  auto* backend = dynamic_cast<HeadlessDialogBackend*>(dialog.Backend());
  if (backend == nullptr || !backend->IsCreated()) return false;
  backend->Drive(script);
  return true;
}

const DialogRecord* HeadlessSession::Find(std::string_view templateName, int occurrence) const {
  for (const DialogRecord& r : records_) {
    if (r.templateName != templateName) continue;
    if (occurrence-- == 0) return &r;
  }
  return nullptr;
}

void HeadlessSession::NoteMessageBox(const std::string& text) {
  HeadlessSession* s = Current();
  if (s == nullptr) return;
  s->messageBoxes_.push_back(text);
  if (!s->running_.empty()) {
    HeadlessDialogBackend* inner = s->running_.back();
    if (DialogRecord* r = inner->Record()) r->messageBoxes.push_back(text);
  }
}

std::unique_ptr<DialogBackend> HeadlessSession::CreateDialogBackend() {
  return std::make_unique<HeadlessDialogBackend>(this);
}

std::unique_ptr<DialogBackend> HeadlessFactory::CreateDialogBackend() {
  return std::make_unique<HeadlessDialogBackend>(nullptr);
}

}  // namespace tervane::fw
