#include "app/ResultViewDesign.h"

namespace mirevo {

void ApplyResultViewDesign(TCustomTextView& view) {
    view.SetReadOnly(true);
    view.SetWordWrap(true);
    view.SetRightEdge(0);
    view.SetScrollBars(TScrollStyle::ssVertical);
    view.SetFont(MakeLogFont("ＭＳ ゴシック", -13, kShiftJisCharset));
    view.Gutter().SetDigitCount(2);
    view.Gutter().SetWidth(15);
    view.Gutter().SetFont(MakeLogFont("Courier New", -11, kDefaultCharset));
    using enum TEditorOption;
    view.SetOptions({eoDragDropEditing, eoGroupUndo, eoShowScrollHint, eoSmartTabDelete,
                     eoSmartTabs, eoTabsToSpaces, eoTrimTrailingSpaces});
}

}  // namespace mirevo
