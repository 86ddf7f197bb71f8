// The look and behaviour the main window's result view is designed with, kept in one place
// so the window and the tests of the view set up the same view.
#pragma once

#include "textview/CustomTextView.h"

namespace mirevo {

// Read-only, word wrap, no right edge, vertical scroll bar only, "ＭＳ ゴシック" -13
// Shift-JIS, a 15-pixel gutter of two "Courier New" -11 digits and the view's options.
void ApplyResultViewDesign(TCustomTextView& view);

}  // namespace mirevo
