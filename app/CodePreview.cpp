#include "app/CodePreview.h"

#include "common/Sjis.h"

namespace mirevo {

namespace {
const char kEllipsis[] = "…";

std::string PreviewLine(std::string_view line, std::size_t lineBytes) {
    if (line.size() <= lineBytes) return std::string(line);
    return std::string(WholeCharacters(line.substr(0, lineBytes))) + kEllipsis;
}
}  // namespace

std::string CodePreview(std::string_view code, std::size_t lineBytes) {
    std::string preview;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = code.find("\r\n", start);
        preview += PreviewLine(code.substr(start, end - start), lineBytes);
        if (end == std::string_view::npos) return preview;
        preview += "\r\n";
        start = end + 2;
    }
}

}  // namespace mirevo
