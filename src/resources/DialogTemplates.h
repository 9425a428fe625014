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

#include <string>
#include <string_view>
#include <vector>

#include "framework/DialogTemplate.h"

namespace tervane {

// The small label that shows a dialog's resource name; hidden at
// initialisation when the project's hideDialogIdLabels is 1.
inline constexpr int kDialogIdLabel = 1244;

// Controls of the message dialogs.
inline constexpr int kMessageTextId = 1490;
inline constexpr int kMessageText2Id = 1491;
inline constexpr int kErrorNumberTextId = 1757;
inline constexpr int kContinueButtonId = 1183;
// Picture of the interwedge-angle rule shown by IDD_POLICING2.
inline constexpr int kInterwedgeRulePicture = 233;

// The template of that name or number, or null when there is none.
const fw::DialogTemplate* FindDialogTemplate(std::string_view name);
const fw::DialogTemplate* FindDialogTemplateByNumber(int number);
// The template of that name; a missing one gives an empty template that
// carries the name (a programming error, shown as an empty window rather than
// a crash).
const fw::DialogTemplate& DialogTemplateNamed(std::string_view name);
// Every registered template, in registration order.
std::vector<const fw::DialogTemplate*> AllDialogTemplates();

// The names of templates whose registration was refused because their name or
// number was taken already: a programming error, kept empty by a test.
const std::vector<std::string>& RefusedDialogTemplates();

class DialogTemplateRegistration {
 public:
  using Maker = std::vector<fw::DialogTemplate> (*)();
  explicit DialogTemplateRegistration(Maker maker);
};

}  // namespace tervane
