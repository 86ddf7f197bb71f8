// Fuzz target: the settings reader loads any bytes and answers lookups consistently.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

using namespace std::string_view_literals;

#include "common/IntegerText.h"
#include "common/Sjis.h"
#include "common/Trim.h"
#include "settings/MemIniFile.h"

namespace {

constexpr std::string_view kMissingA = "\x01missing-a";
constexpr std::string_view kMissingB = "\x01missing-b";

// Names to look up, cut from the input itself so that many of them exist.
std::vector<std::string> CandidateNames(std::string_view text) {
    std::vector<std::string> names = {""};
    std::size_t begin = 0;
    while (begin < text.size() && names.size() < 8) {
        const auto end = std::min(text.find_first_of("\r\n=[]", begin), text.size());
        names.push_back(mirevo::Trim(text.substr(begin, end - begin)));
        begin = end + 1;
    }
    return names;
}

// Swaps the case of ASCII letters, leaving the second bytes of two-byte characters alone.
std::string SwapAsciiCase(std::string text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto& c = text[i];
        if (mirevo::IsLeadByte(c)) {
            ++i;
        } else if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 32);
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + 32);
        }
    }
    return text;
}

bool HoldsBreak(std::string_view text) { return text.find_first_of("\r\n\0"sv) != text.npos; }

void CheckLookup(const mirevo::TMemIniFile& ini, const std::string& section,
                 const std::string& key) {
    const auto a = ini.ReadText(section, key, kMissingA);
    const auto b = ini.ReadText(section, key, kMissingB);
    const bool found = a == b;
    if (!found && (a != kMissingA || b != kMissingB)) std::abort();
    if (found && (a != mirevo::Trim(a) || HoldsBreak(a))) std::abort();
    if (ini.ReadText(SwapAsciiCase(section), SwapAsciiCase(key), kMissingA) != a) std::abort();
    const auto number = ini.ReadNumber(section, key, 7);
    if (number != (found ? mirevo::IntegerFromText(a, 7) : 7)) std::abort();
    if (ini.ReadFlag(section, key, true) != (ini.ReadNumber(section, key, 1) != 0)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto ini = mirevo::TMemIniFile::FromText(bytes);
    const auto names = CandidateNames(bytes);
    for (const auto& section : names) {
        for (const auto& key : names) CheckLookup(ini, section, key);
    }
    // A section added behind the text is the one found, whatever came before.
    const auto text = std::string(bytes.substr(0, bytes.find('\0')));
    const auto extended = mirevo::TMemIniFile::FromText(text + "\r\n[FuzzZ]\r\nkey = v=1 \r\n");
    if (extended.ReadText("fuzzz", "KEY", kMissingA) != "v=1") std::abort();
    return 0;
}
