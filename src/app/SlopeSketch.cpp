#include "app/SlopeSketch.h"

namespace tervane {

void PaintMainMenuSketch(fw::DeviceContext&, const ProjectInput&, int, int) {}

}  // namespace tervane
