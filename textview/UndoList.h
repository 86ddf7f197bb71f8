// The undo list: recorded changes grouped into steps, with blocks, a limit, a lock and the
// mark of the unmodified text. The view keeps one for undo and one for redo.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string_view>

#include "textview/UndoItem.h"

namespace mirevo {

class TUndoList {
public:
    static constexpr std::int32_t kDefaultLimit = 1024;

    TUndoList() = default;
    TUndoList(const TUndoList&) = delete;
    TUndoList& operator=(const TUndoList&) = delete;

    // Records one change, unless the list is locked. Outside a block every change is a
    // step of its own; inside one, all changes share the block's step number.
    void RecordChange(TChangeKind kind, TBufferCoord start, TBufferCoord end, std::string_view text,
                      TSelectionMode mode);
    // RecordChange with the fields of a prepared item (its step number is not used).
    void RecordItem(const TUndoItem& item) {
        RecordChange(item.Kind, item.RangeStart, item.RangeEnd, item.SavedText,
                     item.SelectionModeAtChange);
    }

    // Blocks nest; only the outermost CloseBlock ends the step, and then OnItemAdded is
    // raised once more so that the view learns the step is complete. A CloseBlock without
    // an open block does nothing.
    void OpenBlock();
    void CloseBlock();

    // Records a ChangeGroupBreak unless the newest item already is one. Raises no event.
    void AppendGroupBreak();

    // Appends an item the caller made (a null one is ignored), applies the limit and raises
    // OnItemAdded unless it is a group break. The lock is not consulted.
    void Append(std::unique_ptr<TUndoItem> item);

    // Frees every item and turns HistoryTruncated off.
    void Clear();

    bool HasItems() const { return !entries_.empty(); }
    std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }
    // The newest item, or null for an empty list; it stays owned by the list.
    const TUndoItem* Newest() const;
    // Removes the newest item and hands it to the caller; null for an empty list.
    std::unique_ptr<TUndoItem> TakeNewest();
    // ChangeNone for an empty list.
    TChangeKind NewestKind() const;
    // Items by age, 0 the oldest; an index out of range is an assertion failure.
    const TUndoItem& Item(std::int32_t index) const;

    // How many of the newest items one undo takes: the newest and every item below it with
    // its step number; with grouped undo also the older items of the newest's kind (not for
    // indenting and unindenting) up to a group break or another kind. A closing bracket kind
    // takes everything down to its matching opening item, that one included (to the oldest
    // item when the limit dropped it). 0 for an empty list.
    std::int32_t NewestStepLength(bool groupedUndo) const;

    // While locked (nesting), RecordChange and AppendGroupBreak do nothing. Unlock never
    // drops the depth below 0.
    void Lock() { ++lockDepth_; }
    void Unlock();
    std::int32_t LockDepth() const { return lockDepth_; }

    // Most items kept; the oldest are freed beyond it and HistoryTruncated turns on.
    // A negative limit counts as 0.
    std::int32_t Limit() const { return limit_; }
    void SetLimit(std::int32_t limit);
    bool HistoryTruncated() const { return historyTruncated_; }

    // The mark of the unmodified text; the view's text is unmodified exactly when
    // IsAtUnmodifiedMark holds. On: the present state is the unmodified one. Off while at
    // the mark: no undo or redo reaches the mark again. Group breaks on top do not count,
    // and the mark follows its state when the limit drops old items.
    void SetUnmodifiedMark(bool on);
    bool IsAtUnmodifiedMark() const;
    // Step number of the marked state: 0 for a list without changes, -1 when unreachable.
    std::int32_t UnmodifiedStepNumber() const { return unmodifiedStepNumber_; }

    // Step numbering. The view sets the redo list's BlockStepNumber while it undoes, so that
    // the items it records there share the undone step's number.
    std::int32_t BlockStepNumber() const { return blockStepNumber_; }
    void SetBlockStepNumber(std::int32_t number) { blockStepNumber_ = number; }
    std::int32_t BlockDepth() const { return blockDepth_; }
    std::int32_t NextStepNumber() const { return nextStepNumber_; }
    // For a list restored from elsewhere; a number below 1 counts as 1.
    void SetNextStepNumber(std::int32_t number);

    // On while the view redoes an item, so that its OnItemAdded handler keeps the redo list.
    bool Redoing() const { return redoing_; }
    void SetRedoing(bool redoing) { redoing_ = redoing; }

    // Makes this list a copy of source: its items, step numbering, lock, limit, mark and
    // Redoing. OnItemAdded stays this list's own and is not raised.
    void Assign(const TUndoList& source);

    // Raised after an item was added (also when the limit dropped it at once), and once
    // more when the outermost block closes on a non-empty list.
    std::function<void(TUndoList& sender)> OnItemAdded;

private:
    // Index of the opening item that matches the closing one at index; 0 when there is none.
    std::int32_t MatchingOpening(std::int32_t index) const;
    void ApplyLimit();
    void DropOldest();
    void RaiseItemAdded();
    void AdvanceNextStepNumber();
    // Step number of the newest item that is not a group break; 0 when there is none.
    std::int32_t NewestChangeStepNumber() const;

    std::int32_t blockStepNumber_ = 0;
    std::int32_t blockDepth_ = 0;
    bool historyTruncated_ = false;
    std::deque<std::unique_ptr<TUndoItem>> entries_;
    std::int32_t lockDepth_ = 0;
    std::int32_t limit_ = kDefaultLimit;
    std::int32_t nextStepNumber_ = 1;
    std::int32_t unmodifiedStepNumber_ = 0;
    bool redoing_ = false;
};

}  // namespace mirevo
