// Runs a test's action from inside the next message loop (a modal dialog's or a menu's),
// through a thread timer.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

namespace mirevo::testing_support {

namespace run_in_loop_detail {
inline std::function<void()>& Pending() {
    static std::function<void()> action;
    return action;
}
inline void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    auto action = std::move(Pending());
    if (action) action();
}
}  // namespace run_in_loop_detail

// The action runs once, delayMilliseconds after the loop starts dispatching messages.
inline void RunInNextLoop(std::function<void()> action, UINT delayMilliseconds = 10) {
    run_in_loop_detail::Pending() = std::move(action);
    SetTimer(nullptr, 0, delayMilliseconds, run_in_loop_detail::OnTimer);
}

}  // namespace mirevo::testing_support
