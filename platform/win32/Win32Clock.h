// The clock on Windows: QueryPerformanceCounter, else GetTickCount.
#pragma once

#include "platform/Clock.h"

namespace mirevo {

class Win32Clock final : public IClock {
public:
    std::uint64_t Count() override;
};

}  // namespace mirevo
