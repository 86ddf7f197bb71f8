#include "common/IniText.h"

#include <optional>

#include "common/Sjis.h"
#include "common/Trim.h"

namespace mirevo {

namespace {

constexpr std::string_view kCrLf = "\r\n";

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

namespace {

bool Holds(std::string_view text, std::string_view characters) {
    return text.find_first_of(characters) != std::string_view::npos;
}

bool Storable(const std::string& section, const std::string& key, const std::string& value) {
    using namespace std::string_view_literals;
    const auto breaks = "\r\n\0"sv;
    if (Holds(section, breaks) || Holds(key, breaks) || Holds(value, breaks)) return false;
    // The reader trims the key before it looks at its first character.
    const std::string name = Trim(key);
    if (Holds(name, "=") || name.starts_with(';') || name.starts_with('[')) return false;
    // A name ending in a lead byte would take the closing "]" for its second byte.
    return ClassifyIniLine("[" + section + "]").kind == IniLineKind::Header;
}

// Where the section's entries and the key stand in the counted part of the file.
struct Location {
    std::optional<std::size_t> keyLine;         // the key's line, when the key exists
    std::optional<std::size_t> lastFilledLine;  // the section's last non-blank line
};

std::optional<Location> Locate(std::string_view text, const std::vector<IniLineSpan>& lines,
                               const std::string& section, const std::string& key) {
    // The reader sees names without the blanks at their ends.
    const std::string sectionKey = IniNameKey(Trim(section));
    const std::string keyKey = IniNameKey(Trim(key));
    std::optional<Location> found;
    bool inside = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto& span = lines[i];
        const auto line = ClassifyIniLine(text.substr(span.begin, span.contentEnd - span.begin));
        if (line.kind == IniLineKind::Header) {
            inside = IniNameKey(line.name) == sectionKey;
            // A later section of the same name is the one the reader sees.
            if (inside) found = Location{std::nullopt, i};
        } else if (inside && line.kind != IniLineKind::Blank) {
            found->lastFilledLine = i;
            if (line.kind == IniLineKind::Entry && IniNameKey(line.name) == keyKey) {
                found->keyLine = i;
            }
        }
    }
    return found;
}

// The text with one line put in after the given line, which may lack its break.
std::string InsertAfter(std::string_view text, const IniLineSpan& after, std::string_view line) {
    std::string result(text.substr(0, after.end));
    if (after.end == after.contentEnd) result += kCrLf;
    result += line;
    result += kCrLf;
    result += text.substr(after.end);
    return result;
}

std::string Rewrite(std::string_view text, const std::string& section, const std::string& key,
                    const std::string& value) {
    const auto lines = SplitIniLines(text);
    const std::string entry = key + "=" + value;
    const auto location = Locate(text, lines, section, key);
    if (location && location->keyLine) {
        // The key keeps the spelling it has in the file, as on Windows.
        const auto& span = lines[*location->keyLine];
        const auto line = ClassifyIniLine(text.substr(span.begin, span.contentEnd - span.begin));
        return std::string(text.substr(0, span.begin)) + line.name + "=" + value +
               std::string(text.substr(span.contentEnd));
    }
    if (location) return InsertAfter(text, lines[*location->lastFilledLine], entry);
    std::string result(text);
    if (!result.empty() && result.back() != '\r' && result.back() != '\n') result += kCrLf;
    return result + "[" + section + "]" + std::string(kCrLf) + entry + std::string(kCrLf);
}

}  // namespace

std::optional<std::string> IniTextWithValue(std::string_view bytes, const std::string& section,
                                            const std::string& key, const std::string& value) {
    if (!Storable(section, key, value)) return std::nullopt;
    // Bytes from a NUL on are invisible to the reader; they stay behind the counted text.
    const std::string_view counted = IniTextBeforeNul(bytes);
    const std::string_view rest = bytes.substr(counted.size());
    return Rewrite(counted, section, key, value) + std::string(rest);
}

}  // namespace mirevo
