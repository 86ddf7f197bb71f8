// TLineStoreUpdate: a line store's update bracket around a piece of work, so that several
// changes reach the store's subscribers as one (the view collapses its selection once, at
// the end). Ending the bracket notifies the view, which may throw, so it is ended as code,
// never from a destructor.
//
//     TLineStoreUpdate::Around(lines_, [&] { lines_.Put(...); lines_.Insert(...); });
#pragma once

#include "textview/Bracketed.h"
#include "textview/LineStore.h"

namespace mirevo {

class TLineStoreUpdate {
public:
    // Runs work inside the bracket and returns what it returns. When work throws, the
    // bracket still ends and the work's exception goes on.
    template <class Work>
    static decltype(auto) Around(TLineStore& lines, Work&& work) {
        return Bracketed([&lines] { lines.BeginUpdate(); }, [&lines] { lines.EndUpdate(); }, work);
    }

    TLineStoreUpdate() = delete;
};

}  // namespace mirevo
