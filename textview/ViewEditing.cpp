// The text-changing commands of a writable view.
#include "textview/CustomTextView.h"
#include "textview/PaintLock.h"

namespace mirevo {

void TCustomTextView::ExecuteEditCommand(TEditorCommand command, char character, void* data) {
    (void)command;
    (void)character;
    (void)data;
}

}  // namespace mirevo
