#include "resources/DialogTemplates.h"

#include <deque>
#include <string>
#include <vector>

namespace tervane {

namespace {

// Stable addresses: templates are never removed.
std::deque<fw::DialogTemplate>& Registry() {
  static std::deque<fw::DialogTemplate> templates;
  return templates;
}

}  // namespace

static std::vector<std::string>& RefusedTemplates() {
  static std::vector<std::string> refused;
  return refused;
}

DialogTemplateRegistration::DialogTemplateRegistration(Maker maker) {
  if (maker == nullptr) return;
  for (fw::DialogTemplate& t : maker()) {
    // A name or number that is already taken keeps its first template.
    if (FindDialogTemplate(t.name) != nullptr ||
        (t.number != 0 && FindDialogTemplateByNumber(t.number) != nullptr)) {
      RefusedTemplates().push_back(t.name);
      continue;
    }
    Registry().push_back(std::move(t));
  }
}

const fw::DialogTemplate* FindDialogTemplate(std::string_view name) {
  for (const fw::DialogTemplate& t : Registry())
    if (t.name == name) return &t;
  return nullptr;
}

const fw::DialogTemplate* FindDialogTemplateByNumber(int number) {
  for (const fw::DialogTemplate& t : Registry())
    if (t.number == number) return &t;
  return nullptr;
}

const fw::DialogTemplate& DialogTemplateNamed(std::string_view name) {
  if (const fw::DialogTemplate* t = FindDialogTemplate(name)) return *t;
  // A missing template is a programming error; the dialog comes up empty
  // rather than bringing the program down.
  static std::deque<fw::DialogTemplate> missing;
  for (const fw::DialogTemplate& t : missing)
    if (t.name == name) return t;
  fw::DialogTemplate& t = missing.emplace_back();
  t.name = std::string(name);
  t.caption = std::string(name);
  t.width = 100;
  t.height = 50;
  return t;
}

const std::vector<std::string>& RefusedDialogTemplates() { return RefusedTemplates(); }

std::vector<const fw::DialogTemplate*> AllDialogTemplates() {
  std::vector<const fw::DialogTemplate*> all;
  for (const fw::DialogTemplate& t : Registry()) all.push_back(&t);
  return all;
}

}  // namespace tervane
