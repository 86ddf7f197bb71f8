// The INI text as the settings reader sees it: lines, headers, entries, and how names compare;
// and the text with one value stored, by the same rules, so that what the profile writers
// write reads back.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirevo {

// The part of a file's bytes that counts: everything before the first NUL.
std::string_view IniTextBeforeNul(std::string_view bytes);

// One line of the text: its content runs from begin to contentEnd, its break (CR, LF or
// CR LF; none on a last line without one) from contentEnd to end.
struct IniLineSpan {
    std::size_t begin = 0;
    std::size_t contentEnd = 0;
    std::size_t end = 0;
};

// Cuts text into lines. LF followed by CR is two breaks with an empty line between them; a
// break at the very end adds no empty last line.
std::vector<IniLineSpan> SplitIniLines(std::string_view text);

enum class IniLineKind {
    Blank,    // nothing but characters of code 32 or less
    Comment,  // ";" first after trimming
    Header,   // "[" first and "]" last after trimming; name is the trimmed text between
    Entry,    // holds "="; name and value are the trimmed texts around the first "="
    Other,    // stays in its section and matches no key
};

struct IniLine {
    IniLineKind kind = IniLineKind::Blank;
    std::string name;
    std::string value;
};

IniLine ClassifyIniLine(std::string_view line);

// The form in which section names and keys are compared: upper case by the rules of code
// page 932, with the second byte of a two-byte character left alone.
std::string IniNameKey(std::string_view name);

// The file's bytes with value stored under section and key, laid out as Windows lays out
// profile files (PortableProfileWriter describes the layout); bytes from a NUL on stay behind
// the text. Nullopt for a section, key or value holding CR, LF or NUL, a section ending in a
// lead byte (its header would not close) and a key holding "=" or starting with ";" or "["
// after its blanks, since none of them would read back as written.
std::optional<std::string> IniTextWithValue(std::string_view bytes, const std::string& section,
                                            const std::string& key, const std::string& value);

}  // namespace mirevo
