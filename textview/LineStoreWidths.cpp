// The line store's display widths: tab expansion and the longest line.
#include <string_view>

#include "textview/LineStore.h"

namespace mirevo {

// --- Display widths ------------------------------------------------------------------------

void TLineStore::SetTabWidth(std::int32_t tabWidth) {
    if (tabWidth == tabWidth_) return;
    tabWidth_ = tabWidth;
    convertTabs_ = ConvertTabsFor(tabWidth);
    ForgetLongest();
    for (std::int32_t i = 0; i < Count(); ++i) {
        LineRecord& line = lines_[i];
        line.expandedLength = -1;
        line.flags = static_cast<std::uint8_t>((line.flags & ~HasNoTabs) | ExpandedLengthUnknown);
    }
}

std::string_view TLineStore::Expand(std::int32_t index) {
    LineRecord& line = lines_[index];
    if (line.length == 0) {
        line.expandedLength = 0;
        line.flags = HasNoTabs;
        return {};
    }
    if (convertTabs_(line.View(), tabWidth_, expanded_)) {
        line.expandedLength = static_cast<std::int32_t>(expanded_.size());
        line.flags = HasTabs;
        return expanded_;
    }
    line.expandedLength = line.length;
    line.flags = HasNoTabs;
    return line.View();
}

std::string_view TLineStore::ExpandedLine(std::int32_t index) {
    if (index < 0 || index >= Count()) return {};
    if (lines_[index].flags & HasNoTabs) return lines_[index].View();
    return Expand(index);
}

std::int32_t TLineStore::ExpandedLineLength(std::int32_t index) {
    if (index < 0 || index >= Count()) return 0;
    if (lines_[index].flags & ExpandedLengthUnknown) Expand(index);
    return lines_[index].expandedLength;
}

std::int32_t TLineStore::LongestLineLength() {
    if (!longestKnown_) {
        std::int32_t best = 0;
        longestLine_ = -1;
        for (std::int32_t i = 0; i < Count(); ++i) {
            const std::int32_t length = ExpandedLineLength(i);
            if (length > best) {
                best = length;
                longestLine_ = i;
            }
        }
        longestKnown_ = true;
    }
    return longestLine_ == -1 ? 0 : ExpandedLineLength(longestLine_);
}

void TLineStore::ForgetLongest() {
    longestLine_ = -1;
    longestKnown_ = false;
}

// A line that is now longer than the longest, or as long and earlier, takes its place.
void TLineStore::ConsiderForLongest(std::int32_t index) {
    const std::int32_t length = ExpandedLineLength(index);
    const std::int32_t best = longestLine_ == -1 ? 0 : ExpandedLineLength(longestLine_);
    if (length > best || (length == best && length > 0 && index < longestLine_)) {
        longestLine_ = index;
    }
}

void TLineStore::LongestAfterInsert(std::int32_t index, std::int32_t count) {
    if (!longestKnown_) return;
    if (longestLine_ >= index) longestLine_ += count;
    for (std::int32_t i = index; i < index + count; ++i) ConsiderForLongest(i);
}

void TLineStore::LongestAfterDelete(std::int32_t index, std::int32_t count) {
    if (!longestKnown_) return;
    if (longestLine_ >= index + count) {
        longestLine_ -= count;
    } else if (longestLine_ >= index) {
        ForgetLongest();
    }
}

// oldLength is the line's cached width before the change (-1 when it was not known).
void TLineStore::LongestAfterPut(std::int32_t index, std::int32_t oldLength) {
    if (!longestKnown_) return;
    if (index != longestLine_) {
        ConsiderForLongest(index);
    } else if (ExpandedLineLength(index) < oldLength) {
        ForgetLongest();
    }
}

}  // namespace mirevo
