#include "platform/win32/Win32Clock.h"

#include <windows.h>

namespace mirevo {

std::uint64_t Win32Clock::Count() {
    LARGE_INTEGER counter;
    if (QueryPerformanceCounter(&counter)) return static_cast<std::uint64_t>(counter.QuadPart);
    return GetTickCount();
}

TLocalTime Win32Clock::LocalTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace mirevo
