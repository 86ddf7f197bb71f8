// Port: the platform shell, which opens documents and web addresses in their programs.
#pragma once

#include <cstdint>
#include <string>

namespace mirevo {

class IShell {
public:
    virtual ~IShell() = default;
    // Performs the verb "open" on target (a web address opens in the default browser), with
    // the window parentWindow (an opaque handle, 0 for none) as parent. The outcome is not
    // reported.
    virtual void Open(std::uintptr_t parentWindow, const std::string& target) = 0;
};

}  // namespace mirevo
