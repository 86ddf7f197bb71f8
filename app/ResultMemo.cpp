#include "app/ResultMemo.h"

namespace mirevo {

TResultMemo::TResultMemo(TControl* parent, std::string name) : TMemo(parent, std::move(name)) {
    SetReadOnly(true);
    WordWrap = true;
    VerticalScrollBar = true;
}

}  // namespace mirevo
