// TPaintLock: the view's update bracket as a scope; scroll bars, caret and status are
// brought up to date once when the outermost bracket closes.
#pragma once

#include "textview/CustomTextView.h"

namespace mirevo {

class TPaintLock {
public:
    explicit TPaintLock(TCustomTextView& view) : view_(view) { view_.LockPaint(); }
    // Unlocking repaints and notifies, which may throw; the bracket still closes.
    ~TPaintLock() noexcept(false) { view_.UnlockPaint(); }
    TPaintLock(const TPaintLock&) = delete;
    TPaintLock& operator=(const TPaintLock&) = delete;

private:
    TCustomTextView& view_;
};

}  // namespace mirevo
