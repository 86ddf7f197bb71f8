// The shell on Windows: ShellExecuteA.
#pragma once

#include "platform/Shell.h"

namespace mirevo {

class Win32Shell final : public IShell {
public:
    void Open(std::uintptr_t parentWindow, const std::string& target) override;
};

}  // namespace mirevo
