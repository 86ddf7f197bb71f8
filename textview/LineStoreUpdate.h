// TLineStoreUpdate: a line store's update bracket as a scope, so that several changes reach
// the store's subscribers as one (the view collapses its selection once, at the end).
#pragma once

#include "textview/LineStore.h"

namespace mirevo {

class TLineStoreUpdate {
public:
    explicit TLineStoreUpdate(TLineStore& lines) : lines_(lines) { lines_.BeginUpdate(); }
    // Ending the bracket notifies the view, which may throw; the bracket still closes.
    ~TLineStoreUpdate() noexcept(false) { lines_.EndUpdate(); }
    TLineStoreUpdate(const TLineStoreUpdate&) = delete;
    TLineStoreUpdate& operator=(const TLineStoreUpdate&) = delete;

private:
    TLineStore& lines_;
};

}  // namespace mirevo
