#pragma once
// Commands: the numbers of the framework's standard commands, the menus,
// toolbars and accelerator tables that send them, and their routing.
//
// A command goes along a route of command targets (the active view, the
// active document, the main frame, the application); the first target with a
// handler for it handles it. Its state (enabled, checked) comes from the first
// target with an update handler that sets it; when no update handler sets the
// enabled state, the command is enabled exactly when some target of the route
// handles it.

#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tervane::fw {

// ---- command numbers ---------------------------------------------------------

inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_CLOSE = 57602;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_FILE_PRINT_SETUP = 57606;
inline constexpr int ID_FILE_PRINT = 57607;
inline constexpr int ID_FILE_PRINT_DIRECT = 57608;
inline constexpr int ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr int ID_FILE_MRU_FILE1 = 57616;  // the recent files are 57616 ... 57631
inline constexpr int kMaxRecentFileCommands = 16;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_HELP_FINDER = 57667;
inline constexpr int ID_CONTEXT_HELP = 57669;
inline constexpr int ID_HELP = 57670;
inline constexpr int ID_DEFAULT_HELP = 57671;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;
inline constexpr int ID_VIEW_TOOLBAR = 59392;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;
// Status-bar panes: the message pane and the three lock-key indicators.
inline constexpr int ID_SEPARATOR = 0;
inline constexpr int ID_INDICATOR_CAPS = 59137;
inline constexpr int ID_INDICATOR_NUM = 59138;
inline constexpr int ID_INDICATOR_SCRL = 59139;

// ---- menus, toolbars, accelerators --------------------------------------------

// One entry of a menu: a command (id and text, "&Open...\tCtrl+O"), a pop-up
// (text and items) or a separator (no id, no text, no items).
struct MenuItem {
  int id = 0;
  std::string text;
  std::vector<MenuItem> items;
  bool enabled = true;  // as shown; the frame sets it from the command state
  bool checked = false;

  bool IsSeparator() const { return id == 0 && text.empty() && items.empty(); }
  bool IsPopup() const { return id == 0 && !text.empty(); }
  friend bool operator==(const MenuItem&, const MenuItem&) = default;
};

inline MenuItem MenuCommand(int id, std::string text) { return MenuItem{id, std::move(text), {}, true, false}; }
inline MenuItem MenuSeparator() { return MenuItem{}; }
inline MenuItem MenuPopup(std::string text, std::vector<MenuItem> items) {
  return MenuItem{0, std::move(text), std::move(items), true, false};
}

struct MenuTemplate {
  int number = 0;
  std::vector<MenuItem> popups;
};

// Buttons of a toolbar; 0 is a separator. The faces are cut from one picture
// of the picture registry, `buttonWidth` pixels each, in button order.
struct ToolbarTemplate {
  int number = 0;
  int pictureId = 0;
  int buttonWidth = 16;
  int buttonHeight = 15;
  std::vector<int> buttons;
};

// Keys use the numbers of the Windows virtual keys: 'A' .. 'Z', and these.
inline constexpr int kKeyBack = 0x08;
inline constexpr int kKeyEscape = 0x1B;
inline constexpr int kKeyPageUp = 0x21;
inline constexpr int kKeyPageDown = 0x22;
inline constexpr int kKeyInsert = 0x2D;
inline constexpr int kKeyDelete = 0x2E;
inline constexpr int kKeyF1 = 0x70;
inline constexpr int kKeyF6 = 0x75;

enum KeyModifiers : unsigned { kCtrl = 1u << 0, kShift = 1u << 1, kAlt = 1u << 2 };

struct Accelerator {
  int key = 0;
  unsigned modifiers = 0;
  int command = 0;
  friend bool operator==(const Accelerator&, const Accelerator&) = default;
};

// ---- routing -----------------------------------------------------------------

// What an update handler says about a command.
class CmdUI {
 public:
  explicit CmdUI(int id) : id_(id) {}
  int Id() const { return id_; }
  void Enable(bool enabled = true) {
    enabled_ = enabled;
    enableChanged_ = true;
  }
  void SetCheck(bool checked = true) { checked_ = checked; }
  // A menu entry that stands for a list (the recent files): one entry per
  // text, with the ids Id(), Id() + 1, ...; none keeps the entry as it is.
  void ExpandTo(std::vector<std::string> texts) { expansion_ = std::move(texts); }

  bool EnableChanged() const { return enableChanged_; }
  bool Enabled() const { return enabled_; }
  bool Checked() const { return checked_; }
  const std::optional<std::vector<std::string>>& Expansion() const { return expansion_; }

 private:
  int id_;
  bool enableChanged_ = false;
  bool enabled_ = false;
  bool checked_ = false;
  std::optional<std::vector<std::string>> expansion_;
};

class CommandTarget {
 public:
  CommandTarget() = default;
  virtual ~CommandTarget() = default;
  CommandTarget(const CommandTarget&) = delete;
  CommandTarget& operator=(const CommandTarget&) = delete;

  bool HandlesCommand(int id) const { return commands_.count(id) != 0; }
  // Runs the handler; false when there is none.
  bool ExecuteCommand(int id);
  // Runs the update handler; false when there is none.
  bool UpdateCommand(CmdUI& ui);

 protected:
  void OnCommand(int id, std::function<void()> handler) { commands_[id] = std::move(handler); }
  void OnUpdateCommand(int id, std::function<void(CmdUI&)> handler) { updates_[id] = std::move(handler); }
  template <class Derived>
  void OnCommand(int id, void (Derived::*method)()) {
    OnCommand(id, [this, method] { (static_cast<Derived*>(this)->*method)(); });
  }
  template <class Derived>
  void OnUpdateCommand(int id, void (Derived::*method)(CmdUI&)) {
    OnUpdateCommand(id, [this, method](CmdUI& ui) { (static_cast<Derived*>(this)->*method)(ui); });
  }

 private:
  std::map<int, std::function<void()>> commands_;
  std::map<int, std::function<void(CmdUI&)>> updates_;
};

// The state of a command along a route.
struct CommandState {
  bool enabled = false;
  bool checked = false;
  std::optional<std::vector<std::string>> expansion;
};

CommandState QueryCommandState(std::span<CommandTarget* const> route, int id);
// Sends the command to the first target that handles it; false when none does.
bool RouteCommand(std::span<CommandTarget* const> route, int id);

// Every command id of a menu (pop-ups walked), in menu order.
std::vector<int> MenuCommandIds(const std::vector<MenuItem>& items);

}  // namespace tervane::fw
