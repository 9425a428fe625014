#include "framework/Dialog.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <utility>

#include "framework/DataExchange.h"
#include "framework/DeviceContext.h"
#include "framework/Frame.h"
#include "framework/Services.h"
#include "framework/Text.h"

namespace tervane::fw {

namespace {

// Serves while nobody installed a backend: it makes no window, so a modal run
// returns -1 and a modeless one is not created, and it says once on the error
// stream why nothing opens.
class NoBackendFactory : public BackendFactory {
 public:
  std::unique_ptr<DialogBackend> CreateDialogBackend() override {
    if (!told_) {
      told_ = true;
      std::fputs("tervane: no dialog backend is installed; dialogs cannot be shown\n", stderr);
    }
    return nullptr;
  }

 private:
  bool told_ = false;
};

NoBackendFactory& StandInFactory() {
  static NoBackendFactory factory;
  return factory;
}

BackendFactory*& InstalledFactory() {
  static BackendFactory* factory = nullptr;
  return factory;
}

// Case-insensitive (ASCII) ordering, as sorted combo boxes order their items.
bool LessIgnoringCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) {
                                        return static_cast<unsigned char>(AsciiLower(x)) <
                                               static_cast<unsigned char>(AsciiLower(y));
                                      });
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (AsciiLower(text[i]) != AsciiLower(prefix[i])) return false;
  return true;
}

}  // namespace

BackendFactory* InstallBackendFactory(BackendFactory* factory) {
  BackendFactory* previous = InstalledFactory();
  InstalledFactory() = factory;
  return previous;
}

BackendFactory& CurrentBackendFactory() {
  BackendFactory* f = InstalledFactory();
  return f != nullptr ? *f : StandInFactory();
}

class Dialog::WritingScope {
 public:
  explicit WritingScope(const Dialog& d) : d_(const_cast<Dialog&>(d)) { ++d_.writing_; }
  ~WritingScope() { --d_.writing_; }
  WritingScope(const WritingScope&) = delete;
  WritingScope& operator=(const WritingScope&) = delete;

 private:
  Dialog& d_;
};

Dialog::Dialog(DialogTemplate tmpl, Dialog* owner) : template_(std::move(tmpl)), owner_(owner) {}

Dialog::~Dialog() {
  if (backend_) {
    // Only the base part is left: the window goes without calling back into
    // the derived class.
    destroying_ = true;
    backend_->Destroy();
    backend_.reset();
  }
}

bool Dialog::MakeBackend() {
  backend_ = CurrentBackendFactory().CreateDialogBackend();
  DialogBackend* owner = owner_ != nullptr ? owner_->backend_.get() : nullptr;
  if (!backend_ || !backend_->Create(template_, *this, owner)) {
    backend_.reset();
    return false;
  }
  return true;
}

int Dialog::DoModal() {
  if (backend_) return -1;  // this dialog already has a window
  if (!MakeBackend()) return -1;
  modal_ = true;
  const int result = backend_->RunModal();
  backend_->Destroy();
  backend_.reset();
  modal_ = false;
  return result;
}

bool Dialog::CreateModeless() {
  if (backend_) return false;
  if (!MakeBackend()) return false;
  modal_ = false;
  if (!backend_->ShowModeless()) {
    backend_->Destroy();
    backend_.reset();
    return false;
  }
  return true;
}

bool Dialog::CreateModelessIn(FrameWindow& frame) {
  if (backend_) return false;
  backend_ = CurrentBackendFactory().CreateDialogBackend();
  if (!backend_ || !backend_->CreateInFrame(template_, *this, frame.Backend())) {
    backend_.reset();
    return false;
  }
  modal_ = false;
  if (!backend_->ShowModeless()) {
    backend_->Destroy();
    backend_.reset();
    return false;
  }
  return true;
}

void Dialog::DestroyWindow() {
  if (!backend_ || modal_) return;
  backend_->Destroy();
  backend_.reset();
}

bool Dialog::IsWindow() const { return backend_ != nullptr; }

void Dialog::EndDialog(int result) {
  if (!backend_) return;
  if (modal_)
    backend_->EndModal(result);
  else
    backend_->ShowWindow(false);
}

bool Dialog::UpdateData(bool saveAndValidate) {
  if (!backend_) return false;
  WritingScope writing(*this);
  DataExchange dx(*this, saveAndValidate);
  DoDataExchange(dx);
  return !dx.Failed();
}

