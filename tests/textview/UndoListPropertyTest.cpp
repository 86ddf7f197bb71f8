// Drives an undo and a redo list the way the view does, under seeded random operations, and
// checks the unmodified mark against a model of the text: the sequence of applied changes.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "textview/UndoList.h"

namespace mirevo {
namespace {

using enum TChangeKind;

class UndoHarness {
    static constexpr std::int32_t kUnrecorded = -2;  // the step of a change without record

    struct TChange {
        std::int32_t Step;
        int Id;
        friend bool operator==(const TChange&, const TChange&) = default;
    };
    using TText = std::vector<TChange>;

public:
    UndoHarness() {
        undo_.OnItemAdded = [this](TUndoList& list) {
            if (!list.Redoing() && list.NewestKind() != ChangeGroupBreak) {
                redo_.Clear();
                redoText_.clear();
            }
        };
    }

    void Change() {
        const std::int32_t step =
            undo_.BlockStepNumber() != 0 ? undo_.BlockStepNumber() : undo_.NextStepNumber();
        undo_.RecordChange(ChangeInsert, {1, 1}, {2, 1}, "x", TSelectionMode::smNormal);
        text_.push_back({step, ++lastChange_});
    }

    // A text replaced without recording, as the view's set-text does: the lists are
    // cleared and the new text marked unmodified.
    void ReplaceUnrecorded() {
        undo_.Lock();
        undo_.RecordChange(ChangeInsert, {1, 1}, {2, 1}, "x", TSelectionMode::smNormal);
        undo_.Unlock();
        text_.push_back({kUnrecorded, ++lastChange_});
        undo_.Clear();
        redo_.Clear();
        redoText_.clear();
        Mark(true);
    }

    void Undo() {
        if (undo_.BlockDepth() > 0) return;
        if (undo_.NewestKind() == ChangeGroupBreak) undo_.TakeNewest();
        if (!undo_.HasItems()) return;
        const std::int32_t step = undo_.Newest()->StepNumber;
        // Each moved item undoes one change; those the limit dropped stay applied.
        TText undone;
        for (int moved = MoveStep(undo_, redo_, step); moved > 0; --moved) {
            ASSERT_FALSE(text_.empty());
            ASSERT_EQ(text_.back().Step, step);
            undone.push_back(text_.back());
            text_.pop_back();
        }
        redoText_.push_back(undone);
    }

    void Redo() {
        if (undo_.BlockDepth() > 0 || !redo_.HasItems()) return;
        undo_.SetRedoing(true);
        MoveStep(redo_, undo_, redo_.Newest()->StepNumber);
        undo_.SetRedoing(false);
        for (auto it = redoText_.back().rbegin(); it != redoText_.back().rend(); ++it) {
            text_.push_back(*it);
        }
        redoText_.pop_back();
    }

    // Outside blocks only: a step is the unit the mark can tell apart.
    void Mark(bool on) {
        if (undo_.BlockDepth() > 0) return;
        if (on) {
            markedText_ = text_;
            markValid_ = true;
        } else if (IsAtModelMark()) {
            markValid_ = false;
        }
        undo_.SetUnmodifiedMark(on);
    }

    bool IsAtModelMark() const { return markValid_ && text_ == markedText_; }
    TUndoList& UndoList() { return undo_; }

private:
    // Moves one step, newest item first, keeping its number on the target; counts the
    // changes among the items.
    static int MoveStep(TUndoList& from, TUndoList& to, std::int32_t step) {
        int moved = 0;
        to.SetBlockStepNumber(step);
        while (from.HasItems() && from.Newest()->StepNumber == step) {
            const auto item = from.TakeNewest();
            to.RecordChange(item->Kind, item->RangeStart, item->RangeEnd, item->SavedText,
                            item->SelectionModeAtChange);
            if (item->Kind != ChangeGroupBreak) ++moved;
        }
        to.SetBlockStepNumber(0);
        return moved;
    }

    TUndoList undo_;
    TUndoList redo_;
    TText text_;  // the applied changes, a locked one included
    std::vector<TText> redoText_;
    TText markedText_;
    bool markValid_ = true;
    int lastChange_ = 0;
};

TEST(UndoListProperty, MarkMatchesTheTextUnderRandomEditing) {
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::mt19937 rng(seed);
        UndoHarness harness;
        harness.UndoList().SetLimit(std::uniform_int_distribution<int>(0, 12)(rng));
        std::uniform_int_distribution<int> pick(0, 99);
        for (int op = 0; op < 300; ++op) {
            const int roll = pick(rng);
            TUndoList& list = harness.UndoList();
            if (roll < 30) {
                harness.Change();
            } else if (roll < 50) {
                harness.Undo();
            } else if (roll < 62) {
                harness.Redo();
            } else if (roll < 70) {
                if (list.HasItems()) list.AppendGroupBreak();
            } else if (roll < 76) {
                list.OpenBlock();
            } else if (roll < 84) {
                list.CloseBlock();
            } else if (roll < 90) {
                harness.Mark(true);
            } else if (roll < 94) {
                harness.Mark(false);
            } else if (roll < 97) {
                if (list.BlockDepth() == 0) harness.ReplaceUnrecorded();
            } else {
                list.SetLimit(std::uniform_int_distribution<int>(0, 12)(rng));
            }
            ASSERT_EQ(list.IsAtUnmodifiedMark(), harness.IsAtModelMark())
                << "seed " << seed << ", operation " << op << ", roll " << roll;
            ASSERT_LE(list.Count(), list.Limit());
            ASSERT_GT(list.NextStepNumber(), 0);
        }
    }
}

}  // namespace
}  // namespace mirevo
