// One generated link as the history keeps it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Clock.h"

namespace mirevo {

// The number of link kinds: the main window's tabs, 0..3.
constexpr std::int32_t kHistoryKindCount = 4;

struct THistoryRecord {
    std::string time;         // when it was built, "YYYY-MM-DD HH:MM:SS"
    std::int32_t kind = 0;    // the tab it was built on, 0..kHistoryKindCount-1
    std::string destination;  // the product page address
    std::string linkText;     // empty for kinds without one
    std::string imageUrl;     // empty for kinds without one
    std::string identifier;   // the a8mat identifier used
    std::string code;         // the code itself, line breaks and all

    bool operator==(const THistoryRecord&) const = default;
};

// The kind's name as its tab shows it ("簡易リンク", ...); empty for no kind of a tab.
std::string_view HistoryKindName(std::int32_t kind);

// The time in the record's form; a year past 9999 is written as 9999.
std::string HistoryTime(const TLocalTime& time);

// True for a time in the record's form: digits and separators at their places, month 1..12,
// day 1..31, hour 0..23, minute and second 0..59.
bool IsHistoryTime(std::string_view time);

// True for a record the history can keep: a time in its form and a kind of a tab.
bool IsStorableHistoryRecord(const THistoryRecord& record);

}  // namespace mirevo
