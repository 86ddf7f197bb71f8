// Port: the clock that seeds the pixel server's random number.
#pragma once

#include <cstdint>

namespace mirevo {

class IClock {
public:
    virtual ~IClock() = default;

    // The high-resolution performance counter, or the millisecond tick count where the
    // system has no such counter. Only its change from call to call matters.
    virtual std::uint64_t Count() = 0;
};

}  // namespace mirevo
