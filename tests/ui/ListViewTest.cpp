// The list's selection: what it keeps of the rows asked for, and when it tells.
#include "ui/ListView.h"

#include <gtest/gtest.h>

namespace mirevo {
namespace {

using Rows = std::vector<std::size_t>;

TEST(ListView, KeepsSelectedRowsSortedOnceEachAndBelowTheCount) {
    TListView list(nullptr, "List");
    list.SetRowCount(5);
    int told = 0;
    list.OnSelectItem = [&](TObject*) { ++told; };
    const struct {
        Rows asked;
        Rows kept;
        int told;  // times the change was told so far
    } steps[] = {
        {{3, 1, 3, 9}, {1, 3}, 1},
        {{1, 3}, {1, 3}, 1},  // no change, no event
        {{}, {}, 2},
        {{4}, {4}, 3},
    };
    for (const auto& step : steps) {
        list.Select(step.asked);
        EXPECT_EQ(list.Selection(), step.kept);
        EXPECT_EQ(told, step.told);
    }
    list.NativeSelectionChanged({0, 2});
    EXPECT_EQ(list.FirstSelected(), 0u);
    EXPECT_EQ(told, 4);
    list.SelectAll();
    EXPECT_EQ(list.Selection(), (Rows{0, 1, 2, 3, 4}));
    list.SetRowCount(2);  // new rows: nothing stays selected
    EXPECT_TRUE(list.Selection().empty());
    EXPECT_FALSE(list.FirstSelected());
    EXPECT_EQ(told, 6);
    list.SetRowCount(0);
    EXPECT_EQ(told, 6);
}

}  // namespace
}  // namespace mirevo
