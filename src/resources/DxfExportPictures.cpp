// The picture of the DXF export dialog: "Tieback +" over "Compound" in green
// lettering, the two words the lengths check box below it refers to.

#include "resources/DxfExportResources.h"
#include "resources/PictureHelpers.h"
#include "resources/Pictures.h"

// Like every picture file, this one uses only the device context's virtual
// operations, never a function of the framework library.

namespace tervane::res {

namespace {

void DrawTiebackCompound(fw::DeviceContext& dc, int width, int height) {
  const picture::SavedState saved(dc);
  picture::Fill(dc, 0, 0, width, height, picture::kDialogGrey);
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SetTextColor(fw::RGB(0, 128, 0));
  dc.SetTextAlign(fw::TextAlign{fw::HAlign::Left, fw::VAlign::Top});
  // The largest bold italic letters with which both lines fit.
  picture::FittedTwoLines(dc, width, height, "Tieback +", "Compound");
}

const PictureRegistration registration({
    Picture{kPictureTiebackCompound, "TIEBACK_COMPOUND", 97, 34, picture::kDialogGrey, &DrawTiebackCompound,
            true},
});

}  // namespace

}  // namespace tervane::res
