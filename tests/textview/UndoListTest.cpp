#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <stdexcept>
#include <string>

#include "common/Exception.h"
#include "textview/UndoList.h"

namespace mirevo {
namespace {

using enum TChangeKind;

void Record(TUndoList& list, TChangeKind kind = ChangeInsert, std::string_view text = "x") {
    list.RecordChange(kind, {1, 1}, {2, 1}, text, TSelectionMode::smNormal);
}

std::unique_ptr<TUndoItem> MakeItem(TChangeKind kind, std::int32_t step) {
    auto item = std::make_unique<TUndoItem>();
    item->Kind = kind;
    item->StepNumber = step;
    return item;
}

// The items as "step" or "step" + "g" for a group break, oldest first, blank-separated.
std::string Steps(const TUndoList& list) {
    std::string text;
    for (std::int32_t i = 0; i < list.Count(); ++i) {
        if (!text.empty()) text += ' ';
        text += std::to_string(list.Item(i).StepNumber);
        if (list.Item(i).Kind == ChangeGroupBreak) text += 'g';
    }
    return text;
}

struct ScriptCase {
    const char* script;  // r record, o open, c close, g group break, l lock, u unlock, t take
    const char* steps;
    std::int32_t nextStep;
    int events;
};

void PrintTo(const ScriptCase& c, std::ostream* os) { *os << '"' << c.script << '"'; }

class UndoListScript : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(UndoListScript, NumbersStepsAndRaisesItemAdded) {
    const ScriptCase& c = GetParam();
    TUndoList list;
    int events = 0;
    list.OnItemAdded = [&](TUndoList& sender) {
        EXPECT_EQ(&sender, &list);
        ++events;
    };
    for (const char op : std::string(c.script)) {
        switch (op) {
            case 'r':
                Record(list);
                break;
            case 'o':
                list.OpenBlock();
                break;
            case 'c':
                list.CloseBlock();
                break;
            case 'g':
                list.AppendGroupBreak();
                break;
            case 'l':
                list.Lock();
                break;
            case 'u':
                list.Unlock();
                break;
            case 't':
                list.TakeNewest();
                break;
        }
    }
    EXPECT_EQ(Steps(list), c.steps) << c.script;
    EXPECT_EQ(list.NextStepNumber(), c.nextStep) << c.script;
    EXPECT_EQ(events, c.events) << c.script;
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, UndoListScript,
    ::testing::Values(
        ScriptCase{"rrr", "1 2 3", 4, 3},       // one step per change
        ScriptCase{"orrrcr", "1 1 1 2", 3, 5},  // a block is one step, its close an event
        ScriptCase{"oorcrcr", "1 1 2", 3, 4},   // only the outermost close ends the step
        ScriptCase{"oc", "", 2, 0},             // an empty block still uses a number
        ScriptCase{"c", "", 1, 0},              // close without open
        ScriptCase{"rcr", "1 2", 3, 2},         //
        ScriptCase{"rgg", "1 2g", 3, 1},        // one break, and no event for it
        ScriptCase{"g", "1g", 2, 0},            //
        ScriptCase{"rgrg", "1 2g 3 4g", 5, 2},  //
        ScriptCase{"orgrc", "1 1g 1", 2, 3},    // a break inside a block shares its step
        ScriptCase{"lrgur", "1", 2, 1},         // locked: nothing, no number used
        ScriptCase{"llurur", "1", 2, 1},        // locks nest
        ScriptCase{"uulr", "", 1, 0},           // unlock never goes below 0
        ScriptCase{"rtr", "2", 3, 2},           //
        ScriptCase{"rtt", "", 2, 1},            // taking from an empty list
        ScriptCase{"orcrt", "1", 3, 3}));       // the close event needs the block's item on top

struct StepCase {
    const char* items;  // oldest first: a kind letter and a step number each
    bool grouped;
    std::int32_t length;
};

void PrintTo(const StepCase& c, std::ostream* os) { *os << '"' << c.items << '"'; }

TChangeKind KindOf(char letter) {
    switch (letter) {
        case 'P':
            return ChangePaste;
        case 'D':
            return ChangeDelete;
        case 'N':
            return ChangeIndent;
        case 'U':
            return ChangeUnindent;
        case 'G':
            return ChangeGroupBreak;
        case 'C':
            return ChangeCaret;
        case '(':
            return ChangeBlock1Begin;
        case ')':
            return ChangeBlock1End;
        case '[':
            return ChangeBlock2Begin;
        case ']':
            return ChangeBlock2End;
        default:
            return ChangeInsert;
    }
}

class UndoListStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(UndoListStep, TakesTheNewestStep) {
    const StepCase& c = GetParam();
    TUndoList list;
    std::istringstream items(c.items);
    std::string token;
    while (items >> token) list.Append(MakeItem(KindOf(token[0]), std::stoi(token.substr(1))));
    EXPECT_EQ(list.NewestStepLength(c.grouped), c.length) << c.items;
}

INSTANTIATE_TEST_SUITE_P(
    Steps, UndoListStep,
    ::testing::Values(StepCase{"", true, 0}, StepCase{"I1 I2 I3", false, 1},
                      StepCase{"I1 I2 I3", true, 3},         // grouped: a run of one kind
                      StepCase{"I1 G2 I3 I4", true, 2},      // up to a group break
                      StepCase{"D1 I2 I3", true, 2},         // up to another kind
                      StepCase{"N1 N2", true, 1},            // indenting is never grouped
                      StepCase{"U1 U2", true, 1},            //
                      StepCase{"I1 C2 C2 I2", false, 3},     // one step number
                      StepCase{"I1 C2 G2 I2", true, 3},      // a break in the step ends grouping
                      StepCase{"I1 (2 I3 I4 )5", false, 4},  // brackets run to their opening
                      StepCase{"(1 (2 I3 )4 )5", false, 5},  // nested brackets
                      StepCase{"(1 [2 I3 ]4 )5", false, 5},  //
                      StepCase{"I1 )2", false, 2},           // opening lost to the limit
                      StepCase{"I1 (2 I3 )4", true, 3},      //
                      StepCase{"I1 I1 (1 I2 )3 I3", false, 4}));

TEST(UndoList, RecordChangeKeepsEveryFieldAndTakeNewestHandsItOver) {
    TUndoList list;
    EXPECT_EQ(list.Newest(), nullptr);
    EXPECT_EQ(list.NewestKind(), ChangeNone);
    EXPECT_EQ(list.TakeNewest(), nullptr);
    EXPECT_THROW(list.Item(0), EAssertionFailed);
    list.RecordChange(ChangeDeleteAll, {3, 4}, {5, 6}, "\x81\x40text", TSelectionMode::smColumn);
    ASSERT_NE(list.Newest(), nullptr);
    const TUndoItem expected{ChangeDeleteAll, TSelectionMode::smColumn, {3, 4},
                             {5, 6},          "\x81\x40text",           1};
    EXPECT_EQ(*list.Newest(), expected);
    EXPECT_EQ(list.NewestKind(), ChangeDeleteAll);
    const auto taken = list.TakeNewest();
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(*taken, expected);
    EXPECT_FALSE(list.HasItems());
}

TEST(UndoList, StepNumbersSkipZeroAfterTheLargestValue) {
    TUndoList list;
    list.SetNextStepNumber(std::numeric_limits<std::int32_t>::max());
    Record(list);
    Record(list);
    EXPECT_EQ(Steps(list), "2147483647 1");
    list.SetNextStepNumber(std::numeric_limits<std::int32_t>::max());
    list.OpenBlock();
    list.CloseBlock();
    EXPECT_EQ(list.NextStepNumber(), 1);
    list.SetNextStepNumber(0);
    EXPECT_EQ(list.NextStepNumber(), 1);
}

TEST(UndoList, AppendTakesOwnershipAndSkipsTheEventForBreaks) {
    TUndoList list;
    int events = 0;
    list.OnItemAdded = [&](TUndoList&) { ++events; };
    list.Append(nullptr);
    list.Append(MakeItem(ChangeGroupBreak, 0));
    list.Lock();  // Append does not consult the lock
    list.Append(MakeItem(ChangeCaret, 7));
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(events, 1);
    EXPECT_EQ(Steps(list), "0g 7");
}

TEST(UndoList, LimitDropsOldestItemsUntilClear) {
    TUndoList list;
    EXPECT_EQ(list.Limit(), 1024);
    list.SetLimit(2);
    Record(list);
    Record(list);
    EXPECT_FALSE(list.HistoryTruncated());
    Record(list);
    EXPECT_TRUE(list.HistoryTruncated());
    EXPECT_EQ(Steps(list), "2 3");
    list.Clear();
    EXPECT_FALSE(list.HistoryTruncated());
    EXPECT_EQ(list.Count(), 0);

    list.SetLimit(5);
    for (int i = 0; i < 5; ++i) Record(list);
    EXPECT_FALSE(list.HistoryTruncated());
    list.SetLimit(3);  // shrinking drops at once
    EXPECT_EQ(Steps(list), "6 7 8");
    EXPECT_TRUE(list.HistoryTruncated());
}

TEST(UndoList, ZeroLimitDropsEachItemButStillRaisesTheEvent) {
    TUndoList list;
    list.SetLimit(-4);
    EXPECT_EQ(list.Limit(), 0);
    int events = 0;
    list.OnItemAdded = [&](TUndoList& sender) {
        EXPECT_EQ(sender.Newest(), nullptr);
        ++events;
    };
    Record(list);
    EXPECT_EQ(events, 1);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(list.HistoryTruncated());
}

TEST(UndoList, FailingItemAddedHandlerLeavesTheItemInTheList) {
    TUndoList list;
    list.OnItemAdded = [](TUndoList&) { throw std::runtime_error("handler"); };
    EXPECT_THROW(Record(list, ChangeInsert, "kept"), std::runtime_error);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Newest()->SavedText, "kept");
    list.OnItemAdded = nullptr;
    Record(list);
    EXPECT_EQ(Steps(list), "1 2");
}

TEST(UndoList, UnmodifiedMarkFollowsTheNewestStep) {
    TUndoList list;
    EXPECT_TRUE(list.IsAtUnmodifiedMark());
    Record(list);
    EXPECT_FALSE(list.IsAtUnmodifiedMark());
    list.SetUnmodifiedMark(true);
    EXPECT_TRUE(list.IsAtUnmodifiedMark());
    EXPECT_EQ(list.UnmodifiedStepNumber(), 1);
    Record(list);
    EXPECT_FALSE(list.IsAtUnmodifiedMark());
    list.TakeNewest();  // an undo back to the marked state
    EXPECT_TRUE(list.IsAtUnmodifiedMark());
    list.TakeNewest();
    EXPECT_FALSE(list.IsAtUnmodifiedMark());
    list.SetUnmodifiedMark(true);
    EXPECT_EQ(list.UnmodifiedStepNumber(), 0);
    EXPECT_TRUE(list.IsAtUnmodifiedMark());
}

TEST(UndoList, MarkSwitchedOffAtTheMarkIsNeverReachedAgain) {
    TUndoList list;
    Record(list);
    list.SetUnmodifiedMark(true);
    Record(list);
    list.SetUnmodifiedMark(false);  // not at the mark: no effect
    EXPECT_EQ(list.UnmodifiedStepNumber(), 1);
    auto undone = list.TakeNewest();
    list.SetUnmodifiedMark(false);
    EXPECT_EQ(list.UnmodifiedStepNumber(), -1);
    list.Append(std::move(undone));  // redo
    EXPECT_FALSE(list.IsAtUnmodifiedMark());
    list.TakeNewest();
    EXPECT_FALSE(list.IsAtUnmodifiedMark());
    list.TakeNewest();
    EXPECT_FALSE(list.IsAtUnmodifiedMark());
}

TEST(UndoList, GroupBreakDoesNotMoveAwayFromTheMark) {
    TUndoList list;
    Record(list);
    list.SetUnmodifiedMark(true);
    list.AppendGroupBreak();  // the caret moved after saving
    EXPECT_TRUE(list.IsAtUnmodifiedMark());
    Record(list);
    EXPECT_FALSE(list.IsAtUnmodifiedMark());
    list.TakeNewest();  // undo of the typing leaves the break on top
    EXPECT_TRUE(list.IsAtUnmodifiedMark());
    list.SetUnmodifiedMark(true);
    EXPECT_EQ(list.UnmodifiedStepNumber(), 1);
}

TEST(UndoList, TruncationKeepsTheMarkOnTheStateItStandsFor) {
    TUndoList empty;  // marked while empty: that state is gone with the first dropped change
    empty.SetLimit(1);
    Record(empty);
    EXPECT_EQ(empty.UnmodifiedStepNumber(), 0);
    Record(empty);
    EXPECT_EQ(empty.UnmodifiedStepNumber(), -1);
    empty.TakeNewest();
    EXPECT_FALSE(empty.IsAtUnmodifiedMark());

    TUndoList block;  // the marked step is dropped in two parts
    block.SetLimit(3);
    block.OpenBlock();
    Record(block);
    Record(block);
    block.CloseBlock();
    block.SetUnmodifiedMark(true);
    Record(block);
    Record(block);
    EXPECT_EQ(Steps(block), "1 2 3");
    EXPECT_EQ(block.UnmodifiedStepNumber(), 1);
    block.AppendGroupBreak();
    EXPECT_EQ(Steps(block), "2 3 4g");
    EXPECT_EQ(block.UnmodifiedStepNumber(), 0);  // undoing all now ends after step 1
    Record(block);
    Record(block);
    EXPECT_EQ(Steps(block), "4g 5 6");
    EXPECT_EQ(block.UnmodifiedStepNumber(), -1);
}

TEST(UndoList, AssignCopiesItemsAndStateWithoutEvents) {
    TUndoList source;
    source.SetLimit(3000);
    for (int i = 0; i < 1500; ++i) Record(source, ChangePaste, std::to_string(i));
    source.SetUnmodifiedMark(true);
    source.OpenBlock();
    source.Lock();
    source.SetRedoing(true);

    TUndoList copy;
    int events = 0;
    copy.OnItemAdded = [&](TUndoList&) { ++events; };
    copy.Assign(source);
    EXPECT_EQ(events, 0);
    ASSERT_EQ(copy.Count(), 1500);  // not cut to the copy's old limit
    for (std::int32_t i = 0; i < copy.Count(); ++i) {
        EXPECT_EQ(copy.Item(i), source.Item(i));
        EXPECT_NE(&copy.Item(i), &source.Item(i));
    }
    EXPECT_EQ(copy.Limit(), 3000);
    EXPECT_EQ(copy.BlockDepth(), 1);
    EXPECT_EQ(copy.BlockStepNumber(), 1501);
    EXPECT_EQ(copy.NextStepNumber(), 1501);
    EXPECT_EQ(copy.LockDepth(), 1);
    EXPECT_TRUE(copy.Redoing());
    EXPECT_TRUE(copy.IsAtUnmodifiedMark());
    EXPECT_FALSE(copy.HistoryTruncated());
    copy.Assign(copy);
    EXPECT_EQ(copy.Count(), 1500);
}

}  // namespace
}  // namespace mirevo
