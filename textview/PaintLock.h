// TPaintLock: the view's update bracket around a piece of work. Scroll bars, caret and status
// are brought up to date once, when the outermost bracket closes, and never from a
// destructor: that work raises events whose handlers may throw.
//
//     TPaintLock::Around(*this, [&] { ...edits that move the caret... });
#pragma once

#include "textview/Bracketed.h"
#include "textview/CustomTextView.h"

namespace mirevo {

class TPaintLock {
public:
    // Runs work inside the bracket and returns what it returns. When work throws, the
    // bracket still closes and the work's exception goes on (not one of the closing work's).
    template <class Work>
    static decltype(auto) Around(TCustomTextView& view, Work&& work) {
        return Bracketed([&view] { view.LockPaint(); }, [&view] { view.UnlockPaint(); }, work);
    }

    TPaintLock() = delete;
};

}  // namespace mirevo
