#include "textview/UndoList.h"

#include <limits>
#include <utility>

#include "common/Exception.h"

namespace mirevo {

void TUndoList::RecordChange(TChangeKind kind, TBufferCoord start, TBufferCoord end,
                             std::string_view text, TSelectionMode mode) {
    if (lockDepth_ > 0) return;
    auto item = std::make_unique<TUndoItem>();
    item->Kind = kind;
    item->SelectionModeAtChange = mode;
    item->RangeStart = start;
    item->RangeEnd = end;
    item->SavedText = std::string(text);
    if (blockStepNumber_ != 0) {
        item->StepNumber = blockStepNumber_;
    } else {
        item->StepNumber = nextStepNumber_;
        if (blockDepth_ == 0) AdvanceNextStepNumber();
    }
    Append(std::move(item));
}

void TUndoList::OpenBlock() {
    ++blockDepth_;
    blockStepNumber_ = nextStepNumber_;
}

void TUndoList::CloseBlock() {
    if (blockDepth_ == 0) return;
    if (--blockDepth_ > 0) return;
    const std::int32_t closed = std::exchange(blockStepNumber_, 0);
    AdvanceNextStepNumber();
    if (HasItems() && entries_.back()->StepNumber == closed) RaiseItemAdded();
}

void TUndoList::AppendGroupBreak() {
    if (NewestKind() == TChangeKind::ChangeGroupBreak) return;
    RecordChange(TChangeKind::ChangeGroupBreak, {}, {}, {}, TSelectionMode::smNormal);
}

void TUndoList::Append(std::unique_ptr<TUndoItem> item) {
    if (!item) return;
    const bool isBreak = item->Kind == TChangeKind::ChangeGroupBreak;
    entries_.push_back(std::move(item));
    ApplyLimit();
    if (!isBreak) RaiseItemAdded();
}

void TUndoList::Clear() {
    entries_.clear();
    historyTruncated_ = false;
}

const TUndoItem* TUndoList::Newest() const {
    return entries_.empty() ? nullptr : entries_.back().get();
}

std::unique_ptr<TUndoItem> TUndoList::TakeNewest() {
    if (entries_.empty()) return nullptr;
    auto item = std::move(entries_.back());
    entries_.pop_back();
    return item;
}

TChangeKind TUndoList::NewestKind() const {
    return entries_.empty() ? TChangeKind::ChangeNone : entries_.back()->Kind;
}

const TUndoItem& TUndoList::Item(std::int32_t index) const {
    MIREVO_ASSERT(index >= 0 && index < Count());
    return *entries_[static_cast<std::size_t>(index)];
}

namespace {

bool IsClosingBracket(TChangeKind kind) {
    using enum TChangeKind;
    return kind == ChangeBlock1End || kind == ChangeBlock2End || kind == ChangeBlock3End ||
           kind == ChangeBlock4End;
}

// Each bracket kind is its opening kind plus 1.
TChangeKind OpeningOf(TChangeKind closing) {
    return static_cast<TChangeKind>(static_cast<std::uint8_t>(closing) - 1);
}

}  // namespace

// Grouping ends at the first break or other kind, even one that joins by its step number.
std::int32_t TUndoList::NewestStepLength(bool groupedUndo) const {
    if (entries_.empty()) return 0;
    const TUndoItem& newest = *entries_.back();
    bool grouping = groupedUndo && newest.Kind != TChangeKind::ChangeIndent &&
                    newest.Kind != TChangeKind::ChangeUnindent;
    const std::int32_t top = Count() - 1;
    std::int32_t next = top;
    while (next >= 0) {
        const TUndoItem& item = Item(next);
        grouping = grouping && item.Kind == newest.Kind;
        if (next != top && item.StepNumber != newest.StepNumber && !grouping) break;
        next = (IsClosingBracket(item.Kind) ? MatchingOpening(next) : next) - 1;
    }
    return top - next;
}

std::int32_t TUndoList::MatchingOpening(std::int32_t index) const {
    const TChangeKind closing = Item(index).Kind;
    const TChangeKind opening = OpeningOf(closing);
    std::int32_t depth = 1;
    for (std::int32_t i = index - 1; i >= 0; --i) {
        const TChangeKind kind = Item(i).Kind;
        if (kind == closing) ++depth;
        if (kind == opening && --depth == 0) return i;
    }
    return 0;
}

void TUndoList::Unlock() {
    if (lockDepth_ > 0) --lockDepth_;
}

void TUndoList::SetNextStepNumber(std::int32_t number) {
    nextStepNumber_ = number > 0 ? number : 1;
}

void TUndoList::SetLimit(std::int32_t limit) {
    if (limit < 0) limit = 0;
    if (limit == limit_) return;
    limit_ = limit;
    ApplyLimit();
}

// Group breaks are skipped: moving the caret after saving must not make the text modified.
void TUndoList::SetUnmodifiedMark(bool on) {
    if (on) {
        unmodifiedStepNumber_ = NewestChangeStepNumber();
    } else if (IsAtUnmodifiedMark()) {
        unmodifiedStepNumber_ = -1;
    }
}

bool TUndoList::IsAtUnmodifiedMark() const {
    return NewestChangeStepNumber() == unmodifiedStepNumber_;
}

void TUndoList::Assign(const TUndoList& source) {
    if (&source == this) return;
    entries_.clear();
    for (const auto& item : source.entries_) entries_.push_back(std::make_unique<TUndoItem>(*item));
    blockStepNumber_ = source.blockStepNumber_;
    blockDepth_ = source.blockDepth_;
    historyTruncated_ = source.historyTruncated_;
    lockDepth_ = source.lockDepth_;
    limit_ = source.limit_;
    nextStepNumber_ = source.nextStepNumber_;
    unmodifiedStepNumber_ = source.unmodifiedStepNumber_;
    redoing_ = source.redoing_;
}

void TUndoList::ApplyLimit() {
    while (Count() > limit_) DropOldest();
}

// Undoing everything left now stops after the dropped change: the state before it is out of
// reach, and once its whole step is gone the empty list stands for the state after it.
void TUndoList::DropOldest() {
    const std::unique_ptr<TUndoItem> dropped = std::move(entries_.front());
    entries_.pop_front();
    historyTruncated_ = true;
    if (dropped->Kind == TChangeKind::ChangeGroupBreak) return;
    const bool stepSurvives = HasItems() && entries_.front()->StepNumber == dropped->StepNumber;
    if (unmodifiedStepNumber_ == 0) {
        unmodifiedStepNumber_ = -1;
    } else if (unmodifiedStepNumber_ == dropped->StepNumber && !stepSurvives) {
        unmodifiedStepNumber_ = 0;
    }
}

void TUndoList::RaiseItemAdded() {
    if (OnItemAdded) OnItemAdded(*this);
}

// Step numbers are positive: 0 means "no block" and -1 "unreachable mark".
void TUndoList::AdvanceNextStepNumber() {
    nextStepNumber_ =
        nextStepNumber_ == std::numeric_limits<std::int32_t>::max() ? 1 : nextStepNumber_ + 1;
}

std::int32_t TUndoList::NewestChangeStepNumber() const {
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
        if ((*it)->Kind != TChangeKind::ChangeGroupBreak) return (*it)->StepNumber;
    }
    return 0;
}

}  // namespace mirevo
