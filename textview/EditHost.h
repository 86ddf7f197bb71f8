// IEditHost: what the edit engine needs of the view it edits for: the caret, the update
// bracket, the modified flag and the settings in force. The view implements it; the engine
// never sees the window.
#pragma once

#include "textview/Coordinates.h"
#include "textview/EditorCommands.h"
#include "textview/EditorOptions.h"
#include "textview/TextViewTypes.h"
#include "textview/UndoSelectionMode.h"
#include "textview/ViewStyle.h"

namespace mirevo {

class IEditHost {
public:
    virtual ~IEditHost() = default;

    virtual TBufferCoord Caret() const = 0;
    // Moves the caret and collapses the selection onto it.
    virtual void SetCaret(const TBufferCoord& p) = 0;
    // Moves the caret and keeps the selection; brings it into view unless told not to.
    virtual void MoveCaret(const TBufferCoord& p, bool ensureVisible = true) = 0;
    // Caret, anchor and active end at once, the selection's mode kept.
    virtual void SetCaretAndSelection(const TBufferCoord& caret, const TBufferCoord& anchor,
                                      const TBufferCoord& activeEnd) = 0;
    virtual void BringCaretIntoView() = 0;
    // The present selection's mode, repainted.
    virtual void SetActiveSelectionMode(TSelectionMode mode) = 0;

    // The update bracket: repaints, scroll bars and status are brought up to date once,
    // when the outermost bracket ends. Every begin has its end.
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;

    virtual void SetModified(bool value) = 0;
    // A command run as if the user gave it (undo and redo place the caret so).
    virtual void RunCommand(TEditorCommand command, char character, void* data) = 0;

    virtual const TViewStyle& Style() const = 0;
    virtual TEditorOptions Options() const = 0;
    // The options in force for one undo or redo item, assigned without the work a change of
    // the setting does; the selection's limits follow them.
    virtual void SetItemOptions(TEditorOptions options) = 0;
};

}  // namespace mirevo
