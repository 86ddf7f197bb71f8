// The dots per inch of the screens the program's windows are on. The manifest makes the
// program aware of each monitor's density; the functions for it came with Windows 10, so
// they are looked up at run time and older systems answer with the screen's one density.
#pragma once

#include <windows.h>

#include "common/Geometry.h"

namespace mirevo {

// The density the window is shown at, or the system's for a window not yet made.
UINT WindowDpi(HWND hwnd);
UINT SystemDpi();

// The outer size of a window of this style whose client area has this size, at dpi.
SIZE OuterSizeForClient(TSize client, DWORD style, DWORD exStyle, UINT dpi);

}  // namespace mirevo
