#include "framework/Commands.h"

namespace tervane::fw {

bool CommandTarget::ExecuteCommand(int id) {
  const auto it = commands_.find(id);
  if (it == commands_.end()) return false;
  const std::function<void()> handler = it->second;  // the handler may change the map
  handler();
  return true;
}

bool CommandTarget::UpdateCommand(CmdUI& ui) {
  const auto it = updates_.find(ui.Id());
  if (it == updates_.end()) return false;
  const std::function<void(CmdUI&)> handler = it->second;
  handler(ui);
  return true;
}

CommandState QueryCommandState(std::span<CommandTarget* const> route, int id) {
  CmdUI ui(id);
  for (CommandTarget* target : route) {
    if (target == nullptr) continue;
    // An update handler that leaves the enabled state alone passes the
    // decision on, as if it were not there.
    if (target->UpdateCommand(ui) && ui.EnableChanged()) break;
  }
  CommandState state;
  if (ui.EnableChanged()) {
    state.enabled = ui.Enabled();
  } else {
    for (CommandTarget* target : route)
      if (target != nullptr && target->HandlesCommand(id)) state.enabled = true;
  }
  state.checked = ui.Checked();
  state.expansion = ui.Expansion();
  return state;
}

bool RouteCommand(std::span<CommandTarget* const> route, int id) {
  for (CommandTarget* target : route)
    if (target != nullptr && target->ExecuteCommand(id)) return true;
  return false;
}

namespace {
void CollectIds(const std::vector<MenuItem>& items, std::vector<int>& ids) {
  for (const MenuItem& item : items) {
    if (item.id != 0) ids.push_back(item.id);
    CollectIds(item.items, ids);
  }
}
}  // namespace

std::vector<int> MenuCommandIds(const std::vector<MenuItem>& items) {
  std::vector<int> ids;
  CollectIds(items, ids);
  return ids;
}

}  // namespace tervane::fw
