// TUndoBlock: an undo list's block as a scope, so that every change recorded while it lives
// is undone as one step.
#pragma once

#include "textview/UndoList.h"

namespace mirevo {

class TUndoBlock {
public:
    explicit TUndoBlock(TUndoList& list) : list_(list) { list_.OpenBlock(); }
    // Closing raises OnItemAdded, whose handlers may throw; the block still closes.
    ~TUndoBlock() noexcept(false) { list_.CloseBlock(); }
    TUndoBlock(const TUndoBlock&) = delete;
    TUndoBlock& operator=(const TUndoBlock&) = delete;

private:
    TUndoList& list_;
};

}  // namespace mirevo
