// TPaintLock: the view's update bracket around a piece of work. Scroll bars, caret and status
// are brought up to date once, when the outermost bracket has closed, and never from a
// destructor: that work raises events whose handlers may throw.
//
//     TPaintLock::Around(*this, [&] { ...edits that move the caret... });
#pragma once

#include <type_traits>
#include <utility>

#include "textview/CustomTextView.h"

namespace mirevo {

class TPaintLock {
public:
    // Runs work inside the bracket and returns what it returns. When work throws, the
    // closing work still runs and the work's exception goes on (not one of the closing
    // work's own).
    template <class Work>
    static decltype(auto) Around(TCustomTextView& view, Work&& work);

    TPaintLock(const TPaintLock&) = delete;
    TPaintLock& operator=(const TPaintLock&) = delete;

private:
    explicit TPaintLock(TCustomTextView& view) : view_(view) { view_.LockPaint(); }
    // Only counts down; the closing work is left to Around.
    ~TPaintLock() { view_.ReleasePaintLock(); }

    template <class Work>
    static decltype(auto) Locked(TCustomTextView& view, Work& work) {
        const TPaintLock lock(view);
        return work();
    }

    TCustomTextView& view_;
};

template <class Work>
decltype(auto) TPaintLock::Around(TCustomTextView& view, Work&& work) {
    try {
        if constexpr (std::is_void_v<std::invoke_result_t<Work&>>) {
            Locked(view, work);
            view.RunPendingPaintWork();
        } else {
            auto result = Locked(view, work);
            view.RunPendingPaintWork();
            return result;
        }
    } catch (...) {
        view.RunPendingPaintWorkAfterError();
        throw;
    }
}

}  // namespace mirevo
