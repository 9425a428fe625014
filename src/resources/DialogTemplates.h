#pragma once
// The program's dialog templates, found by resource name or number. Each
// template file registers its templates at start-up with a
// DialogTemplateRegistration object at namespace scope:
//
//   namespace {
//   std::vector<tervane::fw::DialogTemplate> MakeTemplates() { ... }
//   const tervane::DialogTemplateRegistration registration(&MakeTemplates);
//   }
//
// The resource library is linked whole into every program, so no registration
// is dropped by the linker.

#include <string_view>
#include <vector>

#include "framework/DialogTemplate.h"

namespace tervane {

// The template of that name or number, or null when there is none.
const fw::DialogTemplate* FindDialogTemplate(std::string_view name);
const fw::DialogTemplate* FindDialogTemplateByNumber(int number);
// The template of that name; a missing one gives an empty template that
// carries the name (a programming error, shown as an empty window rather than
// a crash).
const fw::DialogTemplate& DialogTemplateNamed(std::string_view name);
// Every registered template, in registration order.
std::vector<const fw::DialogTemplate*> AllDialogTemplates();

class DialogTemplateRegistration {
 public:
  using Maker = std::vector<fw::DialogTemplate> (*)();
  explicit DialogTemplateRegistration(Maker maker);
};

}  // namespace tervane
