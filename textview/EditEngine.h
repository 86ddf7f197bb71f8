// TEditEngine: the editing of a text view: the text-changing commands, undo and redo, and
// the replacement of the selection, over the view's line store, selection, undo and redo
// lists and marks. Each edit records its undo items (one block when it makes several),
// moves the marks below the lines it adds or removes and places the caret through the
// host; the store's own events tell the view what to repaint.
//
// It does not consult ReadOnly except where named: the view refuses text-changing commands
// of a read-only view before they get here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "textview/Bracketed.h"
#include "textview/EditHost.h"
#include "textview/EditMark.h"
#include "textview/LineStore.h"
#include "textview/Selection.h"
#include "textview/SelectionEdit.h"
#include "textview/UndoList.h"

namespace mirevo {

class TEditEngine {
public:
    // Everything handed in must outlive the engine.
    TEditEngine(IEditHost& host, TLineStore& lines, TSelection& selection, TUndoList& undoList,
                TUndoList& redoList, TEditMarkList& marks);
    TEditEngine(const TEditEngine&) = delete;
    TEditEngine& operator=(const TEditEngine&) = delete;

    // One text-changing command (ecDeleteLastChar, ecChar, ecTab, ecUpperCase, ...); the
    // others are ignored.
    void Execute(TEditorCommand command, char character, void* data);
    // A lead byte typed last waits for the very next character only: any other command
    // forgets it.
    void ForgetPendingLeadByte() { pendingLeadByte_.reset(); }
    // Replaces the selection (or inserts at the caret) in one undo block.
    void SetSelectedText(std::string_view text);
    // The selected text; a column block's short lines padded with blanks unless
    // eoTrimTrailingSpaces.
    std::string SelectedText() const;
    // The newest step taken back or made again; both refuse in a read-only view.
    void Undo();
    void Redo();

private:
    // The update bracket of the host around work; returns what work returns.
    template <class Work>
    decltype(auto) Updating(Work&& work) {
        return Bracketed([this] { host_.BeginUpdate(); }, [this] { host_.EndUpdate(); }, work);
    }
    bool Option(TEditorOption option) const { return host_.Options().Contains(option); }
    TBufferCoord Caret() const { return host_.Caret(); }

    // The replacement step (EditEngine.cpp): first..last (in mode) replaced by text in one
    // store update, the caret after the text. Records nothing, but returns the records the
    // edit would take; a stream's removed and added lines move the marks below.
    TSelectionEdit ReplaceRange(TBufferCoord first, TBufferCoord last, std::string_view text,
                                TSelectionMode mode);
    // The selection replaced by text for undo and redo; asked to record, a column insertion
    // records a line break per appended line and an insertion per line.
    void ReplaceSelectionForUndo(std::string_view text, bool record);
    // Moves the marks below deleted or inserted lines (1-based first line, count).
    void MarksLinesDeleted(std::int32_t first, std::int32_t count);
    void MarksLinesInserted(std::int32_t first, std::int32_t count);

    // Deleting (EditEngineDelete.cpp).
    void DeleteBackward(TEditorCommand command);
    void DeleteForward(TEditorCommand command);
    void DeleteCaretLine();
    // Removes first..last (a stream) recording kind; the caret goes to caretAfter.
    void DeleteRecorded(TBufferCoord first, TBufferCoord last, TChangeKind kind,
                        TBufferCoord caretAfter);
    // Deletes the selection when there is one, as one recorded change; true when it did.
    bool DeleteSelectionRecorded();

    // Typing and line breaks (EditEngineInsert.cpp).
    void TypeCharacter(char character);
    // Typed text at the caret: replaces the selection, or overwrites characters in
    // overwrite mode when overwrite is set.
    void InsertTyped(std::string_view text, bool overwrite);
    // Their work, inside the bracket and the undo block they need.
    void Type(std::string_view text, bool overwrite);
    void BreakLine(bool moveCaret);
    void BreakLineAtCaret(bool moveCaret);

    // Tabs and block indents (EditEngineIndent.cpp), case (EditEngineCase.cpp).
    void InsertTab();
    void IndentBlock();
    void UnindentBlock();
    // The lines a block command works on, and its column (1 outside column mode).
    struct TLineRange {
        std::int32_t First = 1;
        std::int32_t Last = 1;
    };
    TLineRange BlockLines() const;
    std::int32_t BlockColumn() const;
    void ChangeCase(TEditorCommand command);

    // Undo and redo (EditEngineUndo.cpp): one item carried out inside an update bracket,
    // with eoScrollPastEol on, and for redo with the undo list's Redoing on. EndItem puts
    // the options back.
    void CarryOutItem(const TUndoItem& item, bool redo);
    void EndItem(const TEditorOptions& options, TUndoList* redoing);
    // The item's change taken back, recorded on the redo list (EditEngineUndoItems.cpp).
    void UndoOneItem(const TUndoItem& item);
    void UndoDeletion(const TUndoItem& item);
    void UndoLineBreak(const TUndoItem& item);
    void UndoUnindent(const TUndoItem& item);
    // The item's change made again, recorded on the undo list (EditEngineRedoItems.cpp).
    void RedoOneItem(const TUndoItem& item);
    void RedoDeletion(const TUndoItem& item);
    void RedoUnindent(const TUndoItem& item);

    IEditHost& host_;
    TLineStore& lines_;
    TSelection& selection_;
    TUndoList& undoList_;
    TUndoList& redoList_;
    TEditMarkList& marks_;
    // The lead byte of a double-byte character typed as two ecChar commands.
    std::optional<char> pendingLeadByte_;
};

}  // namespace mirevo
