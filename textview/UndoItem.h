// One recorded change of the view's text, caret or selection, and the kinds of change.
#pragma once

#include <cstdint>
#include <string>

#include "textview/Coordinates.h"
#include "textview/UndoSelectionMode.h"

namespace mirevo {

// What an undo item records. The list itself treats only ChangeNone and ChangeGroupBreak
// specially; the rest is the contract between the view's commands and its undo and redo.
enum class TChangeKind : std::uint8_t {
    ChangeInsert = 0,                  // typed text; range = the inserted text
    ChangePaste = 1,                   // text from the clipboard
    ChangeDragDropInsert = 2,          // dragged text; redo selects it again
    ChangeDeleteAfterCaret = 3,        // SavedText = deleted text; undo puts the caret at its start
    ChangeDelete = 4,                  // SavedText = deleted text; undo puts the caret at its end
    ChangeLineBreak = 5,               // a line broken in two
    ChangeIndent = 6,                  // lines indented
    ChangeUnindent = 7,                // SavedText = the removed leading text
    ChangeSilentDelete = 8,            // like ChangeDelete, but undo selects nothing
    ChangeSilentDeleteAfterCaret = 9,  // like ChangeDeleteAfterCaret, but undo selects nothing
    ChangeBlock1Begin = 10,
    ChangeBlock1End = 11,
    ChangeBlock2Begin = 12,
    ChangeBlock2End = 13,
    ChangeBlock3Begin = 14,
    ChangeBlock3End = 15,
    ChangeBlock4Begin = 16,
    ChangeBlock4End = 17,
    ChangeCaret = 18,         // caret position before a move
    ChangeSelection = 19,     // selection before a change of it
    ChangeNone = 20,          // NewestKind of an empty list; never stored
    ChangeGroupBreak = 21,    // ends a run of like items for grouped undo
    ChangeDeleteAll = 22,     // the whole text; undo reinserts it
    ChangePrefixInsert = 23,  // text inserted ahead of typed text in the same step
};

inline constexpr int kChangeKindCount = 24;

// A plain record; copying it (or Assign) copies all six fields.
struct TUndoItem {
    TChangeKind Kind = TChangeKind::ChangeNone;
    TSelectionMode SelectionModeAtChange = TSelectionMode::smNormal;
    TBufferCoord RangeStart;
    TBufferCoord RangeEnd;
    std::string SavedText;
    std::int32_t StepNumber = 0;

    void Assign(const TUndoItem& source) { *this = source; }
    friend bool operator==(const TUndoItem&, const TUndoItem&) = default;
};

}  // namespace mirevo