// ---- window ----------------------------------------------------------------

void Dialog::SetCaption(const std::string& caption) {
  if (backend_) backend_->SetCaption(caption);
}
std::string Dialog::Caption() const { return backend_ ? backend_->Caption() : template_.caption; }
void Dialog::ShowWindow(bool visible) {
  if (backend_) backend_->ShowWindow(visible);
}
bool Dialog::IsWindowVisible() const { return backend_ && backend_->IsWindowVisible(); }
Size Dialog::ClientSize() const { return backend_ ? backend_->ClientSize() : Size{}; }
Point Dialog::FrameOffset() const { return backend_ ? backend_->FrameOffset() : Point{}; }
Image Dialog::GrabClient(const Rect& rect) const { return backend_ ? backend_->GrabClient(rect) : Image(); }
void Dialog::InvalidateRect(const Rect& rect, bool erase) {
  if (backend_) backend_->InvalidateRect(rect, erase);
}
void Dialog::Invalidate(bool erase) {
  if (backend_) backend_->Invalidate(erase);
}

// ---- controls --------------------------------------------------------------

std::string Dialog::GetText(int id) const { return backend_ ? backend_->ControlText(id) : std::string(); }

void Dialog::SetText(int id, std::string_view text) {
  if (!backend_) return;
  WritingScope writing(*this);
  backend_->SetControlText(id, std::string(text));
}

int Dialog::GetCheck(int id) const { return backend_ ? backend_->CheckState(id) : 0; }

void Dialog::SetCheck(int id, int state) {
  if (!backend_) return;
  WritingScope writing(*this);
  backend_->SetCheckState(id, state);
}

int Dialog::GetRadioIndex(int firstId) const {
  if (!backend_) return -1;
  const std::vector<int> group = RadioGroupOf(template_, firstId);
  for (std::size_t i = 0; i < group.size(); ++i)
    if (backend_->CheckState(group[i]) != 0) return static_cast<int>(i);
  return -1;
}

void Dialog::SetRadioIndex(int firstId, int index) {
  if (!backend_) return;
  WritingScope writing(*this);
  const std::vector<int> group = RadioGroupOf(template_, firstId);
  for (std::size_t i = 0; i < group.size(); ++i)
    backend_->SetCheckState(group[i], static_cast<int>(i) == index ? 1 : 0);
}

void Dialog::SetTextLimit(int id, int maxCharacters) {
  if (backend_) backend_->SetTextLimit(id, maxCharacters);
}

void Dialog::ComboClear(int id) {
  if (!backend_) return;
  WritingScope writing(*this);
  backend_->ComboClear(id);
}

int Dialog::ComboAdd(int id, std::string_view text) {
  if (!backend_) return -1;
  const ControlTemplate* c = template_.Find(id);
  if (c == nullptr || c->kind != ControlKind::ComboBox) return -1;
  WritingScope writing(*this);
  const std::vector<std::string> items = backend_->ComboItems(id);
  auto at = items.end();
  if ((c->flags & kComboSorted) != 0)
    at = std::upper_bound(items.begin(), items.end(), text,
                          [](std::string_view t, const std::string& item) { return LessIgnoringCase(t, item); });
  const int index = static_cast<int>(at - items.begin());
  backend_->ComboInsert(id, index, std::string(text));
  return index;
}

std::vector<std::string> Dialog::ComboItems(int id) const {
  return backend_ ? backend_->ComboItems(id) : std::vector<std::string>();
}

int Dialog::ComboSelection(int id) const { return backend_ ? backend_->ComboSelection(id) : -1; }

void Dialog::SetComboSelection(int id, int index) {
  if (!backend_) return;
  WritingScope writing(*this);
  backend_->SetComboSelection(id, index);
}

int Dialog::ComboSelectPrefix(int id, std::string_view prefix) {
  if (!backend_ || prefix.empty()) return -1;
  const std::vector<std::string> items = backend_->ComboItems(id);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (StartsWithIgnoringCase(items[i], prefix)) {
      SetComboSelection(id, static_cast<int>(i));
      return static_cast<int>(i);
    }
  }
  return -1;
}

void Dialog::ShowControl(int id, bool visible) {
  if (backend_) backend_->ShowControl(id, visible);
}
bool Dialog::IsControlVisible(int id) const { return backend_ && backend_->IsControlVisible(id); }
void Dialog::EnableControl(int id, bool enabled) {
  if (backend_) backend_->EnableControl(id, enabled);
}
bool Dialog::IsControlEnabled(int id) const { return backend_ && backend_->IsControlEnabled(id); }

