#pragma once
// Dialog templates as data: what a dialog window holds, in dialog units, in the
// order of declaration. That order is also the tab order and the order of the
// radio buttons of a group.

#include <string>
#include <vector>

#include "framework/DeviceContext.h"  // Rect, Size

namespace tervane::fw {

// Dialog results and the ids of the two standard buttons.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Id of a control that is never addressed (labels, frames, pictures).
constexpr int kStaticId = -1;

enum class ControlKind {
  PushButton,
  DefaultPushButton,
  // A push button that shows pictures of the picture registry found by its
  // caption followed by "U" (up), "D" (down) and "F" (focused); it takes the
  // size of its up picture.
  BitmapPushButton,
  Edit,
  MultiLineEdit,
  StaticLeft,
  StaticCentered,
  StaticRight,
  GroupBox,
  Radio,
  PushLikeRadio,
  CheckBox,
  // Combo box; ComboEditable and ComboSorted in the flags choose the style.
  // Without ComboEditable it is a drop-down list.
  ComboBox,
  // Shows picture `pictureId` of the picture registry.
  Picture,
  FrameBlack,
  FrameSunken,
  FrameEtched,
  // The hosted spreadsheet control (framework/Spreadsheet.h); the text holds
  // its persisted settings ("columns=0;rows=100;...").
  Spreadsheet,
  // The spreadsheet's print preview (framework/SpreadsheetPreview.h).
  PrintPreview,
};

// Control flags.
enum ControlFlags : unsigned {
  kTabStop = 1u << 0,
  kGroup = 1u << 1,  // starts a group (radio groups, tab groups)
  kHidden = 1u << 2,
  kDisabled = 1u << 3,
  kComboEditable = 1u << 4,
  kComboSorted = 1u << 5,
  kReadOnly = 1u << 6,
  kVScroll = 1u << 7,
  // Check boxes: the text stands left of the box.
  kLeftText = 1u << 8,
  kTextRight = 1u << 9,  // edit fields: the text is right-aligned
};

struct ControlTemplate {
  int id = kStaticId;
  ControlKind kind = ControlKind::StaticLeft;
  std::string text;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  unsigned flags = 0;
  // Edit fields: the most characters the user can type; 0 for no limit.
  int maxTextLength = 0;
  // Picture controls: the number of the picture in the picture registry.
  int pictureId = 0;
};

struct DialogFont {
  std::string face = "MS Sans Serif";
  int pointSize = 8;
};

// Window styles of a dialog.
enum DialogStyles : unsigned {
  kSystemMenu = 1u << 0,    // system menu with the close box
  kModalFrame = 1u << 1,
  kContextHelp = 1u << 2,   // the caption help button
  kMinimizeBox = 1u << 3,
  kMaximizeBox = 1u << 4,
  kResizable = 1u << 5,
  kVisible = 1u << 6,
  kNoCaption = 1u << 7,     // no caption bar: a plain border (start-up notices)
};

struct DialogTemplate {
  std::string name;  // resource name, e.g. "IDD_POLICING"
  int number = 0;    // resource number
  std::string caption;
  int width = 0;     // dialog units
  int height = 0;
  DialogFont font;
  unsigned styles = kSystemMenu | kModalFrame;
  std::vector<ControlTemplate> controls;

  // The first control with this id, or null.
  const ControlTemplate* Find(int id) const;
  // The id of the default push button, IDOK when there is none.
  int DefaultButtonId() const;
};

// True for the kinds that act as push buttons (Enter clicks one that has the focus).
bool IsPushButton(ControlKind kind);
// True for radio buttons of either look.
bool IsRadio(ControlKind kind);
// True for edit fields and the edit part of an editable combo box.
bool IsEditLike(const ControlTemplate& control);

// The ids of the radio group that `id` belongs to, in declaration order: the
// radio buttons from the nearest one at or before `id` that starts a group (or
// follows a control that is not a radio button) up to, not including, the next
// control that starts a group or is not a radio button. Empty when `id` is no
// radio button.
std::vector<int> RadioGroupOf(const DialogTemplate& tmpl, int id);

// Dialog units to pixels. The factors are fixed, those of an 8-point
// "MS Sans Serif" dialog at 96 dpi: 1.5 pixels per horizontal unit and 1.625
// per vertical unit; other point sizes in proportion; times the screen's scale
// factor. Each edge is converted and cut toward minus infinity, so adjacent
// controls stay adjacent. Never measured from an installed font.
Rect DialogUnitsToPixels(const DialogFont& font, double scaleFactor, int x, int y, int width,
                            int height);
// The client size in pixels of a dialog made from the template.
Size DialogClientSize(const DialogTemplate& tmpl, double scaleFactor);
// A control's rectangle in pixels.
Rect ControlRect(const DialogTemplate& tmpl, const ControlTemplate& control, double scaleFactor);

}  // namespace tervane::fw
