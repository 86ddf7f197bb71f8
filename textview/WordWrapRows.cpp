#include "textview/WordWrapRows.h"

#include <algorithm>

#include "common/Exception.h"
#include "common/Sjis.h"

namespace mirevo {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// True when end falls on the second byte of a double-byte character of the row that starts
// at start (a character boundary). The byte before end is a lead byte exactly when an odd
// number of lead-range bytes directly precedes end: the byte before such a run always ends
// a character.
bool SplitsCharacter(std::string_view text, std::size_t start, std::size_t end) {
    std::size_t leads = 0;
    for (std::size_t p = end; p > start && IsLeadByte(text[p - 1]); --p) ++leads;
    return leads % 2 == 1;
}

std::size_t PastBlankRun(std::string_view text, std::size_t end) {
    while (end < text.size() && IsBlank(text[end])) ++end;
    return end;
}

// Just after the rightmost break character beyond minRowLength, or the candidate end.
std::size_t AfterBreakChar(std::string_view text, std::size_t start, std::size_t end,
                           const TWrapRules& rules) {
    const std::size_t lowest = start + static_cast<std::size_t>(rules.minRowLength) + 1;
    for (std::size_t p = end; p > lowest; --p) {
        if (rules.breakChars[static_cast<unsigned char>(text[p - 1])]) return p;
    }
    return end;
}

// Cuts an over-long blank run at 255 bytes, moved back onto a tab stop when the cut lies
// inside an expanded tab. A tab width above 255 has no stop to move to.
std::size_t CutBlankRun(std::string_view text, std::size_t start, std::int32_t tabWidth) {
    const std::size_t cap = kMaxWrappedRowLength;
    const std::size_t stop = cap - cap % static_cast<std::size_t>(std::max(tabWidth, 1));
    std::size_t end = start + cap;
    if (stop == 0) return end;
    while (text[end] == '\t' && end - start > stop) --end;
    return end;
}

std::size_t RowEnd(std::string_view text, std::size_t start, const TWrapRules& rules) {
    std::size_t end = start + static_cast<std::size_t>(rules.maxRowLength);
    end = IsBlank(text[end]) ? PastBlankRun(text, end) : AfterBreakChar(text, start, end, rules);
    if (end - start > static_cast<std::size_t>(kMaxWrappedRowLength)) {
        end = CutBlankRun(text, start, rules.tabWidth);
    }
    if (SplitsCharacter(text, start, end)) --end;
    // Only a one-cell row can lose its only byte; it takes the whole character instead.
    if (end == start) end = std::min(start + 2, text.size());
    return end;
}

}  // namespace

TWrapRules TWrapRules::For(std::int32_t maxRowLength, std::int32_t tabWidth,
                           const std::bitset<256>& identChars) {
    TWrapRules rules;
    rules.maxRowLength = std::min(maxRowLength, kMaxWrappedRowLength);
    rules.minRowLength = std::max(rules.maxRowLength - rules.maxRowLength / 3, 1);
    rules.tabWidth = tabWidth;
    rules.breakChars = ~identChars;
    return rules;
}

void WrapLine(std::string_view text, const TWrapRules& rules, std::vector<std::uint8_t>& rows) {
    MIREVO_ASSERT(rules.maxRowLength > 0);
    const std::size_t width = static_cast<std::size_t>(rules.maxRowLength);
    std::size_t start = 0;
    while (start + width < text.size()) {
        const std::size_t end = RowEnd(text, start, rules);
        rows.push_back(static_cast<std::uint8_t>(end - start));
        start = end;
    }
    if (start < text.size() || text.empty()) {
        rows.push_back(static_cast<std::uint8_t>(text.size() - start));
    }
}

}  // namespace mirevo
