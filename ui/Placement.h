// Where a top-level window goes when the place it was given would leave it out of reach:
// its title bar must lie on some monitor's work area, far enough in to be taken by the mouse.
#pragma once

#include <vector>

#include "ui/Geometry.h"

namespace mirevo {

// The window's place, unchanged when its title bar can be reached on one of the work areas
// (screen rectangles of the monitors without their task bars); otherwise moved, and shrunk
// to fit if it is larger, into the nearest work area. No work areas: unchanged.
TBounds ReachablePlace(const TBounds& window, const std::vector<TRect>& workAreas);

}  // namespace mirevo
