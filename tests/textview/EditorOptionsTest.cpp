#include "textview/EditorOptions.h"

#include <gtest/gtest.h>

namespace mirevo {
namespace {

TEST(EditorOptions, DefaultSetMatchesItsMembers) {
    using enum TEditorOption;
    const TEditorOptions members{eoAutoIndent,     eoDragDropEditing, eoEnhanceEndKey,
                                 eoGroupUndo,      eoScrollPastEol,   eoShowScrollHint,
                                 eoSmartTabDelete, eoSmartTabs,       eoTabsToSpaces};
    EXPECT_EQ(members, kDefaultEditorOptions);
    EXPECT_EQ(static_cast<int>(eoTrimTrailingSpaces), 26);
}

}  // namespace
}  // namespace mirevo
