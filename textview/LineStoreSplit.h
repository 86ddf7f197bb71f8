// Splitting a whole text into lines, as the line store does when it is given a text.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace mirevo {

// One line of a split text: its bytes are text.substr(start, length).
struct TLineSpan {
    std::size_t start = 0;
    std::size_t length = 0;
};

enum class TNulHandling {
    EndsText,  // setting the text: a NUL ends the walk, nothing after it is kept
    Ordinary,  // loading a stream: NUL is a byte like any other
};

struct TSplitResult {
    std::vector<TLineSpan> lines;
    bool sawCr = false;  // a CR ended some line
    bool sawLf = false;  // an LF ended some line
};

// A line ends at CR, LF or (with EndsText) a NUL; after it one CR and then one LF are
// skipped. So CR LF, CR and LF each end one line, LF CR ends two, a break at the very end
// adds no empty line. An empty text has no lines.
TSplitResult SplitLines(std::string_view text, TNulHandling nul);

}  // namespace mirevo
