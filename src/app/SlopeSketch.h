#pragma once
// The small sketches of the slope drawn from `input`: the main menu's, the
// geometry dialog's and the water dialog's.

#include "app/ProjectData.h"
#include "framework/DeviceContext.h"

namespace tervane {

// The main menu's sketch of the slope, its surcharges and its water, in a
// client area of the given size (pixels, y down).
void PaintMainMenuSketch(fw::DeviceContext& dc, const ProjectInput& input, int clientWidth,
                         int clientHeight);

}  // namespace tervane
