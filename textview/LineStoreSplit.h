// Splitting a whole text into lines, as the line store does when it is given a text.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace mirevo {

enum class TNulHandling {
    EndsText,  // setting the text: a NUL ends the walk, nothing after it is kept
    Ordinary,  // loading a stream: NUL is a byte like any other
};

struct TSplitResult {
    std::size_t lines = 0;
    std::size_t end = 0;  // where the walk stopped: the size, or the first NUL with EndsText
    bool sawCr = false;   // a CR ended some line
    bool sawLf = false;   // an LF ended some line
};

namespace split_detail {
// Next byte c at or after from, or end. The caller keeps the answer until it passes it, so
// every byte is scanned once per kind of break.
inline const char* Next(const char* from, const char* end, char c) {
    const void* found = std::memchr(from, c, static_cast<std::size_t>(end - from));
    return found ? static_cast<const char*>(found) : end;
}
}  // namespace split_detail

// Calls onLine(start, length) for every line of text, in order. A line ends at CR, LF or
// (with EndsText) a NUL; after it one CR and then one LF are skipped. So CR LF, CR and LF
// each end one line, LF CR ends two, a break at the very end adds no empty line. An empty
// text has no lines.
template <typename OnLine>
TSplitResult SplitLines(std::string_view text, TNulHandling nul, OnLine&& onLine) {
    using split_detail::Next;
    TSplitResult result;
    if (text.empty()) return result;
    const char* const begin = text.data();
    const char* end = begin + text.size();
    if (nul == TNulHandling::EndsText) end = Next(begin, end, '\0');
    result.end = static_cast<std::size_t>(end - begin);

    const char* p = begin;
    const char* cr = Next(p, end, '\r');
    const char* lf = Next(p, end, '\n');
    while (p < end) {
        const char* lineEnd = std::min(cr, lf);
        onLine(static_cast<std::size_t>(p - begin), static_cast<std::size_t>(lineEnd - p));
        ++result.lines;
        p = lineEnd;
        if (p < end && *p == '\r') {
            result.sawCr = true;
            cr = Next(++p, end, '\r');
        }
        if (p < end && *p == '\n') {
            result.sawLf = true;
            lf = Next(++p, end, '\n');
        }
    }
    return result;
}

// Just the number of lines and the kinds of break.
inline TSplitResult CountLines(std::string_view text, TNulHandling nul) {
    return SplitLines(text, nul, [](std::size_t, std::size_t) {});
}

}  // namespace mirevo
