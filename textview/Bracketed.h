// Bracketed: a piece of work between the opening and the closing of a bracket (an update
// bracket, an undo block), with the closing called as code, never from a destructor: closing
// raises events whose handlers may throw.
#pragma once

#include <type_traits>

namespace mirevo {

// Calls open, then work, then close, and returns what work returns. When open throws,
// nothing else runs. When work throws, close still runs, and a failure of close's own is
// dropped so that work's goes on; when close itself throws, it is not called again.
template <class Open, class Close, class Work>
decltype(auto) Bracketed(Open&& open, Close&& close, Work&& work) {
    open();
    bool closing = false;
    try {
        if constexpr (std::is_void_v<std::invoke_result_t<Work&>>) {
            work();
            closing = true;
            close();
        } else {
            auto result = work();
            closing = true;
            close();
            return result;
        }
    } catch (...) {
        if (!closing) {
            try {
                close();
            } catch (...) {
                // The work's failure is the one that goes on.
            }
        }
        throw;
    }
}

}  // namespace mirevo
