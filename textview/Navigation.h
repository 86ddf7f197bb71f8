// The commands that move the caret (and with it the selection) or scroll, without changing
// the text. They work on the view's public face alone; the view's command processor runs
// them inside its update bracket.
#pragma once

#include "textview/EditorCommands.h"

namespace mirevo {

class TCustomTextView;

// ecLeft..ecGotoXY and their ecSel forms, which extend the selection; data is the target of
// ecGotoXY (a TBufferCoord), or null.
void ExecuteNavigation(TCustomTextView& view, TEditorCommand command, void* data);
// ecScrollUp, ecScrollDown: the text moves a row under a caret that stays in view.
void ExecuteScroll(TCustomTextView& view, TEditorCommand command);
// ecMatchBracket: from a bracket under the caret to its mate, nesting counted, across lines.
void ExecuteMatchBracket(TCustomTextView& view);
// ecContextHelp: OnContextHelp with the word around the caret.
void ExecuteContextHelp(TCustomTextView& view);

}  // namespace mirevo
