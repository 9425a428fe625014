// The layer table of a user-specified run: its dialog template and the small
// picture of a click on a row numeral (also the hint beside the layer lists
// of the results drawings).

#include "resources/DialogTemplates.h"
#include "resources/PictureHelpers.h"
#include "resources/Pictures.h"
#include "resources/TemplateBuilders.h"

namespace tervane {

namespace {

using fw::ControlKind;
using fw::DeviceContext;
using res::Control;
using res::IdLabel;
using res::kButton;
using res::Label;

// A column of row numerals, the second one under the tip of a mouse arrow.
void DrawNumeralClick(DeviceContext& dc, int width, int height) {
  const res::picture::SavedState saved(dc);
  res::picture::Fill(dc, 0, 0, width, height, res::picture::kDialogGrey);
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SetTextColor(fw::kBlack);
  dc.SelectFont(res::picture::MakeFont("Arial", 8));
  dc.SelectPen(fw::Pen::Solid(0, fw::RGB(128, 128, 128)));
  // The row-number column: a header cell and three numbered rows.
  const int left = 3, right = 17, rowHeight = 7, top = 1;
  dc.SelectBrush(fw::Brush::Solid(fw::RGB(200, 200, 200)));
  dc.Rectangle(fw::Rect{left, top, right + 1, top + rowHeight + 1});
  for (int i = 0; i < 3; ++i) {
    const int y = top + rowHeight * (i + 1);
    dc.SelectBrush(fw::Brush::Solid(i == 1 ? fw::RGB(255, 255, 160) : fw::RGB(224, 224, 224)));
    dc.Rectangle(fw::Rect{left, y, right + 1, y + rowHeight + 1});
    const char numeral[2] = {static_cast<char>('1' + i), '\0'};
    const fw::Size extent = dc.GetTextExtent(numeral);
    dc.TextOut(left + (right - left + 1 - extent.cx) / 2, y + (rowHeight + 1 - extent.cy) / 2, numeral);
  }
  // The data cells beside it.
  dc.SelectBrush(fw::Brush::Solid(fw::kWhite));
  for (int i = 0; i < 4; ++i) {
    const int y = top + rowHeight * i;
    dc.Rectangle(fw::Rect{right, y, width - 2, y + rowHeight + 1});
  }
  // A mouse arrow pointing at the numeral 2.
  const int tx = 11, ty = top + rowHeight * 2 + 4;
  const fw::Point arrow[] = {{tx, ty},          {tx, ty + 11},     {tx + 3, ty + 8}, {tx + 5, ty + 12},
                             {tx + 7, ty + 11}, {tx + 5, ty + 7},  {tx + 9, ty + 7}};
  dc.SelectPen(fw::Pen::Solid(0, fw::kBlack));
  dc.SelectBrush(fw::Brush::Solid(fw::kWhite));
  dc.Polygon(arrow);
}

const res::PictureRegistration pictures({
    res::Picture{210, "NUMERAL_CLICK", 36, 30, res::picture::kDialogGrey, &DrawNumeralClick},
});

std::vector<fw::DialogTemplate> MakeTemplates() {
  fw::DialogTemplate t = res::Dialog("IDD_MANUAL_INPUT_DATA", 0, "Input data for manual run", 286, 294);
  t.controls = {
      Label("Geosynthetic layers would be specified in an increasing order of heights where #1 is at lowest "
            "elevation.  Toe elevation is always zero.",
            7, 5, 272, 16),
      Control(1130, ControlKind::Spreadsheet, "", 7, 24, 272, 180, fw::kTabStop | fw::kGroup),
      Label("Number of geosynthetic layers to be installed :", 7, 213, 152, 8),
      Control(1128, ControlKind::Edit, "", 160, 211, 28, 12, fw::kDisabled),
      Control(1250, ControlKind::StaticLeft, "Coverage ratio, Rc = ", 200, 213, 79, 8),
      res::PictureControl(fw::kStaticId, 210, 7, 229, 24, 19),
      Label("To insert a layer, fill in the next empty row of the table.", 34, 230, 245, 8),
      Label("To delete a layer, click on its numeral on the left of the table.", 34, 240, 245, 8),
      Label("Note:      Tervane will automatically rearrange any INSERTED layers according to the height.", 7, 254,
            272, 16),
      Control(fw::IDOK, ControlKind::DefaultPushButton, "OK", 172, 274, 50, 14, kButton),
      Control(fw::IDCANCEL, ControlKind::PushButton, "Cancel", 229, 274, 50, 14, kButton),
      IdLabel("IDD_MANUAL_INPUT_DATA", 7, 278, 100),
  };
  std::vector<fw::DialogTemplate> all;
  all.push_back(std::move(t));
  return all;
}

const DialogTemplateRegistration registration(&MakeTemplates);

}  // namespace

}  // namespace tervane
