// The four parts of a file version text, and how the text is split into them.
#pragma once

#include <string>
#include <string_view>

namespace mirevo {

// Stands for a value that could not be read.
inline constexpr std::string_view kInfoNotAvailable = "<info not available>";

struct FileVersionParts {
    std::string MajorVersion;
    std::string MinorVersion;
    std::string Release;
    std::string Build;

    bool operator==(const FileVersionParts&) const = default;
};

// Splits at "." if the text holds one, else at ",": the first piece is MajorVersion, the next
// two are MinorVersion and Release while separators last (empty once they run out), and
// Build is whatever remains, further separators included. "1.3" gives 1, "", "" and 3.
// Nothing is trimmed. An empty text, or one with neither separator, gives
// "<info not available>" for all four.
FileVersionParts SplitFileVersion(std::string_view fileVersion);

}  // namespace mirevo
