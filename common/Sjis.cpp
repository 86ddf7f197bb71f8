#include "common/Sjis.h"

namespace mirevo {

ByteKind ByteKindAt(std::string_view text, std::size_t index) {
    if (index >= text.size()) return ByteKind::Single;
    std::size_t i = 0;
    while (i < index) {
        i += IsLeadByte(text[i]) ? 2 : 1;
    }
    if (i > index) return ByteKind::Trail;
    return IsLeadByte(text[i]) ? ByteKind::Lead : ByteKind::Single;
}

std::string_view WholeCharacters(std::string_view text) {
    if (text.empty() || ByteKindAt(text, text.size() - 1) != ByteKind::Lead) return text;
    return text.substr(0, text.size() - 1);
}

std::size_t PosSjis(std::string_view needle, std::string_view text, std::size_t from) {
    if (needle.empty() || from == 0) return 0;
    // Walk character starts only, so a match can never begin on a trail byte.
    std::size_t i = 0;
    while (i < from - 1 && i < text.size()) {
        i += IsLeadByte(text[i]) ? 2 : 1;
    }
    for (; i < text.size(); i += IsLeadByte(text[i]) ? 2 : 1) {
        if (text.compare(i, needle.size(), needle) == 0) return i + 1;
    }
    return 0;
}

std::string AsciiLowerCase(std::string_view text) {
    std::string lower(text);
    for (std::size_t i = 0; i < lower.size(); ++i) {
        if (IsLeadByte(lower[i])) {
            ++i;
        } else if (lower[i] >= 'A' && lower[i] <= 'Z') {
            lower[i] = static_cast<char>(lower[i] - 'A' + 'a');
        }
    }
    return lower;
}

}  // namespace mirevo
