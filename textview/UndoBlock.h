// TUndoBlock: an undo list's block around a piece of work, so that every change recorded in
// it is undone as one step. Closing the block raises OnItemAdded, whose handlers may throw, so
// it is closed as code, never from a destructor.
//
//     TUndoBlock::Around(undoList_, [&] { ...several recorded changes... });
#pragma once

#include "textview/Bracketed.h"
#include "textview/UndoList.h"

namespace mirevo {

class TUndoBlock {
public:
    // Runs work inside the block and returns what it returns. When work throws, the block
    // still closes and the work's exception goes on.
    template <class Work>
    static decltype(auto) Around(TUndoList& list, Work&& work) {
        return Bracketed([&list] { list.OpenBlock(); }, [&list] { list.CloseBlock(); }, work);
    }

    TUndoBlock() = delete;
};

}  // namespace mirevo
