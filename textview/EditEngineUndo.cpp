// Undo and redo: steps taken off one list and carried out item by item, each recorded on
// the other list.
#include <vector>

#include "textview/Bracketed.h"
#include "textview/EditEngine.h"

namespace mirevo {

namespace {

// The items of the newest step, newest first, taken off the list before any is carried
// out: carrying them out adds items (and group breaks) to the lists.
std::vector<std::unique_ptr<TUndoItem>> TakeNewestStep(TUndoList& list, bool groupedUndo) {
    std::vector<std::unique_ptr<TUndoItem>> step;
    const std::int32_t length = list.NewestStepLength(groupedUndo);
    for (std::int32_t i = 0; i < length; ++i) step.push_back(list.TakeNewest());
    return step;
}

bool IsOpeningBracket(TChangeKind kind) {
    return kind == TChangeKind::ChangeBlock1Begin || kind == TChangeKind::ChangeBlock2Begin ||
           kind == TChangeKind::ChangeBlock3Begin || kind == TChangeKind::ChangeBlock4Begin;
}

bool IsClosingBracket(TChangeKind kind) {
    return kind == TChangeKind::ChangeBlock1End || kind == TChangeKind::ChangeBlock2End ||
           kind == TChangeKind::ChangeBlock3End || kind == TChangeKind::ChangeBlock4End;
}

// A group break moved from the top of one list to the other under its own step number.
void MoveGroupBreak(TUndoList& from, TUndoList& to) {
    if (from.NewestKind() != TChangeKind::ChangeGroupBreak) return;
    const std::unique_ptr<TUndoItem> item = from.TakeNewest();
    const std::int32_t saved = to.BlockStepNumber();
    to.SetBlockStepNumber(item->StepNumber);
    to.AppendGroupBreak();
    to.SetBlockStepNumber(saved);
}

// Items recorded on list while it lives share one step number.
class TSharedStepNumber {
public:
    TSharedStepNumber(TUndoList& list, std::int32_t number)
        : list_(list), saved_(list.BlockStepNumber()) {
        list_.SetBlockStepNumber(number);
    }
    ~TSharedStepNumber() { list_.SetBlockStepNumber(saved_); }
    TSharedStepNumber(const TSharedStepNumber&) = delete;
    TSharedStepNumber& operator=(const TSharedStepNumber&) = delete;

private:
    TUndoList& list_;
    std::int32_t saved_;
};

}  // namespace

void TEditEngine::CarryOutItem(const TUndoItem& item, bool redo) {
    Updating([&] {
        const TEditorOptions options = host_.Options();
        TUndoList* const redoing = redo ? &undoList_ : nullptr;
        const auto begin = [&] {
            TEditorOptions pastEol = options;
            pastEol.Include(TEditorOption::eoScrollPastEol);
            host_.SetItemOptions(pastEol);
            if (redoing) redoing->SetRedoing(true);
        };
        Bracketed(
            begin, [&] { EndItem(options, redoing); },
            [&] {
                if (redo) {
                    RedoOneItem(item);
                } else {
                    UndoOneItem(item);
                }
            });
    });
}

void TEditEngine::EndItem(const TEditorOptions& options, TUndoList* redoing) {
    if (redoing) redoing->SetRedoing(false);
    host_.SetItemOptions(options);
    // Without eoScrollPastEol the caret may not stay behind the end of its line.
    if (!Option(TEditorOption::eoScrollPastEol)) host_.MoveCaret(Caret());
    // An item's recorded positions may fall inside a character of the text as it now is
    // (a redo whose rule or record assumed other bytes): each goes to its character's start.
    const TBufferCoord caret = selection_.OffTrailByte(Caret());
    if (caret != Caret()) host_.MoveCaret(caret);
    selection_.SetEnds(selection_.OffTrailByte(selection_.Anchor()),
                       selection_.OffTrailByte(selection_.ActiveEnd()));
}

void TEditEngine::Undo() {
    if (host_.Style().readOnly) return;
    Updating([&] {
        MoveGroupBreak(undoList_, redoList_);
        if (!undoList_.HasItems()) return;
        const TSharedStepNumber shared(redoList_, undoList_.Newest()->StepNumber);
        for (const auto& item : TakeNewestStep(undoList_, Option(TEditorOption::eoGroupUndo))) {
            CarryOutItem(*item, false);
            if (IsOpeningBracket(item->Kind)) host_.SetModified(!undoList_.IsAtUnmodifiedMark());
        }
        host_.SetModified(!undoList_.IsAtUnmodifiedMark());
    });
}

void TEditEngine::Redo() {
    if (host_.Style().readOnly) return;
    Updating([&] {
        if (redoList_.HasItems()) {
            const TSharedStepNumber shared(undoList_, redoList_.Newest()->StepNumber);
            for (const auto& item : TakeNewestStep(redoList_, false)) {
                CarryOutItem(*item, true);
                if (IsClosingBracket(item->Kind))
                    host_.SetModified(!undoList_.IsAtUnmodifiedMark());
            }
        }
        MoveGroupBreak(redoList_, undoList_);
        host_.SetModified(!undoList_.IsAtUnmodifiedMark());
    });
}

void TEditEngine::MarksLinesDeleted(std::int32_t first, std::int32_t count) {
    for (std::size_t i = 0; i < marks_.Count(); ++i) {
        TEditMark& mark = marks_[i];
        if (mark.Line() >= first + count) {
            mark.SetLine(mark.Line() - count);
        } else if (mark.Line() > first) {
            mark.SetLine(first);
        }
    }
}

void TEditEngine::MarksLinesInserted(std::int32_t first, std::int32_t count) {
    for (std::size_t i = 0; i < marks_.Count(); ++i) {
        TEditMark& mark = marks_[i];
        if (mark.Line() >= first) mark.SetLine(mark.Line() + count);
    }
}

}  // namespace mirevo
