#include "textview/LineStoreSplit.h"

#include <algorithm>
#include <cstring>

namespace mirevo {

namespace {

// Position of the next byte c at or after from, or end. memchr keeps the scan fast; the
// caller keeps the result until it passes it, so every byte is scanned once per kind.
const char* Next(const char* from, const char* end, char c) {
    const void* found = std::memchr(from, c, static_cast<std::size_t>(end - from));
    return found ? static_cast<const char*>(found) : end;
}

}  // namespace

TSplitResult SplitLines(std::string_view text, TNulHandling nul) {
    TSplitResult result;
    const char* const begin = text.data();
    const char* end = begin + text.size();
    if (text.empty()) return result;
    if (nul == TNulHandling::EndsText) end = Next(begin, end, '\0');

    const char* p = begin;
    const char* cr = Next(p, end, '\r');
    const char* lf = Next(p, end, '\n');
    while (p < end) {
        const char* lineEnd = std::min(cr, lf);
        result.lines.push_back(
            {static_cast<std::size_t>(p - begin), static_cast<std::size_t>(lineEnd - p)});
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

}  // namespace mirevo
