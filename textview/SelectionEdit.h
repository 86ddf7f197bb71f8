// Replacing the selection's text in the line store: the text-splicing half of setting
// SelectedText. The view wraps it in its undo block and update bracket, adds the records
// it returns to its undo list and sets its caret.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "textview/LineStore.h"
#include "textview/Selection.h"
#include "textview/UndoItem.h"

namespace mirevo {

struct TSelectionEdit {
    TBufferCoord Caret;                     // after the inserted text
    std::optional<TUndoItem> DeleteRecord;  // ChangeDelete of the old selection, if any
    // In the order to record them: one ChangeInsert for a stream or whole lines; for a
    // column block a ChangeCaret where it went in, a ChangeLineBreak per line it appended,
    // then a ChangeInsert per line it changed, so that undo takes it back line by line.
    std::vector<TUndoItem> InsertRecords;
};

// Removes the selected text by the current mode (a column block only takes the double-byte
// characters wholly inside it), then inserts text (lines split at CR LF, CR or LF) at the
// first end: as a stream in smNormal, at the line's start in smLine, as a column block in
// smColumn, padding short lines with blanks and appending lines as needed. Without a
// selection the current mode becomes SelectionMode and text goes in at the anchor. The
// selection ends collapsed on the returned caret. Does not consult ReadOnly.
TSelectionEdit ReplaceSelectedText(TLineStore& lines, TSelection& selection, std::string_view text);

// Puts back what a column block's deletion took (its DeleteRecord's text, in smColumn): each
// CR LF separated piece at column at.CharIndex of successive lines, behind a double-byte
// character that column cuts, since the deletion kept that character.
void RestoreColumns(TLineStore& lines, TBufferCoord at, std::string_view text);

}  // namespace mirevo
