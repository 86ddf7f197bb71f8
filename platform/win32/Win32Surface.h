// The drawing ports on Windows GDI: surfaces on device contexts and the process resources.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/DrawingSurface.h"

namespace mirevo {

// A surface on dc, which stays the caller's (a paint or memory context): when destroyed the
// surface selects back the font and pen it replaced and deletes the pens it made.
std::unique_ptr<IDrawingSurface> CreateWin32Surface(HDC dc);

// A surface on the screen's context, given back to the system when destroyed; null when the
// system has none to give.
std::unique_ptr<IDrawingSurface> CreateWin32ScreenSurface();

// The drawing resources of the process: fonts by CreateFontIndirectA, bitmaps from the
// executable's resources, the screen surface above. Lives to program end.
IDrawingResources& Win32DrawingResources();

}  // namespace mirevo
