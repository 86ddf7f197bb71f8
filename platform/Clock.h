// Port: the clock: a counter that seeds the pixel server's random number, and the local time
// that dates the history's records.
#pragma once

#include <cstdint>

namespace mirevo {

// A moment of the local calendar, as the system's clock shows it.
struct TLocalTime {
    std::int32_t year = 0;
    std::int32_t month = 0;   // 1..12
    std::int32_t day = 0;     // 1..31
    std::int32_t hour = 0;    // 0..23
    std::int32_t minute = 0;  // 0..59
    std::int32_t second = 0;  // 0..59
};

class IClock {
public:
    virtual ~IClock() = default;

    // The high-resolution performance counter, or the millisecond tick count where the
    // system has no such counter. Only its change from call to call matters.
    virtual std::uint64_t Count() = 0;

    // The local date and time now.
    virtual TLocalTime LocalTime() = 0;
};

}  // namespace mirevo
