#pragma once
// The preview of the DXF export: the chosen elements of the last run drawn to
// scale over the whole client area of the export dialog, in pixels with y
// downwards. The scale follows the client height only.

#include "model/StrengthFunctions.h"
#include "drawing/DxfDrawing.h"
#include "drawing/ResultsDrawing.h"
#include "framework/DeviceContext.h"

namespace tervane {

// Paints the preview into a client area of the given size. `check` colours
// the layers (its check values are left as the last layer set them). The
// font, pen and brush selected before are selected again at the end.
void PaintDxfPreview(fw::DeviceContext& dc, fw::Size client, const DxfSelection& selection,
                     const ResultsScene& scene, LayerStrengthCheck& check);

}  // namespace tervane
