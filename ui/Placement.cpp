#include "ui/Placement.h"

#include <cstdint>
#include <limits>

namespace mirevo {

namespace {

// How much of the title bar must show: its top rows, and a stretch wide enough to grip.
constexpr std::int32_t kCaptionRows = 8;
constexpr std::int32_t kGripWidth = 40;

bool TitleBarOn(const TBounds& window, const TRect& area) {
    const std::int64_t left = std::max(window.Left, area.Left);
    const std::int64_t right = std::min(window.Right(), area.Right);
    return window.Top >= area.Top - kCaptionRows / 2 &&
           std::int64_t{window.Top} + kCaptionRows <= area.Bottom && right - left >= kGripWidth;
}

std::int64_t Gap(std::int64_t start, std::int64_t end, std::int64_t areaStart,
                 std::int64_t areaEnd) {
    if (end < areaStart) return areaStart - end;
    if (start > areaEnd) return start - areaEnd;
    return 0;
}

// Squared distance between the window and the area; 0 when they overlap.
std::int64_t Distance(const TBounds& window, const TRect& area) {
    const std::int64_t dx = Gap(window.Left, window.Right(), area.Left, area.Right);
    const std::int64_t dy = Gap(window.Top, window.Bottom(), area.Top, area.Bottom);
    return dx * dx + dy * dy;
}

std::int32_t Within(std::int32_t start, std::int32_t size, std::int32_t areaStart,
                    std::int32_t areaEnd) {
    return std::clamp(start, areaStart, std::max(areaStart, areaEnd - size));
}

}  // namespace

TBounds ReachablePlace(const TBounds& window, const std::vector<TRect>& workAreas) {
    if (workAreas.empty()) return window;
    const TRect* nearest = &workAreas.front();
    for (const TRect& area : workAreas) {
        if (TitleBarOn(window, area)) return window;
        if (Distance(window, area) < Distance(window, *nearest)) nearest = &area;
    }
    TBounds placed = window;
    placed.Width = std::clamp(window.Width, 0, nearest->Width());
    placed.Height = std::clamp(window.Height, 0, nearest->Height());
    placed.Left = Within(window.Left, placed.Width, nearest->Left, nearest->Right);
    placed.Top = Within(window.Top, placed.Height, nearest->Top, nearest->Bottom);
    return placed;
}

}  // namespace mirevo
