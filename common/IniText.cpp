#include "common/IniText.h"

#include "common/Sjis.h"
#include "common/Trim.h"

namespace mirevo {

namespace {

bool IsBreak(char c) { return c == '\r' || c == '\n'; }

bool IsHeader(std::string_view line) {
    // A "]" that is the second byte of a two-byte character does not close a header.
    return line.size() >= 2 && line.front() == '[' && line.back() == ']' &&
           ByteKindAt(line, line.size() - 1) != ByteKind::Trail;
}

struct CaseRange {
    unsigned lowerFirst;
    unsigned lowerLast;
    unsigned upperFirst;
};

// Two-byte lower-case letters of code page 932 and their capitals: full-width Latin,
// Greek, Cyrillic (split around 0x847F, which is no character), small Roman numerals.
constexpr CaseRange kDoubleByteCases[] = {
    {0x8281, 0x829A, 0x8260}, {0x83BF, 0x83D6, 0x839F}, {0x8470, 0x847E, 0x8440},
    {0x8480, 0x8491, 0x844F}, {0xEEEF, 0xEEF8, 0x8754}, {0xFA40, 0xFA49, 0x8754},
};

unsigned UpperDoubleByte(unsigned code) {
    for (const auto& range : kDoubleByteCases) {
        if (code >= range.lowerFirst && code <= range.lowerLast) {
            return range.upperFirst + (code - range.lowerFirst);
        }
    }
    return code;
}

}  // namespace

std::string_view IniTextBeforeNul(std::string_view bytes) {
    return bytes.substr(0, bytes.find('\0'));
}

std::vector<IniLineSpan> SplitIniLines(std::string_view text) {
    std::vector<IniLineSpan> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t contentEnd = begin;
        while (contentEnd < text.size() && !IsBreak(text[contentEnd])) ++contentEnd;
        std::size_t end = contentEnd;
        if (end < text.size()) {
            const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
            end += crlf ? 2 : 1;
        }
        lines.push_back({begin, contentEnd, end});
        begin = end;
    }
    return lines;
}

IniLine ClassifyIniLine(std::string_view line) {
    const std::string trimmed = Trim(line);
    if (trimmed.empty()) return {};
    if (trimmed.front() == ';') return {IniLineKind::Comment, {}, {}};
    if (IsHeader(trimmed)) {
        return {
            IniLineKind::Header, Trim(std::string_view(trimmed).substr(1, trimmed.size() - 2)), {}};
    }
    const auto equals = trimmed.find('=');
    if (equals == std::string::npos) return {IniLineKind::Other, {}, {}};
    const std::string_view view = trimmed;
    return {IniLineKind::Entry, Trim(view.substr(0, equals)), Trim(view.substr(equals + 1))};
}

std::string IniNameKey(std::string_view name) {
    std::string key(name);
    for (std::size_t i = 0; i < key.size(); ++i) {
        auto& c = key[i];
        if (IsLeadByte(c) && i + 1 < key.size()) {
            const unsigned code =
                static_cast<unsigned char>(c) << 8 | static_cast<unsigned char>(key[i + 1]);
            const unsigned upper = UpperDoubleByte(code);
            c = static_cast<char>(upper >> 8);
            key[++i] = static_cast<char>(upper & 0xFF);
        } else if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return key;
}

}  // namespace mirevo