void Dialog::SetControlFont(int id, const Font& font) {
  if (backend_) backend_->SetControlFont(id, font);
}

int Dialog::FocusedControl() const { return backend_ ? backend_->FocusedControl() : 0; }
void Dialog::SetFocus(int id) {
  if (backend_) backend_->SetFocus(id);
}

int Dialog::FirstTabStop() const {
  if (!backend_) return 0;
  for (const ControlTemplate& c : template_.controls) {
    if ((c.flags & kTabStop) == 0 || c.id == kStaticId) continue;
    if (backend_->IsControlVisible(c.id) && backend_->IsControlEnabled(c.id)) return c.id;
  }
  return 0;
}

// ---- handlers ----------------------------------------------------------------

bool Dialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void Dialog::OnOK() {
  if (!UpdateData(true)) return;
  EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnPaint(DeviceContext&) {}

bool Dialog::OnHelpInfo() {
  Help().ShowDefault();
  return true;
}

void Dialog::OnDestroy() {}

void Dialog::OnClicked(int id, std::function<void()> handler) { clickHandlers_[id] = std::move(handler); }

void Dialog::OnEditChange(int id, std::function<void()> handler) { changeHandlers_[id] = std::move(handler); }

// ---- events from the backend -------------------------------------------------

void Dialog::BackendInit() {
  if (OnInitDialog()) {
    const int first = FirstTabStop();
    if (first != 0) SetFocus(first);
  }
}

void Dialog::BackendClick(int id) {
  const auto it = clickHandlers_.find(id);
  if (it != clickHandlers_.end()) {
    const std::function<void()> handler = it->second;  // the handler may change the map
    handler();
    return;
  }
  if (id == IDOK)
    OnOK();
  else if (id == IDCANCEL)
    OnCancel();
}

void Dialog::BackendEditChange(int id) {
  if (writing_ > 0) return;
  const auto it = changeHandlers_.find(id);
  if (it == changeHandlers_.end()) return;
  const std::function<void()> handler = it->second;
  handler();
}

void Dialog::BackendEnter() {
  const int focus = FocusedControl();
  const ControlTemplate* focused = template_.Find(focus);
  if (focused != nullptr && IsPushButton(focused->kind)) {
    BackendClick(focus);
    return;
  }
  // The default button; when the template has it, it must be usable.
  const int defaultId = template_.DefaultButtonId();
  if (template_.Find(defaultId) != nullptr &&
      (!IsControlVisible(defaultId) || !IsControlEnabled(defaultId)))
    return;
  BackendClick(defaultId);
}

void Dialog::BackendCancel() { BackendClick(IDCANCEL); }

void Dialog::BackendHelp() { OnHelpInfo(); }

void Dialog::BackendPaint(DeviceContext& dc) { OnPaint(dc); }

void Dialog::BackendDestroyed() {
  if (!destroying_) OnDestroy();
}

// ---- timers and the busy cursor ----------------------------------------------

bool Dialog::SetTimer(int id, int milliseconds) { return backend_ && backend_->SetTimer(id, milliseconds); }

void Dialog::KillTimer(int id) {
  if (backend_) backend_->KillTimer(id);
}

void Dialog::SetBusyCursor(bool busy) {
  if (backend_) backend_->SetBusyCursor(busy);
}

void Dialog::PlaceFromOwner(int dx, int dy) {
  if (backend_) backend_->PlaceFromOwner(dx, dy);
}

void Dialog::OnTimer(int) {}

void Dialog::BackendTimer(int id) {
  if (!destroying_) OnTimer(id);
}

// ---- hosted controls ------------------------------------------------------------

HostedControl* Dialog::HostedControlOf(int id) const { return backend_ ? backend_->HostedControlAt(id) : nullptr; }

void Dialog::OnControlEvent(int id, int dispid, std::function<void(std::vector<Variant>&)> handler) {
  controlEventHandlers_[{id, dispid}] = std::move(handler);
}

void Dialog::BackendControlEvent(int id, int dispid, std::vector<Variant>& args) {
  const auto it = controlEventHandlers_.find({id, dispid});
  if (it == controlEventHandlers_.end()) return;
  const auto handler = it->second;  // the handler may change the map
  handler(args);
}

}  // namespace tervane::fw
