#include "history/HistoryRecord.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>

namespace mirevo {

namespace {

// The captions of the main window's pages.
constexpr std::array<std::string_view, kHistoryKindCount> kKindNames = {
    "簡易リンク", "テキストリンク", "画像リンク", "テキスト＆画像リンク"};

constexpr std::string_view kTimeShape = "0000-00-00 00:00:00";

std::int32_t NumberAt(std::string_view time, std::size_t index) {
    return (time[index] - '0') * 10 + (time[index + 1] - '0');
}

}  // namespace

std::string_view HistoryKindName(std::int32_t kind) {
    if (kind < 0 || kind >= kHistoryKindCount) return {};
    return kKindNames[static_cast<std::size_t>(kind)];
}

std::string HistoryTime(const TLocalTime& time) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d %02d:%02d:%02d",
                  std::clamp(time.year, 0, 9999), time.month, time.day, time.hour, time.minute,
                  time.second);
    return text.data();
}

bool IsHistoryTime(std::string_view time) {
    if (time.size() != kTimeShape.size()) return false;
    for (std::size_t i = 0; i < time.size(); ++i) {
        const bool digit = time[i] >= '0' && time[i] <= '9';
        if (kTimeShape[i] == '0' ? !digit : time[i] != kTimeShape[i]) return false;
    }
    const auto month = NumberAt(time, 5);
    const auto day = NumberAt(time, 8);
    return month >= 1 && month <= 12 && day >= 1 && day <= 31 && NumberAt(time, 11) <= 23 &&
           NumberAt(time, 14) <= 59 && NumberAt(time, 17) <= 59;
}

bool IsStorableHistoryRecord(const THistoryRecord& record) {
    return IsHistoryTime(record.time) && record.kind >= 0 && record.kind < kHistoryKindCount;
}

}  // namespace mirevo
