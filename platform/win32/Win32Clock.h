// The clock on Windows: QueryPerformanceCounter, else GetTickCount; GetLocalTime.
#pragma once

#include "platform/Clock.h"

namespace mirevo {

class Win32Clock final : public IClock {
public:
    std::uint64_t Count() override;
    TLocalTime LocalTime() override;
};

}  // namespace mirevo
